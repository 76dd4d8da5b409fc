#pragma once
#include <memory>
#include <string>

#include "media/DevicePlayer.h"
#include "media/MidiSequence.h"
#include "media/MixerAudio.h"

namespace media {

// MIDI music on the program's one synthesizer (MixerAudio's music stream).
// Opening a piece reads and sequences it; playing hands the sequence over;
// the synthesizer and its sound font stay loaded. The length is read from
// the file and the position is playing time, as for every device player;
// playing from a position plays a copy of the piece cut there (see
// midiFrom), so that the notes sounding at the position sound. The music
// stream plays one piece at a time: one such player per program.
class MixerMusicPlayer final : public DevicePlayer {
 public:
  MixerMusicPlayer(const sys::Clock& clock, MixerAudio& audio) : DevicePlayer(clock), audio_(audio) {}
  ~MixerMusicPlayer() override;

 protected:
  sys::Result<void> load(const std::string& path) override;
  void unload() override;
  void start(int64_t fromMs) override;
  void halt() override;
  void pause() override;
  void resume() override;

 private:
  MixerAudio& audio_;
  std::string smf_;  // the piece as loaded, for cutting
  std::shared_ptr<const MidiSequence> sequence_;
  bool started_ = false;  // the music stream plays our piece
};

}  // namespace media
