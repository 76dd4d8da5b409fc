#pragma once
#include <SDL_mixer.h>

#include <string>

#include "media/DevicePlayer.h"
#include "media/MixerAudio.h"

namespace media {

// MIDI music through SDL_mixer and FluidSynth. SDL_mixer 2.6 tells neither
// the length nor the position of MIDI music and cannot seek it with
// FluidSynth, so the length is read from the file, the position is playing
// time, and playing from a position plays a copy of the piece cut there
// (see midiFrom). SDL_mixer has one music stream: one such player per
// program.
class MixerMusicPlayer final : public DevicePlayer {
 public:
  MixerMusicPlayer(const sys::Clock& clock, MixerAudio& audio) : DevicePlayer(clock), audio_(audio) {}
  ~MixerMusicPlayer() override;

 protected:
  void load(const std::string& path) override;
  void unload() override;
  void start(int64_t fromMs) override;
  void halt() override;
  void pause() override;
  void resume() override;

 private:
  // Music from SMF bytes, which must stay alive as long as the music does.
  Mix_Music* musicFrom(const std::string& smf);

  MixerAudio& audio_;
  std::string smf_;     // the piece as loaded
  std::string cutSmf_;  // the copy that starts at a position
  Mix_Music* music_ = nullptr;
  Mix_Music* cutMusic_ = nullptr;
  bool started_ = false;  // SDL_mixer's music stream is ours
};

}  // namespace media
