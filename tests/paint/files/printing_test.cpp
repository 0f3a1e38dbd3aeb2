// Printing: where the picture goes on the page, checked on a PDF printer.
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QImage>
#include <vector>
#include <gtest/gtest.h>

#include "paint/files/printing.h"

namespace pz {
namespace {

// These tests never reach the machine's print queues: the printing system is
// pointed at a server that does not exist before anything asks it.
[[maybe_unused]] const bool kNoPrintServer = qputenv("CUPS_SERVER", "/nonexistent/pinz-tests-cups.sock");

struct TargetCase {
  const char* name;
  int w, h;
  QSize page;
  QRect expected;  // left, top, right (exclusive), bottom (exclusive)
};

QRect edges(int l, int t, int r, int b) { return QRect(QPoint(l, t), QPoint(r - 1, b - 1)); }

class PrintTarget : public ::testing::TestWithParam<TargetCase> {};

TEST_P(PrintTarget, PlacesThePictureOnThePage) {
  const TargetCase& c = GetParam();
  EXPECT_EQ(printTarget(c.w, c.h, c.page), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Pages, PrintTarget,
    ::testing::Values(
        // Narrower than tall: the middle half of the width, from the top.
        TargetCase{"portrait_rule", 600, 800, {4800, 6000}, edges(1200, 0, 3600, 3200)},
        TargetCase{"portrait_rule_odd_width", 300, 900, {4801, 6000}, edges(1200, 0, 3600, 7200)},
        // Wider than tall: fitted, centred.
        TargetCase{"wide_fits_width", 800, 400, {6000, 4800}, edges(0, 900, 6000, 3900)},
        TargetCase{"wide_fits_height", 1000, 900, {6000, 4500}, edges(500, 0, 5500, 4500)},
        TargetCase{"square", 800, 800, {4800, 6000}, edges(0, 600, 4800, 5400)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PrintOrientation, PortraitForTallLandscapeForWideSquareKeepsTheSetup) {
  EXPECT_TRUE(printOrientation(600, 800).setOrientation);
  EXPECT_EQ(printOrientation(600, 800).orientation, PageOrientation::Portrait);
  EXPECT_TRUE(printOrientation(801, 800).setOrientation);
  EXPECT_EQ(printOrientation(801, 800).orientation, PageOrientation::Landscape);
  EXPECT_FALSE(printOrientation(800, 800).setOrientation);
}

// A PDF printer whose page is 8 x 10 inches at 600 dots per inch without
// margins: 4800 device pixels wide.
void makePdfPrinter(QPrinter& printer, const QString& file) {
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(file);
  printer.setResolution(600);
  printer.setPageSize(QPageSize(QSizeF(8, 10), QPageSize::Inch, QString(), QPageSize::ExactMatch));
  printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

TEST(PrintPicture, A600By800PictureFillsTheMiddleHalfOfTheTopOfThePage) {
  QTemporaryDir dir;
  const QString pdf = dir.path() + "/page.pdf";
  QPrinter printer(QPrinter::HighResolution);
  makePdfPrinter(printer, pdf);
  setOrientation(printer, PageOrientation::Landscape);  // the rule turns it back
  ASSERT_EQ(printableSize(printer).width(), 6000);

  Surface picture(600, 800, 0x0000FF);  // red
  const Surface before = picture;
  QString error;
  ASSERT_TRUE(printPicture(printer, picture, &error)) << error.toStdString();
  // The page was portrait (below); the printer is back to what was chosen.
  EXPECT_EQ(printableSize(printer), QSize(6000, 4800));
  EXPECT_TRUE(picture == before);

  if (QStandardPaths::findExecutable("pdftoppm").isEmpty()) GTEST_SKIP() << "pdftoppm is not installed";
  // At 30 dpi a device pixel of the 600-dpi page is 1/20 of a dot: the
  // picture should cover (60, 0)-(180, 160) of a 240 x 300 page.
  ASSERT_EQ(QProcess::execute("pdftoppm", {"-r", "30", "-png", "-singlefile", pdf, dir.path() + "/page"}), 0);
  const QImage page(dir.path() + "/page.png");
  ASSERT_EQ(page.size(), QSize(240, 300));
  auto red = [&](int x, int y) {
    const QRgb c = page.pixel(x, y);
    return qRed(c) > 200 && qGreen(c) < 60 && qBlue(c) < 60;
  };
  auto white = [&](int x, int y) { return page.pixel(x, y) == qRgb(255, 255, 255); };
  EXPECT_TRUE(red(61, 1));
  EXPECT_TRUE(red(178, 158));
  EXPECT_TRUE(red(120, 80));
  EXPECT_TRUE(white(58, 80));
  EXPECT_TRUE(white(182, 80));
  EXPECT_TRUE(white(120, 162));
}

// The page pdftoppm renders at 30 dpi, or a null image without pdftoppm.
QImage renderPage(const QString& pdf, const QString& stem) {
  if (QStandardPaths::findExecutable("pdftoppm").isEmpty()) return {};
  if (QProcess::execute("pdftoppm", {"-r", "30", "-png", "-singlefile", pdf, stem}) != 0) return {};
  return QImage(stem + ".png");
}

TEST(PrintPicture, AsksForColourOnAQueueThatWouldPrintGrey) {
  QTemporaryDir dir;
  const QString pdf = dir.path() + "/page.pdf";
  QPrinter printer(QPrinter::HighResolution);
  makePdfPrinter(printer, pdf);
  printer.setColorMode(QPrinter::GrayScale);  // what a queue without colour announces
  QString error;
  ASSERT_TRUE(printPicture(printer, Surface(600, 800, 0x0000FF), &error)) << error.toStdString();
  EXPECT_EQ(printer.colorMode(), QPrinter::Color);
  const QImage page = renderPage(pdf, dir.path() + "/page");
  if (page.isNull()) GTEST_SKIP() << "pdftoppm is not installed";
  const QRgb c = page.pixel(120, 80);
  EXPECT_TRUE(qRed(c) > 200 && qGreen(c) < 60 && qBlue(c) < 60) << std::hex << c;
}

// What the page of each print looks like after the user chose an
// orientation in Print Setup: a square picture never inherits what a wide or
// tall one before it needed.
struct OrientationCase {
  const char* name;
  PageOrientation chosen;
  std::vector<QSize> pictures;
  std::vector<bool> landscapePages;
};

class PrintOrientationSequence : public ::testing::TestWithParam<OrientationCase> {};

TEST_P(PrintOrientationSequence, EachPageHasItsOwnOrientationAndTheSetupChoiceStays) {
  const OrientationCase& c = GetParam();
  QTemporaryDir dir;
  QPrinter printer(QPrinter::HighResolution);
  makePdfPrinter(printer, dir.path() + "/unused.pdf");
  setOrientation(printer, c.chosen);
  for (size_t i = 0; i < c.pictures.size(); ++i) {
    SCOPED_TRACE(i);
    const QString pdf = dir.path() + QStringLiteral("/page%1.pdf").arg(i);
    printer.setOutputFileName(pdf);
    QString error;
    ASSERT_TRUE(printPicture(printer, Surface(c.pictures[i].width(), c.pictures[i].height()), &error))
        << error.toStdString();
    EXPECT_EQ(orientation(printer), c.chosen);
    const QImage page = renderPage(pdf, dir.path() + QStringLiteral("/page%1").arg(i));
    if (page.isNull()) continue;
    EXPECT_EQ(page.width() > page.height(), c.landscapePages[i]) << page.width() << "x" << page.height();
  }
}

INSTANTIATE_TEST_SUITE_P(
    Setup, PrintOrientationSequence,
    ::testing::Values(
        OrientationCase{"portrait_chosen_wide_then_square",
                        PageOrientation::Portrait,
                        {{800, 400}, {800, 800}},
                        {true, false}},
        OrientationCase{"landscape_chosen_tall_then_square",
                        PageOrientation::Landscape,
                        {{400, 800}, {800, 800}, {900, 500}, {800, 800}},
                        {false, true, true, true}}),
    [](const auto& info) { return std::string(info.param.name); });

// No queue can be reached from these tests (see the top of the file): the
// printer object Qt makes then is its file-less PDF stand-in.
TEST(PrintPicture, WithNoPrinterAtAllGivesThePrinterErrorNotAFileError) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  QString error;
  EXPECT_FALSE(printPicture(printer, Surface(800, 800), &error));
  EXPECT_EQ(error, QStringLiteral("There is no default printer currently selected."));
}

TEST(PrintPicture, WithoutAUsablePrinterSaysSoAndPrintsNothing) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setPrinterName(QStringLiteral("pinz-no-such-printer"));
  QString error;
  EXPECT_FALSE(printPicture(printer, Surface(10, 20), &error));
  EXPECT_FALSE(error.isEmpty());
}

}  // namespace
}  // namespace pz
