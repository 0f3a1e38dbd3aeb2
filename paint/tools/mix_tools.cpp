// Tools whose result depends on the colour already on the paper.
#include "paint/tools/blend_cache.h"
#include "paint/tools/paint_ops.h"
#include "paint/tools/stamp.h"

namespace pz {

namespace {
// The mixing dab rule: black stays, white takes the paint, a colour is mixed.
void mixingDabs(PaintState& st, int x, int y, int dabs, int r) {
  Surface& pic = st.pictureBmp;
  const Color paint = st.currentColor & kRgbMask;
  BlendCache& cache = mixCache();
  for (int k = 0; k < dabs; ++k) {
    int px, py;
    if (!dabPoint(x, y, r, px, py) || !pic.contains(px, py)) continue;
    std::uint32_t& d = pic.row(py)[px];
    if (d == kBlackRaw) continue;
    d = d == kWhiteRaw ? toRaw(paint) : toRaw(cache.get(fromRaw(d), paint));
  }
}
}  // namespace

void paintPastelMix(PaintState& st, int x, int y) { mixingDabs(st, x, y, st.brushSize, st.brushSize / 8); }

void sprayPaintMix(PaintState& st, int x, int y) {
  mixingDabs(st, x, y, 20 * st.strokeWidth, 5 * st.strokeWidth);
}

void paintWaterPen(PaintState& st, int x, int y) {
  forStampRows(st.pictureBmp, st.brushImage, x, y, st.brushSize,
               [](std::uint32_t* row, const std::uint32_t* src, int n) {
                 for (int i = 0; i < n; ++i) {
                   const std::uint32_t d = row[i];
                   if (d == kBlackRaw) continue;
                   if (brightness(fromRaw(d)) > brightness(fromRaw(src[i]))) row[i] = src[i];
                 }
               });
}

void paintWaterPenMix(PaintState& st, int x, int y) {
  BlendCache& cache = mixCache();
  forStampRows(st.pictureBmp, st.brushImage, x, y, st.brushSize,
               [&cache](std::uint32_t* row, const std::uint32_t* src, int n) {
                 for (int i = 0; i < n; ++i) {
                   const std::uint32_t d = row[i], b = src[i];
                   if (d == kBlackRaw) continue;
                   if (d == kWhiteRaw) {
                     row[i] = b;
                   } else if (b != kWhiteRaw) {
                     row[i] = toRaw(cache.get(fromRaw(b), fromRaw(d)));
                   }
                 }
               });
}

void paintOil(PaintState& st, int x, int y) {
  Surface& pic = st.pictureBmp;
  Surface& brush = st.brushImage;
  const int S = st.brushSize, h = S / 2, hh = h * h;
  const int cx = brush.width() / 2, cy = brush.height() / 2;
  // Offsets k, l of the stamp whose picture pixel (x - h + k, y - h + l) and
  // brush pixel (cx - h + k, cy - h + l) both exist; the rest is skipped
  // without a random draw and leaves its brush pixels as they are.
  StampClip c = clipStamp(pic, x - h, y - h, S);
  narrowTo(c, brush, cx - h, cy - h);
  BlendCache& cache = averageCache();
  for (int k = c.i0; k < c.i1; ++k) {
    const int dk = k - h;
    for (int l = c.j0; l < c.j1; ++l) {
      const int dl = l - h;
      if (dk * dk + dl * dl >= hh) continue;  // pixelDistance from the centre >= h
      std::uint32_t& b = brush.row(cy - h + l)[cx - h + k];
      if (b == kWhiteRaw) continue;
      std::uint32_t& d = pic.row(y - h + l)[x - h + k];
      if (d == kWhiteRaw) {
        d = toRaw(st.shadeTable[randomBelow(10)]);
      } else if (d != kBlackRaw) {
        const std::uint32_t a = toRaw(cache.get(fromRaw(b), fromRaw(d)));
        b = a;
        d = a;
      }
    }
  }
}

}  // namespace pz
