#include "media/FfmpegVideoPlayer.h"

#include <SDL.h>

#include <algorithm>

#include "media/VideoSound.h"

namespace media {
namespace {

// The sound track is decoded whole; a little beyond the film's length covers
// a track that runs a few samples longer.
constexpr int64_t kSoundSlackMs = 1000;

}  // namespace

FfmpegVideoPlayer::FfmpegVideoPlayer(const sys::Clock& clock, MixerAudio* audio) : DevicePlayer(clock) {
  if (audio && audio->ok()) sound_ = std::make_unique<ChunkVoice>(*audio);
}

FfmpegVideoPlayer::~FfmpegVideoPlayer() {
  halt();
  unload();
}

void FfmpegVideoPlayer::setDisplay(VideoSurface* surface) {
  surface_ = surface;
  frameTicker_.reset();
  if (surface) frameTicker_ = surface->makeTicker([this] { showCurrentFrame(); });
  if (frameTicker_ && decoder_) frameTicker_->setInterval(decoder_->frameIntervalMs());
}

sys::Result<void> FfmpegVideoPlayer::load(const std::string& path) {
  sys::Result<std::unique_ptr<VideoDecoder>> decoder = VideoDecoder::open(path, FileName);
  if (!decoder) return decoder.error();
  decoder_ = std::move(decoder).value();
  if (frameTicker_) frameTicker_->setInterval(decoder_->frameIntervalMs());
  clearSurface_ = true;
  if (!sound_) return {};
  // A silent film, or a sound track we cannot read or play: the pictures still play.
  const sys::Result<std::string> track = decodeVideoSound(path, Length() + kSoundSlackMs);
  if (track) (void)sound_->load(SDL_RWFromConstMem(track->data(), static_cast<int>(track->size())), FileName);
  return {};
}

void FfmpegVideoPlayer::unload() {
  decoder_.reset();
  if (sound_) sound_->unload();
}

void FfmpegVideoPlayer::start(int64_t fromMs) {
  if (!decoder_) return;
  decoder_->advanceTo(fromMs);
  draw();
  if (sound_) sound_->play(fromMs);
  runFrameTicker(true);
}

void FfmpegVideoPlayer::halt() {
  runFrameTicker(false);
  if (sound_) sound_->halt();
}

void FfmpegVideoPlayer::pause() {
  runFrameTicker(false);
  if (sound_) sound_->pause();
}

void FfmpegVideoPlayer::resume() {
  runFrameTicker(true);
  if (sound_) sound_->resume();
}

void FfmpegVideoPlayer::runFrameTicker(bool on) {
  if (frameTicker_) frameTicker_->setRunning(on);
}

void FfmpegVideoPlayer::showCurrentFrame() {
  if (!decoder_) return;
  if (decoder_->advanceTo(Position())) draw();
  // At the end the last frame has been drawn; nothing moves any more.
  if (mode() != Mode::Playing) runFrameTicker(false);
}

gfx::Rect FfmpegVideoPlayer::pictureRect() const {
  if (!decoder_ || !surface_) return {};
  const int w = decoder_->width(), h = decoder_->height();
  const int roomW = std::max(1, surface_->width()), roomH = std::max(1, surface_->height());
  if (w <= roomW && h <= roomH) return gfx::Rect::xywh(0, 0, w, h);
  // Shrink by the tighter side; the other side follows the film's shape.
  if (static_cast<int64_t>(w) * roomH > static_cast<int64_t>(h) * roomW)
    return gfx::Rect::xywh(0, 0, roomW, std::max(1, static_cast<int>(static_cast<int64_t>(h) * roomW / w)));
  return gfx::Rect::xywh(0, 0, std::max(1, static_cast<int>(static_cast<int64_t>(w) * roomH / h)), roomH);
}

void FfmpegVideoPlayer::draw() {
  if (!surface_ || !decoder_) return;
  const gfx::Rect where = pictureRect();
  const gfx::Bitmap& picture = decoder_->picture(where.width(), where.height());
  if (picture.empty()) return;
  gfx::Canvas& canvas = surface_->canvas();
  if (clearSurface_) {
    canvas.fillRect(canvas.target().bounds(), surface_->background());
    clearSurface_ = false;
  }
  canvas.draw(where.left, where.top, picture);
}

}  // namespace media
