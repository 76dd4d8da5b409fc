#pragma once
#include <string>

extern "C" {
#include <libavformat/avformat.h>
}

namespace media {

// Opens a local media file for FFmpeg's demuxers; returns FFmpeg's result
// (negative on failure, with the reason in error). Only regular files are
// opened, checked without blocking, and FFmpeg reads the very file that was
// checked, through our descriptor. It opens nothing else: a playlist or a
// reference inside the file cannot make it read another file, or block on a
// named pipe. An opened input is closed with closeLocalInput.
int openLocalInput(AVFormatContext** ctx, const std::string& path, std::string& error);
void closeLocalInput(AVFormatContext** ctx);

}  // namespace media
