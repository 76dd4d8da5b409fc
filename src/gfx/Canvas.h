#pragma once
#include <functional>
#include <string>

#include "gfx/Bitmap.h"
#include "gfx/Font.h"
#include "gfx/Text.h"

namespace gfx {

// Drawing operations on a bitmap, as the game's pictures offer them. Every
// operation is clipped to the target; rectangles may lie partly or wholly
// outside it (negative coordinates are common and simply clip). A source
// rectangle is clipped to its source picture too: target pixels whose source
// lies outside the source picture keep their colour.
class Canvas {
 public:
  explicit Canvas(Bitmap& target, std::function<void()> onChange = {})
      : target_(&target), onChange_(std::move(onChange)) {}

  Bitmap& target() { return *target_; }
  const Bitmap& target() const { return *target_; }

  // Draws a picture opaque with its top-left corner at (x, y).
  void draw(int x, int y, const Bitmap& src);
  // Draws a picture leaving out the pixels of one colour.
  void drawTransparent(int x, int y, const Bitmap& src, TColor transparent);
  // Copies srcRect of src onto dst, stretching when the sizes differ.
  void copyRect(const Rect& dst, const Bitmap& src, const Rect& srcRect);
  void stretchDraw(const Rect& dst, const Bitmap& src) { copyRect(dst, src, src.bounds()); }
  // Copies a rectangle scaled down by averaging (for thumbnails).
  void copyRectSmooth(const Rect& dst, const Bitmap& src, const Rect& srcRect);

  void fillRect(const Rect& r, TColor color);
  void fillRect(const Rect& r) { fillRect(r, BrushColor); }
  void frameRect(const Rect& r, TColor color);
  void line(int x1, int y1, int x2, int y2, TColor color);  // horizontal or vertical

  // Writes text at (x, y) in Font; fills its box with BrushColor unless BrushClear.
  void textOut(int x, int y, const std::string& utf8);
  void textBox(const Rect& box, const std::string& utf8, Align align, bool wrap);
  TextSize textExtent(const std::string& utf8) const { return text::measure(utf8, Font); }

  TColor pixel(int x, int y) const { return toColor(target_->pixel(x, y)); }
  void setPixel(int x, int y, TColor color);

  // The clipping rectangle in target coordinates (the whole target by default).
  void setClip(const Rect& clip) {
    clip_ = clip;
    hasClip_ = true;
  }
  Rect clip() const { return hasClip_ ? clip_.intersect(target_->bounds()) : target_->bounds(); }

  gfx::Font Font;
  TColor BrushColor = clWhite;
  bool BrushClear = false;

 private:
  void changed() {
    if (onChange_) onChange_();
  }
  Bitmap* target_;
  std::function<void()> onChange_;
  Rect clip_;
  bool hasClip_ = false;
};

}  // namespace gfx
