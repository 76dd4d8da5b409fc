#include "media/MixerWavePlayer.h"

#include <SDL.h>

#include "media/MusicStream.h"

namespace media {

MixerWavePlayer::~MixerWavePlayer() {
  halt();
  voice_.unload();
}

void MixerWavePlayer::load(const std::string& path) {
  voice_.load(SDL_RWFromFile(path.c_str(), "rb"), FileName);
}

void MixerWavePlayer::start(int64_t fromMs) {
  voice_.play(fromMs);
  speech_ = Tag == kSpeechTag;
  speak(speech_);
}

void MixerWavePlayer::halt() {
  voice_.halt();
  speak(false);
}

void MixerWavePlayer::pause() {
  voice_.pause();
  speak(false);
}

void MixerWavePlayer::resume() {
  voice_.resume();
  speak(speech_);
}

void MixerWavePlayer::speak(bool speaking) {
  if (audio_.midiReady()) audio_.music().duck(speaking);
}

}  // namespace media
