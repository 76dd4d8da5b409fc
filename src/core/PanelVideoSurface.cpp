#include "core/PanelVideoSurface.h"

#include <string>

#include "ui/Desktop.h"
#include "ui/Timer.h"

namespace game {
namespace {

class TimerTicker final : public media::Ticker {
 public:
  TimerTicker(ui::Desktop& desktop, std::string name, std::function<void()> onTick)
      : timer_(desktop, std::move(name)) {
    timer_.OnTimer = std::move(onTick);
  }
  void setInterval(int ms) override { timer_.setInterval(ms); }
  void setRunning(bool on) override { timer_.setEnabled(on); }

 private:
  ui::Timer timer_;
};

}  // namespace

std::unique_ptr<media::Ticker> PanelVideoSurface::makeTicker(std::function<void()> onTick) {
  ui::Desktop* desktop = panel_.desktop();
  if (!desktop) return nullptr;
  return std::make_unique<TimerTicker>(*desktop, panel_.Name + ".video", std::move(onTick));
}

}  // namespace game
