#pragma once
#include <string>

#include "sys/Result.h"

extern "C" {
#include <libavformat/avformat.h>
}

namespace media {

// Opens a local media file for FFmpeg's demuxers. Only regular files are
// opened, checked without blocking, and FFmpeg reads the very file that was
// checked, through our descriptor. It opens nothing else: a playlist or a
// reference inside the file cannot make it read another file, or block on a
// named pipe. An opened input is closed with closeLocalInput.
sys::Result<AVFormatContext*> openLocalInput(const std::string& path);
void closeLocalInput(AVFormatContext** ctx);

}  // namespace media
