#include "platform/process.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>

namespace pz {

bool startProgram(const QString& program, const QStringList& args) {
  if (!QFileInfo(program).isExecutable()) return false;
  return QProcess::startDetached(program, args);
}

bool openWithDesktop(const QString& path) { return QDesktopServices::openUrl(QUrl::fromLocalFile(path)); }

void openWithDesktop(const QString& path, QObject* context, std::function<void()> noHandler) {
  auto failed = [context, noHandler = std::move(noHandler)] {
    QTimer::singleShot(0, context, noHandler);
  };
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
  // Qt hands the file to xdg-open and counts it a success once xdg-open
  // runs, even when xdg-open then finds nothing to open it with. Its exit
  // status tells; a browser it starts may hold it until the browser closes.
  const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
  if (!opener.isEmpty()) {
    // Not parented: a page still open in a browser must outlive Pinzola.
    auto* p = new QProcess;
    p->setProgram(opener);
    p->setArguments({QUrl::fromLocalFile(path).toString()});
    p->setStandardOutputFile(QProcess::nullDevice());
    p->setStandardErrorFile(QProcess::nullDevice());
    QObject::connect(p, &QProcess::finished, p, [p, failed](int code, QProcess::ExitStatus status) {
      if (status != QProcess::NormalExit || code != 0) failed();
      p->deleteLater();
    });
    QObject::connect(p, &QProcess::errorOccurred, p, [p, failed](QProcess::ProcessError e) {
      if (e != QProcess::FailedToStart) return;
      failed();
      p->deleteLater();
    });
    p->start();
    return;
  }
#endif
  if (!openWithDesktop(path)) failed();
}

}  // namespace pz
