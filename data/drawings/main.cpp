// Draws the drawings of bmps/ and writes, beside them for the tests, a point
// inside every closed shape.
#include <QDir>
#include <cstdio>

#include "data/drawings/drawings.h"

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: pinz-drawings BMPS_DIR SEEDS_DIR\n");
    return 2;
  }
  using namespace pz::lineart;
  const QString bmps = QString::fromLocal8Bit(argv[1]), seeds = QString::fromLocal8Bit(argv[2]);
  QDir().mkpath(bmps);
  QDir().mkpath(seeds);
  struct Entry {
    const char* name;
    Drawing (*draw)();
  } const all[] = {
      {"cat", drawCat},           {"dog", drawDog},         {"fish", drawFish},
      {"owl", drawOwl},           {"dinosaur", drawDinosaur}, {"butterfly", drawButterfly},
      {"dragon", drawDragon},     {"house", drawHouse},     {"castle", drawCastle},
      {"car", drawCar},           {"rocket in space", drawRocket}, {"flowers", drawFlowers},
      {"mandala", drawMandala},   {"birthday cake", drawCake}, {"robot", drawRobot},
      {"by the sea", drawSeaScene},
  };
  bool ok = true;
  for (const Entry& e : all) ok = save(e.draw(), QString::fromLatin1(e.name), bmps, seeds) && ok;
  return ok ? 0 : 1;
}
