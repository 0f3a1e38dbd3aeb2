// The system clipboard as both programs use it: one bitmap in, one bitmap out.
// Images that other programs offer (PNG, BMP, ...) read as bitmaps too.
#pragma once

#include <QSize>
#include <optional>

#include "platform/surface.h"

namespace pz {

bool clipboardHasImage();
// The size of the clipboard's image as its encoded form tells it, read
// without decoding the pixels; an empty size when the clipboard does not say.
// Lets a caller refuse an image too large to hold before it is decoded.
QSize clipboardImageSize();
// The clipboard's image, alpha laid over white; nothing when it holds none
// or it cannot be decoded. An image whose encoded form announces a size
// within `allowed` is decoded whatever Qt's own allocation limit for images
// says (the caller has decided it can hold that much); any other image only
// within that limit.
std::optional<Surface> clipboardImage(QSize allowed = {});
// Empties the clipboard and puts one bitmap on it.
void setClipboardImage(const Surface& s);

}  // namespace pz
