#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "sys/Result.h"

namespace media {

// One message for the synthesizer (a channel message or a system-exclusive
// one, status byte first) and the sample frame it is due at.
struct MidiCue {
  uint64_t frame = 0;
  std::string message;
};

// A piece as the synthesizer plays it: the messages of all tracks merged in
// time order, their times turned into sample frames at one rate. Meta events
// are gone; the tempo changes are in the frames.
struct MidiSequence {
  std::vector<MidiCue> cues;
};

// Reads a Standard MIDI File (plain or RMID) into a sequence at the given
// sample rate; a malformed file is an error, never read past its end.
sys::Result<std::shared_ptr<const MidiSequence>> sequenceMidi(std::string_view file, int sampleRate);

}  // namespace media
