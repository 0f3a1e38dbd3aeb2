// Tools that lay the current colour (or black, or a star) without blending.
#include "paint/tools/paint_ops.h"
#include "paint/tools/stamp.h"

namespace pz {

void paintPastel(PaintState& st, int x, int y) {
  Surface& pic = st.pictureBmp;
  const int dabs = st.brushSize, r = st.brushSize / 8;
  const std::uint32_t paint = toRaw(st.currentColor);
  for (int k = 0; k < dabs; ++k) {
    int px, py;
    if (!dabPoint(x, y, r, px, py) || !pic.contains(px, py)) continue;
    std::uint32_t& d = pic.row(py)[px];
    if (d != kBlackRaw) d = paint;
  }
}

void paintReplacement(PaintState& st, int x, int y, int phase) {
  Surface& pic = st.pictureBmp;
  if (phase == PhasePress) st.replaceTarget = pic.pixel(x, y);
  // A press outside the picture samples the invalid colour, which no pixel
  // of the picture can equal, so such a stroke changes nothing.
  const std::uint32_t target = toRaw(st.replaceTarget);
  const bool targetInside = (st.replaceTarget & ~kRgbMask) == 0;
  const int dabs = st.brushSize / 4, r = st.brushSize / 8;
  const std::uint32_t paint = toRaw(st.currentColor);
  for (int k = 0; k < dabs; ++k) {
    int px, py;
    if (!dabPoint(x, y, r, px, py) || !targetInside || !pic.contains(px, py)) continue;
    std::uint32_t& d = pic.row(py)[px];
    if (d != kBlackRaw && d == target) d = paint;
  }
}

void paintAcrylic(PaintState& st, int x, int y) {
  Surface& pic = st.pictureBmp;
  const int S = st.brushSize, h = S / 2, hh = h * h;
  const int left = x - h, top = y - h;
  // Column by column: the random draws must come in this order. A pixel
  // outside the picture reads as "not black", so it still takes its draw.
  for (int i = 0; i < S; ++i) {
    const int dx = i - h, px = left + i;
    const bool colInside = px >= 0 && px < pic.width();
    for (int j = 0; j < S; ++j) {
      const int dy = j - h;
      if (dx * dx + dy * dy >= hh) continue;  // pixelDistance >= h
      const int py = top + j;
      if (colInside && py >= 0 && py < pic.height()) {
        std::uint32_t& d = pic.row(py)[px];
        if (d == kBlackRaw) continue;
        d = toRaw(st.shadeTable[randomBelow(10)]);
      } else {
        randomBelow(10);
      }
    }
  }
}

void sprayPaintSingle(PaintState& st, int x, int y) {
  Surface& pic = st.pictureBmp;
  const int w = st.strokeWidth, dabs = 20 * w, r = 5 * w;
  const std::uint32_t paint = toRaw(st.currentColor);
  for (int k = 0; k < dabs; ++k) {
    int px, py;
    if (!dabPoint(x, y, r, px, py) || !pic.contains(px, py)) continue;
    std::uint32_t& d = pic.row(py)[px];
    if (d != kBlackRaw) d = paint;
  }
}

namespace {
// Draws one segment with a solid pen, leaving the surface's drawing state as found.
void penSegment(Surface& s, int width, Color c, int x0, int y0, int x1, int y1) {
  const Pen savedPen = s.pen;
  const Rop2 savedRop = s.rop2;
  s.pen = Pen{PenStyle::Solid, width, c};
  s.rop2 = Rop2::CopyPen;
  s.moveTo(x0, y0);
  s.lineTo(x1, y1);
  s.pen = savedPen;
  s.rop2 = savedRop;
}
}  // namespace

void drawWandStar(PaintState& st, int x, int y) {
  const int w = st.strokeWidth, L = 5 * w, a = 5 * w / 2;
  const int cx = x + randomBelow(2 * L) - L;
  const int cy = y + randomBelow(2 * L) - L;
  const int r = int(nextRandom() % 255);
  const int g = int(nextRandom() % 255);
  const int b = int(nextRandom() % 255);
  const Color c = rgb(r, g, b);
  penSegment(st.pictureBmp, w, c, cx - a, cy, cx + a, cy);
  penSegment(st.pictureBmp, w, c, cx, cy - a, cx, cy + a);
}

void drawPencilLine(PaintState& st, int x, int y) {
  penSegment(st.pictureBmp, st.strokeWidth, kBlack, st.lastPoint.x, st.lastPoint.y, x, y);
}

}  // namespace pz
