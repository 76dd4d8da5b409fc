#pragma once
#include <cstdint>
#include <string>

#include "sys/Result.h"

namespace media {

// The sound track of a video file decoded whole into a WAV file in memory (a
// RIFF WAVE of 16-bit samples), for the mixer to play beside the pictures. A
// silent video, or a track that cannot be decoded, is an error: the video
// plays silent. The films are short; a track longer than maxMs is cut there.
sys::Result<std::string> decodeVideoSound(const std::string& path, int64_t maxMs);

}  // namespace media
