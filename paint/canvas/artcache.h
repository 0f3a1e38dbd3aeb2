// The art files of the program folder (a1.pzl ... a17.pzl), read once at
// start-up so that a missing file is reported before any window is built.
#pragma once

#include <QHash>
#include <QString>
#include <optional>

#include "platform/surface.h"

namespace pz {

class ArtCache {
 public:
  // Reads every art file from `dir`; on failure sets *error to a message
  // naming the file and returns nothing.
  static std::optional<ArtCache> load(const QString& dir, QString* error);

  // The art file `name` ("a4.pzl"); an empty surface for an unknown name.
  const Surface& get(const QString& name) const;

  static const QStringList& names();

 private:
  QHash<QString, Surface> files_;
};

}  // namespace pz
