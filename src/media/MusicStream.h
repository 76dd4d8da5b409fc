#pragma once
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

#include "media/MidiSequence.h"
#include "media/MidiSynth.h"

namespace media {

// The music as SDL_mixer mixes it: a hook on its music stream that plays one
// sequence on the synthesizer. The game's thread only hands over requests
// (play this sequence from its start, halt, pause, resume, lower the music
// for speech) under a lock held for a few assignments; the audio thread picks
// them up at its next buffer and alone talks to the synthesizer, so a change
// of music never waits for the synthesizer and never stalls the sound.
class MusicStream {
 public:
  // Hooks itself into SDL_mixer's music stream (the device must be open, in
  // signed 16-bit samples) for as long as it lives.
  MusicStream(MidiSynth& synth, int sampleRate, int channels);
  ~MusicStream();
  MusicStream(const MusicStream&) = delete;
  MusicStream& operator=(const MusicStream&) = delete;

  // Game thread.
  void play(std::shared_ptr<const MidiSequence> sequence);
  void halt();
  void pause();
  void resume();
  // While a voice speaks the music is lowered by kDuckDb, sliding down and
  // back up so that neither edge is heard as a jump.
  void duck(bool speaking);
  // What was asked for last: a piece that plays, one that is paused.
  bool playing() const;
  bool paused() const;

  static constexpr double kDuckDb = -10.0;
  static constexpr double kDuckDownSeconds = 0.2;
  static constexpr double kDuckUpSeconds = 0.5;

  // Audio thread: fills a buffer of the device's samples (SDL_mixer has
  // cleared it; the channels are mixed on top afterwards).
  void mix(int16_t* samples, int frames);
  int channels() const { return channels_; }

 private:
  struct Request {
    uint64_t generation = 0;  // counts play and halt requests
    std::shared_ptr<const MidiSequence> sequence;
    bool paused = false;
    bool ducked = false;
  };

  void takeRequest();  // audio thread
  void renderPiece(float* stereo, int frames);
  void applyGain(const float* stereo, int16_t* out, int frames);

  MidiSynth& synth_;
  const int channels_;
  const float duckGain_;
  const float duckStepDown_, duckStepUp_;  // gain factor per frame

  mutable std::mutex lock_;
  Request request_;  // guarded by lock_

  // Audio thread only.
  uint64_t playedGeneration_ = 0;
  std::shared_ptr<const MidiSequence> sequence_;
  bool paused_ = false;
  bool ducked_ = false;
  size_t nextCue_ = 0;
  uint64_t frame_ = 0;
  float gain_ = 1.0f;
  std::vector<float> scratch_;
};

}  // namespace media
