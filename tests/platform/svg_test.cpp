// SVG drawings: the size rules, stretched rendering over white, compressed
// files, and drawings that must be refused or kept from reaching outside.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>

#include <cstdio>

#include "platform/svg.h"

namespace pz {
namespace {

QByteArray svgDoc(const char* attrs, const char* body) {
  return QByteArray("<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\" ") + attrs +
         ">" + body + "</svg>";
}

// Packed by the gzip program, as .svgz files are made.
QByteArray gzip(const QByteArray& plain) {
  QProcess p;
  p.start(QStringLiteral("gzip"), {QStringLiteral("-c"), QStringLiteral("-n")});
  p.waitForStarted();
  p.write(plain);
  p.closeWriteChannel();
  QByteArray packed;
  while (p.state() != QProcess::NotRunning || p.bytesAvailable() > 0) {
    p.waitForReadyRead(1000);
    packed += p.readAllStandardOutput();
    if (p.state() == QProcess::NotRunning && p.bytesAvailable() == 0) break;
  }
  return packed;
}

QByteArray redPng() {
  QImage img(8, 8, QImage::Format_RGB32);
  img.fill(Qt::red);
  QByteArray bytes;
  QBuffer buf(&bytes);
  buf.open(QIODevice::WriteOnly);
  img.save(&buf, "PNG");
  return bytes;
}

int countColour(const Surface& s, Color c) {
  int n = 0;
  for (int y = 0; y < s.height(); ++y)
    for (int x = 0; x < s.width(); ++x) n += s.pixel(x, y) == c;
  return n;
}

struct SizeRow {
  const char* name;
  const char* attrs;
  const char* body;
  int w, h;
};

class SvgSize : public ::testing::TestWithParam<SizeRow> {};

TEST_P(SvgSize, IsTheDrawingsOwnSizeAt96PixelsPerInch) {
  const SizeRow& r = GetParam();
  QString error;
  auto d = SvgDrawing::fromBytes(svgDoc(r.attrs, r.body), &error);
  ASSERT_TRUE(d) << error.toStdString();
  EXPECT_EQ(d->width(), r.w);
  EXPECT_EQ(d->height(), r.h);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SvgSize,
    ::testing::Values(
        SizeRow{"pixels", "width=\"200\" height=\"100\"", "", 200, 100},
        SizeRow{"pxUnit", "width=\"64px\" height=\"48px\" viewBox=\"0 0 16 12\"", "", 64, 48},
        SizeRow{"inches", "width=\"2in\" height=\"1in\"", "", 192, 96},
        SizeRow{"millimetres", "width=\"50mm\" height=\"25.4mm\"", "", 189, 96},
        SizeRow{"points", "width=\"72pt\" height=\"36pt\"", "", 96, 48},
        SizeRow{"viewBoxOnly", "viewBox=\"0 0 300 150\"", "", 300, 150},
        SizeRow{"percentTakesViewBox", "width=\"100%\" height=\"100%\" viewBox=\"-5 -5 40 30\"", "", 40, 30},
        SizeRow{"noSizeNoViewBox", "", "<rect x=\"10\" y=\"10\" width=\"30\" height=\"20\"/>", 40, 30},
        SizeRow{"posterScaledDown", "width=\"8000\" height=\"4000\"", "", 2000, 1000},
        SizeRow{"longThinScaledDown", "width=\"3000\" height=\"10\"", "", 2000, 7},
        SizeRow{"tinyAtLeastOnePixel", "width=\"0.6\" height=\"0.6\"", "", 1, 1}),
    [](const ::testing::TestParamInfo<SizeRow>& i) { return std::string(i.param.name); });

TEST(SvgRender, StretchesOverWhiteAndKeepsExactColours) {
  // Red left half, a transparent right half, a half-transparent black bar.
  const QByteArray doc = svgDoc("width=\"40\" height=\"20\"",
                                "<rect width=\"20\" height=\"20\" fill=\"#ff0000\"/>"
                                "<rect x=\"20\" y=\"15\" width=\"20\" height=\"5\" fill=\"black\" fill-opacity=\"0.5\"/>");
  auto d = SvgDrawing::fromBytes(doc);
  ASSERT_TRUE(d);
  struct Row {
    int w, h;
  } rows[] = {{40, 20}, {80, 20}, {10, 40}, {120, 60}};
  for (const Row& r : rows) {
    const Surface s = d->render(r.w, r.h);
    ASSERT_EQ(s.width(), r.w);
    ASSERT_EQ(s.height(), r.h);
    const int qx = r.w / 4, qy = r.h / 4;
    EXPECT_EQ(s.pixel(qx, qy), rgb(255, 0, 0)) << r.w << "x" << r.h;
    EXPECT_EQ(s.pixel(r.w - 1 - qx, qy), kWhite) << r.w << "x" << r.h;  // transparent shows white
    const Color grey = s.pixel(r.w - 1 - qx, r.h - 1);
    EXPECT_NEAR(int(grey & 0xFF), 128, 2);
    EXPECT_EQ(grey & 0xFF, (grey >> 16) & 0xFF);
  }
  EXPECT_TRUE(d->render(0, 10).isNull());
}

TEST(SvgRender, CompressedFileGivesTheSamePicture) {
  const QByteArray doc = svgDoc("viewBox=\"0 0 30 30\"", "<circle cx=\"15\" cy=\"15\" r=\"10\" fill=\"blue\"/>");
  auto plain = SvgDrawing::fromBytes(doc);
  QString error;
  auto packed = SvgDrawing::fromBytes(gzip(doc), &error);
  ASSERT_TRUE(plain);
  ASSERT_TRUE(packed) << error.toStdString();
  EXPECT_EQ(packed->width(), 30);
  const Surface a = plain->render(30, 30), b = packed->render(30, 30);
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 30; ++x) ASSERT_EQ(a.pixel(x, y), b.pixel(x, y)) << x << "," << y;
  EXPECT_EQ(a.pixel(15, 15), rgb(0, 0, 255));
}

TEST(SvgLoad, ExtensionAndFileErrorsNameTheFile) {
  QTemporaryDir dir;
  struct Row {
    const char* name;
    bool svg;
  } rows[] = {{"a.svg", true}, {"B.SVGZ", true}, {"c.Svg", true}, {"d.wmf", false}, {"svg", false}, {"e.svg.txt", false}};
  for (const Row& r : rows) EXPECT_EQ(SvgDrawing::hasSvgExtension(dir.filePath(r.name)), r.svg) << r.name;
  QString error;
  EXPECT_FALSE(SvgDrawing::load(dir.filePath("missing.svg"), &error));
  EXPECT_TRUE(error.contains("missing.svg"));
  QFile f(dir.filePath("broken.svg"));
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("<svg xmlns=\"http://www.w3.org/2000/svg\"><rect");
  f.close();
  EXPECT_FALSE(SvgDrawing::load(f.fileName(), &error));
  EXPECT_TRUE(error.startsWith("broken.svg cannot be shown: ")) << error.toStdString();
}

// Broken and hostile drawings: each is refused with a reason, quickly.
struct HostileRow {
  const char* name;
  QByteArray (*bytes)();
};

class SvgHostile : public ::testing::TestWithParam<HostileRow> {};

TEST_P(SvgHostile, IsRefusedWithAReason) {
  QElapsedTimer t;
  t.start();
  QString error;
  auto d = SvgDrawing::fromBytes(GetParam().bytes(), &error);
  EXPECT_FALSE(d);
  EXPECT_FALSE(error.isEmpty());
  std::printf("  %s: %s\n", GetParam().name, error.toUtf8().constData());
  // Guards against a parser that expands or inflates for minutes.
  EXPECT_LT(t.elapsed(), 20000);
}

QByteArray billionLaughs() {
  QByteArray doc = "<?xml version=\"1.0\"?>\n<!DOCTYPE svg [\n<!ENTITY l0 \"lollollollollollollollollollol\">\n";
  for (int i = 1; i <= 12; ++i) {
    doc += "<!ENTITY l" + QByteArray::number(i) + " \"";
    for (int k = 0; k < 10; ++k) doc += "&l" + QByteArray::number(i - 1) + ";";
    doc += "\">\n";
  }
  doc += "]>\n<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"10\" height=\"10\"><text>&l12;</text></svg>";
  return doc;
}

QByteArray gzipBomb() {
  // About 200 MB of blanks inside a valid drawing, packed to a few hundred KB.
  QByteArray blanks(1 << 20, ' ');
  QByteArray plain = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"10\" height=\"10\">";
  for (int i = 0; i < 200; ++i) plain += blanks;
  plain += "</svg>";
  return gzip(plain);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SvgHostile,
    ::testing::Values(
        HostileRow{"empty", [] { return QByteArray(); }},
        HostileRow{"blanks", [] { return QByteArray("  \n\t "); }},
        HostileRow{"notXml", [] { return QByteArray("GIF89a\x01\x00\x01\x00"); }},
        HostileRow{"unclosedTags",
                   [] { return QByteArray("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"10\"><g><rect"); }},
        HostileRow{"mismatchedTags",
                   [] { return QByteArray("<svg xmlns=\"http://www.w3.org/2000/svg\"><g></rect></svg>"); }},
        HostileRow{"billionLaughs", billionLaughs},
        HostileRow{"enormousSize", [] { return svgDoc("width=\"1e9\" height=\"1e9\"", ""); }},
        HostileRow{"enormousViewBox", [] { return svgDoc("viewBox=\"0 0 1e30 1e30\"", ""); }},
        HostileRow{"zeroSize", [] { return svgDoc("width=\"0\" height=\"10\"", ""); }},
        HostileRow{"nothingToMeasure", [] { return svgDoc("", ""); }},
        HostileRow{"truncatedGzip", [] { return gzip(svgDoc("width=\"5\" height=\"5\"", "")).left(20); }},
        HostileRow{"gzipBomb", gzipBomb}),
    [](const ::testing::TestParamInfo<HostileRow>& i) { return std::string(i.param.name); });

// Drawings that are valid but make the renderer work: each is either
// refused or drawn (as far as the renderer's limits let it) in bounded time.
QByteArray useBomb() {
  QByteArray body = "<defs><rect id=\"u0\" width=\"1\" height=\"1\"/>";
  for (int i = 1; i <= 9; ++i) {
    body += "<g id=\"u" + QByteArray::number(i) + "\">";
    for (int k = 0; k < 10; ++k) body += "<use xlink:href=\"#u" + QByteArray::number(i - 1) + "\"/>";
    body += "</g>";
  }
  body += "</defs><use xlink:href=\"#u9\"/>";
  return svgDoc("width=\"100\" height=\"100\"", body.constData());
}

QByteArray deepNesting() {
  QByteArray body;
  for (int i = 0; i < 20000; ++i) body += "<g>";
  body += "<rect width=\"10\" height=\"10\"/>";
  for (int i = 0; i < 20000; ++i) body += "</g>";
  return svgDoc("width=\"100\" height=\"100\"", body.constData());
}

QByteArray wideBlur() {
  return svgDoc("width=\"2000\" height=\"2000\"",
                "<filter id=\"f\" x=\"-1\" y=\"-1\" width=\"3\" height=\"3\"><feGaussianBlur stdDeviation=\"5000\"/>"
                "<feMorphology radius=\"400\"/></filter><rect width=\"2000\" height=\"2000\" filter=\"url(#f)\"/>");
}

QByteArray manyShapes() {
  QByteArray body;
  for (int i = 0; i < 20000; ++i) body += "<circle cx=\"50\" cy=\"50\" r=\"40\" fill-opacity=\"0.01\"/>";
  return svgDoc("width=\"100\" height=\"100\"", body.constData());
}

class SvgHeavy : public ::testing::TestWithParam<HostileRow> {};

TEST_P(SvgHeavy, IsRefusedOrDrawnInBoundedTime) {
  QElapsedTimer t;
  t.start();
  QString error;
  auto d = SvgDrawing::fromBytes(GetParam().bytes(), &error);
  if (d) {
    // At 300 % of its size, the largest the page asks for.
    const Surface s = d->render(d->width() * 3, d->height() * 3);
    EXPECT_EQ(s.width(), d->width() * 3);
  } else {
    EXPECT_FALSE(error.isEmpty());
  }
  std::printf("  %s: %s in %lld ms\n", GetParam().name, d ? "drawn" : error.toUtf8().constData(),
              static_cast<long long>(t.elapsed()));
  EXPECT_LT(t.elapsed(), 2 * 1000 * (pz::kSvgRenderSeconds + 5));
}

INSTANTIATE_TEST_SUITE_P(Rows, SvgHeavy,
                         ::testing::Values(HostileRow{"useBomb", useBomb}, HostileRow{"deepNesting", deepNesting},
                                           HostileRow{"wideBlur", wideBlur}, HostileRow{"manyShapes", manyShapes}),
                         [](const ::testing::TestParamInfo<HostileRow>& i) { return std::string(i.param.name); });

TEST(SvgOutside, FilesBesideOrAnywhereAreNeverRead) {
  QTemporaryDir dir;
  auto put = [&](const QString& name, const QByteArray& bytes) {
    QFile f(dir.filePath(name));
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
    return QDir(dir.path()).absoluteFilePath(name);
  };
  const QString png = put("red.png", redPng());
  put("red.svg", svgDoc("width=\"40\" height=\"40\"", "<rect id=\"r\" width=\"40\" height=\"40\" fill=\"red\"/>"));
  put("red.css", "rect { fill: red; }");
  const QByteArray fileUrl = QUrl::fromLocalFile(png).toEncoded();
  const QByteArray dataUrl = "data:image/png;base64," + redPng().toBase64();
  put("red.xml", "<rect width=\"40\" height=\"40\" fill=\"red\"/>");
  const QByteArray entity = "<!DOCTYPE svg [<!ENTITY ext SYSTEM \"red.xml\"><!ENTITY abs SYSTEM \"" +
                            QUrl::fromLocalFile(dir.filePath("red.xml")).toEncoded() + "\">]>";
  struct Row {
    const char* name;
    QByteArray body;
    bool red;  // what the picture must show
    bool mayRefuse = false;  // a message instead of a picture is fine too
  } rows[] = {
      {"inline data image", "<image width=\"40\" height=\"40\" xlink:href=\"" + dataUrl + "\"/>", true},
      {"image beside", "<image width=\"40\" height=\"40\" xlink:href=\"red.png\"/>", false},
      {"image by file URL", "<image width=\"40\" height=\"40\" xlink:href=\"" + fileUrl + "\"/>", false},
      {"image by path", "<image width=\"40\" height=\"40\" href=\"" + png.toUtf8() + "\"/>", false},
      {"use of another drawing", "<use xlink:href=\"red.svg#r\"/>", false},
      {"css import", "<style>@import url(red.css);</style><rect width=\"40\" height=\"40\" fill=\"white\"/>", false},
      {"xinclude", "<text xmlns:xi=\"http://www.w3.org/2001/XInclude\" y=\"20\" font-size=\"30\" fill=\"red\">"
                   "<xi:include href=\"red.css\" parse=\"text\"/></text>", false},
      {"external entities", entity + svgDoc("", "&ext;&abs;"), false, true},
  };
  for (Row& r : rows) {
    // Saved beside the files it names, as a download would be.
    const QString path = put("doc.svg", r.body.startsWith("<!DOCTYPE")
                                            ? r.body.replace("<svg", "<svg width=\"40\" height=\"40\"")
                                            : svgDoc("width=\"40\" height=\"40\"", r.body.constData()));
    QString error;
    auto d = SvgDrawing::load(path, &error);
    if (!d && r.mayRefuse) {
      EXPECT_FALSE(error.isEmpty());
      continue;
    }
    ASSERT_TRUE(d) << r.name << ": " << error.toStdString();
    const Surface s = d->render(40, 40);
    const int red = countColour(s, rgb(255, 0, 0));
    if (r.red)
      EXPECT_GT(red, 1000) << r.name;
    else
      EXPECT_EQ(red, 0) << r.name;
  }
}

TEST(SvgOutside, NoNetworkConnectionIsMade) {
  const int server = socket(AF_INET, SOCK_STREAM, 0);
  ASSERT_GE(server, 0);
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  ASSERT_EQ(bind(server, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
  ASSERT_EQ(listen(server, 4), 0);
  socklen_t len = sizeof addr;
  getsockname(server, reinterpret_cast<sockaddr*>(&addr), &len);
  const QByteArray url = "http://127.0.0.1:" + QByteArray::number(ntohs(addr.sin_port));
  const QByteArray body = "<image width=\"10\" height=\"10\" xlink:href=\"" + url + "/a.png\"/>"
                          "<use xlink:href=\"" + url + "/b.svg#x\"/>"
                          "<style>@import url(" + url + "/c.css);</style>"
                          "<rect width=\"5\" height=\"5\" filter=\"url(" + url + "/d.svg#f)\"/>";
  auto d = SvgDrawing::fromBytes(svgDoc("width=\"10\" height=\"10\"", body.constData()));
  ASSERT_TRUE(d);
  d->render(10, 10);
  pollfd p{server, POLLIN, 0};
  EXPECT_EQ(poll(&p, 1, 200), 0) << "the drawing connected to " << url.constData();
  close(server);
}

}  // namespace
}  // namespace pz
