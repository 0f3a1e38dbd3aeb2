// The control strip: options zones, brighten and darken, water, tabs.
#include <QSpinBox>
#include <QTabBar>

#include "paint/canvas/strip.h"
#include "tests/paint/canvas/window_fixture.h"

namespace pz::testing {
namespace {

TEST(StripRules, BrightenAndDarkenStopShortOfTheEnds) {
  EXPECT_EQ(adjustColor(rgb(245, 245, 245), true), rgb(245, 245, 245));
  EXPECT_EQ(adjustColor(rgb(244, 244, 244), true), rgb(254, 254, 254));
  EXPECT_EQ(adjustColor(rgb(250, 100, 0), true), rgb(250, 110, 10));
  EXPECT_EQ(adjustColor(rgb(10, 10, 10), false), rgb(10, 10, 10));
  EXPECT_EQ(adjustColor(rgb(11, 11, 11), false), rgb(1, 1, 1));
}

TEST(StripRules, WidthAndRazorZones) {
  EXPECT_EQ(strokeWidthForX(88), 0);
  EXPECT_EQ(strokeWidthForX(89), 2);
  EXPECT_EQ(strokeWidthForX(129), 3);
  EXPECT_EQ(strokeWidthForX(414), 10);
  EXPECT_EQ(strokeWidthForX(415), 0);
  EXPECT_EQ(razorModeForX(81), 0);
  EXPECT_EQ(razorModeForX(82), 1);
  EXPECT_EQ(razorModeForX(162), 2);
  EXPECT_EQ(razorModeForX(242), 5);
  EXPECT_EQ(razorModeForX(322), 6);
}

TEST_F(MainWindowTest, SizesStripClicks) {
  open();
  win->st.optionsStrip = 1;
  win->Panel5MouseDown(150, 74);
  EXPECT_EQ(win->st.brushSize, 14);
  win->Panel5MouseDown(150, 75);
  EXPECT_EQ(win->st.brushSize, 14);
  win->Panel5MouseDown(150, 30);
  EXPECT_EQ(win->st.brushSize, 26);
  win->Panel5MouseDown(129, 10);
  EXPECT_EQ(win->st.brushSize, 26);
  // The band of the new size is drawn at (130, 0).
  const Surface& a1 = testArt().get("a1.pzl");
  EXPECT_EQ(win->Panel5->surface().pixel(130 + 40, 30), a1.pixel(40, 75 + 30));
}

TEST_F(MainWindowTest, WidthsStripRebuildsTheEraserSprite) {
  open();
  win->st.optionsStrip = 2;
  win->st.currentTool = ToolBlackEraser;
  win->st.cursorKind = 7;
  win->Panel5MouseDown(414, 20);
  EXPECT_EQ(win->st.strokeWidth, 10);
  EXPECT_EQ(win->st.spriteBmp.pixel(5, 25), 0x000000FFu);  // 25 - 2 * 10
  win->Panel5MouseDown(88, 20);
  EXPECT_EQ(win->st.strokeWidth, 10);
}

TEST_F(MainWindowTest, BrightenWithTextureBrushChangesTheTextureOnly) {
  open();
  win->st.currentTool = ToolTextureBrush;
  win->st.brushImage.fill(rgb(100, 244, 250));
  win->st.currentColor = rgb(1, 2, 3);
  win->st.pictureBmp.setPixel(0, 0, kBlack);
  win->Image5Click();
  EXPECT_EQ(win->st.brushImage.pixel(3, 3), rgb(110, 254, 250));
  EXPECT_EQ(win->st.currentColor, rgb(1, 2, 3));
  EXPECT_EQ(win->st.undoBmp.pixel(0, 0), kWhite);  // no undo copy taken
  EXPECT_EQ(win->colorbox->surface().pixel(80, 30), rgb(110, 254, 250));
}

TEST_F(MainWindowTest, WaterSpinReachesOnlyTheWaterPens) {
  open();
  win->st.currentTool = ToolWaterPen;
  win->refreshAll();
  EXPECT_FALSE(win->waterspin->isHidden());
  win->waterspin->stepUp();
  EXPECT_EQ(win->st.waterPercent, 55);
  win->waterspin->setValue(100);
  win->waterspin->stepUp();
  EXPECT_EQ(win->st.waterPercent, 100);
  win->st.currentTool = ToolPastel;
  win->refreshAll();
  EXPECT_TRUE(win->waterspin->isHidden());
  win->waterspin->stepDown();
  EXPECT_EQ(win->st.waterPercent, 100);
}

TEST_F(MainWindowTest, SystemTabShowsItsButtonsOnly) {
  open();
  win->TabSet1->setCurrentIndex(1);
  EXPECT_EQ(win->st.systemTab, 1);
  EXPECT_FALSE(win->Image4->isHidden());
  EXPECT_TRUE(win->Image2->isHidden());
  const int before = win->st.brushSize;
  win->Panel5MouseDown(150, 10);  // nothing happens on the SYSTEM page
  EXPECT_EQ(win->st.brushSize, before);
  win->TabSet1->setCurrentIndex(0);
  EXPECT_TRUE(win->Image4->isHidden());
  EXPECT_FALSE(win->Image2->isHidden());
}

TEST_F(MainWindowTest, SwatchCancelKeepsTheColourAndChoosingSetsIt) {
  open();
  win->st.currentTool = ToolPastel;
  win->colorboxMouseDown(100, 40);  // colour dialog cancelled
  EXPECT_EQ(win->st.currentColor, 0x005780FFu);
  prompts.colors.push_back(0x00445566);
  win->colorboxMouseDown(72, 40);  // outside the square: nothing
  EXPECT_EQ(win->st.currentColor, 0x005780FFu);
  win->colorboxMouseDown(122, 67);
  EXPECT_EQ(win->st.currentColor, 0x00445566u);
}

}  // namespace
}  // namespace pz::testing
