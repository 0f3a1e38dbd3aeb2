// The image library: round trips at quality 100 and refusal of anything that
// does not decode completely.
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <turbojpeg.h>

#include "platform/bmp.h"
#include "platform/jpeg.h"

namespace pz {
namespace {

Surface testPicture(int w, int h) {
  Surface s(w, h, kWhite);
  s.fillRect({0, 0, w / 2, h / 2}, rgb(255, 128, 87));
  s.fillRect({w / 2, 0, w, h / 2}, rgb(0, 160, 0));
  s.fillRect({0, h / 2, w / 2, h}, kBlack);
  return s;
}

int maxChannelError(const Surface& a, const Surface& b, Rect r) {
  int worst = 0;
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x) {
      const Color p = a.pixel(x, y), q = b.pixel(x, y);
      worst = std::max({worst, std::abs(redOf(p) - redOf(q)), std::abs(greenOf(p) - greenOf(q)),
                        std::abs(blueOf(p) - blueOf(q))});
    }
  return worst;
}

TEST(Jpeg, RoundTripKeepsSizeAndColoursAtQuality100) {
  const Surface s = testPicture(123, 77);  // sizes that are not multiples of the block size
  const QByteArray bytes = encodeJpeg(s, 100);
  ASSERT_FALSE(bytes.isEmpty());
  auto back = decodeJpeg(bytes);
  ASSERT_TRUE(back);
  EXPECT_EQ(back->width(), 123);
  EXPECT_EQ(back->height(), 77);
  // Away from the colour edges a flat patch comes back within a few levels.
  EXPECT_LE(maxChannelError(s, *back, {4, 4, 57, 34}), 3);
  EXPECT_LE(maxChannelError(s, *back, {66, 4, 119, 34}), 3);
  EXPECT_EQ(back->pixel(0, 0) >> 24, 0u) << "the padding byte must not leak into colours";
}

TEST(Jpeg, WrittenWithFullChromaAtQuality100) {
  const QByteArray bytes = encodeJpeg(testPicture(64, 64), 100);
  tjhandle tj = tjInitDecompress();
  int w = 0, h = 0, sub = -1, cs = -1;
  ASSERT_EQ(tjDecompressHeader3(tj, reinterpret_cast<const unsigned char*>(bytes.constData()),
                                static_cast<unsigned long>(bytes.size()), &w, &h, &sub, &cs),
            0);
  tjDestroy(tj);
  EXPECT_EQ(sub, TJSAMP_444);
  // Quality 100 means every quantisation step is 1: the first DQT table
  // (after FF DB, length, table id) holds only ones.
  const qsizetype dqt = bytes.indexOf("\xFF\xDB");
  ASSERT_GE(dqt, 0);
  for (int i = 0; i < 64; ++i) EXPECT_EQ(uchar(bytes[dqt + 5 + i]), 1) << i;
}

struct BadInput {
  const char* name;
  QByteArray bytes;
};


TEST(Jpeg, RefusesAnythingThatDoesNotDecodeCompletely) {
  const QByteArray good = encodeJpeg(testPicture(200, 150), 100);
  QByteArray truncated = good.left(good.size() / 2);
  QByteArray garbage = good;
  for (qsizetype i = good.size() / 3; i < good.size() - 2; i += 7) garbage[i] = char(0x5A);
  // A header that claims a picture of 65000 x 65000.
  QByteArray huge = good;
  const qsizetype sof = huge.indexOf("\xFF\xC0");
  ASSERT_GE(sof, 0);
  huge[sof + 5] = char(0xFD);
  huge[sof + 6] = char(0xE8);
  huge[sof + 7] = char(0xFD);
  huge[sof + 8] = char(0xE8);
  const BadInput cases[] = {
      {"empty", QByteArray()},
      {"only the start marker", QByteArray("\xFF\xD8\xFF", 3)},
      {"truncated", truncated},
      {"corrupt scan", garbage},
      {"absurd size", huge},
      {"text", QByteArray("hello, this is not a picture")},
  };
  for (const BadInput& c : cases) {
    QString why;
    EXPECT_FALSE(decodeJpeg(c.bytes, &why)) << c.name;
    EXPECT_FALSE(why.isEmpty()) << c.name;
  }
}

TEST(Jpeg, LoadTellsJpegAndBmpApartByContentAndNamesTheFileOnFailure) {
  QTemporaryDir dir;
  const Surface s = testPicture(40, 30);
  const QString jpg = dir.filePath("a.jpg"), bmp = dir.filePath("b.jpg"), bad = dir.filePath("c.bmp");
  ASSERT_TRUE(NViewLibSaveAsJPG(100, jpg, s));
  ASSERT_TRUE(writeBmp24(bmp, s));  // a BMP wearing a .jpg name
  QFile f(bad);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("not a picture at all");
  f.close();

  auto a = NViewLibLoad(jpg, 0);
  ASSERT_TRUE(a);
  EXPECT_EQ(a->width(), 40);
  auto b = NViewLibLoad(bmp, 0);
  ASSERT_TRUE(b);
  EXPECT_EQ(*b, s) << "a BMP is read exactly";
  for (const QString& path : {bad, dir.filePath("missing.jpg")}) {
    QString message;
    EXPECT_FALSE(NViewLibLoad(path, 0, &message));
    EXPECT_TRUE(message.contains(path)) << message.toStdString();
  }
}

TEST(Jpeg, SaveReportsAFolderThatCannotBeWritten) {
  QString why;
  EXPECT_FALSE(NViewLibSaveAsJPG(100, "/nonexistent-folder/x.jpg", testPicture(8, 8), &why));
  EXPECT_FALSE(why.isEmpty());
}

}  // namespace
}  // namespace pz
