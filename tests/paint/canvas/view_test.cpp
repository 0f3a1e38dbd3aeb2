// The main window's view: start-up state, zoom, scrolling and the redraws.
#include <QScrollBar>

#include "paint/canvas/view.h"
#include "tests/paint/canvas/window_fixture.h"

namespace pz::testing {
namespace {

TEST_F(MainWindowTest, FreshStartHasTheDefaults) {
  open();
  const PaintState& st = win->st;
  EXPECT_EQ(st.pictureBmp.width(), 800);
  EXPECT_EQ(st.pictureBmp.height(), 800);
  EXPECT_TRUE(st.undoBmp == st.pictureBmp);
  EXPECT_EQ(st.currentTool, ToolWaterPen);
  EXPECT_EQ(st.brushSize, 50);
  EXPECT_EQ(st.waterPercent, 50);
  EXPECT_EQ(st.currentColor, 0x005780FFu);
  EXPECT_EQ(st.zoomState, 4);
  EXPECT_EQ(st.systemTab, 0);
  EXPECT_EQ(st.pictureBmp.pixel(799, 799), kWhite);
  EXPECT_EQ(win->windowTitle(), QStringLiteral("Pinzola -- (untitled)"));
  EXPECT_FALSE(st.programDir.endsWith('/'));
}

TEST_F(MainWindowTest, ScrollRangesFollowSurfaceAndLevel) {
  open(600, 500);
  EXPECT_EQ(win->hscroll->maximum(), 200);
  EXPECT_EQ(win->hscroll->pageStep(), 10);
  EXPECT_EQ(win->vscroll->maximum(), 300);
  win->resize(1000 + 25, 500 + 87 + 25);
  settle();
  EXPECT_EQ(win->hscroll->maximum(), 200);  // |800 - 1000|: the view may pass the edge
  win->hscroll->setValue(150);
  win->vscroll->setValue(120);
  win->zoomoutClick();
  EXPECT_EQ(win->st.zoomState, 6);
  EXPECT_EQ(win->hpos(), 0);
  EXPECT_EQ(win->vpos(), 0);
  EXPECT_EQ(win->hscroll->maximum(), 1200);  // |800 - 2 * 1000|
  EXPECT_EQ(win->hscroll->pageStep(), 400);  // div 3 at half size
}

TEST_F(MainWindowTest, ZoomButtonsFollowTheTableAndRedrawEvenWhenUnchanged) {
  open(600, 500);
  struct Row {
    int from;
    void (Tmainpinz::*button)();
    int to;
  };
  const Row rows[] = {{6, &Tmainpinz::zoominClick, 4},      {4, &Tmainpinz::zoominClick, 2},
                      {2, &Tmainpinz::zoominClick, 3},      {3, &Tmainpinz::zoominClick, 3},
                      {6, &Tmainpinz::zoomoutClick, 6},     {4, &Tmainpinz::zoomoutClick, 6},
                      {2, &Tmainpinz::zoomoutClick, 4},     {3, &Tmainpinz::zoomoutClick, 2},
                      {3, &Tmainpinz::nozoomimageClick, 4}, {6, &Tmainpinz::nozoomimageClick, 4}};
  for (const Row& r : rows) {
    win->st.zoomState = r.from;
    // A changed picture shows only after the button recomputes and redraws.
    win->st.pictureBmp.create(3000, 3000, 0x00345678);
    (win.get()->*r.button)();
    EXPECT_EQ(win->st.zoomState, r.to) << "from " << r.from;
    EXPECT_EQ(win->hscroll->maximum(), scrollRangeFor(3000, 600, r.to).maximum);
    EXPECT_EQ(screen(5, 5), 0x00345678u);
    win->st.pictureBmp.create(800, 800, kWhite);
  }
}

TEST_F(MainWindowTest, ZoomButtonsRefuseWhilePasting) {
  open();
  win->st.pasteActive = 1;
  win->zoominClick();
  win->zoomoutClick();
  win->nozoomimageClick();
  EXPECT_EQ(win->st.zoomState, 4);
  ASSERT_EQ(prompts.shown.size(), 3);
  EXPECT_EQ(prompts.shown[0], QStringLiteral("Pasting can only take place at 1:1 zoom."));
}

TEST(ViewMapping, SurfaceToPictureAtEveryLevel) {
  struct Row {
    int X, Y, h, v, zoom, x, y;
  };
  const Row rows[] = {
      {10, 10, 0, 1, 2, 5, 5},       {10, 10, 10, 10, 2, 15, 15},  {10, 20, 5, 7, 4, 15, 27},
      {8, 8, 0, 0, 3, 2, 2},         {8, 8, 8, 8, 3, 10, 10},      {10, 10, 0, 0, 6, 20, 20},
      {10, 10, 6, 6, 6, 26, 26},     {-4, 1000, 0, 0, 4, -4, 1000}, {1, 1, 1, 3, 6, 4, 8},
  };
  for (const Row& r : rows) {
    const Point p = surfaceToPicture(r.X, r.Y, r.h, r.v, r.zoom);
    EXPECT_EQ(p.x, r.x) << r.X << "," << r.Y << " zoom " << r.zoom;
    EXPECT_EQ(p.y, r.y) << r.X << "," << r.Y << " zoom " << r.zoom;
  }
}

TEST_F(MainWindowTest, ZoomRectangleWidthChoosesTheLevel) {
  open(600, 500);
  struct Row {
    int width, level;
  };
  for (const Row& r : {Row{100, 3}, Row{250, 2}, Row{350, 4}, Row{700, 4}}) {
    win->st.zoomState = 4;
    win->setScrollRanges();
    win->hscroll->setValue(0);
    win->zoomToRect(20, 30, 20 + r.width, 60);
    EXPECT_EQ(win->st.zoomState, r.level) << r.width;
    if (r.width <= 600) EXPECT_EQ(win->hpos(), std::min(20, win->hscroll->maximum())) << r.width;
  }
  // 700 wide changed nothing, not even the position.
  win->hscroll->setValue(7);
  win->zoomToRect(0, 0, 700, 40);
  EXPECT_EQ(win->hpos(), 7);
}

TEST_F(MainWindowTest, ShowPictureAtEachLevelAndBeyondTheEdge) {
  open(600, 500);
  Surface& pic = win->st.pictureBmp;
  pic.fill(kWhite);
  pic.setPixel(10, 10, 0x000000FF);
  win->showPicture();
  EXPECT_EQ(screen(10, 10), 0x000000FFu);
  win->hscroll->setValue(200);  // 1:1, scrolled to the right edge
  EXPECT_EQ(screen(599, 0), kWhite);
  win->resize(1000 + 25, 500 + 87 + 25);
  settle();
  win->hscroll->setValue(0);
  EXPECT_EQ(screen(850, 10), kBeyondPicture);
  win->zoominClick();  // 2x: picture (10,10) covers surface (20..21, 20..21)
  EXPECT_EQ(screen(20, 21), 0x000000FFu);
  EXPECT_EQ(screen(22, 20), kWhite);
  win->zoominClick();  // 4x
  EXPECT_EQ(screen(43, 40), 0x000000FFu);
  win->nozoomimageClick();
  win->zoomoutClick();  // half: only even picture pixels survive
  EXPECT_EQ(screen(5, 5), 0x000000FFu);
  EXPECT_EQ(screen(450, 10), kBeyondPicture);
}

TEST_F(MainWindowTest, ShowAroundPointRedrawsOnlyItsBlock) {
  open(600, 500);
  win->st.pictureBmp.fill(0x00010203);
  win->showAroundPoint(300, 200);
  EXPECT_EQ(screen(300, 200), 0x00010203u);
  EXPECT_EQ(screen(201, 101), 0x00010203u);
  EXPECT_EQ(screen(199, 200), kWhite);
  EXPECT_EQ(screen(400, 200), kWhite);
}

TEST_F(MainWindowTest, LargeFontDisplayIsToldOnce) {
  open();
  win->checkFontSize(96);
  EXPECT_TRUE(prompts.shown.isEmpty());
  win->checkFontSize(120);
  ASSERT_EQ(prompts.shown.size(), 1);
  EXPECT_TRUE(prompts.shown[0].startsWith(QStringLiteral("Pinzola is not intended for LARGE FONT displays.")));
}

TEST_F(MainWindowTest, ClosingAsksAndNoKeepsEverything) {
  open();
  win->st.currentColor = 0x00123456;
  prompts.answers = {false};
  EXPECT_FALSE(win->close());
  EXPECT_EQ(prompts.shown.back(), QStringLiteral("Awwwww. Do you really have to leave now?"));
  EXPECT_TRUE(win->isVisible());
  EXPECT_EQ(win->st.currentColor, 0x00123456u);
  prompts.answers = {true};
  EXPECT_TRUE(win->close());
  win.reset();
}

TEST(ArtFiles, MissingFileIsNamed) {
  QString err;
  EXPECT_FALSE(ArtCache::load(QStringLiteral("/nonexistent-folder"), &err));
  EXPECT_TRUE(err.contains(QStringLiteral("/nonexistent-folder/a1.pzl"))) << err.toStdString();
}

}  // namespace
}  // namespace pz::testing
