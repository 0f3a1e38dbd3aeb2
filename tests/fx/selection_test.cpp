// Marking and copying an area of a view.
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <cmath>
#include <gtest/gtest.h>

#include "fx/areaselect.h"
#include "platform/clipboard.h"

namespace fx {
namespace {

// Every pixel a different colour, so a copy shows where it came from.
pz::Color patternAt(int x, int y) { return pz::rgb(x * 3 + 1, y * 5 + 2, (x + y) & 0x7F); }

struct Rig {
  SelectionState sel;
  pz::SurfaceWidget view;
  AreaSelect group;
  explicit Rig(int w = 120, int h = 90, bool pattern = true)
      : group(sel, &view, {"g", "r", "i", "w", "a", "c", "ret"}, nullptr) {
    view.resize(w, h);
    view.surface().create(w, h, pz::kWhite);
    if (pattern)
      for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) view.surface().setPixel(x, y, patternAt(x, y));
    group.wholeRect = [this] { return view.surface().bounds(); };
  }
  // A drag with moves at each given point and the release at the last one.
  void drag(int mode, std::initializer_list<Point> pts) {
    auto it = pts.begin();
    group.pressAs(mode, it->x, it->y);
    Point last = *it;
    for (++it; it != pts.end(); ++it) {
      group.dragAs(mode, it->x, it->y);
      last = *it;
    }
    group.releaseAs(mode, last.x, last.y);
  }
};

struct RectCase {
  Point from, to;
  pz::Rect expect;
};

class RectCopy : public ::testing::TestWithParam<RectCase> {};

TEST_P(RectCopy, CopiesTheMarkedBlockOfTheView) {
  Rig rig;
  const RectCase c = GetParam();
  rig.group.chooseMode(SelectRect);
  EXPECT_FALSE(rig.group.copyEnabled());
  rig.drag(SelectRect, {c.from, {c.from.x + 3, c.from.y + 2}, c.to});
  EXPECT_TRUE(rig.group.copyEnabled());
  const auto bmp = rig.group.selectionBitmap();
  ASSERT_TRUE(bmp);
  EXPECT_EQ(bmp->width(), c.expect.width());
  EXPECT_EQ(bmp->height(), c.expect.height());
  // The outline's left column and top row are inside; they show the picture
  // as it was under the outline, like every other pixel of the block.
  for (int y = 0; y < bmp->height(); ++y)
    for (int x = 0; x < bmp->width(); ++x)
      ASSERT_EQ(bmp->pixel(x, y), patternAt(c.expect.left + x, c.expect.top + y)) << x << "," << y;
  // And the view is back as it was.
  for (int y = 0; y < rig.view.surface().height(); ++y)
    for (int x = 0; x < rig.view.surface().width(); ++x)
      ASSERT_EQ(rig.view.surface().pixel(x, y), patternAt(x, y)) << x << "," << y;
}

INSTANTIATE_TEST_SUITE_P(Drags, RectCopy,
                         ::testing::Values(RectCase{{10, 10}, {20, 30}, {10, 10, 20, 30}},
                                           RectCase{{20, 30}, {10, 10}, {10, 10, 20, 30}},  // bottom-right first
                                           RectCase{{20, 10}, {10, 30}, {10, 10, 20, 30}},
                                           RectCase{{10, 30}, {20, 10}, {10, 10, 20, 30}},
                                           RectCase{{0, 0}, {119, 89}, {0, 0, 119, 89}}));

TEST(RectSelect, TenByTwentyStartsAtTheViewPixel) {
  Rig rig(120, 90, false);
  rig.view.surface().setPixel(10, 10, 0x123456);  // under the outline's corner
  rig.view.surface().setPixel(11, 11, 0x654321);
  rig.drag(SelectRect, {{10, 10}, {15, 20}, {20, 30}});
  // The solid outline overwrote (10, 10) in black; the copy gives it back.
  EXPECT_EQ(rig.view.surface().pixel(10, 10), pz::kBlack);
  const auto bmp = rig.group.selectionBitmap();
  ASSERT_TRUE(bmp);
  EXPECT_EQ(bmp->width(), 10);
  EXPECT_EQ(bmp->height(), 20);
  EXPECT_EQ(bmp->pixel(0, 0), 0x123456u);
  EXPECT_EQ(rig.view.surface().pixel(10, 10), 0x123456u);
  EXPECT_EQ(bmp->pixel(1, 1), 0x654321u);
}

TEST(RectSelect, OutlineIsWhiteAfterEveryCopy) {
  Rig rig(60, 60, false);
  rig.drag(SelectRect, {{5, 5}, {30, 30}, {40, 50}});
  const pz::Surface& v = rig.view.surface();
  EXPECT_EQ(v.pixel(5, 5), pz::kBlack);
  EXPECT_EQ(v.pixel(40, 30), pz::kBlack);  // right column
  for (int round = 0; round < 3; ++round) {
    const auto bmp = rig.group.selectionBitmap();
    ASSERT_TRUE(bmp);
    for (int y = 0; y < 60; ++y)
      for (int x = 0; x < 60; ++x) ASSERT_EQ(v.pixel(x, y), pz::kWhite) << round << ": " << x << "," << y;
    for (int y = 0; y < bmp->height(); ++y)
      for (int x = 0; x < bmp->width(); ++x) ASSERT_EQ(bmp->pixel(x, y), pz::kWhite);
  }
}

// Pictures a rectangle is copied from: what the view shows must come back
// exactly, outline pixels included, whatever lies under the outline.
struct Backdrop {
  const char* name;
  pz::Color (*at)(int x, int y);
};
class RectCopyOver : public ::testing::TestWithParam<Backdrop> {};

TEST_P(RectCopyOver, ViewAndBitmapShowThePictureBeforeTheOutline) {
  Rig rig(80, 60, false);
  pz::Surface& v = rig.view.surface();
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 80; ++x) v.setPixel(x, y, GetParam().at(x, y));
  const pz::Surface before = v;
  rig.group.chooseMode(SelectRect);
  rig.drag(SelectRect, {{50, 45}, {30, 30}, {12, 20}, {8, 6}});
  ASSERT_TRUE(rig.group.copyEnabled());
  for (int round = 0; round < 2; ++round) {  // a second copy takes the same pixels
    const auto bmp = rig.group.selectionBitmap();
    ASSERT_TRUE(bmp);
    EXPECT_TRUE(v == before) << GetParam().name << ", copy " << round;
    EXPECT_TRUE(*bmp == before.copy({8, 6, 50, 45}, pz::kWhite)) << GetParam().name << ", copy " << round;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, RectCopyOver,
    ::testing::Values(Backdrop{"white", [](int, int) { return pz::kWhite; }},
                      Backdrop{"dark", [](int, int) { return pz::Color(0x202020); }},
                      Backdrop{"black", [](int, int) { return pz::kBlack; }},
                      // Lettering: black strokes on a coloured ground, some under the outline.
                      Backdrop{"lettering",
                               [](int x, int y) { return (x % 7 < 2 || y % 5 == 0) ? pz::kBlack : pz::Color(0x88C826); }},
                      Backdrop{"pattern", patternAt}),
    [](const ::testing::TestParamInfo<Backdrop>& i) { return std::string(i.param.name); });

// Something drawn over the outline after it was marked stays on the view.
TEST(RectSelect, DrawingOverTheOutlineIsKept) {
  Rig rig(60, 60, false);
  rig.view.surface().fill(0x404040);
  rig.drag(SelectRect, {{10, 10}, {30, 30}, {40, 40}});
  rig.view.surface().setPixel(10, 20, 0x0000FF);  // on the left column
  rig.view.surface().setPixel(25, 40, 0x00FF00);  // on the bottom row
  ASSERT_TRUE(rig.group.selectionBitmap());
  EXPECT_EQ(rig.view.surface().pixel(10, 20), 0x0000FFu);
  EXPECT_EQ(rig.view.surface().pixel(25, 40), 0x00FF00u);
  EXPECT_EQ(rig.view.surface().pixel(10, 10), 0x404040u);
  EXPECT_EQ(rig.view.surface().pixel(40, 25), 0x404040u);
}

TEST(RectSelect, BandMovesWithoutLeavingMarks) {
  Rig rig;
  const pz::Surface before = rig.view.surface();
  rig.group.pressAs(SelectRect, 30, 30);
  for (int i = 1; i < 40; ++i) rig.group.dragAs(SelectRect, 30 + i, 30 + (i * 7) % 50 - 20);
  // Removing the last band gives back the view exactly.
  drawSelectionFrame(rig.view.surface(), rig.sel, 0, 0, FrameKind::Erase);
  EXPECT_TRUE(rig.view.surface() == before);
}

TEST(RectSelect, ZeroWidthOrHeightIsNotStored) {
  Rig rig;
  rig.drag(SelectRect, {{10, 10}, {30, 40}, {50, 60}});
  ASSERT_TRUE(rig.group.copyEnabled());
  const pz::Rect marked = markedRect(rig.sel);
  for (Point end : {Point{10, 40}, Point{40, 10}, Point{10, 10}}) {
    rig.drag(SelectRect, {{10, 10}, {20, 20}, end});
    EXPECT_TRUE(rig.group.copyEnabled());  // left as it was
    EXPECT_EQ(rig.sel.selEnd, (Point{50, 60}));
  }
  rig.group.chooseMode(SelectRect);
  EXPECT_FALSE(rig.group.copyEnabled());
  rig.drag(SelectRect, {{10, 10}, {20, 20}, {10, 40}});
  EXPECT_FALSE(rig.group.copyEnabled());
  EXPECT_EQ(markedRect(rig.sel).width(), marked.width());
}

TEST(WholeSelect, EnablesCopyAtOnceAndTakesTheWholeView) {
  Rig rig(70, 40);
  rig.group.chooseMode(SelectWhole);
  EXPECT_TRUE(rig.group.copyEnabled());
  rig.drag(SelectWhole, {{1, 1}, {30, 30}, {50, 35}});  // draws nothing
  const auto bmp = rig.group.selectionBitmap();
  ASSERT_TRUE(bmp);
  EXPECT_EQ(bmp->width(), 70);
  EXPECT_EQ(bmp->height(), 40);
  EXPECT_EQ(bmp->pixel(30, 30), patternAt(30, 30));
  // A source larger than the view reads white beyond it; an empty one gives nothing.
  rig.group.wholeRect = [] { return pz::Rect{0, 0, 100, 50}; };
  const auto big = rig.group.selectionBitmap();
  ASSERT_TRUE(big);
  EXPECT_EQ(big->pixel(80, 45), pz::kWhite);
  rig.group.wholeRect = [] { return pz::Rect{0, 0, 0, 50}; };
  EXPECT_FALSE(rig.group.selectionBitmap());
}

TEST(Freehand, OutlineOnADarkBackgroundHasWhiteCorners) {
  Rig rig(100, 100, false);
  rig.view.surface().fill(0x202020);
  rig.view.surface().fillRect({40, 40, 60, 60}, 0x0000FF);
  rig.group.chooseMode(SelectIrregular);
  // A diamond around the red square.
  rig.drag(SelectIrregular, {{50, 20}, {65, 35}, {80, 50}, {65, 65}, {50, 80}, {35, 65}, {20, 50}, {35, 35}, {49, 21}});
  ASSERT_TRUE(rig.group.copyEnabled());
  EXPECT_EQ(rig.sel.outlineCount, 9);
  EXPECT_EQ(rig.sel.outlinePoints[9], (Point{50, 20}));
  int repaints = 0;
  rig.group.repaintView = [&] {
    ++repaints;
    rig.view.surface().fill(0x202020);
    rig.view.surface().fillRect({40, 40, 60, 60}, 0x0000FF);
  };
  const auto bmp = rig.group.selectionBitmap();
  EXPECT_EQ(repaints, 1);
  ASSERT_TRUE(bmp);
  EXPECT_EQ(bmp->width(), 60);
  EXPECT_EQ(bmp->height(), 60);
  for (Point c : {Point{0, 0}, Point{59, 0}, Point{0, 59}, Point{59, 59}, Point{5, 5}})
    EXPECT_EQ(bmp->pixel(c.x, c.y), pz::kWhite) << c.x << "," << c.y;
  EXPECT_EQ(bmp->pixel(30, 30), 0x0000FFu);
  EXPECT_EQ(bmp->pixel(30, 8), 0x202020u);  // inside the tip, outside the square
  // The stored outline stays: a second copy is the same.
  EXPECT_TRUE(*rig.group.selectionBitmap() == *bmp);
}

TEST(Freehand, FewerThanFourDragPointsAreDropped) {
  Rig rig;
  rig.group.chooseMode(SelectIrregular);
  rig.drag(SelectIrregular, {{10, 10}, {20, 10}, {20, 20}, {10, 20}});
  EXPECT_FALSE(rig.group.copyEnabled());
  EXPECT_EQ(rig.sel.outlineCount, 3);
  rig.drag(SelectIrregular, {{10, 10}, {20, 10}, {20, 20}, {10, 20}, {5, 15}});
  EXPECT_TRUE(rig.group.copyEnabled());
}

TEST(Freehand, OneColumnOutlinePutsNothingOnTheClipboard) {
  Rig rig;
  pz::Surface marker(3, 2, 0x00FF00);
  pz::setClipboardImage(marker);
  rig.group.chooseMode(SelectIrregular);
  rig.drag(SelectIrregular, {{30, 10}, {30, 20}, {30, 30}, {30, 40}, {30, 50}});
  ASSERT_TRUE(rig.group.copyEnabled());
  EXPECT_FALSE(rig.group.copySelectionToClipboard());
  EXPECT_TRUE(rig.group.copyEnabled());
  const auto clip = pz::clipboardImage();
  ASSERT_TRUE(clip);
  EXPECT_EQ(clip->width(), 3);
}

TEST(Freehand, LongDragNeverOverflowsTheOutline) {
  Rig rig(200, 200);
  rig.group.chooseMode(SelectIrregular);
  rig.group.pressAs(SelectIrregular, 100, 100);
  for (int i = 0; i < 12000; ++i) {
    const double a = i * 0.01;
    rig.group.dragAs(SelectIrregular, 100 + int(80 * std::cos(a)), 100 + int(80 * std::sin(a)));
  }
  EXPECT_EQ(rig.sel.outlineCount, kMaxDragPoints);
  rig.group.releaseAs(SelectIrregular, 10, 10);
  EXPECT_EQ(rig.sel.outlineCount, kOutlineCapacity - 1);
  EXPECT_EQ(rig.sel.outlinePoints[kOutlineCapacity - 1], (Point{100, 100}));
  EXPECT_TRUE(rig.group.selectionBitmap());
}

TEST(Clipboard, CopyPlacesExactlyTheSelectedBitmap) {
  Rig rig(64, 48);
  rig.group.chooseMode(SelectWhole);
  ASSERT_TRUE(rig.group.copySelectionToClipboard());
  const auto clip = pz::clipboardImage();
  ASSERT_TRUE(clip);
  EXPECT_EQ(clip->width(), 64);
  EXPECT_EQ(clip->height(), 48);
  EXPECT_EQ(clip->pixel(17, 33), patternAt(17, 33));
}

TEST(ModeButtons, ArrowFollowsTheButtonAndCopyRules) {
  Rig rig;
  rig.group.wholeButton->click();
  EXPECT_EQ(rig.sel.selectMode, SelectWhole);
  EXPECT_TRUE(rig.group.copyEnabled());
  EXPECT_EQ(rig.group.arrow->x(), rig.group.wholeButton->x() + 2);
  rig.group.irregButton->click();
  EXPECT_EQ(rig.sel.selectMode, SelectIrregular);
  EXPECT_FALSE(rig.group.copyEnabled());
  EXPECT_EQ(rig.group.arrow->x(), rig.group.irregButton->x() + 2);
  rig.group.rectButton->click();
  EXPECT_EQ(rig.sel.selectMode, SelectRect);
  EXPECT_EQ(rig.group.arrow->x(), rig.group.rectButton->x() + 2);
}

}  // namespace
}  // namespace fx
