// Windows metafiles as pictures: placeable and plain WMF, EMF and dual EMF+
// files, played with QPainter into any rectangle.
#pragma once

#include <QByteArray>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <optional>

#include "platform/surface.h"

namespace pz {

// Pictures whose frame comes out larger than this on either side are taken to
// carry a nonsense frame (a metre-sized page) and are shown at kSaneMetafileSide.
constexpr int kMaxMetafileSide = 4000;
constexpr int kSaneMetafileSide = 1200;
// Larger files are not read at all.
constexpr qint64 kMaxMetafileBytes = 64LL * 1024 * 1024;

class Metafile {
 public:
  enum class Kind { Wmf, Emf };
  // A file must be an EMF or a placeable WMF; the clipboard also gives plain
  // WMF records, sized by their window extent in screen pixels.
  enum class Source { File, Clipboard };

  // Reads and checks the whole file. `dpi` is the screen's pixels per inch.
  static std::optional<Metafile> fromBytes(const QByteArray& bytes, Source source, QString* error = nullptr,
                                           double dpi = 96);
  // Reads a .wmf or .emf file (any case); the error names the file.
  static std::optional<Metafile> load(const QString& path, QString* error = nullptr, double dpi = 96);

  Kind kind() const { return kind_; }
  // The picture's size in screen pixels.
  int width() const { return width_; }
  int height() const { return height_; }
  const QByteArray& bytes() const { return bytes_; }

  // Plays the records stretched into `target` (painter coordinates).
  void draw(QPainter& p, const QRectF& target) const;

 private:
  Kind kind_ = Kind::Emf;
  QByteArray bytes_;
  int width_ = 0, height_ = 0;
  // Parsed once; the players read them.
  struct Frame {
    bool placeable = false;
    double x = 0, y = 0, w = 0, h = 0, unitsPerInch = 0;
    qsizetype recordsStart = 0;
    double bx = 0, by = 0, bw = 0, bh = 0, pxPerMmX = 0, pxPerMmY = 0;
  } f_;
};

// A w x h white bitmap with the picture drawn stretched over all of it.
Surface renderMetafile(const Metafile& m, int w, int h);

// The screen's pixels per inch (96 without a screen).
double screenDpi();

}  // namespace pz
