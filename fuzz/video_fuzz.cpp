// The length reader of videos (and of anything else that is neither WAV nor
// MIDI): the bytes are a file of the data root that a video command names.
// FFmpeg's demuxers read it; our code must give a length or a reason, and no
// file may make it hang or reach for other files.
#include <cstdint>
#include <string_view>

extern "C" {
#include <libavutil/log.h>
}

#include "media/MediaLength.h"
#include "support/Require.h"
#include "support/ScratchFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const fuzzsupport::ScratchFile file(".avi");
  av_log_set_level(AV_LOG_QUIET);
  file.write(std::string_view(reinterpret_cast<const char*>(data), size));
  const sys::Result<int64_t> r = media::mediaLength(file.path());
  fuzzsupport::require(r.ok() ? *r >= 0 : !r.error().message.empty(), "a length, or a reason");
  return 0;
}
