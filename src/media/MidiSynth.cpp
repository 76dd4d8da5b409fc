#include "media/MidiSynth.h"

#include <fluidsynth.h>
#include <unistd.h>

namespace media {
namespace {

// A variable-length number inside a message; false when it runs off its end.
bool readLength(std::string_view bytes, size_t& pos, uint32_t& value) {
  value = 0;
  for (int i = 0; i < 4 && pos < bytes.size(); ++i) {
    const auto b = static_cast<unsigned char>(bytes[pos++]);
    value = (value << 7) | (b & 0x7F);
    if (!(b & 0x80)) return true;
  }
  return false;
}

}  // namespace

sys::Result<std::unique_ptr<MidiSynth>> MidiSynth::load(const std::string& soundFont, int sampleRate,
                                                        double gain) {
  // The game reports what fails in its own words; FluidSynth's chatter on
  // stderr would only repeat or confuse it.
  for (int level : {FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
    fluid_set_log_function(level, nullptr, nullptr);
  if (access(soundFont.c_str(), R_OK) != 0) return sys::Error{"the sound font " + soundFont + " is missing"};
  std::unique_ptr<MidiSynth> s(new MidiSynth);
  s->settings_ = new_fluid_settings();
  if (!s->settings_) return sys::Error{"FluidSynth cannot start"};
  fluid_settings_setnum(s->settings_, "synth.sample-rate", sampleRate);
  fluid_settings_setnum(s->settings_, "synth.gain", gain);
  fluid_settings_setint(s->settings_, "synth.lock-memory", 0);  // mlock needs privileges a player lacks
  fluid_synth_t* synth = new_fluid_synth(s->settings_);
  if (!synth) return sys::Error{"FluidSynth cannot start"};
  if (fluid_synth_sfload(synth, soundFont.c_str(), 1) == FLUID_FAILED) {
    delete_fluid_synth(synth);
    return sys::Error{"the sound font " + soundFont + " cannot be read"};
  }
  s->synth_ = synth;
  return s;
}

MidiSynth::~MidiSynth() {
  if (synth_) delete_fluid_synth(synth_);
  if (settings_) delete_fluid_settings(settings_);
}

void MidiSynth::send(std::string_view m) {
  if (!synth_ || m.empty()) return;
  const auto byte = [&](size_t i) { return i < m.size() ? static_cast<unsigned char>(m[i]) : 0; };
  const unsigned status = byte(0);
  const int channel = static_cast<int>(status & 0x0F);
  switch (status & 0xF0) {
    case 0x80:
      fluid_synth_noteoff(synth_, channel, byte(1));
      return;
    case 0x90:
      // A note-on of velocity 0 is a note-off; FluidSynth takes it as one.
      fluid_synth_noteon(synth_, channel, byte(1), byte(2));
      return;
    case 0xA0:
      fluid_synth_key_pressure(synth_, channel, byte(1), byte(2));
      return;
    case 0xB0:
      fluid_synth_cc(synth_, channel, byte(1), byte(2));
      return;
    case 0xC0:
      fluid_synth_program_change(synth_, channel, byte(1));
      return;
    case 0xD0:
      fluid_synth_channel_pressure(synth_, channel, byte(1));
      return;
    case 0xE0:
      fluid_synth_pitch_bend(synth_, channel, byte(1) | byte(2) << 7);
      return;
  }
  if (status != 0xF0) return;  // an escaped packet (F7) carries no complete message
  // F0, the length, the data, usually closed by F7; FluidSynth wants the data alone.
  size_t pos = 1;
  uint32_t length = 0;
  if (!readLength(m, pos, length) || length > m.size() - pos) return;
  std::string_view data = m.substr(pos, length);
  if (!data.empty() && static_cast<unsigned char>(data.back()) == 0xF7) data.remove_suffix(1);
  fluid_synth_sysex(synth_, data.data(), static_cast<int>(data.size()), nullptr, nullptr, nullptr, 0);
}

void MidiSynth::reset() {
  if (!synth_) return;
  fluid_synth_all_sounds_off(synth_, -1);
  fluid_synth_system_reset(synth_);
}

void MidiSynth::render(float* stereo, int frames) {
  if (synth_) fluid_synth_write_float(synth_, frames, stereo, 0, 2, stereo, 1, 2);
}

}  // namespace media
