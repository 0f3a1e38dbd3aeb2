// Our small image library: reading pictures (JPEG or BMP, told apart by their
// first bytes) and writing JPEG, over libjpeg-turbo's TurboJPEG interface.
//
// Saved pictures are written at quality 100 with 4:4:4 chroma (no chroma
// subsampling), so a colour filled with the bucket comes back as close to the
// colour painted as JPEG allows; the clean-up pass on opening snaps the near
// black and near white back.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "platform/surface.h"

namespace pz {

// Decodes a JPEG held in memory. Anything that does not decode completely
// (corrupt, truncated, a warning from the decoder, larger than the reader's
// limits of bmp.h) gives nothing; *error then holds a short reason.
std::optional<Surface> decodeJpeg(const QByteArray& bytes, QString* error = nullptr);

// Encodes at the given quality (1..100) with 4:4:4 chroma. Empty on failure.
QByteArray encodeJpeg(const Surface& s, int quality, QString* error = nullptr);

// Loads an image file, JPEG or BMP by content. The flag is kept for the
// callers' sake and means nothing. A file that is missing, unreadable, not a
// picture or absurdly large gives nothing and a message naming the file.
std::optional<Surface> NViewLibLoad(const QString& path, int flag = 0, QString* error = nullptr);

// Writes `image` as a JPEG file at `quality`, replacing a file of that name.
// The bytes are written in full before the call returns; false (and a reason)
// when they could not be. Writing is not atomic: callers that must never leave
// a half-written file write to a temporary name and rename (see paint/files).
bool NViewLibSaveAsJPG(int quality, const QString& path, const Surface& image, QString* error = nullptr);

}  // namespace pz
