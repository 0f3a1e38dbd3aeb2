// Pixel surfaces with the drawing semantics both programs were written for:
// colours 0x00BBGGRR, reads outside give 0xFFFFFFFF, writes outside do nothing,
// block transfers with raster operations, pens with ROP2 modes, lines that leave
// out their end point, and no antialiasing anywhere.
#pragma once

#include <QImage>
#include <cstdint>

namespace pz {

using Color = std::uint32_t;  // 0x00BBGGRR

constexpr Color kBlack = 0x000000;
constexpr Color kWhite = 0xFFFFFF;
constexpr Color kInvalid = 0xFFFFFFFF;  // what a read outside a surface gives
constexpr Color kRgbMask = 0xFFFFFF;

constexpr int redOf(Color c) { return int(c & 0xFF); }
constexpr int greenOf(Color c) { return int((c >> 8) & 0xFF); }
constexpr int blueOf(Color c) { return int((c >> 16) & 0xFF); }
constexpr Color rgb(int r, int g, int b) {
  return Color(r & 0xFF) | (Color(g & 0xFF) << 8) | (Color(b & 0xFF) << 16);
}

// Pixels are stored as QImage::Format_RGBX8888, which on a little-endian
// machine is exactly 0xFFBBGGRR per 32-bit word: the colour plus an opaque
// top byte. Raw rows therefore hold toRaw(colour) values.
constexpr std::uint32_t toRaw(Color c) { return (c & kRgbMask) | 0xFF000000u; }
constexpr Color fromRaw(std::uint32_t raw) { return raw & kRgbMask; }

enum class Rop {
  SrcCopy,    // D = S
  SrcAnd,     // D = S & D
  SrcPaint,   // D = S | D
  SrcInvert,  // D = S ^ D
  SrcErase,   // D = S & ~D
  NotSrcCopy, // D = ~S
  Blackness,  // D = 0
  Whiteness,  // D = 1
  DstInvert,  // D = ~D
  PatCopy,    // D = brush colour
};

enum class Rop2 { CopyPen, Not, XorPen };
enum class PenStyle { Solid, Dot, Null };

struct Pen {
  PenStyle style = PenStyle::Solid;
  int width = 1;
  Color color = kBlack;
};

struct Brush {
  bool hollow = false;  // a null brush: shapes are outlined only
  Color color = kWhite;
};

struct Rect {
  int left = 0, top = 0, right = 0, bottom = 0;  // right and bottom exclusive
  int width() const { return right - left; }
  int height() const { return bottom - top; }
  bool isEmpty() const { return right <= left || bottom <= top; }
  Rect intersected(const Rect& o) const;
};

class Surface {
 public:
  Surface() = default;
  Surface(int w, int h, Color fill = kWhite);
  explicit Surface(const QImage& image);  // any format; alpha is laid over white

  int width() const { return w_; }
  int height() const { return h_; }
  bool isNull() const { return w_ <= 0 || h_ <= 0; }
  Rect bounds() const { return {0, 0, w_, h_}; }

  // Makes a new surface of w x h filled with `fill` (content is lost).
  void create(int w, int h, Color fill = kWhite);
  // Changes the size keeping the top-left content; new area is white.
  void setSize(int w, int h);

  bool contains(int x, int y) const { return unsigned(x) < unsigned(w_) && unsigned(y) < unsigned(h_); }
  Color pixel(int x, int y) const { return contains(x, y) ? fromRaw(rowPtr(y)[x]) : kInvalid; }
  void setPixel(int x, int y, Color c) {
    if (contains(x, y)) rowPtr(y)[x] = toRaw(c);
  }

  // Raw row access for hot loops: each word is toRaw(colour). y must be inside.
  std::uint32_t* row(int y) { return rowPtr(y); }
  const std::uint32_t* row(int y) const { return rowPtr(y); }

  void fill(Color c);
  void fillRect(Rect r, Color c);  // clipped

  // The pixels as an image for painting on a widget or with QPainter.
  // Do not keep a copy of it: take toImage() for that.
  const QImage& image() const { return img_; }
  QImage& image() { return img_; }
  QImage toImage() const { return img_.copy(); }           // deep copy, RGBX8888
  QImage toRgb32() const;                                  // deep copy, RGB32
  Surface copy(Rect r, Color outside = kWhite) const;      // block, outside filled

  bool operator==(const Surface& o) const;

  // GDI-like drawing state and primitives.
  Pen pen;
  Brush brush;
  Rop2 rop2 = Rop2::CopyPen;

  void moveTo(int x, int y) { curX_ = x; curY_ = y; }
  void lineTo(int x, int y);  // leaves out the end point; moves the current position
  void rectangle(int l, int t, int r, int b);  // outline with pen, inside with brush
  void ellipse(int l, int t, int r, int b);    // bounding box, right/bottom exclusive
  // ExtFloodFill with FLOODFILLSURFACE: fills the 4-connected region of exactly
  // `surfaceColor` containing (x, y) with the brush colour. Iterative.
  void floodFillSurface(int x, int y, Color surfaceColor);

  // Plots one pen-sized dot of the current pen at (x, y) under rop2 (used by lines).
  void plotPen(int x, int y, int dotPhase);

 private:
  std::uint32_t* rowPtr(int y) { return reinterpret_cast<std::uint32_t*>(bits_ + qsizetype(y) * bpl_); }
  const std::uint32_t* rowPtr(int y) const {
    return reinterpret_cast<const std::uint32_t*>(bits_ + qsizetype(y) * bpl_);
  }
  void plotRop2(int x, int y, Color c);
  void attach();

  QImage img_;
  uchar* bits_ = nullptr;
  qsizetype bpl_ = 0;
  int w_ = 0, h_ = 0;
  int curX_ = 0, curY_ = 0;

 public:
  Surface(const Surface& o);
  Surface& operator=(const Surface& o);
  Surface(Surface&& o) noexcept;
  Surface& operator=(Surface&& o) noexcept;
  ~Surface() = default;
};

// BitBlt: copies the w x h block at (sx, sy) of src to (dx, dy) of dst with rop.
// Only pixels inside both surfaces are touched. Rops without a source
// (Blackness, Whiteness, DstInvert, PatCopy) ignore src, which may be null.
void bitBlt(Surface& dst, int dx, int dy, int w, int h, const Surface* src, int sx, int sy,
            Rop rop = Rop::SrcCopy, Color brushColor = kWhite);

// StretchBlt with COLORONCOLOR: rows and columns are dropped or repeated.
// Source pixels outside src are written as `outside`, or leave the destination
// alone when outside is kInvalid.
void stretchBlt(Surface& dst, int dx, int dy, int dw, int dh, const Surface& src, int sx, int sy, int sw,
                int sh, Rop rop = Rop::SrcCopy, Color outside = kInvalid);

// PatBlt with Blackness, Whiteness, DstInvert or PatCopy (brushColor).
void patBlt(Surface& dst, int x, int y, int w, int h, Rop rop, Color brushColor = kWhite);

}  // namespace pz
