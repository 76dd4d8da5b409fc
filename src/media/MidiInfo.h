#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "sys/Result.h"

namespace media {

// What the events of a Standard MIDI File add up to.
struct MidiInfo {
  int format = 0;         // 0 one track, 1 simultaneous tracks
  int trackCount = 0;     // tracks the header announces (and the file holds)
  int division = 0;       // the raw header field: ticks per quarter, or SMPTE
  uint64_t lastTick = 0;  // the time of the last event of all tracks
  int tempoChanges = 0;
  int64_t lengthMs = 0;
};

// Parses a Standard MIDI File (format 0 or 1, optionally wrapped in a RIFF
// RMID file): every track's events with running status, meta and sysex
// events, and the tempo changes of all tracks applied in tick order. The
// length is the time of the last event. Malformed files are rejected with a
// message that says what is wrong and where; nothing is read outside the
// given bytes.
sys::Result<MidiInfo> readMidiInfo(std::string_view bytes);

}  // namespace media
