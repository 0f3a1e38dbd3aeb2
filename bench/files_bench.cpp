// Opening and saving pictures: a saved 800 x 800 picture with its clean-up
// pass (and the percentage label), saving one, and opening a drawing.
#include <QApplication>
#include <QLabel>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include "paint/files/picture_files.h"
#include "platform/bmp.h"
#include "platform/jpeg.h"

namespace {

pz::Surface painted() {
  pz::Surface s(800, 800, pz::kWhite);
  for (int y = 0; y < 800; y += 40) s.fillRect({0, y, 800, y + 3}, pz::kBlack);
  s.fillRect({100, 100, 500, 400}, pz::rgb(255, 128, 87));
  s.fillRect({300, 450, 700, 750}, pz::rgb(30, 160, 220));
  return s;
}

QApplication& app() {
  static int argc = 1;
  static char name[] = "files_bench";
  static char* argv[] = {name, nullptr};
  static QApplication a(argc, argv);
  return a;
}

void OpenSavedPictureWithCleanUp(benchmark::State& state) {
  app();
  QTemporaryDir dir;
  const QString path = dir.filePath("cat.jpg");
  pz::NViewLibSaveAsJPG(100, path, painted());
  QLabel label;
  label.resize(200, 40);
  label.show();
  for (auto _ : state) {
    auto s = pz::readPicture(path, nullptr);
    pz::cleanUpColors(*s, [&](int p) {
      label.setText(QString::number(p) + QLatin1Char('%'));
      label.repaint();
    });
    pz::Surface undo = *s;
    benchmark::DoNotOptimize(undo);
  }
}
BENCHMARK(OpenSavedPictureWithCleanUp)->Unit(benchmark::kMillisecond);

void SavePicture(benchmark::State& state) {
  app();
  QTemporaryDir dir;
  const QString path = dir.filePath("cat.jpg");
  const pz::Surface s = painted();
  for (auto _ : state) benchmark::DoNotOptimize(pz::savePictureJpeg(s, path, nullptr));
}
BENCHMARK(SavePicture)->Unit(benchmark::kMillisecond);

void OpenDrawing(benchmark::State& state) {
  app();
  QTemporaryDir dir;
  const QString path = dir.filePath("cat.bmp");
  pz::writeBmp24(path, painted());
  for (auto _ : state) {
    auto s = pz::readPicture(path, nullptr);
    pz::Surface undo = *s;
    benchmark::DoNotOptimize(undo);
  }
}
BENCHMARK(OpenDrawing)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
