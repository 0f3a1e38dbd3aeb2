// Opening and rendering every metafile of the test corpus at 100 % and 300 %
// of the page's native size (half the picture's size).
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <benchmark/benchmark.h>
#include <string>

#include "platform/metafile.h"

namespace {

QString corpusDir() {
  const QString here = QFileInfo(QStringLiteral(__FILE__)).absolutePath();
  return here + QStringLiteral("/../tests/data/metafiles/files/");
}

void open(benchmark::State& state, QString path) {
  for (auto _ : state) {
    auto m = pz::Metafile::load(path);
    benchmark::DoNotOptimize(m);
  }
}

void render(benchmark::State& state, QString path, int percent) {
  auto m = pz::Metafile::load(path);
  if (!m) {
    state.SkipWithError("cannot open");
    return;
  }
  const int w = std::max(1, m->width() / 2 * percent / 100), h = std::max(1, m->height() / 2 * percent / 100);
  for (auto _ : state) {
    pz::Surface s = pz::renderMetafile(*m, w, h);
    benchmark::DoNotOptimize(s);
  }
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  for (const QString& f : QDir(corpusDir()).entryList(QDir::Files)) {
    const QString path = corpusDir() + f;
    const std::string name = f.toStdString();
    benchmark::RegisterBenchmark(("open/" + name).c_str(), open, path)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(("render100/" + name).c_str(), render, path, 100)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(("render300/" + name).c_str(), render, path, 300)->Unit(benchmark::kMillisecond);
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
