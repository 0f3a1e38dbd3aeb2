#include "paint/tools/brushes.h"

#include <algorithm>
#include <cmath>

#include "paint/tools/colour.h"

namespace pz {

void ensureBrushImage(PaintState& st) {
  if (st.brushImage.width() != kBrushSide || st.brushImage.height() != kBrushSide)
    st.brushImage.create(kBrushSide, kBrushSide, kWhite);
}

void prepareShades(PaintState& st) {
  const Color c = st.currentColor;
  const int r = std::max(redOf(c) - 10, 0);
  const int g = std::max(greenOf(c) - 10, 0);
  const int b = std::max(blueOf(c) - 10, 0);
  for (int i = 0; i < 10; ++i)
    st.shadeTable[i] = rgb(std::min(r + 2 * i, 255), std::min(g + 2 * i, 255), std::min(b + 2 * i, 255));
}

void prepareOilBrush(PaintState& st) {
  prepareShades(st);
  ensureBrushImage(st);
  patBlt(st.brushImage, 0, 0, kBrushSide, kBrushSide, Rop::Whiteness);
  // Column by column, as the random draws must come in this order.
  for (int i = 0; i < kBrushSide; ++i)
    for (int j = 0; j < kBrushSide; ++j)
      if (pixelDistance(24, 24, i, j) < 25) st.brushImage.setPixel(i, j, st.shadeTable[randomBelow(10)]);
}

float waterStep(int channel, int waterPercent, int half) {
  if (channel >= 255 || half <= 0) return 0;
  const float toWhite = float((255 - channel) * 0.01);
  const float scaled = toWhite * float(waterPercent);
  return scaled / float(half);
}

void prepareWaterBrush(PaintState& st) {
  const Color c = st.currentColor;
  // The table has room for radii up to 31; real brush sizes need at most 25.
  const int h = std::clamp(st.brushSize / 2, 0, int(st.shadeTable.size()) - 1);
  const float sr = waterStep(redOf(c), st.waterPercent, h);
  const float sg = waterStep(greenOf(c), st.waterPercent, h);
  const float sb = waterStep(blueOf(c), st.waterPercent, h);
  auto channel = [](int base, int i, float step) {
    const double moved = std::floor(double(i) * double(step));
    return (base + int(moved)) & 0xFF;
  };
  for (int i = 0; i <= h; ++i)
    st.shadeTable[i] = rgb(channel(redOf(c), i, sr), channel(greenOf(c), i, sg), channel(blueOf(c), i, sb));

  ensureBrushImage(st);
  Surface& b = st.brushImage;
  patBlt(b, 0, 0, kBrushSide, kBrushSide, Rop::Whiteness);
  const Pen savedPen = b.pen;
  const Brush savedBrush = b.brush;
  b.pen = Pen{PenStyle::Null, 1, kBlack};
  for (int n = h; n >= 1; --n) {
    b.brush = Brush{false, st.shadeTable[n]};
    b.ellipse(h - n, h - n, h + n, h + n);
  }
  b.pen = savedPen;
  b.brush = savedBrush;
}

}  // namespace pz
