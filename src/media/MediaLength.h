#pragma once
#include <cstdint>
#include <string>

namespace media {

struct LengthResult {
  int64_t ms = 0;
  std::string error;  // empty on success
  bool ok() const { return error.empty(); }
};

// The playing time of a media file (a real path) in milliseconds, read from
// the file itself: a WAV file's chunks, a MIDI file's events with their tempo
// changes, any other file's container through FFmpeg. The kind is taken from
// the file's first bytes, or from its extension where those say nothing
// (so a ".wav" file that is not RIFF is an error, not a guess). Never throws;
// every failure is a text that starts with the path.
LengthResult mediaLength(const std::string& path);

// The playing time of a MIDI file (plain or RMID), whatever its first bytes
// or its extension say: the music player plays nothing else, so any other
// file is an error here.
LengthResult midiLength(const std::string& path);

}  // namespace media
