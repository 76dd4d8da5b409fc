#pragma once
#include <cstdint>
#include <string>

#include "sys/Result.h"

namespace media {

// The playing time of a media file (a real path) in milliseconds, read from
// the file itself: a WAV file's chunks, a MIDI file's events with their tempo
// changes, any other file's container through FFmpeg. The kind is taken from
// the file's first bytes, or from its extension where those say nothing
// (so a ".wav" file that is not RIFF is an error, not a guess). Never throws;
// every error starts with the path.
sys::Result<int64_t> mediaLength(const std::string& path);

// The playing time of a MIDI file (plain or RMID), whatever its first bytes
// or its extension say: the music player plays nothing else, so any other
// file is an error here.
sys::Result<int64_t> midiLength(const std::string& path);

}  // namespace media
