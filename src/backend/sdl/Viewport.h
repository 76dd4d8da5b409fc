#pragma once
#include "gfx/Rect.h"

namespace backend {

// Where the game's picture lies in a window of some size: as large as fits
// with its aspect kept, centred, black bars on the remaining sides. A
// whole-number factor keeps every game pixel a sharp square, so it is taken
// whenever it fills most of what a fractional factor would fill; otherwise the
// picture is stretched smoothly to the full fit.
class Viewport {
 public:
  // Share of the full fit a whole-number factor must reach to be preferred.
  static constexpr double kSharpShare = 0.85;

  Viewport() = default;
  Viewport(int windowWidth, int windowHeight, int pictureWidth, int pictureHeight);

  // The window pixels the picture covers.
  const gfx::Rect& area() const { return area_; }
  // Whether the picture is enlarged by a whole number (1 included).
  bool sharp() const { return sharp_; }
  // The whole-number factor for pictures drawn at the pointer (at least 1).
  int cursorScale() const { return cursorScale_; }

  // Whether a window position lies on the picture rather than on a bar.
  bool onPicture(int x, int y) const { return area_.contains(x, y); }
  // A window position as a picture pixel; positions on the bars go to the
  // nearest edge pixel, as the pointer cannot leave a full-screen game.
  gfx::Point toPicture(int x, int y) const;
  // The window position of a picture pixel's centre.
  gfx::Point toWindow(int x, int y) const;

 private:
  gfx::Rect area_;
  int pictureWidth_ = 0, pictureHeight_ = 0;
  bool sharp_ = false;
  int cursorScale_ = 1;
};

}  // namespace backend
