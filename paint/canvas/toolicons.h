// The tool chest's pictures, drawn by code: one 50 x 50 picture per tool, the
// mixing icon, the OK arrow and the paging glyphs. All have transparent
// backgrounds and are meant to sit on the chest's black.
#pragma once

#include <QImage>

namespace pz {

// The picture of a tool identifier (an empty 50 x 50 picture for an unknown one).
const QImage& toolIcon(int toolId);

// Two colours running together: marks the tools that mix as they paint.
QImage mixingIcon(int size = 48);

// The green "go" arrow of the OK image, 40 x 40.
QImage okArrow();

// Previous-page and next-page glyphs for the paging buttons, 16 x 16.
QImage pageGlyph(bool next);

}  // namespace pz
