#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "sys/Result.h"

namespace media {

// One event of a track with its status byte written out (no running status).
struct MidiEvent {
  uint64_t tick = 0;
  std::string bytes;
  unsigned status() const { return static_cast<unsigned char>(bytes[0]); }
};

struct MidiTrack {
  std::vector<MidiEvent> events;  // up to, not including, the end of track
  uint64_t endTick = 0;
};

struct MidiTempo {
  uint64_t tick;
  uint32_t usPerQuarter;
};

// A Standard MIDI File of format 0 or 1 read into memory: every track's
// events and the tempo changes of all tracks, sorted by tick.
struct MidiSong {
  int format = 0;
  int division = 0;  // the raw header field: ticks per quarter, or SMPTE
  std::vector<MidiTrack> tracks;
  std::vector<MidiTempo> tempos;

  // Microseconds from tick 0 to the tick, following the tempo map (or the
  // fixed tick length of SMPTE time).
  double microsecondsAt(uint64_t tick) const;
};

constexpr uint32_t kDefaultMidiTempo = 500000;  // microseconds per quarter: 120 bpm

// Reads a plain SMF or one wrapped in RIFF RMID. Malformed input is an
// error, never read past its end.
sys::Result<MidiSong> readMidiSong(std::string_view file);

// The SMF inside a RIFF RMID file (a view without data when the file has no
// complete 'data' chunk), or the bytes as they are.
std::string_view plainSmf(std::string_view file);

}  // namespace media
