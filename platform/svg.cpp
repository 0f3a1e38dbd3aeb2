// GLib's headers come before any Qt header: they use the word `signals`,
// which Qt defines as a macro.
#include <cairo.h>
#include <gio/gio.h>
#include <librsvg/rsvg.h>

#include "platform/svg.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <algorithm>
#include <cmath>

namespace pz {

namespace {


struct GErrorHolder {
  GError* e = nullptr;
  ~GErrorHolder() {
    if (e) g_error_free(e);
  }
  QString text() const { return e ? QString::fromUtf8(e->message).trimmed() : QString(); }
};

bool isGzip(const QByteArray& b) { return b.size() >= 2 && uchar(b[0]) == 0x1f && uchar(b[1]) == 0x8b; }

// Inflates a gzip stream ourselves so that a small file cannot unpack into
// gigabytes before the parser sees it.
std::optional<QByteArray> inflate(const QByteArray& packed, QString* why) {
  GInputStream* mem = g_memory_input_stream_new_from_data(packed.constData(), packed.size(), nullptr);
  GZlibDecompressor* dec = g_zlib_decompressor_new(G_ZLIB_COMPRESSOR_FORMAT_GZIP);
  GInputStream* in = g_converter_input_stream_new(mem, G_CONVERTER(dec));
  g_object_unref(dec);
  g_object_unref(mem);
  QByteArray out;
  std::optional<QByteArray> result;
  char buf[65536];
  for (;;) {
    GErrorHolder err;
    const gssize n = g_input_stream_read(in, buf, sizeof buf, nullptr, &err.e);
    if (n < 0) {
      *why = QCoreApplication::translate("SvgDrawing", "the compressed data is damaged");
      break;
    }
    if (n == 0) {
      result = out;
      break;
    }
    if (out.size() + n > kMaxSvgBytes) {
      *why = QCoreApplication::translate("SvgDrawing", "it unpacks to more than %1 MB").arg(kMaxSvgBytes / (1024 * 1024));
      break;
    }
    out.append(buf, n);
  }
  g_object_unref(in);
  return result;
}

}  // namespace

bool SvgDrawing::hasSvgExtension(const QString& path) {
  const QString ext = QFileInfo(path).suffix().toLower();
  return ext == QLatin1String("svg") || ext == QLatin1String("svgz");
}

std::optional<SvgDrawing> SvgDrawing::fromBytes(const QByteArray& raw, QString* error) {
  auto fail = [&](const QString& why) {
    if (error) *error = why;
    return std::nullopt;
  };
  if (raw.size() > kMaxSvgBytes) return fail(QCoreApplication::translate("SvgDrawing", "it is larger than %1 MB").arg(kMaxSvgBytes / (1024 * 1024)));
  QByteArray bytes = raw;
  if (isGzip(raw)) {
    QString why;
    auto plain = inflate(raw, &why);
    if (!plain) return fail(why);
    bytes = *plain;
  }
  if (bytes.trimmed().isEmpty()) return fail(QCoreApplication::translate("SvgDrawing", "it is empty"));

  // No base file: librsvg then resolves no reference but data: URLs, so a
  // drawing cannot make us read other files or reach the network.
  GInputStream* in = g_memory_input_stream_new_from_data(bytes.constData(), bytes.size(), nullptr);
  GErrorHolder err;
  RsvgHandle* h = rsvg_handle_new_from_stream_sync(in, nullptr, RSVG_HANDLE_FLAGS_NONE, nullptr, &err.e);
  g_object_unref(in);
  if (!h) {
    const QString detail = err.text();
    return fail(detail.isEmpty() ? QCoreApplication::translate("SvgDrawing", "it is not a readable SVG drawing")
                                 : QCoreApplication::translate("SvgDrawing", "it is not a readable SVG drawing (%1)").arg(detail));
  }
  SvgDrawing d;
  d.handle_ = std::shared_ptr<void>(h, [](void* p) { g_object_unref(p); });
  rsvg_handle_set_dpi(h, 96);

  double w = 0, ht = 0;
  if (!rsvg_handle_get_intrinsic_size_in_pixels(h, &w, &ht)) {
    gboolean hasW = false, hasH = false, hasBox = false;
    RsvgLength lw{}, lh{};
    RsvgRectangle box{};
    rsvg_handle_get_intrinsic_dimensions(h, &hasW, &lw, &hasH, &lh, &hasBox, &box);
    if (hasBox) {
      w = box.width;
      ht = box.height;
    } else {
      // Neither a size nor a viewBox: the drawing's own extent from the origin.
      RsvgRectangle viewport{0, 0, 1000, 1000}, ink{}, logical{};
      GErrorHolder gerr;
      if (rsvg_handle_get_geometry_for_layer(h, nullptr, &viewport, &ink, &logical, &gerr.e)) {
        w = ink.x + ink.width;
        ht = ink.y + ink.height;
      }
    }
  }
  if (!std::isfinite(w) || !std::isfinite(ht) || w > kMaxSvgDeclaredSide || ht > kMaxSvgDeclaredSide)
    return fail(QCoreApplication::translate("SvgDrawing", "its size is too large to show"));
  if (!(w >= 0.5) || !(ht >= 0.5)) return fail(QCoreApplication::translate("SvgDrawing", "it has no size to show"));
  d.nativeW_ = w;
  d.nativeH_ = ht;
  if (w > kMaxSvgNativeSide || ht > kMaxSvgNativeSide) {
    const double k = kMaxSvgNativeSide / std::max(w, ht);
    w *= k;
    ht *= k;
  }
  d.width_ = std::max(1, int(std::lround(w)));
  d.height_ = std::max(1, int(std::lround(ht)));
  return d;
}

std::optional<SvgDrawing> SvgDrawing::load(const QString& path, QString* error) {
  const QString name = QFileInfo(path).fileName();
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) {
    if (error) *error = QCoreApplication::translate("SvgDrawing", "Cannot open the file %1.").arg(name);
    return std::nullopt;
  }
  if (f.size() > kMaxSvgBytes) {
    if (error) *error = QCoreApplication::translate("SvgDrawing", "%1 is too large to be a drawing.").arg(name);
    return std::nullopt;
  }
  QString why;
  auto d = fromBytes(f.readAll(), &why);
  if (!d && error) *error = QCoreApplication::translate("SvgDrawing", "%1 cannot be shown: %2.").arg(name, why);
  return d;
}

Surface SvgDrawing::render(int w, int h) const {
  if (w <= 0 || h <= 0 || !handle_) return Surface();
  QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
  if (img.isNull()) return Surface();
  img.fill(Qt::white);  // transparent parts show white
  cairo_surface_t* cs =
      cairo_image_surface_create_for_data(img.bits(), CAIRO_FORMAT_ARGB32, w, h, int(img.bytesPerLine()));
  cairo_t* cr = cairo_create(cs);
  // The drawing lays itself out in its own viewport; the scale stretches that
  // over the bitmap like a metafile.
  cairo_scale(cr, w / nativeW_, h / nativeH_);
  const RsvgRectangle viewport{0, 0, nativeW_, nativeH_};
  GErrorHolder err;
  // A drawing that stops part-way (a limit of the renderer) keeps what it drew.
  rsvg_handle_render_document(static_cast<RsvgHandle*>(handle_.get()), cr, &viewport, &err.e);
  cairo_destroy(cr);
  cairo_surface_flush(cs);
  cairo_surface_destroy(cs);
  return Surface(img);
}

}  // namespace pz
