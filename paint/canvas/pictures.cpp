#include "paint/canvas/pictures.h"

#include <QPainter>

namespace pz {

namespace {
QSize sizeOf(StripPicture p) {
  switch (p) {
    case StripPicture::ZoomIn:
    case StripPicture::ZoomOut:
    case StripPicture::NoZoom: return {17, 16};
    case StripPicture::ColorBox: return {50, 50};
    case StripPicture::Brighten: return {15, 17};
    case StripPicture::Darken: return {17, 19};
    case StripPicture::ToolChest: return {50, 51};
    case StripPicture::About: return {36, 36};
    case StripPicture::OpenSave: return {55, 39};
    case StripPicture::Help: return {44, 39};
    case StripPicture::Quit: return {40, 35};
    case StripPicture::AboutPicture: return {421, 239};
  }
  return {1, 1};
}
}  // namespace

QImage stripPicture(StripPicture which) {
  QImage img(sizeOf(which), QImage::Format_RGB32);
  img.fill(Qt::black);
  QPainter p(&img);
  p.setPen(QPen(Qt::white, 1));
  p.setBrush(QColor(0, 128, 128));
  p.drawRect(img.rect().adjusted(0, 0, -1, -1));
  return img;
}

}  // namespace pz
