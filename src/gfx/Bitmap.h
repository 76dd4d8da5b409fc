#pragma once
#include <cstdint>
#include <vector>

#include "gfx/Color.h"
#include "gfx/Rect.h"

namespace gfx {

// A picture in memory: 32-bit pixels 0xAARRGGBB, rows top to bottom. Pictures
// loaded from files are opaque (alpha 255); alpha matters only for cursors and
// rendered text.
class Bitmap {
 public:
  Bitmap() = default;
  Bitmap(int width, int height, Pixel fill = 0xFF000000u);

  int width() const { return width_; }
  int height() const { return height_; }
  bool empty() const { return width_ <= 0 || height_ <= 0; }
  Rect bounds() const { return {0, 0, width_, height_}; }

  // Pixels outside the picture read as opaque black and ignore writes.
  Pixel pixel(int x, int y) const;
  void setPixel(int x, int y, Pixel p);

  Pixel* row(int y) { return pixels_.data() + static_cast<size_t>(y) * static_cast<size_t>(width_); }
  const Pixel* row(int y) const {
    return pixels_.data() + static_cast<size_t>(y) * static_cast<size_t>(width_);
  }
  std::vector<Pixel>& pixels() { return pixels_; }
  const std::vector<Pixel>& pixels() const { return pixels_; }

  // Changes the size; the top-left part that both sizes share is kept and the
  // new area is filled.
  void resize(int width, int height, Pixel fill = 0xFF000000u);
  void fill(Pixel p);

  bool operator==(const Bitmap&) const = default;

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<Pixel> pixels_;
};

}  // namespace gfx
