// Tool identifiers: the small integers stored in currentTool. They are not
// contiguous; a value without a tool does nothing at a pointer point.
#pragma once

namespace pz {

enum ToolId : int {
  ToolPastel = 1,
  ToolTextureBrush = 3,
  ToolWaterPen = 4,
  ToolAreaSelect = 7,
  ToolRazor = 9,
  ToolAcrylicPaint = 11,
  ToolBucket = 14,
  ToolBlackPencil = 15,
  ToolBlackEraser = 16,
  ToolColorEraser = 17,
  ToolPastelMix = 18,
  ToolWaterPenMix = 19,
  ToolSprayPaint = 20,
  ToolWandStars = 21,
  ToolReplacementPaint = 22,
  ToolDropper = 23,
  ToolOilPaint = 24,
  ToolSprayPaintMix = 25,
  ToolZoomRect = 26,
  ToolPastePlace = 27,
};

}  // namespace pz
