// Enhanced metafiles (32-bit records), including the EMF+ comments of dual files.
#include <cmath>

#include <QCoreApplication>

#include "platform/metafile_dib.h"
#include "platform/metafile_players.h"

namespace pz::mf {

namespace {

constexpr quint32 kEmfSignature = 0x464D4520;  // " EMF"

bool fail(QString* error, const QString& why) {
  if (error) *error = why;
  return false;
}

QRectF rectL(Bytes b, qsizetype off) {  // RECTL, inclusive
  return QRectF(QPointF(b.i32(off), b.i32(off + 4)), QPointF(b.i32(off + 8), b.i32(off + 12)));
}

QTransform xform(Bytes b, qsizetype off) {
  return QTransform(b.f32(off), b.f32(off + 4), b.f32(off + 8), b.f32(off + 12), b.f32(off + 16), b.f32(off + 20));
}

bool finite(const QTransform& t) {
  return std::isfinite(t.m11()) && std::isfinite(t.m12()) && std::isfinite(t.m21()) && std::isfinite(t.m22()) &&
         std::isfinite(t.dx()) && std::isfinite(t.dy());
}

LogFont readLogFontW(Bytes b, qsizetype off) {
  LogFont f;
  f.height = b.i32(off);
  f.width = b.i32(off + 4);
  f.escapement = b.i32(off + 8);
  f.weight = b.i32(off + 16);
  f.italic = b.has(off + 20, 1) && b.p[off + 20];
  f.underline = b.has(off + 21, 1) && b.p[off + 21];
  f.strikeOut = b.has(off + 22, 1) && b.p[off + 22];
  f.charset = b.has(off + 23, 1) ? b.p[off + 23] : 0;
  QString face;
  for (int i = 0; i < 32; ++i) {
    const quint16 c = b.u16(off + 28 + 2 * i);
    if (!c) break;
    face.append(QChar(c));
  }
  f.face = face;
  return f;
}

class EmfPlayer {
 public:
  EmfPlayer(Bytes b, const EmfInfo& info, QPainter& p, const QRectF& target) : b_(b), g_(p, target) {
    g_.devPxPerMmX = info.devPxPerMmX;
    g_.devPxPerMmY = info.devPxPerMmY;
    // Reference device pixels -> 0.01 mm -> the frame stretched onto the target.
    const double fw = info.frame.width() ? info.frame.width() : 1, fh = info.frame.height() ? info.frame.height() : 1;
    const double kx = 100 / info.devPxPerMmX * target.width() / fw;
    const double ky = 100 / info.devPxPerMmY * target.height() / fh;
    g_.devToOut = QTransform(kx, 0, 0, ky, target.left() - info.frame.left() * target.width() / fw,
                             target.top() - info.frame.top() * target.height() / fh);
    plus_.dpiX = info.devPxPerMmX * 25.4;
    plus_.dpiY = info.devPxPerMmY * 25.4;
  }

  void play() {
    qsizetype pos = 0;
    while (pos + 8 <= b_.n) {
      const quint32 type = b_.u32(pos);
      const qsizetype size = b_.u32(pos + 4);
      if (size < 8 || !b_.has(pos, size)) break;
      if (type == 14) break;  // EOF
      const Bytes r = b_.sub(pos, size);
      if (type == 70) {
        comment(r);
      } else if (!plus_.skipPlain) {
        record(type, r);
      }
      pos += size;
    }
  }

 GdiPlayer& gdi() { return g_; }

 private:
  void comment(Bytes r) {
    const quint32 len = r.u32(8);
    if (!r.has(12, len) || len < 4 || r.u32(12) != 0x2B464D45) return;  // "EMF+"
    playEmfPlus(r.sub(16, len - 4), g_, plus_);
  }

  template <bool Short>
  QPolygonF points(Bytes r, qsizetype off, quint32 count) {
    QPolygonF pts;
    const qsizetype each = Short ? 4 : 8;
    if (count == 0 || !r.has(off, qsizetype(count) * each)) return pts;
    pts.reserve(qsizetype(count));
    for (quint32 i = 0; i < count; ++i) {
      const qsizetype o = off + qsizetype(i) * each;
      if (Short)
        pts.append(QPointF(r.i16(o), r.i16(o + 2)));
      else
        pts.append(QPointF(r.i32(o), r.i32(o + 4)));
    }
    return pts;
  }

  template <bool Short>
  void poly(quint32 type, Bytes r) {
    const QPolygonF pts = points<Short>(r, 28, r.u32(24));
    if (pts.isEmpty()) return;
    switch (type) {
      case 2: case 85: g_.polyBezier(pts, false); break;
      case 3: case 86: g_.polygon(pts); break;
      case 4: case 87: g_.polyline(pts); break;
      case 5: case 88: g_.polyBezier(pts, true); break;
      case 6: case 89: g_.polylineTo(pts); break;
    }
  }

  template <bool Short>
  void polyPoly(quint32 type, Bytes r) {
    const quint32 polys = r.u32(24), total = r.u32(28);
    if (polys == 0 || !r.has(32, qsizetype(polys) * 4)) return;
    const qsizetype ptsAt = 32 + qsizetype(polys) * 4;
    std::vector<QPolygonF> all;
    quint64 used = 0;
    for (quint32 i = 0; i < polys; ++i) {
      const quint32 cnt = r.u32(32 + qsizetype(i) * 4);
      used += cnt;
      if (used > total) return;
      QPolygonF pts = points<Short>(r, ptsAt + qsizetype(used - cnt) * (Short ? 4 : 8), cnt);
      if (pts.isEmpty() && cnt) return;  // counts run past the record
      all.push_back(std::move(pts));
    }
    if (type == 8 || type == 91)
      g_.polyPolygon(all);
    else
      g_.polyPolyline(all);
  }

  // A bitmap at offsets inside the record.
  QImage dib(Bytes r, qsizetype offBmi, qsizetype cbBmi, qsizetype offBits, qsizetype cbBits, bool* bottomUp) {
    const Bytes bmi = r.sub(offBmi, cbBmi), bits = r.sub(offBits, cbBits);
    if (!bmi.p || !bits.p) return {};
    *bottomUp = bmi.u32(0) == 12 ? bmi.i16(6) > 0 : bmi.i32(8) > 0;
    return decodeDib(bmi, bits);
  }

  void blit(Bytes r, const QRectF& dest, quint32 rop, double sx, double sy, double sw, double sh, qsizetype bmiAt) {
    bool bottomUp = true;
    const QImage img = r.u32(bmiAt + 4) ? dib(r, r.u32(bmiAt), r.u32(bmiAt + 4), r.u32(bmiAt + 8),
                                              r.u32(bmiAt + 12), &bottomUp)
                                        : QImage();
    if (img.isNull() && r.u32(bmiAt + 4)) return;
    QRectF src;
    if (!img.isNull()) {
      if (sw == 0 || sh == 0) sw = img.width(), sh = img.height();
      src = QRectF(sx, bottomUp ? img.height() - sy - sh : sy, sw, sh);
    }
    g_.blit(dest, img, src, rop);
  }

  void text(Bytes r, bool wide) {
    const QPointF ref(r.i32(36), r.i32(40));
    const quint32 count = r.u32(44), offString = r.u32(48), options = r.u32(52), offDx = r.u32(72);
    const QRectF rc = rectL(r, 56);
    if (count > 1000000) return;
    QString s;
    if (count) {
      if (wide) {
        if (!r.has(offString, qsizetype(count) * 2)) return;
        s.reserve(qsizetype(count));
        for (quint32 i = 0; i < count; ++i) s.append(QChar(r.u16(offString + 2 * qsizetype(i))));
      } else {
        if (!r.has(offString, count)) return;
        s = fromAnsi(r.p + offString, count);
      }
    }
    std::vector<double> dx;
    const qsizetype step = (options & 0x2000) ? 8 : 4;  // ETO_PDY: x and y advances
    if (count && offDx && r.has(offDx, qsizetype(count) * step)) {
      dx.reserve(count);
      for (quint32 i = 0; i < count; ++i) dx.push_back(r.i32(offDx + qsizetype(i) * step));
    }
    g_.text(ref, s, dx, int(options), rc);
  }

  void record(quint32 type, Bytes r) {
    DcState& dc = g_.dc;
    switch (type) {
      case 9: dc.winExt = QPointF(r.i32(8), r.i32(12)); break;   // SETWINDOWEXTEX
      case 10: dc.winOrg = QPointF(r.i32(8), r.i32(12)); break;  // SETWINDOWORGEX
      case 11: dc.vpExt = QPointF(r.i32(8), r.i32(12)); break;   // SETVIEWPORTEXTEX
      case 12: dc.vpOrg = QPointF(r.i32(8), r.i32(12)); break;   // SETVIEWPORTORGEX
      case 31:                                                   // SCALEVIEWPORTEXTEX
      case 32:                                                   // SCALEWINDOWEXTEX
        if (r.i32(12) && r.i32(20)) {
          QPointF& e = type == 31 ? dc.vpExt : dc.winExt;
          e = QPointF(e.x() * r.i32(8) / r.i32(12), e.y() * r.i32(16) / r.i32(20));
        }
        break;
      case 17: g_.setMapMode(r.i32(8)); break;
      case 18: dc.bkMode = r.i32(8); break;
      case 19: dc.polyFill = r.i32(8); break;
      case 20: dc.rop2 = r.i32(8); break;
      case 22: dc.textAlign = r.i32(8); break;
      case 24: dc.textColor = colorRef(r.u32(8)); break;
      case 25: dc.bkColor = colorRef(r.u32(8)); break;
      case 27: g_.moveTo(QPointF(r.i32(8), r.i32(12))); break;
      case 54: g_.lineTo(QPointF(r.i32(8), r.i32(12))); break;
      case 29: g_.excludeClipRect(rectL(r, 8)); break;
      case 30: g_.intersectClipRect(rectL(r, 8)); break;
      case 33: g_.saveDc(); break;
      case 34: g_.restoreDc(r.i32(8)); break;
      case 35: {  // SETWORLDTRANSFORM
        const QTransform x = xform(r, 8);
        if (finite(x)) dc.world = x;
        break;
      }
      case 36: {  // MODIFYWORLDTRANSFORM
        const QTransform x = xform(r, 8);
        if (!finite(x)) break;
        switch (r.u32(32)) {
          case 1: dc.world = QTransform(); break;
          case 2: dc.world = x * dc.world; break;  // left multiply: new = X × old
          case 3: dc.world = dc.world * x; break;
          case 4: dc.world = x; break;
        }
        break;
      }
      case 58: {  // SETMITERLIMIT: an integer, though some writers store a float
        const quint32 v = r.u32(8);
        dc.miterLimit = v > 0x10000 ? double(r.f32(8)) : double(v);
        if (!(dc.miterLimit >= 1 && dc.miterLimit < 1000)) dc.miterLimit = 10;
        break;
      }
      case 37: g_.selectObject(r.u32(8)); break;
      case 40: g_.deleteObject(r.u32(8)); break;
      case 38: {  // CREATEPEN
        GdiObject o;
        o.kind = ObjKind::Pen;
        o.pen.style = int(r.u32(12));
        o.pen.width = r.i32(16);
        o.pen.color = colorRef(r.u32(24));
        g_.putObject(r.u32(8), o);
        break;
      }
      case 95: {  // EXTCREATEPEN
        GdiObject o;
        o.kind = ObjKind::Pen;
        o.pen.style = int(r.u32(28));
        o.pen.width = (o.pen.style & 0x10000) ? double(r.u32(32)) : 0;  // cosmetic pens are one pixel
        o.pen.color = colorRef(r.u32(40));
        if (r.u32(36) == 1) o.pen.style = (o.pen.style & ~0x0F) | 5;  // a hollow brush draws nothing
        g_.putObject(r.u32(8), o);
        break;
      }
      case 39: {  // CREATEBRUSHINDIRECT
        GdiObject o;
        o.kind = ObjKind::Brush;
        o.brush.style = int(r.u32(12));
        o.brush.color = colorRef(r.u32(16));
        o.brush.hatch = int(r.u32(20));
        if (o.brush.style != 1 && o.brush.style != 2) o.brush.style = 0;
        g_.putObject(r.u32(8), o);
        break;
      }
      case 93:    // CREATEMONOBRUSH
      case 94: {  // CREATEDIBPATTERNBRUSHPT
        GdiObject o;
        o.kind = ObjKind::Brush;
        o.brush.style = 5;
        o.brush.color = Qt::gray;
        bool bottomUp;
        if (type == 93) {
          // A monochrome brush draws its 0 bits in the text colour and its 1
          // bits in the background colour; the bitmap's own colours mean nothing.
          o.brush.pattern = decodeMonoDibBits(r.sub(r.u32(16), r.u32(20)), r.sub(r.u32(24), r.u32(28)));
          o.brush.monoPattern = !o.brush.pattern.isNull();
        }
        if (o.brush.pattern.isNull())
          o.brush.pattern = dib(r, r.u32(16), r.u32(20), r.u32(24), r.u32(28), &bottomUp);
        g_.putObject(r.u32(8), o);
        break;
      }
      case 49: {  // CREATEPALETTE
        GdiObject o;
        o.kind = ObjKind::Other;
        g_.putObject(r.u32(8), o);
        break;
      }
      case 82: {  // EXTCREATEFONTINDIRECTW
        GdiObject o;
        o.kind = ObjKind::Font;
        o.font = readLogFontW(r, 12);
        g_.putObject(r.u32(8), o);
        break;
      }
      case 59: g_.beginPath(); break;
      case 60: g_.endPath(); break;
      case 61: g_.closeFigure(); break;
      case 62: g_.fillPath(true, false); break;
      case 63: g_.fillPath(true, true); break;
      case 64: g_.fillPath(false, true); break;
      case 67: g_.selectClipPath(r.i32(8)); break;
      case 68: g_.endPath(); g_.path = QPainterPath(); break;  // ABORTPATH
      case 75: {  // EXTSELECTCLIPRGN: rectangles in device units
        const quint32 cb = r.u32(8), mode = r.u32(12);
        if (cb < 32 || !r.has(16, cb)) {
          if (mode == 5) g_.resetClip();
          break;
        }
        const quint32 count = r.u32(16 + 8);
        if (!r.has(48, qsizetype(count) * 16) || qsizetype(count) * 16 > qsizetype(cb) - 32) break;
        QPainterPath region;
        for (quint32 i = 0; i < count; ++i) {
          const QRectF rc = rectL(r, 48 + qsizetype(i) * 16);
          QRectF d(QPointF(rc.left(), rc.top()), QPointF(rc.right(), rc.bottom()));  // right/bottom exclusive
          region.addPolygon(g_.devToOut.map(QPolygonF(d.normalized())));
          region.closeSubpath();
        }
        region.setFillRule(Qt::WindingFill);
        g_.combineClip(region.simplified(), int(mode));
        break;
      }
      case 2: case 3: case 4: case 5: case 6: poly<false>(type, r); break;
      case 85: case 86: case 87: case 88: case 89: poly<true>(type, r); break;
      case 7: case 8: polyPoly<false>(type, r); break;
      case 90: case 91: polyPoly<true>(type, r); break;
      case 42: g_.ellipse(rectL(r, 8)); break;
      case 43: g_.rectangle(rectL(r, 8)); break;
      case 44: g_.roundRect(rectL(r, 8), r.i32(24), r.i32(28)); break;
      case 45: case 46: case 47:  // ARC, CHORD, PIE
        g_.arc(rectL(r, 8), QPointF(r.i32(24), r.i32(28)), QPointF(r.i32(32), r.i32(36)),
               type == 45 ? 0 : type == 46 ? 1 : 2);
        break;
      case 83: text(r, false); break;
      case 84: text(r, true); break;
      case 76:    // BITBLT
      case 77: {  // STRETCHBLT
        if (r.n < 100) break;
        const QRectF dest(r.i32(24), r.i32(28), r.i32(32), r.i32(36));
        const double sw = type == 77 && r.n >= 108 ? r.i32(100) : dest.width();
        const double sh = type == 77 && r.n >= 108 ? r.i32(104) : dest.height();
        blit(r, dest, r.u32(40), r.i32(44), r.i32(48), sw, sh, 84);
        break;
      }
      case 81: {  // STRETCHDIBITS
        if (r.n < 80) break;
        const QRectF dest(r.i32(24), r.i32(28), r.i32(72), r.i32(76));
        blit(r, dest, r.u32(68), r.i32(32), r.i32(36), r.i32(40), r.i32(44), 48);
        break;
      }
      case 80: {  // SETDIBITSTODEVICE
        if (r.n < 76) break;
        const QRectF dest(r.i32(24), r.i32(28), r.i32(40), r.i32(44));
        blit(r, dest, kSrcCopy, r.i32(32), r.i32(36), r.i32(40), r.i32(44), 48);
        break;
      }
      default: break;
    }
  }

  Bytes b_;
  GdiPlayer g_;
  PlusState plus_;
};

}  // namespace

bool scanEmf(Bytes b, EmfInfo* info, QString* error) {
  if (!b.has(0, 88) || b.u32(0) != 1 || b.u32(40) != kEmfSignature)
    return fail(error, QCoreApplication::translate("pz::Platform", "it is not an enhanced metafile"));
  const qsizetype hdrSize = b.u32(4);
  if (hdrSize < 88 || !b.has(0, hdrSize)) return fail(error, QCoreApplication::translate("pz::Platform", "the file is truncated"));
  if (qint64(b.u32(48)) > b.n) return fail(error, QCoreApplication::translate("pz::Platform", "the file is truncated"));
  EmfInfo in;
  in.bounds = rectL(b, 8);
  in.frame = rectL(b, 24);
  in.handles = b.u16(56);
  const double devX = b.i32(72), devY = b.i32(76), mmX = b.i32(80), mmY = b.i32(84);
  // The micrometre size is there only when the description and pixel format
  // that may follow the base header do not start before it.
  const quint32 nDesc = b.u32(60), offDesc = b.u32(64), cbPix = b.u32(88), offPix = b.u32(92);
  const bool hasMicrometres = hdrSize >= 108 && (nDesc == 0 || offDesc >= 108) && (cbPix == 0 || offPix >= 108);
  if (hasMicrometres && b.i32(100) > 0 && b.i32(104) > 0 && devX > 0 && devY > 0) {
    in.devPxPerMmX = devX * 1000 / b.i32(100);
    in.devPxPerMmY = devY * 1000 / b.i32(104);
  } else if (devX > 0 && devY > 0 && mmX > 0 && mmY > 0) {
    in.devPxPerMmX = devX / mmX;
    in.devPxPerMmY = devY / mmY;
  } else {
    in.devPxPerMmX = in.devPxPerMmY = 96 / 25.4;
  }
  if (!(in.devPxPerMmX > 0.01 && in.devPxPerMmX < 1e5 && in.devPxPerMmY > 0.01 && in.devPxPerMmY < 1e5))
    in.devPxPerMmX = in.devPxPerMmY = 96 / 25.4;
  in.frame = in.frame.normalized();
  if (in.frame.width() <= 0 || in.frame.height() <= 0) {
    // No usable frame: take the bounds, which are in reference device pixels.
    const QRectF bd = in.bounds.normalized();
    in.frame = QRectF(bd.left() * 100 / in.devPxPerMmX, bd.top() * 100 / in.devPxPerMmY,
                      (bd.width() + 1) * 100 / in.devPxPerMmX, (bd.height() + 1) * 100 / in.devPxPerMmY);
    if (in.frame.width() <= 0 || in.frame.height() <= 0) return fail(error, QCoreApplication::translate("pz::Platform", "the picture has no size"));
  }
  qsizetype pos = hdrSize;
  bool ended = false;
  while (pos + 8 <= b.n) {
    const quint32 type = b.u32(pos);
    const qsizetype size = b.u32(pos + 4);
    if (size < 8 || (size & 3) || !b.has(pos, size)) break;
    if (type == 14) {
      ended = true;
      break;
    }
    pos += size;
  }
  if (!ended) return fail(error, QCoreApplication::translate("pz::Platform", "the file is truncated or its records are damaged"));
  if (info) *info = in;
  return true;
}

void playEmf(Bytes b, const EmfInfo& info, QPainter& p, const QRectF& target, QRectF* extent) {
  EmfPlayer player(b, info, p, target);
  player.gdi().extent = extent;
  player.play();
}

}  // namespace pz::mf
