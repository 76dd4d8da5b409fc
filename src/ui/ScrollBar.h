#pragma once
#include "gfx/Canvas.h"

namespace ui {

// The vertical scroll bar of a list: an arrow button at each end and a thumb
// whose size and place show which lines are in view. The list keeps the
// index of its first shown line; the bar draws it and says what a press
// does. With everything in view the bar shows no thumb and does nothing.
class ScrollBar {
 public:
  static constexpr int kWidth = 16;
  enum class Part { None, LineUp, LineDown, PageUp, PageDown, Thumb };

  ScrollBar(const gfx::Rect& bar, int first, int visible, int total);

  int maxFirst() const { return total_ > visible_ ? total_ - visible_ : 0; }
  Part partAt(int x, int y) const;
  // The first shown line after a press on a line or page part.
  int firstAfter(Part part) const;
  // The first shown line that puts the thumb's top at y (dragging).
  int firstForThumbTop(int y) const;
  gfx::Rect thumb() const;
  void paint(gfx::Canvas& c, bool enabled, Part pressed = Part::None) const;

 private:
  int arrowHeight() const;
  gfx::Rect track() const;

  gfx::Rect bar_;
  int first_, visible_, total_;
};

}  // namespace ui
