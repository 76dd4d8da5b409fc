#pragma once
#include <functional>
#include <memory>

#include "gfx/Canvas.h"
#include "gfx/Color.h"

namespace media {

// Calls back at a pace while it runs.
class Ticker {
 public:
  virtual ~Ticker() = default;
  virtual void setInterval(int ms) = 0;
  virtual void setRunning(bool on) = 0;
};

// Where a video player shows its film, so that the player needs no window
// toolkit. Pictures drawn on the canvas show when the screen is next
// composed, which follows every tick and every input event, so the player
// never asks for a redraw itself.
class VideoSurface {
 public:
  virtual ~VideoSurface() = default;
  // The canvas the pictures go on, its origin at the surface's top-left corner.
  virtual gfx::Canvas& canvas() = 0;
  // The room the pictures may take from that corner.
  virtual int width() const = 0;
  virtual int height() const = 0;
  // The surface's own colour; a new film wipes the last one's picture with it.
  virtual gfx::TColor background() const = 0;
  // A stopped ticker that calls onTick on the game's clock; null when the
  // surface cannot tick (the film then shows only its first picture).
  virtual std::unique_ptr<Ticker> makeTicker(std::function<void()> onTick) = 0;
};

}  // namespace media
