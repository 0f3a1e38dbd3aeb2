// On a screen Qt scales (the test runs again with QT_SCALE_FACTOR set), each
// picture pixel shows as an exact square of whole device pixels in its own
// colour, never smoothed, and the pointer lands on the picture pixel under it.
#include <QPixmap>

#include "platform/surfacewidget.h"
#include "tests/paint/canvas/window_fixture.h"

namespace pz::testing {
namespace {

TEST(WholePixelScale, RoundsTheScreenScale) {
  const std::pair<double, int> rows[] = {{1.0, 1}, {1.25, 1}, {1.49, 1}, {1.5, 2}, {1.75, 2}, {2.0, 2}, {3.0, 3}, {0.5, 1}};
  for (auto [ratio, k] : rows) EXPECT_EQ(wholePixelScale(ratio), k) << ratio;
}

TEST_F(MainWindowTest, PicturePixelsAreWholeSquaresOfTheirOwnColour) {
  open(300, 200);
  const double dpr = win->mapdisp->devicePixelRatioF();
  const int k = wholePixelScale(dpr);
  // A pattern no smoothing can keep: neighbours of clashing colours.
  Surface& pic = win->st.pictureBmp;
  for (int y = 0; y < 200; ++y)
    for (int x = 0; x < 300; ++x) pic.setPixel(x, y, (x + y) % 2 ? 0x000000FF : ((x / 3) % 2 ? kBlack : 0x00FF8000));
  for (int zoom : {4, 2}) {
    SCOPED_TRACE(zoom == 4 ? "1:1" : "2x");
    win->st.zoomState = zoom;
    win->setScrollRanges();
    win->showPicture();
    const QImage shown = win->mapdisp->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const Surface& s = win->mapdisp->surface();
    ASSERT_GE(shown.width(), s.width() * k);
    for (int y = 0; y < s.height() * k; ++y)
      for (int x = 0; x < s.width() * k; ++x) {
        const Color want = s.pixel(x / k, y / k);
        const QRgb got = shown.pixel(x, y);
        ASSERT_EQ(rgb(qRed(got), qGreen(got), qBlue(got)), want) << "device pixel " << x << "," << y;
      }
  }
}

TEST_F(MainWindowTest, PointerPositionsMapToTheSurfacePixelUnderThem) {
  open(300, 200);
  const double s = win->mapdisp->surfaceScale();
  for (QPointF at : {QPointF(0, 0), QPointF(10.5, 7.2), QPointF(299.9, 199.9)}) {
    const QPoint p = win->mapdisp->toSurface(at);
    EXPECT_EQ(p, QPoint(int(at.x() * s), int(at.y() * s)));
    EXPECT_LT(p.x(), win->mapdisp->surface().width());
    EXPECT_LT(p.y(), win->mapdisp->surface().height());
    // Back to the widget: the top-left of that pixel, at or before the point.
    const QPoint back = win->mapdisp->toWidget(p);
    EXPECT_LE(back.x(), at.x());
    EXPECT_GT(back.x() + 1 / s + 1, at.x());
  }
}

}  // namespace
}  // namespace pz::testing
