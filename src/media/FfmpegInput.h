#pragma once
#include <string>

#include "sys/Result.h"

extern "C" {
#include <libavformat/avformat.h>
}

namespace media {

// Opens a local media file for FFmpeg's demuxers (the caller closes it with
// avformat_close_input). Only regular files are opened, checked without
// blocking, and FFmpeg reads the very file that was checked: it opens our
// descriptor's name, not the path again.
sys::Result<AVFormatContext*> openLocalInput(const std::string& path);

}  // namespace media
