// Writes the textures into the given folder as 50 x 50 BMP files.
#include <QDir>
#include <cstdio>

#include "data/textures/textures.h"
#include "platform/bmp.h"

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: pinz-texgen TEXTURE_DIR\n");
    return 2;
  }
  const QString dir = QString::fromLocal8Bit(argv[1]);
  QDir().mkpath(dir);
  bool ok = true;
  for (const pz::tex::Texture& t : pz::tex::allTextures()) {
    if (!pz::writeBmp24(dir + "/" + t.name + ".bmp", t.pixels)) {
      std::fprintf(stderr, "pinz-texgen: cannot write %s\n", qPrintable(t.name));
      ok = false;
    }
  }
  return ok ? 0 : 1;
}
