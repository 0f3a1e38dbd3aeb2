// The shipped textures: enough for three pages of the tool chest, all 50 x 50,
// all different, and tiling without a visible seam.
#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

#include "platform/bmp.h"
#include "platform/folders.h"

namespace pz {
namespace {

const QString kDir = QStringLiteral(PINZ_PROGRAM_DIR "/textures");

int difference(Color a, Color b) {
  return std::abs(redOf(a) - redOf(b)) + std::abs(greenOf(a) - greenOf(b)) + std::abs(blueOf(a) - blueOf(b));
}

TEST(Textures, FillMoreThanTwoPagesAndAreAllDifferent) {
  const QStringList names = listFolder(kDir, "bmp");
  EXPECT_GE(names.size(), 30);
  std::set<QByteArray> seen;
  for (const QString& n : names) {
    QString error;
    auto s = readBmp(kDir + "/" + n, &error);
    ASSERT_TRUE(s) << error.toStdString();
    EXPECT_EQ(s->width(), 50) << n.toStdString();
    EXPECT_EQ(s->height(), 50) << n.toStdString();
    EXPECT_TRUE(seen.insert(encodeBmp24(*s)).second) << n.toStdString() << " repeats another texture";
  }
}

// Stamped side by side, the step from the last column to the first must be no
// bigger than the steps between columns inside (a pattern's own edges may fall
// there, a seam would stand out).
TEST(Textures, TileWithoutASeam) {
  for (const QString& n : listFolder(kDir, "bmp")) {
    auto s = readBmp(kDir + "/" + n);
    ASSERT_TRUE(s);
    auto columnStep = [&](int a, int b) {
      long d = 0;
      for (int y = 0; y < 50; ++y) d += difference(s->pixel(a, y), s->pixel(b, y));
      return d;
    };
    auto rowStep = [&](int a, int b) {
      long d = 0;
      for (int x = 0; x < 50; ++x) d += difference(s->pixel(x, a), s->pixel(x, b));
      return d;
    };
    long widestColumn = 0, widestRow = 0;
    for (int k = 0; k < 49; ++k) {
      widestColumn = std::max(widestColumn, columnStep(k, k + 1));
      widestRow = std::max(widestRow, rowStep(k, k + 1));
    }
    EXPECT_LE(columnStep(49, 0), widestColumn * 6 / 5 + 100) << n.toStdString();
    EXPECT_LE(rowStep(49, 0), widestRow * 6 / 5 + 100) << n.toStdString();
  }
}

}  // namespace
}  // namespace pz
