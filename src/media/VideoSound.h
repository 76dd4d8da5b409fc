#pragma once
#include <string>

namespace media {

struct VideoSoundResult {
  std::string wav;    // a RIFF WAVE file of 16-bit samples; empty for a silent video
  std::string error;  // why the sound track could not be decoded (the video plays silent)
};

// The sound track of a video file decoded whole into a WAV file in memory, for
// the mixer to play beside the pictures. The films are short; a track longer
// than maxMs is cut there.
VideoSoundResult decodeVideoSound(const std::string& path, int64_t maxMs);

}  // namespace media
