#include "media/ContainerInfo.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string_view>
#include <vector>

#include "media/FfmpegInput.h"

extern "C" {
#include <libavcodec/packet.h>
#include <libavformat/avformat.h>
#include <libavutil/error.h>
#include <libavutil/mathematics.h>
}

namespace media {
namespace {

std::string avError(int code) {
  char text[AV_ERROR_MAX_STRING_SIZE] = {};
  av_strerror(code, text, sizeof text);
  return text;
}

// FFmpeg reads single pictures through its image demuxers ("image2" and the
// "*_pipe" family such as bmp_pipe or png_pipe).
bool isStillPicture(const AVFormatContext* ctx) {
  const std::string_view name = ctx->iformat->name;
  if (name == "image2" || (name.size() > 5 && name.substr(name.size() - 5) == "_pipe")) return true;
  return ctx->nb_streams == 1 && (ctx->streams[0]->disposition & AV_DISPOSITION_ATTACHED_PIC);
}

int64_t longestStreamMs(const AVFormatContext* ctx) {
  int64_t best = -1;
  for (unsigned i = 0; i < ctx->nb_streams; ++i) {
    const AVStream* s = ctx->streams[i];
    if (s->duration == AV_NOPTS_VALUE || s->duration <= 0) continue;
    const double seconds = static_cast<double>(s->duration) * av_q2d(s->time_base);
    best = std::max(best, static_cast<int64_t>(std::llround(seconds * 1000.0)));
  }
  return best;
}

// MPEG program streams and their kind store no duration; FFmpeg then guesses
// it from the last time stamp near the end, but only some packets carry one
// and the guess falls short by a few frames. The decoding times of all
// packets give the exact span, at the price of reading the file once.
int64_t scannedMs(AVFormatContext* ctx) {
  std::vector<int64_t> first(ctx->nb_streams, AV_NOPTS_VALUE), end(ctx->nb_streams, AV_NOPTS_VALUE);
  AVPacket* packet = av_packet_alloc();
  if (!packet) return -1;
  while (av_read_frame(ctx, packet) >= 0) {
    const auto i = static_cast<size_t>(packet->stream_index);
    const int64_t time = packet->dts != AV_NOPTS_VALUE ? packet->dts : packet->pts;
    // Times near the ends of the 64-bit range are damage, not video.
    const bool usable = time != AV_NOPTS_VALUE && time > INT64_MIN / 4 && time < INT64_MAX / 4 &&
                        packet->duration < INT64_MAX / 4;
    if (i < first.size() && usable) {
      const AVRational base = ctx->streams[i]->time_base;
      const int64_t from = av_rescale_q(time, base, AV_TIME_BASE_Q);
      const int64_t to = av_rescale_q(time + std::max<int64_t>(packet->duration, 0), base, AV_TIME_BASE_Q);
      if (first[i] == AV_NOPTS_VALUE || from < first[i]) first[i] = from;
      if (end[i] == AV_NOPTS_VALUE || to > end[i]) end[i] = to;
    }
    av_packet_unref(packet);
  }
  av_packet_free(&packet);
  int64_t best = -1;
  for (size_t i = 0; i < first.size(); ++i)
    if (first[i] != AV_NOPTS_VALUE) best = std::max(best, (end[i] - first[i] + 500) / 1000);
  return best;
}

// The length of an opened container whose streams are known.
sys::Result<int64_t> lengthOf(AVFormatContext* ctx) {
  if (ctx->nb_streams == 0) return sys::Error{"no audio or video stream"};
  if (isStillPicture(ctx)) return sys::Error{"a still picture, not a video"};
  const int64_t estimateMs =
      ctx->duration != AV_NOPTS_VALUE && ctx->duration > 0 ? (ctx->duration + 500) / 1000 : -1;
  if (ctx->duration_estimation_method != AVFMT_DURATION_FROM_STREAM) {
    // A time stamp that jumps far ahead in a damaged file must not stretch
    // the video beyond all reason; then FFmpeg's estimate stands.
    const int64_t ms = scannedMs(ctx);
    if (ms > 0 && (estimateMs < 0 || ms <= 2 * estimateMs + 1000)) return ms;
  }
  if (estimateMs >= 0) return estimateMs;
  if (const int64_t ms = longestStreamMs(ctx); ms >= 0) return ms;
  return sys::Error{"the container gives no duration"};
}

}  // namespace

sys::Result<int64_t> containerLength(const std::string& path) {
  const sys::Result<AVFormatContext*> opened = openLocalInput(path);
  if (!opened) return opened.error();
  AVFormatContext* ctx = *opened;
  const int found = avformat_find_stream_info(ctx, nullptr);
  sys::Result<int64_t> length =
      found < 0 ? sys::Error{"no stream information (" + avError(found) + ")"} : lengthOf(ctx);
  closeLocalInput(&ctx);
  return length;
}

}  // namespace media
