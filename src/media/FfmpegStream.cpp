#include "media/FfmpegStream.h"

#include "media/FfmpegInput.h"

extern "C" {
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

}  // namespace

sys::Result<std::unique_ptr<FfmpegStream>> FfmpegStream::open(const std::string& path, AVMediaType type) {
  sys::Result<AVFormatContext*> opened = openLocalInput(path);
  if (!opened) return opened.error();
  std::unique_ptr<FfmpegStream> s(new FfmpegStream);
  s->format_ = *opened;
  if (const int rc = avformat_find_stream_info(s->format_, nullptr); rc < 0)
    return sys::Error{"no stream information (" + avError(rc) + ")"};
  const AVCodec* decoder = nullptr;
  const int index = av_find_best_stream(s->format_, type, -1, -1, &decoder, 0);
  if (index < 0 || !decoder)
    return sys::Error{type == AVMEDIA_TYPE_VIDEO ? "no video stream that can be decoded"
                                                 : "no audio stream that can be decoded"};
  s->stream_ = s->format_->streams[index];
  s->codec_ = avcodec_alloc_context3(decoder);
  s->packet_ = av_packet_alloc();
  if (!s->codec_ || !s->packet_ || avcodec_parameters_to_context(s->codec_, s->stream_->codecpar) < 0 ||
      avcodec_open2(s->codec_, decoder, nullptr) < 0)
    return sys::Error{std::string("cannot start the ") + decoder->name + " decoder"};
  // Everything but the chosen stream is skipped by the demuxer.
  for (unsigned i = 0; i < s->format_->nb_streams; ++i)
    if (static_cast<int>(i) != index) s->format_->streams[i]->discard = AVDISCARD_ALL;
  return s;
}

FfmpegStream::~FfmpegStream() {
  av_packet_free(&packet_);
  avcodec_free_context(&codec_);
  closeLocalInput(&format_);
}

bool FfmpegStream::next(AVFrame* frame) {
  for (;;) {
    const int received = avcodec_receive_frame(codec_, frame);
    if (received == 0) return true;
    if (received != AVERROR(EAGAIN) || draining_) return false;
    if (av_read_frame(format_, packet_) < 0) {
      // The end of the file: hand the decoder nothing to get its last frames.
      draining_ = true;
      avcodec_send_packet(codec_, nullptr);
      continue;
    }
    if (packet_->stream_index == stream_->index) avcodec_send_packet(codec_, packet_);
    av_packet_unref(packet_);
  }
}

bool FfmpegStream::seek(int64_t ms) {
  const int64_t start = stream_->start_time == AV_NOPTS_VALUE ? 0 : stream_->start_time;
  const int64_t target = start + av_rescale_q(ms, AVRational{1, 1000}, stream_->time_base);
  if (av_seek_frame(format_, stream_->index, target, AVSEEK_FLAG_BACKWARD) < 0 &&
      av_seek_frame(format_, stream_->index, start, AVSEEK_FLAG_BACKWARD | AVSEEK_FLAG_ANY) < 0)
    return false;
  avcodec_flush_buffers(codec_);
  draining_ = false;
  return true;
}

int64_t FfmpegStream::frameMs(const AVFrame* frame) const {
  const int64_t start = stream_->start_time == AV_NOPTS_VALUE ? 0 : stream_->start_time;
  const int64_t stamp = frame->best_effort_timestamp;
  if (stamp == AV_NOPTS_VALUE) return -1;
  return av_rescale_q(stamp - start, stream_->time_base, AVRational{1, 1000});
}

}  // namespace media
