// Starting the companion program PinzFX on one of its pages.
#pragma once

#include <QString>
#include <QStringList>

namespace pz {

// The program and its single argument: programDir/pinzfx with A (a video
// frame), T (text) or W (a metafile).
struct CompanionCommand {
  QString program;
  QStringList arguments;
};
CompanionCommand pinzfxCommand(const QString& programDir, char letter);

// Starts PinzFX detached, without a shell, so a program folder with blanks
// or shell characters in its name works. A missing pinzfx is not reported.
bool startPinzfx(const QString& programDir, char letter);

}  // namespace pz
