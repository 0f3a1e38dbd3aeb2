#include "paint/files/builtin_pictures.h"

#include <QCoreApplication>
#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace pz {

namespace {

// Fills [from, to) split into n parts whose sizes differ by at most one pixel.
int cut(int from, int to, int n, int i) { return from + int((qint64(to - from) * i) / n); }

}  // namespace

QImage buttonPicture(ButtonPicture which) {
  const bool ok = which == ButtonPicture::Ok;
  QImage img(72, 40, QImage::Format_RGB32);
  img.fill(Qt::black);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  const QColor top = ok ? QColor(120, 230, 120) : QColor(255, 140, 130);
  const QColor bottom = ok ? QColor(20, 150, 40) : QColor(200, 30, 30);
  QLinearGradient g(0, 2, 0, 38);
  g.setColorAt(0, top);
  g.setColorAt(1, bottom);
  QPainterPath body;
  body.addRoundedRect(QRectF(2.5, 2.5, 67, 35), 14, 14);
  p.fillPath(body, g);
  p.setPen(QPen(QColor(255, 255, 255, 200), 2));
  p.drawPath(body);
  // A small shine on the upper half makes it read as a button.
  QPainterPath shine;
  shine.addRoundedRect(QRectF(8, 5, 56, 12), 6, 6);
  p.fillPath(shine, QColor(255, 255, 255, 70));
  QFont f(QStringLiteral("DejaVu Sans"));
  f.setPixelSize(ok ? 19 : 15);
  f.setBold(true);
  p.setFont(f);
  p.setPen(QColor(0, 0, 0, 90));
  const QString word = ok ? QCoreApplication::translate("pz::Files", "OK") : QCoreApplication::translate("pz::Files", "Cancel");
  p.drawText(QRectF(1, 1, 72, 40), Qt::AlignCenter, word);
  p.setPen(Qt::white);
  p.drawText(QRectF(0, 0, 72, 40), Qt::AlignCenter, word);
  return img;
}

QImage previewPlaceholder() {
  QImage img(219, 215, QImage::Format_RGB32);
  img.fill(QColor(20, 20, 40));
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  // An easel with a blank sheet and a few crayons.
  p.setPen(QPen(QColor(170, 110, 60), 7, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(70, 170), QPointF(95, 30));
  p.drawLine(QPointF(150, 170), QPointF(125, 30));
  p.drawLine(QPointF(110, 40), QPointF(110, 175));
  p.setPen(QPen(QColor(60, 60, 60), 2));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(52, 38, 116, 96));
  const QColor crayons[] = {QColor(230, 40, 40), QColor(250, 200, 30), QColor(40, 160, 230), QColor(60, 190, 80)};
  for (int i = 0; i < 4; ++i) {
    p.setPen(Qt::NoPen);
    p.setBrush(crayons[i]);
    p.drawEllipse(QPointF(78 + 21 * i, 86), 8, 8);
  }
  QFont f(QStringLiteral("DejaVu Sans"));
  f.setPixelSize(13);
  f.setBold(true);
  p.setFont(f);
  p.setPen(QColor(0, 230, 230));
  p.drawText(QRectF(0, 180, 219, 30), Qt::AlignCenter, QCoreApplication::translate("pz::Files", "Click a name to see it"));
  return img;
}

Surface paletteGrid(int w, int h, int cols, int rows, const std::vector<Color>& colors, Color gapColor, int gap) {
  Surface s(w, h, gapColor);
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < cols; ++c) {
      const std::size_t i = std::size_t(r) * std::size_t(cols) + std::size_t(c);
      const Color color = i < colors.size() ? colors[i] : kWhite;
      Rect cell{cut(0, w, cols, c), cut(0, h, rows, r), cut(0, w, cols, c + 1), cut(0, h, rows, r + 1)};
      cell.left += gap;
      cell.top += gap;
      if (c == cols - 1) cell.right -= gap;
      if (r == rows - 1) cell.bottom -= gap;
      s.fillRect(cell, color);
    }
  }
  return s;
}

const std::vector<Color>& favoriteColors() {
  static const std::vector<Color> colors = {
      // reds and pinks
      rgb(255, 0, 0), rgb(200, 20, 40), rgb(255, 87, 128), rgb(255, 160, 190), rgb(255, 0, 150), rgb(140, 0, 40),
      // oranges and yellows
      rgb(255, 128, 0), rgb(255, 170, 60), rgb(255, 210, 0), rgb(255, 240, 100), rgb(255, 250, 190), rgb(240, 180, 0),
      // greens
      rgb(0, 160, 0), rgb(90, 210, 60), rgb(170, 240, 120), rgb(0, 100, 40), rgb(130, 160, 0), rgb(0, 200, 150),
      // blues
      rgb(0, 60, 220), rgb(30, 140, 255), rgb(130, 200, 255), rgb(0, 30, 110), rgb(0, 190, 230), rgb(90, 90, 255),
      // purples
      rgb(130, 40, 200), rgb(180, 110, 255), rgb(220, 180, 255), rgb(80, 0, 120), rgb(200, 60, 200), rgb(255, 140, 255),
      // browns and skin tones
      rgb(120, 70, 20), rgb(170, 110, 50), rgb(210, 160, 100), rgb(255, 220, 180), rgb(240, 190, 150), rgb(90, 50, 30),
      // sky, sea and earth
      rgb(180, 230, 255), rgb(0, 120, 140), rgb(60, 40, 10), rgb(200, 200, 140), rgb(250, 128, 114), rgb(255, 200, 200),
      // greys, black and white
      rgb(0, 0, 0), rgb(70, 70, 70), rgb(128, 128, 128), rgb(190, 190, 190), rgb(230, 230, 230), rgb(255, 255, 255),
  };
  return colors;
}

Surface builtinPalette() { return paletteGrid(300, 389, 6, 8, favoriteColors(), kPaletteGutter, 3); }

}  // namespace pz
