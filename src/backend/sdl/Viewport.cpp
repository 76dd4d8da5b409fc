#include "backend/sdl/Viewport.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace backend {

Viewport::Viewport(int windowWidth, int windowHeight, int pictureWidth, int pictureHeight)
    : pictureWidth_(pictureWidth), pictureHeight_(pictureHeight) {
  if (windowWidth <= 0 || windowHeight <= 0 || pictureWidth <= 0 || pictureHeight <= 0) return;
  const double fit = std::min(static_cast<double>(windowWidth) / pictureWidth,
                              static_cast<double>(windowHeight) / pictureHeight);
  const int whole = static_cast<int>(fit);
  int width = 0, height = 0;
  if (whole >= 1 && whole >= kSharpShare * fit) {
    sharp_ = true;
    width = pictureWidth * whole;
    height = pictureHeight * whole;
  } else if (static_cast<int64_t>(windowWidth) * pictureHeight <=
             static_cast<int64_t>(windowHeight) * pictureWidth) {
    // The window is narrower than the picture's aspect: full width, bars above and below.
    width = windowWidth;
    height = static_cast<int>((static_cast<int64_t>(windowWidth) * pictureHeight + pictureWidth / 2) /
                              pictureWidth);
  } else {
    height = windowHeight;
    width = static_cast<int>((static_cast<int64_t>(windowHeight) * pictureWidth + pictureHeight / 2) /
                             pictureHeight);
  }
  width = std::clamp(width, 1, windowWidth);
  height = std::clamp(height, 1, windowHeight);
  area_ = gfx::Rect::xywh((windowWidth - width) / 2, (windowHeight - height) / 2, width, height);
  cursorScale_ = std::max(1, static_cast<int>(std::lround(fit)));
  if (sharp_) cursorScale_ = whole;
}

gfx::Point Viewport::toPicture(int x, int y) const {
  if (area_.empty()) return {0, 0};
  auto map = [](int at, int start, int span, int size) {
    const int64_t offset = static_cast<int64_t>(at) - start;
    // The picture pixel under the window pixel's centre, as drawing samples it.
    const int64_t pixel = offset < 0 ? 0 : (2 * offset + 1) * size / (2 * static_cast<int64_t>(span));
    return static_cast<int>(std::clamp<int64_t>(pixel, 0, size - 1));
  };
  return {map(x, area_.left, area_.width(), pictureWidth_),
          map(y, area_.top, area_.height(), pictureHeight_)};
}

gfx::Point Viewport::toWindow(int x, int y) const {
  if (area_.empty()) return {0, 0};
  auto map = [](int pixel, int start, int span, int size) {
    return static_cast<int>(start +
                            (2 * static_cast<int64_t>(pixel) + 1) * span / (2 * static_cast<int64_t>(size)));
  };
  return {map(x, area_.left, area_.width(), pictureWidth_),
          map(y, area_.top, area_.height(), pictureHeight_)};
}

}  // namespace backend
