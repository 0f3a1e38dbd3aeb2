#include "platform/metafile_dib.h"

#include "platform/bmp.h"

namespace pz::mf {

namespace {

// Bytes between the start of the header and the first pixel of a packed DIB.
qsizetype headerSpan(Bytes b) {
  const quint32 hdr = b.u32(0);
  if (hdr == 12) {
    const int bpp = b.u16(10);
    return 12 + (bpp <= 8 ? 3 * (qsizetype(1) << bpp) : 0);
  }
  if (hdr < 40 || hdr > 1024) return -1;
  const int bpp = b.u16(14);
  const quint32 compression = b.u32(16);
  quint32 used = b.u32(32);
  if (used > 256 && bpp <= 8) used = 256;
  if (used > 65536) return -1;
  qsizetype span = hdr;
  if (hdr == 40 && compression == 3) span += 12;
  if (used)
    span += 4 * qsizetype(used);
  else if (bpp <= 8)
    span += 4 * (qsizetype(1) << bpp);
  return span;
}

}  // namespace

QImage decodeDib(Bytes bmi, Bytes bits) {
  if (!bmi.has(0, 12) || !bits.p) return {};
  const quint32 hdr = bmi.u32(0);
  if (hdr != 12 && (hdr < 40 || !bmi.has(0, 40))) return {};
  const qint64 w = hdr == 12 ? bmi.u16(4) : bmi.i32(4);
  qint64 h = hdr == 12 ? bmi.i16(6) : bmi.i32(8);
  if (h < 0) h = -h;
  if (w <= 0 || h <= 0 || w * h > kMaxDibPixels) return {};
  // A BMP file in memory, so that the one decoder serves both.
  QByteArray file;
  file.reserve(14 + bmi.n + bits.n);
  file.append("BM", 2);
  auto put32 = [&](quint32 v) {
    for (int i = 0; i < 4; ++i) file.append(char(v >> (8 * i)));
  };
  put32(quint32(14 + bmi.n + bits.n));
  put32(0);
  put32(quint32(14 + bmi.n));
  file.append(reinterpret_cast<const char*>(bmi.p), bmi.n);
  file.append(reinterpret_cast<const char*>(bits.p), bits.n);
  auto s = decodeBmp(file);
  if (!s) return {};
  return s->image().convertToFormat(QImage::Format_RGB32);
}

QImage decodeMonoDibBits(Bytes bmi, Bytes bits) {
  if (!bmi.has(0, 12)) return {};
  const quint32 hdr = bmi.u32(0);
  const bool core = hdr == 12;
  if (!core && (hdr < 40 || hdr > 1024 || !bmi.has(0, hdr))) return {};
  if ((core ? bmi.u16(10) : bmi.u16(14)) != 1) return {};
  // The same header with a two-entry table of black and white, whatever
  // table (or palette indexes) the file carries.
  const int entry = core ? 3 : 4;
  QByteArray header(reinterpret_cast<const char*>(bmi.p), hdr);
  if (!core) {
    const quint32 used = 2;
    for (int i = 0; i < 4; ++i) header[32 + i] = char(i == 0 ? used : 0);
  }
  header.append(QByteArray(entry, '\0'));
  header.append(QByteArray(3, '\xFF'));
  if (entry == 4) header.append('\0');
  return decodeDib({reinterpret_cast<const uchar*>(header.constData()), header.size()}, bits);
}

QImage colourMonoPattern(const QImage& bitsImage, QColor zero, QColor one) {
  QImage out = bitsImage.convertToFormat(QImage::Format_RGB32);
  const QRgb z = zero.rgb(), o = one.rgb();
  for (int y = 0; y < out.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < out.width(); ++x) row[x] = (row[x] & 0xFFFFFF) ? o : z;
  }
  return out;
}

QImage decodePackedDib(Bytes packed) {
  const qsizetype span = headerSpan(packed);
  if (span < 0 || !packed.has(0, span)) return {};
  return decodeDib(packed.sub(0, span), packed.sub(span, packed.n - span));
}

}  // namespace pz::mf
