#include "ui/SpeedButton.h"

#include "gfx/Text.h"
#include "ui/Look.h"

namespace ui {

SpeedButton::SpeedButton(Control* parent, std::string name, std::string caption)
    : AbstractButton(parent, std::move(name)) {
  Caption = std::move(caption);
  Width = 23;
  Height = 22;
}

void SpeedButton::paint(gfx::Canvas& screen, const gfx::Rect& r) {
  const bool enabled = enabledInTree();
  if (!Flat) {
    if (pressed_)
      look::pressedFrame(screen, r, Color);
    else
      look::raisedFrame(screen, r, Color);
  } else if (enabled && (pressed_ || hovered_)) {
    // A thin edge: raised under the pointer, sunken while held down.
    const gfx::TColor topLeft = pressed_ ? gfx::clBtnShadow : gfx::clBtnHighlight;
    const gfx::TColor bottomRight = pressed_ ? gfx::clBtnHighlight : gfx::clBtnShadow;
    screen.line(r.left, r.top, r.right, r.top, topLeft);
    screen.line(r.left, r.top, r.left, r.bottom, topLeft);
    screen.line(r.left, r.bottom - 1, r.right, r.bottom - 1, bottomRight);
    screen.line(r.right - 1, r.top, r.right - 1, r.bottom, bottomRight);
  }
  if (Caption.empty()) return;
  const int h = gfx::text::lineHeight(Font);
  const int shift = pressed_ ? 1 : 0;
  const gfx::Rect box{r.left + shift, r.top + (r.height() - h) / 2 + shift, r.right + shift, r.bottom};
  if (enabled) {
    screen.Font = Font;
    screen.textBox(box, Caption, gfx::Align::Center, false);
  } else {
    look::disabledText(screen, box, Caption, Font, gfx::Align::Center);
  }
}

}  // namespace ui
