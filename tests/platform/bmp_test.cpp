#include "platform/bmp.h"

#include <gtest/gtest.h>

namespace pz {
namespace {

TEST(Bmp, RoundTripsEveryColourExactly) {
  Surface s(7, 3);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 7; ++x) s.setPixel(x, y, rgb(x * 37, y * 91, (x * y * 13) & 0xFF));
  auto back = decodeBmp(encodeBmp24(s));
  ASSERT_TRUE(back.has_value());
  EXPECT_TRUE(*back == s);
}

QByteArray header(int w, int h, int bpp, int compression, int paletteCount, int dataSize) {
  QByteArray b(54 + paletteCount * 4, '\0');
  auto put32 = [&](int off, quint32 v) {
    for (int i = 0; i < 4; ++i) b[off + i] = char(v >> (8 * i));
  };
  b[0] = 'B';
  b[1] = 'M';
  put32(2, quint32(b.size() + dataSize));
  put32(10, quint32(b.size()));
  put32(14, 40);
  put32(18, quint32(w));
  put32(22, quint32(h));
  b[26] = 1;
  b[28] = char(bpp);
  put32(30, quint32(compression));
  put32(46, quint32(paletteCount));
  return b;
}

TEST(Bmp, ReadsEightBitTopDownAndRle8) {
  QByteArray b = header(2, -2, 8, 0, 2, 8);
  // palette: 0 = red, 1 = blue (B, G, R, 0)
  b[54] = 0; b[55] = 0; b[56] = char(255);
  b[58] = char(255); b[59] = 0; b[60] = 0;
  b.append(QByteArray::fromHex("00010000" "01000000"));
  auto s = decodeBmp(b);
  ASSERT_TRUE(s);
  EXPECT_EQ(s->pixel(0, 0), 0x000000FFu);  // first row is the top when height < 0
  EXPECT_EQ(s->pixel(1, 0), 0x00FF0000u);
  EXPECT_EQ(s->pixel(0, 1), 0x00FF0000u);

  QByteArray r = header(3, 1, 8, 1, 2, 6);
  r[54] = 0; r[55] = 0; r[56] = char(255);
  r[58] = char(255);
  r.append(QByteArray::fromHex("0301" "0001"));  // three of index 1, end of bitmap
  auto rs = decodeBmp(r);
  ASSERT_TRUE(rs);
  EXPECT_EQ(rs->pixel(2, 0), 0x00FF0000u);
}

TEST(Bmp, RefusesDamagedFilesWithoutCrashing) {
  const Surface s(5, 5, kBlack);
  const QByteArray good = encodeBmp24(s);
  EXPECT_FALSE(decodeBmp(QByteArray()));
  EXPECT_FALSE(decodeBmp(good.left(30)));
  QByteArray huge = good;
  huge[18] = char(0xFF); huge[19] = char(0xFF); huge[20] = char(0xFF); huge[21] = 0x7F;
  EXPECT_FALSE(decodeBmp(huge));
  QByteArray depth = good;
  depth[28] = 7;
  EXPECT_FALSE(decodeBmp(depth));
  // Every prefix of a good file either decodes or is refused.
  for (int n = 0; n < good.size(); ++n) (void)decodeBmp(good.left(n));
}

}  // namespace
}  // namespace pz
