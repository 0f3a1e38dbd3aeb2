// Vehicles, space and fairy tales: a bus, a fire engine, a helicopter, a
// tractor, a flying saucer, a ringed planet, a castle and a magic wand.
#include "clipart.h"
#include "shapes.h"

namespace clipart {

namespace {

const QColor kWindow(170, 220, 255);

void tyre(QPainter& p, QPointF c, double r) {
  ink(p, QColor(40, 40, 40));
  p.drawEllipse(c, r, r);
  ink(p, QColor(190, 190, 200), 2);
  p.drawEllipse(c, r * 0.45, r * 0.45);
}

}  // namespace

QImage bus() {
  QImage img = canvas(240, 150);
  QPainter p(&img);
  crisp(p);
  ink(p, QColor(255, 200, 0));
  p.drawRoundedRect(QRectF(8, 16, 224, 104), 14, 14);
  ink(p, kWindow, 2);
  for (int i = 0; i < 4; ++i) p.drawRect(QRectF(22 + i * 44, 30, 34, 36));
  p.drawRect(QRectF(198, 30, 24, 74));
  ink(p, QColor(230, 60, 40), 2);
  p.drawRect(QRectF(8, 78, 186, 12));
  ink(p, QColor(255, 250, 200), 2);
  p.drawEllipse(QPointF(226, 100), 5, 7);
  tyre(p, QPointF(56, 124), 20);
  tyre(p, QPointF(180, 124), 20);
  return img;
}

QImage fireEngine() {
  QImage img = canvas(250, 150);
  QPainter p(&img);
  crisp(p);
  ink(p, QColor(220, 30, 40));
  p.drawRect(QRectF(8, 50, 164, 66));
  QPolygonF cab;
  cab << QPointF(172, 116) << QPointF(172, 34) << QPointF(212, 34) << QPointF(240, 74) << QPointF(240, 116);
  p.drawPolygon(cab);
  ink(p, kWindow, 2);
  QPolygonF glass;
  glass << QPointF(184, 46) << QPointF(208, 46) << QPointF(226, 72) << QPointF(184, 72);
  p.drawPolygon(glass);
  // The ladder: a solid silver board with rungs painted on, so nothing
  // between the rungs turns see-through when pasted.
  ink(p, QColor(200, 205, 215));
  p.drawRect(QRectF(4, 30, 168, 16));
  inkOnly(p, 2);
  for (int i = 1; i < 12; ++i) p.drawLine(QPointF(4 + i * 14, 30), QPointF(4 + i * 14, 46));
  ink(p, QColor(120, 200, 255), 2);
  p.drawRect(QRectF(200, 22, 22, 12));
  ink(p, QColor(255, 220, 40), 2);
  p.drawRect(QRectF(24, 66, 60, 30));
  p.drawRect(QRectF(100, 66, 60, 30));
  tyre(p, QPointF(50, 120), 22);
  tyre(p, QPointF(200, 120), 22);
  return img;
}

QImage helicopter() {
  QImage img = canvas(240, 170);
  QPainter p(&img);
  crisp(p);
  ink(p, QColor(60, 60, 70));
  // One broad strut to each skid: two thin ones would close a see-through
  // gap under the body.
  p.drawRect(QRectF(70, 120, 100, 30));
  p.drawRoundedRect(QRectF(40, 146, 170, 10), 5, 5);
  ink(p, QColor(40, 170, 90));
  QPolygonF tail;
  tail << QPointF(150, 70) << QPointF(226, 80) << QPointF(232, 50) << QPointF(240 - 4, 100) << QPointF(150, 104);
  p.drawPolygon(tail);
  p.drawEllipse(QRectF(30, 40, 150, 96));
  ink(p, kWindow, 2);
  QPainterPath glass;
  glass.moveTo(50, 90);
  glass.cubicTo(50, 56, 80, 48, 100, 48);
  glass.lineTo(100, 90);
  glass.closeSubpath();
  p.drawPath(glass);
  ink(p, QColor(60, 60, 70));
  p.drawRect(QRectF(100, 26, 12, 16));
  p.drawRoundedRect(QRectF(10, 18, 196, 10), 5, 5);
  return img;
}

QImage tractor() {
  QImage img = canvas(230, 170);
  QPainter p(&img);
  crisp(p);
  ink(p, QColor(60, 160, 60));
  p.drawRect(QRectF(20, 80, 140, 50));
  p.drawRect(QRectF(110, 24, 80, 76));
  ink(p, kWindow, 2);
  p.drawRect(QRectF(124, 36, 52, 40));
  ink(p, QColor(70, 70, 70));
  p.drawRect(QRectF(40, 44, 12, 36));
  ink(p, QColor(255, 200, 0));
  p.drawRect(QRectF(20, 96, 30, 20));
  tyre(p, QPointF(166, 126), 40);
  tyre(p, QPointF(56, 140), 26);
  return img;
}

QImage flyingSaucer() {
  QImage img = canvas(220, 160);
  QPainter p(&img);
  crisp(p);
  ink(p, QColor(255, 240, 120), 2);
  QPolygonF beam;
  beam << QPointF(80, 100) << QPointF(140, 100) << QPointF(180, 156) << QPointF(40, 156);
  p.drawPolygon(beam);
  ink(p, QColor(170, 230, 220));
  p.drawEllipse(QRectF(66, 14, 88, 76));
  ink(p, QColor(120, 120, 150));
  p.drawEllipse(QRectF(8, 56, 204, 50));
  ink(p, QColor(255, 210, 0), 2);
  for (int i = 0; i < 5; ++i) p.drawEllipse(QPointF(40 + i * 35, 82), 8, 6);
  ink(p, QColor(120, 220, 90), 2);
  p.drawEllipse(QPointF(110, 46), 16, 18);
  eyes(p, 104, 116, 44, 3);
  return img;
}

QImage planet() {
  QImage img = canvas(220, 180);
  QPainter p(&img);
  crisp(p);
  ink(p, QColor(200, 160, 255));
  turnedEllipse(p, 110, 90, 210, 60, -15);
  ink(p, QColor(150, 110, 220), 2);
  turnedEllipse(p, 110, 90, 160, 34, -15);
  ink(p, QColor(255, 170, 80));
  p.drawEllipse(QPointF(110, 90), 62, 62);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 120, 60));
  p.drawRect(QRectF(50, 70, 120, 10));
  p.drawRect(QRectF(52, 104, 116, 10));
  inkOnly(p, 3);
  p.drawEllipse(QPointF(110, 90), 62, 62);
  // The front half of the ring passes over the planet.
  p.save();
  p.translate(110, 90);
  p.rotate(-15);
  ink(p, QColor(200, 160, 255));
  QPainterPath front;
  front.arcMoveTo(QRectF(-105, -30, 210, 60), 180);
  front.arcTo(QRectF(-105, -30, 210, 60), 180, 180);
  front.arcTo(QRectF(-80, -17, 160, 34), 0, -180);
  front.closeSubpath();
  p.drawPath(front);
  p.restore();
  return img;
}

QImage castle() {
  QImage img = canvas(220, 220);
  QPainter p(&img);
  crisp(p);
  const QColor stone(200, 200, 210), roof(60, 100, 200);
  ink(p, stone);
  p.drawRect(QRectF(40, 100, 140, 110));
  for (int i = 0; i < 4; ++i) p.drawRect(QRectF(50 + i * 34, 86, 18, 16));
  for (double x : {14.0, 164.0}) {
    ink(p, stone);
    p.drawRect(QRectF(x, 70, 42, 140));
    ink(p, roof);
    p.drawPolygon(QPolygonF({QPointF(x - 6, 72), QPointF(x + 21, 10), QPointF(x + 48, 72)}));
    ink(p, QColor(255, 230, 120), 2);
    p.drawRoundedRect(QRectF(x + 14, 100, 14, 24), 7, 7);
  }
  ink(p, QColor(150, 90, 40));
  QPainterPath door;
  door.moveTo(84, 210);
  door.lineTo(84, 160);
  door.arcTo(QRectF(84, 138, 52, 44), 180, -180);
  door.lineTo(136, 210);
  door.closeSubpath();
  p.drawPath(door);
  ink(p, QColor(230, 40, 60), 2);
  p.drawPolygon(QPolygonF({QPointF(35, 10), QPointF(35, 0 + 2), QPointF(50, 6)}));
  return img;
}

QImage magicWand() {
  QImage img = canvas(200, 200);
  QPainter p(&img);
  crisp(p);
  ink(p, QColor(120, 60, 160));
  QPolygonF stick;
  stick << QPointF(20, 186) << QPointF(10, 176) << QPointF(96, 90) << QPointF(106, 100);
  p.drawPolygon(stick);
  ink(p, QColor(255, 210, 0));
  p.drawPolygon(starShape(116, 76, 64, 28));
  ink(p, QColor(255, 140, 200), 2);
  p.drawPolygon(starShape(172, 160, 18, 8));
  p.drawPolygon(starShape(40, 40, 14, 6));
  ink(p, QColor(120, 200, 255), 2);
  p.drawPolygon(starShape(176, 24, 12, 5));
  eyes(p, 104, 128, 74, 5);
  smile(p, 102, 76, 28, 20, 2);
  return img;
}

}  // namespace clipart
