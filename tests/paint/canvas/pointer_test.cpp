// Pointer input on the surface: strokes, swallowed presses, area select,
// zoom rectangle, dropper and UNDO.
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>

#include "tests/paint/canvas/window_fixture.h"

namespace pz::testing {
namespace {

class PointerTest : public MainWindowTest {
 protected:
  void SetUp() override {
    open(600, 500);
    win->st.currentTool = ToolBucket;
    win->st.currentColor = 0x000000FF;
    Tmainpinz::menuHook = [this](QMenu* m) {
      menusOpened << m;
      return chosen;
    };
  }
  int paintedPixels() const {
    int n = 0;
    const Surface& p = win->st.pictureBmp;
    for (int y = 0; y < p.height(); ++y)
      for (int x = 0; x < p.width(); ++x) n += p.pixel(x, y) != kWhite;
    return n;
  }
  QList<QMenu*> menusOpened;
  QAction* chosen = nullptr;
};

TEST_F(PointerTest, PressAfterTheSurfaceMenuIsSwallowed) {
  press(100, 100, Qt::RightButton);
  ASSERT_EQ(menusOpened.size(), 1);
  EXPECT_EQ(menusOpened[0], win->pinzpopup);
  EXPECT_FALSE(win->N1->isVisible());
  release(100, 100, Qt::RightButton);
  press(50, 50);
  release(50, 50);
  EXPECT_EQ(paintedPixels(), 0);
  press(50, 50);
  release(50, 50);
  EXPECT_EQ(win->st.pictureBmp.pixel(0, 0), 0x000000FFu);
}

TEST_F(PointerTest, SurfaceMenuShowsZoomRectangleOnlyAtOneToOneAndHalf) {
  for (int zoom : {4, 6, 2, 3}) {
    win->st.zoomState = zoom;
    press(10, 10, Qt::RightButton);
    EXPECT_EQ(win->popupzoom->isVisible(), zoom == 4 || zoom == 6) << zoom;
    win->st.swallowPress = 0;
  }
}

TEST_F(PointerTest, UndoReturnsToTheCheckpointAndTwiceIsOnce) {
  press(5, 5);
  release(5, 5);
  ASSERT_EQ(win->st.pictureBmp.pixel(400, 400), 0x000000FFu);
  win->Label2Click();
  EXPECT_EQ(paintedPixels(), 0);
  const Surface once = win->st.pictureBmp;
  win->Label2Click();
  EXPECT_TRUE(win->st.pictureBmp == once);
  // After a checkpoint only the later strokes go.
  press(5, 5);
  release(5, 5);
  win->takeUndoCopy();
  win->st.currentColor = 0x0000FF00;
  press(5, 5);
  release(5, 5);
  win->Label2Click();
  EXPECT_EQ(win->st.pictureBmp.pixel(300, 300), 0x000000FFu);
}

TEST_F(PointerTest, DropperPicksAndReturnsToThePreviousTool) {
  win->st.pictureBmp.setPixel(30, 40, 0x00ABCDEF);
  win->st.previousTool = ToolPastel;
  win->st.previousCursorKind = 6;
  win->st.currentTool = ToolDropper;
  win->st.cursorKind = 3;
  press(30, 40);
  release(30, 40);
  EXPECT_EQ(win->st.currentColor, 0x00ABCDEFu);
  EXPECT_EQ(win->st.currentTool, ToolPastel);
  EXPECT_EQ(win->st.cursorKind, 6);
  EXPECT_EQ(win->colorbox->surface().pixel(90, 40), 0x00ABCDEFu);
}

TEST_F(PointerTest, DropperBeyondThePictureKeepsTheColour) {
  win->resize(1000 + 25, 500 + 87 + 25);
  settle();
  win->st.previousTool = ToolPastel;
  win->st.currentTool = ToolDropper;
  press(900, 10);
  EXPECT_EQ(win->st.currentColor, 0x000000FFu);
  EXPECT_EQ(win->st.currentTool, ToolPastel);
}

TEST_F(PointerTest, AreaSelectCopiesFramesAndOffersTheMenuBySize) {
  win->st.currentTool = ToolAreaSelect;
  win->st.pictureBmp.setPixel(20, 20, 0x00112233);
  struct Row {
    int w, h;
    bool copied, texture;
  };
  for (const Row& r : {Row{9, 30, false, false}, Row{10, 10, true, false}, Row{50, 50, true, true}}) {
    QGuiApplication::clipboard()->clear();
    menusOpened.clear();
    drag({20, 20}, {20 + r.w, 20 + r.h});
    const QImage img = QGuiApplication::clipboard()->image();
    EXPECT_EQ(!img.isNull(), r.copied) << r.w;
    EXPECT_EQ(menusOpened.size(), r.copied ? 1 : 0) << r.w;
    if (r.copied) {
      EXPECT_EQ(img.size(), QSize(r.w, r.h));
      EXPECT_EQ(img.pixelColor(0, 0), QColor(0x33, 0x22, 0x11));
      EXPECT_EQ(win->tpopmaketext->isVisible(), r.texture) << r.w;
      EXPECT_EQ(screen(22, 30), 0x00FF0000u);  // the blue frames (dotted)
    }
    EXPECT_EQ(win->st.selPicture.left, 20);
    EXPECT_EQ(win->st.selPicture.right, 20 + r.w);
    win->showPicture();
  }
}

TEST_F(PointerTest, ZoomRectangleAppliesOnlyBeyondThirtyPixels) {
  win->st.currentTool = ToolPastel;
  win->st.cursorKind = 6;
  win->popupzoomClick();
  EXPECT_EQ(win->st.currentTool, ToolZoomRect);
  drag({100, 100}, {130, 200});  // 30 wide: nothing
  EXPECT_EQ(win->st.zoomState, 4);
  EXPECT_EQ(win->st.currentTool, ToolPastel);
  EXPECT_EQ(win->st.cursorKind, 6);
  win->popupzoomClick();
  drag({100, 100}, {131, 131});
  EXPECT_EQ(win->st.zoomState, 3);  // 31 wide fits 4x on 600 pixels
  EXPECT_EQ(win->st.currentTool, ToolPastel);
  EXPECT_EQ(win->hpos(), 100);
}

TEST_F(PointerTest, RightPressCancelsTheZoomRectangle) {
  win->st.currentTool = ToolPastel;
  win->popupzoomClick();
  press(10, 10, Qt::RightButton);
  EXPECT_EQ(win->st.currentTool, ToolPastel);
  EXPECT_TRUE(menusOpened.isEmpty());
}

TEST_F(PointerTest, PointerCoordinatesAndSpriteFollowTheMouse) {
  win->st.currentTool = ToolPastel;
  win->showPicture();
  move(100, 120);
  EXPECT_EQ(win->Label1->text(), QStringLiteral("100 120"));
  move(110, 130);  // the first move only recorded the background
  EXPECT_EQ(win->st.spritePos, (Point{110 - 5, 130 - 43}));
  move(200, 200);
  // The old place is restored exactly.
  for (int y = 87; y < 137; ++y)
    for (int x = 105; x < 155; ++x)
      if (!(x >= 195 && y >= 157)) ASSERT_EQ(screen(x, y), kWhite) << x << "," << y;
}

TEST_F(PointerTest, EraserSpriteIsARedSquareOfTheStrokeWidth) {
  win->st.cursorKind = 7;
  win->st.strokeWidth = 5;
  win->loadSpriteArt();
  const Surface& s = win->st.spriteBmp;
  EXPECT_EQ(s.pixel(15, 25), 0x000000FFu);  // 25 - 2 * 5
  EXPECT_EQ(s.pixel(25, 25), kBlack);
  EXPECT_EQ(s.pixel(65, 25), kBlack);  // the mask's outline
  EXPECT_EQ(s.pixel(75, 25), kWhite);
}

}  // namespace
}  // namespace pz::testing
