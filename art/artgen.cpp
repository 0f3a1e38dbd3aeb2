// Draws the art files a1.pzl ... a17.pzl into the program folder.
#include <QGuiApplication>
#include <cstdio>

#include "art/art.h"

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: pinz-artgen PROGRAM_DIR\n");
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  return pz::art::writeAll(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
