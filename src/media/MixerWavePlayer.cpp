#include "media/MixerWavePlayer.h"

#include <SDL.h>
#include <unistd.h>

#include <cstdio>

#include "sys/FileIo.h"

namespace media {

void MixerWavePlayer::load(const std::string& path) {
  // SDL would open a named pipe and wait for a writer; it reads our checked
  // descriptor instead.
  std::string error;
  const int fd = sys::openRegularFile(path, &error);
  if (fd < 0) {
    SDL_SetError("%s", error.c_str());
    return voice_.load(nullptr, FileName);
  }
  FILE* file = ::fdopen(fd, "rb");
  SDL_RWops* source = file ? SDL_RWFromFP(file, SDL_TRUE) : nullptr;
  if (!source && file) std::fclose(file);
  if (!source && !file) ::close(fd);
  voice_.load(source, FileName);
}

}  // namespace media
