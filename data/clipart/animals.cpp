// A cat, a dog, a fish, a bird, a butterfly, a ladybug, a turtle and an owl.
#include "clipart.h"
#include "shapes.h"

namespace clipart {

QImage cat() {
  QImage img = canvas(180, 180);
  QPainter p(&img);
  crisp(p);
  const QColor fur(255, 165, 60);
  ink(p, fur);
  QPolygonF left, right;
  left << QPointF(36, 80) << QPointF(44, 18) << QPointF(84, 52);
  right << QPointF(144, 80) << QPointF(136, 18) << QPointF(96, 52);
  p.drawPolygon(left);
  p.drawPolygon(right);
  ink(p, QColor(255, 170, 190), 2);
  QPolygonF li, ri;
  li << QPointF(48, 62) << QPointF(50, 34) << QPointF(70, 52);
  ri << QPointF(132, 62) << QPointF(130, 34) << QPointF(110, 52);
  p.drawPolygon(li);
  p.drawPolygon(ri);
  ink(p, fur);
  p.drawEllipse(QPointF(90, 104), 64, 58);
  ink(p, QColor(90, 200, 90), 2);
  p.drawEllipse(QPointF(66, 94), 11, 13);
  p.drawEllipse(QPointF(114, 94), 11, 13);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::black);
  p.drawEllipse(QPointF(66, 95), 4, 9);
  p.drawEllipse(QPointF(114, 95), 4, 9);
  ink(p, QColor(255, 110, 150), 2);
  QPolygonF nose;
  nose << QPointF(82, 112) << QPointF(98, 112) << QPointF(90, 121);
  p.drawPolygon(nose);
  inkOnly(p, 2);
  p.drawArc(QRectF(74, 112, 16, 16), 180 * 16, 180 * 16);
  p.drawArc(QRectF(90, 112, 16, 16), 180 * 16, 180 * 16);
  for (int i = -1; i <= 1; ++i) {
    p.drawLine(QPointF(60, 118 + 7 * i), QPointF(22, 112 + 12 * i));
    p.drawLine(QPointF(120, 118 + 7 * i), QPointF(158, 112 + 12 * i));
  }
  return img;
}

QImage dog() {
  QImage img = canvas(180, 180);
  QPainter p(&img);
  crisp(p);
  ink(p, QColor(140, 90, 50));
  turnedEllipse(p, 38, 80, 36, 78, 20);
  turnedEllipse(p, 142, 80, 36, 78, -20);
  ink(p, QColor(215, 165, 105));
  p.drawEllipse(QPointF(90, 92), 56, 62);
  ink(p, QColor(245, 230, 205));
  p.drawEllipse(QPointF(90, 124), 34, 26);
  eyes(p, 70, 110, 84, 7);
  ink(p, QColor(255, 110, 140), 2);
  p.drawEllipse(QRectF(82, 132, 16, 22));
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::black);
  p.drawEllipse(QPointF(90, 112), 11, 8);
  inkOnly(p, 2);
  p.drawLine(QPointF(90, 120), QPointF(90, 130));
  p.drawArc(QRectF(72, 118, 18, 16), 180 * 16, 180 * 16);
  p.drawArc(QRectF(90, 118, 18, 16), 180 * 16, 180 * 16);
  return img;
}

QImage fish() {
  QImage img = canvas(210, 150);
  QPainter p(&img);
  crisp(p);
  ink(p, QColor(170, 220, 255), 2);
  p.drawEllipse(QPointF(176, 30), 8, 8);
  p.drawEllipse(QPointF(192, 14), 5, 5);
  p.drawEllipse(QPointF(166, 10), 4, 4);
  ink(p, QColor(255, 120, 40));
  QPolygonF tail;
  tail << QPointF(50, 78) << QPointF(10, 40) << QPointF(18, 78) << QPointF(10, 116);
  p.drawPolygon(tail);
  QPolygonF fin;
  fin << QPointF(80, 44) << QPointF(104, 18) << QPointF(130, 44);
  p.drawPolygon(fin);
  ink(p, QColor(255, 160, 40));
  p.drawEllipse(QPointF(104, 80), 66, 40);
  ink(p, QColor(255, 220, 60), 2);
  for (int x : {76, 100}) {
    QPainterPath stripe;
    stripe.moveTo(x, 44);
    stripe.cubicTo(x + 12, 64, x + 12, 96, x, 116);
    stripe.lineTo(x + 12, 116);
    stripe.cubicTo(x + 24, 96, x + 24, 64, x + 12, 44);
    stripe.closeSubpath();
    p.drawPath(stripe);
  }
  eyes(p, 146, 146, 72, 7);
  smile(p, 142, 82, 22, 16, 2);
  return img;
}

QImage bird() {
  QImage img = canvas(190, 170);
  QPainter p(&img);
  crisp(p);
  inkOnly(p, 3);
  p.setPen(QPen(QColor(230, 120, 0), 4, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(80, 140), QPointF(76, 160));
  p.drawLine(QPointF(104, 140), QPointF(108, 160));
  ink(p, QColor(50, 140, 230));
  QPolygonF tail;
  tail << QPointF(40, 96) << QPointF(8, 70) << QPointF(14, 112);
  p.drawPolygon(tail);
  p.drawEllipse(QPointF(92, 92), 58, 54);
  ink(p, QColor(150, 210, 255));
  p.drawEllipse(QPointF(96, 112), 30, 26);
  ink(p, QColor(30, 110, 200));
  turnedEllipse(p, 64, 96, 50, 28, 25);
  ink(p, QColor(255, 190, 0), 2);
  QPolygonF beak;
  beak << QPointF(146, 74) << QPointF(176, 84) << QPointF(146, 94);
  p.drawPolygon(beak);
  eyes(p, 122, 122, 72, 7);
  return img;
}

QImage butterfly() {
  QImage img = canvas(210, 170);
  QPainter p(&img);
  crisp(p);
  const QColor upper(170, 80, 220), lower(255, 110, 180);
  // Wing colour behind the wings' roots, so the notches beside the body
  // are wing and not background that Paste would see through.
  p.setPen(Qt::NoPen);
  p.setBrush(upper);
  p.drawEllipse(QRectF(68, 50, 74, 80));
  ink(p, upper);
  turnedEllipse(p, 60, 58, 86, 64, -25);
  turnedEllipse(p, 150, 58, 86, 64, 25);
  ink(p, lower);
  turnedEllipse(p, 70, 118, 58, 46, 25);
  turnedEllipse(p, 140, 118, 58, 46, -25);
  ink(p, QColor(255, 220, 60), 2);
  p.drawEllipse(QPointF(54, 56), 14, 14);
  p.drawEllipse(QPointF(156, 56), 14, 14);
  p.drawEllipse(QPointF(72, 120), 9, 9);
  p.drawEllipse(QPointF(138, 120), 9, 9);
  ink(p, QColor(70, 50, 40));
  p.drawEllipse(QRectF(96, 40, 18, 108));
  inkOnly(p, 2);
  p.drawArc(QRectF(70, 8, 36, 40), 20 * 16, 70 * 16);
  p.drawArc(QRectF(104, 8, 36, 40), 90 * 16, 70 * 16);
  return img;
}

QImage ladybug() {
  QImage img = canvas(190, 170);
  QPainter p(&img);
  crisp(p);
  inkOnly(p, 3);
  for (int i = 0; i < 3; ++i) {
    p.drawLine(QPointF(60, 80 + 28 * i), QPointF(26, 74 + 34 * i));
    p.drawLine(QPointF(130, 80 + 28 * i), QPointF(164, 74 + 34 * i));
  }
  ink(p, QColor(40, 40, 40));
  p.drawEllipse(QPointF(95, 40), 30, 26);
  eyes(p, 84, 106, 36, 4);
  ink(p, QColor(230, 30, 30));
  p.drawEllipse(QPointF(95, 100), 64, 58);
  inkOnly(p, 3);
  p.drawLine(QPointF(95, 42), QPointF(95, 158));
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::black);
  for (QPointF s : {QPointF(66, 80), QPointF(124, 80), QPointF(60, 118), QPointF(130, 118), QPointF(80, 144),
                    QPointF(110, 144)})
    p.drawEllipse(s, 10, 10);
  return img;
}

QImage turtle() {
  QImage img = canvas(220, 150);
  QPainter p(&img);
  crisp(p);
  const QColor skin(130, 210, 100);
  ink(p, skin);
  p.drawEllipse(QRectF(40, 96, 30, 34));
  p.drawEllipse(QRectF(140, 96, 30, 34));
  QPolygonF tail;
  tail << QPointF(30, 100) << QPointF(12, 110) << QPointF(34, 112);
  p.drawPolygon(tail);
  p.drawEllipse(QPointF(182, 84), 28, 24);
  eyes(p, 188, 188, 78, 5);
  smile(p, 180, 82, 22, 14, 2);
  ink(p, QColor(40, 150, 60));
  p.drawChord(QRectF(24, 24, 164, 160), 0, 180 * 16);
  ink(p, QColor(160, 210, 60), 2);
  p.drawEllipse(QPointF(106, 70), 20, 18);
  p.drawEllipse(QPointF(66, 86), 14, 12);
  p.drawEllipse(QPointF(146, 86), 14, 12);
  p.drawEllipse(QPointF(82, 48), 10, 9);
  p.drawEllipse(QPointF(130, 48), 10, 9);
  return img;
}

QImage owl() {
  QImage img = canvas(170, 200);
  QPainter p(&img);
  crisp(p);
  ink(p, QColor(150, 100, 60));
  QPolygonF ears;
  ears << QPointF(34, 60) << QPointF(36, 16) << QPointF(68, 40) << QPointF(102, 40) << QPointF(134, 16)
       << QPointF(136, 60);
  p.drawPolygon(ears);
  p.drawEllipse(QRectF(26, 30, 118, 156));
  ink(p, QColor(110, 70, 40));
  turnedEllipse(p, 34, 122, 26, 70, 12);
  turnedEllipse(p, 136, 122, 26, 70, -12);
  ink(p, QColor(240, 215, 170));
  p.drawEllipse(QPointF(85, 134), 36, 42);
  ink(p, QColor(255, 230, 120));
  p.drawEllipse(QPointF(62, 74), 22, 22);
  p.drawEllipse(QPointF(108, 74), 22, 22);
  eyes(p, 62, 108, 74, 9);
  ink(p, QColor(255, 150, 0), 2);
  QPolygonF beak;
  beak << QPointF(78, 92) << QPointF(92, 92) << QPointF(85, 108);
  p.drawPolygon(beak);
  ink(p, QColor(255, 150, 0), 2);
  p.drawRect(QRectF(62, 182, 14, 8));
  p.drawRect(QRectF(94, 182, 14, 8));
  return img;
}

}  // namespace clipart
