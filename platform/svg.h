// SVG and SVGZ drawings as pictures, rendered by librsvg through cairo.
// A drawing is read from its bytes only: nothing outside the file is ever
// opened (no linked images, no included files, no network), whatever the
// drawing refers to. Inline data: images still show. Drawing runs in a child
// process under a time limit, so no drawing can hang or crash the program.
#pragma once

#include <QByteArray>
#include <QString>
#include <memory>
#include <optional>

#include "platform/surface.h"

namespace pz {

// Files and clipboard contents larger than this are not read; neither is a
// compressed drawing that inflates beyond it.
constexpr qint64 kMaxSvgBytes = 64LL * 1024 * 1024;
// A drawing whose longer side comes out above this is shown scaled down to it,
// keeping its proportions: a poster-sized page stays workable at 300 %.
constexpr int kMaxSvgNativeSide = 2000;
// Sizes beyond this (or not finite) are nonsense and refused with a message.
constexpr double kMaxSvgDeclaredSide = 100000;
// Drawing (and measuring) runs in a child process killed after this long.
constexpr int kSvgRenderSeconds = 15;

class SvgDrawing {
 public:
  // Parses the whole drawing (gzip-compressed or not) and works out its size.
  static std::optional<SvgDrawing> fromBytes(const QByteArray& bytes, QString* error = nullptr);
  // Reads a file; the error names it.
  static std::optional<SvgDrawing> load(const QString& path, QString* error = nullptr);
  // True for the .svg and .svgz extensions, any case.
  static bool hasSvgExtension(const QString& path);

  // The drawing's size in pixels at 96 per inch (its viewBox size when it
  // gives no width and height), after the size rules above.
  int width() const { return width_; }
  int height() const { return height_; }

  // A w x h white bitmap with the drawing stretched over all of it. A
  // drawing that takes longer than kSvgRenderSeconds, or makes the renderer
  // fail, gives white; `complete` and `timedOut` tell which.
  Surface render(int w, int h, bool* complete = nullptr, bool* timedOut = nullptr) const;

 private:
  std::shared_ptr<void> handle_;  // the RsvgHandle
  double nativeW_ = 0, nativeH_ = 0;  // the viewport the drawing lays itself out in
  int width_ = 0, height_ = 0;
  // The last picture drawn: the page redraws at one size many times (marks
  // erased, the window activated).
  mutable std::shared_ptr<const Surface> cache_;
};

}  // namespace pz
