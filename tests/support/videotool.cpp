// pinz-video: makes a numbered test video, or reads the frame number back from
// a picture (for the end-to-end tests, which check the clipboard's image).
//   pinz-video make CODEC WIDTH HEIGHT FRAMES [DROPPED,...]   prints the path
//   pinz-video read PICTURE                     prints the frame number or -1
#include <QImage>
#include <QString>
#include <QStringList>
#include <cstdio>
#include <cstring>
#include <string>

#include "tests/support/video_maker.h"

int main(int argc, char** argv) {
  if ((argc == 6 || argc == 7) && std::strcmp(argv[1], "make") == 0) {
    for (pztest::Codec c : pztest::allCodecs()) {
      if (std::strcmp(argv[2], pztest::codecName(c)) != 0) continue;
      pztest::VideoRecipe recipe{c, std::atoi(argv[3]), std::atoi(argv[4]), std::atoi(argv[5]), {}};
      if (argc == 7)
        for (const QString& d : QString(argv[6]).split(',', Qt::SkipEmptyParts)) recipe.dropped.push_back(d.toInt());
      std::printf("%s\n", pztest::makeVideo(recipe).c_str());
      return 0;
    }
    std::fprintf(stderr, "unknown codec %s\n", argv[2]);
    return 2;
  }
  if (argc == 3 && std::strcmp(argv[1], "read") == 0) {
    QImage img(QString::fromLocal8Bit(argv[2]));
    if (img.isNull()) {
      std::fprintf(stderr, "cannot read %s\n", argv[2]);
      return 2;
    }
    std::printf("%d\n", pztest::readFrameCode(pz::Surface(img)));
    return 0;
  }
  std::fprintf(stderr, "usage: pinz-video make CODEC W H FRAMES | pinz-video read PICTURE\n");
  return 2;
}
