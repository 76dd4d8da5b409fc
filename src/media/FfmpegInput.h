#pragma once
#include <string>

extern "C" {
#include <libavformat/avformat.h>
}

namespace media {

// Opens a local media file for FFmpeg's demuxers; returns FFmpeg's result
// (negative on failure, with the reason in error). Only regular files are
// opened, checked without blocking, and FFmpeg reads the very file that was
// checked: it opens our descriptor's name, not the path again.
int openLocalInput(AVFormatContext** ctx, const std::string& path, std::string& error);

}  // namespace media
