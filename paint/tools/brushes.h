// Stroke-start preparations: the shade table and the two prepared brushes.
// Each runs once at the press and reads the colour, brush size and water
// percentage of that moment.
#pragma once

#include "paint/tools/paint_state.h"

namespace pz {

constexpr int kBrushSide = 50;  // brushImage is always 50 x 50

// Ten shades of the current colour: 10 units below it to 8 above, step 2.
void prepareShades(PaintState& st);
// A white 50 x 50 brush with a disc of random shades centred at (24, 24).
void prepareOilBrush(PaintState& st);
// Concentric rings from the colour at the centre (h, h) toward the watered
// colour at radius h; shadeTable entries 0..h hold the ring colours.
void prepareWaterBrush(PaintState& st);

// The per-channel step of the water gradient (exposed for tests).
float waterStep(int channel, int waterPercent, int half);

// Makes sure brushImage is a 50 x 50 surface (its content is left alone).
void ensureBrushImage(PaintState& st);

}  // namespace pz
