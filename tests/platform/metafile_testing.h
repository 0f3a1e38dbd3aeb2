// Helpers for the metafile tests: small WMF and EMF files built record by
// record, and a tolerant comparison of two renderings.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <cstdint>
#include <vector>

namespace pz::testing {

inline QString metafileData(const QString& rel) { return QStringLiteral(PINZ_TEST_DATA "/metafiles/") + rel; }

struct Words {
  QByteArray b;
  Words& u16(int v) {
    b.append(char(v & 0xFF));
    b.append(char((v >> 8) & 0xFF));
    return *this;
  }
  Words& u32(quint32 v) { return u16(int(v & 0xFFFF)).u16(int(v >> 16)); }
  Words& f32(float f) {
    quint32 v;
    std::memcpy(&v, &f, 4);
    return u32(v);
  }
  Words& bytes(const QByteArray& a) {
    b.append(a);
    return *this;
  }
};

// A WMF: records are (function, 16-bit parameters).
class WmfBuilder {
 public:
  WmfBuilder& rec(int fn, std::vector<int> params) {
    Words w;
    w.u32(quint32(3 + params.size())).u16(fn);
    for (int p : params) w.u16(p);
    recs_.append(w.b);
    return *this;
  }
  WmfBuilder& raw(int fn, const QByteArray& params) {
    Words w;
    w.u32(quint32(3 + params.size() / 2)).u16(fn).bytes(params);
    recs_.append(w.b);
    return *this;
  }
  // A placeable file with the bounding box (l, t, r, b) in units per inch.
  QByteArray placeable(int l, int t, int r, int b, int inch, bool goodChecksum = true) const {
    Words h;
    h.u32(0x9AC6CDD7).u16(0).u16(l).u16(t).u16(r).u16(b).u16(inch).u32(0);
    quint16 sum = 0;
    for (int i = 0; i < 10; ++i) sum ^= quint16(uchar(h.b[2 * i]) | uchar(h.b[2 * i + 1]) << 8);
    h.u16(goodChecksum ? sum : sum ^ 1);
    return h.b + plain();
  }
  QByteArray plain() const {
    QByteArray body = recs_;
    Words end;
    end.u32(3).u16(0);
    body.append(end.b);
    Words hdr;
    hdr.u16(1).u16(9).u16(0x300).u32(quint32(9 + body.size() / 2)).u16(16).u32(64).u16(0);
    return hdr.b + body;
  }

 private:
  QByteArray recs_;
};

// An EMF at 96 dpi whose frame is w x h pixels, records (type, 32-bit words).
class EmfBuilder {
 public:
  EmfBuilder(int w, int h) : w_(w), h_(h) {}
  EmfBuilder& rec(quint32 type, std::vector<qint32> params) {
    Words r;
    r.u32(type).u32(quint32(8 + 4 * params.size()));
    for (qint32 p : params) r.u32(quint32(p));
    recs_.append(r.b);
    return *this;
  }
  EmfBuilder& raw(quint32 type, const QByteArray& params) {
    Words r;
    r.u32(type).u32(quint32(8 + params.size())).bytes(params);
    recs_.append(r.b);
    return *this;
  }
  QByteArray bytes() const {
    Words eof;
    eof.u32(14).u32(20).u32(0).u32(16).u32(20);
    const QByteArray body = recs_ + eof.b;
    // 96 px per 25.4 mm: a device of 960 x 960 pixels on 254 x 254 mm.
    Words h;
    h.u32(1).u32(88).u32(0).u32(0).u32(quint32(w_ - 1)).u32(quint32(h_ - 1));
    h.u32(0).u32(0).u32(quint32(w_ * 2540 / 96)).u32(quint32(h_ * 2540 / 96));
    h.u32(0x464D4520).u32(0x10000).u32(quint32(88 + body.size())).u32(0).u16(16).u16(0);
    h.u32(0).u32(0).u32(0).u32(960).u32(960).u32(254).u32(254);
    return h.b + body;
  }

 private:
  int w_, h_;
  QByteArray recs_;
};

// Share of inked pixels (non-white in either picture) that have no close
// colour within one pixel in the other picture: small shifts of antialiased
// edges do not count, wrong shapes and colours do.
inline double inkedDifference(const QImage& a0, const QImage& b0, long* inkedOut = nullptr) {
  const QImage a = a0.convertToFormat(QImage::Format_RGB32), b = b0.convertToFormat(QImage::Format_RGB32);
  long inked = 0, differ = 0;
  auto close = [](QRgb p, QRgb q) {
    return std::abs(qRed(p) - qRed(q)) <= 64 && std::abs(qGreen(p) - qGreen(q)) <= 64 &&
           std::abs(qBlue(p) - qBlue(q)) <= 64;
  };
  auto nearIn = [&](const QImage& o, int x, int y, QRgb c) {
    for (int dy = -1; dy <= 1; ++dy)
      for (int dx = -1; dx <= 1; ++dx) {
        const int xx = x + dx, yy = y + dy;
        if (xx >= 0 && yy >= 0 && xx < o.width() && yy < o.height() && close(o.pixel(xx, yy), c)) return true;
      }
    return false;
  };
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
      if ((p & 0xFFFFFF) == 0xFFFFFF && (q & 0xFFFFFF) == 0xFFFFFF) continue;
      ++inked;
      if (!nearIn(b, x, y, p) || !nearIn(a, x, y, q)) ++differ;
    }
  if (inkedOut) *inkedOut = inked;
  return inked ? double(differ) / inked : 0;
}

}  // namespace pz::testing
