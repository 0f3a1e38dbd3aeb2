#include "art/draw.h"

namespace pz::art {

QImage crispPicture(int w, int h, const std::function<void(QPainter&)>& draw) {
  QImage img(w, h, QImage::Format_ARGB32);
  img.fill(Qt::transparent);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing, false);
  draw(p);
  p.end();
  return img;
}

Surface spriteFromPicture(const QImage& picture50) {
  Surface s(150, 50, kWhite);
  for (int y = 0; y < 50; ++y)
    for (int x = 0; x < 50; ++x) {
      const QRgb c = picture50.pixel(x, y);
      if (qAlpha(c) >= 128) {
        s.setPixel(x, y, rgb(qRed(c), qGreen(c), qBlue(c)));
        s.setPixel(50 + x, y, kBlack);
      } else {
        s.setPixel(x, y, kBlack);
        s.setPixel(50 + x, y, kWhite);
      }
    }
  return s;
}

void outlined(QPainter& p, const QPolygonF& poly, const QColor& fill, const QColor& line) {
  p.setPen(QPen(line, 1));
  p.setBrush(fill);
  p.drawPolygon(poly);
}

}  // namespace pz::art
