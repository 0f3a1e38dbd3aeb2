// Keeping the clipboard's content alive after the program that copied it ends.
//
// On X11 the clipboard's content lives in the program that copied it. Where a
// clipboard manager runs, Qt hands the content over to it when the application
// object is destroyed. Where none runs, the small program `pinz-clipkeep`
// (beside the executables) is started detached, takes over the bitmap and
// serves it until another program takes the clipboard.
#pragma once

#include <QString>

namespace pz {

// True when a clipboard manager owns the X11 CLIPBOARD_MANAGER selection.
bool clipboardManagerRunning();

// Call once the main window has closed, while the application object still
// exists. Does nothing unless this program owns a bitmap on an X11 clipboard
// that no manager will take. Returns true when a keeper took it over.
// `keeperPath` defaults to pinz-clipkeep in the executable's folder.
bool keepClipboardAfterExit(const QString& keeperPath = QString());

}  // namespace pz
