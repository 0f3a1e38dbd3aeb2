// PinzFX: started by Pinzola with one letter (A, T or W) that picks its page.
#include <QScreen>

#include "fx/pamain.h"
#include "platform/application.h"
#include "platform/clipboard_keeper.h"
#include "platform/folders.h"
#include "platform/language.h"
#include "platform/widgetmap.h"

int main(int argc, char** argv) {
  pz::Application app(argc, argv);
  pz::installLanguage(pz::languageFromEnvironment(), pz::translationsFolder(pz::programFolder()));
  // Only the application name: a display name would be appended to every
  // window caption by the window system integration.
  QCoreApplication::setApplicationName(QStringLiteral("PinzFX"));
  QStringList args = QCoreApplication::arguments();
  args.removeFirst();
  int rc = 0;
  {
    fx::Tpamain pamain(args);
    // Also fills the screen where no window manager maximizes it.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) pamain.setGeometry(screen->availableGeometry());
    pamain.showMaximized();
    pz::watchWidgetMap();
    rc = app.exec();
  }
  // The last copy must outlive the program: Pinzola pastes it after we are gone.
  pz::keepClipboardAfterExit();
  return rc;
}
