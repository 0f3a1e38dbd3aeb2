#include "platform/jpeg.h"

#include <QCoreApplication>
#include <QFile>
#include <algorithm>
#include <turbojpeg.h>

#include "platform/bmp.h"

namespace pz {

namespace {

// The largest file the loader reads at all; a real picture is far smaller.
constexpr qint64 kMaxFileBytes = 256LL * 1024 * 1024;

struct TjHandle {
  tjhandle h;
  explicit TjHandle(tjhandle handle) : h(handle) {}
  ~TjHandle() {
    if (h) tjDestroy(h);
  }
  TjHandle(const TjHandle&) = delete;
  TjHandle& operator=(const TjHandle&) = delete;
};

void setError(QString* error, const QString& why) {
  if (error) *error = why;
}

bool looksLikeJpeg(const QByteArray& b) {
  return b.size() >= 3 && uchar(b[0]) == 0xFF && uchar(b[1]) == 0xD8 && uchar(b[2]) == 0xFF;
}

}  // namespace

std::optional<Surface> decodeJpeg(const QByteArray& bytes, QString* error) {
  if (!looksLikeJpeg(bytes)) return setError(error, QCoreApplication::translate("pz::Platform", "not a JPEG file")), std::nullopt;
  if (bytes.size() > kMaxFileBytes) return setError(error, QCoreApplication::translate("pz::Platform", "file too large")), std::nullopt;
  TjHandle tj(tjInitDecompress());
  if (!tj.h) return setError(error, QCoreApplication::translate("pz::Platform", "no JPEG decoder")), std::nullopt;

  auto* data = reinterpret_cast<const unsigned char*>(bytes.constData());
  const unsigned long size = static_cast<unsigned long>(bytes.size());
  int w = 0, h = 0, subsamp = 0, colorspace = 0;
  if (tjDecompressHeader3(tj.h, data, size, &w, &h, &subsamp, &colorspace) != 0)
    return setError(error, QString::fromLatin1(tjGetErrorStr2(tj.h))), std::nullopt;
  if (w <= 0 || h <= 0 || w > kMaxImageSide || h > kMaxImageSide || qint64(w) * h > kMaxImagePixels)
    return setError(error, QCoreApplication::translate("pz::Platform", "picture too large")), std::nullopt;
  if (colorspace == TJCS_CMYK || colorspace == TJCS_YCCK)
    return setError(error, QCoreApplication::translate("pz::Platform", "CMYK pictures are not supported")), std::nullopt;

  Surface out(w, h, kWhite);
  auto* dst = reinterpret_cast<unsigned char*>(out.row(0));
  const int pitch = int(out.image().bytesPerLine());
  // Warnings (premature end of data, corrupt segments) are failures: a
  // half-grey picture must not replace the one being painted. The scan limit
  // keeps hostile progressive files from running for minutes.
  const int flags = TJFLAG_ACCURATEDCT | TJFLAG_STOPONWARNING | TJFLAG_LIMITSCANS;
  if (tjDecompress2(tj.h, data, size, dst, w, pitch, h, TJPF_RGBX, flags) != 0)
    return setError(error, QString::fromLatin1(tjGetErrorStr2(tj.h))), std::nullopt;
  // The padding byte must be opaque, as every surface word is.
  for (int y = 0; y < h; ++y) {
    std::uint32_t* row = out.row(y);
    for (int x = 0; x < w; ++x) row[x] |= 0xFF000000u;
  }
  return out;
}

QByteArray encodeJpeg(const Surface& s, int quality, QString* error) {
  if (s.isNull()) return setError(error, QCoreApplication::translate("pz::Platform", "empty picture")), QByteArray();
  TjHandle tj(tjInitCompress());
  if (!tj.h) return setError(error, QCoreApplication::translate("pz::Platform", "no JPEG encoder")), QByteArray();
  unsigned char* buf = nullptr;
  unsigned long len = 0;
  const auto* src = reinterpret_cast<const unsigned char*>(s.row(0));
  const int pitch = int(s.image().bytesPerLine());
  const int q = std::clamp(quality, 1, 100);
  if (tjCompress2(tj.h, src, s.width(), pitch, s.height(), TJPF_RGBX, &buf, &len, TJSAMP_444, q,
                  TJFLAG_ACCURATEDCT) != 0) {
    setError(error, QString::fromLatin1(tjGetErrorStr2(tj.h)));
    tjFree(buf);
    return QByteArray();
  }
  QByteArray out(reinterpret_cast<const char*>(buf), qsizetype(len));
  tjFree(buf);
  return out;
}

std::optional<Surface> NViewLibLoad(const QString& path, int /*flag*/, QString* error) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly))
    return setError(error, QCoreApplication::translate("pz::Platform", "Cannot open file %1").arg(path)), std::nullopt;
  if (f.size() > kMaxFileBytes)
    return setError(error, QCoreApplication::translate("pz::Platform", "%1 is too large to be a picture.").arg(path)), std::nullopt;
  const QByteArray bytes = f.readAll();
  if (f.error() != QFileDevice::NoError)
    return setError(error, QCoreApplication::translate("pz::Platform", "Cannot read file %1").arg(path)), std::nullopt;
  QString why;
  std::optional<Surface> s;
  if (looksLikeJpeg(bytes))
    s = decodeJpeg(bytes, &why);
  else if (bytes.startsWith("BM"))
    s = decodeBmp(bytes, &why);
  else
    why = QCoreApplication::translate("pz::Platform", "not a BMP or JPEG picture");
  if (!s) setError(error, QCoreApplication::translate("pz::Platform", "%1 cannot be opened as a picture (%2).").arg(path, why));
  return s;
}

bool NViewLibSaveAsJPG(int quality, const QString& path, const Surface& image, QString* error) {
  QString why;
  const QByteArray bytes = encodeJpeg(image, quality, &why);
  if (bytes.isEmpty()) return setError(error, why), false;
  QFile f(path);
  if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return setError(error, f.errorString()), false;
  const bool wrote = f.write(bytes) == bytes.size() && f.flush();
  f.close();
  if (!wrote || f.error() != QFileDevice::NoError) return setError(error, f.errorString()), false;
  return true;
}

}  // namespace pz
