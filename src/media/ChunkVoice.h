#pragma once
#include <SDL_mixer.h>

#include <cstdint>
#include <string>

#include "media/MixerAudio.h"
#include "sys/Result.h"

namespace media {

// One sound in the device's sample format on a mixing channel of its own,
// playable from any position: a later start plays the tail of the samples,
// which is how a seek reaches a wave sound.
class ChunkVoice {
 public:
  explicit ChunkVoice(MixerAudio& audio) : audio_(audio), channel_(audio.reserveChannel()) {}
  ~ChunkVoice() { unload(); }
  ChunkVoice(const ChunkVoice&) = delete;
  ChunkVoice& operator=(const ChunkVoice&) = delete;

  // Loads a sound SDL can read (a RIFF WAVE) and converts it to the device's
  // format; takes the stream over. An error names `what`; a null source is
  // one SDL could not open, and SDL's error says why.
  sys::Result<void> load(SDL_RWops* source, const std::string& what);
  void unload();
  bool loaded() const { return chunk_ != nullptr; }

  void play(int64_t fromMs);
  void halt();
  void pause();
  void resume();
  bool playing() const { return Mix_Playing(channel_) != 0; }
  int channel() const { return channel_; }

 private:
  MixerAudio& audio_;
  const int channel_;
  Mix_Chunk* chunk_ = nullptr;
  Mix_Chunk* tail_ = nullptr;  // shares chunk_'s samples
};

}  // namespace media
