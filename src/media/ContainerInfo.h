#pragma once
#include <string>

#include "media/MediaLength.h"

namespace media {

// The playing time of a video or any other container FFmpeg can read, from
// the container's own duration (or its longest stream's). Only local files
// are opened. A still picture, which FFmpeg would also read as a one-frame
// "video", is refused: the game shows those through its picture commands.
sys::Result<int64_t> containerLength(const std::string& path);

}  // namespace media
