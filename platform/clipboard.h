// The system clipboard as both programs use it: one bitmap in, one bitmap out.
// Images that other programs offer (PNG, BMP, ...) read as bitmaps too.
#pragma once

#include <optional>

#include "platform/surface.h"

namespace pz {

bool clipboardHasImage();
// The clipboard's image, alpha laid over white; nothing when it holds none.
std::optional<Surface> clipboardImage();
// Empties the clipboard and puts one bitmap on it.
void setClipboardImage(const Surface& s);

}  // namespace pz
