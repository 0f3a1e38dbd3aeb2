// The paste preview following the pointer on a full-HD surface, and opening
// the clip art window on twenty pictures.
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include "paint/files/artform.h"
#include "paint/files/paste.h"
#include "platform/bmp.h"

namespace {

using namespace pz;

void BM_PastePreviewMove(benchmark::State& state) {
  PaintState st;
  st.pictureBmp.create(2400, 1600, 0x80C0E0);
  const int w = int(state.range(0)), h = int(state.range(1));
  Surface img(w, h, kWhite);
  img.fillRect({w / 4, h / 4, w - w / 4, h - h / 4}, 0x0000FF);
  buildPasteBmp(st, img);
  Surface view(1920, 1080);
  showPictureBlock(view, st.pictureBmp, 0, 0, view.bounds(), kWhite);
  PastePreview preview;
  int i = 0;
  for (auto _ : state) {
    // The pointer wanders over the whole surface a few pixels per event.
    const Point p{(i * 7) % 1920, (i * 5) % 1080};
    const Rect sprite{p.x - 25, p.y - 25, p.x + 25, p.y + 25};
    auto changed = preview.draw(view, st, 100, 50, p, sprite, kWhite);
    benchmark::DoNotOptimize(changed);
    ++i;
  }
}
BENCHMARK(BM_PastePreviewMove)->Args({200, 150})->Args({800, 600})->Args({1920, 1080})->Unit(benchmark::kMicrosecond);

void BM_ClipartWindowOpens(benchmark::State& state) {
  QTemporaryDir dir;
  QDir().mkpath(dir.path() + "/clipart");
  for (int i = 0; i < 20; ++i) {
    Surface s(180 + i, 180, kWhite);
    s.fillRect({30, 30, 150, 150}, rgb(i * 12, 200, 255 - i * 12));
    writeBmp24(dir.path() + QStringLiteral("/clipart/picture %1.bmp").arg(i), s);
  }
  for (auto _ : state) {
    Tartform form(dir.path());
    form.show();  // the first show lists the folder and loads the first picture
    QApplication::processEvents();
    benchmark::DoNotOptimize(form.shownSize());
  }
}
BENCHMARK(BM_ClipartWindowOpens)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
