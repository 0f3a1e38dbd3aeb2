// The commands of the small menu shown after an area selection: Delete, Cut,
// Copy and Save As Texture. They work on selPicture; the selection itself was
// put on the clipboard when it was made.
#pragma once

#include <QString>
#include <cstdint>

#include "paint/tools/paint_state.h"

namespace pz {

// The selection rectangle as a surface rectangle (right and bottom exclusive).
Rect selectionRect(const PaintState& st);

// The pixels of `r` in `picture`; what lies past the picture's edges is white.
Surface pictureBlock(const Surface& picture, const Rect& r);

// Delete and Cut: the selection becomes white (the clipboard keeps it).
void clearSelection(PaintState& st);

constexpr int kTextureSide = 50;

// Eight letters drawn from the program-wide generator (nextRandom): for each letter one
// number picks A..Z, the next makes it lower case when it ends in 0..4.
QString drawTextureName();

// The path of a new texture in `textureDir`: seeds the generator with `seed`
// (the clock's seconds), then draws names until one is free, so a texture is
// never replaced. Empty when no free name turned up.
QString newTexturePath(const QString& textureDir, std::uint64_t seed);

// Save As Texture once the question was answered Yes: writes the 50 x 50
// block at the selection's top-left (white past the picture's edges) to
// `path`; false when it could not be written.
bool writeSelectionTexture(const PaintState& st, const QString& path);

extern const char* const kTextureQuestion;

}  // namespace pz
