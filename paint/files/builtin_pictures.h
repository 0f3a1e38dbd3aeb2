// Pictures the files windows carry with them, drawn by code: the OK and
// Cancel pictures, the open window's placeholder preview and the colours
// window's built-in palette. The palette drawing is shared with the palette
// files generator, so the shipped favourite colours match the built-in ones.
#pragma once

#include <QImage>
#include <vector>

#include "platform/surface.h"

namespace pz {

enum class ButtonPicture { Ok, Cancel };

// 72 x 40 picture of a round button with its word.
QImage buttonPicture(ButtonPicture which);

// 219 x 215 preview shown until an entry of the open window is clicked.
QImage previewPlaceholder();

// A grid of `cols` x `rows` colour patches filling w x h exactly, separated by
// `gap` pixels of `gapColor` (also round the edge). Colours run row by row;
// missing ones are white. No antialiasing: every patch is one exact colour.
Surface paletteGrid(int w, int h, int cols, int rows, const std::vector<Color>& colors, Color gapColor,
                    int gap);

// The dark grey between and around palette patches. Never pure black: a
// click just off a patch would otherwise pick the colour of the drawings'
// lines, and paint of that colour then stops the bucket like a line does.
// Every part is 30 or more so that reopening a saved picture, which turns
// very dark pixels black, leaves it grey too.
inline constexpr Color kPaletteGutter = rgb(64, 64, 64);

// Pinzola's favourite colours, 6 across and 8 down.
const std::vector<Color>& favoriteColors();

// The colours window's built-in palette picture, 300 x 389.
Surface builtinPalette();

}  // namespace pz
