// Starting PinzFX: the program beside pinz, one letter, no shell.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include "paint/files/pinzfx_start.h"

namespace pz {
namespace {

TEST(PinzfxCommand, TheProgramFolderAndTheSingleLetter) {
  for (char letter : {'A', 'T', 'W'}) {
    const CompanionCommand c = pinzfxCommand(QStringLiteral("/opt/Paint"), letter);
    EXPECT_EQ(c.program, QStringLiteral("/opt/Paint/pinzfx"));
    EXPECT_EQ(c.arguments, QStringList{QString(QChar(letter))});
  }
}

TEST(PinzfxStart, WorksFromAFolderWithBlanksAndShellCharacters) {
  QTemporaryDir root;
  const QString folder = root.path() + "/my paint; $(touch oops) 'x'";
  ASSERT_TRUE(QDir().mkpath(folder));
  const QString out = root.path() + "/args.txt";
  {
    QFile script(folder + "/pinzfx");
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write(QStringLiteral("#!/bin/sh\nprintf '%s|' \"$#\" \"$@\" > '%1.tmp' && mv '%1.tmp' '%1'\n")
                     .arg(out)
                     .toUtf8());
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  }
  ASSERT_TRUE(startPinzfx(folder, 'T'));
  QElapsedTimer t;
  t.start();
  while (!QFile::exists(out) && t.elapsed() < 10000) QThread::msleep(20);
  QFile f(out);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.readAll(), QByteArray("1|T|"));
  EXPECT_FALSE(QFile::exists(QDir::currentPath() + "/oops"));
}

TEST(PinzfxStart, AMissingProgramIsNotAnError) {
  QTemporaryDir root;
  EXPECT_FALSE(startPinzfx(root.path(), 'A'));
}

}  // namespace
}  // namespace pz
