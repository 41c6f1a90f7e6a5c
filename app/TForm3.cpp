#include "app/TForm3.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>

#include "platform/ProducerAddress.h"
#include "platform/QtText.h"
#include "platform/ShellOpen.h"
#include "platform/SystemText.h"

namespace app {

// Stays on top like every modal window of the program, so the cards cannot hide it.
TForm3::TForm3(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint | Qt::WindowStaysOnTopHint) {
  setWindowTitle(QString());
  setFixedSize(kClientWidth, kClientHeight);
  BuildLayout();
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect placed = rect();
    placed.moveCenter(screen->availableGeometry().center());
    move(placed.topLeft());
  }
}

void TForm3::ShowModal() { exec(); }

void TForm3::FormShow() {
  lblWindowsVersion->setText(platform::ToQString(platform::ThisOperatingSystemText()));
  lblWindowsVersion->adjustSize();
  lblMemory->setText(platform::ToQString(platform::ThisMemoryText()));
}

void TForm3::Label7Click() { platform::ShellOpen(platform::ProducerBaseUrl() + "/index.php?id=handbook"); }

void TForm3::Label9Click() { platform::ShellOpen("mailto:" + platform::SupportEmail()); }

void TForm3::showEvent(QShowEvent* event) {
  FormShow();
  QDialog::showEvent(event);
}

bool TForm3::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease && (watched == Label7 || watched == lblJvHotLink2 || watched == Label9)) {
    const auto* click = static_cast<QMouseEvent*>(event);
    const auto* label = static_cast<QWidget*>(watched);
    if (click->button() == Qt::LeftButton && label->rect().contains(click->position().toPoint())) {
      if (watched == Label9)
        Label9Click();
      else
        Label7Click();
    }
    return false;
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace app
