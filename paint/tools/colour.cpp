#include "paint/tools/colour.h"

#include <cmath>
#include <cstdlib>

namespace pz {

int pixelDistance(int x1, int y1, int x2, int y2) {
  const float dx = float(std::abs(x2 - x1));
  const float dy = float(std::abs(y2 - y1));
  const double sq = double(dx) * dx + double(dy) * dy;
  return int(float(std::sqrt(sq)));
}

namespace {
std::uint64_t gRandomState = 1;
constexpr std::uint64_t kRandomMultiplier = 0x0000015A00004E35ull;
}  // namespace

std::uint32_t nextRandom() {
  gRandomState = gRandomState * kRandomMultiplier + 1;
  return std::uint32_t(gRandomState >> 32) & 0x7FFFFFFFu;
}

std::uint64_t randomState() { return gRandomState; }
void setRandomState(std::uint64_t state) { gRandomState = state; }

HsvColor rgbToHsv(Color c) {
  const float r = float(redOf(c)), g = float(greenOf(c)), b = float(blueOf(c));
  const float mx = std::max(r, std::max(g, b));
  const float mn = std::min(r, std::min(g, b));
  HsvColor out;
  out.v = mx;
  out.s = mx > 0 ? (mx - mn) / mx : 0.0f;
  if (out.s == 0) {
    out.h = 0;
    return out;
  }
  const float delta = mx - mn;
  float h;
  if (r == mx)
    h = (g - b) / delta;
  else if (g == mx)
    h = (b - r) / delta + 2.0f;
  else
    h = (r - g) / delta + 4.0f;
  h = float(double(h) * (1.0 / 6.0));
  if (h < 0) h = h + 1.0f;
  out.h = h;
  return out;
}

namespace {
// Truncates toward zero and keeps the low 8 bits; values far out of range
// (which only hostile inputs produce) give 0 rather than undefined behaviour.
inline int channel8(float f) {
  if (!(f > -2147483648.0f && f < 2147483648.0f)) return 0;
  return int(f) & 0xFF;
}
}  // namespace

Color hsvToRgb(float h, float s, float v) {
  if (v == 0) return kBlack;
  if (s == 0) {
    const int g = channel8(v);
    return rgb(g, g, g);
  }
  if (h == 1) h = 0;
  const float h6 = h * 6;
  if (!(h6 > -8.0f && h6 < 8.0f)) return kBlack;  // NaN or a hue far out of range
  int i = int(h6);
  if (h6 < float(i)) --i;
  const float f = h6 - float(i);
  const float p = (1 - s) * v;
  const float q = (1 - s * f) * v;
  const float t = (1 - s * (1 - f)) * v;
  float r, g, b;
  switch (i) {
    case 0: r = v, g = t, b = p; break;
    case 1: r = q, g = v, b = p; break;
    case 2: r = p, g = v, b = t; break;
    case 3: r = p, g = q, b = v; break;
    case 4: r = t, g = p, b = v; break;
    case 5: r = v, g = p, b = q; break;
    default: return kBlack;
  }
  return rgb(channel8(r), channel8(g), channel8(b));
}

namespace {
inline float blendHue(float a, float b) {
  if (std::fabs(a - b) < 0.5f) return float((a + b) * 0.5);
  float h = a + b;
  if (h > 1) h = h - 1.0f;
  return h;
}
}  // namespace

HsvColor mixHsv(const HsvColor& a, const HsvColor& b) {
  return {blendHue(a.h, b.h), std::max(a.s, b.s), std::min(a.v, b.v)};
}

HsvColor averageHsv(const HsvColor& a, const HsvColor& b) {
  return {blendHue(a.h, b.h), float((a.s + b.s) * 0.5), float((a.v + b.v) * 0.5)};
}

Color mixColors(Color a, Color b) { return hsvToRgb(mixHsv(rgbToHsv(a), rgbToHsv(b))); }
Color averageColors(Color a, Color b) { return hsvToRgb(averageHsv(rgbToHsv(a), rgbToHsv(b))); }

}  // namespace pz

#include "paint/tools/blend_cache.h"

namespace pz {
BlendCache& mixCache() {
  static BlendCache cache(&mixColors);
  return cache;
}
BlendCache& averageCache() {
  static BlendCache cache(&averageColors);
  return cache;
}
}  // namespace pz
