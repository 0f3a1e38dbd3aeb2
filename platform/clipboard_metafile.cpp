#include "platform/clipboard_metafile.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>

namespace pz {

ClipFormat clipboardFormatKind(const QString& format) {
  const QString type = format.section(QLatin1Char(';'), 0, 0).trimmed().toLower();
  if (type == QLatin1String("application/x-openoffice-emf") || type == QLatin1String("image/emf") ||
      type == QLatin1String("image/x-emf"))
    return ClipFormat::Emf;
  if (type == QLatin1String("application/x-openoffice-wmf") || type == QLatin1String("image/wmf") ||
      type == QLatin1String("image/x-wmf"))
    return ClipFormat::Wmf;
  if (type == QLatin1String("image/svg+xml") || type == QLatin1String("image/svg+xml-compressed"))
    return ClipFormat::Svg;
  if (type.startsWith(QLatin1String("image/")) || type == QLatin1String("application/x-qt-image") ||
      type == QLatin1String("application/x-openoffice-bitmap"))
    return ClipFormat::Bitmap;
  return ClipFormat::None;
}

bool mimeHasMetafile(const QMimeData* m) {
  if (!m) return false;
  for (const QString& f : m->formats()) {
    const ClipFormat k = clipboardFormatKind(f);
    if (k == ClipFormat::Emf || k == ClipFormat::Wmf || k == ClipFormat::Svg) return true;
  }
  return false;
}

bool clipboardHasMetafile() { return mimeHasMetafile(QGuiApplication::clipboard()->mimeData()); }

std::optional<ClipboardPicture> pictureFromMime(const QMimeData* m, double dpi) {
  if (!m) return std::nullopt;
  for (const QString& f : m->formats()) {
    switch (clipboardFormatKind(f)) {
      case ClipFormat::Emf:
      case ClipFormat::Wmf: {
        const QByteArray bytes = m->data(f);
        if (bytes.size() > kMaxMetafileBytes) break;
        auto mf = Metafile::fromBytes(bytes, Metafile::Source::Clipboard, nullptr, dpi);
        if (mf) return ClipboardPicture{std::move(mf), std::nullopt, std::nullopt};
        break;  // unreadable: the next format may serve
      }
      case ClipFormat::Svg: {
        auto svg = SvgDrawing::fromBytes(m->data(f));
        if (svg) return ClipboardPicture{std::nullopt, std::nullopt, std::move(svg)};
        break;
      }
      case ClipFormat::Bitmap: {
        QImage img;
        if (f == QLatin1String("application/x-qt-image"))
          img = qvariant_cast<QImage>(m->imageData());
        else
          img = QImage::fromData(m->data(f));
        if (!img.isNull() && img.width() <= kMaxMetafileSide * 4 && img.height() <= kMaxMetafileSide * 4)
          return ClipboardPicture{std::nullopt, Surface(img), std::nullopt};
        break;
      }
      case ClipFormat::None: break;
    }
  }
  return std::nullopt;
}

std::optional<ClipboardPicture> clipboardPicture(double dpi) {
  return pictureFromMime(QGuiApplication::clipboard()->mimeData(), dpi);
}

}  // namespace pz
