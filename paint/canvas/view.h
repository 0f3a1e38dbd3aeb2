// The arithmetic of the view: zoom factors, scroll ranges and the mapping
// from surface to picture coordinates, as plain functions.
#pragma once

#include "paint/tools/paint_state.h"

namespace pz {

// Picture pixels per surface pixel for a zoom code (4 1:1, 2 2x, 3 4x, 6 half).
double zoomFactorOf(int zoomState);

struct ScrollRange {
  int maximum = 0;
  int largeStep = 0;
};
// The range of one scroll bar for a picture side, a surface side and a level.
ScrollRange scrollRangeFor(int pictureSide, int surfaceSide, int zoomState);

// Surface point -> picture point at a level and scroll position.
Point surfaceToPicture(int X, int Y, int hpos, int vpos, int zoomState);

// The level chosen for a zoom rectangle `w` picture pixels wide on a surface
// W wide; 0 when nothing changes.
int zoomLevelForWidth(int w, int W);

// The zoom buttons' table: the new level for a press on each button.
int zoomInFrom(int zoomState);
int zoomOutFrom(int zoomState);

}  // namespace pz
