#include "platform/bmp.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <array>
#include <cstring>

namespace pz {

namespace {

struct Reader {
  const uchar* p;
  qsizetype n;
  bool has(qsizetype off, qsizetype len) const { return off >= 0 && len >= 0 && off <= n && len <= n - off; }
  quint32 u32(qsizetype off) const {
    return quint32(p[off]) | quint32(p[off + 1]) << 8 | quint32(p[off + 2]) << 16 | quint32(p[off + 3]) << 24;
  }
  quint16 u16(qsizetype off) const { return quint16(p[off] | p[off + 1] << 8); }
};

bool fail(QString* error, const char* why) {
  if (error) *error = QCoreApplication::translate("pz::Platform", why);
  return false;
}

// Extracts one channel given by a bit mask and scales it to 0..255.
struct MaskChannel {
  quint32 mask = 0;
  int shift = 0;
  int bits = 0;
  void set(quint32 m) {
    mask = m;
    shift = 0;
    bits = 0;
    if (!m) return;
    while (!((m >> shift) & 1)) ++shift;
    while (shift + bits < 32 && ((m >> (shift + bits)) & 1)) ++bits;
  }
  int get(quint32 v) const {
    if (!mask || bits == 0) return 0;
    const quint32 x = (v & mask) >> shift;
    if (bits >= 8) return int(x >> (bits - 8));
    const quint32 maxv = (1u << bits) - 1;
    return int((x * 255 + maxv / 2) / maxv);
  }
};

}  // namespace

std::optional<Surface> decodeBmp(const QByteArray& bytes, QString* error) {
  Reader r{reinterpret_cast<const uchar*>(bytes.constData()), bytes.size()};
  if (!r.has(0, 18) || r.p[0] != 'B' || r.p[1] != 'M') return fail(error, QT_TRANSLATE_NOOP("pz::Platform", "not a bitmap file")), std::nullopt;
  const quint32 dataOffset = r.u32(10);
  const quint32 hdrSize = r.u32(14);
  if (hdrSize < 12 || !r.has(14, hdrSize)) return fail(error, QT_TRANSLATE_NOOP("pz::Platform", "truncated bitmap header")), std::nullopt;

  qint64 width = 0, height = 0;
  int bpp = 0;
  quint32 compression = 0, colorsUsed = 0;
  int paletteEntry = 4;
  quint32 masks[3] = {0, 0, 0};
  if (hdrSize == 12) {
    width = r.u16(18);
    height = qint16(r.u16(20));
    bpp = r.u16(24);
    paletteEntry = 3;
  } else if (hdrSize >= 40) {
    width = qint32(r.u32(18));
    height = qint32(r.u32(22));
    bpp = r.u16(28);
    compression = r.u32(30);
    colorsUsed = r.u32(46);
    if (hdrSize >= 52) {
      masks[0] = r.u32(54);
      masks[1] = r.u32(58);
      masks[2] = r.u32(62);
    }
  } else {
    return fail(error, QT_TRANSLATE_NOOP("pz::Platform", "unknown bitmap header")), std::nullopt;
  }
  const bool topDown = height < 0;
  if (topDown) height = -height;
  if (width <= 0 || height <= 0 || width > kMaxImageSide || height > kMaxImageSide ||
      width * height > kMaxImagePixels)
    return fail(error, QT_TRANSLATE_NOOP("pz::Platform", "bitmap size out of range")), std::nullopt;
  if (!(bpp == 1 || bpp == 4 || bpp == 8 || bpp == 16 || bpp == 24 || bpp == 32))
    return fail(error, QT_TRANSLATE_NOOP("pz::Platform", "unsupported bit depth")), std::nullopt;

  const qsizetype tableOff = 14 + hdrSize;
  qsizetype maskOff = tableOff;
  if (compression == 3 && hdrSize == 40) {  // masks follow a plain info header
    if (!r.has(tableOff, 12)) return fail(error, QT_TRANSLATE_NOOP("pz::Platform", "truncated bit fields")), std::nullopt;
    masks[0] = r.u32(tableOff);
    masks[1] = r.u32(tableOff + 4);
    masks[2] = r.u32(tableOff + 8);
    maskOff = tableOff + 12;
  }

  std::array<Color, 256> palette{};
  if (bpp <= 8) {
    quint32 count = colorsUsed ? colorsUsed : (1u << bpp);
    if (count > 256) count = 256;
    for (quint32 i = 0; i < count; ++i) {
      const qsizetype off = maskOff + qsizetype(i) * paletteEntry;
      if (!r.has(off, 3)) break;  // a short palette leaves the rest black
      palette[i] = rgb(r.p[off + 2], r.p[off + 1], r.p[off]);
    }
  }

  const bool rle = (compression == 1 && bpp == 8) || (compression == 2 && bpp == 4);
  if (!(compression == 0 || compression == 3 || rle)) return fail(error, QT_TRANSLATE_NOOP("pz::Platform", "unsupported compression")), std::nullopt;
  if (compression == 3 && !(bpp == 16 || bpp == 32)) return fail(error, QT_TRANSLATE_NOOP("pz::Platform", "bad bit fields")), std::nullopt;
  if (dataOffset >= quint32(r.n)) return fail(error, QT_TRANSLATE_NOOP("pz::Platform", "no pixel data")), std::nullopt;

  Surface out(int(width), int(height), rle ? kBlack : kWhite);
  const int W = int(width), H = int(height);
  auto rowOf = [&](int fileRow) { return topDown ? fileRow : H - 1 - fileRow; };

  if (rle) {
    qsizetype pos = dataOffset;
    int x = 0, y = 0;
    while (pos + 1 < r.n && y < H) {
      const int count = r.p[pos], code = r.p[pos + 1];
      pos += 2;
      if (count > 0) {
        for (int i = 0; i < count; ++i) {
          int idx = bpp == 8 ? code : ((i & 1) ? (code & 0x0F) : (code >> 4));
          out.setPixel(x++, rowOf(y), palette[std::size_t(idx)]);
        }
      } else if (code == 0) {
        x = 0;
        ++y;
      } else if (code == 1) {
        break;
      } else if (code == 2) {
        if (pos + 1 >= r.n) break;
        x += r.p[pos];
        y += r.p[pos + 1];
        pos += 2;
      } else {
        const int n = code;
        const qsizetype bytesUsed = bpp == 8 ? n : (n + 1) / 2;
        if (!r.has(pos, bytesUsed)) break;
        for (int i = 0; i < n; ++i) {
          int idx = bpp == 8 ? r.p[pos + i] : ((i & 1) ? (r.p[pos + i / 2] & 0x0F) : (r.p[pos + i / 2] >> 4));
          out.setPixel(x++, rowOf(y), palette[std::size_t(idx)]);
        }
        pos += (bytesUsed + 1) & ~qsizetype(1);
      }
    }
    return out;
  }

  const qsizetype stride = ((qsizetype(W) * bpp + 31) / 32) * 4;
  MaskChannel mr, mg, mb;
  if (compression == 3) {
    mr.set(masks[0]);
    mg.set(masks[1]);
    mb.set(masks[2]);
  } else if (bpp == 16) {
    mr.set(0x7C00);
    mg.set(0x03E0);
    mb.set(0x001F);
  }
  for (int fy = 0; fy < H; ++fy) {
    const qsizetype off = qsizetype(dataOffset) + qsizetype(fy) * stride;
    if (!r.has(off, stride)) {
      if (fy == 0) return fail(error, QT_TRANSLATE_NOOP("pz::Platform", "truncated pixel data")), std::nullopt;
      break;  // a short file keeps the rows it has
    }
    const uchar* src = r.p + off;
    std::uint32_t* dst = out.row(rowOf(fy));
    switch (bpp) {
      case 1:
        for (int x = 0; x < W; ++x) dst[x] = toRaw(palette[(src[x >> 3] >> (7 - (x & 7))) & 1]);
        break;
      case 4:
        for (int x = 0; x < W; ++x) dst[x] = toRaw(palette[(src[x >> 1] >> ((x & 1) ? 0 : 4)) & 0x0F]);
        break;
      case 8:
        for (int x = 0; x < W; ++x) dst[x] = toRaw(palette[src[x]]);
        break;
      case 16:
        for (int x = 0; x < W; ++x) {
          const quint32 v = quint32(src[2 * x] | src[2 * x + 1] << 8);
          dst[x] = toRaw(rgb(mr.get(v), mg.get(v), mb.get(v)));
        }
        break;
      case 24:
        for (int x = 0; x < W; ++x) dst[x] = toRaw(rgb(src[3 * x + 2], src[3 * x + 1], src[3 * x]));
        break;
      case 32:
        for (int x = 0; x < W; ++x) {
          const uchar* q = src + 4 * x;
          if (compression == 3) {
            const quint32 v = quint32(q[0]) | quint32(q[1]) << 8 | quint32(q[2]) << 16 | quint32(q[3]) << 24;
            dst[x] = toRaw(rgb(mr.get(v), mg.get(v), mb.get(v)));
          } else {
            dst[x] = toRaw(rgb(q[2], q[1], q[0]));
          }
        }
        break;
    }
  }
  return out;
}

std::optional<Surface> readBmp(const QString& path, QString* error) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) {
    if (error) *error = QCoreApplication::translate("pz::Platform", "Cannot open file %1").arg(path);
    return std::nullopt;
  }
  if (f.size() > 1024LL * 1024 * 1024) {
    if (error) *error = QCoreApplication::translate("pz::Platform", "%1 is too large to be a picture").arg(path);
    return std::nullopt;
  }
  QString why;
  auto s = decodeBmp(f.readAll(), &why);
  if (!s && error) *error = QCoreApplication::translate("pz::Platform", "%1 is not a valid bitmap (%2)").arg(path, why);
  return s;
}

QByteArray encodeBmp24(const Surface& s) {
  const int W = s.width(), H = s.height();
  const qsizetype stride = ((qsizetype(W) * 3 + 3) / 4) * 4;
  const qsizetype dataSize = stride * H;
  QByteArray out(54 + dataSize, '\0');
  uchar* p = reinterpret_cast<uchar*>(out.data());
  auto put32 = [&](int off, quint32 v) {
    for (int i = 0; i < 4; ++i) p[off + i] = uchar(v >> (8 * i));
  };
  auto put16 = [&](int off, quint16 v) {
    p[off] = uchar(v);
    p[off + 1] = uchar(v >> 8);
  };
  p[0] = 'B';
  p[1] = 'M';
  put32(2, quint32(out.size()));
  put32(10, 54);
  put32(14, 40);
  put32(18, quint32(W));
  put32(22, quint32(H));
  put16(26, 1);
  put16(28, 24);
  put32(34, quint32(dataSize));
  put32(38, 3780);  // 96 dpi
  put32(42, 3780);
  for (int y = 0; y < H; ++y) {
    uchar* d = p + 54 + qsizetype(H - 1 - y) * stride;
    const std::uint32_t* src = s.row(y);
    for (int x = 0; x < W; ++x) {
      const Color c = fromRaw(src[x]);
      d[3 * x] = uchar(blueOf(c));
      d[3 * x + 1] = uchar(greenOf(c));
      d[3 * x + 2] = uchar(redOf(c));
    }
  }
  return out;
}

bool writeBmp24(const QString& path, const Surface& s) {
  if (s.isNull()) return false;
  QFile f(path);
  if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  const QByteArray bytes = encodeBmp24(s);
  const bool ok = f.write(bytes) == bytes.size();
  f.close();
  return ok && f.error() == QFileDevice::NoError;
}

}  // namespace pz
