// Starting another program without a shell and without waiting for it.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QObject;

namespace pz {

// Starts `program` with `args` detached; false when it could not be started.
bool startProgram(const QString& program, const QStringList& args);

// Opens a file with the desktop's default handler; false on failure.
bool openWithDesktop(const QString& path);

// Opens a file with the desktop's default handler, without waiting for it.
// When no handler can open it (no opener at all, or the desktop's opener
// gives up), `noHandler` runs later from the event loop, unless `context`
// is gone by then.
void openWithDesktop(const QString& path, QObject* context, std::function<void()> noHandler);

}  // namespace pz
