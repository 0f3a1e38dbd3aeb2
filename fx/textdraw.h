// Lettering on a pixel surface the way the text page needs it: a font from a
// face, a height (negative: character height, positive: cell height), bold,
// italic and an escapement; glyphs only (transparent background) at a
// reference point with one of four alignments.
//
// Glyphs are drawn plain, without antialiasing: the lettering is pasted into a
// picture with white made transparent, and antialiased edges would leave a
// fringe of pale in-between colours there (a halo around every letter that no
// fill or transparency rule removes). Plain glyphs keep exactly two colours.
#pragma once

#include <QFont>
#include <QString>
#include <vector>

#include "platform/surface.h"

namespace fx {

struct TextStyle {
  QString face;
  bool bold = false;
  bool italic = false;
};

enum class TextAlign { LeftTop, BaselineLeft, BaselineCenter, BaselineRight };

// Font height < 0: the character height (the em) is -height pixels;
// > 0: the cell height (ascent + descent) is height pixels.
QFont makeFont(const TextStyle& style, int height);
// The advance width of the text in that font.
int textWidth(const QFont& font, const QString& text);
// The height of the text's extent: the font's cell height.
int textExtentHeight(const QFont& font);

// One text output: what a renderer plans and paintText carries out.
struct TextDraw {
  QString text;
  int x = 0, y = 0;
  int height = 0;  // font height as above
  TextAlign align = TextAlign::LeftTop;
  pz::Color color = pz::kBlack;
  int escapement = 0;  // tenths of a degree, counter-clockwise
  bool operator==(const TextDraw&) const = default;
};
using TextPlan = std::vector<TextDraw>;

void paintText(pz::Surface& target, const TextStyle& style, const TextDraw& d);
void paintPlan(pz::Surface& target, const TextStyle& style, const TextPlan& plan);

// The screen's logical pixels per inch divided by 72.
float screenPointScale();

}  // namespace fx
