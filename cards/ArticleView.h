#pragma once
// The card's HTML view: shows an article fragment held in memory and reports a click on a link
// with the link's href exactly as the markup wrote it. QTextBrowser's own signal hands out a
// parsed QUrl, which loses the leading space of " Гастрит." and decodes percent signs, so the
// raw href is looked up in the document instead.
#include <QString>
#include <QTextBrowser>

#include <string>
#include <string_view>

class QUrl;

namespace cards {

class ArticleView : public QTextBrowser {
  Q_OBJECT

 public:
  explicit ArticleView(QWidget* parent = nullptr);

  // Replaces the content with a Windows-1251 HTML fragment and shows it from the top.
  void LoadFromString(std::string_view html);

  // The selection as plain text in Windows-1251; non-breaking spaces read as spaces.
  std::string SelectedText() const;
  void ClearSelection();

  // Every link target of the current content, as written in the markup, in document order.
  QStringList AnchorHrefs() const;

  QVariant loadResource(int type, const QUrl& name) override;

  // The text at `percent` of its normal size; the view keeps its size and wraps and scrolls.
  void SetZoom(int percent);

 signals:
  // A click on a link; `src` is the href as written, in Windows-1251. The view never navigates.
  void HotSpotClick(const std::string& src);
  // The wheel turned with Ctrl held: steps up (positive) or down; the view itself does not zoom.
  void ZoomSteps(int steps);

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  void AnchorActivated(const QUrl& url);
  QString RawHref(const QUrl& url) const;

  QString releasedOnAnchor_;
  qreal normalPointSize_;
  int wheelAngle_ = 0;  // turned with Ctrl but short of a whole step
};

}  // namespace cards
