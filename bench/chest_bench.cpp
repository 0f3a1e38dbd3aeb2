// Opening the tool chest with the Texture Brush current and 30 textures in the
// folder: building the window, reading the folder and filling the first page.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include "paint/canvas/toolform.h"
#include "platform/bmp.h"

namespace {

QString makeFolder(QTemporaryDir& dir, int count) {
  QDir(dir.path()).mkpath("textures");
  for (int i = 0; i < count; ++i)
    pz::writeBmp24(dir.path() + QString("/textures/t%1.bmp").arg(i), pz::Surface(50, 50, pz::rgb(i * 8, 100, 200)));
  return dir.path();
}

// The very first opening of a run also draws the tool pictures (registered
// first so that nothing has drawn them yet).
void BM_FirstOpening(benchmark::State& state) {
  QTemporaryDir dir;
  pz::PaintState st;
  st.programDir = makeFolder(dir, 30);
  st.currentTool = pz::ToolTextureBrush;
  for (auto _ : state) {
    pz::Ttoolform chest(st);
    chest.show();
    QApplication::processEvents();
    benchmark::DoNotOptimize(chest.grab());
    chest.close();
  }
}
BENCHMARK(BM_FirstOpening)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_OpenChest(benchmark::State& state, int tool) {
  QTemporaryDir dir;
  pz::PaintState st;
  st.programDir = makeFolder(dir, 30);
  st.currentTool = tool;
  for (auto _ : state) {
    pz::Ttoolform chest(st);
    chest.show();
    QApplication::processEvents();
    benchmark::DoNotOptimize(chest.grab());  // the first frame on screen
    chest.close();
  }
}
BENCHMARK_CAPTURE(BM_OpenChest, texture_brush_30_textures, pz::ToolTextureBrush)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenChest, water_pen, pz::ToolWaterPen)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
