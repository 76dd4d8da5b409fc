#include "media/VideoDecoder.h"

#include <cmath>
#include <utility>

extern "C" {
#include <libswscale/swscale.h>
}

namespace media {
namespace {

// A jump ahead by more than this seeks instead of decoding every frame between.
constexpr int64_t kFarAheadMs = 2000;
constexpr int kMaxSide = 8192;

}  // namespace

sys::Result<std::unique_ptr<VideoDecoder>> VideoDecoder::open(const std::string& path,
                                                              const std::string& what) {
  const auto fail = [&](const std::string& why) { return sys::Error{"cannot play " + what + ": " + why}; };
  sys::Result<std::unique_ptr<FfmpegStream>> stream = FfmpegStream::open(path, AVMEDIA_TYPE_VIDEO);
  if (!stream) return fail(stream.error().message);
  std::unique_ptr<VideoDecoder> decoder(new VideoDecoder(std::move(stream).value()));
  const int w = decoder->width(), h = decoder->height();
  if (w <= 0 || h <= 0 || w > kMaxSide || h > kMaxSide)
    return fail("a video of " + std::to_string(w) + " x " + std::to_string(h) + " pixels");
  if (!decoder->current_ || !decoder->pending_) return fail("out of memory");
  return decoder;
}

VideoDecoder::VideoDecoder(std::unique_ptr<FfmpegStream> stream)
    : stream_(std::move(stream)), current_(av_frame_alloc()), pending_(av_frame_alloc()) {}

VideoDecoder::~VideoDecoder() {
  av_frame_free(&current_);
  av_frame_free(&pending_);
  sws_freeContext(scaler_);
}

int VideoDecoder::frameIntervalMs() const {
  AVRational rate = stream_->stream()->avg_frame_rate;
  if (rate.num <= 0 || rate.den <= 0) rate = stream_->stream()->r_frame_rate;
  if (rate.num <= 0 || rate.den <= 0) return 40;
  const double ms = 1000.0 * rate.den / rate.num;
  return static_cast<int>(std::clamp(std::lround(ms), 1L, 1000L));
}

bool VideoDecoder::decodePending() {
  if (hasPending_) return true;
  if (ended_) return false;
  if (!stream_->next(pending_)) {
    ended_ = true;
    return false;
  }
  pendingMs_ = stream_->frameMs(pending_);
  if (pendingMs_ < 0) pendingMs_ = hasCurrent_ ? currentMs_ + frameIntervalMs() : 0;
  hasPending_ = true;
  return true;
}

void VideoDecoder::rewind(int64_t ms) {
  if (!stream_->seek(ms)) return;  // a file that cannot seek goes on from where it is
  av_frame_unref(current_);
  av_frame_unref(pending_);
  hasCurrent_ = hasPending_ = ended_ = false;
  seekTarget_ = ms;
  firstSinceSeek_ = true;
}

bool VideoDecoder::advanceTo(int64_t ms) {
  const bool back = hasCurrent_ && ms < currentMs_ && !(firstSinceSeek_ && ms >= seekTarget_);
  const bool farAhead = ms > (hasCurrent_ ? currentMs_ : 0) + kFarAheadMs;
  if (back || farAhead) rewind(ms);

  bool changed = false;
  while (decodePending()) {
    if (hasCurrent_ && pendingMs_ > ms) break;
    firstSinceSeek_ = !hasCurrent_;
    std::swap(current_, pending_);
    av_frame_unref(pending_);
    currentMs_ = pendingMs_;
    hasCurrent_ = true;
    hasPending_ = false;
    changed = true;
    if (currentMs_ > ms) break;  // the first frame comes after ms: show it until then
  }
  if (changed) pictureStale_ = true;
  return changed;
}

const gfx::Bitmap& VideoDecoder::picture(int width, int height) {
  if (picture_.width() != width || picture_.height() != height) pictureStale_ = true;
  if (!pictureStale_ || !hasCurrent_ || width <= 0 || height <= 0) return picture_;
  scaler_ = sws_getCachedContext(scaler_, current_->width, current_->height,
                                 static_cast<AVPixelFormat>(current_->format), width, height,
                                 AV_PIX_FMT_RGB32, SWS_BILINEAR, nullptr, nullptr, nullptr);
  if (!scaler_) return picture_;
  picture_.resize(width, height);
  uint8_t* planes[4] = {reinterpret_cast<uint8_t*>(picture_.pixels().data()), nullptr, nullptr, nullptr};
  const int strides[4] = {width * 4, 0, 0, 0};
  sws_scale(scaler_, current_->data, current_->linesize, 0, current_->height, planes, strides);
  // Video has no transparency; the desktop blends by alpha.
  for (gfx::Pixel& p : picture_.pixels()) p |= 0xFF000000u;
  pictureStale_ = false;
  return picture_;
}

}  // namespace media
