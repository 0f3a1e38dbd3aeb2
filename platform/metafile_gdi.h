// The device context shared by the WMF and EMF players: GDI objects, the saved
// state stack, coordinate mapping, clipping, paths and the drawing primitives,
// all rendered with QPainter in output pixels.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>
#include <cstring>
#include <vector>

namespace pz::mf {

// Little-endian reads over a byte range that never leave it.
struct Bytes {
  const uchar* p = nullptr;
  qsizetype n = 0;
  bool has(qsizetype off, qsizetype len) const { return off >= 0 && len >= 0 && off <= n && len <= n - off; }
  quint16 u16(qsizetype off) const { return has(off, 2) ? quint16(p[off] | p[off + 1] << 8) : 0; }
  qint16 i16(qsizetype off) const { return qint16(u16(off)); }
  quint32 u32(qsizetype off) const {
    if (!has(off, 4)) return 0;
    return quint32(p[off]) | quint32(p[off + 1]) << 8 | quint32(p[off + 2]) << 16 | quint32(p[off + 3]) << 24;
  }
  qint32 i32(qsizetype off) const { return qint32(u32(off)); }
  float f32(qsizetype off) const {
    const quint32 v = u32(off);
    float f;
    std::memcpy(&f, &v, 4);
    return f;
  }
  Bytes sub(qsizetype off, qsizetype len) const {
    if (!has(off, len)) return {};
    return {p + off, len};
  }
};

// GDI's COLORREF 0x00BBGGRR.
inline QColor colorRef(quint32 c) { return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF)); }

enum MapMode { kMmText = 1, kMmLoMetric, kMmHiMetric, kMmLoEnglish, kMmHiEnglish, kMmTwips, kMmIsotropic, kMmAnisotropic };

struct LogPen {
  int style = 0;  // PS_* with end cap and join bits
  double width = 0;
  QColor color = Qt::black;
};

struct LogBrush {
  int style = 0;  // BS_SOLID, BS_NULL, BS_HATCHED, BS_PATTERN/BS_DIBPATTERN
  QColor color = Qt::white;
  int hatch = 0;
  QImage pattern;
  bool monoPattern = false;  // a 1-bit pattern takes text and background colours
};

struct LogFont {
  double height = 0;  // > 0 cell height, < 0 character height, 0 default
  double width = 0;   // average character width, 0 natural
  int escapement = 0; // tenths of a degree, counter-clockwise
  int weight = 400;
  bool italic = false, underline = false, strikeOut = false;
  int charset = 0;
  QString face;
};

enum class ObjKind { Empty, Pen, Brush, Font, Other };

struct GdiObject {
  ObjKind kind = ObjKind::Empty;
  LogPen pen;
  LogBrush brush;
  LogFont font;
};

struct DcState {
  LogPen pen;
  LogBrush brush;
  LogFont font;
  QColor textColor = Qt::black;
  QColor bkColor = Qt::white;
  int bkMode = 2;      // OPAQUE
  int textAlign = 0;   // TA_LEFT | TA_TOP
  int polyFill = 1;    // ALTERNATE
  int rop2 = 13;       // R2_COPYPEN
  double miterLimit = 10;
  int mapMode = kMmText;
  QPointF winOrg{0, 0}, winExt{1, 1}, vpOrg{0, 0}, vpExt{1, 1};
  QTransform world;
  QPointF cur;
  bool clipped = false;
  QPainterPath clip;  // output pixels
  bool clipIsRect = true;  // clip is exactly clipRect: much faster to paint through
  QRectF clipRect;
  QColor dcBrush = Qt::white, dcPen = Qt::black;
};

// Raster operations of blits (the low word is GDI's encoding helper; only the
// high byte matters).
enum : quint32 {
  kSrcCopy = 0x00CC0020, kSrcPaint = 0x00EE0086, kSrcAnd = 0x008800C6, kSrcInvert = 0x00660046,
  kSrcErase = 0x00440328, kNotSrcCopy = 0x00330008, kNotSrcErase = 0x001100A6, kMergePaint = 0x00BB0226,
  kPatCopy = 0x00F00021, kPatInvert = 0x005A0049, kDstInvert = 0x00550009, kBlackness = 0x00000042,
  kWhiteness = 0x00FF0062, kMergeCopy = 0x00C000CA,
};

class GdiPlayer {
 public:
  // `target` is where the picture goes on the painter, in output pixels.
  GdiPlayer(QPainter& painter, const QRectF& target);

  DcState dc;
  QRectF target;
  // Reference device: pixels per millimetre (metric map modes) and the map
  // from device units to output pixels.
  double devPxPerMmX = 96 / 25.4, devPxPerMmY = 96 / 25.4;
  QTransform devToOut;

  // --- objects --------------------------------------------------------------
  std::vector<GdiObject> objects;
  // WMF: a new object takes the lowest free slot.
  int addObject(const GdiObject& o);
  void putObject(quint32 index, const GdiObject& o);  // EMF: at a given index
  void selectObject(quint32 index);
  void selectStock(quint32 stock);
  void deleteObject(quint32 index);

  // --- state ----------------------------------------------------------------
  void saveDc();
  void restoreDc(int which);  // < 0 relative, > 0 absolute
  void setMapMode(int mode);
  QTransform pageTransform() const;
  QTransform toOut() const { return dc.world * pageTransform() * devToOut; }
  QPointF map(const QPointF& p) const { return toOut().map(p); }

  // --- clipping -------------------------------------------------------------
  void intersectClipRect(const QRectF& logical);
  void excludeClipRect(const QRectF& logical);
  // mode: RGN_AND 1, RGN_OR 2, RGN_XOR 3, RGN_DIFF 4, RGN_COPY 5; path in output pixels.
  void combineClip(const QPainterPath& out, int mode);
  void resetClip();

  // --- paths ----------------------------------------------------------------
  bool inPath = false;
  QPainterPath path;  // output pixels
  void beginPath();
  void endPath() { inPath = false; }
  void closeFigure();
  void fillPath(bool fill, bool stroke);
  void selectClipPath(int mode);

  // --- drawing (logical coordinates) ----------------------------------------
  void moveTo(const QPointF& p);
  void lineTo(const QPointF& p);
  void polyline(const QPolygonF& pts);
  void polylineTo(const QPolygonF& pts);
  void polyBezier(const QPolygonF& pts, bool fromCurrent);
  void polygon(const QPolygonF& pts);
  void polyPolygon(const std::vector<QPolygonF>& polys);
  void polyPolyline(const std::vector<QPolygonF>& polys);
  void rectangle(const QRectF& r);
  void roundRect(const QRectF& r, double cornerW, double cornerH);
  void ellipse(const QRectF& r);
  // kind 0 arc, 1 chord, 2 pie
  void arc(const QRectF& r, const QPointF& start, const QPointF& end, int kind);
  // Text at a logical reference point. dx: advances in logical units, or empty.
  // rect (logical) is filled with the background for ETO_OPAQUE and clips for ETO_CLIPPED.
  void text(const QPointF& ref, const QString& s, const std::vector<double>& dx, int options, const QRectF& rect,
            double scaleX = 1, double scaleY = 1);
  // A bitmap blit: the image (may be null for raster ops without a source)
  // stretched from its src rectangle to the logical dest rectangle.
  void blit(const QRectF& dest, const QImage& img, const QRectF& src, quint32 rop);
  // Fills a shape given in output pixels with the current brush.
  void fillOut(const QPainterPath& out, const QBrush& brush);

  QPainter& painter() { return p_; }
  // When set, nothing is painted: the output extent of everything drawn is
  // collected instead.
  QRectF* extent = nullptr;
  bool measured(const QRectF& out) {
    if (!extent) return false;
    *extent = extent->isNull() ? out : extent->united(out);
    return true;
  }
  void applyClip();

 private:
  void addOrDraw(const QPainterPath& logical, bool fill, bool stroke);
  void drawOut(const QPainterPath& out, bool fill, bool stroke);
  QPen qpen() const;
  QBrush qbrush() const;
  bool saneOut(const QRectF& bounds) const;

  void rememberMask(const QImage& img, const QRectF& src, const QTransform& full, const QRectF& out);
  bool maskPair(const QImage& img, const QRectF& src, const QTransform& full);
  struct PendingMask {
    QImage under;  // the output pixels before the mask was drawn
    QPoint at;
    QImage image;
    QRectF src;
    QTransform transform;
    quint64 drawsSince = 0;
  } mask_;
  quint64 draws_ = 0;  // drawing steps so far: a pair must follow at once

  QPainter& p_;
  std::vector<DcState> saved_;
  QPainterPath lastClip_;
  bool lastClipped_ = false;
  bool clipKnown_ = false;
};

}  // namespace pz::mf
