// The pointer sprites: a small picture of each tool, placed so that the tool's
// working tip lies under the pointer (the sprite's offset is the negative of
// the tip's position in the 50 x 50 picture).
#include "art/sprites.h"

#include <QPainterPath>

#include "art/draw.h"

namespace pz::art {

namespace {

const QColor kOutline(0, 0, 0);
const QColor kPaint(255, 128, 87);  // the start colour, so the sprites match the swatch

QPolygonF poly(std::initializer_list<QPointF> pts) { return QPolygonF(QList<QPointF>(pts)); }

// A tool lying along +x from its tip at the origin, turned by `degrees`.
void along(QPainter& p, QPointF tip, qreal degrees) {
  p.resetTransform();
  p.translate(tip);
  p.rotate(degrees);
}

void pencil(QPainter& p) {
  along(p, {2.5, 42.5}, -45);
  outlined(p, poly({{-2, 0}, {6, -2.2}, {6, 2.2}}), QColor(40, 40, 40));              // lead
  outlined(p, poly({{6, -2.2}, {13, -5}, {13, 5}, {6, 2.2}}), QColor(240, 200, 140));  // wood
  outlined(p, poly({{13, -5}, {41, -5}, {41, 5}, {13, 5}}), QColor(255, 210, 40));    // body
  p.setPen(QPen(QColor(210, 150, 0), 1));
  p.drawLine(QPointF(14, 0), QPointF(40, 0));
  outlined(p, poly({{41, -5}, {46, -5}, {46, 5}, {41, 5}}), QColor(190, 190, 200));  // ferrule
  outlined(p, poly({{46, -5}, {51, -5}, {53, -3}, {53, 3}, {51, 5}, {46, 5}}), QColor(255, 150, 180));
}

void brush(QPainter& p) {
  along(p, {5.5, 43.5}, -45);
  outlined(p, poly({{-2, 0}, {3, -3}, {8, -4.5}, {8, 4.5}, {3, 3}}), kPaint);                  // wet tip
  outlined(p, poly({{8, -4.5}, {15, -5}, {15, 5}, {8, 4.5}}), QColor(200, 150, 90));           // bristles
  outlined(p, poly({{15, -5}, {22, -4}, {22, 4}, {15, 5}}), QColor(200, 200, 210));            // ferrule
  outlined(p, poly({{22, -3.5}, {50, -2.5}, {53, 0}, {50, 2.5}, {22, 3.5}}), QColor(220, 40, 50));  // handle
}

void dropper(QPainter& p) {
  along(p, {3.5, 45.5}, -45);
  outlined(p, poly({{-2, -1.5}, {20, -3.5}, {20, 3.5}, {-2, 1.5}}), QColor(200, 235, 255));  // glass
  outlined(p, poly({{-2, -1.5}, {7, -2.3}, {7, 2.3}, {-2, 1.5}}), kPaint);                   // drop of colour
  outlined(p, poly({{20, -5}, {24, -5}, {24, 5}, {20, 5}}), QColor(150, 150, 160));          // collar
  outlined(p, poly({{24, -5}, {28, -7}, {38, -7}, {42, -4}, {42, 4}, {38, 7}, {28, 7}, {24, 5}}),
           QColor(230, 50, 60));                                                              // bulb
}

void razor(QPainter& p) {
  outlined(p, poly({{9, 2}, {41, 2}, {41, 7}, {9, 7}}), QColor(220, 225, 235));  // blade
  p.setPen(QPen(QColor(90, 90, 110), 1));
  p.drawLine(10, 3, 40, 3);                                                       // the edge
  outlined(p, poly({{12, 7}, {38, 7}, {35, 13}, {15, 13}}), QColor(70, 80, 100));  // head
  outlined(p, poly({{22, 13}, {28, 13}, {28, 47}, {22, 47}}), QColor(40, 120, 230));  // handle
  p.setPen(QPen(QColor(20, 60, 140), 1));
  for (int y = 18; y < 46; y += 4) p.drawLine(23, y, 27, y);
}

void spray(QPainter& p) {
  outlined(p, poly({{21, 2}, {27, 2}, {27, 8}, {21, 8}}), QColor(230, 40, 40));      // nozzle
  outlined(p, poly({{16, 8}, {32, 8}, {34, 14}, {14, 14}}), QColor(240, 240, 240));  // cap
  outlined(p, poly({{13, 14}, {35, 14}, {35, 47}, {13, 47}}), QColor(40, 170, 160)); // can
  outlined(p, poly({{13, 24}, {35, 24}, {35, 36}, {13, 36}}), QColor(255, 220, 60)); // label
  p.setPen(QPen(QColor(230, 40, 40), 2));
  p.drawLine(18, 30, 30, 30);
}

void crayon(QPainter& p) {
  along(p, {9.5, 5.5}, 45);
  const QColor wax(70, 120, 255), dark(40, 70, 200);
  outlined(p, poly({{-2, -2}, {9, -5}, {9, 5}, {-2, 2}}), wax);        // blunt tip
  outlined(p, poly({{9, -5}, {46, -5}, {46, 5}, {9, 5}}), wax);        // body
  outlined(p, poly({{14, -5}, {40, -5}, {40, 5}, {14, 5}}), dark);     // paper wrapper
  p.setPen(QPen(QColor(255, 255, 255), 1));
  for (int x = 17; x < 40; x += 5) p.drawLine(QPointF(x, -3), QPointF(x + 2, 3));
}

void eraserBlock(QPainter& p) {
  outlined(p, poly({{12, 18}, {38, 18}, {38, 32}, {12, 32}}), QColor(255, 150, 180));
  outlined(p, poly({{12, 18}, {22, 18}, {22, 32}, {12, 32}}), QColor(80, 140, 255));
}

// A cross of black lines with a white rim, readable on paper and on colour.
void crossHair(QPainter& p, int cx, int cy, int arm, int gap) {
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawRect(cx - arm - 1, cy - 1, 2 * arm + 3, 3);
  p.drawRect(cx - 1, cy - arm - 1, 3, 2 * arm + 3);
  p.setBrush(Qt::black);
  p.drawRect(cx - arm, cy, arm - gap, 1);
  p.drawRect(cx + gap + 1, cy, arm - gap, 1);
  p.drawRect(cx, cy - arm, 1, arm - gap);
  p.drawRect(cx, cy + gap + 1, 1, arm - gap);
  p.drawRect(cx, cy, 1, 1);
}

void areaSelect(QPainter& p) {
  crossHair(p, 32, 22, 8, 2);
  // A little dashed frame: the marching ants of a selection.
  for (int x = 3; x <= 24; ++x) {
    const QColor c = (x / 3) % 2 ? Qt::white : Qt::black;
    p.setPen(c);
    p.drawPoint(x, 30);
    p.drawPoint(x, 46);
  }
  for (int y = 30; y <= 46; ++y) {
    const QColor c = (y / 3) % 2 ? Qt::white : Qt::black;
    p.setPen(c);
    p.drawPoint(3, y);
    p.drawPoint(24, y);
  }
}

void bucket(QPainter& p) {
  // Paint pouring out of the tipped bucket onto the point under the pointer.
  outlined(p, poly({{28, 9}, {34, 11}, {39, 20}, {40, 34}, {40.5, 42}, {39, 46.5}, {36.5, 46.5}, {35.5, 42},
                    {36, 30}, {33, 20}, {29, 16}}),
           kPaint);
  outlined(p, poly({{3, 16}, {26, 4}, {34, 20}, {12, 34}}), QColor(90, 150, 230));  // body
  outlined(p, poly({{26, 4}, {29, 5}, {35, 17}, {34, 20}}), QColor(50, 90, 170));   // rim
  p.setPen(QPen(QColor(60, 60, 70), 2));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRect(2, 1, 22, 20), 30 * 16, 150 * 16);  // handle
}

void pasteCross(QPainter& p) {
  const QPolygonF arrow = poly({{25, 5}, {31, 12}, {27, 12}, {27, 23}, {38, 23}, {38, 19}, {45, 25},
                                {38, 31}, {38, 27}, {27, 27}, {27, 38}, {31, 38}, {25, 45}, {19, 38},
                                {23, 38}, {23, 27}, {12, 27}, {12, 31}, {5, 25}, {12, 19}, {12, 23},
                                {23, 23}, {23, 12}, {19, 12}});
  outlined(p, arrow, QColor(255, 255, 255));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0));
  p.drawRect(24, 24, 3, 3);
}

void magnifier(QPainter& p) {
  along(p, {15.5, 15.5}, 45);
  outlined(p, poly({{12, -3}, {19, -3.5}, {19, 3.5}, {12, 3}}), QColor(80, 80, 90));  // neck
  outlined(p, poly({{19, -4}, {42, -4}, {44, -2}, {44, 2}, {42, 4}, {19, 4}}), QColor(160, 90, 40));
  p.resetTransform();
  // The rim is filled as a ring so that no pixel between its two edges is left open.
  QPainterPath ring;
  ring.setFillRule(Qt::OddEvenFill);
  ring.addEllipse(QRectF(3, 3, 25, 25));
  ring.addEllipse(QRectF(7, 7, 17, 17));
  p.setPen(QPen(Qt::black, 1));
  p.setBrush(QColor(200, 200, 215));
  p.drawPath(ring);
  crossHair(p, 15, 15, 4, 1);
}

}  // namespace

Surface spriteArt(int cursorKind) {
  std::function<void(QPainter&)> draw;
  switch (cursorKind) {
    case 1: draw = pencil; break;
    case 2: draw = brush; break;
    case 3: draw = dropper; break;
    case 4: draw = razor; break;
    case 5: draw = spray; break;
    case 6: draw = crayon; break;
    case 7: draw = eraserBlock; break;
    case 8: draw = areaSelect; break;
    case 9: draw = bucket; break;
    case 10: draw = pasteCross; break;
    case 11: draw = magnifier; break;
    default: return Surface(150, 50, kWhite);
  }
  return spriteFromPicture(crispPicture(50, 50, draw));
}

}  // namespace pz::art
