#include "fx/textdraw.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <cmath>
#include <optional>

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

namespace {
// The glyphs of one text output as horizontal runs relative to the reference
// point. A plan draws the same text many times (a block shadow up to 51 copies)
// and large glyphs are rasterised as outlines, so each distinct output is
// rasterised once and then stamped: plain glyphs are exactly their runs.
struct GlyphRuns {
  struct Run {
    int y, x0, x1;  // x1 exclusive
  };
  std::vector<Run> runs;
};

GlyphRuns rasterise(const TextStyle& style, const TextDraw& d) {
  const QFont font = makeFont(style, d.height);
  const QFontMetrics fm(font);
  const int advance = fm.horizontalAdvance(d.text);
  int ox = 0, oy = 0;
  switch (d.align) {
    case TextAlign::LeftTop: oy = fm.ascent(); break;
    case TextAlign::BaselineLeft: break;
    case TextAlign::BaselineCenter: ox = -advance / 2; break;
    case TextAlign::BaselineRight: ox = -advance; break;
  }
  // The text's box around the reference point, with room for overhangs
  // (italics, accents), turned with the text.
  const int slack = 2 + fm.height() / 3;
  QRect box = fm.boundingRect(d.text).united(QRect(0, -fm.ascent(), advance, fm.height()));
  box.translate(ox, oy);
  box.adjust(-slack, -slack, slack, slack);
  QTransform turn;
  if (d.escapement != 0) turn.rotate(-d.escapement / 10.0);
  const QRect area = turn.mapRect(box).adjusted(-1, -1, 1, 1);
  GlyphRuns out;
  if (area.isEmpty()) return out;
  QImage mask(area.size(), QImage::Format_ARGB32_Premultiplied);
  mask.fill(Qt::transparent);
  {
    QPainter p(&mask);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, false);
    p.setFont(font);
    p.setPen(Qt::black);
    p.translate(-area.left(), -area.top());
    p.setTransform(turn, true);
    p.drawText(QPoint(ox, oy), d.text);
  }
  for (int y = 0; y < mask.height(); ++y) {
    const QRgb* row = reinterpret_cast<const QRgb*>(mask.constScanLine(y));
    int x = 0;
    while (x < mask.width()) {
      while (x < mask.width() && qAlpha(row[x]) < 128) ++x;
      const int x0 = x;
      while (x < mask.width() && qAlpha(row[x]) >= 128) ++x;
      if (x > x0) out.runs.push_back({y + area.top(), x0 + area.left(), x + area.left()});
    }
  }
  return out;
}

void stamp(pz::Surface& target, const GlyphRuns& g, int x, int y, pz::Color c) {
  const std::uint32_t raw = pz::toRaw(c);
  const int w = target.width(), h = target.height();
  for (const GlyphRuns::Run& r : g.runs) {
    const int ty = r.y + y;
    if (ty < 0 || ty >= h) continue;
    const int x0 = std::max(0, r.x0 + x), x1 = std::min(w, r.x1 + x);
    if (x0 >= x1) continue;
    std::fill(target.row(ty) + x0, target.row(ty) + x1, raw);
  }
}

bool sameGlyphs(const TextDraw& a, const TextDraw& b) {
  return a.text == b.text && a.height == b.height && a.align == b.align && a.escapement == b.escapement;
}
}  // namespace

// Draws one output straight onto the surface.
void drawDirect(QPainter& p, const TextStyle& style, const TextDraw& d) {
  const QFont font = makeFont(style, d.height);
  const QFontMetrics fm(font);
  p.setFont(font);
  p.setPen(QColor(pz::redOf(d.color), pz::greenOf(d.color), pz::blueOf(d.color)));
  p.resetTransform();
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

void beginPlain(QPainter& p, pz::Surface& target) {
  p.begin(&target.image());
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setRenderHint(QPainter::TextAntialiasing, false);
}

void paintText(pz::Surface& target, const TextStyle& style, const TextDraw& d) {
  if (d.text.isEmpty() || target.isNull()) return;
  QPainter p;
  beginPlain(p, target);
  drawDirect(p, style, d);
}

void paintPlan(pz::Surface& target, const TextStyle& style, const TextPlan& plan) {
  if (target.isNull()) return;
  // Outputs that repeat (shadow copies) are rasterised once and stamped; the
  // others are drawn directly.
  GlyphRuns glyphs;
  const TextDraw* cached = nullptr;
  QPainter p;
  for (size_t i = 0; i < plan.size(); ++i) {
    const TextDraw& d = plan[i];
    if (d.text.isEmpty()) continue;
    const bool repeats = i + 1 < plan.size() && sameGlyphs(plan[i + 1], d);
    if (cached && sameGlyphs(*cached, d)) {
      if (p.isActive()) p.end();
      stamp(target, glyphs, d.x, d.y, d.color);
    } else if (repeats) {
      if (p.isActive()) p.end();
      glyphs = rasterise(style, d);
      cached = &d;
      stamp(target, glyphs, d.x, d.y, d.color);
    } else {
      if (!p.isActive()) beginPlain(p, target);
      drawDirect(p, style, d);
    }
  }
}

float screenPointScale() {
  const QScreen* s = QGuiApplication::primaryScreen();
  const float dpi = s ? float(s->logicalDotsPerInchY()) : 96.0f;
  return dpi / 72.0f;
}

}  // namespace fx
