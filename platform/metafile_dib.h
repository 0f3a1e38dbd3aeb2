// Device-independent bitmaps as metafiles carry them: an info header (12 or 40+
// bytes), masks and colour table, then the bits, either packed together or at
// separate offsets.
#pragma once

#include <QImage>

#include "platform/metafile_gdi.h"

namespace pz::mf {

// Largest bitmap a metafile may make the player decode.
constexpr long long kMaxDibPixels = 4096LL * 4096LL;

// The header with its colour table in `bmi`, the pixels in `bits`. A null
// image when the bitmap is damaged or too large.
QImage decodeDib(Bytes bmi, Bytes bits);
// A packed bitmap: header, colour table and pixels in one run.
QImage decodePackedDib(Bytes packed);
// The bits of a 1-bit bitmap whatever its colour table says: black where a
// bit is 0, white where it is 1. A null image for any other depth.
QImage decodeMonoDibBits(Bytes bmi, Bytes bits);
// A monochrome pattern as drawn: `zero` for the black pixels of a
// decodeMonoDibBits image, `one` for the white ones.
QImage colourMonoPattern(const QImage& bitsImage, QColor zero, QColor one);

}  // namespace pz::mf
