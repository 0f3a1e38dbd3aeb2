// One pointer point of each tool on an 800 x 800 picture, half painted with
// bands of colour and crossed by black lines, at brush size 50 and stroke
// width 10; and the bucket over whole sheets.
#include <benchmark/benchmark.h>

#include "paint/tools/brushes.h"
#include "paint/tools/colour.h"
#include "paint/tools/dispatch.h"

namespace {

using namespace pz;

Surface halfPainted() {
  Surface s(800, 800, kWhite);
  const Color bands[] = {0x0000C0FF, 0x00FF8040, 0x0040C040, 0x00A040C0, 0x0080FFFF, 0x00605040};
  for (int k = 0; k < 20; ++k) s.fillRect({0, k * 20, 800, k * 20 + 20}, bands[k % 6]);
  for (int k = 50; k < 800; k += 100) {
    s.fillRect({k, 0, k + 2, 800}, kBlack);
    s.fillRect({0, k, 800, k + 2}, kBlack);
  }
  return s;
}

// Points walk along the boundary between the painted and the white half, so
// every stamp covers both; the picture is restored after each pass.
void toolPoint(benchmark::State& state, int tool) {
  const Surface fresh = halfPainted();
  PaintState st;
  st.pictureBmp = fresh;
  st.brushImage.create(50, 50, kWhite);
  for (int y = 0; y < 50; ++y)
    for (int x = 0; x < 50; ++x) st.brushImage.setPixel(x, y, rgb(x * 5, 120, y * 5));
  st.currentTool = tool;
  st.brushSize = 50;
  st.strokeWidth = 10;
  setRandomState(1);
  toolStep(st, 100, 400, PhasePress);
  int i = 0;
  for (auto _ : state) {
    toolStep(st, 100 + (i % 600), 390 + (i % 20), PhaseDrag);
    if (++i % 600 == 0) {
      state.PauseTiming();
      st.pictureBmp = fresh;
      toolStep(st, 100, 400, PhasePress);
      state.ResumeTiming();
    }
  }
}

void sprayOnly(benchmark::State& state) {
  PaintState st;
  st.pictureBmp = halfPainted();
  st.strokeWidth = 10;
  int i = 0;
  for (auto _ : state) sprayPaintSingle(st, 100 + (i++ % 600), 400);
}

BENCHMARK_CAPTURE(toolPoint, Pastel, ToolPastel);
BENCHMARK_CAPTURE(toolPoint, Replacement, ToolReplacementPaint);
BENCHMARK_CAPTURE(toolPoint, Acrylic, ToolAcrylicPaint);
BENCHMARK(sprayOnly)->Name("toolPoint/SpraySingle");
BENCHMARK_CAPTURE(toolPoint, BlackEraser, ToolBlackEraser);
BENCHMARK_CAPTURE(toolPoint, ColorEraser, ToolColorEraser);
BENCHMARK_CAPTURE(toolPoint, Razor, ToolRazor);
BENCHMARK_CAPTURE(toolPoint, Texture, ToolTextureBrush);
BENCHMARK_CAPTURE(toolPoint, PastelMix, ToolPastelMix);
BENCHMARK_CAPTURE(toolPoint, WaterPen, ToolWaterPen);
BENCHMARK_CAPTURE(toolPoint, WaterPenMix, ToolWaterPenMix);
BENCHMARK_CAPTURE(toolPoint, OilPaint, ToolOilPaint);
BENCHMARK_CAPTURE(toolPoint, SprayPaintBothPasses, ToolSprayPaint);
BENCHMARK_CAPTURE(toolPoint, SprayMix, ToolSprayPaintMix);
BENCHMARK_CAPTURE(toolPoint, WandStars, ToolWandStars);
BENCHMARK_CAPTURE(toolPoint, BlackPencil, ToolBlackPencil);

// The whole sheet is one region; each fill swaps it to the other colour.
void bucketSheet(benchmark::State& state) {
  const int side = int(state.range(0));
  PaintState st;
  st.pictureBmp.create(side, side, kWhite);
  Color next = 0x00336699;
  for (auto _ : state) {
    st.currentColor = next;
    fillBucket(st, side / 2, side / 2);
    next ^= 0x00FFFFFF;
    benchmark::DoNotOptimize(st.pictureBmp.row(0)[0]);
  }
}
BENCHMARK(bucketSheet)->Arg(800)->Arg(4000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
