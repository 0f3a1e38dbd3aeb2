#include "art/strips.h"

#include <QPainter>

#include "art/draw.h"

namespace pz::art {

namespace {

const QColor kLit(255, 214, 0);         // frame round the chosen option
const QColor kIdle(175, 175, 185);      // options not chosen
const QColor kPaint(255, 128, 87);

QImage blackImage(int w, int h) {
  QImage img(w, h, QImage::Format_RGB32);
  img.fill(Qt::black);
  return img;
}

void litFrame(QPainter& p, QRectF r) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setPen(QPen(kLit, 2));
  p.setBrush(QColor(60, 50, 0));
  p.drawRoundedRect(r, 6, 6);
  p.restore();
}

// A filled arrow from `from` to `to` with a head at `to` (and at `from` when both).
void arrow(QPainter& p, QPointF from, QPointF to, bool both, const QColor& c) {
  const QLineF axis(from, to);
  const qreal len = axis.length();
  p.save();
  p.translate(from);
  p.rotate(-axis.angle());
  QPolygonF shape;
  const qreal head = 12, half = 8, shaft = 3;
  if (both)
    shape << QPointF(0, 0) << QPointF(head, -half) << QPointF(head, -shaft);
  else
    shape << QPointF(0, -shaft);
  shape << QPointF(len - head, -shaft) << QPointF(len - head, -half) << QPointF(len, 0)
        << QPointF(len - head, half) << QPointF(len - head, shaft);
  if (both)
    shape << QPointF(head, shaft) << QPointF(head, half);
  else
    shape << QPointF(0, shaft);
  p.setPen(QPen(Qt::black, 1));
  p.setBrush(c);
  p.drawPolygon(shape);
  p.restore();
}

}  // namespace

Surface brushSizesStrip() {
  QImage img = blackImage(85, 225);
  QPainter p(&img);
  const int diameters[3] = {22, 15, 8};
  for (int band = 0; band < 3; ++band)
    for (int row = 0; row < 3; ++row) {
      const int top = band * 75 + row * 25;
      const bool lit = row == band;
      if (lit) litFrame(p, QRectF(6, top + 1.5, 73, 22));
      p.setRenderHint(QPainter::Antialiasing, true);
      p.setPen(Qt::NoPen);
      p.setBrush(lit ? kPaint : kIdle);
      const qreal d = diameters[row];
      p.drawEllipse(QRectF(42.5 - d / 2, top + 12.5 - d / 2, d, d));
      // A small shine makes the dab look wet.
      p.setBrush(QColor(255, 255, 255, lit ? 170 : 110));
      p.drawEllipse(QRectF(42.5 - d / 4 - d / 8, top + 12.5 - d / 4 - d / 8, d / 4, d / 4));
      p.setRenderHint(QPainter::Antialiasing, false);
    }
  p.end();
  return Surface(img);
}

Surface razorModesStrip() {
  QImage img = blackImage(320, 200);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing, true);
  for (int band = 0; band < 4; ++band)
    for (int cell = 0; cell < 4; ++cell) {
      const qreal l = kRazorCellLeft[cell] + 4, r = kRazorCellLeft[cell + 1] - 4;
      const qreal top = band * 50;
      const qreal cx = (l + r) / 2, cy = top + 25;
      const bool lit = cell == band;
      if (lit) litFrame(p, QRectF(l, top + 2, r - l, 46));
      const QColor c = lit ? kLit : kIdle;
      // A short black line with a white rim: the line art the razor stops at.
      auto stopLine = [&](QPointF a, QPointF b) {
        p.setPen(QPen(Qt::white, 4));
        p.drawLine(a, b);
        p.setPen(QPen(Qt::black, 2));
        p.drawLine(a, b);
      };
      switch (cell) {
        case 0:
          stopLine({cx - 27, cy - 14}, {cx - 27, cy + 14});
          arrow(p, {cx + 24, cy}, {cx - 22, cy}, false, c);
          break;
        case 1:
          stopLine({cx + 27, cy - 14}, {cx + 27, cy + 14});
          arrow(p, {cx - 24, cy}, {cx + 22, cy}, false, c);
          break;
        case 2:
          stopLine({cx - 30, cy - 14}, {cx - 30, cy + 14});
          stopLine({cx + 30, cy - 14}, {cx + 30, cy + 14});
          arrow(p, {cx - 26, cy}, {cx + 26, cy}, true, c);
          break;
        default:
          stopLine({cx - 14, top + 5}, {cx + 14, top + 5});
          stopLine({cx - 14, top + 45}, {cx + 14, top + 45});
          arrow(p, {cx, top + 8}, {cx, top + 42}, true, c);
          break;
      }
    }
  p.end();
  return Surface(img);
}

Surface widthsStrip() {
  QImage img = blackImage(325, 439);
  QPainter p(&img);
  for (int band = 0; band < 8; ++band)
    for (int cell = 0; cell < 8; ++cell) {
      const int left = 41 * cell, right = std::min(325, left + 41);
      const int top = kWidthBandRows[band];
      const bool lit = cell == band;
      if (lit) litFrame(p, QRectF(left + 2, top + 2, right - left - 4, 50));
      // Exactly w pixels wide, so the strip shows the width the tools use.
      const int w = kWidths[cell];
      const int x = (left + right) / 2 - w / 2;
      p.setPen(Qt::NoPen);
      p.setBrush(lit ? kPaint : kIdle);
      p.drawRect(x, top + 9, w, 36);
    }
  p.end();
  return Surface(img);
}

Surface blankSheet() { return Surface(50, 50, kWhite); }

}  // namespace pz::art
