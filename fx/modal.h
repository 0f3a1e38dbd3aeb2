// Modal windows of PinzFX go through execModal so that tests can reach them:
// when modalHook is set, each modal window is handed to it right after it is
// shown (the hook may click in it and close it).
#pragma once

#include <QDialog>
#include <functional>

namespace fx {

extern std::function<void(QDialog*)> modalHook;
int execModal(QDialog* dialog);

}  // namespace fx
