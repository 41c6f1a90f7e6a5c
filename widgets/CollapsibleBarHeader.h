#pragma once
// The header strip of a collapsible bar: icon, bold orange caption and, when the bar can
// collapse, a round button showing which way a click will fold it.
#include <QPixmap>
#include <QWidget>

namespace widgets {

class CollapsibleBarHeader : public QWidget {
  Q_OBJECT

 public:
  explicit CollapsibleBarHeader(QWidget* parent = nullptr);

  void SetCaption(const QString& caption);
  QString Caption() const { return caption_; }
  void SetIcon(const QPixmap& icon);
  // What the button shows; nothing when the bar cannot collapse.
  void SetState(bool collapsible, bool collapsed);

 signals:
  void Clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void PaintChevron(QPainter& painter, QRectF circle) const;

  QString caption_;
  QPixmap icon_;
  bool collapsible_ = true;
  bool collapsed_ = false;
};

}  // namespace widgets
