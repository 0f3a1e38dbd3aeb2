// Windows metafiles (16-bit records), with or without the placeable header.
#include <QCoreApplication>
#include <QFontDatabase>

#include "platform/metafile_dib.h"
#include "platform/metafile_players.h"

namespace pz::mf {

namespace {

constexpr quint32 kPlaceableKey = 0x9AC6CDD7;

bool fail(QString* error, const QString& why) {
  if (error) *error = why;
  return false;
}

// A record: its parameters as 16-bit words after the size and function.
struct Rec {
  Bytes b;   // the parameters only
  int words() const { return int(b.n / 2); }
  qint16 w(int i) const { return b.i16(qsizetype(i) * 2); }
  quint16 uw(int i) const { return b.u16(qsizetype(i) * 2); }
  quint32 dw(int i) const { return b.u32(qsizetype(i) * 2); }
  QPointF pt(int i) const { return QPointF(w(i), w(i + 1)); }  // x then y
};

LogFont readFont(const Rec& r) {
  LogFont f;
  f.height = r.w(0);
  f.width = r.w(1);
  f.escapement = r.w(2);
  f.weight = r.w(4);
  const Bytes b = r.b;
  f.italic = b.has(10, 1) && b.p[10];
  f.underline = b.has(11, 1) && b.p[11];
  f.strikeOut = b.has(12, 1) && b.p[12];
  f.charset = b.has(13, 1) ? b.p[13] : 0;
  if (b.n > 18) {
    qsizetype len = 0;
    while (len < 32 && 18 + len < b.n && b.p[18 + len]) ++len;
    f.face = fromAnsi(b.p + 18, len);
  }
  return f;
}

// The source rectangle in image rows from the top: DIB coordinates count
// from the bottom for bottom-up bitmaps.
QRectF dibSource(const QImage& img, bool bottomUp, double x, double y, double w, double h) {
  if (bottomUp) y = img.height() - y - h;
  return QRectF(x, y, w, h);
}

bool dibBottomUp(Bytes dib) {
  const quint32 hdr = dib.u32(0);
  return hdr == 12 ? dib.i16(6) > 0 : dib.i32(8) > 0;
}

class WmfPlayer {
 public:
  WmfPlayer(Bytes b, const WmfInfo& info, QPainter& p, const QRectF& target) : b_(b), info_(info), g_(p, target) {
    g_.dc.mapMode = kMmAnisotropic;
    g_.dc.winOrg = info.frame.topLeft();
    g_.dc.winExt = QPointF(info.frame.width(), info.frame.height());
    g_.dc.vpOrg = target.topLeft();
    g_.dc.vpExt = QPointF(target.width(), target.height());
    const double inches = info.unitsPerInch > 0 ? info.frame.width() / info.unitsPerInch : info.frame.width() / 96;
    if (inches > 0) g_.devPxPerMmX = g_.devPxPerMmY = target.width() / (inches * 25.4);
  }

  void play() {
    qsizetype pos = info_.recordsStart + 18;
    while (pos + 6 <= b_.n) {
      const qsizetype size = qsizetype(b_.u32(pos)) * 2;
      const quint16 fn = b_.u16(pos + 4);
      if (fn == 0 || size < 6 || !b_.has(pos, size)) break;
      record(fn, Rec{b_.sub(pos + 6, size - 6)});
      pos += size;
    }
  }

 private:
  void newObject(const GdiObject& o) { g_.addObject(o); }

  QPolygonF points(const Rec& r, int first, int count) {
    QPolygonF pts;
    if (count <= 0 || first + 2 * qsizetype(count) > r.words()) return pts;
    pts.reserve(count);
    for (int i = 0; i < count; ++i) pts.append(r.pt(first + 2 * i));
    return pts;
  }

  // A blit whose bitmap starts at word `dibWord`; `src` in DIB pixels.
  void dibBlit(const Rec& r, int dibWord, quint32 rop, const QRectF& dest, double sx, double sy, double sw,
               double sh) {
    const Bytes dib = r.b.sub(qsizetype(dibWord) * 2, r.b.n - qsizetype(dibWord) * 2);
    const QImage img = decodePackedDib(dib);
    if (img.isNull()) return;
    if (sw == 0 || sh == 0) sw = img.width(), sh = img.height();
    g_.blit(dest, img, dibSource(img, dibBottomUp(dib), sx, sy, sw, sh), rop);
  }

  void record(quint16 fn, const Rec& r) {
    DcState& dc = g_.dc;
    const int n = r.words();
    switch (fn) {
      case 0x020B: if (n >= 2) dc.winOrg = QPointF(r.w(1), r.w(0)); break;  // SETWINDOWORG
      case 0x020C: if (n >= 2) dc.winExt = QPointF(r.w(1), r.w(0)); break;  // SETWINDOWEXT
      case 0x020F:                                                          // OFFSETWINDOWORG
        if (n >= 2) dc.winOrg += QPointF(r.w(1), r.w(0));
        break;
      case 0x0410:                                                          // SCALEWINDOWEXT
        if (n >= 4 && r.w(0) && r.w(2))
          dc.winExt = QPointF(dc.winExt.x() * r.w(3) / r.w(2), dc.winExt.y() * r.w(1) / r.w(0));
        break;
      case 0x0103: if (n >= 1) g_.setMapMode(r.w(0)); break;               // SETMAPMODE
      case 0x0102: if (n >= 1) dc.bkMode = r.w(0); break;                  // SETBKMODE
      case 0x0201: if (n >= 2) dc.bkColor = colorRef(r.dw(0)); break;      // SETBKCOLOR
      case 0x0209: if (n >= 2) dc.textColor = colorRef(r.dw(0)); break;    // SETTEXTCOLOR
      case 0x012E: if (n >= 1) dc.textAlign = r.uw(0); break;              // SETTEXTALIGN
      case 0x0106: if (n >= 1) dc.polyFill = r.w(0); break;                // SETPOLYFILLMODE
      case 0x0104: if (n >= 1) dc.rop2 = r.w(0); break;                    // SETROP2
      case 0x001E: g_.saveDc(); break;                                     // SAVEDC
      case 0x0127: if (n >= 1) g_.restoreDc(r.w(0)); break;                // RESTOREDC
      case 0x0416:                                                         // INTERSECTCLIPRECT
      case 0x0415:                                                         // EXCLUDECLIPRECT
        if (n >= 4) {
          const QRectF rc(QPointF(r.w(3), r.w(2)), QPointF(r.w(1), r.w(0)));
          if (fn == 0x0416)
            g_.intersectClipRect(rc);
          else
            g_.excludeClipRect(rc);
        }
        break;
      case 0x02FA: {  // CREATEPENINDIRECT
        GdiObject o;
        o.kind = ObjKind::Pen;
        o.pen.style = r.uw(0);
        o.pen.width = r.w(1);
        o.pen.color = colorRef(r.dw(3));
        newObject(o);
        break;
      }
      case 0x02FC: {  // CREATEBRUSHINDIRECT
        GdiObject o;
        o.kind = ObjKind::Brush;
        o.brush.style = r.uw(0);
        o.brush.color = colorRef(r.dw(1));
        o.brush.hatch = r.uw(3);
        if (o.brush.style == 3 || o.brush.style > 6) o.brush.style = 0;
        newObject(o);
        break;
      }
      case 0x02FB: {  // CREATEFONTINDIRECT
        GdiObject o;
        o.kind = ObjKind::Font;
        o.font = readFont(r);
        newObject(o);
        break;
      }
      case 0x0142: {  // DIBCREATEPATTERNBRUSH
        GdiObject o;
        o.kind = ObjKind::Brush;
        o.brush.style = 5;
        o.brush.pattern = decodePackedDib(r.b.sub(4, r.b.n - 4));
        o.brush.color = Qt::gray;
        newObject(o);
        break;
      }
      case 0x01F9:  // CREATEPATTERNBRUSH (an old device bitmap)
      case 0x00F7:  // CREATEPALETTE
      case 0x06FF: {  // CREATEREGION
        // They still occupy a slot; leaving them out would shift every later handle.
        GdiObject o;
        o.kind = fn == 0x01F9 ? ObjKind::Brush : ObjKind::Other;
        if (fn == 0x01F9) o.brush.color = Qt::gray;
        newObject(o);
        break;
      }
      case 0x012D: if (n >= 1) g_.selectObject(r.uw(0)); break;   // SELECTOBJECT
      case 0x01F0: if (n >= 1) g_.deleteObject(r.uw(0)); break;   // DELETEOBJECT
      case 0x0214: if (n >= 2) g_.moveTo(QPointF(r.w(1), r.w(0))); break;  // MOVETO
      case 0x0213: if (n >= 2) g_.lineTo(QPointF(r.w(1), r.w(0))); break;  // LINETO
      case 0x0324:                                                          // POLYGON
      case 0x0325: {                                                        // POLYLINE
        if (n < 1) break;
        const QPolygonF pts = points(r, 1, r.w(0));
        if (fn == 0x0324)
          g_.polygon(pts);
        else
          g_.polyline(pts);
        break;
      }
      case 0x0538: {  // POLYPOLYGON
        const int polys = n >= 1 ? r.w(0) : 0;
        if (polys <= 0 || 1 + polys > n) break;
        std::vector<QPolygonF> all;
        int at = 1 + polys;
        for (int i = 0; i < polys; ++i) {
          const int cnt = r.w(1 + i);
          QPolygonF pts = points(r, at, cnt);
          if (pts.isEmpty()) return;  // counts run past the record: damaged
          all.push_back(std::move(pts));
          at += 2 * cnt;
        }
        g_.polyPolygon(all);
        break;
      }
      case 0x041B:  // RECTANGLE
      case 0x0418:  // ELLIPSE
        if (n >= 4) {
          const QRectF rc(QPointF(r.w(3), r.w(2)), QPointF(r.w(1), r.w(0)));
          if (fn == 0x041B)
            g_.rectangle(rc);
          else
            g_.ellipse(rc);
        }
        break;
      case 0x061C:  // ROUNDRECT
        if (n >= 6) g_.roundRect(QRectF(QPointF(r.w(5), r.w(4)), QPointF(r.w(3), r.w(2))), r.w(1), r.w(0));
        break;
      case 0x0817:  // ARC
      case 0x081A:  // PIE
      case 0x0830:  // CHORD
        if (n >= 8)
          g_.arc(QRectF(QPointF(r.w(7), r.w(6)), QPointF(r.w(5), r.w(4))), QPointF(r.w(3), r.w(2)),
                 QPointF(r.w(1), r.w(0)), fn == 0x0817 ? 0 : fn == 0x0830 ? 1 : 2);
        break;
      case 0x0521: {  // TEXTOUT
        if (n < 1) break;
        const int count = r.w(0);
        const int strWords = (count + 1) / 2;
        if (count <= 0 || 1 + strWords + 2 > n) break;
        const QString s = fromAnsi(r.b.p + 2, count);
        g_.text(QPointF(r.w(2 + strWords), r.w(1 + strWords)), s, {}, 0, QRectF());
        break;
      }
      case 0x0A32: {  // EXTTEXTOUT
        if (n < 4) break;
        const QPointF ref(r.w(1), r.w(0));
        const int count = r.w(2);
        const int options = r.uw(3);
        int at = 4;
        QRectF rc;
        if (options & 6) {
          if (n < 8) break;
          rc = QRectF(QPointF(r.w(4), r.w(5)), QPointF(r.w(6), r.w(7)));
          at = 8;
        }
        if (count < 0 || qsizetype(at) * 2 + count > r.b.n) break;
        const QString s = fromAnsi(r.b.p + qsizetype(at) * 2, count);
        std::vector<double> dx;
        const int dxAt = at + (count + 1) / 2;
        if (count > 0 && dxAt + count <= n) {
          dx.reserve(std::size_t(count));
          for (int i = 0; i < count; ++i) dx.push_back(r.w(dxAt + i));
        }
        g_.text(ref, s, dx, options, rc);
        break;
      }
      case 0x061D:  // PATBLT
        if (n >= 6) g_.blit(QRectF(r.w(5), r.w(4), r.w(3), r.w(2)), QImage(), QRectF(), r.dw(0));
        break;
      case 0x0F43:  // STRETCHDIB
        if (n >= 11)
          dibBlit(r, 11, r.dw(0), QRectF(r.w(10), r.w(9), r.w(8), r.w(7)), r.w(6), r.w(5), r.w(4), r.w(3));
        break;
      case 0x0B41:  // DIBSTRETCHBLT
        if (n >= 16)
          dibBlit(r, 10, r.dw(0), QRectF(r.w(9), r.w(8), r.w(7), r.w(6)), r.w(5), r.w(4), r.w(3), r.w(2));
        else if (n >= 11)  // without a bitmap: a raster operation on the destination
          g_.blit(QRectF(r.w(10), r.w(9), r.w(8), r.w(7)), QImage(), QRectF(), r.dw(0));
        break;
      case 0x0940:  // DIBBITBLT
        if (n >= 14) {
          const QRectF dest(r.w(7), r.w(6), r.w(5), r.w(4));
          dibBlit(r, 8, r.dw(0), dest, r.w(3), r.w(2), r.w(5), r.w(4));
        } else if (n >= 9) {
          g_.blit(QRectF(r.w(8), r.w(7), r.w(6), r.w(5)), QImage(), QRectF(), r.dw(0));
        }
        break;
      default: break;  // escapes, palettes, stretch modes: nothing to draw
    }
  }

  Bytes b_;
  const WmfInfo& info_;
  GdiPlayer g_;
};

}  // namespace

QString fromAnsi(const uchar* p, qsizetype n) {
  // Windows-1252 differs from Latin-1 only in 0x80..0x9F.
  static const char16_t high[32] = {0x20AC, 0x81,   0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x8D,   0x017D, 0x8F,
                                    0x90,   0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x9D,   0x017E, 0x0178};
  QString s;
  s.reserve(n);
  for (qsizetype i = 0; i < n; ++i) {
    const uchar c = p[i];
    s.append(c >= 0x80 && c < 0xA0 ? QChar(high[c - 0x80]) : QChar(c));
  }
  return s;
}

bool scanWmf(Bytes b, bool requirePlaceable, WmfInfo* info, QString* error) {
  WmfInfo in;
  if (b.has(0, 4) && b.u32(0) == kPlaceableKey) {
    if (!b.has(0, 22 + 18)) return fail(error, QCoreApplication::translate("pz::Platform", "the file is truncated"));
    quint16 sum = 0;
    for (int i = 0; i < 10; ++i) sum ^= b.u16(i * 2);
    if (sum != b.u16(20)) return fail(error, QCoreApplication::translate("pz::Platform", "the placeable header's checksum is wrong"));
    const double l = b.i16(6), t = b.i16(8), r = b.i16(10), bt = b.i16(12);
    in.unitsPerInch = b.u16(14);
    if (in.unitsPerInch <= 0) return fail(error, QCoreApplication::translate("pz::Platform", "the header gives no units per inch"));
    if (r == l || bt == t) return fail(error, QCoreApplication::translate("pz::Platform", "the picture has no size"));
    in.frame = QRectF(QPointF(std::min(l, r), std::min(t, bt)), QPointF(std::max(l, r), std::max(t, bt)));
    in.placeable = true;
    in.recordsStart = 22;
  } else if (requirePlaceable) {
    return fail(error, QCoreApplication::translate("pz::Platform", "it is not a placeable Windows metafile or an enhanced metafile"));
  }
  const qsizetype h = in.recordsStart;
  if (!b.has(h, 18)) return fail(error, QCoreApplication::translate("pz::Platform", "the file is truncated"));
  const quint16 type = b.u16(h), hdrWords = b.u16(h + 2);
  if (!(type == 1 || type == 2) || hdrWords != 9)
    return fail(error, QCoreApplication::translate("pz::Platform", "it is not a Windows metafile"));
  // Every record must lie inside the file and the last one must be the end
  // record; otherwise the file was cut short or its sizes are damaged.
  bool ended = false, haveExt = false;
  QPointF org(0, 0), ext;
  qsizetype pos = h + 18;
  while (pos + 6 <= b.n) {
    const qsizetype size = qsizetype(b.u32(pos)) * 2;
    const quint16 fn = b.u16(pos + 4);
    if (fn == 0) {
      ended = true;
      break;
    }
    if (size < 6 || !b.has(pos, size)) break;
    if (fn == 0x020C && !haveExt && size >= 10) {
      ext = QPointF(b.i16(pos + 8), b.i16(pos + 6));
      haveExt = true;
    }
    if (fn == 0x020B && !haveExt && size >= 10) org = QPointF(b.i16(pos + 8), b.i16(pos + 6));
    pos += size;
  }
  if (!ended) return fail(error, QCoreApplication::translate("pz::Platform", "the file is truncated or its records are damaged"));
  if (!in.placeable) {
    // Without the placeable header the window set by the records gives the
    // picture's extent, in the pixels of the screen it was made on.
    if (!haveExt || ext.x() == 0 || ext.y() == 0) return fail(error, QCoreApplication::translate("pz::Platform", "the picture has no size"));
    in.frame = QRectF(org, QSizeF(ext.x(), ext.y())).normalized();
  }
  if (info) *info = in;
  return true;
}

void playWmf(Bytes b, const WmfInfo& info, QPainter& p, const QRectF& target) {
  WmfPlayer player(b, info, p, target);
  player.play();
}

}  // namespace pz::mf
