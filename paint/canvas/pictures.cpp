#include "paint/canvas/pictures.h"

#include <QCoreApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <functional>

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

const QColor kEdge(30, 30, 35);

QPolygonF poly(std::initializer_list<QPointF> pts) { return QPolygonF(QList<QPointF>(pts)); }

void magnifier(QPainter& p, const std::function<void(QPainter&)>& sign) {
  p.setPen(QPen(QColor(150, 90, 40), 3, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(11, 10.5), QPointF(15, 14.5));
  p.setPen(QPen(QColor(210, 210, 225), 1.6));
  p.setBrush(QColor(170, 220, 255));
  p.drawEllipse(QRectF(1, 1, 11, 11));
  p.setPen(QPen(QColor(20, 40, 120), 1.6));
  sign(p);
}

void colourPalette(QPainter& p) {
  QPainterPath board;
  board.moveTo(25, 3);
  board.cubicTo(44, 3, 49, 18, 47, 28);
  board.cubicTo(45, 38, 36, 47, 24, 47);
  board.cubicTo(11, 47, 2, 38, 2, 26);
  board.cubicTo(2, 14, 10, 3, 25, 3);
  QPainterPath hole;
  hole.addEllipse(QRectF(28, 32, 9, 7));
  p.setPen(QPen(QColor(120, 75, 30), 1.2));
  p.setBrush(QColor(222, 176, 110));
  p.drawPath(board.subtracted(hole));
  const QColor blobs[] = {QColor(230, 40, 40), QColor(255, 150, 30), QColor(255, 225, 40),
                          QColor(60, 190, 80), QColor(50, 120, 240), QColor(160, 80, 210)};
  const QPointF at[] = {{12, 29}, {11, 18}, {19, 10}, {30, 9}, {39, 16}, {40, 26}};
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 6; ++i) {
    p.setBrush(blobs[i]);
    p.drawEllipse(at[i], 4.6, 4.2);
    p.setBrush(QColor(255, 255, 255, 140));
    p.drawEllipse(at[i] + QPointF(-1.5, -1.5), 1.2, 1.0);
  }
}

void sun(QPainter& p, QPointF c, qreal r, qreal rays) {
  p.setPen(QPen(QColor(255, 200, 0), std::max(1.0, r / 4), Qt::SolidLine, Qt::RoundCap));
  for (int i = 0; i < 8; ++i) {
    const qreal a = i * M_PI / 4;
    p.drawLine(c + QPointF(std::cos(a), std::sin(a)) * (r + 1), c + QPointF(std::cos(a), std::sin(a)) * (r + rays));
  }
  p.setPen(QPen(QColor(230, 150, 0), 0.8));
  p.setBrush(QColor(255, 225, 40));
  p.drawEllipse(c, r, r);
}

void moon(QPainter& p) {
  QPainterPath full, bite;
  full.addEllipse(QRectF(1.5, 2.5, 14, 14));
  bite.addEllipse(QRectF(6.5, 0.5, 12, 12));
  p.setPen(QPen(QColor(60, 70, 140), 1));
  p.setBrush(QColor(150, 160, 220));
  p.drawPath(full.subtracted(bite));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(110, 120, 190));
  p.drawEllipse(QRectF(4, 10, 2.5, 2.5));
}

void toolBox(QPainter& p) {
  // Brushes and a pencil standing in an open red chest, kept above the
  // "Tool Chest" label that sits over the picture's lowest rows.
  p.scale(1, 0.9);
  p.setPen(QPen(kEdge, 1));
  p.setBrush(QColor(255, 205, 30));
  p.drawPolygon(poly({{11, 22}, {14, 4}, {18, 4}, {17, 22}}));
  p.setBrush(QColor(40, 40, 40));
  p.drawPolygon(poly({{14, 4}, {16, 0.5}, {18, 4}}));
  p.setBrush(QColor(60, 160, 230));
  p.drawRect(QRectF(21, 8, 5, 15));
  p.setBrush(QColor(200, 205, 215));
  p.drawRect(QRectF(21.5, 4, 4, 5));
  p.setBrush(QColor(255, 128, 87));
  p.drawEllipse(QRectF(21, -0.5, 5, 7));
  p.setBrush(QColor(60, 180, 90));
  p.drawPolygon(poly({{31, 22}, {33, 6}, {38, 7}, {35, 22}}));
  p.setBrush(QColor(160, 80, 210));
  p.drawEllipse(QRectF(32.5, 1, 6, 7));
  // The chest.
  QLinearGradient g(0, 20, 0, 50);
  g.setColorAt(0, QColor(240, 70, 60));
  g.setColorAt(1, QColor(170, 30, 30));
  p.setPen(QPen(QColor(110, 20, 20), 1.2));
  p.setBrush(g);
  p.drawRoundedRect(QRectF(3, 21, 44, 28), 4, 4);
  p.setBrush(QColor(200, 45, 40));
  p.drawRoundedRect(QRectF(1.5, 19, 47, 8), 3, 3);
  p.setPen(QPen(QColor(90, 90, 100), 1));
  p.setBrush(QColor(215, 215, 225));
  p.drawRoundedRect(QRectF(20, 31, 10, 6), 1.5, 1.5);
}

void face(QPainter& p) {
  // A cheerful painter: a smiling face under a beret with a brush behind it.
  p.setPen(QPen(QColor(150, 90, 40), 2.5, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(27, 33), QPointF(34, 14));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 128, 87));
  p.drawEllipse(QRectF(31.5, 9, 5, 7));
  p.setPen(QPen(QColor(200, 120, 60), 1));
  p.setBrush(QColor(255, 215, 160));
  p.drawEllipse(QRectF(5, 9, 25, 25));
  p.setPen(QPen(QColor(120, 20, 60), 1));
  p.setBrush(QColor(200, 40, 110));
  p.drawChord(QRectF(3, 3, 29, 16), 0, 180 * 16);
  p.drawEllipse(QRectF(15.5, 0.5, 4, 4));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(40, 30, 30));
  p.drawEllipse(QRectF(11, 18, 3, 3.5));
  p.drawEllipse(QRectF(21, 18, 3, 3.5));
  p.setBrush(QColor(255, 140, 140, 160));
  p.drawEllipse(QRectF(8, 23, 4, 3));
  p.drawEllipse(QRectF(23, 23, 4, 3));
  p.setPen(QPen(QColor(140, 40, 40), 1.5, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(11, 19, 13, 9), 200 * 16, 140 * 16);
}

void folder(QPainter& p) {
  p.setPen(QPen(QColor(150, 100, 0), 1));
  p.setBrush(QColor(230, 170, 30));
  p.drawPolygon(poly({{2, 8}, {14, 8}, {17, 11}, {40, 11}, {40, 37}, {2, 37}}));
  // A picture sticking out of it.
  p.setPen(QPen(QColor(120, 120, 130), 1));
  p.setBrush(Qt::white);
  p.save();
  p.translate(21, 14);
  p.rotate(-8);
  p.drawRect(QRectF(-12, -12, 22, 17));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(120, 200, 255));
  p.drawRect(QRectF(-10, -10, 18, 13));
  p.setBrush(QColor(60, 180, 80));
  p.drawPolygon(poly({{-10, 3}, {-10, -2}, {-4, -6}, {2, -1}, {8, -4}, {8, 3}}));
  p.setBrush(QColor(255, 220, 40));
  p.drawEllipse(QPointF(4, -7), 2, 2);
  p.restore();
  p.setPen(QPen(QColor(150, 100, 0), 1));
  p.setBrush(QColor(255, 200, 60));
  p.drawPolygon(poly({{2, 37}, {6, 18}, {44, 18}, {40, 37}}));
  // The diskette: saving.
  p.setPen(QPen(QColor(20, 40, 100), 1));
  p.setBrush(QColor(50, 100, 220));
  p.drawPolygon(poly({{36, 14}, {51, 14}, {54, 17}, {54, 33}, {36, 33}}));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(220, 225, 235));
  p.drawRect(QRectF(40, 15, 10, 6));
  p.setBrush(QColor(50, 100, 220));
  p.drawRect(QRectF(46, 16, 2, 4));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(39, 24, 12, 8));
}

void book(QPainter& p) {
  p.setPen(QPen(QColor(30, 60, 130), 1));
  p.setBrush(QColor(60, 120, 230));
  p.drawPolygon(poly({{2, 9}, {22, 13}, {42, 9}, {42, 35}, {22, 38}, {2, 35}}));
  p.setPen(QPen(QColor(170, 170, 180), 1));
  p.setBrush(Qt::white);
  p.drawPolygon(poly({{4, 6}, {21, 10}, {21, 34}, {4, 31}}));
  p.drawPolygon(poly({{23, 10}, {40, 6}, {40, 31}, {23, 34}}));
  p.setPen(QPen(QColor(190, 190, 200), 1));
  for (int i = 0; i < 4; ++i) p.drawLine(QPointF(7, 13 + i * 4.5), QPointF(18, 15.5 + i * 4.5));
  QFont f(QStringLiteral("DejaVu Sans"));
  f.setPixelSize(20);
  f.setBold(true);
  p.setFont(f);
  p.setPen(QColor(230, 60, 50));
  p.drawText(QRectF(23, 7, 17, 27), Qt::AlignCenter, QStringLiteral("?"));
}

void door(QPainter& p) {
  p.setPen(QPen(QColor(90, 50, 20), 1));
  p.setBrush(QColor(60, 40, 30));
  p.drawRect(QRectF(4, 2, 20, 31));
  p.setBrush(QColor(190, 120, 60));
  p.drawPolygon(poly({{4, 2}, {16, 5}, {16, 35}, {4, 33}}));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 215, 60));
  p.drawEllipse(QPointF(13.5, 19), 1.5, 1.5);
  // Out through the door.
  p.setPen(QPen(QColor(20, 110, 30), 1));
  p.setBrush(QColor(70, 210, 80));
  p.drawPolygon(poly({{20, 14}, {29, 14}, {29, 8}, {39, 18}, {29, 28}, {29, 22}, {20, 22}}));
}

void cloud(QPainter& p, QPointF at, qreal s) {
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 235));
  p.drawEllipse(at, 18 * s, 11 * s);
  p.drawEllipse(at + QPointF(16 * s, 3 * s), 14 * s, 9 * s);
  p.drawEllipse(at + QPointF(-15 * s, 4 * s), 12 * s, 8 * s);
  p.drawEllipse(at + QPointF(4 * s, -8 * s), 11 * s, 9 * s);
}

void aboutScene(QPainter& p) {
  QLinearGradient sky(0, 0, 0, 239);
  sky.setColorAt(0, QColor(150, 210, 255));
  sky.setColorAt(1, QColor(225, 245, 255));
  p.fillRect(QRect(0, 0, 421, 239), sky);
  // A rainbow behind the hills.
  const QColor bands[] = {QColor(240, 60, 60), QColor(255, 150, 40), QColor(255, 225, 50),
                          QColor(80, 200, 90), QColor(60, 140, 240), QColor(150, 90, 220)};
  p.setBrush(Qt::NoBrush);
  for (int i = 0; i < 6; ++i) {
    p.setPen(QPen(bands[i], 9, Qt::SolidLine, Qt::FlatCap));
    const qreal r = 150 - i * 9;
    p.drawArc(QRectF(230 - r, 215 - r, 2 * r, 2 * r), 0, 180 * 16);
  }
  sun(p, {48, 44}, 20, 12);
  cloud(p, {360, 70}, 1.0);
  cloud(p, {150, 60}, 0.7);
  // Hills.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(120, 200, 90));
  QPainterPath far(QPointF(0, 239));
  far.lineTo(0, 175);
  far.cubicTo(QPointF(90, 140), QPointF(180, 150), QPointF(260, 175));
  far.cubicTo(QPointF(320, 190), QPointF(380, 150), QPointF(421, 160));
  far.lineTo(421, 239);
  p.drawPath(far);
  p.setBrush(QColor(80, 170, 70));
  QPainterPath nearHill(QPointF(0, 239));
  nearHill.lineTo(0, 205);
  nearHill.cubicTo(QPointF(120, 180), QPointF(260, 200), QPointF(421, 190));
  nearHill.lineTo(421, 239);
  p.drawPath(nearHill);
  // Flowers in the grass.
  const QColor petals[] = {QColor(255, 90, 130), QColor(255, 255, 255), QColor(255, 220, 50), QColor(170, 110, 255)};
  for (int i = 0; i < 9; ++i) {
    const QPointF c(175 + i * 27 % 240, 205 + (i * 13) % 25);
    if (c.x() > 266 && c.x() < 383 && c.y() > 165) continue;  // keep the OK button's place calm
    p.setBrush(petals[i % 4]);
    for (int k = 0; k < 5; ++k)
      p.drawEllipse(c + QPointF(std::cos(k * 1.2566) * 3.5, std::sin(k * 1.2566) * 3.5), 2.6, 2.6);
    p.setBrush(QColor(255, 200, 0));
    p.drawEllipse(c, 2, 2);
  }
  // An easel holding a picture of a flower.
  p.setPen(QPen(QColor(110, 65, 25), 5, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(70, 95), QPointF(45, 230));
  p.drawLine(QPointF(110, 95), QPointF(140, 230));
  p.drawLine(QPointF(90, 85), QPointF(93, 225));
  p.setPen(QPen(QColor(150, 150, 160), 2));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(40, 90, 100, 85));
  p.setPen(QPen(Qt::black, 2));
  p.setBrush(QColor(255, 128, 87));
  for (int k = 0; k < 6; ++k)
    p.drawEllipse(QPointF(90, 125) + QPointF(std::cos(k * M_PI / 3), std::sin(k * M_PI / 3)) * 13, 8, 8);
  p.setBrush(QColor(255, 220, 40));
  p.drawEllipse(QPointF(90, 125), 8, 8);
  p.drawLine(QPointF(90, 146), QPointF(90, 172));
  p.setBrush(QColor(80, 190, 80));
  p.drawEllipse(QRectF(93, 152, 16, 8));
  p.setPen(QPen(QColor(110, 65, 25), 5, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(34, 177), QPointF(146, 177));
  // A brush resting on the easel's ledge, still wet.
  p.save();
  p.translate(150, 170);
  p.rotate(-35);
  p.setPen(QPen(kEdge, 1));
  p.setBrush(QColor(220, 40, 50));
  p.drawRoundedRect(QRectF(0, -3, 44, 6), 3, 3);
  p.setBrush(QColor(200, 205, 215));
  p.drawRect(QRectF(-8, -4, 9, 8));
  p.setBrush(QColor(255, 128, 87));
  p.drawPolygon(poly({{-8, -4}, {-18, 0}, {-8, 4}}));
  p.restore();
  QFont f(QStringLiteral("DejaVu Sans"));
  f.setPixelSize(14);
  f.setBold(true);
  p.setFont(f);
  p.setPen(QColor(40, 70, 140));
  p.drawText(QRectF(190, 34, 225, 40), Qt::AlignLeft | Qt::TextWordWrap,
             QCoreApplication::translate("pz::Canvas", "Paint, color and play!"));
}

}  // namespace

QImage stripPicture(StripPicture which) {
  QImage img(sizeOf(which), QImage::Format_ARGB32_Premultiplied);
  img.fill(Qt::transparent);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setRenderHint(QPainter::TextAntialiasing, true);
  switch (which) {
    case StripPicture::ZoomIn:
      magnifier(p, [](QPainter& q) {
        q.drawLine(QPointF(4, 6.5), QPointF(9, 6.5));
        q.drawLine(QPointF(6.5, 4), QPointF(6.5, 9));
      });
      break;
    case StripPicture::ZoomOut:
      magnifier(p, [](QPainter& q) { q.drawLine(QPointF(4, 6.5), QPointF(9, 6.5)); });
      break;
    case StripPicture::NoZoom:
      magnifier(p, [](QPainter& q) {
        q.drawLine(QPointF(4, 5), QPointF(9, 5));
        q.drawLine(QPointF(4, 8), QPointF(9, 8));
      });
      break;
    case StripPicture::ColorBox: colourPalette(p); break;
    case StripPicture::Brighten: sun(p, {7.5, 8.5}, 3.6, 3.4); break;
    case StripPicture::Darken: moon(p); break;
    case StripPicture::ToolChest: toolBox(p); break;
    case StripPicture::About: face(p); break;
    case StripPicture::OpenSave: folder(p); break;
    case StripPicture::Help: book(p); break;
    case StripPicture::Quit: door(p); break;
    case StripPicture::AboutPicture: aboutScene(p); break;
  }
  return img;
}

}  // namespace pz
