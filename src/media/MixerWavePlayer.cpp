#include "media/MixerWavePlayer.h"

#include <SDL.h>

namespace media {

void MixerWavePlayer::load(const std::string& path) {
  voice_.load(SDL_RWFromFile(path.c_str(), "rb"), FileName);
}

}  // namespace media
