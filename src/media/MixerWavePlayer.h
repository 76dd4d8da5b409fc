#pragma once
#include "media/ChunkVoice.h"
#include "media/DevicePlayer.h"
#include "media/MixerAudio.h"

namespace media {

// Wave sounds (effects, speech, background loops) through SDL_mixer, one at
// a time: opening a new file replaces the old sound. The whole file is
// decoded on open, so a seek is only a matter of where in the samples the
// channel starts.
class MixerWavePlayer final : public DevicePlayer {
 public:
  MixerWavePlayer(const sys::Clock& clock, MixerAudio& audio) : DevicePlayer(clock), voice_(audio) {}
  ~MixerWavePlayer() override { voice_.unload(); }

 protected:
  void load(const std::string& path) override;
  void unload() override { voice_.unload(); }
  void start(int64_t fromMs) override { voice_.play(fromMs); }
  void halt() override { voice_.halt(); }
  void pause() override { voice_.pause(); }
  void resume() override { voice_.resume(); }

 private:
  ChunkVoice voice_;
};

}  // namespace media
