#include "ui/SpinEdit.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cstdint>

#include "ui/Look.h"

namespace ui {

SpinEdit::SpinEdit(Control* parent, std::string name) : Edit(parent, std::move(name), "0") {}

int SpinEdit::clamp(int value) const {
  if (MinValue == 0 && MaxValue == 0) return value;
  return std::clamp(value, std::min(MinValue, MaxValue), std::max(MinValue, MaxValue));
}

int SpinEdit::Value() const {
  const std::string& t = Text();
  int value = 0;
  const auto [end, error] = std::from_chars(t.data(), t.data() + t.size(), value);
  if (error != std::errc() || end != t.data() + t.size() || t.empty()) return MinValue;
  return clamp(value);
}

void SpinEdit::setValue(int value) {
  setText(std::to_string(clamp(value)));
}

void SpinEdit::step(int direction) {
  const int64_t next = int64_t{Value()} + int64_t{direction} * Increment;
  setValue(static_cast<int>(std::clamp<int64_t>(next, INT_MIN, INT_MAX)));
}

gfx::Rect SpinEdit::upButton() const {
  const int inset = BorderStyle == TBorderStyle::None ? 0 : 2;
  return {Width - inset - kButtonWidth, inset, Width - inset, Height / 2};
}

gfx::Rect SpinEdit::downButton() const {
  const int inset = BorderStyle == TBorderStyle::None ? 0 : 2;
  return {Width - inset - kButtonWidth, Height / 2, Width - inset, Height - inset};
}

void SpinEdit::mouseDown(MouseButton button, Shift shift, int x, int y) {
  if (button == MouseButton::Left && !ReadOnly &&
      (upButton().contains(x, y) || downButton().contains(x, y))) {
    pressedButton_ = upButton().contains(x, y) ? 1 : -1;
    step(pressedButton_);
    // The button press reaches the handler, but does not move the caret.
    Control::mouseDown(button, shift, x, y);
    return;
  }
  Edit::mouseDown(button, shift, x, y);
}

void SpinEdit::mouseUp(MouseButton button, Shift shift, int x, int y) {
  if (button == MouseButton::Left) pressedButton_ = 0;
  Edit::mouseUp(button, shift, x, y);
}

void SpinEdit::captureLost() {
  pressedButton_ = 0;
  Edit::captureLost();
}

void SpinEdit::keyDown(int& key, Shift shift) {
  Edit::keyDown(key, shift);
  if (ReadOnly) return;
  if (key == vk::Up) step(1);
  if (key == vk::Down) step(-1);
}

void SpinEdit::paint(gfx::Canvas& screen, const gfx::Rect& r) {
  const gfx::Rect clip = screen.clip();
  Edit::paint(screen, r);
  screen.setClip(clip);
  const bool enabled = enabledInTree();
  look::arrowButton(screen, upButton().offset(r.left, r.top), look::Arrow::Up, enabled, pressedButton_ > 0);
  look::arrowButton(screen, downButton().offset(r.left, r.top), look::Arrow::Down, enabled,
                    pressedButton_ < 0);
}

}  // namespace ui
