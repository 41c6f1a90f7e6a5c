#include "app/KeyPreview.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace app {

KeyPreview::KeyPreview(QWidget& window, Handler handler) : window_(&window), handler_(std::move(handler)) {
  qApp->installEventFilter(this);
}

KeyPreview::~KeyPreview() { qApp->removeEventFilter(this); }

bool KeyPreview::eventFilter(QObject* watched, QEvent* event) {
  // A key that the focused control ignores travels on to its parents; only its first stop counts.
  if (event->type() != QEvent::KeyPress || watched != QApplication::focusWidget()) return false;
  if (static_cast<QWidget*>(watched)->window() != window_) return false;
  const auto* press = static_cast<QKeyEvent*>(event);
  return handler_(press->key(), press->modifiers());
}

}  // namespace app
