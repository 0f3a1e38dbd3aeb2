#include "paint/tools/tool_table.h"

#include <iterator>

#include "paint/tools/tool_ids.h"

namespace pz {

namespace {
constexpr ToolInfo kTools[] = {
    {ToolPastel, "Pastel", "Image4", "Pastel -- applies like a crayon", 6, 1},
    {ToolTextureBrush, "Texture Brush", "Image2",
     "Texture Brush -- use to apply natural organic textures as paint", 2, 1},
    {ToolWaterPen, "Water Pen", "Image5", "Water Pen -- applies color transparently", 2, 1},
    {ToolAreaSelect, "Rectangular Area Select", "Image16", "Rectangular Area Select", 8, 0},
    {ToolRazor, "Razor", "Image6", "Razor -- shave color away from black lines", 4, 3},
    {ToolAcrylicPaint, "Acrylic Paint", "Image1", "Acrylic Paint -- applies color dry (doesn't mix.)", 2, 1},
    {ToolBucket, "Bucket", "Image8", "Bucket -- fill area with color", 9, 0},
    {ToolBlackPencil, "Black Pencil", "Image7", "Black Pencil -- draw black lines", 1, 2},
    {ToolBlackEraser, "Black Eraser", "Image9", "Black Eraser -- erase black lines only", 7, 2},
    {ToolColorEraser, "Color Eraser", "Image10", "Color Eraser -- erase color only", 7, 2},
    {ToolPastelMix, "Pastel (mixing)", "Image11", "Pastel -- applies like a crayon but mixes upon contact", 6, 1},
    {ToolWaterPenMix, "Water Pen (mixing)", "Image12", "Water Pen -- mixes colors with transparency", 2, 1},
    {ToolSprayPaint, "Spray Paint", "Image23", "Spray Paint -- single color, no mixing", 5, 2},
    {ToolWandStars, "Wand Stars", "Image14", "Wand Stars -- create the sparkles that come from a wand", 1, 2},
    {ToolReplacementPaint, "Replacement Paint", "Image15",
     "Replacement Paint -- replaces the color you click on with the chosen color", 6, 1},
    {ToolDropper, "Dropper", "Image18", "Dropper -- pick up color", 3, 0},
    {ToolOilPaint, "Oil Paint", "Image22", "Oil Paint -- blends and mixes colors upon applying", 2, 1},
    {ToolSprayPaintMix, "Spray Paint (mixing)", "Image13", "Spray Paint -- spray a color and mix on contact", 5, 2},
    {ToolZoomRect, "Zoom Rectangle", "", "", 11, 0},
    {ToolPastePlace, "Paste", "", "", 10, 0},
};
}  // namespace

const ToolInfo* toolInfo(int id) {
  for (const ToolInfo& t : kTools)
    if (t.id == id) return &t;
  return nullptr;
}

const ToolInfo* toolTable(int* count) {
  if (count) *count = int(std::size(kTools));
  return kTools;
}

}  // namespace pz
