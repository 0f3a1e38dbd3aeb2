// The colours window: palette list, picking, the track bars and Label4.
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QSlider>

#include "files_support.h"
#include "paint/files/builtin_pictures.h"
#include "paint/files/palpinz.h"
#include "platform/folders.h"
#include "platform/surfacewidget.h"

namespace pz::testing {
namespace {

Surface numbered(int w, int h) {  // every pixel a different colour
  Surface s(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) s.setPixel(x, y, rgb(x & 0xFF, y & 0xFF, (x >> 8) | ((y >> 8) << 4)));
  return s;
}

TEST(Colors, NoPaletteFilesShowsTheBuiltInPictureAndPickingWorks) {
  FakeHost h;
  Tpalpinz w(h.st);
  EXPECT_EQ(w.windowTitle(), "Pinzola's Colors");
  EXPECT_EQ(w.palnames->count(), 0);
  EXPECT_EQ(w.Image1->size(), QSize(300, 389));
  EXPECT_EQ(w.Image1->surface(), builtinPalette());
  w.Image1MouseDown(30, 30);
  const Color picked = builtinPalette().pixel(30, 30);
  EXPECT_EQ(h.st.currentColor, picked);
  EXPECT_EQ(w.Label4->text(), colorNumbers(picked));
  EXPECT_EQ(w.Panel1->surface().pixel(40, 40), picked) << "the swatch shows it";
}

TEST(Colors, RemovedRememberedPaletteOpensOnTheFirstEntryWithTheBuiltInPicture) {
  FakeHost h;
  ASSERT_TRUE(writeBmp24(h.folder("palettes") + "sea.bmp", Surface(50, 50, rgb(0, 0, 255))));
  h.st.paletteName = "gone";
  Tpalpinz w(h.st);
  EXPECT_EQ(w.palnames->currentIndex(), 0);
  EXPECT_EQ(w.Image1->surface(), builtinPalette());
  EXPECT_EQ(h.st.paletteName, "gone") << "nothing chosen yet";
}

TEST(Colors, LargePaletteShowsItsTopLeftCutAndPicksUnscaled) {
  FakeHost h;
  const Surface big = numbered(400, 500);
  ASSERT_TRUE(writeBmp24(h.folder("palettes") + "big.bmp", big));
  h.st.paletteName = "big";
  Tpalpinz w(h.st);
  EXPECT_EQ(w.Image1->size(), QSize(300, 390));
  w.Image1MouseDown(10, 10);
  EXPECT_EQ(h.st.currentColor, big.pixel(10, 10));
  w.Image1MouseDown(299, 389);
  EXPECT_EQ(h.st.currentColor, big.pixel(299, 389));
}

// The shipped palettes have long names ("pinzola's favorite colors"); with
// the fonts this machine has, each shows whole once chosen.
TEST(Colors, EveryPaletteNameShowsWholeInTheList) {
  FakeHost h;
  for (const char* name : {"pinzola's favorite colors", "soft pastels", "rainbow"})
    ASSERT_TRUE(writeBmp24(h.folder("palettes") + QString::fromLatin1(name) + ".bmp", Surface(20, 20, kWhite)));
  Tpalpinz w(h.st);
  w.show();
  QCoreApplication::processEvents();
  ASSERT_EQ(w.palnames->count(), 3);
  EXPECT_EQ(w.palnames->width(), 135) << "the list keeps its place and size";
  const QFontMetrics fm(w.palnames->font());
  for (int i = 0; i < w.palnames->count(); ++i)
    EXPECT_LE(fm.horizontalAdvance(w.palnames->itemText(i)), comboTextRoom(w.palnames))
        << w.palnames->itemText(i).toStdString();
  // And no smaller than needed: one pixel larger, the longest name is cut.
  QFont larger = w.palnames->font();
  larger.setPixelSize(larger.pixelSize() + 1);
  EXPECT_GT(QFontMetrics(larger).horizontalAdvance(QStringLiteral("pinzola's favorite colors")),
            comboTextRoom(w.palnames));
}

TEST(Colors, PaletteFoundByTheNameItHasOnDiskAndRemembered) {
  FakeHost h;
  ASSERT_TRUE(writeBmp24(h.folder("palettes") + "spring.bmp", Surface(120, 80, rgb(0, 200, 0))));
  ASSERT_TRUE(writeBmp24(h.folder("palettes") + "autumn.BMP", Surface(90, 60, rgb(200, 100, 0))));
  Tpalpinz w(h.st);
  ASSERT_EQ(w.palnames->count(), 2);
  w.palnames->setCurrentIndex(w.palnames->findText("spring"));
  w.palnamesClick();
  EXPECT_TRUE(h.prompts.shown.isEmpty()) << "x.bmp is found although the program asks for x.BMP";
  EXPECT_EQ(w.Image1->size(), QSize(120, 80));
  EXPECT_EQ(h.st.paletteName, "spring");

  Tpalpinz again(h.st);  // the next opening starts on it
  EXPECT_EQ(again.palnames->currentText(), "spring");
  EXPECT_EQ(again.Image1->surface().pixel(5, 5), rgb(0, 200, 0));
}

TEST(Colors, UnreadablePaletteSaysSoAndKeepsThePicture) {
  FakeHost h;
  writeBytes(h.folder("palettes") + "broken.bmp", "BMnonsense");
  Tpalpinz w(h.st);
  w.palnames->setCurrentIndex(0);
  w.palnamesClick();
  EXPECT_EQ(h.prompts.shown.size(), 1);
  EXPECT_EQ(w.Image1->surface(), builtinPalette());
}

TEST(Colors, TrackBarsSetTheColourAndLabel) {
  struct Row {
    int r, g, b;
    Color color;
    const char* label;
  } rows[] = {{255, 0, 0, 0x0000FF, "255 0 0"}, {0, 255, 0, 0x00FF00, "0 255 0"}, {1, 2, 3, 0x030201, "1 2 3"}};
  for (const Row& row : rows) {
    FakeHost h;
    Tpalpinz w(h.st);
    w.rtrack->setValue(row.r);
    w.gtrack->setValue(row.g);
    w.btrack->setValue(row.b);
    EXPECT_EQ(h.st.currentColor, row.color);
    EXPECT_EQ(w.Label4->text(), row.label);
  }
}

TEST(Colors, OpensOnTheCurrentColourAndPickingMovesTheBars) {
  FakeHost h;
  Tpalpinz w(h.st);
  EXPECT_EQ(w.rtrack->value(), 255);
  EXPECT_EQ(w.gtrack->value(), 128);
  EXPECT_EQ(w.btrack->value(), 87);
  EXPECT_EQ(w.Label4->text(), "255 128 87");
  EXPECT_EQ(h.st.currentColor, 0x005780FFu) << "setting the bars leaves the colour as it was";
  w.Image1MouseDown(10, 10);
  const Color c = builtinPalette().pixel(10, 10);
  EXPECT_EQ(w.rtrack->value(), redOf(c));
  EXPECT_EQ(w.btrack->value(), blueOf(c));
  EXPECT_EQ(h.st.currentColor, c);
}

TEST(Colors, DoubleClickPicksThePressedPixelAndCloses) {
  FakeHost h;
  Tpalpinz w(h.st);
  w.show();
  w.Image1MouseDown(250, 370);
  h.st.currentColor = 0;
  w.Image1DblClick();
  EXPECT_EQ(h.st.currentColor, builtinPalette().pixel(250, 370));
  EXPECT_FALSE(w.isVisible());
}

}  // namespace
}  // namespace pz::testing

namespace pz::testing {
namespace {

TEST(ShippedPalettes, AtLeastFourAndTheDefaultNameFindsTheFavourites) {
  const QString dir = QStringLiteral(PINZ_PROGRAM_DIR "/palettes");
  EXPECT_GE(listFolder(dir, "bmp").size(), 4);
  auto fav = readBmp(dir + "/pinzola's favorite colors.bmp");
  ASSERT_TRUE(fav);
  EXPECT_EQ(*fav, builtinPalette());
  EXPECT_EQ(PaintState().paletteName + ".bmp", "pinzola's favorite colors.bmp");
}

}  // namespace
}  // namespace pz::testing
