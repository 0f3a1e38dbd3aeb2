#include "paint/canvas/toolicons.h"

#include <QPainter>
#include <QPainterPath>
#include <array>
#include <functional>

#include "paint/tools/tool_ids.h"

namespace pz {

namespace {

const QColor kOrange(255, 128, 87);  // the start colour
const QColor kBlue(60, 120, 255);
const QColor kGreen(60, 190, 90);
const QColor kEdge(45, 45, 50);

QImage canvas(int w, int h, const std::function<void(QPainter&)>& draw) {
  QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
  img.fill(Qt::transparent);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing, true);
  draw(p);
  return img;
}

QPolygonF poly(std::initializer_list<QPointF> pts) { return QPolygonF(QList<QPointF>(pts)); }

void shape(QPainter& p, const QPolygonF& s, const QColor& fill) {
  p.setPen(QPen(kEdge, 1));
  p.setBrush(fill);
  p.drawPolygon(s);
}

// A sheet of paper for the tool to work on.
void paper(QPainter& p, QRectF r = QRectF(2.5, 20.5, 34, 27)) {
  p.save();
  p.resetTransform();
  p.setPen(QPen(QColor(190, 190, 200), 1));
  p.setBrush(Qt::white);
  p.drawRoundedRect(r, 3, 3);
  p.restore();
}

// A stroke of paint along a gentle wave across the paper.
QPainterPath wave(QPointF from, QPointF to, qreal lift = 6) {
  QPainterPath path(from);
  const QPointF d = to - from;
  path.cubicTo(from + QPointF(d.x() * 0.3, -lift), from + QPointF(d.x() * 0.6, d.y() + lift), to);
  return path;
}

void paintStroke(QPainter& p, const QPainterPath& path, const QColor& c, qreal width) {
  p.save();
  p.resetTransform();
  p.setPen(QPen(c, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPath(path);
  p.restore();
}

// Crayon grain: dots scattered along a path.
void grainyStroke(QPainter& p, const QPainterPath& path, const QColor& c, qreal width, unsigned seed) {
  p.save();
  p.resetTransform();
  p.setPen(Qt::NoPen);
  p.setBrush(c);
  unsigned s = seed;
  auto rnd = [&s] {
    s = s * 1103515245u + 12345u;
    return ((s >> 16) & 0x7FFF) / 32767.0;
  };
  for (int i = 0; i < 220; ++i) {
    const QPointF at = path.pointAtPercent(rnd());
    const QPointF off((rnd() - 0.5) * width, (rnd() - 0.5) * width);
    p.drawEllipse(QRectF(at + off, QSizeF(1.6, 1.6)));
  }
  p.restore();
}

// Turns the painter so that +x runs from the tool's tip toward its handle.
void along(QPainter& p, QPointF tip, qreal degrees) {
  p.resetTransform();
  p.translate(tip);
  p.rotate(degrees);
}

void roundBrush(QPainter& p, QPointF tip, const QColor& wet, const QColor& handle) {
  along(p, tip, -48);
  shape(p, poly({{-1, 0}, {4, -3.5}, {10, -5}, {10, 5}, {4, 3.5}}), wet);
  shape(p, poly({{10, -5}, {17, -5.5}, {17, 5.5}, {10, 5}}), QColor(205, 160, 100));
  shape(p, poly({{17, -5.5}, {25, -4.5}, {25, 4.5}, {17, 5.5}}), QColor(200, 205, 215));
  shape(p, poly({{25, -4}, {46, -3}, {50, 0}, {46, 3}, {25, 4}}), handle);
  p.resetTransform();
}

void flatBrush(QPainter& p, QPointF tip, const QColor& wet, const QColor& handle) {
  along(p, tip, -48);
  shape(p, poly({{0, -6}, {6, -6}, {6, 6}, {0, 6}}), wet);
  shape(p, poly({{6, -6}, {13, -6}, {13, 6}, {6, 6}}), QColor(205, 160, 100));
  shape(p, poly({{13, -6.5}, {21, -5}, {21, 5}, {13, 6.5}}), QColor(200, 205, 215));
  shape(p, poly({{21, -4}, {44, -3}, {48, 0}, {44, 3}, {21, 4}}), handle);
  p.resetTransform();
}

void crayon(QPainter& p, QPointF tip, const QColor& wax) {
  along(p, tip, -48);
  shape(p, poly({{-1, -2.5}, {9, -6}, {9, 6}, {-1, 2.5}}), wax);
  shape(p, poly({{9, -6}, {44, -6}, {46, -4}, {46, 4}, {44, 6}, {9, 6}}), wax);
  shape(p, poly({{14, -6}, {38, -6}, {38, 6}, {14, 6}}), wax.darker(150));
  p.setPen(QPen(QColor(255, 255, 255, 200), 1.2));
  for (int x = 18; x < 36; x += 5) p.drawLine(QPointF(x, -4), QPointF(x + 2, 4));
  p.resetTransform();
}

void marker(QPainter& p, QPointF tip, const QColor& ink) {
  along(p, tip, -48);
  shape(p, poly({{-1, -1.5}, {7, -3.5}, {7, 3.5}, {-1, 1.5}}), ink);
  shape(p, poly({{7, -4.5}, {12, -6}, {12, 6}, {7, 4.5}}), QColor(230, 230, 235));
  shape(p, poly({{12, -6}, {42, -6}, {46, -3}, {46, 3}, {42, 6}, {12, 6}}), QColor(70, 160, 230));
  shape(p, poly({{34, -6.5}, {38, -6.5}, {38, 6.5}, {34, 6.5}}), ink);
  p.resetTransform();
}

void pencil(QPainter& p, QPointF tip) {
  along(p, tip, -48);
  shape(p, poly({{-1.5, 0}, {6, -2.5}, {6, 2.5}}), QColor(30, 30, 30));
  shape(p, poly({{6, -2.5}, {13, -5.5}, {13, 5.5}, {6, 2.5}}), QColor(240, 205, 150));
  shape(p, poly({{13, -5.5}, {40, -5.5}, {40, 5.5}, {13, 5.5}}), QColor(255, 205, 30));
  p.setPen(QPen(QColor(215, 150, 0), 1));
  p.drawLine(QPointF(14, -1.8), QPointF(39, -1.8));
  p.drawLine(QPointF(14, 1.8), QPointF(39, 1.8));
  shape(p, poly({{40, -5.5}, {45, -5.5}, {45, 5.5}, {40, 5.5}}), QColor(190, 195, 205));
  shape(p, poly({{45, -5.5}, {50, -5.5}, {52, -3}, {52, 3}, {50, 5.5}, {45, 5.5}}), QColor(255, 140, 170));
  p.resetTransform();
}

void eraser(QPainter& p, QPointF centre) {
  p.resetTransform();
  p.translate(centre);
  p.rotate(-30);
  shape(p, poly({{-13, -7}, {13, -7}, {13, 7}, {-13, 7}}), QColor(255, 150, 180));
  shape(p, poly({{2, -7}, {13, -7}, {13, 7}, {2, 7}}), QColor(80, 140, 255));
  p.resetTransform();
}

void sprayCan(QPainter& p, QPointF top, const QColor& can) {
  p.resetTransform();
  p.translate(top);
  p.rotate(12);
  shape(p, poly({{-3, 0}, {3, 0}, {3, 5}, {-3, 5}}), QColor(230, 40, 40));
  shape(p, poly({{-7, 5}, {7, 5}, {9, 10}, {-9, 10}}), QColor(235, 235, 240));
  QPainterPath body;
  body.addRoundedRect(QRectF(-10, 10, 20, 30), 3, 3);
  p.setPen(QPen(kEdge, 1));
  p.setBrush(can);
  p.drawPath(body);
  shape(p, poly({{-10, 19}, {10, 19}, {10, 30}, {-10, 30}}), QColor(255, 220, 60));
  p.resetTransform();
}

void mist(QPainter& p, QPointF from, const QList<QColor>& colours, unsigned seed) {
  unsigned s = seed;
  auto rnd = [&s] {
    s = s * 1103515245u + 12345u;
    return ((s >> 16) & 0x7FFF) / 32767.0;
  };
  p.resetTransform();
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 90; ++i) {
    const double t = rnd(), spread = 2 + t * 11;
    const QPointF at = from + QPointF(-t * 24, t * 12) + QPointF((rnd() - 0.5) * spread, (rnd() - 0.5) * spread * 1.4);
    p.setBrush(colours[i % colours.size()]);
    p.drawEllipse(QRectF(at, QSizeF(1.8, 1.8)));
  }
}

// A small mixing icon in the corner of the tools that mix.
void mixBadge(QPainter& p) {
  p.resetTransform();
  p.drawImage(QPointF(0, 0), mixingIcon(17));
}

void star(QPainter& p, QPointF c, qreal r, const QColor& fill) {
  QPolygonF s;
  for (int i = 0; i < 10; ++i) {
    const qreal a = -M_PI / 2 + i * M_PI / 5, rr = i % 2 ? r * 0.42 : r;
    s << c + QPointF(std::cos(a) * rr, std::sin(a) * rr);
  }
  p.setPen(QPen(QColor(200, 140, 0), 0.8));
  p.setBrush(fill);
  p.drawPolygon(s);
}

QImage drawTool(int id) {
  return canvas(50, 50, [id](QPainter& p) {
    switch (id) {
      case ToolAcrylicPaint:
        paper(p);
        paintStroke(p, wave({8, 38}, {31, 30}), kOrange, 7);
        flatBrush(p, {14, 38}, kOrange, QColor(250, 200, 40));
        break;
      case ToolOilPaint:
        paper(p);
        paintStroke(p, wave({7, 40}, {32, 28}), kBlue, 6);
        paintStroke(p, wave({7, 33}, {32, 42}, -5), kOrange, 6);
        paintStroke(p, wave({16, 36}, {24, 36}, 1), QColor(170, 110, 170), 5);
        roundBrush(p, {13, 39}, QColor(170, 110, 170), QColor(120, 70, 40));
        mixBadge(p);
        break;
      case ToolSprayPaint:
        paper(p, QRectF(1.5, 22.5, 30, 25));
        mist(p, {30, 14}, {kOrange}, 7);
        sprayCan(p, {37, 5}, QColor(255, 110, 70));
        break;
      case ToolSprayPaintMix:
        paper(p, QRectF(1.5, 22.5, 30, 25));
        mist(p, {30, 14}, {kOrange, kBlue, kGreen}, 9);
        sprayCan(p, {37, 5}, QColor(150, 90, 220));
        mixBadge(p);
        break;
      case ToolBlackEraser: {
        paper(p);
        QPainterPath left = wave({6, 34}, {15, 36}, 2), right = wave({28, 28}, {34, 26}, 2);
        paintStroke(p, left, Qt::black, 2.5);
        paintStroke(p, right, Qt::black, 2.5);
        eraser(p, {25, 22});
        break;
      }
      case ToolColorEraser:
        paper(p);
        paintStroke(p, wave({7, 40}, {16, 37}), kOrange, 8);
        paintStroke(p, wave({5, 30}, {34, 30}, 4), Qt::black, 2.5);
        eraser(p, {27, 24});
        break;
      case ToolWaterPen:
        paper(p);
        paintStroke(p, wave({7, 38}, {32, 32}), QColor(255, 128, 87, 110), 9);
        paintStroke(p, wave({7, 38}, {32, 32}), QColor(255, 128, 87, 120), 4);
        marker(p, {12, 37}, kOrange);
        p.setPen(QPen(QColor(40, 110, 220), 1));
        p.setBrush(QColor(140, 200, 255));
        p.drawPath([] {
          QPainterPath d(QPointF(41, 28));
          d.cubicTo(QPointF(35, 36), QPointF(37, 42), QPointF(41, 42));
          d.cubicTo(QPointF(45, 42), QPointF(47, 36), QPointF(41, 28));
          return d;
        }());
        break;
      case ToolWaterPenMix:
        paper(p);
        paintStroke(p, wave({7, 40}, {32, 30}), QColor(60, 120, 255, 110), 9);
        paintStroke(p, wave({7, 30}, {32, 40}, -5), QColor(255, 128, 87, 120), 9);
        marker(p, {12, 37}, kBlue);
        mixBadge(p);
        break;
      case ToolPastel:
        paper(p);
        grainyStroke(p, wave({7, 38}, {32, 32}), QColor(70, 120, 255), 7, 3);
        crayon(p, {12, 37}, QColor(70, 120, 255));
        break;
      case ToolPastelMix:
        paper(p);
        grainyStroke(p, wave({7, 40}, {32, 30}), QColor(255, 200, 40), 7, 5);
        grainyStroke(p, wave({7, 31}, {32, 40}, -5), QColor(70, 120, 255), 7, 6);
        crayon(p, {12, 37}, QColor(60, 180, 90));
        mixBadge(p);
        break;
      case ToolRazor: {
        paper(p);
        p.setPen(QPen(kOrange, 2));
        for (int y = 25; y <= 43; y += 3) p.drawLine(QPointF(6, y), QPointF(24, y));
        paintStroke(p, QPainterPath([] {
                      QPainterPath l(QPointF(25, 22));
                      l.lineTo(25, 46);
                      return l;
                    }()),
                    Qt::black, 2.5);
        // A razor shaving toward the line.
        p.resetTransform();
        p.translate(31, 16);
        p.rotate(-20);
        shape(p, poly({{-13, -3}, {13, -3}, {13, 2}, {-13, 2}}), QColor(225, 230, 240));
        shape(p, poly({{-11, 2}, {11, 2}, {8, 7}, {-8, 7}}), QColor(70, 80, 100));
        shape(p, poly({{-2.5, 7}, {2.5, 7}, {3, 30}, {-3, 30}}), QColor(40, 120, 230));
        p.resetTransform();
        break;
      }
      case ToolWandStars:
        along(p, {30, 17}, 130);
        shape(p, poly({{0, -2.2}, {34, -2.2}, {34, 2.2}, {0, 2.2}}), QColor(40, 30, 60));
        shape(p, poly({{0, -2.4}, {7, -2.4}, {7, 2.4}, {0, 2.4}}), Qt::white);
        p.resetTransform();
        star(p, {33, 13}, 9, QColor(255, 225, 40));
        star(p, {14, 9}, 5, QColor(255, 240, 140));
        star(p, {44, 32}, 4.5, QColor(255, 200, 60));
        star(p, {23, 2.5}, 2.5, QColor(255, 255, 200));
        star(p, {45, 5}, 3, QColor(255, 250, 180));
        break;
      case ToolReplacementPaint: {
        p.setPen(QPen(kEdge, 1));
        p.setBrush(kBlue);
        p.drawRoundedRect(QRectF(3, 4, 20, 20), 5, 5);
        p.setBrush(kOrange);
        p.drawRoundedRect(QRectF(27, 26, 20, 20), 5, 5);
        QPainterPath turn(QPointF(25, 10));
        turn.cubicTo(QPointF(38, 8), QPointF(42, 14), QPointF(40, 21));
        p.setPen(QPen(Qt::white, 2.5, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(turn);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawPolygon(poly({{35, 19}, {45, 19}, {40, 25}}));
        QPainterPath back(QPointF(25, 40));
        back.cubicTo(QPointF(12, 42), QPointF(8, 36), QPointF(10, 29));
        p.setPen(QPen(QColor(200, 200, 210), 1.5, Qt::DashLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(back);
        break;
      }
      case ToolDropper:
        along(p, {12, 35}, -50);
        shape(p, poly({{-1, -1.5}, {20, -4}, {20, 4}, {-1, 1.5}}), QColor(205, 235, 255));
        shape(p, poly({{-1, -1.5}, {9, -2.6}, {9, 2.6}, {-1, 1.5}}), kOrange);
        shape(p, poly({{20, -5.5}, {24, -5.5}, {24, 5.5}, {20, 5.5}}), QColor(150, 150, 165));
        shape(p, poly({{24, -5.5}, {28, -8}, {38, -8}, {43, -4}, {43, 4}, {38, 8}, {28, 8}, {24, 5.5}}),
              QColor(230, 50, 60));
        p.resetTransform();
        p.setPen(QPen(kEdge, 1));
        p.setBrush(kOrange);
        p.drawPath([] {
          QPainterPath d(QPointF(10, 38));
          d.cubicTo(QPointF(6, 43), QPointF(7, 47), QPointF(10, 47));
          d.cubicTo(QPointF(13, 47), QPointF(14, 43), QPointF(10, 38));
          return d;
        }());
        break;
      case ToolBucket:
        p.setPen(QPen(kEdge, 1));
        p.setBrush(kOrange);
        p.drawEllipse(QRectF(20, 40, 28, 8));
        shape(p, poly({{30, 14}, {37, 16}, {41, 25}, {40, 42}, {36, 43}, {35, 27}, {31, 21}}), kOrange);
        shape(p, poly({{2, 19}, {28, 5}, {37, 23}, {13, 38}}), QColor(90, 150, 230));
        shape(p, poly({{28, 5}, {31, 6}, {39, 21}, {37, 23}}), QColor(50, 90, 170));
        p.setPen(QPen(QColor(200, 200, 210), 2));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(1, 2, 26, 24), 30 * 16, 150 * 16);
        break;
      case ToolBlackPencil:
        paper(p);
        paintStroke(p, wave({6, 40}, {33, 30}, 8), Qt::black, 2);
        pencil(p, {12, 37});
        break;
      case ToolAreaSelect: {
        // A sunny little picture inside marching ants, and the pointer's cross.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(140, 200, 255));
        p.drawRect(QRectF(6, 12, 32, 26));
        p.setBrush(QColor(255, 220, 40));
        p.drawEllipse(QRectF(25, 15, 9, 9));
        p.setBrush(kGreen);
        p.drawPolygon(poly({{6, 38}, {6, 30}, {16, 24}, {26, 31}, {38, 28}, {38, 38}}));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Qt::white, 1.5));
        p.drawRect(QRectF(6, 12, 32, 26));
        p.setPen(QPen(Qt::black, 1.5, Qt::DashLine));
        p.drawRect(QRectF(6, 12, 32, 26));
        p.setPen(QPen(Qt::white, 1.5));
        p.drawLine(QPointF(38, 33), QPointF(38, 48));
        p.drawLine(QPointF(31, 40.5), QPointF(46, 40.5));
        break;
      }
      case ToolTextureBrush: {
        paper(p);
        QImage tile(6, 6, QImage::Format_ARGB32_Premultiplied);
        tile.fill(QColor(120, 190, 60));
        QPainter t(&tile);
        t.fillRect(0, 0, 3, 3, QColor(250, 210, 60));
        t.fillRect(3, 3, 3, 3, QColor(210, 80, 60));
        t.end();
        p.setPen(QPen(QBrush(tile), 9, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(wave({8, 38}, {31, 31}));
        roundBrush(p, {13, 38}, QColor(250, 210, 60), QColor(60, 170, 110));
        break;
      }
      default: break;
    }
  });
}

}  // namespace

const QImage& toolIcon(int toolId) {
  // Drawn once per run: the chest opens often and should open at once.
  static std::array<QImage, 32> cache;
  static const QImage none = [] {
    QImage e(50, 50, QImage::Format_ARGB32_Premultiplied);
    e.fill(Qt::transparent);
    return e;
  }();
  if (toolId < 0 || toolId >= int(cache.size())) return none;
  if (cache[size_t(toolId)].isNull()) cache[size_t(toolId)] = drawTool(toolId);
  return cache[size_t(toolId)];
}

QImage mixingIcon(int size) {
  return canvas(size, size, [size](QPainter& p) {
    p.scale(size / 48.0, size / 48.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 90, 70));
    p.drawEllipse(QRectF(3, 8, 28, 28));
    p.setBrush(QColor(60, 130, 255, 210));
    p.drawEllipse(QRectF(17, 12, 28, 28));
    // Where they meet the colours become a third one.
    QPainterPath a, b;
    a.addEllipse(QRectF(3, 8, 28, 28));
    b.addEllipse(QRectF(17, 12, 28, 28));
    p.setBrush(QColor(160, 80, 200));
    p.drawPath(a.intersected(b));
    p.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(12, 15, 22, 18), 200 * 16, 220 * 16);
  });
}

QImage okArrow() {
  return canvas(40, 40, [](QPainter& p) {
    p.setPen(QPen(QColor(20, 120, 30), 1.5));
    p.setBrush(QColor(60, 200, 70));
    p.drawEllipse(QRectF(1.5, 1.5, 37, 37));
    p.setPen(QPen(QColor(20, 90, 20), 1));
    p.setBrush(Qt::white);
    p.drawPolygon(poly({{9, 16}, {20, 16}, {20, 9}, {32, 20}, {20, 31}, {20, 24}, {9, 24}}));
  });
}

QImage pageGlyph(bool next) {
  return canvas(16, 16, [next](QPainter& p) {
    if (!next) {
      p.translate(16, 0);
      p.scale(-1, 1);
    }
    p.setPen(QPen(QColor(120, 90, 0), 1));
    p.setBrush(QColor(255, 210, 40));
    p.drawPolygon(poly({{4, 2}, {13, 8}, {4, 14}}));
  });
}

}  // namespace pz
