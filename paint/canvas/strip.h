// The control strip's rules as plain functions: which band of the options
// art belongs to a setting, which setting a click picks, and the
// brighten/darken channel steps.
#pragma once

#include "platform/surface.h"

namespace pz {

int brushSizeForBand(int band);      // 0, 1, 2 -> 50, 26, 14; else 0
int sizesBandRow(int brushSize);     // row in a1.pzl, -1 when none
int widthsBandRow(int strokeWidth);  // row in a12.pzl, -1 when none
int razorBandRow(int razorMode);     // row in a11.pzl, -1 when none
int strokeWidthForX(int X);          // widths strip click; 0 outside 89..414
int razorModeForX(int X);            // razor strip click; 0 at X <= 81
int brightenChannel(int c);          // +10 while the result stays below 255
int darkenChannel(int c);            // -10 while the result stays above 0
Color adjustColor(Color c, bool brighten);

}  // namespace pz
