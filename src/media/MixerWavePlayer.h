#pragma once
#include "media/ChunkVoice.h"
#include "media/DevicePlayer.h"
#include "media/MixerAudio.h"

namespace media {

// Wave sounds (effects, speech, background loops) through SDL_mixer, one at
// a time: opening a new file replaces the old sound. The whole file is
// decoded on open, so a seek is only a matter of where in the samples the
// channel starts. While it plays speech the music is lowered.
class MixerWavePlayer final : public DevicePlayer {
 public:
  // The game's wave slot (Tag) while the sound is a spoken line.
  static constexpr int kSpeechTag = 1;

  MixerWavePlayer(const sys::Clock& clock, MixerAudio& audio)
      : DevicePlayer(clock), audio_(audio), voice_(audio) {}
  ~MixerWavePlayer() override;

 protected:
  sys::Result<void> load(const std::string& path) override;
  void unload() override { voice_.unload(); }
  void start(int64_t fromMs) override;
  void halt() override;
  void pause() override;
  void resume() override;

 private:
  void speak(bool speaking);

  MixerAudio& audio_;
  ChunkVoice voice_;
  bool speech_ = false;  // the sound that plays or pauses is speech
};

}  // namespace media
