#include "fx/fxstate.h"

namespace fx {

int pageForLaunchArg(bool given, const QString& arg) {
  if (!given) return PageNone;
  const QString up = arg.toUpper();
  if (up == QLatin1String("A")) return PageVideo;
  if (up == QLatin1String("T")) return PageText;
  if (up == QLatin1String("W")) return PageMetafile;
  return PageNone;
}

}  // namespace fx
