#include "paint/tools/tool_table.h"

#include "paint/tools/tool_ids.h"

namespace pz {

const ToolInfo kToolTable[20] = {
    {ToolPastel, "ToolPastel", "Image4", "Pastel -- applies like a crayon", 6, StripBrushSizes},
    {ToolTextureBrush, "ToolTextureBrush", "Image2",
     "Texture Brush -- use to apply natural organic textures as paint", 2, StripBrushSizes},
    {ToolWaterPen, "ToolWaterPen", "Image5", "Water Pen -- applies color transparently", 2, StripBrushSizes},
    {ToolAreaSelect, "ToolAreaSelect", "Image16", "Rectangular Area Select", 8, StripNone},
    {ToolRazor, "ToolRazor", "Image6", "Razor -- shave color away from black lines", 4, StripRazorModes},
    {ToolAcrylicPaint, "ToolAcrylicPaint", "Image1", "Acrylic Paint -- applies color dry (doesn't mix.)", 2,
     StripBrushSizes},
    {ToolBucket, "ToolBucket", "Image8", "Bucket -- fill area with color", 9, StripNone},
    {ToolBlackPencil, "ToolBlackPencil", "Image7", "Black Pencil -- draw black lines", 1, StripStrokeWidths},
    {ToolBlackEraser, "ToolBlackEraser", "Image9", "Black Eraser -- erase black lines only", 7, StripStrokeWidths},
    {ToolColorEraser, "ToolColorEraser", "Image10", "Color Eraser -- erase color only", 7, StripStrokeWidths},
    {ToolPastelMix, "ToolPastelMix", "Image11", "Pastel -- applies like a crayon but mixes upon contact", 6,
     StripBrushSizes},
    {ToolWaterPenMix, "ToolWaterPenMix", "Image12", "Water Pen -- mixes colors with transparency", 2,
     StripBrushSizes},
    {ToolSprayPaint, "ToolSprayPaint", "Image23", "Spray Paint -- single color, no mixing", 5, StripStrokeWidths},
    {ToolWandStars, "ToolWandStars", "Image14", "Wand Stars -- create the sparkles that come from a wand", 1,
     StripStrokeWidths},
    {ToolReplacementPaint, "ToolReplacementPaint", "Image15",
     "Replacement Paint -- replaces the color you click on with the chosen color", 6, StripBrushSizes},
    {ToolDropper, "ToolDropper", "Image18", "Dropper -- pick up color", 3, StripNone},
    {ToolOilPaint, "ToolOilPaint", "Image22", "Oil Paint -- blends and mixes colors upon applying", 2,
     StripBrushSizes},
    {ToolSprayPaintMix, "ToolSprayPaintMix", "Image13", "Spray Paint -- spray a color and mix on contact", 5,
     StripStrokeWidths},
    {ToolZoomRect, "ToolZoomRect", "", "", 11, StripUnchanged},
    {ToolPastePlace, "ToolPastePlace", "", "", 10, StripUnchanged},
};

const ToolInfo* toolInfo(int id) {
  for (const ToolInfo& t : kToolTable)
    if (t.id == id) return &t;
  return nullptr;
}

}  // namespace pz
