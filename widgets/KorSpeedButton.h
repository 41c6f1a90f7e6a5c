#pragma once
// A speed button that draws one picture of an image list, centred, over the ordinary button face,
// and reports each exit of the mouse pointer.
#include <QMetaObject>
#include <QPoint>
#include <QPointer>
#include <QSize>
#include <QToolButton>

#include <optional>

class QAction;

namespace widgets {

class ImageList;

// Top-left corner of a picture centred in `area` when the picture is taken as `scale` times its
// size. The picture itself is still drawn at its own size, so the scale only moves the point.
// Rounding is half to even; the halving truncates toward zero.
QPoint CentredImagePosition(QSize area, QSize picture, double scale);

class KorSpeedButton : public QToolButton {
  Q_OBJECT

 public:
  explicit KorSpeedButton(QWidget* parent = nullptr);
  ~KorSpeedButton() override;

  // Not owned. Setting none also sets ImageIndex to -1; a destroyed list is forgotten.
  ImageList* Images() const;
  void SetImages(ImageList* value);

  // -1 means none. Not checked against the list's size: an index beyond it draws nothing.
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int value);

  bool ImageVisible() const { return imageVisible_; }
  void SetImageVisible(bool value);

  // Takes effect at the next repaint.
  double Scale() const { return scale_; }
  void SetScale(double value) { scale_ = value; }

  // Non-zero makes the button stay down when clicked; among sibling speed buttons with the same
  // group index at most one is down.
  int GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int value);

  bool CanDrawImage() const;
  // Where the picture goes, or nothing when no picture is drawn.
  std::optional<QPoint> ImagePosition() const;

  // Links an action: its changes reach the button through ActionChange. An action carries a group
  // index and an image index in its dynamic properties "GroupIndex" and "ImageIndex" (0 and -1
  // when absent). The first application keeps the button's own settings when checkDefaults is set.
  void SetAction(QAction* action, bool checkDefaults = false);
  QAction* Action() const;

  // Copies the action's state onto the button. With checkDefaults set, settings the button already
  // has of its own are kept. Does nothing unless sender is a QAction.
  void ActionChange(QObject* sender, bool checkDefaults);

 signals:
  // After the base leave handling, once per exit of the pointer.
  void OnMouseLeave(widgets::KorSpeedButton* sender);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void nextCheckState() override;

 private:
  void ImageListChange();
  void LinkActionClick(QAction* action);
  bool HasClickHandler() const;
  void ReleaseGroupSiblings();

  QPointer<ImageList> images_;
  QMetaObject::Connection imageChangeLink_;
  QMetaObject::Connection imageDestroyedLink_;
  int imageIndex_ = -1;
  bool imageVisible_ = true;
  double scale_ = 1.0;
  int groupIndex_ = 0;
  bool pointerInside_ = false;

  QPointer<QAction> action_;
  QMetaObject::Connection actionChangeLink_;
  QMetaObject::Connection actionClickLink_;
};

}  // namespace widgets
