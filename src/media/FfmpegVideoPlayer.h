#pragma once
#include <memory>

#include "gfx/Rect.h"
#include "media/ChunkVoice.h"
#include "media/DevicePlayer.h"
#include "media/MixerAudio.h"
#include "media/VideoDecoder.h"
#include "media/VideoSurface.h"

namespace media {

// Videos through FFmpeg, drawn onto their surface (the game's video panel):
// each frame at its native size at the surface's top-left corner (shrunk to
// fit a smaller surface, its shape kept), at the moment the game's clock
// reaches it. The surface's frame ticker paces the pictures, so the window
// redraws while a video plays. A sound track plays through the mixer when there is a sound device.
// At the end the last frame stays.
class FfmpegVideoPlayer final : public DevicePlayer {
 public:
  // Without audio the films play silent.
  FfmpegVideoPlayer(const sys::Clock& clock, MixerAudio* audio);
  ~FfmpegVideoPlayer() override;

  void setDisplay(VideoSurface* surface) override;
  // Draws the frame due now; the frame ticker calls this.
  void showCurrentFrame();
  // Where the frames go, in the surface's coordinates.
  gfx::Rect pictureRect() const;

 protected:
  sys::Result<void> load(const std::string& path) override;
  void unload() override;
  void start(int64_t fromMs) override;
  void halt() override;
  void pause() override;
  void resume() override;

 private:
  void draw();
  void runFrameTicker(bool on);

  VideoSurface* surface_ = nullptr;
  std::unique_ptr<Ticker> frameTicker_;
  std::unique_ptr<VideoDecoder> decoder_;
  std::unique_ptr<ChunkVoice> sound_;
  bool clearSurface_ = false;  // a new film wipes what the last one left
};

}  // namespace media
