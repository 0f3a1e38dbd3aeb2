#include "platform/process.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace pz {

bool startProgram(const QString& program, const QStringList& args) {
  if (!QFileInfo(program).isExecutable()) return false;
  return QProcess::startDetached(program, args);
}

bool openWithDesktop(const QString& path) { return QDesktopServices::openUrl(QUrl::fromLocalFile(path)); }

}  // namespace pz
