#pragma once
#include <memory>
#include <string>

namespace media {

class MidiSynth;
class MusicStream;

// The sound device as SDL_mixer opens it, once for the whole program: wave
// sounds on mixing channels, MIDI music on one FluidSynth synthesizer whose
// General MIDI sound font is loaded here, at start-up, and kept. A machine
// without a sound card gets ok() == false and the reason in error(); a
// machine without the sound font plays waves but no MIDI. SDL_mixer keeps
// its state in the library, so only one of these may be open at a time; a
// second one reports that as its error.
class MixerAudio {
 public:
  static constexpr const char* kSoundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";

  explicit MixerAudio(const std::string& soundFont = kSoundFont);
  ~MixerAudio();
  MixerAudio(const MixerAudio&) = delete;
  MixerAudio& operator=(const MixerAudio&) = delete;

  bool ok() const { return open_; }
  const std::string& error() const { return error_; }
  bool midiReady() const { return music_ != nullptr; }
  const std::string& midiError() const { return midiError_; }
  // The music stream; only while midiReady().
  MusicStream& music() { return *music_; }

  // A mixing channel that no other player uses, so that halting one sound
  // never cuts off another.
  int reserveChannel();

  // The device's sample format, which every loaded sound is converted to.
  int frequency() const { return frequency_; }
  int channels() const { return channels_; }
  // Bytes of one sample frame (all channels).
  int frameBytes() const { return frameBytes_; }

 private:
  bool openDevice();
  void startMusic(const std::string& soundFont, bool sixteenBitSamples);

  bool open_ = false;
  std::string error_, midiError_;
  int nextChannel_ = 0;
  int frequency_ = 0, channels_ = 0, frameBytes_ = 0;
  std::unique_ptr<MidiSynth> synth_;
  std::unique_ptr<MusicStream> music_;
};

}  // namespace media
