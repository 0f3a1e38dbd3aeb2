#include "platform/surface.h"

#include <QPainter>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN, "RGBX8888 words are 0xFFBBGGRR only on little-endian machines");

namespace pz {

Rect Rect::intersected(const Rect& o) const {
  Rect r{std::max(left, o.left), std::max(top, o.top), std::min(right, o.right), std::min(bottom, o.bottom)};
  if (r.isEmpty()) return {0, 0, 0, 0};
  return r;
}

Surface::Surface(int w, int h, Color fill) { create(w, h, fill); }

Surface::Surface(const QImage& image) {
  if (image.isNull()) return;
  if (image.hasAlphaChannel()) {
    img_ = QImage(image.size(), QImage::Format_RGBX8888);
    img_.fill(Qt::white);
    QPainter p(&img_);
    p.drawImage(0, 0, image);
  } else {
    img_ = image.convertToFormat(QImage::Format_RGBX8888);
  }
  attach();
}

Surface::Surface(const Surface& o) : pen(o.pen), brush(o.brush), rop2(o.rop2) {
  img_ = o.img_.copy();
  attach();
}

Surface& Surface::operator=(const Surface& o) {
  if (this != &o) {
    img_ = o.img_.copy();
    pen = o.pen;
    brush = o.brush;
    rop2 = o.rop2;
    attach();
  }
  return *this;
}

Surface::Surface(Surface&& o) noexcept
    : pen(o.pen), brush(o.brush), rop2(o.rop2), img_(std::move(o.img_)) {
  o.img_ = QImage();
  o.attach();
  attach();
}

Surface& Surface::operator=(Surface&& o) noexcept {
  if (this != &o) {
    img_ = std::move(o.img_);
    pen = o.pen;
    brush = o.brush;
    rop2 = o.rop2;
    o.img_ = QImage();
    o.attach();
    attach();
  }
  return *this;
}

void Surface::attach() {
  if (img_.isNull()) {
    bits_ = nullptr;
    bpl_ = 0;
    w_ = h_ = 0;
    return;
  }
  bits_ = img_.bits();  // detaches: the surface never shares its pixels
  bpl_ = img_.bytesPerLine();
  w_ = img_.width();
  h_ = img_.height();
}

void Surface::create(int w, int h, Color fill) {
  if (w <= 0 || h <= 0) {
    img_ = QImage();
    attach();
    return;
  }
  img_ = QImage(w, h, QImage::Format_RGBX8888);
  if (img_.isNull()) throw std::bad_alloc();
  attach();
  this->fill(fill);
}

void Surface::setSize(int w, int h) {
  Surface grown(w, h, kWhite);
  bitBlt(grown, 0, 0, std::min(w, w_), std::min(h, h_), this, 0, 0, Rop::SrcCopy);
  Pen p = pen;
  Brush b = brush;
  Rop2 r = rop2;
  *this = std::move(grown);
  pen = p;
  brush = b;
  rop2 = r;
}

void Surface::fill(Color c) { fillRect(bounds(), c); }

void Surface::fillRect(Rect r, Color c) {
  r = r.intersected(bounds());
  if (r.isEmpty()) return;
  const std::uint32_t raw = toRaw(c);
  for (int y = r.top; y < r.bottom; ++y) std::fill_n(rowPtr(y) + r.left, r.width(), raw);
}

QImage Surface::toRgb32() const { return img_.convertToFormat(QImage::Format_RGB32); }

Surface Surface::copy(Rect r, Color outside) const {
  Surface out(std::max(0, r.width()), std::max(0, r.height()), outside);
  if (!out.isNull()) bitBlt(out, 0, 0, r.width(), r.height(), this, r.left, r.top, Rop::SrcCopy);
  return out;
}

bool Surface::operator==(const Surface& o) const {
  if (w_ != o.w_ || h_ != o.h_) return false;
  for (int y = 0; y < h_; ++y) {
    const std::uint32_t* a = rowPtr(y);
    const std::uint32_t* b = o.rowPtr(y);
    for (int x = 0; x < w_; ++x)
      if (fromRaw(a[x]) != fromRaw(b[x])) return false;
  }
  return true;
}

void Surface::plotRop2(int x, int y, Color c) {
  if (!contains(x, y)) return;
  std::uint32_t& d = rowPtr(y)[x];
  switch (rop2) {
    case Rop2::CopyPen: d = toRaw(c); break;
    case Rop2::Not: d = toRaw(~d); break;
    case Rop2::XorPen: d = toRaw(d ^ c); break;
  }
}

void Surface::plotPen(int x, int y, int dotPhase) {
  if (pen.style == PenStyle::Null) return;
  if (pen.style == PenStyle::Dot && (dotPhase & 1)) return;
  const int w = std::max(1, pen.width);
  if (w == 1) {
    plotRop2(x, y, pen.color);
    return;
  }
  // A round dot of diameter w centred on the point, like a geometric pen's cap.
  const int x0 = x - w / 2, y0 = y - w / 2;
  const double rad = w / 2.0;
  for (int j = 0; j < w; ++j) {
    const double dy = j + 0.5 - rad;
    for (int i = 0; i < w; ++i) {
      const double dx = i + 0.5 - rad;
      if (dx * dx + dy * dy <= rad * rad + 0.25) plotRop2(x0 + i, y0 + j, pen.color);
    }
  }
}

void Surface::lineTo(int x1, int y1) {
  const int x0 = curX_, y0 = curY_;
  curX_ = x1;
  curY_ = y1;
  if (pen.style == PenStyle::Null) return;
  const bool wide = pen.width > 1;
  int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
  const int stepX = x0 < x1 ? 1 : -1, stepY = y0 < y1 ? 1 : -1;
  int err = dx + dy;
  int x = x0, y = y0, i = 0;
  while (true) {
    const bool atEnd = (x == x1 && y == y1);
    // Thin lines leave out their end point; wide ones end in a round cap.
    if (atEnd && !wide) break;
    plotPen(x, y, i++);
    if (atEnd) break;
    const int e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      x += stepX;
    }
    if (e2 <= dx) {
      err += dx;
      y += stepY;
    }
  }
}

void Surface::rectangle(int l, int t, int r, int b) {
  if (l > r) std::swap(l, r);
  if (t > b) std::swap(t, b);
  if (pen.style == PenStyle::Null) {
    // Without an outline the filled area is one pixel smaller to the right and bottom.
    if (!brush.hollow)
      for (int y = t; y < b - 1; ++y)
        for (int x = l; x < r - 1; ++x) plotRop2(x, y, brush.color);
    return;
  }
  const int w = std::max(1, pen.width);
  if (!brush.hollow)
    for (int y = t + w; y < b - w; ++y)
      for (int x = l + w; x < r - w; ++x) plotRop2(x, y, brush.color);
  int phase = 0;
  for (int k = 0; k < w; ++k) {
    const int L = l + k, T = t + k, R = r - 1 - k, B = b - 1 - k;
    if (L > R || T > B) break;
    for (int x = L; x <= R; ++x) {
      if (pen.style == PenStyle::Dot && (phase++ & 1)) continue;
      plotRop2(x, T, pen.color);
      if (B != T) plotRop2(x, B, pen.color);
    }
    for (int y = T + 1; y < B; ++y) {
      if (pen.style == PenStyle::Dot && (phase++ & 1)) continue;
      plotRop2(L, y, pen.color);
      if (R != L) plotRop2(R, y, pen.color);
    }
  }
}

namespace {
// Horizontal span [x0, x1) of row y inside the ellipse inscribed in (l, t, r, b).
bool ellipseSpan(int l, int t, int r, int b, int y, int& x0, int& x1) {
  const double rx = (r - l) / 2.0, ry = (b - t) / 2.0;
  if (rx <= 0 || ry <= 0) return false;
  const double cx = l + rx, cy = t + ry;
  const double ny = (y + 0.5 - cy) / ry;
  const double q = 1.0 - ny * ny;
  if (q < 0) return false;
  const double half = rx * std::sqrt(q);
  x0 = int(std::ceil(cx - half - 0.5));
  x1 = int(std::floor(cx + half - 0.5)) + 1;
  x0 = std::max(x0, l);
  x1 = std::min(x1, r);
  return x1 > x0;
}
}  // namespace

void Surface::ellipse(int l, int t, int r, int b) {
  if (l > r) std::swap(l, r);
  if (t > b) std::swap(t, b);
  const int w = pen.style == PenStyle::Null ? 0 : std::max(1, pen.width);
  for (int y = t; y < b; ++y) {
    int x0, x1;
    if (!ellipseSpan(l, t, r, b, y, x0, x1)) continue;
    int i0 = 0, i1 = 0;
    const bool inner = w > 0 ? ellipseSpan(l + w, t + w, r - w, b - w, y, i0, i1) : false;
    for (int x = x0; x < x1; ++x) {
      const bool onRing = w > 0 && (!inner || x < i0 || x >= i1);
      if (onRing)
        plotRop2(x, y, pen.color);
      else if (!brush.hollow)
        plotRop2(x, y, brush.color);
    }
  }
}

namespace {
// A span of a filled row waiting to seed the row in direction dir from it.
// [pl, pr] is the span it came from, already filled, which need not be
// scanned again when looking back.
struct FillSeed {
  int x, y, dir, pl, pr;
};
}  // namespace

void Surface::floodFillSurface(int x, int y, Color surfaceColor) {
  if (!contains(x, y)) return;
  const std::uint32_t target = toRaw(surfaceColor);
  const std::uint32_t paint = toRaw(brush.color);
  if (target == paint || rowPtr(y)[x] != target) return;
  std::vector<FillSeed> seeds;
  seeds.reserve(256);
  seeds.push_back({x, y, 0, 0, -1});
  // Pushes one seed per run of target pixels in row ny between a and b.
  auto scan = [&](int ny, int a, int b, int dir, int l, int r) {
    if (ny < 0 || ny >= h_ || a > b) return;
    const std::uint32_t* nrow = rowPtr(ny);
    int i = a;
    while (i <= b) {
      while (i <= b && nrow[i] != target) ++i;
      if (i > b) break;
      seeds.push_back({i, ny, dir, l, r});
      while (i <= b && nrow[i] == target) ++i;
    }
  };
  while (!seeds.empty()) {
    const FillSeed sd = seeds.back();
    seeds.pop_back();
    std::uint32_t* row = rowPtr(sd.y);
    if (row[sd.x] != target) continue;
    int l = sd.x, r = sd.x;
    while (l > 0 && row[l - 1] == target) --l;
    while (r + 1 < w_ && row[r + 1] == target) ++r;
    std::fill(row + l, row + r + 1, paint);
    if (sd.dir == 0) {
      scan(sd.y - 1, l, r, -1, l, r);
      scan(sd.y + 1, l, r, 1, l, r);
      continue;
    }
    // Onward: the whole span. Back toward the parent: only beyond its span.
    scan(sd.y + sd.dir, l, r, sd.dir, l, r);
    scan(sd.y - sd.dir, l, std::min(r, sd.pl - 1), -sd.dir, l, r);
    scan(sd.y - sd.dir, std::max(l, sd.pr + 1), r, -sd.dir, l, r);
  }
}

namespace {

constexpr std::uint32_t kOpaque = 0xFF000000u;

template <Rop R>
inline std::uint32_t applyRop(std::uint32_t s, std::uint32_t d, std::uint32_t brushRaw) {
  if constexpr (R == Rop::SrcCopy) return s;
  if constexpr (R == Rop::SrcAnd) return s & d;
  if constexpr (R == Rop::SrcPaint) return s | d;
  if constexpr (R == Rop::SrcInvert) return (s ^ d) | kOpaque;
  if constexpr (R == Rop::SrcErase) return (s & ~d) | kOpaque;
  if constexpr (R == Rop::NotSrcCopy) return ~s | kOpaque;
  if constexpr (R == Rop::Blackness) return kOpaque;
  if constexpr (R == Rop::Whiteness) return 0xFFFFFFFFu;
  if constexpr (R == Rop::DstInvert) return ~d | kOpaque;
  if constexpr (R == Rop::PatCopy) return brushRaw;
  return s;
}

template <Rop R>
void bltRows(Surface& dst, int dx, int dy, int w, int h, const Surface* src, int sx, int sy,
             std::uint32_t brushRaw) {
  for (int j = 0; j < h; ++j) {
    std::uint32_t* d = dst.row(dy + j) + dx;
    if constexpr (R == Rop::SrcCopy) {
      std::memmove(d, src->row(sy + j) + sx, sizeof(std::uint32_t) * std::size_t(w));
    } else {
      const std::uint32_t* s = src ? src->row(sy + j) + sx : nullptr;
      for (int i = 0; i < w; ++i) d[i] = applyRop<R>(s ? s[i] : 0, d[i], brushRaw);
    }
  }
}

bool needsSource(Rop rop) {
  return !(rop == Rop::Blackness || rop == Rop::Whiteness || rop == Rop::DstInvert || rop == Rop::PatCopy);
}

template <Rop R>
void stretchRows(Surface& dst, const Rect& clip, int dx, int dy, int dw, int dh, const Surface& src, int sx,
                 int sy, int sw, int sh, std::uint32_t outsideRaw, bool keepOutside) {
  static thread_local std::vector<int> colMap;
  colMap.resize(std::size_t(clip.width()));
  for (int i = clip.left; i < clip.right; ++i)
    colMap[std::size_t(i - clip.left)] = sx + int((long long)(i - dx) * sw / dw);
  for (int j = clip.top; j < clip.bottom; ++j) {
    const int srow = sy + int((long long)(j - dy) * sh / dh);
    std::uint32_t* d = dst.row(j) + clip.left;
    const bool rowInside = srow >= 0 && srow < src.height();
    const std::uint32_t* s = rowInside ? src.row(srow) : nullptr;
    for (int i = 0; i < clip.width(); ++i) {
      const int scol = colMap[std::size_t(i)];
      if (s && unsigned(scol) < unsigned(src.width()))
        d[i] = applyRop<R>(s[scol], d[i], 0);
      else if (!keepOutside)
        d[i] = outsideRaw;
    }
  }
}

}  // namespace

void bitBlt(Surface& dst, int dx, int dy, int w, int h, const Surface* src, int sx, int sy, Rop rop,
            Color brushColor) {
  if (dst.isNull() || w <= 0 || h <= 0) return;
  const bool withSrc = needsSource(rop);
  if (withSrc && (!src || src->isNull())) return;
  // Clip against the destination, then against the source, moving both origins together.
  int x0 = 0, y0 = 0, x1 = w, y1 = h;  // offsets within the block
  x0 = std::max(x0, -dx);
  y0 = std::max(y0, -dy);
  x1 = std::min(x1, dst.width() - dx);
  y1 = std::min(y1, dst.height() - dy);
  if (withSrc) {
    x0 = std::max(x0, -sx);
    y0 = std::max(y0, -sy);
    x1 = std::min(x1, src->width() - sx);
    y1 = std::min(y1, src->height() - sy);
  }
  if (x1 <= x0 || y1 <= y0) return;
  const int cw = x1 - x0, ch = y1 - y0;
  const std::uint32_t braw = toRaw(brushColor);
  const int DX = dx + x0, DY = dy + y0, SX = sx + x0, SY = sy + y0;
  // Overlapping copies within one surface must not read rows already written.
  const bool sameSurface = src == &dst;
  if (sameSurface && DY > SY) {
    for (int j = ch - 1; j >= 0; --j) bitBlt(dst, DX, DY + j, cw, 1, src, SX, SY + j, rop, brushColor);
    return;
  }
  switch (rop) {
    case Rop::SrcCopy: bltRows<Rop::SrcCopy>(dst, DX, DY, cw, ch, src, SX, SY, braw); break;
    case Rop::SrcAnd: bltRows<Rop::SrcAnd>(dst, DX, DY, cw, ch, src, SX, SY, braw); break;
    case Rop::SrcPaint: bltRows<Rop::SrcPaint>(dst, DX, DY, cw, ch, src, SX, SY, braw); break;
    case Rop::SrcInvert: bltRows<Rop::SrcInvert>(dst, DX, DY, cw, ch, src, SX, SY, braw); break;
    case Rop::SrcErase: bltRows<Rop::SrcErase>(dst, DX, DY, cw, ch, src, SX, SY, braw); break;
    case Rop::NotSrcCopy: bltRows<Rop::NotSrcCopy>(dst, DX, DY, cw, ch, src, SX, SY, braw); break;
    case Rop::Blackness: bltRows<Rop::Blackness>(dst, DX, DY, cw, ch, nullptr, 0, 0, braw); break;
    case Rop::Whiteness: bltRows<Rop::Whiteness>(dst, DX, DY, cw, ch, nullptr, 0, 0, braw); break;
    case Rop::DstInvert: bltRows<Rop::DstInvert>(dst, DX, DY, cw, ch, nullptr, 0, 0, braw); break;
    case Rop::PatCopy: bltRows<Rop::PatCopy>(dst, DX, DY, cw, ch, nullptr, 0, 0, braw); break;
  }
}

void stretchBlt(Surface& dst, int dx, int dy, int dw, int dh, const Surface& src, int sx, int sy, int sw,
                int sh, Rop rop, Color outside) {
  if (dst.isNull() || dw <= 0 || dh <= 0 || sw <= 0 || sh <= 0) return;
  if (dw == sw && dh == sh && rop == Rop::SrcCopy && outside == kInvalid) {
    bitBlt(dst, dx, dy, dw, dh, &src, sx, sy, rop);
    return;
  }
  const Rect clip = Rect{dx, dy, dx + dw, dy + dh}.intersected(dst.bounds());
  if (clip.isEmpty()) return;
  const bool keep = outside == kInvalid;
  const std::uint32_t oraw = toRaw(outside);
  switch (rop) {
    case Rop::SrcAnd: stretchRows<Rop::SrcAnd>(dst, clip, dx, dy, dw, dh, src, sx, sy, sw, sh, oraw, keep); break;
    case Rop::SrcPaint:
      stretchRows<Rop::SrcPaint>(dst, clip, dx, dy, dw, dh, src, sx, sy, sw, sh, oraw, keep);
      break;
    default: stretchRows<Rop::SrcCopy>(dst, clip, dx, dy, dw, dh, src, sx, sy, sw, sh, oraw, keep); break;
  }
}

void patBlt(Surface& dst, int x, int y, int w, int h, Rop rop, Color brushColor) {
  bitBlt(dst, x, y, w, h, nullptr, 0, 0, rop, brushColor);
}

}  // namespace pz
