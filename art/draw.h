// Small drawing helpers shared by the art files: crisp (non-antialiased)
// painting on an image, and the conversion of a drawn picture into the
// image-and-mask layout of a pointer sprite.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPolygonF>
#include <functional>

#include "platform/surface.h"

namespace pz::art {

// A transparent w x h picture painted by `draw` with antialiasing off, so
// every pixel is either fully covered or not at all.
QImage crispPicture(int w, int h, const std::function<void(QPainter&)>& draw);

// Sprite layout of 150 x 50: columns 0-49 hold the picture with black where
// nothing was drawn, columns 50-99 the mask (black under the picture, white
// elsewhere), columns 100-149 stay white for the saved background.
Surface spriteFromPicture(const QImage& picture50);

// An outlined polygon in one colour.
void outlined(QPainter& p, const QPolygonF& poly, const QColor& fill, const QColor& line = Qt::black);

}  // namespace pz::art
