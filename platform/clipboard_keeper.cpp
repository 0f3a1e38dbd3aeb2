#include "platform/clipboard_keeper.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QProcess>
#include <QTemporaryFile>
#include <QThread>

#include "platform/bmp.h"

#if __has_include(<xcb/xcb.h>)
#include <xcb/xcb.h>
#define PINZ_HAVE_XCB 1
#endif

namespace pz {

namespace {
#ifdef PINZ_HAVE_XCB
xcb_connection_t* x11Connection() {
  if (QGuiApplication::platformName() != QLatin1String("xcb")) return nullptr;
  auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  return x11 ? x11->connection() : nullptr;
}
#endif
}  // namespace

bool clipboardManagerRunning() {
#ifdef PINZ_HAVE_XCB
  xcb_connection_t* c = x11Connection();
  if (!c) return false;
  static const char kName[] = "CLIPBOARD_MANAGER";
  xcb_intern_atom_reply_t* atom =
      xcb_intern_atom_reply(c, xcb_intern_atom(c, 1, sizeof kName - 1, kName), nullptr);
  if (!atom) return false;
  const xcb_atom_t a = atom->atom;
  free(atom);
  if (a == XCB_ATOM_NONE) return false;
  xcb_get_selection_owner_reply_t* owner =
      xcb_get_selection_owner_reply(c, xcb_get_selection_owner(c, a), nullptr);
  if (!owner) return false;
  const bool running = owner->owner != XCB_NONE;
  free(owner);
  return running;
#else
  return false;
#endif
}

bool keepClipboardAfterExit(const QString& keeperPath) {
#ifdef PINZ_HAVE_XCB
  if (!x11Connection()) return false;
  QClipboard* cb = QGuiApplication::clipboard();
  if (!cb->ownsClipboard()) return false;
  const QMimeData* m = cb->mimeData();
  if (!m || !m->hasImage()) return false;
  if (clipboardManagerRunning()) return false;  // Qt hands it over on exit
  const QImage img = cb->image();
  if (img.isNull()) return false;

  // Hand the bitmap over through a private file; the keeper deletes it.
  QTemporaryFile file(QDir::tempPath() + QStringLiteral("/pinz-clip-XXXXXX.bmp"));
  file.setAutoRemove(false);
  if (!file.open()) return false;
  const QByteArray bytes = encodeBmp24(Surface(img));
  const bool written = file.write(bytes) == bytes.size();
  file.close();
  const QString program =
      keeperPath.isEmpty() ? QCoreApplication::applicationDirPath() + QStringLiteral("/pinz-clipkeep") : keeperPath;
  QProcess keeper;
  keeper.setProgram(program);
  keeper.setArguments({file.fileName()});
  // No inherited output channels: whoever waits on ours must not wait on the keeper.
  keeper.setStandardInputFile(QProcess::nullDevice());
  keeper.setStandardOutputFile(QProcess::nullDevice());
  keeper.setStandardErrorFile(QProcess::nullDevice());
  if (!written || !keeper.startDetached()) {
    QFile::remove(file.fileName());
    return false;
  }
  // Stay until the keeper owns the clipboard, so there is no moment in which
  // the bitmap is gone.
  QDeadlineTimer deadline(3000);
  while (cb->ownsClipboard() && !deadline.hasExpired()) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QThread::msleep(5);
  }
  return !cb->ownsClipboard();
#else
  Q_UNUSED(keeperPath);
  return false;
#endif
}

}  // namespace pz
