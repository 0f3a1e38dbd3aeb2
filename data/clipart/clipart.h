// The clip art pictures. Each is drawn on plain white, never touching the
// corners, so Paste takes the white for background; shapes are crisp (no
// blending at their edges) so no pale fringe stays behind when pasted. Light
// areas inside a picture use tints just off white so they stay visible.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QString>
#include <vector>

namespace clipart {

struct Picture {
  QString name;
  QImage image;
};

// A white canvas with a painter set up for crisp drawing.
QImage canvas(int w, int h);
void crisp(QPainter& p);

// A black outline of the given width around a filled shape.
void ink(QPainter& p, QColor fill, int width = 3);
void inkOnly(QPainter& p, int width = 3);

inline const QColor kOffWhite{250, 250, 246};
inline const QColor kOutline{0, 0, 0};

void addNature(std::vector<Picture>& out);   // sun, rainbow, flowers, tree, moon, cloud
void addAnimals(std::vector<Picture>& out);  // cat, dog, fish, bird, butterfly, ladybug, turtle, owl
void addThings(std::vector<Picture>& out);   // crown, hearts, stars, balloons, vehicles, house, treats

}  // namespace clipart
