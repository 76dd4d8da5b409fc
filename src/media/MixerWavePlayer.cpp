#include "media/MixerWavePlayer.h"

#include <SDL.h>
#include <unistd.h>

#include <cstdio>

#include "media/MusicStream.h"
#include "sys/FileIo.h"

namespace media {

MixerWavePlayer::~MixerWavePlayer() {
  halt();
  voice_.unload();
}

sys::Result<void> MixerWavePlayer::load(const std::string& path) {
  // SDL would open a named pipe and wait for a writer; it reads our checked
  // descriptor instead.
  const sys::Result<int> opened = sys::openRegularFile(path);
  if (!opened) return sys::Error{"cannot open " + FileName + ": " + opened.error().message};
  const int fd = *opened;
  FILE* file = ::fdopen(fd, "rb");
  SDL_RWops* source = file ? SDL_RWFromFP(file, SDL_TRUE) : nullptr;
  if (!source && file) std::fclose(file);
  if (!source && !file) ::close(fd);
  return voice_.load(source, FileName);
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
