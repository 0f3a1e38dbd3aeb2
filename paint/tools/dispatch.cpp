#include "paint/tools/dispatch.h"

namespace pz {

void toolStep(PaintState& st, int x, int y, int phase) {
  // The painting operations arrive with the tools library; until then only
  // the bucket paints.
  switch (st.currentTool) {
    case ToolBucket: {
      const Color c = st.pictureBmp.pixel(x, y);
      if (c == kBlack || c == kInvalid) return;
      st.pictureBmp.brush.color = st.currentColor;
      st.pictureBmp.floodFillSurface(x, y, c);
      break;
    }
    default: (void)phase; break;
  }
}

}  // namespace pz
