// PinzFX's small pictures, drawn by code: the selection mode buttons, the
// marker arrow and the strip of six text effect samples.
#pragma once

#include <QImage>

namespace fx {

enum class FxPicture { RectSelect, IrregSelect, WholeSelect, MarkerArrow };

QImage fxPicture(FxPicture which);
// The 220 x 40 strip: six samples side by side, left to right effects 1..6.
QImage effectsStrip(int width = 220, int height = 40);

}  // namespace fx
