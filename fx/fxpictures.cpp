#include "fx/fxpictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygon>

#include "fx/textdraw.h"

namespace fx {

namespace {
constexpr pz::Color kPurple = 0x612D80, kGreen = 0x88C826, kGrey = 0x808080, kSilver = 0xC0C0C0;

QColor qc(pz::Color c) { return QColor(pz::redOf(c), pz::greenOf(c), pz::blueOf(c)); }

QImage selectButton(FxPicture which) {
  QImage img(31, 31, QImage::Format_RGB32);
  img.fill(qc(kSilver));
  QPainter p(&img);
  p.fillRect(4, 4, 23, 23, Qt::white);
  p.setPen(qc(kGrey));
  p.drawRect(4, 4, 22, 22);
  // A little picture (a sun over a hill) inside the frame, so each mode shows
  // what part of a picture it takes.
  p.setPen(Qt::NoPen);
  p.setBrush(qc(0x00C0FF));
  p.drawEllipse(8, 8, 7, 7);
  p.setBrush(qc(0x40A040));
  p.drawRect(5, 19, 21, 7);
  QPen dash(Qt::black, 1, Qt::DashLine);
  switch (which) {
    case FxPicture::RectSelect:
      p.setPen(dash);
      p.setBrush(Qt::NoBrush);
      p.drawRect(7, 7, 16, 15);
      break;
    case FxPicture::IrregSelect: {
      p.setPen(dash);
      p.setBrush(Qt::NoBrush);
      QPainterPath path;
      path.moveTo(8, 14);
      path.cubicTo(6, 5, 20, 4, 22, 10);
      path.cubicTo(25, 16, 20, 24, 14, 22);
      path.cubicTo(8, 21, 10, 17, 8, 14);
      p.drawPath(path);
      break;
    }
    case FxPicture::WholeSelect:
      p.setPen(QPen(Qt::black, 1, Qt::DashLine));
      p.setBrush(Qt::NoBrush);
      p.drawRect(2, 2, 26, 26);
      break;
    case FxPicture::MarkerArrow:
      break;
  }
  return img;
}

QImage markerArrow() {
  QImage img(31, 17, QImage::Format_ARGB32_Premultiplied);
  img.fill(Qt::transparent);
  QPainter p(&img);
  p.setPen(Qt::black);
  p.setBrush(QColor(220, 30, 30));
  const QPolygon arrow({{15, 1}, {27, 11}, {20, 11}, {20, 16}, {10, 16}, {10, 11}, {3, 11}});
  p.drawPolygon(arrow);
  return img;
}
}  // namespace

QImage fxPicture(FxPicture which) {
  return which == FxPicture::MarkerArrow ? markerArrow() : selectButton(which);
}

QImage effectsStrip(int width, int height) {
  pz::Surface s(width, height, pz::kWhite);
  const TextStyle style{QStringLiteral("DejaVu Sans"), true, false};
  const float w = float(width) / 6.0f;
  auto cellLeft = [&](int i) { return int(w * float(i)); };
  auto draw = [&](const QString& t, int x, int y, int h, TextAlign a, pz::Color c, int esc = 0) {
    paintText(s, style, TextDraw{t, x, y, h, a, c, esc});
  };
  const int base = height - 10;
  // 1 plain
  draw("Ab", cellLeft(0) + 4, base, -20, TextAlign::BaselineLeft, kPurple);
  // 2 drop shadow
  draw("Ab", cellLeft(1) + 7, base + 3, -20, TextAlign::BaselineLeft, kGreen);
  draw("Ab", cellLeft(1) + 4, base, -20, TextAlign::BaselineLeft, kPurple);
  // 3 trail: copies growing towards the final letter
  for (int i = 0; i <= 10; ++i) draw("A", cellLeft(2) + 18, height - 2 - i, 16 + i, TextAlign::BaselineCenter, kGreen);
  draw("A", cellLeft(2) + 18, height - 12, 26, TextAlign::BaselineCenter, kPurple);
  // 4 rotated
  draw("Ab", cellLeft(3) + 18, base + 2, -18, TextAlign::BaselineCenter, kPurple, 450);
  // 5 block shadow
  for (int i = 0; i <= 4; ++i) draw("Ab", cellLeft(4) + 3 + i, base - 4 + i, -18, TextAlign::BaselineLeft, kGreen);
  draw("Ab", cellLeft(4) + 8, base + 1, -18, TextAlign::BaselineLeft, kPurple);
  // 6 vertical
  draw("A", cellLeft(5) + 18, 18, -16, TextAlign::BaselineCenter, kPurple);
  draw("B", cellLeft(5) + 18, 35, -16, TextAlign::BaselineCenter, kPurple);
  // Thin separators between the samples.
  for (int i = 1; i < 6; ++i)
    for (int y = 0; y < height; ++y) s.setPixel(cellLeft(i), y, kSilver);
  QImage img = s.toRgb32();
  QPainter p(&img);
  p.setPen(qc(kGrey));
  p.drawRect(0, 0, width - 1, height - 1);
  return img;
}

}  // namespace fx
