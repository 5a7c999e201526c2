#include "ui/logo.h"

#include <QPainter>
#include <QPainterPath>

namespace vendaluz {

QPixmap LogoVendaluz(int lado) {
  QPixmap pixmap(lado, lado);
  pixmap.fill(Qt::transparent);
  QPainter pintor(&pixmap);
  pintor.setRenderHint(QPainter::Antialiasing);
  pintor.scale(lado / 100.0, lado / 100.0);

  QLinearGradient fondo(0, 0, 0, 100);
  fondo.setColorAt(0, QColor(0x4A, 0x62, 0xB0));
  fondo.setColorAt(1, QColor(0x32, 0x46, 0x8D));
  pintor.setPen(Qt::NoPen);
  pintor.setBrush(fondo);
  pintor.drawRoundedRect(QRectF(2, 2, 96, 96), 18, 18);

  // The basket: a handle, a body narrowing downwards, and its slats.
  QPen trazo(Qt::white, 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  pintor.setPen(trazo);
  pintor.setBrush(Qt::NoBrush);
  pintor.drawArc(QRectF(30, 16, 40, 40), 20 * 16, 140 * 16);
  QPainterPath cuerpo;
  cuerpo.moveTo(18, 42);
  cuerpo.lineTo(82, 42);
  cuerpo.lineTo(72, 80);
  cuerpo.lineTo(28, 80);
  cuerpo.closeSubpath();
  pintor.setBrush(QColor(0xFF, 0xC8, 0x3D));
  pintor.drawPath(cuerpo);
  pintor.setPen(QPen(QColor(0x32, 0x46, 0x8D), 4, Qt::SolidLine, Qt::RoundCap));
  for (int x : {38, 50, 62}) pintor.drawLine(QLineF(x, 50, x - (x - 50) * 0.15, 72));
  return pixmap;
}

}  // namespace vendaluz
