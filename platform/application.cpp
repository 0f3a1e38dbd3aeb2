#include "platform/application.h"

#include <QCoreApplication>

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
