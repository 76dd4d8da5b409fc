#include "ui/ScrollBar.h"

#include <algorithm>

#include "ui/Look.h"

namespace ui {

ScrollBar::ScrollBar(const gfx::Rect& bar, int first, int visible, int total)
    : bar_(bar), first_(first), visible_(std::max(1, visible)), total_(std::max(0, total)) {}

int ScrollBar::arrowHeight() const {
  return std::min(kWidth, bar_.height() / 2);
}

gfx::Rect ScrollBar::track() const {
  return {bar_.left, bar_.top + arrowHeight(), bar_.right, bar_.bottom - arrowHeight()};
}

gfx::Rect ScrollBar::thumb() const {
  const gfx::Rect t = track();
  if (maxFirst() == 0 || t.height() < 8) return {};
  const int length = std::max(8, t.height() * visible_ / total_);
  const int top = t.top + (t.height() - length) * std::clamp(first_, 0, maxFirst()) / maxFirst();
  return {t.left, top, t.right, top + length};
}

ScrollBar::Part ScrollBar::partAt(int x, int y) const {
  if (!bar_.contains(x, y)) return Part::None;
  if (y < bar_.top + arrowHeight()) return Part::LineUp;
  if (y >= bar_.bottom - arrowHeight()) return Part::LineDown;
  const gfx::Rect th = thumb();
  if (th.empty()) return Part::None;
  if (y < th.top) return Part::PageUp;
  if (y >= th.bottom) return Part::PageDown;
  return Part::Thumb;
}

int ScrollBar::firstAfter(Part part) const {
  int first = first_;
  switch (part) {
    case Part::LineUp:
      first -= 1;
      break;
    case Part::LineDown:
      first += 1;
      break;
    case Part::PageUp:
      first -= visible_;
      break;
    case Part::PageDown:
      first += visible_;
      break;
    default:
      break;
  }
  return std::clamp(first, 0, maxFirst());
}

int ScrollBar::firstForThumbTop(int y) const {
  const gfx::Rect t = track(), th = thumb();
  const int room = t.height() - th.height();
  if (th.empty() || room <= 0) return first_;
  const int offset = std::clamp(y - t.top, 0, room);
  return (offset * maxFirst() + room / 2) / room;
}

void ScrollBar::paint(gfx::Canvas& c, bool enabled, Part pressed) const {
  // The track is a fine grey and white checker, as the old bars had.
  const gfx::Rect t = track();
  for (int y = t.top; y < t.bottom; ++y)
    for (int x = t.left; x < t.right; ++x)
      c.setPixel(x, y, (x + y) % 2 ? gfx::clBtnFace : gfx::clBtnHighlight);
  const bool active = enabled && maxFirst() > 0;
  const int a = arrowHeight();
  look::arrowButton(c, {bar_.left, bar_.top, bar_.right, bar_.top + a}, look::Arrow::Up, active,
                    pressed == Part::LineUp);
  look::arrowButton(c, {bar_.left, bar_.bottom - a, bar_.right, bar_.bottom}, look::Arrow::Down, active,
                    pressed == Part::LineDown);
  const gfx::Rect th = thumb();
  if (active && !th.empty()) look::raisedFrame(c, th, gfx::clBtnFace);
}

}  // namespace ui
