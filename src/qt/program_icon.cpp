#include "qt/program_icon.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QRadialGradient>

namespace zelvan::qt {

namespace {

// Drawn on a 64 x 64 grid and scaled; below 24 pixels the mouth and the highlights go,
// so the eyes stay readable.
constexpr double kGrid = 64.0;

const QColor kOutline(0x1d, 0x35, 0x57);
const QColor kHeadLight(0x6f, 0xa8, 0xdc);
const QColor kHeadDark(0x2f, 0x5c, 0x99);
const QColor kFace(0xe8, 0xf1, 0xfa);
const QColor kEye(0xff, 0x9a, 0x1f);  // the robot's standard orange eyes
const QColor kEyeCore(0xff, 0xe0, 0x8a);

void DrawHead(QPainter& painter, int side) {
  const bool small = side < 24;
  const double line = small ? 2.6 : 2.0;
  painter.setPen(QPen(kOutline, line, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));

  // Antenna: a stalk and a ball that shares the eyes' colour.
  painter.drawLine(QPointF(32, 13), QPointF(32, 6));
  painter.setBrush(kEye);
  painter.drawEllipse(QPointF(32, 5.5), small ? 4.5 : 3.6, small ? 4.5 : 3.6);

  // Ears.
  painter.setBrush(kHeadDark);
  painter.drawRoundedRect(QRectF(3, 27, 8, 16), 2.5, 2.5);
  painter.drawRoundedRect(QRectF(53, 27, 8, 16), 2.5, 2.5);

  // Head.
  QLinearGradient shell(QPointF(0, 12), QPointF(0, 60));
  shell.setColorAt(0.0, kHeadLight);
  shell.setColorAt(1.0, kHeadDark);
  painter.setBrush(shell);
  painter.drawRoundedRect(QRectF(9, 13, 46, 46), 10, 10);

  // Face plate.
  painter.setBrush(kFace);
  painter.setPen(QPen(kOutline, line * 0.75));
  painter.drawRoundedRect(QRectF(14, 20, 36, 32), 7, 7);

  // Eyes.
  const double eyeRadius = small ? 7.0 : 5.6;
  for (const double x : {24.0, 40.0}) {
    QRadialGradient glow(QPointF(x, 33), eyeRadius);
    glow.setColorAt(0.0, kEyeCore);
    glow.setColorAt(0.55, kEye);
    glow.setColorAt(1.0, kEye.darker(130));
    painter.setBrush(glow);
    painter.setPen(QPen(kOutline, line * 0.75));
    painter.drawEllipse(QPointF(x, 33), eyeRadius, eyeRadius);
    if (!small) {
      painter.setPen(Qt::NoPen);
      painter.setBrush(QColor(255, 255, 255, 220));
      painter.drawEllipse(QPointF(x - 1.8, 31.2), 1.4, 1.4);
    }
  }

  // Mouth: a grille of three slots.
  if (!small) {
    painter.setPen(QPen(kOutline, 1.6, Qt::SolidLine, Qt::RoundCap));
    for (const double x : {27.0, 32.0, 37.0}) painter.drawLine(QPointF(x, 43), QPointF(x, 47));
  }
}

}  // namespace

QImage RenderProgramIcon(int side) {
  QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(side / kGrid, side / kGrid);
  DrawHead(painter, side);
  painter.end();
  return image;
}

QIcon ProgramIcon() {
  QIcon icon;
  for (const int side : {16, 22, 24, 32, 48, 64, 128, 256}) {
    icon.addPixmap(QPixmap::fromImage(RenderProgramIcon(side)));
  }
  return icon;
}

}  // namespace zelvan::qt
