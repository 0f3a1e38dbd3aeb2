// Listing the data folders the way the programs always have: names matched
// without regard to case, in the order the file system returns them.
#pragma once

#include <QString>
#include <QStringList>

namespace pz {

// File names (not paths) in `dir` whose extension equals `extension`
// (e.g. "bmp"), compared without regard to case, in directory order.
QStringList listFolder(const QString& dir, const QString& extension);

// A listed name cut at its last "." ("my.cat.jpg" -> "my.cat").
QString displayName(const QString& fileName);

// The name a file really has in `dir` when `name` matches it without regard
// to case; `name` itself when nothing matches.
QString findOnDisk(const QString& dir, const QString& name);

// The folder of the running executable, without a trailing separator.
QString programFolder();

}  // namespace pz
