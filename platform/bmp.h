// Windows bitmap files: read every common variant, write 24-bit.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "platform/surface.h"

namespace pz {

// Largest side and pixel count a reader accepts; anything larger is refused
// rather than allowed to exhaust memory.
constexpr int kMaxImageSide = 16000;
constexpr long long kMaxImagePixels = 16000LL * 12000LL;

// Decodes a BMP held in memory: 1/4/8/16/24/32 bits, BI_RGB, RLE4, RLE8 and
// bit fields, bottom-up or top-down. On failure returns nothing and, when
// given, sets *error to a short reason.
std::optional<Surface> decodeBmp(const QByteArray& bytes, QString* error = nullptr);

// Reads a BMP file. On failure returns nothing and sets *error to a message
// naming the file.
std::optional<Surface> readBmp(const QString& path, QString* error = nullptr);

// Encodes a surface as a bottom-up 24-bit BMP.
QByteArray encodeBmp24(const Surface& s);

// Writes a 24-bit BMP; false when the file could not be written completely.
bool writeBmp24(const QString& path, const Surface& s);

}  // namespace pz
