// Draws the drawings of bmps/ and writes, beside them for the tests, a point
// inside every closed shape.
#include <QDir>
#include <cstdio>

#include "data/drawings/drawings.h"

namespace {

using pz::lineart::Drawing;

struct Entry {
  const char* name;
  Drawing (*draw)();
};

// Every drawing's file name, which the open window shows as the drawing's
// name. The level of detail is part of the name so a grown-up sees at a
// glance which drawings suit a small child: "(easy)" for the youngest,
// "(detailed)" for older children, nothing for the ones in between.
const Entry kCatalog[] = {
    // easy
    {"ball (easy)", pz::lineart::drawEasyBall},
    {"sun (easy)", pz::lineart::drawEasySun},
    {"fish (easy)", pz::lineart::drawEasyFish},
    {"house (easy)", pz::lineart::drawEasyHouse},
    {"apple (easy)", pz::lineart::drawEasyApple},
    {"teddy bear (easy)", pz::lineart::drawEasyTeddy},
    {"sailing boat (easy)", pz::lineart::drawEasyBoat},
    {"snowman (easy)", pz::lineart::drawEasySnowman},
    {"car (easy)", pz::lineart::drawEasyCar},
    {"flower in a pot (easy)", pz::lineart::drawEasyFlower},
    {"duck (easy)", pz::lineart::drawEasyDuck},
    {"rocket (easy)", pz::lineart::drawEasyRocket},
    {"clown (easy)", pz::lineart::drawEasyClown},
    // in between
    {"cat", pz::lineart::drawCat},
    {"dog", pz::lineart::drawDog},
    {"fish", pz::lineart::drawFish},
    {"owl", pz::lineart::drawOwl},
    {"dinosaur", pz::lineart::drawDinosaur},
    {"butterfly", pz::lineart::drawButterfly},
    {"dragon", pz::lineart::drawDragon},
    {"house", pz::lineart::drawHouse},
    {"castle", pz::lineart::drawCastle},
    {"car", pz::lineart::drawCar},
    {"rocket in space", pz::lineart::drawRocket},
    {"flowers", pz::lineart::drawFlowers},
    {"mandala", pz::lineart::drawMandala},
    {"birthday cake", pz::lineart::drawCake},
    {"robot", pz::lineart::drawRobot},
    {"by the sea", pz::lineart::drawSeaScene},
    {"princess", pz::lineart::drawPrincess},
    {"pirate ship", pz::lineart::drawPirateShip},
    // detailed
    {"town street (detailed)", pz::lineart::drawTownStreet},
    {"coral reef (detailed)", pz::lineart::drawCoralReef},
    {"jungle (detailed)", pz::lineart::drawJungle},
    {"dragon with scales (detailed)", pz::lineart::drawScalyDragon},
    {"world map (detailed)", pz::lineart::drawWorldMap},
    {"fairy tale castle (detailed)", pz::lineart::drawFairyCastle},
    {"planets and astronaut (detailed)", pz::lineart::drawSpace},
    {"farm (detailed)", pz::lineart::drawFarm},
    {"christmas eve (detailed)", pz::lineart::drawChristmas},
    {"mosaic (detailed)", pz::lineart::drawMosaic},
    {"fire station (detailed)", pz::lineart::drawFireStation},
};

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: pinz-drawings BMPS_DIR SEEDS_DIR [NAME...]\n");
    return 2;
  }
  const QString bmps = QString::fromLocal8Bit(argv[1]), seeds = QString::fromLocal8Bit(argv[2]);
  QDir().mkpath(bmps);
  QDir().mkpath(seeds);
  // Names after the folders draw only those drawings, for quick work on one.
  QStringList only;
  for (int i = 3; i < argc; ++i) only << QString::fromLocal8Bit(argv[i]);
  bool ok = true;
  for (const Entry& e : kCatalog) {
    const QString name = QString::fromLatin1(e.name);
    if (!only.isEmpty() && !only.contains(name)) continue;
    ok = save(e.draw(), name, bmps, seeds) && ok;
  }
  return ok ? 0 : 1;
}
