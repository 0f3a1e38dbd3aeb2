// pinz-video: makes a numbered test video, or reads the frame number back from
// a picture (for the end-to-end tests, which check the clipboard's image).
//   pinz-video make CODEC WIDTH HEIGHT FRAMES [DROPPED,...]   prints the path
//   pinz-video make-stream CONTAINER CODEC WIDTH HEIGHT FRAMES [TURN]
//                                               (MP4 family, Matroska, WebM) prints the path
//   pinz-video read PICTURE                     prints the frame number or -1
#include <QImage>
#include <QString>
#include <QStringList>
#include <cstdio>
#include <cstring>
#include <string>

#include "tests/support/stream_maker.h"
#include "tests/support/video_maker.h"

int main(int argc, char** argv) {
  if ((argc == 6 || argc == 7) && std::strcmp(argv[1], "make") == 0) {
    for (pztest::Codec c : pztest::allCodecs()) {
      if (std::strcmp(argv[2], pztest::codecName(c)) != 0) continue;
      pztest::VideoRecipe recipe{c, std::atoi(argv[3]), std::atoi(argv[4]), std::atoi(argv[5]), {}};
      if (argc == 7)
        for (const QString& d : QString(argv[6]).split(',', Qt::SkipEmptyParts)) recipe.dropped.push_back(d.toInt());
      std::printf("%s\n", pztest::makeVideo(recipe).c_str());
      return 0;
    }
    std::fprintf(stderr, "unknown codec %s\n", argv[2]);
    return 2;
  }
  if ((argc == 7 || argc == 8) && std::strcmp(argv[1], "make-stream") == 0) {
    pztest::StreamRecipe r;
    bool known = false;
    for (auto c : {pztest::Container::Mp4, pztest::Container::M4v, pztest::Container::Mov, pztest::Container::ThreeGp,
                   pztest::Container::Mkv, pztest::Container::WebM})
      if (std::strcmp(argv[2], pztest::containerName(c)) == 0) r.container = c, known = true;
    for (auto k : {pztest::StreamCodec::H264, pztest::StreamCodec::H264BFrames, pztest::StreamCodec::Hevc,
                   pztest::StreamCodec::Hevc10, pztest::StreamCodec::Mpeg4, pztest::StreamCodec::H263,
                   pztest::StreamCodec::Vp8, pztest::StreamCodec::Vp9, pztest::StreamCodec::Av1})
      if (std::strcmp(argv[3], pztest::streamCodecName(k)) == 0) r.codec = k;
    r.width = std::atoi(argv[4]);
    r.height = std::atoi(argv[5]);
    r.frames = std::atoi(argv[6]);
    if (argc == 8) r.turn = std::atoi(argv[7]);
    if (!known) {
      std::fprintf(stderr, "unknown container %s\n", argv[2]);
      return 2;
    }
    std::printf("%s\n", pztest::makeStreamVideo(r).c_str());
    return 0;
  }
  if (argc == 3 && std::strcmp(argv[1], "read") == 0) {
    QImage img(QString::fromLocal8Bit(argv[2]));
    if (img.isNull()) {
      std::fprintf(stderr, "cannot read %s\n", argv[2]);
      return 2;
    }
    std::printf("%d\n", pztest::readFrameCode(pz::Surface(img)));
    return 0;
  }
  std::fprintf(stderr, "usage: pinz-video make CODEC W H FRAMES | make-stream CONTAINER CODEC W H FRAMES [TURN] | read PICTURE\n");
  return 2;
}
