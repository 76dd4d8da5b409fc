#pragma once
#include <cstdint>
#include <string>

namespace media {

struct LengthResult {
  int64_t ms = 0;
  std::string error;  // empty on success
  bool ok() const { return error.empty(); }
};

// The playing time of a media file (a real path), read from the file itself:
// a WAV file's header, a MIDI file's events with their tempo changes, a
// video's container.
LengthResult mediaLength(const std::string& path);

}  // namespace media
