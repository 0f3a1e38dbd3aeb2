// Draws Pinzola's application icon — a painter's palette with six blobs of
// colour and a brush across it — at each requested size, straight onto the
// pixel grid of that size so the small icons stay crisp, and writes
// DIR/NxN/apps/pinzola.png for each. Usage: pinz-icongen DIR SIZE...
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>

namespace {

// The palette outline on a 100 x 100 design grid: a rounded blob with the
// thumb hole cut out and a notch on the right where the brush rests.
QPainterPath palettePath() {
  QPainterPath p;
  p.moveTo(50, 8);
  p.cubicTo(80, 8, 96, 28, 94, 52);
  p.cubicTo(92, 66, 80, 66, 74, 70);
  p.cubicTo(68, 74, 74, 86, 62, 92);
  p.cubicTo(40, 100, 6, 86, 6, 52);
  p.cubicTo(6, 26, 24, 8, 50, 8);
  p.closeSubpath();
  QPainterPath hole;
  hole.addEllipse(QPointF(58, 76), 7.5, 7.0);
  return p.subtracted(hole);
}

void drawIcon(QImage& img) {
  const int n = img.width();
  img.fill(Qt::transparent);
  QPainter g(&img);
  g.setRenderHint(QPainter::Antialiasing, true);
  g.scale(n / 100.0, n / 100.0);

  // Small sizes get a heavier outline, or the shape melts into the panel.
  const double outline = n <= 24 ? 7.0 : n <= 48 ? 4.5 : 3.0;
  g.setPen(QPen(QColor(0x5a, 0x3a, 0x1e), outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  g.setBrush(QColor(0xf2, 0xd2, 0x9b));
  g.drawPath(palettePath());

  struct Blob { double x, y, r; QRgb c; };
  const Blob blobs[] = {
      {30, 30, 9, qRgb(0xe5, 0x2b, 0x2b)}, {52, 22, 8.5, qRgb(0xff, 0xc4, 0x0e)},
      {73, 32, 8, qRgb(0x2f, 0xa8, 0x3c)}, {22, 54, 8.5, qRgb(0x24, 0x6b, 0xe0)},
      {33, 76, 8, qRgb(0x9b, 0x3c, 0xc8)}, {78, 52, 6.5, qRgb(0xff, 0x7f, 0x1e)}};
  const bool tiny = n <= 24;
  g.setPen(Qt::NoPen);
  for (const Blob& b : blobs) {
    g.setBrush(QColor(b.c));
    const double r = tiny ? b.r * 1.25 : b.r;
    g.drawEllipse(QPointF(b.x, b.y), r, r);
  }

  // The brush: a wooden handle, a metal ferrule and a red-loaded tip.
  g.translate(50, 55);
  g.rotate(-40);
  const double w = tiny ? 1.6 : 1.0;
  g.setPen(QPen(QColor(0x3a, 0x24, 0x10), tiny ? 3.0 : 2.0));
  g.setBrush(QColor(0xb0, 0x6a, 0x2c));
  g.drawRoundedRect(QRectF(-6 * w, -3.2 * w, 52, 6.4 * w), 3, 3);
  g.setBrush(QColor(0xc8, 0xc8, 0xd0));
  g.drawRect(QRectF(-16, -3.6 * w, 10, 7.2 * w));
  QPainterPath tip;
  tip.moveTo(-16, -3.6 * w);
  tip.cubicTo(-26, -4 * w, -34, -1, -38, 0);
  tip.cubicTo(-34, 1, -26, 4 * w, -16, 3.6 * w);
  tip.closeSubpath();
  g.setBrush(QColor(0xe5, 0x2b, 0x2b));
  g.drawPath(tip);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: pinz-icongen DIR SIZE...\n");
    return 2;
  }
  const QString dir = QString::fromLocal8Bit(argv[1]);
  for (int i = 2; i < argc; ++i) {
    const int n = std::atoi(argv[i]);
    if (n < 8 || n > 1024) {
      std::fprintf(stderr, "pinz-icongen: bad size %s\n", argv[i]);
      return 2;
    }
    QImage img(n, n, QImage::Format_ARGB32_Premultiplied);
    drawIcon(img);
    const QString sub = QStringLiteral("%1/%2x%2/apps").arg(dir).arg(n);
    if (!QDir().mkpath(sub) || !img.save(sub + QStringLiteral("/pinzola.png"), "PNG")) {
      std::fprintf(stderr, "pinz-icongen: cannot write %s\n", qPrintable(sub));
      return 1;
    }
  }
  return 0;
}
