// EMF+ records as "dual" files carry them in comment records. Only what real
// dual files draw with is played; everything else leaves the plain records in
// charge.
#include <cmath>

#include "platform/metafile_players.h"

namespace pz::mf {

namespace {

QColor argb(quint32 c) { return QColor(int((c >> 16) & 0xFF), int((c >> 8) & 0xFF), int(c & 0xFF), int(c >> 24)); }

QTransform matrix(Bytes b, qsizetype off) {
  return QTransform(b.f32(off), b.f32(off + 4), b.f32(off + 8), b.f32(off + 12), b.f32(off + 16), b.f32(off + 20));
}

bool finite(const QTransform& t) {
  return std::isfinite(t.m11()) && std::isfinite(t.m12()) && std::isfinite(t.m21()) && std::isfinite(t.m22()) &&
         std::isfinite(t.dx()) && std::isfinite(t.dy());
}

double unitFactor(int unit, double dpi) {
  switch (unit) {
    case 3: return dpi / 72;
    case 4: return dpi;
    case 5: return dpi / 300;
    case 6: return dpi / 25.4;
    default: return 1;
  }
}

QBrush brushOf(quint16 flags, quint32 value, const PlusState& st) {
  if (flags & 0x8000) return QBrush(argb(value));
  return value < st.brushes.size() ? st.brushes[value] : QBrush(Qt::black);
}

// Points (or rectangle corners) as float or 16-bit pairs.
bool readPoints(Bytes d, qsizetype off, quint32 count, bool compressed, QPolygonF* out) {
  const qsizetype each = compressed ? 4 : 8;
  if (count == 0 || count > 1000000 || !d.has(off, qsizetype(count) * each)) return false;
  out->reserve(qsizetype(count));
  for (quint32 i = 0; i < count; ++i) {
    const qsizetype o = off + qsizetype(i) * each;
    const QPointF p = compressed ? QPointF(d.i16(o), d.i16(o + 2)) : QPointF(d.f32(o), d.f32(o + 4));
    if (!std::isfinite(p.x()) || !std::isfinite(p.y())) return false;
    out->append(p);
  }
  return true;
}

}  // namespace

void playEmfPlus(Bytes recs, GdiPlayer& gdi, PlusState& st) {
  qsizetype pos = 0;
  while (pos + 12 <= recs.n) {
    const quint16 type = recs.u16(pos), flags = recs.u16(pos + 2);
    const qsizetype size = recs.u32(pos + 4), dataSize = recs.u32(pos + 8);
    if (size < 12 || !recs.has(pos, size) || dataSize > size - 12) return;
    const Bytes d = recs.sub(pos + 12, dataSize);
    const QTransform toOut =
        st.world * QTransform::fromScale(st.pageScale, st.pageScale) * gdi.devToOut;
    const bool compressed = flags & 0x4000;
    switch (type) {
      case 0x4001:  // Header
        if (d.u32(8) > 0 && d.u32(8) < 10000) st.dpiX = d.u32(8);
        if (d.u32(12) > 0 && d.u32(12) < 10000) st.dpiY = d.u32(12);
        break;
      case 0x4004: st.skipPlain = false; break;  // GetDC: plain records draw again
      case 0x4008:                               // Object
        if (((flags >> 8) & 0x7F) == 1 && d.u32(4) == 0 && d.n >= 12) st.brushes[flags & 0x3F] = QBrush(argb(d.u32(8)));
        break;
      case 0x4009: {  // Clear
        QPainterPath all;
        all.addRect(gdi.target);
        gdi.fillOut(all, argb(d.u32(0)));
        st.skipPlain = true;
        break;
      }
      case 0x400A: {  // FillRects
        QPolygonF corners;
        const quint32 count = d.u32(4);
        if (count > 500000 || !readPoints(d, 8, count * 2, compressed, &corners)) break;
        QPainterPath p;
        for (int i = 0; i + 1 < corners.size(); i += 2)
          p.addRect(QRectF(corners[i], QSizeF(corners[i + 1].x(), corners[i + 1].y())));
        gdi.fillOut(toOut.map(p), brushOf(flags, d.u32(0), st));
        st.skipPlain = true;
        break;
      }
      case 0x400C: {  // FillPolygon
        if (flags & 0x0800) break;  // relative points: leave it to the fallback
        QPolygonF pts;
        if (!readPoints(d, 8, d.u32(4), compressed, &pts)) break;
        QPainterPath p;
        p.addPolygon(pts);
        p.closeSubpath();
        p.setFillRule(Qt::OddEvenFill);
        gdi.fillOut(toOut.map(p), brushOf(flags, d.u32(0), st));
        st.skipPlain = true;
        break;
      }
      case 0x400E: {  // FillEllipse
        QPolygonF r;
        if (!readPoints(d, 4, 2, compressed, &r)) break;
        QPainterPath p;
        p.addEllipse(QRectF(r[0], QSizeF(r[1].x(), r[1].y())));
        gdi.fillOut(toOut.map(p), brushOf(flags, d.u32(0), st));
        st.skipPlain = true;
        break;
      }
      case 0x4025: if (st.saved.size() < 4096) st.saved.push_back(st.world); break;  // Save
      case 0x4026:                                                                  // Restore
        if (!st.saved.empty()) {
          st.world = st.saved.back();
          st.saved.pop_back();
        }
        break;
      case 0x402A: {  // SetWorldTransform
        const QTransform m = matrix(d, 0);
        if (d.n >= 24 && finite(m)) st.world = m;
        break;
      }
      case 0x402B: st.world = QTransform(); break;  // ResetWorldTransform
      case 0x402C: {                                // MultiplyWorldTransform
        const QTransform m = matrix(d, 0);
        if (d.n < 24 || !finite(m)) break;
        st.world = (flags & 0x2000) ? st.world * m : m * st.world;
        break;
      }
      case 0x4030: {  // SetPageTransform
        const double s = d.f32(0);
        if (std::isfinite(s) && s > 0 && s < 1e6) st.pageScale = s * unitFactor(flags & 0xFF, st.dpiX);
        break;
      }
      default: break;
    }
    pos += size;
  }
}

}  // namespace pz::mf
