#include "fx/textdraw.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <cmath>

namespace fx {

namespace {
QFont baseFont(const TextStyle& style) {
  QFont f(style.face);
  f.setBold(style.bold);
  f.setItalic(style.italic);
  f.setKerning(false);
  f.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::PreferMatch));
  f.setHintingPreference(QFont::PreferFullHinting);
  return f;
}
}  // namespace

QFont makeFont(const TextStyle& style, int height) {
  QFont f = baseFont(style);
  if (height < 0) {
    f.setPixelSize(std::max(1, -height));
    return f;
  }
  // A cell height: scale the em so that ascent + descent comes to `height`.
  const int h = std::max(1, height);
  f.setPixelSize(h);
  const int cell = QFontMetrics(f).height();
  if (cell > 0 && cell != h) {
    int px = std::max(1, int(std::lround(double(h) * h / cell)));
    f.setPixelSize(px);
    // One correction step for fonts whose metrics round unevenly.
    const int c2 = QFontMetrics(f).height();
    if (c2 > h && px > 1) f.setPixelSize(px - 1);
  }
  return f;
}

int textWidth(const QFont& font, const QString& text) { return QFontMetrics(font).horizontalAdvance(text); }

int textExtentHeight(const QFont& font) { return QFontMetrics(font).height(); }

void paintText(pz::Surface& target, const TextStyle& style, const TextDraw& d) {
  if (d.text.isEmpty() || target.isNull()) return;
  const QFont font = makeFont(style, d.height);
  const QFontMetrics fm(font);
  QPainter p(&target.image());
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setRenderHint(QPainter::TextAntialiasing, false);
  p.setFont(font);
  p.setPen(QColor(pz::redOf(d.color), pz::greenOf(d.color), pz::blueOf(d.color)));
  p.translate(d.x, d.y);
  if (d.escapement != 0) p.rotate(-d.escapement / 10.0);
  int ox = 0, oy = 0;
  switch (d.align) {
    case TextAlign::LeftTop: oy = fm.ascent(); break;
    case TextAlign::BaselineLeft: break;
    case TextAlign::BaselineCenter: ox = -fm.horizontalAdvance(d.text) / 2; break;
    case TextAlign::BaselineRight: ox = -fm.horizontalAdvance(d.text); break;
  }
  p.drawText(QPoint(ox, oy), d.text);
}

void paintPlan(pz::Surface& target, const TextStyle& style, const TextPlan& plan) {
  for (const TextDraw& d : plan) paintText(target, style, d);
}

float screenPointScale() {
  const QScreen* s = QGuiApplication::primaryScreen();
  const float dpi = s ? float(s->logicalDotsPerInchY()) : 96.0f;
  return dpi / 72.0f;
}

}  // namespace fx
