// The program's own pictures, drawn by code so that every build makes the
// same files.
#pragma once

#include <QString>

namespace pz::art {

// Writes every art file into `dir`; false when one could not be written.
bool writeAll(const QString& dir);

}  // namespace pz::art
