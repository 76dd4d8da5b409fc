#include "media/MusicStream.h"

#include <SDL_mixer.h>

#include <algorithm>
#include <cmath>

namespace media {
namespace {

// Frames rendered at a time: the scratch buffer's size, not a latency.
constexpr int kChunkFrames = 256;

void mixMusic(void* stream, Uint8* bytes, int length) {
  auto& music = *static_cast<MusicStream*>(stream);
  const int frames = length / static_cast<int>(sizeof(int16_t)) / music.channels();
  music.mix(reinterpret_cast<int16_t*>(bytes), frames);
}

float stepPerFrame(double db, double seconds, int sampleRate) {
  return static_cast<float>(std::pow(10.0, db / 20.0 / (seconds * sampleRate)));
}

int16_t toSample(float v) {
  return static_cast<int16_t>(std::lround(std::clamp(v, -1.0f, 1.0f) * 32767.0f));
}

}  // namespace

MusicStream::MusicStream(MidiSynth& synth, int sampleRate, int channels)
    : synth_(synth),
      channels_(std::max(1, channels)),
      duckGain_(static_cast<float>(std::pow(10.0, kDuckDb / 20.0))),
      duckStepDown_(stepPerFrame(kDuckDb, kDuckDownSeconds, sampleRate)),
      duckStepUp_(stepPerFrame(-kDuckDb, kDuckUpSeconds, sampleRate)),
      scratch_(2 * kChunkFrames) {
  Mix_HookMusic(mixMusic, this);
}

MusicStream::~MusicStream() {
  // Returns once the audio thread is out of mix() for good.
  Mix_HookMusic(nullptr, nullptr);
}

void MusicStream::play(std::shared_ptr<const MidiSequence> sequence) {
  std::lock_guard hold(lock_);
  ++request_.generation;
  request_.sequence = std::move(sequence);
  request_.paused = false;
}

void MusicStream::halt() {
  std::lock_guard hold(lock_);
  if (!request_.sequence) return;
  ++request_.generation;
  request_.sequence = nullptr;
}

void MusicStream::pause() {
  std::lock_guard hold(lock_);
  request_.paused = true;
}

void MusicStream::resume() {
  std::lock_guard hold(lock_);
  request_.paused = false;
}

void MusicStream::duck(bool speaking) {
  std::lock_guard hold(lock_);
  request_.ducked = speaking;
}

bool MusicStream::playing() const {
  std::lock_guard hold(lock_);
  return request_.sequence && !request_.paused;
}

bool MusicStream::paused() const {
  std::lock_guard hold(lock_);
  return request_.sequence && request_.paused;
}

void MusicStream::takeRequest() {
  bool restart = false;
  {
    std::lock_guard hold(lock_);
    if (request_.generation != playedGeneration_) {
      playedGeneration_ = request_.generation;
      sequence_ = request_.sequence;
      restart = true;
    }
    paused_ = request_.paused;
    ducked_ = request_.ducked;
  }
  if (!restart) return;
  synth_.reset();
  nextCue_ = 0;
  frame_ = 0;
}

void MusicStream::mix(int16_t* samples, int frames) {
  takeRequest();
  if (!sequence_ || paused_) return;  // the buffer stays silent
  for (int done = 0; done < frames;) {
    const int n = std::min(kChunkFrames, frames - done);
    renderPiece(scratch_.data(), n);
    applyGain(scratch_.data(), samples + static_cast<size_t>(done) * channels_, n);
    done += n;
  }
}

// Renders up to each cue that falls due inside the span, then sends it, so
// that notes start where the piece puts them and not at a buffer's edge.
void MusicStream::renderPiece(float* stereo, int frames) {
  const std::vector<MidiCue>& cues = sequence_->cues;
  for (int written = 0; written < frames;) {
    while (nextCue_ < cues.size() && cues[nextCue_].frame <= frame_) synth_.send(cues[nextCue_++].message);
    uint64_t until = frame_ + static_cast<uint64_t>(frames - written);
    if (nextCue_ < cues.size()) until = std::min(until, cues[nextCue_].frame);
    const int n = static_cast<int>(until - frame_);
    synth_.render(stereo + 2 * written, n);
    written += n;
    frame_ = until;
  }
}

void MusicStream::applyGain(const float* stereo, int16_t* out, int frames) {
  const float target = ducked_ ? duckGain_ : 1.0f;
  for (int i = 0; i < frames; ++i) {
    if (gain_ > target) gain_ = std::max(target, gain_ * duckStepDown_);
    if (gain_ < target) gain_ = std::min(target, gain_ * duckStepUp_);
    const float left = stereo[2 * i] * gain_, right = stereo[2 * i + 1] * gain_;
    int16_t* frame = out + static_cast<size_t>(i) * channels_;
    if (channels_ == 1) {
      frame[0] = toSample((left + right) / 2);
      continue;
    }
    frame[0] = toSample(left);
    frame[1] = toSample(right);
  }
}

}  // namespace media
