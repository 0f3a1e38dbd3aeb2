#include "platform/application.h"

#include <QCoreApplication>
#include <QScreen>

#include "platform/prompt.h"

namespace pz {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {}

void showError(const QString& text) { prompter().info(text); }

bool Application::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const Error& e) {
    showError(e.text());
  } catch (const std::bad_alloc&) {
    showError(QCoreApplication::translate("pz::Platform", "Out of memory."));
  } catch (const std::exception& e) {
    showError(QString::fromLocal8Bit(e.what()));
  }
  return false;
}

}  // namespace pz

namespace pz {

double displayFontDpi(double logicalDpi, double devicePixelRatio, double forcedFactor) {
  if (!(forcedFactor > 0)) forcedFactor = 1;
  return logicalDpi * devicePixelRatio / forcedFactor;
}

double displayFontDpi(const QScreen* screen) {
  if (!screen) return 96;
  // With per-screen factors forced, Qt reports its base 96 and no longer
  // tells what the display asks for; the user has chosen the scale there.
  if (!qEnvironmentVariable("QT_SCREEN_SCALE_FACTORS").isEmpty()) return screen->logicalDotsPerInch();
  bool ok = false;
  double forced = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&ok);
  if (!ok) forced = 1;
  return displayFontDpi(screen->logicalDotsPerInch(), screen->devicePixelRatio(), forced);
}

}  // namespace pz
