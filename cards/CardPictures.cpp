#include "cards/CardPictures.h"

#include <QPainter>
#include <QPainterPath>

namespace cards {
namespace {

const QColor kInk(40, 40, 40);
const QColor kPaper(255, 255, 255);
const QColor kLines(90, 110, 160);
const QColor kAccent(255, 117, 0);

// Lines run through pixel centres, so that they cover whole pixels at any density; drawn by
// whole coordinates they would sit half a pixel off on a 200 % screen.
void DrawSheet(QPainter& painter, QRect sheet, bool lined) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(kInk);
  painter.setBrush(kPaper);
  painter.drawRect(QRectF(sheet.left() + 0.5, sheet.top() + 0.5, sheet.width(), sheet.height()));
  if (lined) {
    painter.setPen(kLines);
    for (int y = sheet.top() + 3; y < sheet.bottom() - 1; y += 2)
      painter.drawLine(QPointF(sheet.left() + 2.5, y + 0.5), QPointF(sheet.right() - 1.5, y + 0.5));
  }
  painter.restore();
}

void DrawFind(QPainter& painter) {
  painter.setPen(QPen(kInk, 1.5));
  painter.setBrush(QColor(200, 225, 255));
  painter.drawEllipse(QRectF(1.5, 1.5, 9, 9));
  painter.setPen(QPen(kAccent, 3, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(QPointF(10, 10), QPointF(14.5, 14.5));
}

void DrawCopy(QPainter& painter, bool lined) {
  DrawSheet(painter, QRect(1, 1, 9, 11), false);
  DrawSheet(painter, QRect(5, 4, 9, 11), lined);
}

void DrawPin(QPainter& painter, bool pinned) {
  painter.setRenderHint(QPainter::Antialiasing);
  if (!pinned) {
    painter.translate(8, 8);
    painter.rotate(40);
    painter.translate(-8, -8);
  }
  painter.setPen(QPen(kInk, 1));
  painter.drawLine(QPointF(8, 9), QPointF(8, 15));  // the needle
  painter.setBrush(pinned ? kAccent : QColor(170, 170, 170));
  QPainterPath head;
  head.addRoundedRect(QRectF(4.5, 1.5, 7, 3), 1, 1);
  head.addRect(QRectF(6, 4.5, 4, 3));
  head.addRoundedRect(QRectF(3.5, 7.5, 9, 2), 1, 1);
  painter.drawPath(head.simplified());
}

}  // namespace

QPixmap DrawCardPicture(CardPicture picture, qreal ratio) {
  QPixmap pixmap = widgets::BlankPicture(QSize(16, 16), ratio);
  QPainter painter(&pixmap);
  switch (picture) {
    case FindPicture:
      painter.setRenderHint(QPainter::Antialiasing);
      DrawFind(painter);
      break;
    case CopyPicture:
      DrawCopy(painter, false);
      break;
    case CopyAllPicture:
      DrawCopy(painter, true);
      break;
    case TogglePinnedPicture:
      DrawPin(painter, true);
      break;
    case ToggleLoosePicture:
      DrawPin(painter, false);
      break;
    case CardPictureCount:
      break;
  }
  return pixmap;
}

}  // namespace cards
