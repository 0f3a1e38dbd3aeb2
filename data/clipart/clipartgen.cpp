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

namespace {

struct Entry {
  const char* name;
  QImage (*draw)();
};

// Every clip art picture's file name, which the clip art window shows as
// its name.
const Entry kCatalog[] = {
    // sky and garden
    {"sun", clipart::sun}, {"rainbow", clipart::rainbow}, {"daisy", clipart::daisy}, {"tulip", clipart::tulip},
    {"apple tree", clipart::appleTree}, {"moon", clipart::moon}, {"rain cloud", clipart::rainCloud},
    {"mushroom", clipart::mushroom}, {"autumn leaf", clipart::autumnLeaf},
    // animals
    {"cat", clipart::cat}, {"dog", clipart::dog}, {"fish", clipart::fish}, {"bird", clipart::bird},
    {"butterfly", clipart::butterfly}, {"ladybug", clipart::ladybug}, {"turtle", clipart::turtle},
    {"owl", clipart::owl}, {"elephant", clipart::elephant}, {"lion", clipart::lion}, {"penguin", clipart::penguin},
    {"frog", clipart::frog}, {"rabbit", clipart::rabbit}, {"bee", clipart::bee}, {"snail", clipart::snail},
    // the sea
    {"whale", clipart::whale}, {"octopus", clipart::octopus}, {"crab", clipart::crab},
    {"starfish", clipart::starfish},
    // things and treats
    {"crown", clipart::crown}, {"heart", clipart::heart}, {"star", clipart::star}, {"balloons", clipart::balloons},
    {"smiley", clipart::smiley}, {"house", clipart::house}, {"ice cream", clipart::iceCream},
    {"birthday cake", clipart::birthdayCake}, {"umbrella", clipart::umbrella}, {"kite", clipart::kite},
    // seasons and holidays
    {"snowman", clipart::snowman}, {"christmas tree", clipart::christmasTree}, {"pumpkin", clipart::pumpkin},
    {"present", clipart::present},
    // vehicles
    {"car", clipart::car}, {"train", clipart::train}, {"sailboat", clipart::sailboat},
    {"airplane", clipart::airplane}, {"bus", clipart::bus}, {"fire engine", clipart::fireEngine},
    {"helicopter", clipart::helicopter}, {"tractor", clipart::tractor},
    // space and fairy tales
    {"rocket", clipart::rocket}, {"flying saucer", clipart::flyingSaucer}, {"planet", clipart::planet},
    {"castle", clipart::castle}, {"magic wand", clipart::magicWand},
};

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: pinz-clipartgen DIR\n");
    return 2;
  }
  const QString dir = QString::fromLocal8Bit(argv[1]);
  QDir().mkpath(dir);
  int failed = 0;
  for (const Entry& e : kCatalog) {
    const QString name = QString::fromLatin1(e.name);
    if (!pz::writeBmp24(dir + QLatin1Char('/') + name + QStringLiteral(".bmp"), pz::Surface(e.draw()))) {
      std::fprintf(stderr, "could not write %s\n", e.name);
      ++failed;
    }
  }
  return failed ? 1 : 0;
}
