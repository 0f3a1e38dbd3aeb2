#include "paint/tools/tool_table.h"

#include <QtGlobal>
#include <iterator>

#include "paint/tools/tool_ids.h"

namespace pz {

namespace {
constexpr ToolInfo kTools[] = {
    {ToolPastel, QT_TRANSLATE_NOOP("pz::Tools", "Pastel"), "Image4", QT_TRANSLATE_NOOP("pz::Tools", "Pastel -- applies like a crayon"), 6, 1},
    {ToolTextureBrush, QT_TRANSLATE_NOOP("pz::Tools", "Texture Brush"), "Image2",
     QT_TRANSLATE_NOOP("pz::Tools", "Texture Brush -- use to apply natural organic textures as paint"), 2, 1},
    {ToolWaterPen, QT_TRANSLATE_NOOP("pz::Tools", "Water Pen"), "Image5", QT_TRANSLATE_NOOP("pz::Tools", "Water Pen -- applies color transparently"), 2, 1},
    {ToolAreaSelect, QT_TRANSLATE_NOOP("pz::Tools", "Rectangular Area Select"), "Image16", QT_TRANSLATE_NOOP("pz::Tools", "Rectangular Area Select"), 8, 0},
    {ToolRazor, QT_TRANSLATE_NOOP("pz::Tools", "Razor"), "Image6", QT_TRANSLATE_NOOP("pz::Tools", "Razor -- shave color away from black lines"), 4, 3},
    {ToolAcrylicPaint, QT_TRANSLATE_NOOP("pz::Tools", "Acrylic Paint"), "Image1", QT_TRANSLATE_NOOP("pz::Tools", "Acrylic Paint -- applies color dry (doesn't mix.)"), 2, 1},
    {ToolBucket, QT_TRANSLATE_NOOP("pz::Tools", "Bucket"), "Image8", QT_TRANSLATE_NOOP("pz::Tools", "Bucket -- fill area with color"), 9, 0},
    {ToolBlackPencil, QT_TRANSLATE_NOOP("pz::Tools", "Black Pencil"), "Image7", QT_TRANSLATE_NOOP("pz::Tools", "Black Pencil -- draw black lines"), 1, 2},
    {ToolBlackEraser, QT_TRANSLATE_NOOP("pz::Tools", "Black Eraser"), "Image9", QT_TRANSLATE_NOOP("pz::Tools", "Black Eraser -- erase black lines only"), 7, 2},
    {ToolColorEraser, QT_TRANSLATE_NOOP("pz::Tools", "Color Eraser"), "Image10", QT_TRANSLATE_NOOP("pz::Tools", "Color Eraser -- erase color only"), 7, 2},
    {ToolPastelMix, QT_TRANSLATE_NOOP("pz::Tools", "Pastel (mixing)"), "Image11", QT_TRANSLATE_NOOP("pz::Tools", "Pastel -- applies like a crayon but mixes upon contact"), 6, 1},
    {ToolWaterPenMix, QT_TRANSLATE_NOOP("pz::Tools", "Water Pen (mixing)"), "Image12", QT_TRANSLATE_NOOP("pz::Tools", "Water Pen -- mixes colors with transparency"), 2, 1},
    {ToolSprayPaint, QT_TRANSLATE_NOOP("pz::Tools", "Spray Paint"), "Image23", QT_TRANSLATE_NOOP("pz::Tools", "Spray Paint -- single color, no mixing"), 5, 2},
    {ToolWandStars, QT_TRANSLATE_NOOP("pz::Tools", "Wand Stars"), "Image14", QT_TRANSLATE_NOOP("pz::Tools", "Wand Stars -- create the sparkles that come from a wand"), 1, 2},
    {ToolReplacementPaint, QT_TRANSLATE_NOOP("pz::Tools", "Replacement Paint"), "Image15",
     QT_TRANSLATE_NOOP("pz::Tools", "Replacement Paint -- replaces the color you click on with the chosen color"), 6, 1},
    {ToolDropper, QT_TRANSLATE_NOOP("pz::Tools", "Dropper"), "Image18", QT_TRANSLATE_NOOP("pz::Tools", "Dropper -- pick up color"), 3, 0},
    {ToolOilPaint, QT_TRANSLATE_NOOP("pz::Tools", "Oil Paint"), "Image22", QT_TRANSLATE_NOOP("pz::Tools", "Oil Paint -- blends and mixes colors upon applying"), 2, 1},
    {ToolSprayPaintMix, QT_TRANSLATE_NOOP("pz::Tools", "Spray Paint (mixing)"), "Image13", QT_TRANSLATE_NOOP("pz::Tools", "Spray Paint -- spray a color and mix on contact"), 5, 2},
    {ToolZoomRect, QT_TRANSLATE_NOOP("pz::Tools", "Zoom Rectangle"), "", "", 11, 0},
    {ToolPastePlace, QT_TRANSLATE_NOOP("pz::Tools", "Paste"), "", "", 10, 0},
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
