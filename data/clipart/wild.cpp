// Animals of the zoo, the garden and the sea: elephant, lion, penguin, frog,
// rabbit, bee, snail, whale, octopus, crab and starfish.
#include "clipart.h"
#include "shapes.h"

namespace clipart {

QImage elephant() {
  QImage img = canvas(220, 180);
  QPainter p(&img);
  crisp(p);
  const QColor grey(150, 160, 175);
  ink(p, grey);
  for (double x : {52.0, 84.0, 132.0, 164.0}) p.drawRoundedRect(QRectF(x, 110, 26, 56), 6, 6);
  p.drawEllipse(QRectF(30, 50, 170, 100));
  QPainterPath trunk;
  trunk.moveTo(40, 70);
  trunk.cubicTo(10, 100, 8, 140, 24, 160);
  trunk.lineTo(38, 154);
  trunk.cubicTo(30, 136, 34, 110, 60, 96);
  trunk.closeSubpath();
  p.drawPath(trunk);
  p.drawEllipse(QRectF(24, 30, 76, 80));
  ink(p, QColor(180, 185, 200));
  p.drawEllipse(QRectF(70, 34, 52, 70));  // ear
  ink(p, kOffWhite, 2);
  QPolygonF tusk;
  tusk << QPointF(52, 96) << QPointF(70, 112) << QPointF(58, 102);
  p.drawPolygon(tusk);
  eyes(p, 50, 50, 62, 5);
  inkOnly(p, 3);
  p.drawLine(QPointF(200, 96), QPointF(212, 120));
  return img;
}

QImage lion() {
  QImage img = canvas(200, 200);
  QPainter p(&img);
  crisp(p);
  ink(p, QColor(200, 110, 30));
  p.drawPolygon(starShape(100, 100, 92, 70, 14));
  ink(p, QColor(250, 200, 90));
  p.drawEllipse(QPointF(60, 52), 16, 16);
  p.drawEllipse(QPointF(140, 52), 16, 16);
  p.drawEllipse(QPointF(100, 104), 60, 58);
  ink(p, QColor(255, 235, 180), 2);
  p.drawEllipse(QPointF(100, 128), 28, 22);
  ink(p, QColor(120, 60, 40), 2);
  QPolygonF nose;
  nose << QPointF(90, 112) << QPointF(110, 112) << QPointF(100, 124);
  p.drawPolygon(nose);
  eyes(p, 80, 120, 90, 7);
  smile(p, 86, 118, 28, 22);
  return img;
}

QImage penguin() {
  QImage img = canvas(150, 200);
  QPainter p(&img);
  crisp(p);
  ink(p, QColor(255, 150, 0));
  p.drawEllipse(QPointF(56, 184), 20, 9);
  p.drawEllipse(QPointF(94, 184), 20, 9);
  ink(p, QColor(40, 50, 70));
  p.drawEllipse(QRectF(22, 24, 106, 162));
  QPolygonF wingL, wingR;
  wingL << QPointF(28, 80) << QPointF(6, 140) << QPointF(30, 130);
  wingR << QPointF(122, 80) << QPointF(144, 140) << QPointF(120, 130);
  p.drawPolygon(wingL);
  p.drawPolygon(wingR);
  ink(p, kOffWhite);
  p.drawEllipse(QRectF(40, 60, 70, 118));
  p.drawEllipse(QPointF(58, 54), 14, 14);
  p.drawEllipse(QPointF(92, 54), 14, 14);
  eyes(p, 60, 90, 56, 6);
  ink(p, QColor(255, 170, 0), 2);
  QPolygonF beak;
  beak << QPointF(66, 70) << QPointF(84, 70) << QPointF(75, 84);
  p.drawPolygon(beak);
  return img;
}

QImage frog() {
  QImage img = canvas(200, 160);
  QPainter p(&img);
  crisp(p);
  const QColor green(70, 180, 70);
  ink(p, green);
  p.drawEllipse(QRectF(10, 110, 60, 36));
  p.drawEllipse(QRectF(130, 110, 60, 36));
  p.drawEllipse(QRectF(30, 50, 140, 100));
  p.drawEllipse(QPointF(66, 46), 26, 26);
  p.drawEllipse(QPointF(134, 46), 26, 26);
  ink(p, QColor(190, 235, 150), 2);
  p.drawEllipse(QRectF(66, 96, 68, 48));
  ink(p, kOffWhite, 2);
  p.drawEllipse(QPointF(66, 44), 15, 15);
  p.drawEllipse(QPointF(134, 44), 15, 15);
  eyes(p, 66, 134, 46, 7);
  smile(p, 60, 50, 80, 48);
  return img;
}

QImage rabbit() {
  QImage img = canvas(160, 220);
  QPainter p(&img);
  crisp(p);
  ink(p, QColor(235, 225, 215));
  turnedEllipse(p, 56, 50, 28, 90, -12);
  turnedEllipse(p, 104, 50, 28, 90, 12);
  ink(p, QColor(255, 170, 190), 2);
  turnedEllipse(p, 56, 52, 12, 66, -12);
  turnedEllipse(p, 104, 52, 12, 66, 12);
  ink(p, QColor(235, 225, 215));
  p.drawEllipse(QRectF(30, 130, 100, 84));
  p.drawEllipse(QPointF(80, 112), 46, 40);
  ink(p, kOffWhite, 2);
  p.drawEllipse(QRectF(54, 150, 52, 56));
  ink(p, QColor(255, 130, 160), 2);
  p.drawEllipse(QPointF(80, 118), 6, 5);
  eyes(p, 64, 96, 104, 6);
  inkOnly(p, 2);
  p.drawLine(QPointF(80, 123), QPointF(80, 132));
  return img;
}

QImage bee() {
  QImage img = canvas(200, 160);
  QPainter p(&img);
  crisp(p);
  ink(p, QColor(225, 240, 255));
  turnedEllipse(p, 84, 44, 44, 70, -25);
  turnedEllipse(p, 124, 44, 44, 70, 25);
  ink(p, QColor(30, 30, 30));
  QPolygonF sting;
  sting << QPointF(170, 96) << QPointF(196, 104) << QPointF(170, 112);
  p.drawPolygon(sting);
  ink(p, QColor(255, 205, 0));
  p.drawEllipse(QRectF(46, 64, 130, 84));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(30, 30, 30));
  for (double x : {100.0, 132.0}) p.drawRect(QRectF(x, 66, 14, 80));
  inkOnly(p, 3);
  p.drawEllipse(QRectF(46, 64, 130, 84));
  ink(p, QColor(255, 205, 0));
  p.drawEllipse(QPointF(48, 100), 36, 36);
  eyes(p, 36, 60, 94, 5);
  smile(p, 32, 96, 28, 20);
  return img;
}

QImage snail() {
  QImage img = canvas(210, 160);
  QPainter p(&img);
  crisp(p);
  ink(p, QColor(170, 210, 110));
  QPainterPath body;
  body.moveTo(10, 146);
  body.lineTo(170, 146);
  body.cubicTo(196, 146, 200, 120, 186, 100);
  body.lineTo(176, 60);
  body.lineTo(148, 62);
  body.lineTo(148, 120);
  body.lineTo(20, 126);
  body.closeSubpath();
  p.drawPath(body);
  ink(p, QColor(200, 120, 60));
  p.drawEllipse(QPointF(92, 82), 66, 62);
  inkOnly(p, 3);
  QPainterPath spiral;
  spiral.moveTo(92, 82);
  for (int i = 1; i <= 60; ++i) {
    const double a = i * 0.22, r = i * 0.9;
    spiral.lineTo(92 + r * std::cos(a), 82 + r * std::sin(a));
  }
  p.drawPath(spiral);
  eyes(p, 170, 182, 66, 4);
  inkOnly(p, 2);
  p.drawLine(QPointF(172, 60), QPointF(166, 30));
  p.drawLine(QPointF(180, 60), QPointF(190, 32));
  ink(p, QColor(30, 30, 30), 1);
  p.drawEllipse(QPointF(166, 28), 4, 4);
  p.drawEllipse(QPointF(190, 30), 4, 4);
  return img;
}

QImage whale() {
  QImage img = canvas(230, 170);
  QPainter p(&img);
  crisp(p);
  ink(p, QColor(120, 190, 255), 2);
  QPainterPath spout;
  spout.moveTo(96, 56);
  spout.cubicTo(80, 30, 60, 20, 56, 36);
  spout.cubicTo(70, 30, 84, 44, 92, 60);
  spout.lineTo(102, 60);
  spout.cubicTo(110, 44, 124, 30, 138, 36);
  spout.cubicTo(134, 20, 114, 30, 98, 56);
  spout.closeSubpath();
  p.drawPath(spout);
  ink(p, QColor(60, 110, 200));
  QPolygonF tail;
  tail << QPointF(190, 100) << QPointF(226, 60) << QPointF(214, 104) << QPointF(226, 140);
  p.drawPolygon(tail);
  p.drawEllipse(QRectF(10, 56, 196, 108));
  ink(p, QColor(200, 225, 255), 2);
  QPainterPath belly;
  belly.moveTo(20, 120);
  belly.cubicTo(60, 150, 140, 156, 190, 128);
  belly.cubicTo(150, 168, 50, 166, 20, 120);
  p.drawPath(belly);
  eyes(p, 56, 56, 100, 6);
  smile(p, 20, 96, 40, 24);
  return img;
}

QImage octopus() {
  QImage img = canvas(200, 200);
  QPainter p(&img);
  crisp(p);
  const QColor purple(190, 90, 200);
  ink(p, purple);
  for (int i = 0; i < 6; ++i) {
    const double x = 34 + i * 26;
    QPainterPath arm;
    arm.moveTo(x - 9, 110);
    arm.cubicTo(x - 16, 150, x + 10, 160, x - 4, 192);
    arm.lineTo(x + 8, 190);
    arm.cubicTo(x + 22, 160, x + 4, 140, x + 11, 110);
    arm.closeSubpath();
    p.drawPath(arm);
  }
  p.drawEllipse(QRectF(30, 10, 140, 130));
  ink(p, QColor(230, 170, 235), 2);
  p.drawEllipse(QPointF(64, 112), 10, 7);
  p.drawEllipse(QPointF(136, 112), 10, 7);
  eyes(p, 78, 122, 76, 9);
  smile(p, 80, 80, 40, 32);
  return img;
}

QImage crab() {
  QImage img = canvas(220, 160);
  QPainter p(&img);
  crisp(p);
  const QColor red(230, 70, 50);
  ink(p, red);
  for (int i = 0; i < 3; ++i) {
    p.drawRect(QRectF(30 - i * 4, 104 + i * 14, 40, 9));
    p.drawRect(QRectF(150 + i * 4, 104 + i * 14, 40, 9));
  }
  for (double side : {-1.0, 1.0}) {
    const double x = 110 + side * 80;
    p.drawRect(QRectF(x - 6 - side * 10, 56, 12, 40));
    QPainterPath claw;
    claw.moveTo(x - 24, 56);
    claw.cubicTo(x - 30, 20, x + 4, 6, x + 16, 22);
    claw.lineTo(x, 36);
    claw.lineTo(x + 22, 40);
    claw.cubicTo(x + 14, 62, x - 14, 66, x - 24, 56);
    p.drawPath(claw);
  }
  p.drawEllipse(QRectF(50, 70, 120, 80));
  inkOnly(p, 3);
  p.drawLine(QPointF(92, 72), QPointF(88, 48));
  p.drawLine(QPointF(128, 72), QPointF(132, 48));
  ink(p, kOffWhite, 2);
  p.drawEllipse(QPointF(88, 42), 10, 10);
  p.drawEllipse(QPointF(132, 42), 10, 10);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::black);
  p.drawEllipse(QPointF(88, 43), 5, 5);
  p.drawEllipse(QPointF(132, 43), 5, 5);
  smile(p, 90, 92, 40, 30);
  return img;
}

QImage starfish() {
  QImage img = canvas(180, 180);
  QPainter p(&img);
  crisp(p);
  ink(p, QColor(255, 130, 80));
  p.drawPolygon(starShape(90, 96, 86, 34));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 200, 150));
  for (int i = 0; i < 5; ++i) {
    const double a = -M_PI / 2 + i * 2 * M_PI / 5;
    for (double r : {40.0, 58.0}) p.drawEllipse(QPointF(90 + r * std::cos(a), 96 + r * std::sin(a)), 4, 4);
  }
  eyes(p, 78, 102, 90, 6);
  smile(p, 76, 92, 28, 22);
  return img;
}

}  // namespace clipart
