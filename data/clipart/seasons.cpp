// Things of the seasons and holidays: a snowman, a Christmas tree, a
// pumpkin, a present, an umbrella, a mushroom, a kite and an autumn leaf.
#include "clipart.h"
#include "shapes.h"

namespace clipart {

QImage snowman() {
  QImage img = canvas(170, 230);
  QPainter p(&img);
  crisp(p);
  ink(p, QColor(120, 80, 40), 3);
  p.drawLine(QPointF(40, 120), QPointF(8, 92));
  p.drawLine(QPointF(130, 120), QPointF(162, 92));
  ink(p, kOffWhite);
  p.drawEllipse(QPointF(85, 170), 56, 52);
  p.drawEllipse(QPointF(85, 104), 42, 38);
  p.drawEllipse(QPointF(85, 54), 32, 30);
  ink(p, QColor(230, 50, 60));
  p.drawRect(QRectF(54, 76, 62, 14));
  p.drawRect(QRectF(98, 80, 14, 40));
  ink(p, QColor(40, 40, 60));
  p.drawRect(QRectF(50, 26, 70, 8));
  p.drawRect(QRectF(62, 2, 46, 26));
  ink(p, QColor(255, 140, 0), 2);
  QPolygonF nose;
  nose << QPointF(84, 54) << QPointF(112, 60) << QPointF(84, 64);
  p.drawPolygon(nose);
  eyes(p, 74, 96, 46, 4);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::black);
  for (double y : {112.0, 150.0, 180.0}) p.drawEllipse(QPointF(85, y), 5, 5);
  return img;
}

QImage christmasTree() {
  QImage img = canvas(180, 230);
  QPainter p(&img);
  crisp(p);
  ink(p, QColor(130, 80, 40));
  p.drawRect(QRectF(76, 186, 28, 36));
  ink(p, QColor(40, 150, 60));
  for (int layer = 2; layer >= 0; --layer) {
    const double top = 24 + layer * 48, half = 44 + layer * 24;
    QPolygonF part;
    part << QPointF(90, top) << QPointF(90 + half, top + 84) << QPointF(90 - half, top + 84);
    p.drawPolygon(part);
  }
  const QColor balls[] = {QColor(230, 40, 50), QColor(40, 120, 230), QColor(255, 200, 0)};
  const QPointF at[] = {{76, 80}, {104, 96}, {64, 136}, {112, 140}, {90, 120}, {50, 180}, {130, 176}, {90, 164}};
  for (int i = 0; i < 8; ++i) {
    ink(p, balls[i % 3], 2);
    p.drawEllipse(at[i], 7, 7);
  }
  ink(p, QColor(255, 215, 0));
  p.drawPolygon(starShape(90, 24, 22, 10));
  return img;
}

QImage pumpkin() {
  QImage img = canvas(200, 170);
  QPainter p(&img);
  crisp(p);
  ink(p, QColor(90, 150, 50));
  p.drawRect(QRectF(92, 6, 16, 34));
  ink(p, QColor(255, 140, 20));
  p.drawEllipse(QRectF(10, 34, 90, 126));
  p.drawEllipse(QRectF(100, 34, 90, 126));
  p.drawEllipse(QRectF(46, 30, 108, 134));
  ink(p, QColor(255, 220, 60), 2);
  QPolygonF eyeL, eyeR, mouth;
  eyeL << QPointF(64, 70) << QPointF(84, 70) << QPointF(74, 52);
  eyeR << QPointF(116, 70) << QPointF(136, 70) << QPointF(126, 52);
  mouth << QPointF(56, 104) << QPointF(144, 104) << QPointF(130, 126) << QPointF(112, 120) << QPointF(100, 132)
        << QPointF(88, 120) << QPointF(70, 126);
  p.drawPolygon(eyeL);
  p.drawPolygon(eyeR);
  p.drawPolygon(mouth);
  return img;
}

QImage present() {
  QImage img = canvas(180, 180);
  QPainter p(&img);
  crisp(p);
  ink(p, QColor(230, 60, 140));
  turnedEllipse(p, 66, 36, 56, 30, 20);
  turnedEllipse(p, 114, 36, 56, 30, -20);
  ink(p, QColor(60, 140, 230));
  p.drawRect(QRectF(20, 70, 140, 100));
  p.drawRect(QRectF(12, 52, 156, 26));
  ink(p, QColor(255, 210, 40));
  p.drawRect(QRectF(80, 52, 20, 118));
  ink(p, QColor(230, 60, 140));
  p.drawEllipse(QPointF(90, 48), 12, 10);
  return img;
}

QImage umbrella() {
  QImage img = canvas(200, 212);
  QPainter p(&img);
  crisp(p);
  ink(p, QColor(120, 80, 40));
  p.drawRect(QRectF(94, 90, 12, 96));
  QPainterPath hook;
  hook.moveTo(96, 184);
  hook.cubicTo(96, 216, 60, 216, 60, 192);
  hook.lineTo(70, 192);
  hook.cubicTo(70, 204, 104, 206, 104, 184);
  hook.closeSubpath();
  p.drawPath(hook);
  const QColor panels[] = {QColor(230, 50, 60), QColor(255, 210, 0), QColor(40, 130, 230), QColor(60, 180, 90)};
  QPainterPath canopy;
  canopy.moveTo(10, 100);
  canopy.cubicTo(14, 4, 186, 4, 190, 100);
  for (int i = 3; i >= 0; --i) canopy.cubicTo(10 + 45 * i + 35, 86, 10 + 45 * i + 10, 86, 10 + 45 * i, 100);
  canopy.closeSubpath();
  ink(p, panels[0]);
  p.drawPath(canopy);
  p.setClipPath(canopy);
  for (int i = 1; i < 4; ++i) {
    p.setPen(Qt::NoPen);
    p.setBrush(panels[i]);
    QPolygonF wedge;
    wedge << QPointF(100, 28) << QPointF(10 + 45 * i, 110) << QPointF(10 + 45 * i + 22, 110);
    p.drawPolygon(wedge);
  }
  p.setClipping(false);
  inkOnly(p, 3);
  p.drawPath(canopy);
  ink(p, QColor(120, 80, 40), 2);
  p.drawEllipse(QPointF(100, 22), 7, 7);
  return img;
}

QImage mushroom() {
  QImage img = canvas(180, 190);
  QPainter p(&img);
  crisp(p);
  ink(p, kOffWhite);
  p.drawRoundedRect(QRectF(60, 84, 60, 96), 16, 16);
  ink(p, QColor(230, 40, 40));
  QPainterPath cap;
  cap.moveTo(8, 100);
  cap.cubicTo(8, 0, 172, 0, 172, 100);
  cap.closeSubpath();
  p.drawPath(cap);
  ink(p, kOffWhite, 2);
  for (QPointF c : {QPointF(52, 62), QPointF(94, 36), QPointF(134, 64), QPointF(90, 78), QPointF(30, 88), QPointF(150, 90)})
    p.drawEllipse(c, 11, 9);
  ink(p, QColor(80, 170, 60));
  QPainterPath grass;
  grass.moveTo(20, 186);
  grass.lineTo(40, 166);
  grass.lineTo(50, 178);
  grass.lineTo(70, 160);
  grass.lineTo(110, 160);
  grass.lineTo(130, 176);
  grass.lineTo(146, 164);
  grass.lineTo(164, 186);
  grass.closeSubpath();
  p.drawPath(grass);
  return img;
}

QImage kite() {
  QImage img = canvas(190, 230);
  QPainter p(&img);
  crisp(p);
  inkOnly(p, 2);
  QPainterPath tail;
  tail.moveTo(90, 150);
  tail.cubicTo(70, 180, 120, 190, 100, 226);
  p.drawPath(tail);
  ink(p, QColor(255, 120, 60), 2);
  for (QPointF c : {QPointF(84, 176), QPointF(100, 204)}) {
    QPolygonF bow;
    bow << c << QPointF(c.x() - 14, c.y() - 8) << QPointF(c.x() - 14, c.y() + 8) << c
        << QPointF(c.x() + 14, c.y() - 8) << QPointF(c.x() + 14, c.y() + 8);
    p.drawPolygon(bow);
  }
  const QPointF top(90, 8), right(160, 64), bottom(90, 152), left(20, 64), mid(90, 64);
  const QColor colours[] = {QColor(230, 40, 60), QColor(255, 210, 0), QColor(40, 130, 230), QColor(60, 180, 90)};
  const QPointF corners[] = {top, right, bottom, left, top};
  for (int i = 0; i < 4; ++i) {
    ink(p, colours[i]);
    p.drawPolygon(QPolygonF({mid, corners[i], corners[i + 1]}));
  }
  return img;
}

QImage autumnLeaf() {
  QImage img = canvas(180, 200);
  QPainter p(&img);
  crisp(p);
  ink(p, QColor(230, 110, 30));
  QPolygonF leaf;
  leaf << QPointF(90, 8) << QPointF(106, 50) << QPointF(150, 30) << QPointF(138, 80) << QPointF(176, 96)
       << QPointF(130, 120) << QPointF(142, 156) << QPointF(96, 140) << QPointF(84, 140) << QPointF(38, 156)
       << QPointF(50, 120) << QPointF(4, 96) << QPointF(42, 80) << QPointF(30, 30) << QPointF(74, 50);
  p.drawPolygon(leaf);
  ink(p, QColor(140, 70, 30));
  p.drawRect(QRectF(86, 140, 8, 54));
  inkOnly(p, 2);
  for (QPointF tip : {QPointF(90, 30), QPointF(140, 44), QPointF(160, 96), QPointF(40, 44), QPointF(20, 96)})
    p.drawLine(QPointF(90, 138), tip);
  return img;
}

}  // namespace clipart
