#include "paint/files/pinzfx_start.h"

#include "platform/process.h"

namespace pz {

CompanionCommand pinzfxCommand(const QString& programDir, char letter) {
  return {programDir + QStringLiteral("/pinzfx"), {QString(QChar(letter))}};
}

bool startPinzfx(const QString& programDir, char letter) {
  const CompanionCommand c = pinzfxCommand(programDir, letter);
  return startProgram(c.program, c.arguments);
}

}  // namespace pz
