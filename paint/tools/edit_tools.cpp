// Erasers, the Razor, the Bucket and the Texture Brush.
#include "paint/tools/paint_ops.h"
#include "paint/tools/stamp.h"

namespace pz {

void eraseSquare(PaintState& st, int x, int y, int mode) {
  Surface& pic = st.pictureBmp;
  const int d = 2 * st.strokeWidth, side = 2 * d + 1;
  const StampClip c = clipStamp(pic, x - d, y - d, side);
  if (c.empty()) return;
  for (int j = c.j0; j < c.j1; ++j) {
    std::uint32_t* row = pic.row(y - d + j) + (x - d + c.i0);
    const int n = c.i1 - c.i0;
    if (mode == 1) {
      for (int i = 0; i < n; ++i)
        if (row[i] == kBlackRaw) row[i] = kWhiteRaw;
    } else if (mode == 2) {
      for (int i = 0; i < n; ++i)
        if (row[i] != kBlackRaw) row[i] = kWhiteRaw;
    }
  }
}

namespace {
// Writes `paint` from (x, y) one pixel at a time in direction (dx, dy), up to
// 100 pixels, stopping before the first black one. Steps outside the picture
// write nothing but still count toward the 100.
void razorRun(Surface& pic, int x, int y, int dx, int dy, std::uint32_t paint) {
  for (int k = 0; k < 100; ++k, x += dx, y += dy) {
    if (!pic.contains(x, y)) continue;
    std::uint32_t& d = pic.row(y)[x];
    if (d == kBlackRaw) return;
    d = paint;
  }
}
}  // namespace

void shaveRazor(PaintState& st, int x, int y) {
  Surface& pic = st.pictureBmp;
  if (pic.pixel(x, y) == kBlack) return;
  const std::uint32_t paint = toRaw(st.currentColor);
  switch (st.razorMode) {
    case 1:
      razorRun(pic, x, y, -1, 0, paint);
      razorRun(pic, x, y + 1, -1, 0, paint);
      break;
    case 2:
      razorRun(pic, x, y, 1, 0, paint);
      razorRun(pic, x, y + 1, 1, 0, paint);
      break;
    case 5:
      razorRun(pic, x, y, -1, 0, paint);
      razorRun(pic, x, y, 1, 0, paint);
      razorRun(pic, x, y + 1, -1, 0, paint);
      razorRun(pic, x, y + 1, 1, 0, paint);
      break;
    case 6:
      razorRun(pic, x, y, 0, -1, paint);
      razorRun(pic, x, y, 0, 1, paint);
      razorRun(pic, x + 1, y, 0, -1, paint);
      razorRun(pic, x + 1, y, 0, 1, paint);
      break;
    default:
      break;
  }
}

void fillBucket(PaintState& st, int x, int y) {
  Surface& pic = st.pictureBmp;
  if (!pic.contains(x, y)) return;
  const Color c = pic.pixel(x, y);
  if (c == kBlack || c == (st.currentColor & kRgbMask)) return;
  const Brush saved = pic.brush;
  pic.brush = Brush{false, st.currentColor & kRgbMask};
  pic.floodFillSurface(x, y, c);
  pic.brush = saved;
}

void paintTexture(PaintState& st, int x, int y) {
  const bool whiteOnly = st.whiteOnly;
  forStampRows(st.pictureBmp, st.brushImage, x, y, st.brushSize,
               [whiteOnly](std::uint32_t* row, const std::uint32_t* src, int n) {
                 if (whiteOnly) {
                   for (int i = 0; i < n; ++i)
                     if (row[i] == kWhiteRaw) row[i] = src[i];
                 } else {
                   for (int i = 0; i < n; ++i)
                     if (row[i] != kBlackRaw) row[i] = src[i];
                 }
               });
}

}  // namespace pz
