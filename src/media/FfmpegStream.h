#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "sys/Result.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

namespace media {

// One stream of a local media file (the best video or audio stream) with
// its decoder: the decoded frames in order, and seeking back to a key frame.
// Corrupt packets are skipped rather than ending the stream.
class FfmpegStream {
 public:
  // An error when the file cannot be read or has no such stream.
  static sys::Result<std::unique_ptr<FfmpegStream>> open(const std::string& path, AVMediaType type);
  ~FfmpegStream();
  FfmpegStream(const FfmpegStream&) = delete;
  FfmpegStream& operator=(const FfmpegStream&) = delete;

  const AVStream* stream() const { return stream_; }
  const AVCodecContext* codec() const { return codec_; }

  // Decodes the next frame into frame; false at the end of the stream.
  bool next(AVFrame* frame);
  // Goes back to the key frame at or before ms; false when the file cannot seek.
  bool seek(int64_t ms);
  // A decoded frame's time in milliseconds from the start of the stream; -1
  // when the frame carries none.
  int64_t frameMs(const AVFrame* frame) const;

 private:
  FfmpegStream() = default;

  AVFormatContext* format_ = nullptr;
  AVCodecContext* codec_ = nullptr;
  AVStream* stream_ = nullptr;
  AVPacket* packet_ = nullptr;
  bool draining_ = false;
};

}  // namespace media
