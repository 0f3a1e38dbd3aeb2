#include "fx/modal.h"

#include <QTimer>

namespace fx {

std::function<void(QDialog*)> modalHook;

int execModal(QDialog* dialog) {
  if (modalHook) {
    // Run the hook from inside the dialog's own loop, as a user would act.
    auto hook = modalHook;
    QTimer::singleShot(0, dialog, [hook, dialog] {
      hook(dialog);
      if (dialog->isVisible()) dialog->reject();
    });
  }
  return dialog->exec();
}

}  // namespace fx
