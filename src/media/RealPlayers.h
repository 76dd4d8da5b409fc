#pragma once
#include <memory>
#include <string>

#include "media/MediaPlayer.h"
#include "media/MixerAudio.h"
#include "sys/Clock.h"

namespace media {

// The players of the game window: SDL_mixer for music and waves, FFmpeg for
// video, all on the game's clock. Where the machine cannot play a kind (no
// sound device, no sound font) that kind gets the simulated player, so the
// game runs the same, only silent; warning() says what is missing in one
// line. Must outlive every player it made.
class RealPlayers {
 public:
  explicit RealPlayers(const sys::Clock& clock, const std::string& soundFont = MixerAudio::kSoundFont);

  std::unique_ptr<MediaPlayer> music();
  std::unique_ptr<MediaPlayer> wave();
  std::unique_ptr<MediaPlayer> video();

  const MixerAudio& audio() const { return audio_; }
  // Empty when everything plays.
  const std::string& warning() const { return warning_; }

 private:
  const sys::Clock& clock_;
  MixerAudio audio_;
  std::string warning_;
};

}  // namespace media
