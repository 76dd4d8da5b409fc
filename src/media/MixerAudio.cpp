#include "media/MixerAudio.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <unistd.h>

#include <atomic>

namespace media {
namespace {

// SDL_mixer has one device per process.
std::atomic<bool> deviceTaken{false};

// The effects and voices are recorded at 22050 Hz; synthesising the music at
// that rate too halves the sound font's share of the CPU.
constexpr int kRate = 22050;
constexpr int kBufferFrames = 512;  // about 23 ms: short enough for effects to start on cue
constexpr int kInitialChannels = 8;
constexpr int kMusicVolume = MIX_MAX_VOLUME * 7 / 10;

}  // namespace

MixerAudio::MixerAudio(const std::string& soundFont) {
  if (deviceTaken.exchange(true)) {
    error_ = "the sound device is already open";
    return;
  }
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    error_ = std::string("no sound device: ") + SDL_GetError();
    deviceTaken = false;
    return;
  }
  // SDL_mixer wants its decoders loaded before the device opens.
  const bool midiLoaded = loadMidi(soundFont);
  if (Mix_OpenAudio(kRate, MIX_DEFAULT_FORMAT, 2, kBufferFrames) != 0) {
    error_ = std::string("cannot open the sound device: ") + Mix_GetError();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    deviceTaken = false;
    return;
  }
  open_ = true;
  Uint16 format = 0;
  Mix_QuerySpec(&frequency_, &format, &channels_);
  frameBytes_ = static_cast<int>(SDL_AUDIO_BITSIZE(format) / 8) * channels_;
  Mix_AllocateChannels(kInitialChannels);
  // FluidSynth's General MIDI mix peaks near full scale on its own; speech
  // over the music would clip without this headroom.
  Mix_VolumeMusic(kMusicVolume);
  if (midiLoaded && !Mix_SetSoundFonts(soundFont.c_str()))
    midiError_ = std::string("no MIDI: ") + Mix_GetError();
  midiReady_ = midiLoaded && midiError_.empty();
}

bool MixerAudio::loadMidi(const std::string& soundFont) {
  if (access(soundFont.c_str(), R_OK) != 0) {
    midiError_ = "the sound font " + soundFont + " is missing";
    return false;
  }
  // Our music is meant for FluidSynth and this General MIDI font; a Timidity
  // set-up the machine may have would play it with other instruments.
  SDL_setenv("SDL_MIXER_DISABLE_TIMIDITY", "1", 0);
  if (!(Mix_Init(MIX_INIT_MID) & MIX_INIT_MID)) {
    midiError_ = std::string("no MIDI: ") + Mix_GetError();
    return false;
  }
  return true;
}

MixerAudio::~MixerAudio() {
  if (!open_) return;
  Mix_HaltMusic();
  Mix_HaltChannel(-1);
  Mix_CloseAudio();
  Mix_Quit();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
  deviceTaken = false;
}

int MixerAudio::reserveChannel() {
  const int channel = nextChannel_++;
  if (channel >= Mix_AllocateChannels(-1)) Mix_AllocateChannels(channel + 1);
  return channel;
}

}  // namespace media
