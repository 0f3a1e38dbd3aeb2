// Small drawing helpers shared by the clip art pictures.
#pragma once

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <cmath>

namespace clipart {

// A star with `points` tips around (cx, cy), the first tip straight up.
inline QPolygonF starShape(double cx, double cy, double outer, double inner, int points = 5) {
  QPolygonF poly;
  for (int i = 0; i < 2 * points; ++i) {
    const double r = (i % 2 == 0) ? outer : inner;
    const double a = -M_PI / 2 + i * M_PI / points;
    poly << QPointF(cx + r * std::cos(a), cy + r * std::sin(a));
  }
  return poly;
}

// A heart whose bounding box is (x, y, w, h).
inline QPainterPath heartShape(double x, double y, double w, double h) {
  QPainterPath path;
  const double cx = x + w / 2;
  path.moveTo(cx, y + h);
  path.cubicTo(x - w * 0.05, y + h * 0.55, x + w * 0.02, y - h * 0.08, cx, y + h * 0.26);
  path.cubicTo(x + w * 0.98, y - h * 0.08, x + w * 1.05, y + h * 0.55, cx, y + h);
  path.closeSubpath();
  return path;
}

// A fluffy cloud: overlapping circles merged into one outline.
inline QPainterPath cloudShape(double x, double y, double w, double h) {
  QPainterPath path;
  path.addEllipse(QRectF(x, y + h * 0.35, w * 0.4, h * 0.65));
  path.addEllipse(QRectF(x + w * 0.2, y, w * 0.45, h * 0.8));
  path.addEllipse(QRectF(x + w * 0.5, y + h * 0.15, w * 0.38, h * 0.7));
  path.addEllipse(QRectF(x + w * 0.62, y + h * 0.4, w * 0.38, h * 0.6));
  path.addRect(QRectF(x + w * 0.2, y + h * 0.6, w * 0.6, h * 0.4));
  path.setFillRule(Qt::WindingFill);
  return path.simplified();
}

// An ellipse of size (w, h) centred on (cx, cy), turned by `degrees`.
inline void turnedEllipse(QPainter& p, double cx, double cy, double w, double h, double degrees) {
  p.save();
  p.translate(cx, cy);
  p.rotate(degrees);
  p.drawEllipse(QRectF(-w / 2, -h / 2, w, h));
  p.restore();
}

// A smile: the lower part of the ellipse in (x, y, w, h).
inline void smile(QPainter& p, double x, double y, double w, double h, int width = 3) {
  p.setPen(QPen(Qt::black, width, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(x, y, w, h), 200 * 16, 140 * 16);
}

// Two round eyes with a light glint each.
inline void eyes(QPainter& p, double lx, double rx, double y, double r) {
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::black);
  p.drawEllipse(QPointF(lx, y), r, r * 1.2);
  p.drawEllipse(QPointF(rx, y), r, r * 1.2);
  p.setBrush(QColor(250, 250, 246));
  p.drawEllipse(QPointF(lx - r * 0.3, y - r * 0.45), r * 0.35, r * 0.35);
  p.drawEllipse(QPointF(rx - r * 0.3, y - r * 0.45), r * 0.35, r * 0.35);
}

}  // namespace clipart
