// Real drawings written by other programs (Inkscape icon themes, libwacom's
// tablet diagrams with CSS classes, Graphviz-style and hand-written files):
// each must open and render close to Qt SVG's picture of it. Qt SVG is an
// independent renderer (Qt's own code, not librsvg); it knows no filters, so
// blurred shadows differ at their edges, and fonts may be picked differently.
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

#include <cstdio>

#include "platform/svg.h"

namespace pz {
namespace {

// Installed by the packages scripts/packages.txt lists (tango-icon-theme,
// adwaita-icon-theme, libwacom-common).
const char* const kCorpus[] = {
    "/usr/share/icons/Tango/scalable/actions/bookmark-new.svg",
    "/usr/share/icons/Tango/scalable/actions/media-playback-start.svg",
    "/usr/share/icons/Tango/scalable/actions/system-shutdown.svg",
    "/usr/share/icons/Tango/scalable/actions/system-log-out.svg",
    "/usr/share/icons/Tango/scalable/apps/preferences-desktop-multimedia.svg",
    "/usr/share/icons/Tango/scalable/apps/preferences-desktop-screensaver.svg",
    "/usr/share/icons/Tango/scalable/apps/accessories-text-editor.svg",
    "/usr/share/icons/Tango/scalable/categories/preferences-desktop.svg",
    "/usr/share/icons/Tango/scalable/categories/applications-graphics.svg",
    "/usr/share/icons/Tango/scalable/devices/video-display.svg",
    "/usr/share/icons/Tango/scalable/devices/camera-photo.svg",
    "/usr/share/icons/Tango/scalable/devices/media-flash.svg",
    "/usr/share/icons/Tango/scalable/emblems/emblem-favorite.svg",
    "/usr/share/icons/Tango/scalable/emblems/emblem-photos.svg",
    "/usr/share/icons/Tango/scalable/emotes/face-grin.svg",
    "/usr/share/icons/Tango/scalable/emotes/face-monkey.svg",
    "/usr/share/icons/Tango/scalable/mimetypes/x-office-presentation.svg",
    "/usr/share/icons/Tango/scalable/mimetypes/x-office-address-book.svg",
    "/usr/share/icons/Tango/scalable/places/start-here.svg",
    "/usr/share/icons/Tango/scalable/places/user-desktop.svg",
    "/usr/share/icons/Tango/scalable/status/weather-showers-scattered.svg",
    "/usr/share/icons/Tango/scalable/status/software-update-urgent.svg",
    "/usr/share/libwacom/layouts/bamboo-0fg-s-p.svg",
    "/usr/share/libwacom/layouts/cintiq-13hd.svg",
    "/usr/share/libwacom/layouts/intuos-pro-2-m.svg",
    "/usr/share/libwacom/layouts/intuos4-8x13.svg",
    "/usr/share/libwacom/layouts/ek-remote.svg",
    "/usr/share/libwacom/layouts/huion-h640p.svg",
    "/usr/share/icons/Adwaita/scalable/places/user-home-symbolic.svg",
    "/usr/share/icons/Adwaita/scalable/devices/printer-symbolic.svg",
    "/usr/share/icons/Adwaita/scalable/status/weather-storm-symbolic.svg",
    "/usr/share/icons/Adwaita/scalable/emotes/face-smile-big-symbolic.svg",
    "/usr/share/icons/Adwaita/scalable/actions/document-save-symbolic.svg",
    "/usr/share/icons/Adwaita/scalable/mimetypes/x-office-spreadsheet-symbolic.svg",
};

bool hasViewBox(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return false;
  QXmlStreamReader x(&f);
  while (!x.atEnd())
    if (x.readNext() == QXmlStreamReader::StartElement) return x.attributes().hasAttribute("viewBox");
  return false;
}

// The second renderer's picture, w x h over white. Without a viewBox a
// drawing's user units are pixels; Qt is told so, as it would otherwise
// scale by its own idea of a millimetre.
QImage qtPicture(const QString& path, int w, int h, double nativeW, double nativeH) {
  QSvgRenderer r(path);
  QImage img(w, h, QImage::Format_RGB32);
  img.fill(Qt::white);
  if (!r.isValid()) return QImage();
  if (!hasViewBox(path)) r.setViewBox(QRectF(0, 0, nativeW, nativeH));
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  r.render(&p, QRectF(0, 0, w, h));
  return img;
}

struct Score {
  double close;  // share of pixels whose channels all lie within 48
  double meanDiff;  // mean absolute channel difference, 0..255
};

Score compare(const Surface& a, const QImage& b) {
  qint64 close = 0, sum = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) {
      const Color c = a.pixel(x, y);
      const QRgb q = b.pixel(x, y);
      const int dr = std::abs(int(c & 0xFF) - qRed(q)), dg = std::abs(int((c >> 8) & 0xFF) - qGreen(q)),
                db = std::abs(int((c >> 16) & 0xFF) - qBlue(q));
      close += std::max({dr, dg, db}) <= 48;
      sum += dr + dg + db;
    }
  const double n = double(a.width()) * a.height();
  return {close / n, sum / (3 * n)};
}

TEST(SvgCorpus, RealDrawingsRenderCloseToASecondRenderer) {
  int checked = 0;
  double worst = 1;
  for (const char* file : kCorpus) {
    const QString path = QString::fromUtf8(file);
    SCOPED_TRACE(file);
    ASSERT_TRUE(QFileInfo::exists(path)) << "install the packages of scripts/packages.txt";
    QString error;
    auto d = SvgDrawing::load(path, &error);
    ASSERT_TRUE(d) << error.toStdString();
    // Icons are drawn at 48 pixels; looked at four times larger the edges
    // weigh less against the shapes.
    const int k = d->width() < 100 ? 4 : 1;
    const int w = d->width() * k, h = d->height() * k;
    const Surface ours = d->render(w, h);
    ASSERT_EQ(ours.width(), w);
    const QImage theirs = qtPicture(path, w, h, d->width(), d->height());
    ASSERT_FALSE(theirs.isNull());
    const Score s = compare(ours, theirs);
    std::printf("  %-60s %4dx%-4d close %5.1f%%  mean diff %5.2f\n", QFileInfo(path).fileName().toUtf8().constData(),
                d->width(), d->height(), 100 * s.close, s.meanDiff);
    EXPECT_GE(s.close, 0.95);
    EXPECT_LE(s.meanDiff, 6.0);
    // Something was drawn: a blank picture would match a blank one. The
    // tablet diagrams are thin lines on white.
    int inked = 0;
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) inked += ours.pixel(x, y) != kWhite;
    EXPECT_GT(inked, w * h / 200);
    worst = std::min(worst, s.close);
    ++checked;
  }
  EXPECT_GE(checked, 30);
  std::printf("  %d drawings, worst %.1f%% of pixels close\n", checked, 100 * worst);
}

}  // namespace
}  // namespace pz
