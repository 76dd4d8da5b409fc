#pragma once
#include <memory>

#include "gfx/Rect.h"
#include "media/ChunkVoice.h"
#include "media/DevicePlayer.h"
#include "media/MixerAudio.h"
#include "media/VideoDecoder.h"
#include "ui/Control.h"
#include "ui/Timer.h"

namespace media {

// Videos through FFmpeg, drawn into their panel: each frame at its native
// size at the panel's top-left corner (shrunk to fit a smaller panel, its
// shape kept), at the moment the game's clock reaches it. A frame timer on
// the panel's desktop paces the pictures, so the window redraws while a video
// plays. A sound track plays through the mixer when there is a sound device.
// At the end the last frame stays.
class FfmpegVideoPlayer final : public DevicePlayer {
 public:
  // Without audio the films play silent.
  FfmpegVideoPlayer(const sys::Clock& clock, MixerAudio* audio);
  ~FfmpegVideoPlayer() override;

  void setDisplay(ui::Control* panel) override;
  // Draws the frame due now; the frame timer calls this.
  void showCurrentFrame();
  // Where the frames go, in the panel's client coordinates.
  gfx::Rect pictureRect() const;

 protected:
  void load(const std::string& path) override;
  void unload() override;
  void start(int64_t fromMs) override;
  void halt() override;
  void pause() override;
  void resume() override;

 private:
  void draw();
  void runFrameTimer(bool on);

  ui::Control* panel_ = nullptr;
  std::unique_ptr<ui::Timer> frameTimer_;
  std::unique_ptr<VideoDecoder> decoder_;
  std::unique_ptr<ChunkVoice> sound_;
  bool clearPanel_ = false;  // a new film wipes what the last one left
};

}  // namespace media
