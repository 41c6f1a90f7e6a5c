#include "app/TForm14.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

#include "widgets/SharpPicture.h"

namespace app {

TForm14::TForm14(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
  setAttribute(Qt::WA_DeleteOnClose);
  setFixedSize(kWidth, kHeight);
  auto* picture = new QLabel(this);
  picture->setPixmap(widgets::SvgPicture(QStringLiteral(":/korvand/splash.svg"), size()));
  picture->setGeometry(rect());
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect placed = rect();
    placed.moveCenter(screen->geometry().center());
    move(placed.topLeft());
  }
}

}  // namespace app
