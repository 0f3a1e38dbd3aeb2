// Delete/Cut and Save As Texture.
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "paint/files/selection.h"
#include "platform/bmp.h"
#include "platform/folders.h"

namespace pz {
namespace {

Surface pattern(int w, int h) {
  Surface s(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) s.setPixel(x, y, rgb(x * 3, y * 3, 40));
  return s;
}

struct TextureCase {
  const char* name;
  int pictureW, pictureH;
  PaintState::Box sel;
};

class SaveAsTexture : public ::testing::TestWithParam<TextureCase> {};

TEST_P(SaveAsTexture, StoresTheTopLeftBlockWithWhitePastTheEdges) {
  const TextureCase& c = GetParam();
  QTemporaryDir dir;
  PaintState st;
  st.programDir = dir.path();
  st.pictureBmp = pattern(c.pictureW, c.pictureH);
  st.selPicture = c.sel;
  const QString path = newTexturePath(dir.path() + "/textures", 1733600000);
  ASSERT_TRUE(writeSelectionTexture(st, path));
  EXPECT_EQ(QFileInfo(path).dir().absolutePath(), QDir(dir.path() + "/textures").absolutePath());
  std::optional<Surface> tex = readBmp(path);
  ASSERT_TRUE(tex);
  ASSERT_EQ(tex->width(), 50);
  ASSERT_EQ(tex->height(), 50);
  for (int y = 0; y < 50; ++y)
    for (int x = 0; x < 50; ++x) {
      const int px = c.sel.left + x, py = c.sel.top + y;
      const Color want = st.pictureBmp.contains(px, py) ? st.pictureBmp.pixel(px, py) : kWhite;
      ASSERT_EQ(tex->pixel(x, y), want) << x << "," << y;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Blocks, SaveAsTexture,
    ::testing::Values(TextureCase{"sixty_by_eighty", 200, 200, {10, 20, 70, 100}},
                      TextureCase{"past_right_and_bottom", 100, 90, {70, 60, 130, 120}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TextureName, EightLettersOfBothCases) {
  bool sawUpper = false, sawLower = false;
  for (std::uint64_t seed : {1ull, 1700000000ull, 1700000001ull, 1800000000ull}) {
    QTemporaryDir dir;
    const QString name = displayName(QFileInfo(newTexturePath(dir.path(), seed)).fileName());
    EXPECT_TRUE(QRegularExpression("^[A-Za-z]{8}$").match(name).hasMatch()) << name.toStdString();
    for (QChar ch : name) (ch.isUpper() ? sawUpper : sawLower) = true;
  }
  EXPECT_TRUE(sawUpper && sawLower);
}

TEST(TextureName, TheSameSecondGivesTheSameName) {
  QTemporaryDir dir;
  EXPECT_EQ(newTexturePath(dir.path(), 1733600000), newTexturePath(dir.path(), 1733600000));
}

TEST(TextureName, AnExistingTextureIsNeverReplaced) {
  QTemporaryDir dir;
  const std::uint64_t second = 1733600000;
  const QString first = newTexturePath(dir.path(), second);
  {
    QFile f(first);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("keep me");
  }
  const QString next = newTexturePath(dir.path(), second);
  EXPECT_FALSE(next.isEmpty());
  EXPECT_NE(next, first);
  QFile f(first);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.readAll(), QByteArray("keep me"));
}

TEST(ClearSelection, WhitensTheSelectionOnlyAndStopsAtThePictureEdge) {
  PaintState st;
  st.pictureBmp = pattern(40, 30);
  st.selPicture = {30, 20, 60, 50};
  const Surface before = st.pictureBmp;
  clearSelection(st);
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 40; ++x) {
      const bool inside = x >= 30 && y >= 20;
      ASSERT_EQ(st.pictureBmp.pixel(x, y), inside ? kWhite : before.pixel(x, y)) << x << "," << y;
    }
}

}  // namespace
}  // namespace pz
