// One pointer point handed to the current tool.
#pragma once

#include "paint/tools/paint_state.h"

namespace pz {

// At phase 1 (press) runs the tool's stroke-start operation, then at every
// phase its per-point operation at picture point (x, y).
void toolStep(PaintState& st, int x, int y, int phase);

}  // namespace pz
