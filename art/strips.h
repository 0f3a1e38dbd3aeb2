// The options strips of the control strip and the blank sheet.
#pragma once

#include "platform/surface.h"

namespace pz::art {

// Brush sizes: three bands of 85 x 75 (sizes 50, 26, 14 chosen), each showing
// three dabs stacked in rows of 25 pixels, the chosen one lit.
Surface brushSizesStrip();

// Razor modes: four bands of 320 x 50 (modes 1, 2, 5, 6 chosen); each band
// shows the four arrows in the cells the strip's clicks use.
Surface razorModesStrip();

// Stroke widths: eight bands of 325 x 54 at kWidthBandRows; each shows the
// eight widths as lines in cells 41 pixels wide.
Surface widthsStrip();
inline constexpr int kWidthBandRows[8] = {0, 56, 110, 165, 220, 275, 330, 385};
inline constexpr int kWidths[8] = {2, 3, 4, 5, 6, 7, 8, 10};

// Left edges of the razor cells inside a band (the last one runs to 320).
inline constexpr int kRazorCellLeft[5] = {0, 74, 154, 234, 320};

// The blank sheet: 50 x 50 white.
Surface blankSheet();

}  // namespace pz::art
