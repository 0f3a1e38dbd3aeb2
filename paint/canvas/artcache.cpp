#include "paint/canvas/artcache.h"

#include <QCoreApplication>

#include "platform/bmp.h"

namespace pz {

const QStringList& ArtCache::names() {
  static const QStringList all = {"a1.pzl",  "a2.pzl",  "a3.pzl",  "a4.pzl",  "a5.pzl",
                                  "a6.pzl",  "a7.pzl",  "a8.pzl",  "a9.pzl",  "a10.pzl",
                                  "a11.pzl", "a12.pzl", "a14.pzl", "a15.pzl", "a17.pzl"};
  return all;
}

std::optional<ArtCache> ArtCache::load(const QString& dir, QString* error) {
  ArtCache cache;
  for (const QString& name : names()) {
    const QString path = dir + QLatin1Char('/') + name;
    QString why;
    auto s = readBmp(path, &why);
    if (!s) {
      if (error) *error = QCoreApplication::translate("pz::Canvas", "Pinzola cannot start: the art file %1 is missing or unreadable (%2).").arg(path, why);
      return std::nullopt;
    }
    cache.files_.insert(name, std::move(*s));
  }
  return cache;
}

const Surface& ArtCache::get(const QString& name) const {
  static const Surface empty;
  auto it = files_.constFind(name);
  return it == files_.constEnd() ? empty : it.value();
}

}  // namespace pz
