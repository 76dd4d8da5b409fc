#include "media/MixerAudio.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <atomic>

#include "media/MidiSynth.h"
#include "media/MusicStream.h"
#include "media/QuietStderr.h"

namespace media {
namespace {

// SDL_mixer has one device per process.
std::atomic<bool> deviceTaken{false};

// The effects and voices are recorded at 22050 Hz; synthesising the music at
// that rate too halves the sound font's share of the CPU.
constexpr int kRate = 22050;
constexpr int kBufferFrames = 512;  // about 23 ms: short enough for effects to start on cue
constexpr int kInitialChannels = 8;
// FluidSynth's General MIDI mix peaks near full scale at higher gains; the
// voices must stay above the music.
constexpr double kMusicGain = 0.83;

}  // namespace

MixerAudio::MixerAudio(const std::string& soundFont) {
  if (deviceTaken.exchange(true)) {
    error_ = "the sound device is already open";
    return;
  }
  if (!openDevice()) {
    deviceTaken = false;
    return;
  }
  open_ = true;
  Uint16 format = 0;
  Mix_QuerySpec(&frequency_, &format, &channels_);
  frameBytes_ = static_cast<int>(SDL_AUDIO_BITSIZE(format) / 8) * channels_;
  Mix_AllocateChannels(kInitialChannels);
  startMusic(soundFont, format == AUDIO_S16SYS);
}

// Sound libraries that find no device (ALSA above all) print a screenful of
// their own errors on the way; the player gets one line from the game.
bool MixerAudio::openDevice() {
  QuietStderr quiet;
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    error_ = std::string("no sound device: ") + SDL_GetError();
    return false;
  }
  if (Mix_OpenAudio(kRate, MIX_DEFAULT_FORMAT, 2, kBufferFrames) != 0) {
    error_ = std::string("cannot open the sound device: ") + Mix_GetError();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
  }
  return true;
}

void MixerAudio::startMusic(const std::string& soundFont, bool sixteenBitSamples) {
  if (!sixteenBitSamples) {
    midiError_ = "no MIDI: the sound device does not take 16-bit samples";
    return;
  }
  sys::Result<std::unique_ptr<MidiSynth>> synth = MidiSynth::load(soundFont, frequency_, kMusicGain);
  if (!synth) {
    midiError_ = synth.error().message;
    return;
  }
  synth_ = std::move(synth).value();
  music_ = std::make_unique<MusicStream>(*synth_, frequency_, channels_);
}

MixerAudio::~MixerAudio() {
  if (!open_) return;
  music_.reset();  // unhooks the music before the synthesizer goes
  synth_.reset();
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
