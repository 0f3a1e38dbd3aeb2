#include "paint/files/picture_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "platform/folders.h"
#include "platform/jpeg.h"

namespace pz {

QString pathOnDisk(const QString& dir, const QString& base, const QString& ext) {
  const QString wanted = base + QLatin1Char('.') + ext;
  if (QFileInfo::exists(dir + wanted)) return dir + wanted;
  // Only the extension may differ in case: "Cat" must not find "cat.jpg".
  QString folder = dir;
  if (folder.endsWith(QLatin1Char('/'))) folder.chop(1);
  for (const QString& n : listFolder(folder, ext))
    if (n.size() == wanted.size() && n.startsWith(base + QLatin1Char('.'))) return dir + n;
  return dir + wanted;
}

QString pictureNameProblem(const QString& name) {
  const QString rules = QCoreApplication::translate("pz::Files",
      "A picture's name cannot contain \"/\" or control characters and cannot be \".\" or \"..\". "
      "Please choose another name.");
  if (name == QLatin1String(".") || name == QLatin1String("..")) return rules;
  // Such a name makes a file that the list of saved pictures shows as an
  // empty line.
  if (!name.isEmpty() && std::all_of(name.begin(), name.end(), [](QChar c) { return c.isSpace(); }))
    return QCoreApplication::translate("Tsaveuser",
                                       "A picture's name cannot be only blanks. Please choose another name.");
  for (QChar c : name)
    if (c == QLatin1Char('/') || c.category() == QChar::Other_Control || c == QChar(0)) return rules;
  // The file name with its extension must fit what the file system takes.
  if (QFile::encodeName(name + QStringLiteral(".jpg")).size() > 255)
    return QCoreApplication::translate("pz::Files", "That name is too long for a picture. Please choose a shorter name.");
  return {};
}

std::optional<Surface> readPicture(const QString& path, QString* message) {
  QString why;
  auto s = NViewLibLoad(path, 0, &why);
  if (!s && message)
    *message = QCoreApplication::translate("pz::Files", "%1\n\nThe picture you are painting has not been changed.").arg(why);
  return s;
}

void cleanUpColors(Surface& s, const std::function<void(int)>& progress) {
  const int W = s.width(), H = s.height();
  if (W <= 0 || H <= 0) return;
  const float factor = 100.0f / float(W);
  auto percentAt = [factor](int x) { return int(float(x) * factor); };
  // Each pixel is treated on its own, so the columns of one percentage are
  // done together, row by row, which keeps the pass cache-friendly while the
  // label still counts as it would column by column.
  int x0 = 0;
  while (x0 < W) {
    const int p = percentAt(x0);
    int x1 = x0 + 1;
    while (x1 < W && percentAt(x1) == p) ++x1;
    for (int y = 0; y < H; ++y) {
      std::uint32_t* row = s.row(y);
      for (int x = x0; x < x1; ++x) {
        const std::uint32_t v = row[x];
        const unsigned r = v & 0xFF, g = (v >> 8) & 0xFF, b = (v >> 16) & 0xFF;
        if (r < 30 && g < 30 && b < 30)
          row[x] = toRaw(kBlack);
        else if (r > 245 && g > 245 && b > 245)
          row[x] = toRaw(kWhite);
      }
    }
    if (progress) progress(p);
    x0 = x1;
  }
}

namespace {

// Leftovers of saves that never finished start with this; the name is hidden
// and has no ".jpg" ending, so no folder listing of the program shows it.
const QString kSavePrefix = QStringLiteral(".pinzola-save-");

// Makes the rename itself survive a power cut, not only the file's bytes.
void syncFolder(const QString& dir) {
  const int fd = ::open(QFile::encodeName(dir).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

bool savePictureJpeg(const Surface& picture, const QString& path, QString* message) {
  auto failed = [&](const QString& why) {
    if (message)
      *message = QCoreApplication::translate("pz::Files",
                                         "Cannot save the picture as %1 (%2). Nothing was written: an earlier "
                                         "picture of that name is unchanged, and the picture you are painting is still here.")
                     .arg(path, why);
    return false;
  };
  QString why;
  const QByteArray bytes = encodeJpeg(picture, 100, &why);
  if (bytes.isEmpty()) return failed(why);

  const QFileInfo target(path);
  QTemporaryFile tmp(target.absolutePath() + QLatin1Char('/') + kSavePrefix + QStringLiteral("XXXXXX"));
  if (!tmp.open()) return failed(QCoreApplication::translate("pz::Files", "the folder cannot be written to: %1").arg(tmp.errorString()));
  // Held until the process ends, so removeUnfinishedSaves in another running
  // Pinzola can tell this save from the leftover of a killed one.
  ::flock(tmp.handle(), LOCK_EX);
  if (tmp.write(bytes) != bytes.size() || !tmp.flush()) return failed(tmp.errorString());
  if (::fsync(tmp.handle()) != 0) return failed(QString::fromLocal8Bit(std::strerror(errno)));
  tmp.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                     QFileDevice::ReadOther);
  const QByteArray from = QFile::encodeName(tmp.fileName());
  const QByteArray to = QFile::encodeName(target.absoluteFilePath());
  if (std::rename(from.constData(), to.constData()) != 0)
    return failed(QString::fromLocal8Bit(std::strerror(errno)));
  tmp.setAutoRemove(false);  // it is the picture now
  syncFolder(target.absolutePath());
  return true;
}

int removeUnfinishedSaves(const QString& dir) {
  int removed = 0;
  const QDir folder(dir);
  const QStringList names = folder.entryList({kSavePrefix + QLatin1Char('*')}, QDir::Files | QDir::Hidden | QDir::System);
  for (const QString& name : names) {
    const QByteArray path = QFile::encodeName(folder.filePath(name));
    const int fd = ::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) continue;
    // A save still running holds the lock; only a dead one's file is free.
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::unlink(path.constData()) == 0) ++removed;
    ::close(fd);
  }
  return removed;
}

}  // namespace pz
