// The data folders of Pinzola and the plain work behind opening and saving:
// paths, name checks, decoding a chosen picture, the colour clean-up pass and
// the all-or-nothing save.
#pragma once

#include <QString>
#include <functional>
#include <optional>

#include "platform/surface.h"

namespace pz {

// Sub-folders of the program folder.
inline const QString kDrawingsFolder = QStringLiteral("/bmps/");
inline const QString kUserFolder = QStringLiteral("/user/");
inline const QString kPalettesFolder = QStringLiteral("/palettes/");

// The file in `dir` (ending in "/") called base + "." + ext where the
// extension may be written in any case on disk ("x.BMP" for "x" + "bmp").
// The path as it is on disk, or dir + base + "." + ext when none exists.
QString pathOnDisk(const QString& dir, const QString& base, const QString& ext);

// A name typed for a saved picture that cannot be used as one: it would leave
// user/ ("/", "." or "..") or cannot be a file name (control characters, too
// long), or one of blanks only, which the list would show as an empty line.
// Empty when the name is fine, else the message to show.
QString pictureNameProblem(const QString& name);

// Decodes the picture at `path` (BMP or JPEG). Nothing and a message naming
// the file when it is missing, not a picture or too large.
std::optional<Surface> readPicture(const QString& path, QString* message);

// Snaps near-black pixels (all three channels below 30) to black and
// near-white ones (all three above 245) to white. Columns are done left to
// right; `progress` gets the percentage after each column whose percentage
// differs from the previous one (whole part of x * (100 / width), the factor
// in single precision), so a label shown with it repaints only on change.
void cleanUpColors(Surface& s, const std::function<void(int percent)>& progress = {});

// Writes `picture` as a quality-100 JPEG to `path` without ever leaving a
// half-written file: the bytes go to a hidden temporary file in the same
// folder, which is renamed over `path` only when complete. On failure the
// file at `path` is untouched, the temporary file is gone, and *message says
// what went wrong.
bool savePictureJpeg(const Surface& picture, const QString& path, QString* message);

// Deletes the temporary files that saves killed half-way left in `dir`
// (user/), leaving those of saves still running in another Pinzola. Returns
// how many were removed.
int removeUnfinishedSaves(const QString& dir);

}  // namespace pz
