#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "gfx/Bitmap.h"
#include "media/FfmpegStream.h"
#include "sys/Result.h"

struct SwsContext;

namespace media {

// The pictures of a video file by time: pictureAt(ms) is the frame that is
// on screen at that moment, decoded forward from the last one asked for (a
// jump back or far ahead seeks to a key frame first) and scaled to the size
// asked for.
class VideoDecoder {
 public:
  // An error names `what` when the file has no decodable video.
  static sys::Result<std::unique_ptr<VideoDecoder>> open(const std::string& path, const std::string& what);
  ~VideoDecoder();
  VideoDecoder(const VideoDecoder&) = delete;
  VideoDecoder& operator=(const VideoDecoder&) = delete;

  int width() const { return stream_->codec()->width; }
  int height() const { return stream_->codec()->height; }
  // The time between two frames (40 ms where the file does not say).
  int frameIntervalMs() const;

  // Moves to the frame shown at ms: the last one that starts at or before it,
  // or the first frame when none does. True when that is another frame.
  bool advanceTo(int64_t ms);
  // The current frame at the given size (opaque pixels); empty before the first.
  const gfx::Bitmap& picture(int width, int height);
  int64_t frameMs() const { return currentMs_; }

 private:
  explicit VideoDecoder(std::unique_ptr<FfmpegStream> stream);
  bool decodePending();
  void rewind(int64_t ms);

  std::unique_ptr<FfmpegStream> stream_;
  AVFrame* current_ = nullptr;
  AVFrame* pending_ = nullptr;  // decoded but not yet due
  bool hasCurrent_ = false, hasPending_ = false, ended_ = false;
  int64_t currentMs_ = -1, pendingMs_ = -1;
  // Where decoding last started (0 on open) and whether the current frame is
  // the first since: an earlier time than that frame's is then no reason to
  // seek again (some files start their first frame a little late).
  int64_t seekTarget_ = 0;
  bool firstSinceSeek_ = true;
  SwsContext* scaler_ = nullptr;
  gfx::Bitmap picture_;
  bool pictureStale_ = true;
};

}  // namespace media
