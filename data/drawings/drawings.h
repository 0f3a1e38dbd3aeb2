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
Drawing drawPrincess();
Drawing drawPirateShip();

// For the youngest: big shapes, few regions.
Drawing drawEasyBall();
Drawing drawEasySun();
Drawing drawEasyFish();
Drawing drawEasyHouse();
Drawing drawEasyApple();
Drawing drawEasyTeddy();
Drawing drawEasyBoat();
Drawing drawEasySnowman();
Drawing drawEasyCar();
Drawing drawEasyFlower();
Drawing drawEasyDuck();
Drawing drawEasyRocket();
Drawing drawEasyClown();

// For older children: many small regions.
Drawing drawTownStreet();
Drawing drawCoralReef();
Drawing drawJungle();
Drawing drawScalyDragon();
Drawing drawWorldMap();
Drawing drawFairyCastle();
Drawing drawSpace();
Drawing drawFarm();
Drawing drawChristmas();
Drawing drawMosaic();
Drawing drawFireStation();

}  // namespace pz::lineart
