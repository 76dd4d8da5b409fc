#include "media/VideoSound.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>

#include "media/FfmpegStream.h"

extern "C" {
#include <libavutil/frame.h>
#include <libavutil/samplefmt.h>
}

namespace media {
namespace {

constexpr int kMaxChannels = 8;

std::string le(uint32_t v, int bytes) {
  std::string s;
  for (int i = 0; i < bytes; ++i) s += static_cast<char>((v >> (8 * i)) & 0xFF);
  return s;
}

std::string wavFile(const std::string& samples, int rate, int channels) {
  const uint32_t block = static_cast<uint32_t>(channels) * 2;
  return "RIFF" + le(static_cast<uint32_t>(36 + samples.size()), 4) + "WAVEfmt " + le(16, 4) + le(1, 2) +
         le(channels, 2) + le(rate, 4) + le(rate * block, 4) + le(block, 2) + le(16, 2) + "data" +
         le(static_cast<uint32_t>(samples.size()), 4) + samples;
}

int16_t toS16(double v) {
  return static_cast<int16_t>(std::lround(std::clamp(v, -1.0, 1.0) * 32767.0));
}

// One sample of channel c at index i as a value from -1 to 1, whatever the
// decoder's sample format; planar formats keep a plane per channel.
double sampleAt(const AVFrame* f, int c, int i, int channels) {
  const auto fmt = static_cast<AVSampleFormat>(f->format);
  const bool planar = av_sample_fmt_is_planar(fmt);
  const uint8_t* base = f->extended_data[planar ? c : 0];
  const int at = planar ? i : i * channels + c;
  switch (av_get_packed_sample_fmt(fmt)) {
    case AV_SAMPLE_FMT_U8:
      return (base[at] - 128) / 128.0;
    case AV_SAMPLE_FMT_S16:
      return reinterpret_cast<const int16_t*>(base)[at] / 32768.0;
    case AV_SAMPLE_FMT_S32:
      return reinterpret_cast<const int32_t*>(base)[at] / 2147483648.0;
    case AV_SAMPLE_FMT_FLT:
      return reinterpret_cast<const float*>(base)[at];
    case AV_SAMPLE_FMT_DBL:
      return reinterpret_cast<const double*>(base)[at];
    default:
      return 0;
  }
}

bool knownFormat(int format) {
  switch (av_get_packed_sample_fmt(static_cast<AVSampleFormat>(format))) {
    case AV_SAMPLE_FMT_U8:
    case AV_SAMPLE_FMT_S16:
    case AV_SAMPLE_FMT_S32:
    case AV_SAMPLE_FMT_FLT:
    case AV_SAMPLE_FMT_DBL:
      return true;
    default:
      return false;
  }
}

}  // namespace

sys::Result<std::string> decodeVideoSound(const std::string& path, int64_t maxMs) {
  const sys::Result<std::unique_ptr<FfmpegStream>> opened = FfmpegStream::open(path, AVMEDIA_TYPE_AUDIO);
  if (!opened) return opened.error();
  FfmpegStream* const stream = opened->get();
  const int rate = stream->codec()->sample_rate;
  const int channels = stream->codec()->ch_layout.nb_channels;
  if (rate <= 0 || channels <= 0 || channels > kMaxChannels) return sys::Error{"an unusual sound track"};

  const int64_t maxFrames = maxMs * rate / 1000;
  std::string samples;
  std::unique_ptr<AVFrame, void (*)(AVFrame*)> frame(av_frame_alloc(), [](AVFrame* f) { av_frame_free(&f); });
  int64_t frames = 0;
  while (frame && frames < maxFrames && stream->next(frame.get())) {
    // A frame whose layout differs from the stream's would garble the track.
    if (frame->ch_layout.nb_channels != channels || frame->sample_rate != rate || !knownFormat(frame->format))
      continue;
    const int count = static_cast<int>(std::min<int64_t>(frame->nb_samples, maxFrames - frames));
    for (int i = 0; i < count; ++i)
      for (int c = 0; c < channels; ++c) {
        const auto v = static_cast<uint16_t>(toS16(sampleAt(frame.get(), c, i, channels)));
        samples += static_cast<char>(v & 0xFF);
        samples += static_cast<char>(v >> 8);
      }
    frames += count;
  }
  if (samples.empty()) return sys::Error{"a sound track without samples"};
  return wavFile(samples, rate, channels);
}

}  // namespace media
