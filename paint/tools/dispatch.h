// One pointer point of the current tool: the press work (phase PhasePress)
// then the per-point operation, in picture coordinates. The main window calls
// it for the press and every drag point; the stroke runner calls it the same way.
#pragma once

#include "paint/tools/paint_ops.h"
#include "paint/tools/paint_state.h"

namespace pz {

// phase: PhasePress (1) for the press point, PhaseDrag (2) for later points.
// The Bucket clears st.stroking after its fill: drag points of that stroke
// then do nothing. The dropper, area select, zoom rectangle, paste placement
// and identifiers without a tool do nothing here; the main window handles them.
void toolStep(PaintState& st, int x, int y, int phase);

}  // namespace pz
