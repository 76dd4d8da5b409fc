#include "ui/AbstractButton.h"

#include <algorithm>

#include "gfx/Text.h"
#include "ui/Look.h"

namespace ui {

void AbstractButton::mouseDown(MouseButton button, Shift shift, int x, int y) {
  if (button == MouseButton::Left) held_ = pressed_ = true;
  Control::mouseDown(button, shift, x, y);
}

void AbstractButton::mouseMove(Shift shift, int x, int y) {
  if (held_) pressed_ = inside(x, y);
  Control::mouseMove(shift, x, y);
}

void AbstractButton::mouseUp(MouseButton button, Shift shift, int x, int y) {
  if (button == MouseButton::Left) held_ = pressed_ = false;
  Control::mouseUp(button, shift, x, y);
}

void AbstractButton::paintSideCaption(gfx::Canvas& screen, const gfx::Rect& r, int textLeft) {
  if (Caption.empty()) return;
  const int h = gfx::text::lineHeight(Font);
  const int w = gfx::text::measure(Caption, Font).width;
  const gfx::Rect box{textLeft, r.top + (r.height() - h) / 2, r.right, r.top + (r.height() - h) / 2 + h};
  if (enabledInTree()) {
    screen.Font = Font;
    screen.textBox(box, Caption, gfx::Align::Left, false);
  } else {
    look::disabledText(screen, box, Caption, Font, gfx::Align::Left);
  }
  if (focused())
    look::focusRect(screen, {box.left - 1, box.top, std::min(r.right, box.left + w + 1), box.bottom});
}

}  // namespace ui
