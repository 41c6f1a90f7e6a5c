#include "cards/ArticleView.h"

#include <QMouseEvent>
#include <QPalette>
#include <QTextBlock>
#include <QTextDocumentFragment>
#include <QUrl>
#include <QWheelEvent>

#include "platform/QtText.h"

namespace cards {

ArticleView::ArticleView(QWidget* parent) : QTextBrowser(parent) {
  setOpenLinks(false);
  setOpenExternalLinks(false);
  setUndoRedoEnabled(false);

  QPalette colours = palette();
  colours.setColor(QPalette::Base, colours.color(QPalette::ToolTipBase));
  colours.setColor(QPalette::Text, colours.color(QPalette::ToolTipText));
  setPalette(colours);

  QFont serif(QStringLiteral("Times New Roman"));
  serif.setStyleHint(QFont::Serif);
  normalPointSize_ = serif.pointSizeF();
  document()->setDefaultFont(serif);
  document()->setDefaultStyleSheet(QStringLiteral("code, pre, tt, kbd { font-family: 'Courier New', monospace; }"));

  connect(this, &QTextBrowser::anchorClicked, this, &ArticleView::AnchorActivated);
}

void ArticleView::LoadFromString(std::string_view html) {
  setHtml(platform::ToQString(html));
  clearHistory();
  moveCursor(QTextCursor::Start);
  ensureCursorVisible();
}

std::string ArticleView::SelectedText() const {
  return platform::FromQString(textCursor().selection().toPlainText());
}

void ArticleView::ClearSelection() {
  QTextCursor cursor = textCursor();
  cursor.clearSelection();
  setTextCursor(cursor);
}

QStringList ArticleView::AnchorHrefs() const {
  QStringList hrefs;
  for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
    for (auto piece = block.begin(); !piece.atEnd(); ++piece) {
      const QTextCharFormat format = piece.fragment().charFormat();
      if (format.isAnchor() && (hrefs.isEmpty() || hrefs.back() != format.anchorHref()))
        hrefs.push_back(format.anchorHref());
    }
  }
  return hrefs;
}

// An article is shown on its own: nothing is fetched from files or elsewhere.
QVariant ArticleView::loadResource(int, const QUrl&) { return {}; }

void ArticleView::SetZoom(int percent) {
  QFont font = document()->defaultFont();
  font.setPointSizeF(normalPointSize_ * percent / 100.0);
  document()->setDefaultFont(font);
}

void ArticleView::wheelEvent(QWheelEvent* event) {
  if (!(event->modifiers() & Qt::ControlModifier)) {
    QTextBrowser::wheelEvent(event);
    return;
  }
  // 120 is one notch of a common wheel; touch pads send smaller pieces.
  wheelAngle_ += event->angleDelta().y();
  const int steps = wheelAngle_ / 120;
  wheelAngle_ -= steps * 120;
  if (steps != 0) emit ZoomSteps(steps);
  event->accept();
}

void ArticleView::mouseReleaseEvent(QMouseEvent* event) {
  releasedOnAnchor_ = anchorAt(event->position().toPoint());
  QTextBrowser::mouseReleaseEvent(event);
  releasedOnAnchor_.clear();
}

void ArticleView::AnchorActivated(const QUrl& url) {
  emit HotSpotClick(platform::FromQString(RawHref(url)));
}

// The href that the view turned into `url`: the anchor under the mouse when it was a click,
// the anchor under the cursor when it was the keyboard, else the first anchor that reads so.
QString ArticleView::RawHref(const QUrl& url) const {
  QStringList candidates{releasedOnAnchor_, textCursor().charFormat().anchorHref()};
  candidates += AnchorHrefs();
  for (const QString& href : candidates)
    if (!href.isEmpty() && QUrl(href) == url) return href;
  return url.toString();
}

}  // namespace cards
