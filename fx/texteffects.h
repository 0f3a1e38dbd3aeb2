// The six text effects as plans of text outputs, and the font fitting that
// sizes the drag-placed ones to the dragged width.
#pragma once

#include <functional>

#include "fx/selection.h"
#include "fx/textdraw.h"
#include "fx/textstate.h"

namespace fx {

// Everything a renderer reads from the page.
struct EffectInput {
  QString text;
  TextStyle style;
  pz::Color fore = pz::kBlack, back = pz::kWhite;
  int depth = 1;
  int dir = DirUL;
  float k = 96.0f / 72.0f;  // logical pixels per inch / 72
  int sizePoints = 8;       // the size list's value (click effects)
  int angle = 0;            // degrees (rotated effect)
};

// The width of the whole text at character height px.
int measureTextWidth(const EffectInput& in, int px);
// Binary search over point sizes for the character height whose width comes
// nearest `target`; G is the gap at which the search stops.
int fitFontHeight(const EffectInput& in, int target, int G);
// The same search over any width measure (width at character height px).
int fitFontHeight(int target, int G, float k, const std::function<int(int px)>& measure);

// Drag-placed effects (1, 2, 3, 5) between the press and release positions;
// click-placed ones (4, 6) at the click. Empty text or another tool: no output.
TextPlan planDragEffect(int tool, const EffectInput& in, Point p1, Point p2);
TextPlan planClickEffect(int tool, const EffectInput& in, Point p);

}  // namespace fx
