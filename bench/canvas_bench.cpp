// The main window's redraws and one drag point through the real handler.
#include <QApplication>
#include <QElapsedTimer>
#include <benchmark/benchmark.h>

#include <memory>

#include "paint/canvas/artcache.h"
#include "paint/canvas/mainpinz.h"
#include "platform/folders.h"
#include "program_start.h"

namespace {

std::unique_ptr<pz::ArtCache> g_art;

pz::Tmainpinz& window() {
  static std::unique_ptr<pz::Tmainpinz> w = [] {
    auto win = std::make_unique<pz::Tmainpinz>(*g_art);
    win->st.aboutPending = 0;
    win->resize(1920 + 25, 1080 + 87 + 25);  // a 1920 x 1080 drawing surface
    win->show();
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
    return win;
  }();
  return *w;
}

void BM_showPicture(benchmark::State& state) {
  auto& w = window();
  w.st.zoomState = int(state.range(0));
  w.setScrollRanges();
  for (auto _ : state) w.showPicture();
}
BENCHMARK(BM_showPicture)->Arg(4)->Arg(2)->Arg(3)->Arg(6)->Unit(benchmark::kMicrosecond);

void BM_showAroundPoint(benchmark::State& state) {
  auto& w = window();
  w.st.zoomState = int(state.range(0));
  w.setScrollRanges();
  for (auto _ : state) w.showAroundPoint(400, 400);
}
BENCHMARK(BM_showAroundPoint)->Arg(4)->Arg(2)->Arg(6)->Unit(benchmark::kMicrosecond);

// One drag point: the tool step, the partial redraw, the two sprite blits.
void BM_dragPoint(benchmark::State& state) {
  auto& w = window();
  w.st.zoomState = int(state.range(1));
  w.setScrollRanges();
  w.st.currentTool = int(state.range(0));
  w.st.brushSize = 50;
  w.st.strokeWidth = 10;
  w.st.swallowPress = 0;
  w.mapdispMouseDown(Qt::LeftButton, 300, 300);
  int i = 0;
  for (auto _ : state) {
    const int X = 300 + (i++ % 200);
    w.mapdispMouseMove(X, 300 + (i % 50));
  }
  w.mapdispMouseUp(Qt::LeftButton, 300, 300);
  w.st.pictureBmp.fill(pz::kWhite);
}
BENCHMARK(BM_dragPoint)
    ->ArgsProduct({{pz::ToolPastel, pz::ToolTextureBrush, pz::ToolWaterPen, pz::ToolRazor, pz::ToolAcrylicPaint,
                    pz::ToolBlackPencil, pz::ToolBlackEraser, pz::ToolColorEraser, pz::ToolPastelMix,
                    pz::ToolWaterPenMix, pz::ToolSprayPaint, pz::ToolWandStars, pz::ToolReplacementPaint,
                    pz::ToolOilPaint, pz::ToolSprayPaintMix},
                   {4, 3}})
    ->Unit(benchmark::kMicrosecond);

// The real program: start until the main window is shown (the about window
// comes after the first paint, so it is not counted).
void BM_PinzStartUntilShown(benchmark::State& state) { pzbench::timeProgramStart(state, "pinz", {}); }
BENCHMARK(BM_PinzStartUntilShown)->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QString err;
  auto art = pz::ArtCache::load(QStringLiteral(PINZ_BENCH_PROGRAM_DIR), &err);
  if (!art) {
    fprintf(stderr, "%s\n", qPrintable(err));
    return 1;
  }
  g_art = std::make_unique<pz::ArtCache>(std::move(*art));
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
