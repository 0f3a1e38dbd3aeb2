// Black line art on white paper without antialiasing: thick polylines,
// circles, ellipses, arcs and smooth curves rasterised pixel by pixel, so
// every line is exactly black and every pixel off a line exactly white.
//
// Closed shapes are painted back to front: each first clears its inside to
// white and then draws its outline, so a later shape hides what lies under it
// and every region stays closed. Each closed shape also remembers a point
// inside it, which the tests use to check that a bucket fill from there never
// reaches the edge of the paper.
#pragma once

#include <QString>
#include <vector>

#include "platform/surface.h"

namespace pz::lineart {

struct P {
  double x = 0, y = 0;
};
using Path = std::vector<P>;

// Points along a cubic Bézier curve, both ends included.
Path bezier(P a, P b, P c, P d, int steps = 0);
// A smooth curve through the points (Catmull-Rom); closed joins the last
// point back to the first.
Path smooth(const Path& through, bool closed);
// Points on an ellipse (angles in degrees, clockwise on screen from 3 o'clock),
// rotated by `rot` degrees about the centre.
Path ellipsePath(double cx, double cy, double rx, double ry, double rot = 0, double from = 0, double to = 360);
// A star with n points.
Path starPath(double cx, double cy, double outer, double inner, int n, double rot = -90);
// A rectangle with rounded corners.
Path roundRectPath(double l, double t, double r, double b, double radius);
// A heart whose top dip is at (cx, top) and point at (cx, top + h).
Path heartPath(double cx, double top, double w, double h);
// Rotates points about (cx, cy).
Path rotated(const Path& p, double cx, double cy, double deg);
Path translated(const Path& p, double dx, double dy);

class Drawing {
 public:
  Drawing(int w, int h, int penWidth = 3);

  int width() const { return s_.width(); }
  int height() const { return s_.height(); }
  void setPen(int width) { pen_ = width; }

  // Closed shapes: inside cleared to white, then outlined. `seed` false for
  // shapes that run off the paper (ground, sea) and so have no inside.
  void shape(const Path& closed, bool seed = true);
  void ellipse(double cx, double cy, double rx, double ry, double rot = 0, bool seed = true) {
    shape(ellipsePath(cx, cy, rx, ry, rot), seed);
  }
  void circle(double cx, double cy, double r, bool seed = true) { ellipse(cx, cy, r, r, 0, seed); }
  void rect(double l, double t, double r, double b, bool seed = true) {
    shape({{l, t}, {r, t}, {r, b}, {l, b}}, seed);
  }
  void blob(const Path& through, bool seed = true) { shape(smooth(through, true), seed); }

  // Open lines: only black is added, so they can never open a region.
  void stroke(const Path& open);
  void line(P a, P b) { stroke({a, b}); }
  void curve(const Path& through) { stroke(smooth(through, false)); }
  void arc(double cx, double cy, double rx, double ry, double from, double to, double rot = 0) {
    stroke(ellipsePath(cx, cy, rx, ry, rot, from, to));
  }
  // Open lines kept to the inside of a closed shape already drawn: they run
  // right up to its outline and stop there (bricks on a wall, scales on a
  // body, rows on a field).
  void strokesInside(const std::vector<Path>& open, const Path& closed);
  void strokeInside(const Path& open, const Path& closed) { strokesInside({open}, closed); }
  // A solid black dot (eyes, buttons).
  void dot(double cx, double cy, double r);

  // Blackens enclosed specks of paper smaller than `minArea` pixels, left
  // where lines meet at sharp angles: too small to see or to fill.
  void fillCrumbs(int minArea = 20);

  const Surface& surface() const { return s_; }
  // One point inside every shape that a later shape does not cover there.
  std::vector<P> seeds() const;

 private:
  void stamp(int x, int y);
  void segment(int x0, int y0, int x1, int y1);
  void fillWhite(const Path& closed);
  // Calls f(x, y) for every pixel whose centre lies inside the polygon.
  template <class F>
  void scan(const Path& closed, F f) const;
  void addSeed(const Path& closed);

  struct Seed {
    P at;
    std::size_t shape;  // index into shapes_
  };
  Surface s_;
  int pen_;
  std::vector<Path> shapes_;
  std::vector<Seed> seeds_;
};

// Writes name.bmp into `bmpDir` and the inside points into seedDir/name.txt.
bool save(Drawing d, const QString& name, const QString& bmpDir, const QString& seedDir);

}  // namespace pz::lineart
