#include "fx/texteffects.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace fx {

namespace {
// Round to nearest, halves to even (the default rounding mode).
int roundEven(float v) { return int(std::lrint(v)); }

struct Step {
  int dx, dy;
};
Step unitStep(int dir) {
  switch (dir) {
    case DirUL: return {-1, -1};
    case DirUC: return {0, -1};
    case DirUR: return {1, -1};
    case DirL: return {-1, 0};
    case DirR: return {1, 0};
    case DirLL: return {-1, 1};
    case DirLC: return {0, 1};
    default: return {1, 1};  // DirLR
  }
}

TextDraw out(const EffectInput& in, int x, int y, int height, TextAlign a, pz::Color c, int esc = 0) {
  return TextDraw{in.text, x, y, height, a, c, esc};
}

void blockShadow(TextPlan& plan, const EffectInput& in, int x, int y, int px) {
  const int d = in.depth;
  const int h = -px;
  auto shadow = [&](int sx, int sy) { plan.push_back(out(in, sx, sy, h, TextAlign::LeftTop, in.back)); };
  for (int i = 0; i <= d; ++i) {
    switch (in.dir) {
      case DirUL: shadow(x + i, y + i); break;
      case DirUC: shadow(x, y + i); break;
      case DirUR: shadow(x - i, y + i); break;
      case DirL: shadow(x + i, y); break;
      case DirR: shadow(x - i, y); break;
      case DirLL: shadow(x + i, y + d + 1 - i); break;
      case DirLC: shadow(x, y + d + 1 - i); break;
      default: shadow(x + d + 1 - i, y + d + 1 - i); break;  // DirLR
    }
  }
  int fx = x, fy = y;
  switch (in.dir) {
    case DirUL: fx = x + d + 1; fy = y + d + 1; break;
    case DirUC: fy = y + d + 1; break;
    case DirUR: fx = x - d - 1; fy = y + d + 1; break;
    case DirL: fx = x + d + 1; break;
    case DirR: fx = x - d - 1; break;
    case DirLL: fx = x + d + 1; break;
    default: break;  // DirLC, DirLR: the text stays at (x, y)
  }
  plan.push_back(out(in, fx, fy, h, TextAlign::LeftTop, in.fore));
}

void trail(TextPlan& plan, const EffectInput& in, int left, int top, int right, int bottom) {
  const int target = right - left;
  const int px = fitFontHeight(in, target, 2);
  const int s = target / 8;
  int ax;
  TextAlign align;
  switch (in.dir) {
    case DirUL: case DirLL: ax = left; align = TextAlign::BaselineLeft; break;
    case DirUC: case DirLC: ax = left + (right - left) / 2; align = TextAlign::BaselineCenter; break;
    case DirUR: case DirLR: ax = right; align = TextAlign::BaselineRight; break;
    default: return;  // left and right are not trail directions
  }
  const bool upward = in.dir == DirUL || in.dir == DirUC || in.dir == DirUR;
  for (int i = 0; i <= s; ++i) {
    const int h = px - s + i;
    if (h <= 0) continue;
    plan.push_back(out(in, ax, upward ? bottom - i : top + i, h, align, in.back));
  }
  plan.push_back(out(in, ax, upward ? bottom - s : top + s, px, align, in.fore));
}
}  // namespace

int measureTextWidth(const EffectInput& in, int px) { return textWidth(makeFont(in.style, -px), in.text); }

int fitFontHeight(const EffectInput& in, int target, int G) {
  return fitFontHeight(target, G, in.k, [&in](int px) { return measureTextWidth(in, px); });
}

int fitFontHeight(int target, int G, float k, const std::function<int(int px)>& measure) {
  int lo = 2, hi = 152, px = 10;
  for (;;) {
    if (std::abs(hi - lo) < 2) break;
    const int mid = lo + (hi - lo) / 2;
    px = roundEven(float(mid) * k);
    const int m = measure(px);
    if (m == target) break;
    if (m > target)
      hi = mid;
    else
      lo = mid;
    if (std::abs(hi - lo) < G) break;
  }
  return px;
}

TextPlan planDragEffect(int tool, const EffectInput& in, Point p1, Point p2) {
  TextPlan plan;
  if (in.text.isEmpty()) return plan;
  const int left = std::min(p1.x, p2.x), right = std::max(p1.x, p2.x);
  const int top = std::min(p1.y, p2.y), bottom = std::max(p1.y, p2.y);
  const int target = right - left;
  switch (tool) {
    case EffectPlain: {
      const int px = fitFontHeight(in, target, 2);
      plan.push_back(out(in, left, top, -px, TextAlign::LeftTop, in.fore));
      break;
    }
    case EffectDropShadow: {
      const int px = fitFontHeight(in, target, 3);
      const Step st = unitStep(in.dir);
      plan.push_back(out(in, left + st.dx * in.depth, top + st.dy * in.depth, -px, TextAlign::LeftTop, in.back));
      plan.push_back(out(in, left, top, -px, TextAlign::LeftTop, in.fore));
      break;
    }
    case EffectTrail:
      trail(plan, in, left, top, right, bottom);
      break;
    case EffectBlockShadow:
      blockShadow(plan, in, left, top, fitFontHeight(in, target, 3));
      break;
    default:
      break;
  }
  return plan;
}

TextPlan planClickEffect(int tool, const EffectInput& in, Point p) {
  TextPlan plan;
  if (in.text.isEmpty()) return plan;
  const int height = -roundEven(float(in.sizePoints) * in.k);
  if (tool == EffectRotated) {
    plan.push_back(out(in, p.x, p.y, height, TextAlign::BaselineCenter, in.fore, in.angle * 10));
  } else if (tool == EffectVertical) {
    const int h = textExtentHeight(makeFont(in.style, height));
    // One character per line; split by code points so a character outside the
    // basic plane stays whole.
    const QList<uint> chars = in.text.toUcs4();
    const int L = int(chars.size());
    for (int j = 0; j < L; ++j) {
      TextDraw d = out(in, p.x, p.y + h - (L * h) / 2 + j * h, height, TextAlign::BaselineCenter, in.fore);
      const char32_t c = char32_t(chars[j]);
      d.text = QString::fromUcs4(&c, 1);
      plan.push_back(d);
    }
  }
  return plan;
}

}  // namespace fx
