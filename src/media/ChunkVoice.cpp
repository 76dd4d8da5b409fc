#include "media/ChunkVoice.h"

namespace media {

sys::Result<void> ChunkVoice::load(SDL_RWops* source, const std::string& what) {
  unload();
  if (!source) return sys::Error{"cannot open " + what + ": " + SDL_GetError()};
  chunk_ = Mix_LoadWAV_RW(source, 1);
  if (!chunk_) return sys::Error{"cannot play " + what + ": " + Mix_GetError()};
  return {};
}

void ChunkVoice::unload() {
  halt();
  if (chunk_) Mix_FreeChunk(chunk_);
  chunk_ = nullptr;
}

void ChunkVoice::play(int64_t fromMs) {
  halt();
  if (!chunk_ || fromMs < 0) return;
  const uint64_t frame = static_cast<uint64_t>(audio_.frameBytes());
  const uint64_t offset =
      static_cast<uint64_t>(fromMs) * static_cast<uint64_t>(audio_.frequency()) / 1000 * frame;
  if (offset >= chunk_->alen) return;  // already past the last sample
  Mix_Chunk* sound = chunk_;
  if (offset > 0) {
    tail_ = Mix_QuickLoad_RAW(chunk_->abuf + offset, static_cast<Uint32>(chunk_->alen - offset));
    if (!tail_) return;
    tail_->volume = chunk_->volume;
    sound = tail_;
  }
  Mix_PlayChannel(channel_, sound, 0);
}

void ChunkVoice::halt() {
  Mix_HaltChannel(channel_);
  // Freeing the tail leaves the shared samples alone (it does not own them).
  if (tail_) Mix_FreeChunk(tail_);
  tail_ = nullptr;
}

void ChunkVoice::pause() {
  Mix_Pause(channel_);
}

void ChunkVoice::resume() {
  Mix_Resume(channel_);
}

}  // namespace media
