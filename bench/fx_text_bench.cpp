// PinzFX text page: a drag-placed effect at 72 px (the font fitting included),
// a whole-canvas copy of 1600 x 1000 to the clipboard, and the start-up of
// `pinzfx T` (in-process window creation, and the real program until its
// window is shown).
#include <QApplication>
#include <benchmark/benchmark.h>

#include "fx/areaselect.h"
#include "fx/facelist.h"
#include "fx/pamain.h"
#include "fx/texteffects.h"
#include "fx/textpage.h"
#include "program_start.h"

namespace {

fx::EffectInput input72(int tool) {
  fx::EffectInput in;
  in.text = QStringLiteral("Happy Birthday");
  in.style = fx::TextStyle{QStringLiteral("DejaVu Sans"), true, false};
  in.fore = 0x612D80;
  in.back = 0x88C826;
  in.depth = tool == fx::EffectBlockShadow ? 50 : 3;  // the deepest block shadow
  in.dir = fx::DirUL;
  in.k = 96.0f / 72.0f;
  return in;
}

// Drags as wide as the text is at 72 px, so the search lands on about 72 px.
void BM_DragEffect72px(benchmark::State& state) {
  const int tool = int(state.range(0));
  fx::EffectInput in = input72(tool);
  const int width = fx::measureTextWidth(in, 72);
  pz::Surface canvas(1000, 700, pz::kWhite);
  int px = 0;
  for (auto _ : state) {
    const fx::TextPlan plan = fx::planDragEffect(tool, in, {20, 150}, {20 + width, 260});
    fx::paintPlan(canvas, in.style, plan);
    px = plan.back().height;
    benchmark::DoNotOptimize(canvas.row(200));
  }
  state.counters["font_px"] = std::abs(px);
}
BENCHMARK(BM_DragEffect72px)
    ->Arg(fx::EffectPlain)
    ->Arg(fx::EffectDropShadow)
    ->Arg(fx::EffectTrail)
    ->Arg(fx::EffectBlockShadow)
    ->Unit(benchmark::kMillisecond);

void BM_WholeCopy1600x1000(benchmark::State& state) {
  fx::SelectionState sel;
  pz::SurfaceWidget view;
  view.resize(1600, 1000);
  view.surface().create(1600, 1000, pz::kWhite);
  for (int y = 0; y < 1000; ++y)
    for (int x = 0; x < 1600; ++x) view.surface().setPixel(x, y, pz::rgb(x, y, x ^ y));
  fx::AreaSelect group(sel, &view, {"g", "r", "i", "w", "a", "c", "ret"}, nullptr);
  group.wholeRect = [&] { return view.surface().bounds(); };
  group.chooseMode(fx::SelectWhole);
  for (auto _ : state) benchmark::DoNotOptimize(group.copySelectionToClipboard());
}
BENCHMARK(BM_WholeCopy1600x1000)->Unit(benchmark::kMillisecond);

void BM_FaceListFill(benchmark::State& state) {
  fx::FaceList list;
  for (auto _ : state) list.fillWithInstalledFaces();
  state.counters["faces"] = list.count();
}
BENCHMARK(BM_FaceListFill)->Unit(benchmark::kMillisecond);

// Creating and showing the main window on the text page, as the program's start does.
void BM_MainWindowOnTextPage(benchmark::State& state) {
  for (auto _ : state) {
    fx::Tpamain w({"T"});
    w.resize(1280, 1000);
    w.show();
    w.FormActivate();
    QCoreApplication::processEvents();
    benchmark::DoNotOptimize(w.st.pageMode);
  }
}
BENCHMARK(BM_MainWindowOnTextPage)->Unit(benchmark::kMillisecond);

void BM_ProgramStartUntilShown(benchmark::State& state) { pzbench::timeProgramStart(state, "pinzfx", {"T"}); }
BENCHMARK(BM_ProgramStartUntilShown)->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
