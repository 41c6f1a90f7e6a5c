#include "app/QtMessageBoxes.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>

#include <algorithm>

#include "app/ArrowWhileAsking.h"
#include "platform/ApplicationTitle.h"
#include "platform/QtText.h"

namespace app {
namespace {

using platform::MessageAnswer;
using platform::MessageButtons;
using platform::MessageIcon;

QMessageBox::Icon ToQt(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::None: return QMessageBox::NoIcon;
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Warning: return QMessageBox::Warning;
    case MessageIcon::Error: return QMessageBox::Critical;
    case MessageIcon::Question: return QMessageBox::Question;
  }
  return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ToQt(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::Ok: return QMessageBox::Ok;
    case MessageButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
  }
  return QMessageBox::Ok;
}

// A message box no larger than the screen. Its own sizing grows the box with the text (and with
// a word too long to wrap), so a long text, such as a server's page where a count was expected,
// would push the box and its buttons off the screen: such a box is cut to the screen, the text
// clipped and the buttons kept. The box sizes itself again on every layout request, so the cut
// follows each time.
class ScreenFittingBox : public QMessageBox {
 public:
  using QMessageBox::QMessageBox;

 protected:
  bool event(QEvent* event) override {
    const bool handled = QMessageBox::event(event);
    if (event->type() == QEvent::LayoutRequest) FitToScreen();
    return handled;
  }
  void showEvent(QShowEvent* event) override {
    QMessageBox::showEvent(event);
    FitToScreen();
  }

 private:
  void FitToScreen() {
    const QRect available = screen()->availableGeometry();
    const QSize frame = frameGeometry().size() - size();
    const QSize room = available.size() - frame;
    if (width() <= room.width() && height() <= room.height()) return;
    if (auto* label = findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        label && label->sizePolicy().verticalPolicy() != QSizePolicy::Ignored)
      label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    setFixedSize(std::min(width(), room.width()), std::min(height(), room.height()));
    move(available.left() + (room.width() - width()) / 2, available.top());
  }
};

QMessageBox::StandardButton Run(std::string_view text, const std::string& caption, MessageButtons buttons,
                                MessageIcon icon) {
  // A window that frees itself when closed (the splash at three seconds, a card) must not own the
  // box: freeing it would free the box under the person's eyes, and the box lives on this stack.
  QWidget* owner = QApplication::activeWindow();
  if (owner && owner->testAttribute(Qt::WA_DeleteOnClose)) owner = nullptr;
  ScreenFittingBox box(ToQt(icon), platform::ToQString(caption), platform::ToQString(text), ToQt(buttons), owner);
  if (buttons == MessageButtons::YesNo) box.setEscapeButton(QMessageBox::No);
  // Above the cards and the splash, which stay on top: a box under them would block unseen.
  box.setWindowFlag(Qt::WindowStaysOnTopHint);
  const ArrowWhileAsking arrow;
  return static_cast<QMessageBox::StandardButton>(box.exec());
}

}  // namespace

void QtMessageBoxes::ShowMessage(std::string_view text) {
  Run(text, platform::ApplicationTitle(), MessageButtons::Ok, MessageIcon::None);
}

MessageAnswer QtMessageBoxes::Ask(std::string_view text, std::string_view caption, MessageButtons buttons,
                                  MessageIcon icon) {
  switch (Run(text, std::string(caption), buttons, icon)) {
    case QMessageBox::Ok: return MessageAnswer::Ok;
    case QMessageBox::Yes: return MessageAnswer::Yes;
    case QMessageBox::No: return MessageAnswer::No;
    default: return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Cancel;
  }
}

void QtMessageBoxes::ShowError(std::string_view message) {
  Run(message, platform::ApplicationTitle(), MessageButtons::Ok, MessageIcon::Error);
}

}  // namespace app
