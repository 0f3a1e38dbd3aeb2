// The pointer sprite never leaves a stale block behind: not when the pointer
// leaves the surface onto another control, not after a full redraw; and a
// zoom rectangle not yet dragged ends when the tool chest opens.
#include <QDialog>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include "tests/paint/canvas/window_fixture.h"

namespace pz::testing {
namespace {

class SpriteTest : public MainWindowTest {
 protected:
  void SetUp() override {
    open(600, 500);
    win->st.currentTool = ToolPastel;
  }
  // Puts a red square into the picture around (X, Y) (a stroke since the
  // undo copy) and shows it.
  void paintSquareAt(int X, int Y) {
    win->st.pictureBmp.fillRect({X - 40, Y - 60, X + 40, Y + 20}, 0x000000FF);
    win->showPicture();
  }
  // Every pixel of the surface block at `r` shows the picture, as at 1:1 with
  // no scrolling.
  void expectBlockShowsPicture(Rect r) {
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x)
        ASSERT_EQ(screen(x, y), win->st.pictureBmp.pixel(x, y)) << "at " << x << "," << y;
  }
  Rect spriteBlock() const { return {win->st.spritePos.x, win->st.spritePos.y, win->st.spritePos.x + 50, win->st.spritePos.y + 50}; }
};

// Full redraws (undo, zoom, scrolling) leave the sprite's saved background
// stale; moving on afterwards must not put the old block back.
TEST_F(SpriteTest, FullRedrawsNeverBringBackAnOldBlock) {
  struct Case {
    const char* what;
    std::function<void(Tmainpinz&)> redraw;
  };
  const Case cases[] = {
      {"undo", [](Tmainpinz& w) { w.Label2Click(); }},
      {"zoom in and back", [](Tmainpinz& w) { w.zoominClick(); w.nozoomimageClick(); }},
      {"zoom out and back", [](Tmainpinz& w) { w.zoomoutClick(); w.nozoomimageClick(); }},
      {"scroll and back", [](Tmainpinz& w) { w.hscroll->setValue(50); w.hscroll->setValue(0); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    win->st.pictureBmp.fill(kWhite);
    win->takeUndoCopy();
    win->st.spritePos = {0, 0};
    paintSquareAt(300, 300);
    move(300, 300);
    const Rect old = spriteBlock();
    c.redraw(*win);
    win->st.pictureBmp.fill(kWhite);  // what the picture is now, whatever the step did to it
    win->showPicture();
    move(500, 150);
    expectBlockShowsPicture(old);
  }
}

// At 4x every stroke point redraws the whole surface; the sprite still
// follows the pointer and leaves nothing behind.
TEST_F(SpriteTest, SpriteFollowsAStrokeAtFourTimes) {
  win->st.zoomState = 3;
  win->setScrollRanges();
  win->showPicture();
  win->st.currentTool = ToolZoomRect;  // does nothing at 4x: the picture stays blank
  win->st.previousTool = ToolPastel;
  press(200, 200);
  move(220, 220);
  move(260, 260);
  ASSERT_EQ(win->st.spritePos, (Point{260 - 5, 260 - 43}));
  int drawn = 0;
  for (int y = 217; y < 267; ++y)
    for (int x = 255; x < 305; ++x) drawn += screen(x, y) != kWhite;
  EXPECT_GT(drawn, 0) << "the sprite shows at the pointer";
  release(260, 260);
  move(400, 100);
  for (int y = 150; y < 330; ++y)
    for (int x = 150; x < 330; ++x) ASSERT_EQ(screen(x, y), kWhite) << x << "," << y;
}

// The pointer goes from the picture straight onto a control of the strip,
// with real pointer events: the sprite goes, and UNDO or a zoom there does not
// bring its block back.
TEST_F(SpriteTest, LeavingOntoAStripControlRemovesTheSprite) {
  struct Case {
    const char* what;
    std::function<QWidget*(Tmainpinz&)> target;
    std::function<void(Tmainpinz&)> click;
  };
  const Case cases[] = {
      {"UNDO label", [](Tmainpinz& w) { return w.Label2; }, [](Tmainpinz& w) { w.Label2Click(); }},
      {"zoom in image", [](Tmainpinz& w) { return w.zoomin; },
       [](Tmainpinz& w) {
         w.zoominClick();
         w.nozoomimageClick();
       }},
      {"normal size image", [](Tmainpinz& w) { return w.nozoomimage; }, [](Tmainpinz& w) { w.nozoomimageClick(); }},
      {"coordinates label", [](Tmainpinz& w) { return w.Label1; }, [](Tmainpinz& w) { w.Label2Click(); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    win->st.pictureBmp.fill(kWhite);
    win->takeUndoCopy();
    paintSquareAt(300, 300);
    QTest::mouseMove(win->mapdisp, QPoint(300, 300));
    settle();
    QTest::mouseMove(win->mapdisp, QPoint(302, 301));
    settle();
    ASSERT_EQ(win->st.spriteOnSurface, 1);
    const Rect old = spriteBlock();
    QWidget* target = c.target(*win);
    QTest::mouseMove(target, target->rect().center());
    settle();
    EXPECT_EQ(win->st.spriteOnSurface, 0);
    expectBlockShowsPicture(old);
    c.click(*win);
    QTest::mouseMove(win->mapdisp, QPoint(500, 150));
    settle();
    expectBlockShowsPicture(old);
  }
}

TEST_F(SpriteTest, OpeningTheToolChestEndsAPendingZoomRectangle) {
  win->st.currentTool = ToolWaterPen;
  win->st.cursorKind = 2;
  win->st.optionsStrip = 1;
  win->popupzoomClick();
  ASSERT_EQ(win->st.currentTool, ToolZoomRect);
  // The chest is closed by its close box: no tool is chosen.
  Tmainpinz::modalHook = [](QDialog* d) { QTimer::singleShot(0, d, &QDialog::reject); };
  win->Image2Click();
  EXPECT_EQ(win->st.currentTool, ToolWaterPen);
  EXPECT_EQ(win->st.cursorKind, 2);
  EXPECT_EQ(win->st.optionsStrip, 1);
  EXPECT_TRUE(win->waterspin->isVisibleTo(win.get()));
  // A drag paints again instead of zooming.
  drag({100, 100}, {300, 300});
  EXPECT_EQ(win->st.zoomState, 4);
  EXPECT_EQ(win->st.currentTool, ToolWaterPen);
}

}  // namespace
}  // namespace pz::testing
