// pinz-clipartgen DIR: writes every clip art picture as DIR/<name>.bmp.
#include <QDir>
#include <QGuiApplication>
#include <cstdio>

#include "clipart.h"
#include "platform/bmp.h"

namespace clipart {

QImage canvas(int w, int h) {
  QImage img(w, h, QImage::Format_RGB32);
  img.fill(Qt::white);
  return img;
}

void crisp(QPainter& p) {
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setRenderHint(QPainter::TextAntialiasing, false);
  p.setRenderHint(QPainter::SmoothPixmapTransform, false);
}

void ink(QPainter& p, QColor fill, int width) {
  p.setPen(QPen(kOutline, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(fill);
}

void inkOnly(QPainter& p, int width) {
  p.setPen(QPen(kOutline, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
}

}  // namespace clipart

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: pinz-clipartgen DIR\n");
    return 2;
  }
  const QString dir = QString::fromLocal8Bit(argv[1]);
  QDir().mkpath(dir);
  std::vector<clipart::Picture> pictures;
  clipart::addNature(pictures);
  clipart::addAnimals(pictures);
  clipart::addThings(pictures);
  int failed = 0;
  for (const clipart::Picture& pic : pictures) {
    if (!pz::writeBmp24(dir + QLatin1Char('/') + pic.name + QStringLiteral(".bmp"), pz::Surface(pic.image))) {
      std::fprintf(stderr, "could not write %s\n", qPrintable(pic.name));
      ++failed;
    }
  }
  return failed ? 1 : 0;
}
