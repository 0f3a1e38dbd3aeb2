// The two record players behind the metafile picture: checking a file's
// structure once when it is opened, and playing it into a rectangle.
#pragma once

#include <QPainter>
#include <QRectF>
#include <QString>
#include <QTransform>
#include <vector>

#include "platform/metafile_gdi.h"

namespace pz::mf {

struct WmfInfo {
  bool placeable = false;
  QRectF frame;              // logical units: the placeable bounding box or the window
  double unitsPerInch = 0;   // 0 without a placeable header
  qsizetype recordsStart = 0;
};

struct EmfInfo {
  QRectF bounds;  // reference device pixels, inclusive
  QRectF frame;   // 0.01 mm, inclusive
  double devPxPerMmX = 0, devPxPerMmY = 0;
  quint32 handles = 0;
};

// Validate a whole file; false with a reason when it cannot be played.
bool scanWmf(Bytes b, bool requirePlaceable, WmfInfo* info, QString* error);
bool scanEmf(Bytes b, EmfInfo* info, QString* error);

void playWmf(Bytes b, const WmfInfo& info, QPainter& p, const QRectF& target);
void playEmf(Bytes b, const EmfInfo& info, QPainter& p, const QRectF& target, QRectF* extent = nullptr);

// EMF+ records carried in comment records of "dual" files.
struct PlusState {
  QTransform world;      // EMF+ world transform
  double pageScale = 1;  // EMF+ page unit and scale, to device pixels
  double dpiX = 96, dpiY = 96;
  // After an EMF+ drawing record the plain records up to the next GetDC are
  // only a fallback copy of the same drawing.
  bool skipPlain = false;
  std::vector<QBrush> brushes = std::vector<QBrush>(64, QBrush(Qt::black));
  std::vector<QTransform> saved;
};
void playEmfPlus(Bytes records, GdiPlayer& gdi, PlusState& st);

// Windows-1252 text as stored by 8-bit text records.
QString fromAnsi(const uchar* p, qsizetype n);

}  // namespace pz::mf
