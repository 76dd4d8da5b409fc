#pragma once
#include <functional>
#include <memory>

#include "media/VideoSurface.h"
#include "ui/Control.h"

namespace game {

// A control of the window toolkit as the place where films play: its canvas
// and client area, its face colour, and tickers that are timers on its
// desktop, named after it ("Panel2.video") so that the timer list tells
// whose they are.
class PanelVideoSurface final : public media::VideoSurface {
 public:
  explicit PanelVideoSurface(ui::Control& panel) : panel_(panel) {}

  gfx::Canvas& canvas() override { return panel_.canvas(); }
  int width() const override { return panel_.clientScreenRect().width(); }
  int height() const override { return panel_.clientScreenRect().height(); }
  gfx::TColor background() const override { return panel_.faceColor(); }
  // Null while the panel is on no desktop.
  std::unique_ptr<media::Ticker> makeTicker(std::function<void()> onTick) override;

 private:
  ui::Control& panel_;
};

}  // namespace game
