// A crown, a heart, a star, balloons, a smiling face, vehicles, a house and
// treats.
#include "clipart.h"
#include "shapes.h"

namespace clipart {

const QColor kGold(255, 200, 20);
const QColor kGlass(170, 220, 255);

QImage crown() {
  QImage img = canvas(210, 160);
  QPainter p(&img);
  crisp(p);
  ink(p, kGold);
  QPolygonF shape;
  shape << QPointF(24, 130) << QPointF(16, 44) << QPointF(60, 86) << QPointF(80, 30) << QPointF(105, 80)
        << QPointF(130, 30) << QPointF(150, 86) << QPointF(194, 44) << QPointF(186, 130);
  p.drawPolygon(shape);
  for (QPointF tip : {QPointF(16, 40), QPointF(80, 26), QPointF(130, 26), QPointF(194, 40)}) p.drawEllipse(tip, 8, 8);
  ink(p, QColor(255, 170, 0));
  p.drawRect(QRectF(22, 118, 166, 24));
  ink(p, QColor(230, 30, 60), 2);
  p.drawEllipse(QPointF(105, 104), 11, 11);
  ink(p, QColor(40, 120, 230), 2);
  p.drawEllipse(QPointF(60, 106), 8, 8);
  p.drawEllipse(QPointF(150, 106), 8, 8);
  ink(p, QColor(40, 190, 90), 2);
  for (double x : {50.0, 80.0, 105.0, 130.0, 160.0}) p.drawEllipse(QPointF(x, 130), 5, 5);
  return img;
}

QImage heart() {
  QImage img = canvas(180, 170);
  QPainter p(&img);
  crisp(p);
  ink(p, QColor(235, 30, 70));
  p.drawPath(heartShape(14, 16, 152, 140));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 150, 170));
  turnedEllipse(p, 52, 52, 26, 14, -40);
  return img;
}

QImage star() {
  QImage img = canvas(180, 180);
  QPainter p(&img);
  crisp(p);
  ink(p, QColor(255, 210, 0));
  p.drawPolygon(starShape(90, 96, 84, 36));
  eyes(p, 76, 104, 92, 5);
  smile(p, 76, 96, 28, 22);
  return img;
}

QImage balloons() {
  // The balloons do not touch, so the gaps between their strings stay open
  // to the background and vanish when pasted, as they should.
  QImage img = canvas(190, 264);
  QPainter p(&img);
  crisp(p);
  const QPointF knot(95, 236);
  struct Balloon {
    QPointF c;
    QColor color;
  };
  const Balloon all[] = {{{46, 60}, QColor(235, 40, 50)}, {{144, 60}, QColor(40, 130, 235)},
                         {{95, 148}, QColor(255, 210, 0)}};
  inkOnly(p, 2);
  for (const Balloon& b : all) {
    QPainterPath string;
    // Straight down from the balloon and only then in to the knot, clear
    // of the middle balloon: no string closes a gap.
    string.moveTo(b.c.x(), b.c.y() + 52);
    string.quadTo(b.c.x(), knot.y(), knot.x(), knot.y());
    p.drawPath(string);
  }
  for (const Balloon& b : all) {
    ink(p, b.color);
    p.drawEllipse(b.c, 38, 46);
    QPolygonF tie;
    tie << QPointF(b.c.x(), b.c.y() + 45) << QPointF(b.c.x() - 7, b.c.y() + 55) << QPointF(b.c.x() + 7, b.c.y() + 55);
    p.drawPolygon(tie);
    p.setPen(Qt::NoPen);
    p.setBrush(b.color.lighter(160));
    turnedEllipse(p, b.c.x() - 16, b.c.y() - 20, 10, 20, 30);
  }
  ink(p, QColor(255, 100, 180), 2);
  QPolygonF bowL, bowR;
  bowL << knot << QPointF(knot.x() - 20, knot.y() - 10) << QPointF(knot.x() - 20, knot.y() + 10);
  bowR << knot << QPointF(knot.x() + 20, knot.y() - 10) << QPointF(knot.x() + 20, knot.y() + 10);
  p.drawPolygon(bowL);
  p.drawPolygon(bowR);
  inkOnly(p, 2);
  p.drawLine(knot, QPointF(knot.x() - 6, knot.y() + 22));
  p.drawLine(knot, QPointF(knot.x() + 6, knot.y() + 22));
  return img;
}

QImage smiley() {
  QImage img = canvas(180, 180);
  QPainter p(&img);
  crisp(p);
  ink(p, QColor(255, 215, 30));
  p.drawEllipse(QPointF(90, 90), 80, 80);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 140, 120));
  p.drawEllipse(QPointF(44, 108), 13, 9);
  p.drawEllipse(QPointF(136, 108), 13, 9);
  eyes(p, 64, 116, 70, 10);
  ink(p, QColor(200, 40, 60), 3);
  p.drawChord(QRectF(46, 70, 88, 76), 190 * 16, 160 * 16);
  return img;
}

static void wheel(QPainter& p, QPointF c, double r) {
  ink(p, QColor(40, 40, 40));
  p.drawEllipse(c, r, r);
  ink(p, QColor(190, 190, 200), 2);
  p.drawEllipse(c, r * 0.45, r * 0.45);
}

QImage car() {
  QImage img = canvas(230, 140);
  QPainter p(&img);
  crisp(p);
  ink(p, QColor(230, 40, 40));
  QPainterPath body;
  body.moveTo(14, 96);
  body.lineTo(18, 66);
  body.lineTo(60, 60);
  body.lineTo(84, 24);
  body.lineTo(156, 24);
  body.lineTo(184, 60);
  body.lineTo(212, 66);
  body.lineTo(216, 96);
  body.closeSubpath();
  p.drawPath(body);
  ink(p, kGlass, 2);
  QPolygonF front, back;
  back << QPointF(70, 60) << QPointF(90, 32) << QPointF(116, 32) << QPointF(116, 60);
  front << QPointF(124, 60) << QPointF(124, 32) << QPointF(150, 32) << QPointF(172, 60);
  p.drawPolygon(back);
  p.drawPolygon(front);
  ink(p, QColor(255, 230, 80), 2);
  p.drawRect(QRectF(200, 70, 12, 10));
  wheel(p, QPointF(60, 100), 22);
  wheel(p, QPointF(172, 100), 22);
  return img;
}

QImage train() {
  QImage img = canvas(240, 160);
  QPainter p(&img);
  crisp(p);
  ink(p, QColor(225, 230, 235), 2);
  p.drawEllipse(QPointF(58, 20), 12, 10);
  p.drawEllipse(QPointF(78, 12), 9, 8);
  ink(p, QColor(40, 40, 40));
  p.drawRect(QRectF(48, 32, 22, 34));
  ink(p, QColor(40, 170, 80));
  p.drawRect(QRectF(24, 62, 130, 56));
  ink(p, QColor(40, 120, 220));
  p.drawRect(QRectF(146, 34, 70, 84));
  ink(p, QColor(230, 40, 40));
  p.drawRect(QRectF(140, 26, 82, 12));
  ink(p, kGlass, 2);
  p.drawRect(QRectF(160, 48, 42, 30));
  ink(p, QColor(255, 220, 40), 2);
  p.drawEllipse(QPointF(26, 82), 8, 8);
  ink(p, QColor(230, 40, 40));
  QPolygonF guard;
  guard << QPointF(24, 118) << QPointF(8, 138) << QPointF(40, 138);
  p.drawPolygon(guard);
  wheel(p, QPointF(62, 126), 18);
  wheel(p, QPointF(114, 126), 18);
  wheel(p, QPointF(184, 122), 24);
  return img;
}

QImage sailboat() {
  QImage img = canvas(210, 200);
  QPainter p(&img);
  crisp(p);
  ink(p, QColor(150, 90, 40));
  p.drawRect(QRectF(100, 20, 6, 130));
  ink(p, QColor(255, 245, 200));
  QPolygonF big, small;
  big << QPointF(96, 24) << QPointF(96, 136) << QPointF(30, 136);
  small << QPointF(110, 40) << QPointF(110, 136) << QPointF(170, 136);
  p.drawPolygon(big);
  ink(p, QColor(255, 120, 60));
  p.drawPolygon(small);
  ink(p, QColor(230, 40, 60));
  p.drawPolygon(QPolygonF({QPointF(106, 20), QPointF(132, 28), QPointF(106, 36)}));
  ink(p, QColor(200, 60, 40));
  QPolygonF hull;
  hull << QPointF(20, 144) << QPointF(190, 144) << QPointF(160, 176) << QPointF(46, 176);
  p.drawPolygon(hull);
  ink(p, QColor(40, 140, 230));
  QPainterPath waves;
  waves.moveTo(8, 172);
  for (int i = 0; i < 6; ++i) waves.cubicTo(8 + i * 33 + 8, 160, 8 + i * 33 + 24, 184, 8 + (i + 1) * 33, 172);
  waves.lineTo(206, 190);
  waves.lineTo(8, 190);
  waves.closeSubpath();
  p.drawPath(waves);
  return img;
}

QImage rocket() {
  QImage img = canvas(160, 230);
  QPainter p(&img);
  crisp(p);
  ink(p, QColor(255, 140, 0));
  QPainterPath flame;
  flame.moveTo(58, 170);
  flame.cubicTo(54, 196, 70, 206, 80, 224);
  flame.cubicTo(90, 206, 106, 196, 102, 170);
  flame.closeSubpath();
  p.drawPath(flame);
  ink(p, QColor(255, 220, 40), 2);
  QPainterPath inner;
  inner.moveTo(68, 170);
  inner.cubicTo(66, 188, 74, 196, 80, 206);
  inner.cubicTo(86, 196, 94, 188, 92, 170);
  inner.closeSubpath();
  p.drawPath(inner);
  ink(p, QColor(230, 40, 50));
  QPolygonF finL, finR;
  finL << QPointF(50, 120) << QPointF(20, 170) << QPointF(54, 160);
  finR << QPointF(110, 120) << QPointF(140, 170) << QPointF(106, 160);
  p.drawPolygon(finL);
  p.drawPolygon(finR);
  ink(p, QColor(235, 238, 245));
  QPainterPath body;
  body.moveTo(80, 10);
  body.cubicTo(120, 40, 116, 120, 106, 172);
  body.lineTo(54, 172);
  body.cubicTo(44, 120, 40, 40, 80, 10);
  p.drawPath(body);
  ink(p, QColor(230, 40, 50));
  QPainterPath nose;
  nose.moveTo(80, 10);
  nose.cubicTo(96, 22, 104, 36, 106, 46);
  nose.lineTo(54, 46);
  nose.cubicTo(56, 36, 64, 22, 80, 10);
  p.drawPath(nose);
  ink(p, QColor(40, 110, 220));
  p.drawEllipse(QPointF(80, 90), 18, 18);
  ink(p, kGlass, 2);
  p.drawEllipse(QPointF(80, 90), 10, 10);
  return img;
}

QImage airplane() {
  QImage img = canvas(230, 150);
  QPainter p(&img);
  crisp(p);
  ink(p, QColor(230, 40, 50));
  QPolygonF backWing, tail;
  backWing << QPointF(120, 70) << QPointF(150, 14) << QPointF(170, 14) << QPointF(160, 70);
  tail << QPointF(30, 64) << QPointF(14, 24) << QPointF(36, 24) << QPointF(60, 64);
  p.drawPolygon(backWing);
  p.drawPolygon(tail);
  ink(p, QColor(240, 242, 248));
  QPainterPath body;
  body.moveTo(20, 62);
  body.lineTo(190, 58);
  body.cubicTo(220, 60, 222, 92, 190, 94);
  body.lineTo(30, 88);
  body.closeSubpath();
  p.drawPath(body);
  ink(p, kGlass, 2);
  for (int i = 0; i < 5; ++i) p.drawEllipse(QPointF(72 + i * 22, 72), 6, 6);
  p.drawPolygon(QPolygonF({QPointF(192, 62), QPointF(208, 68), QPointF(196, 74)}));
  ink(p, QColor(230, 40, 50));
  QPolygonF wing;
  wing << QPointF(100, 80) << QPointF(150, 80) << QPointF(120, 138) << QPointF(96, 138);
  p.drawPolygon(wing);
  return img;
}

QImage house() {
  QImage img = canvas(200, 200);
  QPainter p(&img);
  crisp(p);
  ink(p, QColor(180, 80, 50));
  p.drawRect(QRectF(136, 28, 22, 50));
  ink(p, QColor(255, 225, 110));
  p.drawRect(QRectF(34, 90, 132, 98));
  ink(p, QColor(225, 50, 50));
  QPolygonF roof;
  roof << QPointF(14, 96) << QPointF(100, 18) << QPointF(186, 96);
  p.drawPolygon(roof);
  ink(p, QColor(150, 90, 40));
  p.drawRect(QRectF(84, 128, 34, 60));
  ink(p, QColor(255, 220, 40), 2);
  p.drawEllipse(QPointF(110, 160), 3, 3);
  ink(p, kGlass);
  p.drawRect(QRectF(46, 110, 28, 28));
  p.drawRect(QRectF(128, 110, 28, 28));
  inkOnly(p, 2);
  p.drawLine(QPointF(60, 110), QPointF(60, 138));
  p.drawLine(QPointF(46, 124), QPointF(74, 124));
  p.drawLine(QPointF(142, 110), QPointF(142, 138));
  p.drawLine(QPointF(128, 124), QPointF(156, 124));
  ink(p, kGlass);
  p.drawEllipse(QPointF(100, 66), 12, 12);
  return img;
}

QImage iceCream() {
  QImage img = canvas(150, 220);
  QPainter p(&img);
  crisp(p);
  ink(p, QColor(225, 170, 90));
  QPolygonF cone;
  cone << QPointF(34, 110) << QPointF(116, 110) << QPointF(75, 210);
  p.drawPolygon(cone);
  inkOnly(p, 2);
  p.setClipRegion(QRegion(cone.toPolygon()));
  for (int i = -4; i < 6; ++i) {
    p.drawLine(QPointF(34 + i * 18, 110), QPointF(94 + i * 18, 210));
    p.drawLine(QPointF(116 - i * 18, 110), QPointF(56 - i * 18, 210));
  }
  p.setClipping(false);
  ink(p, QColor(150, 90, 50));
  p.drawEllipse(QPointF(75, 100), 42, 26);
  ink(p, QColor(255, 150, 190));
  p.drawEllipse(QPointF(75, 64), 38, 30);
  ink(p, QColor(220, 20, 50), 2);
  p.drawEllipse(QPointF(75, 28), 10, 10);
  inkOnly(p, 2);
  p.drawArc(QRectF(78, 6, 24, 24), 90 * 16, 90 * 16);
  p.setPen(Qt::NoPen);
  for (QPointF s : {QPointF(58, 56), QPointF(90, 60), QPointF(70, 76), QPointF(96, 98), QPointF(52, 98)}) {
    p.setBrush(s.y() > 90 ? QColor(255, 230, 80) : QColor(120, 200, 255));
    p.drawRect(QRectF(s.x(), s.y(), 8, 4));
  }
  return img;
}

QImage birthdayCake() {
  QImage img = canvas(210, 200);
  QPainter p(&img);
  crisp(p);
  for (int i = 0; i < 3; ++i) {
    const double x = 70 + i * 35;
    ink(p, i == 1 ? QColor(80, 150, 240) : QColor(255, 120, 170), 2);
    p.drawRect(QRectF(x - 5, 40, 10, 40));
    ink(p, QColor(255, 190, 0), 2);
    QPainterPath flame;
    flame.moveTo(x, 16);
    flame.cubicTo(x + 9, 28, x + 7, 38, x, 38);
    flame.cubicTo(x - 7, 38, x - 9, 28, x, 16);
    p.drawPath(flame);
  }
  ink(p, QColor(150, 90, 60));
  p.drawRect(QRectF(24, 80, 162, 100));
  ink(p, QColor(255, 240, 230));
  QPainterPath icing;
  icing.moveTo(22, 78);
  icing.lineTo(188, 78);
  icing.lineTo(188, 104);
  for (int i = 0; i < 6; ++i) {
    const double x0 = 188 - i * 27.7, x1 = x0 - 27.7;
    icing.cubicTo(x0, 124, x1, 124, x1, 104);
  }
  icing.closeSubpath();
  p.drawPath(icing);
  ink(p, QColor(230, 40, 70), 2);
  for (int i = 0; i < 5; ++i) p.drawEllipse(QPointF(44 + i * 30, 150), 7, 7);
  ink(p, QColor(200, 205, 215));
  p.drawRect(QRectF(10, 180, 190, 10));
  return img;
}

}  // namespace clipart
