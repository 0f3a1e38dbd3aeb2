// SVG drawings on the metafile page: reading (which draws once at the native
// size) and drawing again at a new size, each drawing in its own time-limited
// child process.
#include <benchmark/benchmark.h>

#include <QFile>
#include <QGuiApplication>

#include "platform/svg.h"

namespace {

QByteArray readAll(const char* path) {
  QFile f(QString::fromUtf8(path));
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

struct Sample {
  const char* name;
  const char* path;
};
const Sample kSamples[] = {
    {"house", PINZ_BENCH_SOURCE_DIR "/tests/data/svg/house.svg"},
    {"effects", PINZ_BENCH_SOURCE_DIR "/tests/data/svg/effects.svg"},
    {"tangoIcon", "/usr/share/icons/Tango/scalable/apps/preferences-desktop-screensaver.svg"},
    {"tabletDiagram", "/usr/share/libwacom/layouts/bamboo-0fg-s-p.svg"},
};

void BM_SvgRead(benchmark::State& state) {
  const QByteArray bytes = readAll(kSamples[state.range(0)].path);
  state.SetLabel(kSamples[state.range(0)].name);
  for (auto _ : state) {
    auto d = pz::SvgDrawing::fromBytes(bytes);
    if (!d) state.SkipWithError("unreadable");
    benchmark::DoNotOptimize(d);
  }
}
BENCHMARK(BM_SvgRead)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

// Each size step of the page draws anew: alternates 275 % and 300 % so that
// no picture comes from the cache.
void BM_SvgResizeTo300(benchmark::State& state) {
  auto d = pz::SvgDrawing::fromBytes(readAll(kSamples[state.range(0)].path));
  state.SetLabel(kSamples[state.range(0)].name);
  if (!d) {
    state.SkipWithError("unreadable");
    return;
  }
  int k = 0;
  for (auto _ : state) {
    const int percent = (k++ % 2) ? 275 : 300;
    benchmark::DoNotOptimize(d->render(d->width() * percent / 100, d->height() * percent / 100));
  }
}
BENCHMARK(BM_SvgResizeTo300)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
