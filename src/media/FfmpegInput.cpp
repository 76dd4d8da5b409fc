#include "media/FfmpegInput.h"

#include <unistd.h>

#include "sys/FileIo.h"

extern "C" {
#include <libavutil/dict.h>
#include <libavutil/error.h>
}

namespace media {

sys::Result<AVFormatContext*> openLocalInput(const std::string& path) {
  const sys::Result<int> opened = sys::openRegularFile(path);
  if (!opened) return opened.error();
  const int fd = *opened;
  AVDictionary* options = nullptr;
  // Only local files: neither the name nor a playlist inside may reach out.
  av_dict_set(&options, "protocol_whitelist", "file", 0);
  const std::string checked = "file:/proc/self/fd/" + std::to_string(fd);
  AVFormatContext* ctx = nullptr;
  const int rc = avformat_open_input(&ctx, checked.c_str(), nullptr, &options);
  av_dict_free(&options);
  ::close(fd);  // FFmpeg holds a descriptor of its own
  if (rc < 0) {
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(rc, text, sizeof text);
    return sys::Error{std::string("not a readable media file (") + text + ")"};
  }
  return ctx;
}

}  // namespace media
