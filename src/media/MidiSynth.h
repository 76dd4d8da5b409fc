#pragma once
#include <memory>
#include <string>
#include <string_view>

#include "sys/Result.h"

struct _fluid_hashtable_t;
struct _fluid_synth_t;

namespace media {

// FluidSynth with a General MIDI sound font, loaded once for the whole run:
// loading the font takes tens of milliseconds, far too long for the moment a
// room changes its music. Messages go in, stereo samples come out; the
// caller decides when (MusicStream does both on the audio thread).
class MidiSynth {
 public:
  // gain: FluidSynth's master gain (its own default is 0.2). An error says
  // why there is no synthesizer (a missing or unreadable sound font).
  static sys::Result<std::unique_ptr<MidiSynth>> load(const std::string& soundFont, int sampleRate,
                                                      double gain);
  ~MidiSynth();
  MidiSynth(const MidiSynth&) = delete;
  MidiSynth& operator=(const MidiSynth&) = delete;

  // One channel or system-exclusive message as a MIDI file holds it;
  // anything else is ignored.
  void send(std::string_view message);
  // Every sound off at once, every channel's programs and controllers back
  // to their defaults: the state a new piece starts from.
  void reset();
  // Renders interleaved stereo frames (left, right).
  void render(float* stereo, int frames);

 private:
  MidiSynth() = default;

  _fluid_hashtable_t* settings_ = nullptr;
  _fluid_synth_t* synth_ = nullptr;
};

}  // namespace media
