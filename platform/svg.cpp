// GLib's headers come before any Qt header: they use the word `signals`,
// which Qt defines as a macro.
#include <cairo.h>
#include <gio/gio.h>
#include <librsvg/rsvg.h>

#include "platform/svg.h"

#include <signal.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <functional>

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

// Runs `work` in a child process that shares `size` bytes of memory with us
// and is killed after `seconds`: a drawing can ask for work without end (a
// morphology filter of a huge radius over a large bitmap, references fanning
// out a billion times) and librsvg cannot be interrupted, and a fault in it
// must not take the program down. Unless the child finished its work, `out`
// keeps what it held.
enum class Run { Done, TimedOut, Failed };
Run runLimited(std::size_t size, int seconds, const std::function<bool(void*)>& work, void* out) {
  void* shared = mmap(nullptr, std::max<std::size_t>(size, 1), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS,
                      -1, 0);
  if (shared == MAP_FAILED) return Run::Failed;
  std::memcpy(shared, out, size);
  const pid_t pid = fork();
  if (pid < 0) {
    munmap(shared, std::max<std::size_t>(size, 1));
    return Run::Failed;
  }
  if (pid == 0) _exit(work(shared) ? 0 : 1);
  timespec start{};
  clock_gettime(CLOCK_MONOTONIC, &start);
  int status = 0;
  bool done = false, timedOut = false;
  for (long pause = 200000;; pause = std::min(pause * 2, 20000000L)) {
    const pid_t r = waitpid(pid, &status, WNOHANG);
    if (r == pid || (r < 0 && errno != EINTR)) {
      done = r == pid;
      break;
    }
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    if (now.tv_sec - start.tv_sec >= seconds) {
      kill(pid, SIGKILL);
      waitpid(pid, &status, 0);
      timedOut = true;
      break;
    }
    const timespec nap{0, pause};
    nanosleep(&nap, nullptr);
  }
  const bool ok = done && WIFEXITED(status) && WEXITSTATUS(status) == 0;
  if (ok) std::memcpy(out, shared, size);
  munmap(shared, std::max<std::size_t>(size, 1));
  return ok ? Run::Done : timedOut ? Run::TimedOut : Run::Failed;
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
      // Neither a size nor a viewBox: the drawing's own extent from the
      // origin, measured under the same time limit as drawing.
      double extent[2] = {0, 0};
      runLimited(
          sizeof extent, kSvgRenderSeconds,
          [h](void* mem) {
            RsvgRectangle viewport{0, 0, 1000, 1000}, ink{}, logical{};
            if (!rsvg_handle_get_geometry_for_layer(h, nullptr, &viewport, &ink, &logical, nullptr)) return false;
            const double e[2] = {ink.x + ink.width, ink.y + ink.height};
            std::memcpy(mem, e, sizeof e);
            return true;
          },
          extent);
      w = extent[0];
      ht = extent[1];
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
  // Drawn once now, so that a drawing that cannot be drawn in time is
  // refused here rather than leaving the page white; the page's first
  // renderings at this size then come from the cache.
  bool complete = false, timedOut = false;
  d.render(d.width_, d.height_, &complete, &timedOut);
  if (timedOut) return fail(QCoreApplication::translate("SvgDrawing", "it takes too long to draw"));
  if (!complete) return fail(QCoreApplication::translate("SvgDrawing", "the renderer failed on it"));
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

Surface SvgDrawing::render(int w, int h, bool* complete, bool* timedOut) const {
  if (complete) *complete = false;
  if (timedOut) *timedOut = false;
  if (w <= 0 || h <= 0 || !handle_) return Surface();
  if (cache_ && cache_->width() == w && cache_->height() == h) {
    if (complete) *complete = true;
    return *cache_;
  }
  QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
  if (img.isNull()) return Surface();
  img.fill(Qt::white);  // transparent parts show white
  RsvgHandle* handle = static_cast<RsvgHandle*>(handle_.get());
  const int stride = int(img.bytesPerLine());
  const double nw = nativeW_, nh = nativeH_;
  const Run run = runLimited(
      std::size_t(stride) * std::size_t(h), kSvgRenderSeconds,
      [&](void* pixels) {
        cairo_surface_t* cs =
            cairo_image_surface_create_for_data(static_cast<uchar*>(pixels), CAIRO_FORMAT_ARGB32, w, h, stride);
        cairo_t* cr = cairo_create(cs);
        // The drawing lays itself out in its own viewport; the scale
        // stretches that over the bitmap like a metafile.
        cairo_scale(cr, w / nw, h / nh);
        const RsvgRectangle viewport{0, 0, nw, nh};
        // A drawing that stops part-way (a limit of the renderer) keeps what
        // it drew.
        rsvg_handle_render_document(handle, cr, &viewport, nullptr);
        cairo_destroy(cr);
        cairo_surface_flush(cs);
        cairo_surface_destroy(cs);
        return true;
      },
      img.bits());
  Surface out(img);
  if (timedOut) *timedOut = run == Run::TimedOut;
  if (run == Run::Done) {
    cache_ = std::make_shared<Surface>(out);
    if (complete) *complete = true;
  }
  return out;
}

}  // namespace pz
