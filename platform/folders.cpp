#include "platform/folders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <dirent.h>

namespace pz {

QStringList listFolder(const QString& dir, const QString& extension) {
  QStringList out;
  const QByteArray native = QFile::encodeName(dir);
  DIR* d = opendir(native.constData());
  if (!d) return out;
  const QString suffix = QLatin1Char('.') + extension;
  while (dirent* e = readdir(d)) {
    const QString name = QFile::decodeName(e->d_name);
    if (name.size() <= suffix.size() || !name.endsWith(suffix, Qt::CaseInsensitive)) continue;
    if (!QFileInfo(dir + QLatin1Char('/') + name).isFile()) continue;
    out << name;
  }
  closedir(d);
  return out;
}

QString displayName(const QString& fileName) {
  const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
  return dot < 0 ? fileName : fileName.left(dot);
}

QString findOnDisk(const QString& dir, const QString& name) {
  if (QFileInfo::exists(dir + QLatin1Char('/') + name)) return name;
  const QStringList all = QDir(dir).entryList(QDir::Files | QDir::Hidden | QDir::System);
  for (const QString& n : all)
    if (n.compare(name, Qt::CaseInsensitive) == 0) return n;
  return name;
}

QString programFolder() {
  QString dir = QCoreApplication::applicationDirPath();
  while (dir.size() > 1 && dir.endsWith(QLatin1Char('/'))) dir.chop(1);
  return dir;
}

}  // namespace pz
