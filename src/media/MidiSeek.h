#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "media/MidiSong.h"
#include "sys/Result.h"

namespace media {

// FluidSynth as SDL_mixer 2.6 drives it cannot seek, so a MIDI piece that is
// to play from a position is played from a copy that starts there: every
// event before the position is dropped except those that set up the sound
// (tempo, programs, controllers, pitch bend, sysex and other meta events),
// which move to the start in their order; notes still sounding at the
// position are struck again at the start; later events keep their times,
// shifted. The tempo map of all tracks decides where the position falls.
// Accepts format 0 and 1 files, plain or wrapped in RIFF RMID (the copy is
// plain); malformed input is an error, never read past its end. The copy is
// a Standard MIDI File.
sys::Result<std::string> midiFrom(std::string_view file, int64_t fromMs);

}  // namespace media
