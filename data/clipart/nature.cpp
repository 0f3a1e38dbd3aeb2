// Sun, rainbow, flowers, a tree, the moon and a rain cloud.
#include "clipart.h"
#include "shapes.h"

namespace clipart {

QImage sun() {
  QImage img = canvas(180, 180);
  QPainter p(&img);
  crisp(p);
  const QPointF c(90, 90);
  for (int i = 0; i < 12; ++i) {
    const double a = i * M_PI / 6, da = M_PI / 14;
    QPolygonF ray;
    ray << QPointF(c.x() + 50 * std::cos(a - da), c.y() + 50 * std::sin(a - da))
        << QPointF(c.x() + 82 * std::cos(a), c.y() + 82 * std::sin(a))
        << QPointF(c.x() + 50 * std::cos(a + da), c.y() + 50 * std::sin(a + da));
    ink(p, i % 2 ? QColor(255, 140, 0) : QColor(255, 196, 0), 2);
    p.drawPolygon(ray);
  }
  ink(p, QColor(255, 220, 30));
  p.drawEllipse(c, 54, 54);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 150, 120));
  p.drawEllipse(QPointF(62, 102), 9, 6);
  p.drawEllipse(QPointF(118, 102), 9, 6);
  eyes(p, 72, 108, 80, 6);
  smile(p, 64, 72, 52, 44);
  return img;
}

QImage rainbow() {
  QImage img = canvas(230, 150);
  QPainter p(&img);
  crisp(p);
  const QColor bands[] = {{230, 40, 40},  {255, 140, 0},  {255, 220, 0},
                          {60, 180, 60},  {40, 120, 230}, {140, 70, 200}};
  const QPointF c(115, 128);
  double r = 100;
  p.setPen(Qt::NoPen);
  for (const QColor& band : bands) {
    p.setBrush(band);
    p.drawPie(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), 0, 180 * 16);
    r -= 11;
  }
  p.setBrush(Qt::white);
  p.drawPie(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), 0, 180 * 16);
  inkOnly(p, 3);
  p.drawArc(QRectF(c.x() - 100, c.y() - 100, 200, 200), 0, 180 * 16);
  p.drawArc(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), 0, 180 * 16);
  ink(p, kOffWhite);
  p.drawPath(cloudShape(2, 96, 62, 46));
  p.drawPath(cloudShape(166, 96, 62, 46));
  return img;
}

static void stemWithLeaves(QPainter& p, double x, double top, double bottom) {
  ink(p, QColor(60, 170, 60));
  p.drawRect(QRectF(x - 4, top, 8, bottom - top));
  ink(p, QColor(90, 200, 80));
  turnedEllipse(p, x - 22, bottom - 40, 40, 16, -30);
  turnedEllipse(p, x + 22, bottom - 60, 40, 16, 30);
}

QImage daisy() {
  QImage img = canvas(160, 210);
  QPainter p(&img);
  crisp(p);
  stemWithLeaves(p, 80, 100, 200);
  const QPointF c(80, 72);
  ink(p, QColor(255, 120, 190));
  for (int i = 0; i < 10; ++i) {
    const double a = i * 36.0;
    const double rad = a * M_PI / 180;
    turnedEllipse(p, c.x() + 38 * std::cos(rad), c.y() + 38 * std::sin(rad), 40, 22, a);
  }
  ink(p, QColor(255, 200, 0));
  p.drawEllipse(c, 24, 24);
  eyes(p, 72, 88, 68, 3.5);
  smile(p, 68, 66, 24, 16, 2);
  return img;
}

QImage tulip() {
  QImage img = canvas(140, 210);
  QPainter p(&img);
  crisp(p);
  stemWithLeaves(p, 70, 100, 200);
  QPainterPath cup;
  cup.moveTo(30, 40);
  cup.lineTo(50, 64);
  cup.lineTo(70, 28);
  cup.lineTo(90, 64);
  cup.lineTo(110, 40);
  cup.cubicTo(118, 90, 100, 112, 70, 112);
  cup.cubicTo(40, 112, 22, 90, 30, 40);
  ink(p, QColor(235, 50, 80));
  p.drawPath(cup);
  return img;
}

QImage appleTree() {
  QImage img = canvas(190, 210);
  QPainter p(&img);
  crisp(p);
  ink(p, QColor(150, 90, 40));
  QPolygonF trunk;
  trunk << QPointF(80, 200) << QPointF(86, 110) << QPointF(104, 110) << QPointF(110, 200);
  p.drawPolygon(trunk);
  ink(p, QColor(70, 180, 70));
  QPainterPath crown;
  crown.addEllipse(QRectF(20, 40, 80, 80));
  crown.addEllipse(QRectF(60, 12, 80, 80));
  crown.addEllipse(QRectF(95, 45, 80, 80));
  crown.addEllipse(QRectF(45, 70, 100, 70));
  crown.setFillRule(Qt::WindingFill);
  p.drawPath(crown.simplified());
  ink(p, QColor(230, 40, 40), 2);
  for (QPointF a : {QPointF(55, 80), QPointF(95, 50), QPointF(135, 85), QPointF(100, 110), QPointF(70, 115)})
    p.drawEllipse(a, 8, 8);
  return img;
}

QImage moon() {
  QImage img = canvas(180, 180);
  QPainter p(&img);
  crisp(p);
  QPainterPath full;
  full.addEllipse(QRectF(30, 25, 120, 130));
  QPainterPath bite;
  bite.addEllipse(QRectF(70, 10, 110, 125));
  ink(p, QColor(255, 225, 90));
  p.drawPath(full.subtracted(bite));
  inkOnly(p, 2);
  p.drawArc(QRectF(52, 78, 16, 10), 200 * 16, 140 * 16);  // a sleeping eye
  smile(p, 50, 100, 26, 22, 2);
  ink(p, QColor(255, 200, 0), 2);
  p.drawPolygon(starShape(140, 40, 14, 6));
  p.drawPolygon(starShape(150, 120, 10, 4));
  p.drawPolygon(starShape(118, 82, 8, 3.5));
  return img;
}

QImage rainCloud() {
  QImage img = canvas(200, 180);
  QPainter p(&img);
  crisp(p);
  ink(p, QColor(40, 150, 255), 2);
  for (QPointF d : {QPointF(55, 130), QPointF(85, 150), QPointF(115, 132), QPointF(145, 150), QPointF(70, 165),
                    QPointF(130, 168)}) {
    QPainterPath drop;
    drop.moveTo(d.x(), d.y() - 14);
    drop.cubicTo(d.x() + 9, d.y() - 2, d.x() + 8, d.y() + 7, d.x(), d.y() + 7);
    drop.cubicTo(d.x() - 8, d.y() + 7, d.x() - 9, d.y() - 2, d.x(), d.y() - 14);
    p.drawPath(drop);
  }
  ink(p, QColor(200, 220, 245));
  p.drawPath(cloudShape(15, 20, 170, 100));
  eyes(p, 82, 118, 72, 5);
  smile(p, 84, 70, 32, 26);
  return img;
}

}  // namespace clipart
