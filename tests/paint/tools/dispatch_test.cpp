#include "paint/tools/dispatch.h"

#include <gtest/gtest.h>

#include "paint/tools/tool_table.h"
#include "tool_fixture.h"

namespace pz {
namespace {

using test::countDifferent;
using test::tinyState;

class ToolsWithoutAStep : public ::testing::TestWithParam<int> {};
TEST_P(ToolsWithoutAStep, ChangeNothingAndDrawNoRandomNumbers) {
  PaintState st = tinyState(30, 30, 0x00123456);
  st.currentTool = GetParam();
  const Surface before = st.pictureBmp;
  toolStep(st, 10, 10, PhasePress);
  toolStep(st, 12, 10, PhaseDrag);
  EXPECT_EQ(countDifferent(before, st.pictureBmp), 0);
  EXPECT_EQ(randomState(), 1u);
  EXPECT_FALSE(st.pictureChanged) << "nothing to offer a save for";
}
INSTANTIATE_TEST_SUITE_P(Ids, ToolsWithoutAStep,
                         ::testing::Values(0, 2, 5, 6, 8, 10, 12, 13, 28, -1, 1000, ToolAreaSelect, ToolDropper,
                                           ToolZoomRect, ToolPastePlace));

// One point of Spray Paint makes both passes: 20w dabs of two draws each, twice.
TEST(Dispatch, SprayPaintRunsTheSingleThenTheMixingPass) {
  PaintState st = tinyState(60, 60);
  st.currentTool = ToolSprayPaint;
  st.strokeWidth = 2;
  toolStep(st, 30, 30, PhasePress);
  const std::uint64_t after = randomState();
  setRandomState(1);
  for (int k = 0; k < 2 * 2 * 20 * 2; ++k) nextRandom();
  EXPECT_EQ(after, randomState());
}

TEST(Dispatch, BucketEndsTheStroke) {
  PaintState st = tinyState(10, 10);
  st.currentTool = ToolBucket;
  st.stroking = 1;
  toolStep(st, 3, 3, PhasePress);
  EXPECT_EQ(st.stroking, 0);
  EXPECT_EQ(st.pictureBmp.pixel(9, 9), st.currentColor);
}

// The brushes are prepared on the press only: a colour change in the middle
// of a stroke does not reach the brush until the next press.
TEST(Dispatch, BrushesArePreparedOnThePressOnly) {
  for (int tool : {ToolWaterPen, ToolWaterPenMix, ToolAcrylicPaint, ToolOilPaint}) {
    PaintState st = tinyState(100, 100);
    st.currentTool = tool;
    toolStep(st, 20, 20, PhasePress);
    const auto shades = st.shadeTable;
    const Surface brush = st.brushImage;
    st.currentColor = 0x00336699;
    toolStep(st, 70, 70, PhaseDrag);
    EXPECT_EQ(shades, st.shadeTable) << tool;
    if (tool != ToolOilPaint) {
      EXPECT_EQ(countDifferent(brush, st.brushImage), 0) << tool;
    }
    toolStep(st, 70, 70, PhasePress);
    EXPECT_EQ(st.shadeTable[0], tool == ToolWaterPen || tool == ToolWaterPenMix ? 0x00336699u : 0x00295C8Fu)
        << tool;
  }
}

TEST(ToolTable, HasEveryToolOnceWithItsSetup) {
  int rows = 0;
  for (int id = -5; id < 40; ++id) {
    const ToolInfo* t = toolInfo(id);
    if (!t) continue;
    ++rows;
    EXPECT_EQ(t->id, id);
  }
  EXPECT_EQ(rows, 20);
  int count = 0;
  const ToolInfo* all = toolTable(&count);
  ASSERT_EQ(count, 20);
  for (int i = 0; i < count; ++i) EXPECT_EQ(toolInfo(all[i].id), &all[i]);
  EXPECT_EQ(toolInfo(2), nullptr);
  EXPECT_STREQ(toolInfo(ToolWaterPen)->hint, "Water Pen -- applies color transparently");
  EXPECT_EQ(toolInfo(ToolRazor)->optionsStrip, 3);
  EXPECT_EQ(toolInfo(ToolZoomRect)->cursorKind, 11);
  EXPECT_STREQ(toolInfo(ToolSprayPaint)->chestImage, "Image23");
}

}  // namespace
}  // namespace pz
