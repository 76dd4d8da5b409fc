#include "media/RealPlayers.h"

#include "media/FfmpegVideoPlayer.h"
#include "media/MixerMusicPlayer.h"
#include "media/MixerWavePlayer.h"
#include "media/SimulatedPlayer.h"

namespace media {

RealPlayers::RealPlayers(const sys::Clock& clock, const std::string& soundFont)
    : clock_(clock), audio_(soundFont) {
  if (!audio_.ok())
    warning_ = "playing without sound: " + audio_.error();
  else if (!audio_.midiReady())
    warning_ = "playing without music: " + audio_.midiError();
}

std::unique_ptr<MediaPlayer> RealPlayers::music() {
  if (audio_.ok() && audio_.midiReady()) return std::make_unique<MixerMusicPlayer>(clock_, audio_);
  return std::make_unique<SimulatedPlayer>(clock_);
}

std::unique_ptr<MediaPlayer> RealPlayers::wave() {
  if (audio_.ok()) return std::make_unique<MixerWavePlayer>(clock_, audio_);
  return std::make_unique<SimulatedPlayer>(clock_);
}

std::unique_ptr<MediaPlayer> RealPlayers::video() {
  return std::make_unique<FfmpegVideoPlayer>(clock_, audio_.ok() ? &audio_ : nullptr);
}

}  // namespace media
