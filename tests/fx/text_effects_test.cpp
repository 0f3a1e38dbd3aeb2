// The six text effects: where each places its copies, and how the font is fitted.
#include <gtest/gtest.h>

#include "fx/texteffects.h"

namespace fx {
namespace {

EffectInput sample(const QString& text = QStringLiteral("Hello")) {
  EffectInput in;
  in.text = text;
  in.style = TextStyle{QStringLiteral("DejaVu Sans"), false, false};
  in.fore = 0x612D80;
  in.back = 0x88C826;
  in.k = 96.0f / 72.0f;
  return in;
}

struct FitCase {
  int target, G;
  int expect;
};
class FitSearch : public ::testing::TestWithParam<FitCase> {};

TEST_P(FitSearch, FollowsTheBinarySearch) {
  // A width of three pixels per pixel of height makes every probe predictable.
  int probes = 0;
  const int px = fitFontHeight(GetParam().target, GetParam().G, 96.0f / 72.0f, [&](int h) {
    ++probes;
    return 3 * h;
  });
  EXPECT_EQ(px, GetParam().expect);
  EXPECT_GE(probes, 1);
}

INSTANTIATE_TEST_SUITE_P(Rows, FitSearch,
                         ::testing::Values(FitCase{100, 2, 33},   // stops when lo and hi are one apart
                                           FitCase{100, 3, 35},   // a wider gap stops two probes earlier
                                           FitCase{96, 2, 32},    // an exact width stops at once
                                           FitCase{0, 2, 4},      // towards the smallest size
                                           FitCase{5000, 2, 201}  // towards the largest
                                           ));

TEST(TextEffects, EqualWidthsGiveEqualSizesWhateverTheHeight) {
  const EffectInput in = sample();
  for (int tool : {EffectPlain, EffectDropShadow, EffectBlockShadow}) {
    const TextPlan a = planDragEffect(tool, in, {10, 10}, {210, 20});
    const TextPlan b = planDragEffect(tool, in, {300, 400}, {100, 30});  // other direction, taller
    ASSERT_FALSE(a.empty());
    ASSERT_EQ(a.size(), b.size());
    EXPECT_EQ(a.back().height, b.back().height) << tool;
    EXPECT_LT(a.back().height, 0);  // character heights
  }
}

TEST(TextEffects, FittedWidthComesNearTheDraggedWidth) {
  const EffectInput in = sample();
  const TextPlan p = planDragEffect(EffectPlain, in, {0, 0}, {300, 50});
  ASSERT_EQ(p.size(), 1u);
  const int w = measureTextWidth(in, -p[0].height);
  EXPECT_NEAR(w, 300, 30);
}

TEST(TextEffects, DepthOneUpperLeft) {
  EffectInput in = sample();
  in.depth = 1;
  in.dir = DirUL;
  const TextPlan block = planDragEffect(EffectBlockShadow, in, {40, 50}, {240, 90});
  ASSERT_EQ(block.size(), 3u);
  EXPECT_EQ((Point{block[0].x, block[0].y}), (Point{40, 50}));
  EXPECT_EQ((Point{block[1].x, block[1].y}), (Point{41, 51}));
  EXPECT_EQ((Point{block[2].x, block[2].y}), (Point{42, 52}));
  EXPECT_EQ(block[0].color, in.back);
  EXPECT_EQ(block[2].color, in.fore);
  const TextPlan drop = planDragEffect(EffectDropShadow, in, {40, 50}, {240, 90});
  ASSERT_EQ(drop.size(), 2u);
  EXPECT_EQ((Point{drop[0].x, drop[0].y}), (Point{39, 49}));
  EXPECT_EQ(drop[0].color, in.back);
  EXPECT_EQ((Point{drop[1].x, drop[1].y}), (Point{40, 50}));
  EXPECT_EQ(drop[1].color, in.fore);
  for (const TextDraw& d : block) EXPECT_EQ(d.align, TextAlign::LeftTop);
}

struct DirCase {
  int dir;
  Point dropShadow;       // offset of the drop shadow at depth 3
  Point blockFirst, blockLast, blockText;  // relative to the rectangle's top-left, depth 3
};
class Directions : public ::testing::TestWithParam<DirCase> {};

TEST_P(Directions, ShadowsLieOnTheNamedSide) {
  EffectInput in = sample();
  in.depth = 3;
  in.dir = GetParam().dir;
  const Point o{100, 100};
  const TextPlan drop = planDragEffect(EffectDropShadow, in, o, {300, 150});
  EXPECT_EQ((Point{drop[0].x - o.x, drop[0].y - o.y}), GetParam().dropShadow);
  const TextPlan b = planDragEffect(EffectBlockShadow, in, o, {300, 150});
  ASSERT_EQ(b.size(), 5u);
  EXPECT_EQ((Point{b[0].x - o.x, b[0].y - o.y}), GetParam().blockFirst);
  EXPECT_EQ((Point{b[3].x - o.x, b[3].y - o.y}), GetParam().blockLast);
  EXPECT_EQ((Point{b[4].x - o.x, b[4].y - o.y}), GetParam().blockText);
}

INSTANTIATE_TEST_SUITE_P(
    Eight, Directions,
    ::testing::Values(DirCase{DirUL, {-3, -3}, {0, 0}, {3, 3}, {4, 4}}, DirCase{DirUC, {0, -3}, {0, 0}, {0, 3}, {0, 4}},
                      DirCase{DirUR, {3, -3}, {0, 0}, {-3, 3}, {-4, 4}}, DirCase{DirL, {-3, 0}, {0, 0}, {3, 0}, {4, 0}},
                      DirCase{DirR, {3, 0}, {0, 0}, {-3, 0}, {-4, 0}}, DirCase{DirLL, {-3, 3}, {0, 4}, {3, 1}, {4, 0}},
                      DirCase{DirLC, {0, 3}, {0, 4}, {0, 1}, {0, 0}}, DirCase{DirLR, {3, 3}, {4, 4}, {1, 1}, {0, 0}}));

TEST(TextEffects, TrailNarrowerThanEightPixelsIsOneCopyUnderTheText) {
  EffectInput in = sample(QStringLiteral("A"));
  in.dir = DirUC;
  const TextPlan p = planDragEffect(EffectTrail, in, {50, 20}, {56, 80});
  ASSERT_EQ(p.size(), 2u);
  EXPECT_EQ(p[0].color, in.back);
  EXPECT_EQ(p[1].color, in.fore);
  EXPECT_EQ((Point{p[0].x, p[0].y}), (Point{p[1].x, p[1].y}));
  EXPECT_EQ((Point{p[1].x, p[1].y}), (Point{53, 80}));  // centre of the width, on the bottom edge
  EXPECT_EQ(p[0].height, p[1].height);
  EXPECT_GT(p[1].height, 0);  // cell heights
}

TEST(TextEffects, TrailClimbsOrDescendsOnePixelAndGrowsOnePixelPerCopy) {
  EffectInput in = sample();
  for (int dir : {DirUL, DirUC, DirUR, DirLL, DirLC, DirLR}) {
    in.dir = dir;
    const TextPlan p = planDragEffect(EffectTrail, in, {100, 50}, {260, 200});  // s = 20
    ASSERT_FALSE(p.empty());
    const TextDraw& last = p.back();
    const bool up = dir == DirUL || dir == DirUC || dir == DirUR;
    EXPECT_EQ(last.y, up ? 200 - 20 : 50 + 20) << dir;
    const int anchor = (dir == DirUL || dir == DirLL) ? 100 : (dir == DirUR || dir == DirLR) ? 260 : 180;
    for (const TextDraw& d : p) EXPECT_EQ(d.x, anchor);
    for (size_t i = 1; i + 1 < p.size(); ++i) {
      EXPECT_EQ(p[i].height, p[i - 1].height + 1);
      EXPECT_EQ(p[i].y, p[i - 1].y + (up ? -1 : 1));
    }
    EXPECT_EQ(p[p.size() - 2].height, last.height);
  }
  in.dir = DirL;
  EXPECT_TRUE(planDragEffect(EffectTrail, in, {100, 50}, {260, 200}).empty());
}

TEST(TextEffects, VerticalCentresTheColumnOnTheClick) {
  EffectInput in = sample(QStringLiteral("AB"));
  in.sizePoints = 12;
  const int h = textExtentHeight(makeFont(in.style, -16));
  const TextPlan p = planClickEffect(EffectVertical, in, {100, 100});
  ASSERT_EQ(p.size(), 2u);
  EXPECT_EQ(p[0].height, -16);  // Round(12 x 4/3)
  EXPECT_EQ(p[0].text, QStringLiteral("A"));
  EXPECT_EQ(p[1].text, QStringLiteral("B"));
  EXPECT_EQ(p[0].y, 100);
  EXPECT_EQ(p[1].y, 100 + h);
  for (const TextDraw& d : p) {
    EXPECT_EQ(d.x, 100);
    EXPECT_EQ(d.align, TextAlign::BaselineCenter);
  }
  in.text = QStringLiteral("ABC");
  const TextPlan three = planClickEffect(EffectVertical, in, {100, 100});
  ASSERT_EQ(three.size(), 3u);
  EXPECT_EQ(three[0].y, 100 + h - (3 * h) / 2);
}

TEST(TextEffects, RotatedUsesTheSizeListAndTheAngle) {
  EffectInput in = sample();
  in.sizePoints = 72;
  in.angle = 90;
  const TextPlan p = planClickEffect(EffectRotated, in, {60, 70});
  ASSERT_EQ(p.size(), 1u);
  EXPECT_EQ(p[0].height, -96);
  EXPECT_EQ(p[0].escapement, 900);
  EXPECT_EQ(p[0].align, TextAlign::BaselineCenter);
  EXPECT_EQ((Point{p[0].x, p[0].y}), (Point{60, 70}));
}

TEST(TextEffects, EmptyTextDrawsNothingAndLongTextIsKeptWhole) {
  const EffectInput empty = sample(QString());
  for (int tool = EffectPlain; tool <= EffectVertical; ++tool) {
    EXPECT_TRUE(planDragEffect(tool, empty, {0, 0}, {100, 100}).empty());
    EXPECT_TRUE(planClickEffect(tool, empty, {50, 50}).empty());
  }
  const QString longText = QString(300, QChar('W')) + QStringLiteral("end");
  EffectInput in = sample(longText);
  in.style.face = QString(280, QChar('x'));  // no such face: the nearest one is used
  const TextPlan p = planDragEffect(EffectPlain, in, {0, 0}, {800, 50});
  ASSERT_EQ(p.size(), 1u);
  EXPECT_EQ(p[0].text, longText);
}

TEST(TextDraw, GlyphsArePlainTwoColours) {
  pz::Surface s(300, 120, pz::kWhite);
  EffectInput in = sample(QStringLiteral("Wave"));
  in.depth = 4;
  in.dir = DirLR;
  const TextPlan p = planDragEffect(EffectDropShadow, in, {10, 10}, {250, 60});
  paintPlan(s, in.style, p);
  int fore = 0, back = 0;
  for (int y = 0; y < s.height(); ++y)
    for (int x = 0; x < s.width(); ++x) {
      const pz::Color c = s.pixel(x, y);
      ASSERT_TRUE(c == pz::kWhite || c == in.fore || c == in.back) << std::hex << c << " at " << x << "," << y;
      fore += c == in.fore;
      back += c == in.back;
    }
  EXPECT_GT(fore, 200);
  EXPECT_GT(back, 20);
}

TEST(TextDraw, RepeatedCopiesLookExactlyLikeSingleOutputs) {
  // Shadow copies are stamped from one rasterisation; they must match drawing
  // each copy on its own, for large (outline) and small (cached) glyphs.
  // (Turned text is never repeated by an effect.)
  for (int px : {14, 90})
    for (int esc : {0}) {
      EffectInput in = sample(QStringLiteral("Wavy Ãgj"));
      in.style.italic = true;
      TextPlan plan;
      for (int i = 0; i < 5; ++i)
        plan.push_back(TextDraw{in.text, 40 + 3 * i, 200 + i, -px, TextAlign::BaselineLeft, 0x88C826, esc});
      plan.push_back(TextDraw{in.text, 60, 210, -px, TextAlign::BaselineLeft, 0x612D80, esc});
      pz::Surface stamped(500, 400, pz::kWhite), single(500, 400, pz::kWhite);
      paintPlan(stamped, in.style, plan);
      for (const TextDraw& d : plan) paintText(single, in.style, d);
      int diff = 0;
      for (int y = 0; y < 400; ++y)
        for (int x = 0; x < 500; ++x) diff += stamped.pixel(x, y) != single.pixel(x, y);
      EXPECT_EQ(diff, 0) << px << " " << esc;
    }
}

TEST(TextDraw, AlignmentsPlaceTheInkAroundTheReferencePoint) {
  const TextStyle style{QStringLiteral("DejaVu Sans"), false, false};
  auto inkBox = [&](TextAlign a, int esc) {
    pz::Surface s(400, 400, pz::kWhite);
    paintText(s, style, TextDraw{QStringLiteral("EXAMINE"), 200, 200, -30, a, pz::kBlack, esc});
    pz::Rect box{400, 400, 0, 0};
    for (int y = 0; y < 400; ++y)
      for (int x = 0; x < 400; ++x)
        if (s.pixel(x, y) == pz::kBlack) {
          box.left = std::min(box.left, x);
          box.top = std::min(box.top, y);
          box.right = std::max(box.right, x + 1);
          box.bottom = std::max(box.bottom, y + 1);
        }
    return box;
  };
  const pz::Rect lt = inkBox(TextAlign::LeftTop, 0);
  EXPECT_GE(lt.top, 200);
  EXPECT_GE(lt.left, 200);
  const pz::Rect bl = inkBox(TextAlign::BaselineLeft, 0);
  EXPECT_LE(bl.bottom, 201);
  EXPECT_GE(bl.left, 199);
  const pz::Rect bc = inkBox(TextAlign::BaselineCenter, 0);
  EXPECT_NEAR((bc.left + bc.right) / 2, 200, 4);
  const pz::Rect br = inkBox(TextAlign::BaselineRight, 0);
  EXPECT_LE(br.right, 201);
  // (Capitals: no descenders below the baseline.) Turned by 90 degrees the text runs upwards, its tops towards the left.
  const pz::Rect up = inkBox(TextAlign::BaselineCenter, 900);
  EXPECT_GT(up.height(), up.width());
  EXPECT_LE(up.right, 201);
  EXPECT_NEAR((up.top + up.bottom) / 2, 200, 4);
  // At 180 degrees it hangs below the baseline.
  const pz::Rect down = inkBox(TextAlign::BaselineCenter, 1800);
  EXPECT_GE(down.top, 199);
}

TEST(TextDraw, CellHeightsIncludeTheLeading) {
  const TextStyle style{QStringLiteral("DejaVu Sans"), false, false};
  for (int h : {10, 20, 33, 72}) {
    const int cell = textExtentHeight(makeFont(style, h));
    EXPECT_NEAR(cell, h, 1) << h;
    EXPECT_LT(makeFont(style, h).pixelSize(), makeFont(style, -h).pixelSize() + 1);
  }
}

}  // namespace
}  // namespace fx
