// Metafiles on the clipboard. Other programs offer them under MIME types:
// LibreOffice as application/x-openoffice-emf;windows_formatname="Image EMF"
// (an EMF) and application/x-openoffice-wmf;windows_formatname="Image WMF"
// (WMF records without the placeable header); image/emf, image/x-emf,
// image/wmf and image/x-wmf are taken as well. Browsers and drawing programs
// offer SVG drawings as image/svg+xml.
#pragma once

#include <QStringList>
#include <optional>

#include "platform/metafile.h"
#include "platform/svg.h"
#include "platform/surface.h"

class QMimeData;

namespace pz {

enum class ClipFormat { None, Emf, Wmf, Svg, Bitmap };

// What one clipboard format holds, judged by the text before its first ";".
ClipFormat clipboardFormatKind(const QString& format);

// True while the clipboard offers a metafile or an SVG drawing in any of its
// formats.
bool clipboardHasMetafile();
bool mimeHasMetafile(const QMimeData* m);

// The picture the clipboard holds: the first format, in the order the
// clipboard's owner lists them, that reads as a metafile, a drawing or a
// bitmap.
struct ClipboardPicture {
  std::optional<Metafile> metafile;
  std::optional<Surface> bitmap;
  std::optional<SvgDrawing> svg;
};
std::optional<ClipboardPicture> clipboardPicture(double dpi = 96);
std::optional<ClipboardPicture> pictureFromMime(const QMimeData* m, double dpi = 96);

}  // namespace pz
