// Starting another program without a shell and without waiting for it.
#pragma once

#include <QString>
#include <QStringList>

namespace pz {

// Starts `program` with `args` detached; false when it could not be started.
bool startProgram(const QString& program, const QStringList& args);

// Opens a file with the desktop's default handler; false on failure.
bool openWithDesktop(const QString& path);

}  // namespace pz
