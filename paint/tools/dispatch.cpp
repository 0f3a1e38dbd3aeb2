#include "paint/tools/dispatch.h"

#include "paint/tools/brushes.h"

namespace pz {

void toolStep(PaintState& st, int x, int y, int phase) {
  const bool press = phase == PhasePress;
  switch (st.currentTool) {
    case ToolPastel:
      paintPastel(st, x, y);
      break;
    case ToolTextureBrush:
      paintTexture(st, x, y);
      break;
    case ToolWaterPen:
      if (press) prepareWaterBrush(st);
      paintWaterPen(st, x, y);
      break;
    case ToolRazor:
      shaveRazor(st, x, y);
      break;
    case ToolAcrylicPaint:
      if (press) prepareShades(st);
      paintAcrylic(st, x, y);
      break;
    case ToolBucket:
      fillBucket(st, x, y);
      st.stroking = 0;
      break;
    case ToolBlackPencil:
      if (press) st.lastPoint = {x, y};
      drawPencilLine(st, x, y);
      st.lastPoint = {x, y};
      break;
    case ToolBlackEraser:
      eraseSquare(st, x, y, 1);
      break;
    case ToolColorEraser:
      eraseSquare(st, x, y, 2);
      break;
    case ToolPastelMix:
      paintPastelMix(st, x, y);
      break;
    case ToolWaterPenMix:
      if (press) prepareWaterBrush(st);
      paintWaterPenMix(st, x, y);
      break;
    case ToolSprayPaint:
      sprayPaintSingle(st, x, y);
      sprayPaintMix(st, x, y);
      break;
    case ToolWandStars:
      drawWandStar(st, x, y);
      break;
    case ToolReplacementPaint:
      paintReplacement(st, x, y, phase);
      break;
    case ToolOilPaint:
      if (press) prepareOilBrush(st);
      paintOil(st, x, y);
      break;
    case ToolSprayPaintMix:
      sprayPaintMix(st, x, y);
      break;
    default:  // dropper, area select, zoom rectangle, paste, unused values
      return;
  }
  // Every painting tool may have changed a pixel; whether it really did is
  // not worth finding out.
  st.pictureChanged = true;
}

}  // namespace pz
