#include "platform/metafile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <cmath>

#include "platform/metafile_players.h"

namespace pz {

namespace {

mf::Bytes bytesOf(const QByteArray& a) { return {reinterpret_cast<const uchar*>(a.constData()), a.size()}; }

// Rounds a picture size to pixels and scales absurd sizes down to a sane one,
// keeping the proportions.
void saneSize(double w, double h, int* outW, int* outH) {
  if (w > kMaxMetafileSide || h > kMaxMetafileSide) {
    const double k = kSaneMetafileSide / std::max(w, h);
    w *= k;
    h *= k;
  }
  *outW = std::max(1, int(std::lround(w)));
  *outH = std::max(1, int(std::lround(h)));
}

}  // namespace

double screenDpi() {
  if (auto* s = QGuiApplication::primaryScreen()) {
    const double d = s->logicalDotsPerInchX();
    if (d >= 24 && d <= 1200) return d;
  }
  return 96;
}

std::optional<Metafile> Metafile::fromBytes(const QByteArray& bytes, Source source, QString* error, double dpi) {
  Metafile m;
  m.bytes_ = bytes;
  const mf::Bytes b = bytesOf(m.bytes_);
  if (!(dpi > 0)) dpi = 96;
  if (b.has(0, 44) && b.u32(0) == 1 && b.u32(40) == 0x464D4520) {
    mf::EmfInfo in;
    if (!mf::scanEmf(b, &in, error)) return std::nullopt;
    m.kind_ = Kind::Emf;
    m.f_.x = in.frame.x();
    m.f_.y = in.frame.y();
    m.f_.w = in.frame.width();
    m.f_.h = in.frame.height();
    m.f_.bx = in.bounds.x();
    m.f_.by = in.bounds.y();
    m.f_.bw = in.bounds.width();
    m.f_.bh = in.bounds.height();
    m.f_.pxPerMmX = in.devPxPerMmX;
    m.f_.pxPerMmY = in.devPxPerMmY;
    if (in.frame.width() / 2540 * dpi > kMaxMetafileSide || in.frame.height() / 2540 * dpi > kMaxMetafileSide) {
      // A frame a metre wide is a writer's mistake; what the records draw
      // tells the real extent, measured here in the frame's units.
      QImage scratch(1, 1, QImage::Format_RGB32);
      QPainter p(&scratch);
      QRectF drawn;
      mf::playEmf(b, in, p, in.frame, &drawn);
      drawn = drawn.intersected(in.frame.adjusted(-in.frame.width(), -in.frame.height(), in.frame.width(),
                                                  in.frame.height()));
      const QRectF inside = drawn.intersected(in.frame);
      const bool frameFits = inside.width() >= 0.9 * drawn.width() && inside.height() >= 0.9 * drawn.height() &&
                             drawn.width() >= in.frame.width() / 4 && drawn.height() >= in.frame.height() / 4;
      if (!frameFits && drawn.width() > 0 && drawn.height() > 0) {
        m.f_.x = drawn.x();
        m.f_.y = drawn.y();
        m.f_.w = drawn.width();
        m.f_.h = drawn.height();
      }
    }
    // The frame's physical size on this screen, whatever device the file was
    // made for.
    saneSize(m.f_.w / 2540 * dpi, m.f_.h / 2540 * dpi, &m.width_, &m.height_);
    return m;
  }
  mf::WmfInfo in;
  if (!mf::scanWmf(b, source == Source::File, &in, error)) return std::nullopt;
  m.kind_ = Kind::Wmf;
  m.f_.placeable = in.placeable;
  m.f_.x = in.frame.x();
  m.f_.y = in.frame.y();
  m.f_.w = in.frame.width();
  m.f_.h = in.frame.height();
  m.f_.unitsPerInch = in.unitsPerInch;
  m.f_.recordsStart = in.recordsStart;
  if (in.placeable)
    saneSize(in.frame.width() * dpi / in.unitsPerInch, in.frame.height() * dpi / in.unitsPerInch, &m.width_,
             &m.height_);
  else
    saneSize(in.frame.width() * dpi / 96, in.frame.height() * dpi / 96, &m.width_, &m.height_);
  return m;
}

std::optional<Metafile> Metafile::load(const QString& path, QString* error, double dpi) {
  const QString name = QFileInfo(path).fileName();
  const QString ext = QFileInfo(path).suffix().toLower();
  if (ext != QLatin1String("wmf") && ext != QLatin1String("emf")) {
    if (error) *error = QCoreApplication::translate("pz::Platform", "%1 is not a metafile: the extension is not .wmf or .emf.").arg(name);
    return std::nullopt;
  }
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) {
    if (error) *error = QCoreApplication::translate("pz::Platform", "Cannot open the file %1.").arg(name);
    return std::nullopt;
  }
  if (f.size() > kMaxMetafileBytes) {
    if (error) *error = QCoreApplication::translate("pz::Platform", "%1 is too large to be a metafile.").arg(name);
    return std::nullopt;
  }
  QString why;
  auto m = fromBytes(f.readAll(), Source::File, &why, dpi);
  if (!m && error) *error = QCoreApplication::translate("pz::Platform", "%1 cannot be shown: %2.").arg(name, why);
  return m;
}

void Metafile::draw(QPainter& p, const QRectF& target) const {
  if (target.width() <= 0 || target.height() <= 0) return;
  const mf::Bytes b = bytesOf(bytes_);
  p.save();
  p.setClipRect(target, Qt::IntersectClip);
  if (kind_ == Kind::Emf) {
    mf::EmfInfo in;
    in.frame = QRectF(f_.x, f_.y, f_.w, f_.h);
    in.bounds = QRectF(f_.bx, f_.by, f_.bw, f_.bh);
    in.devPxPerMmX = f_.pxPerMmX;
    in.devPxPerMmY = f_.pxPerMmY;
    mf::playEmf(b, in, p, target);
  } else {
    mf::WmfInfo in;
    in.placeable = f_.placeable;
    in.frame = QRectF(f_.x, f_.y, f_.w, f_.h);
    in.unitsPerInch = f_.unitsPerInch;
    in.recordsStart = f_.recordsStart;
    mf::playWmf(b, in, p, target);
  }
  p.restore();
}

Surface renderMetafile(const Metafile& m, int w, int h) {
  if (w <= 0 || h <= 0) return Surface();
  QImage img(w, h, QImage::Format_RGB32);
  img.fill(Qt::white);
  {
    QPainter p(&img);
    m.draw(p, QRectF(0, 0, w, h));
  }
  return Surface(img);
}

}  // namespace pz
