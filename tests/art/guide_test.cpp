// The user guide as shipped: every picture it names is there, and its
// pictures are the same whichever folder the program was built in (so they
// show no path of the building machine).
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace pz {
namespace {

const QString kProgram = QStringLiteral(PINZ_PROGRAM_DIR);

QByteArray contents(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Copies the program folder, its guide left out, to `to`.
bool copyProgram(const QString& to) {
  QDirIterator it(kProgram, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QString from = it.next();
    const QString rel = QDir(kProgram).relativeFilePath(from);
    if (rel.startsWith(QStringLiteral("docs/"))) continue;
    if (!QDir().mkpath(QFileInfo(to + "/" + rel).absolutePath()) || !QFile::copy(from, to + "/" + rel)) return false;
  }
  return true;
}

// The guide written for the program folder `prog` into `docs`.
bool writeGuide(const QString& prog, const QString& docs) {
  QProcess p;
  p.setProcessChannelMode(QProcess::ForwardedChannels);
  p.start(QStringLiteral(PINZ_BIN_DIR "/pinz-docs"), {prog, docs});
  return p.waitForFinished(120000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

TEST(Guide, EveryPictureThePageShowsIsShipped) {
  const QString page = QString::fromUtf8(contents(kProgram + "/docs/wmain.htm"));
  ASSERT_FALSE(page.isEmpty());
  int pictures = 0;
  QRegularExpression img(QStringLiteral("<img src=\"([^\"]+)\""));
  for (auto m = img.globalMatch(page); m.hasNext(); ++pictures) {
    const QString src = m.next().captured(1);
    EXPECT_TRUE(QFileInfo(kProgram + "/docs/" + src).isFile()) << src.toStdString();
  }
  EXPECT_GT(pictures, 20);
}

TEST(Guide, ShowsNoPathOfTheFolderItWasMadeIn) {
  QTemporaryDir tmp;
  ASSERT_TRUE(tmp.isValid());
  const QString progA = tmp.path() + "/a/pinzola";
  const QString progB = tmp.path() + "/a-much-longer-folder-name/with/more/levels/pinzola";
  ASSERT_TRUE(copyProgram(progA));
  ASSERT_TRUE(copyProgram(progB));
  ASSERT_TRUE(writeGuide(progA, progA + "/docs"));
  ASSERT_TRUE(writeGuide(progB, progB + "/docs"));

  int compared = 0;
  QDirIterator it(progA + "/docs", QDir::Files, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QString a = it.next();
    const QString rel = QDir(progA + "/docs").relativeFilePath(a);
    const QByteArray bytesA = contents(a);
    EXPECT_FALSE(bytesA.contains(tmp.path().toUtf8())) << rel.toStdString();
    EXPECT_TRUE(bytesA == contents(progB + "/docs/" + rel)) << rel.toStdString() << " depends on the folder";
    ++compared;
  }
  EXPECT_GT(compared, 20);
}

}  // namespace
}  // namespace pz
