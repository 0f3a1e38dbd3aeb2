// Every drawing shipped in bmps/, each drawn by one function.
#pragma once

#include "data/drawings/lineart.h"

namespace pz::lineart {

Drawing drawCat();
Drawing drawDog();
Drawing drawFish();
Drawing drawOwl();
Drawing drawDinosaur();
Drawing drawButterfly();
Drawing drawDragon();
Drawing drawHouse();
Drawing drawCastle();
Drawing drawCar();
Drawing drawRocket();
Drawing drawFlowers();
Drawing drawMandala();
Drawing drawCake();
Drawing drawRobot();
Drawing drawSeaScene();

}  // namespace pz::lineart
