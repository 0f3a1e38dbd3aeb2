#include "platform/video_device.h"

#include <QFile>
#include <algorithm>
#include <cstring>

#include "platform/surfacewidget.h"
#include "platform/video_decoder.h"
#include "platform/video_stream.h"

namespace pz {

namespace {

// Files the AVI reader takes (a RIFF header of form "AVI " and its
// relatives "AVIX", "AVI\x19", "AMV ", and On2's "ON2 ... ON2f") keep their own
// decoder, whose numbering rests on the AVI index; everything else is
// recognised by the container's own probing.
bool isAvi(const QString& fileName) {
  QFile f(fileName);
  char h[12];
  if (!f.open(QIODevice::ReadOnly) || f.read(h, 12) != 12) return false;
  if (std::memcmp(h, "ON2 ", 4) == 0) return std::memcmp(h + 8, "ON2f", 4) == 0;
  return std::memcmp(h, "RIFF", 4) == 0 && (std::memcmp(h + 8, "AVI", 3) == 0 || std::memcmp(h + 8, "AMV ", 4) == 0);
}

}  // namespace

VideoDevice::VideoDevice() = default;
VideoDevice::~VideoDevice() = default;

void VideoDevice::open(const QString& fileName) {
  // Built completely before it replaces anything: a failed open keeps the
  // earlier video.
  std::unique_ptr<VideoFrames> decoder;
  if (isAvi(fileName) || !QFile::exists(fileName)) {
    decoder = std::make_unique<VideoDecoder>(fileName);
  } else {
    decoder = std::make_unique<StreamDecoder>(fileName);
  }
  decoder_ = std::move(decoder);
  fileName_ = fileName;
  rect_ = {0, 0, decoder_->width(), decoder_->height()};
  show(1);
}

const VideoDecoder* VideoDevice::decoder() const { return dynamic_cast<const VideoDecoder*>(decoder_.get()); }
const StreamDecoder* VideoDevice::streamDecoder() const {
  return dynamic_cast<const StreamDecoder*>(decoder_.get());
}

void VideoDevice::close() {
  decoder_.reset();
  frame_.reset();
  fileName_.clear();
  position_ = 0;
  rect_ = {};
}

void VideoDevice::setDisplay(SurfaceWidget* display) { display_ = display; }

void VideoDevice::putDisplayRect(int left, int top, int width, int height) {
  if (width <= 0 || height <= 0) {
    width = naturalWidth();
    height = naturalHeight();
  }
  rect_ = {left, top, left + width, top + height};
}

int VideoDevice::length() const { return decoder_ ? decoder_->length() : 0; }
int VideoDevice::naturalWidth() const { return decoder_ ? decoder_->width() : 0; }
int VideoDevice::naturalHeight() const { return decoder_ ? decoder_->height() : 0; }

void VideoDevice::step(int frames) {
  if (!decoder_) return;
  show(position_ + frames);
}

void VideoDevice::seek(int position) {
  if (!decoder_) return;
  show(position);
}

void VideoDevice::show(int position) {
  position_ = std::clamp(position, 1, std::max(1, length()));
  frame_ = decoder_->frame(position_ - 1);
  draw();
}

void VideoDevice::draw() {
  if (!display_ || !frame_ || rect_.isEmpty()) return;
  Surface& s = display_->surface();
  stretchBlt(s, rect_.left, rect_.top, rect_.width(), rect_.height(), *frame_, 0, 0, frame_->width(),
             frame_->height());
  display_->show(rect_.intersected(s.bounds()));
}

Surface VideoDevice::shownFrame() const {
  if (!frame_ || rect_.isEmpty()) return {};
  Surface out(rect_.width(), rect_.height());
  stretchBlt(out, 0, 0, rect_.width(), rect_.height(), *frame_, 0, 0, frame_->width(), frame_->height());
  return out;
}

}  // namespace pz
