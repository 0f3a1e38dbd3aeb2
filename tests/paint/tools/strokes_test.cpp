// Golden scenarios replayed by the pinz-strokes runner, one or more per tool,
// and the runner's answers to malformed scenarios.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include "platform/bmp.h"

namespace pz {
namespace {

const QString kData = QStringLiteral(PINZ_TEST_DATA "/strokes");
const QString kRunner = QStringLiteral(PINZ_BIN_DIR "/pinz-strokes");

struct RunResult {
  int exitCode = -1;
  QString stderrText;
};

RunResult runScenarioFile(const QString& path) {
  QProcess p;
  p.start(kRunner, {path});
  if (!p.waitForFinished(60000)) return {};
  return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromLocal8Bit(p.readAllStandardError())};
}

RunResult runScenarioText(const QByteArray& text, const QTemporaryDir& dir) {
  const QString path = dir.filePath(QStringLiteral("scenario.json"));
  QFile f(path);
  if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return {};
  f.write(text);
  f.close();
  return runScenarioFile(path);
}

QString absoluteInData(const QString& p) { return QDir::isAbsolutePath(p) ? p : QDir(kData).filePath(p); }

// Compares two BMP files pixel by pixel, naming the first difference.
::testing::AssertionResult samePictures(const QString& got, const QString& expected) {
  QString err;
  const auto a = readBmp(got, &err);
  if (!a) return ::testing::AssertionFailure() << err.toStdString();
  const auto b = readBmp(expected, &err);
  if (!b) return ::testing::AssertionFailure() << err.toStdString();
  if (a->width() != b->width() || a->height() != b->height())
    return ::testing::AssertionFailure() << "sizes differ";
  int diffs = 0, fx = -1, fy = -1;
  for (int y = 0; y < a->height(); ++y)
    for (int x = 0; x < a->width(); ++x)
      if (a->pixel(x, y) != b->pixel(x, y) && diffs++ == 0) fx = x, fy = y;
  if (diffs)
    return ::testing::AssertionFailure() << diffs << " pixels differ, first at (" << fx << ", " << fy << "): got 0x"
                                         << std::hex << a->pixel(fx, fy) << ", expected 0x" << b->pixel(fx, fy);
  return ::testing::AssertionSuccess();
}

class GoldenScenario : public ::testing::TestWithParam<const char*> {};
TEST_P(GoldenScenario, ReproducesTheExpectedPicture) {
  const QString name = QString::fromLatin1(GetParam());
  QFile f(kData + QLatin1Char('/') + name + QStringLiteral(".json"));
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  QJsonObject sc = QJsonDocument::fromJson(f.readAll()).object();
  ASSERT_FALSE(sc.isEmpty());
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  // The copy runs from the temporary folder: inputs point back to the data.
  sc[QStringLiteral("out")] = dir.filePath(QStringLiteral("out.bmp"));
  const bool withBrush = sc.contains(QStringLiteral("brushOut"));
  if (withBrush) sc[QStringLiteral("brushOut")] = dir.filePath(QStringLiteral("brush.bmp"));
  sc[QStringLiteral("picture")] = absoluteInData(sc[QStringLiteral("picture")].toString());
  if (sc.contains(QStringLiteral("texture")))
    sc[QStringLiteral("texture")] = absoluteInData(sc[QStringLiteral("texture")].toString());
  const RunResult r = runScenarioText(QJsonDocument(sc).toJson(), dir);
  ASSERT_EQ(r.exitCode, 0) << r.stderrText.toStdString();
  EXPECT_TRUE(samePictures(dir.filePath(QStringLiteral("out.bmp")), kData + "/" + name + ".expected.bmp"));
  if (withBrush) {
    EXPECT_TRUE(samePictures(dir.filePath(QStringLiteral("brush.bmp")), kData + "/" + name + ".brush.expected.bmp"));
  }
}
INSTANTIATE_TEST_SUITE_P(Tools, GoldenScenario,
                         ::testing::Values("pastel", "replacement", "acrylic", "spraypaint", "spraymix", "stars",
                                           "pencil", "blackeraser", "coloreraser", "razor", "bucket", "texture",
                                           "pastelmix", "waterpen", "waterpenmix", "oil"));

TEST(StrokeRunner, WithoutStrokesWritesTheBlankSheet) {
  QTemporaryDir dir;
  const RunResult r = runScenarioText(R"({"out": "blank.bmp", "tool": 1})", dir);
  ASSERT_EQ(r.exitCode, 0) << r.stderrText.toStdString();
  const auto pic = readBmp(dir.filePath(QStringLiteral("blank.bmp")));
  ASSERT_TRUE(pic);
  EXPECT_EQ(pic->width(), 800);
  EXPECT_EQ(pic->height(), 800);
  EXPECT_EQ(pic->pixel(400, 400), kWhite);
}

struct BadRow {
  const char* text;
  const char* message;  // part of what the runner says
};
class BadScenario : public ::testing::TestWithParam<BadRow> {};
TEST_P(BadScenario, GivesAClearMessageAndFails) {
  QTemporaryDir dir;
  const RunResult r = runScenarioText(GetParam().text, dir);
  EXPECT_NE(r.exitCode, 0);
  EXPECT_NE(r.exitCode, -1) << "the runner crashed or hung";
  EXPECT_TRUE(r.stderrText.contains(QString::fromUtf8(GetParam().message))) << r.stderrText.toStdString();
  EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("o.bmp"))));
}
INSTANTIATE_TEST_SUITE_P(
    Rows, BadScenario,
    ::testing::Values(BadRow{"", "not valid JSON"}, BadRow{"{\"out\": \"o.bmp\",", "not valid JSON"},
                      BadRow{"[1, 2]", "must be a JSON object"}, BadRow{"{}", "no \"out\""},
                      BadRow{R"({"out": 5})", "out must be a file path"},
                      BadRow{R"({"out": "o.bmp", "tool": "pastel"})", "tool must be a number"},
                      BadRow{R"({"out": "o.bmp", "brushSize": 20})", "brushSize must be 50, 26 or 14"},
                      BadRow{R"({"out": "o.bmp", "strokeWidth": 9})", "strokeWidth"},
                      BadRow{R"({"out": "o.bmp", "razorMode": 3})", "razorMode"},
                      BadRow{R"({"out": "o.bmp", "waterPercent": 7})", "waterPercent"},
                      BadRow{R"({"out": "o.bmp", "waterPercent": 1e300})", "waterPercent must be between"},
                      BadRow{R"({"out": "o.bmp", "currentColor": 16777216})", "currentColor"},
                      BadRow{R"({"out": "o.bmp", "whiteOnly": 1})", "whiteOnly"},
                      BadRow{R"({"out": "o.bmp", "colour": 1})", "unknown key \"colour\""},
                      BadRow{R"({"out": "o.bmp", "strokes": {}})", "strokes must be a list"},
                      BadRow{R"({"out": "o.bmp", "strokes": [{"tool": 1}]})", "stroke 1 has no \"points\""},
                      BadRow{R"({"out": "o.bmp", "strokes": [[1, 2]]})", "stroke 1 must be an object"},
                      BadRow{R"({"out": "o.bmp", "strokes": [{"points": [[1, 2], [3]]}]})", "stroke 1 point 2"},
                      BadRow{R"({"out": "o.bmp", "strokes": [{"points": [[1.5, 2]]}]})", "whole number"},
                      BadRow{R"({"out": "o.bmp", "strokes": [{"points": [[1e300, 2]]}]})", "between"},
                      BadRow{R"({"out": "o.bmp", "strokes": [{"points": [], "brushSize": 0}]})", "brushSize"},
                      BadRow{R"({"out": "o.bmp", "picture": "missing.bmp"})", "missing.bmp"},
                      BadRow{R"({"out": "o.bmp", "tool": 3, "texture": "nothing.bmp", "strokes": [{"points": [[1, 1]]}]})",
                             "nothing.bmp"},
                      BadRow{R"({"out": "/nonexistent-folder/o.bmp"})", "could not write"}));

TEST(StrokeRunner, MissingOrUnreadableScenarioFileFails) {
  RunResult r = runScenarioFile(QStringLiteral("/nonexistent/scenario.json"));
  EXPECT_EQ(r.exitCode, 2);
  EXPECT_TRUE(r.stderrText.contains(QStringLiteral("cannot read")));
  QProcess p;
  p.start(kRunner, {});
  ASSERT_TRUE(p.waitForFinished(10000));
  EXPECT_EQ(p.exitCode(), 2);
  EXPECT_TRUE(QString::fromLocal8Bit(p.readAllStandardError()).contains(QStringLiteral("usage")));
}

}  // namespace
}  // namespace pz
