// The clip art pictures. Each is drawn on plain white, never touching the
// corners, so Paste takes the white for background; shapes are crisp (no
// blending at their edges) so no pale fringe stays behind when pasted. Light
// areas inside a picture use tints just off white so they stay visible.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QString>

namespace clipart {

// A white canvas with a painter set up for crisp drawing.
QImage canvas(int w, int h);
void crisp(QPainter& p);

// A black outline of the given width around a filled shape.
void ink(QPainter& p, QColor fill, int width = 3);
void inkOnly(QPainter& p, int width = 3);

inline const QColor kOffWhite{250, 250, 246};
inline const QColor kOutline{0, 0, 0};

// The pictures, each on its own canvas just big enough for it.
// nature.cpp
QImage sun();
QImage rainbow();
QImage daisy();
QImage tulip();
QImage appleTree();
QImage moon();
QImage rainCloud();
// animals.cpp
QImage cat();
QImage dog();
QImage fish();
QImage bird();
QImage butterfly();
QImage ladybug();
QImage turtle();
QImage owl();
// wild.cpp
QImage elephant();
QImage lion();
QImage penguin();
QImage frog();
QImage rabbit();
QImage bee();
QImage snail();
QImage whale();
QImage octopus();
QImage crab();
QImage starfish();
// things.cpp
QImage crown();
QImage heart();
QImage star();
QImage balloons();
QImage smiley();
QImage car();
QImage train();
QImage sailboat();
QImage rocket();
QImage airplane();
QImage house();
QImage iceCream();
QImage birthdayCake();
// seasons.cpp
QImage snowman();
QImage christmasTree();
QImage pumpkin();
QImage present();
QImage umbrella();
QImage mushroom();
QImage kite();
QImage autumnLeaf();
// travel.cpp
QImage bus();
QImage fireEngine();
QImage helicopter();
QImage tractor();
QImage flyingSaucer();
QImage planet();
QImage castle();
QImage magicWand();

}  // namespace clipart
