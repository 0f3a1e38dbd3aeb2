#include "paint/files/selection.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "paint/tools/colour.h"
#include "platform/bmp.h"

namespace pz {

const char* const kTextureQuestion =
    QT_TRANSLATE_NOOP("pz::Files", "Textures are limited to 50x50. Your bitmap will take the top left 50x50 as the texture. OK?");

Rect selectionRect(const PaintState& st) {
  return {st.selPicture.left, st.selPicture.top, st.selPicture.right, st.selPicture.bottom};
}

Surface pictureBlock(const Surface& picture, const Rect& r) { return picture.copy(r, kWhite); }

void clearSelection(PaintState& st) { st.pictureBmp.fillRect(selectionRect(st), kWhite); }

QString drawTextureName() {
  QString name;
  name.reserve(8);
  for (int i = 0; i < 8; ++i) {
    const int r1 = int(nextRandom());
    QChar letter = QChar('A' + r1 % 26);
    const int r2 = int(nextRandom());
    if (r2 % 10 < 5) letter = letter.toLower();
    name.append(letter);
  }
  return name;
}

QString newTexturePath(const QString& textureDir, std::uint64_t seed) {
  // The state becomes the clock's seconds, upper half 0.
  setRandomState(seed);
  // The names come from 52^8 possibilities, so a handful of tries is plenty;
  // the bound only keeps a broken folder from looping for ever.
  for (int attempt = 0; attempt < 1000; ++attempt) {
    const QString path = textureDir + QLatin1Char('/') + drawTextureName() + QStringLiteral(".bmp");
    if (!QFileInfo::exists(path)) return path;
  }
  return QString();
}

bool writeSelectionTexture(const PaintState& st, const QString& path) {
  if (path.isEmpty()) return false;
  QDir().mkpath(QFileInfo(path).absolutePath());
  const Surface block = pictureBlock(
      st.pictureBmp, {st.selPicture.left, st.selPicture.top, st.selPicture.left + kTextureSide,
                      st.selPicture.top + kTextureSide});
  return writeBmp24(path, block);
}

}  // namespace pz
