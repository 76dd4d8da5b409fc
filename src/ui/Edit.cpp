#include "ui/Edit.h"

#include <algorithm>

#include "gfx/Text.h"
#include "ui/Look.h"
#include "ui/Utf8.h"

namespace ui {

Edit::Edit(Control* parent, std::string name, std::string text) : Control(parent, std::move(name)) {
  text_ = text.empty() ? Name : std::move(text);
  Width = 121;
  Height = 21;
  Color = gfx::clWindow;
}

int Edit::length() const {
  return utf8::length(text_);
}

void Edit::setText(const std::string& text) {
  if (text == text_) return;
  text_ = text;
  anchor_ = caret_ = std::min(caret_, length());
  if (OnChange) OnChange();
}

void Edit::setSelection(int start, int len) {
  anchor_ = std::clamp(start, 0, length());
  caret_ = std::clamp(anchor_ + std::max(0, len), 0, length());
}

gfx::Rect Edit::textArea() const {
  const int border = BorderStyle == TBorderStyle::None ? 1 : 3;
  return {border, border - 1, std::max(border, Width - border - buttonsWidth()), Height - border + 1};
}

int Edit::textX(int index) const {
  return gfx::text::measure(text_.substr(0, utf8::offsetOf(text_, index)), Font).width;
}

int Edit::charAt(int x) const {
  const int target = x - textArea().left + scrollX_;
  const int n = length();
  for (int i = 0; i < n; ++i) {
    const int mid = (textX(i) + textX(i + 1)) / 2;
    if (target < mid) return i;
  }
  return n;
}

void Edit::moveCaret(int to, bool extend) {
  caret_ = std::clamp(to, 0, length());
  if (!extend) anchor_ = caret_;
}

void Edit::deleteSelection() {
  const size_t from = utf8::offsetOf(text_, SelStart());
  const size_t to = utf8::offsetOf(text_, SelStart() + SelLength());
  const int start = SelStart();
  std::string rest = text_;
  rest.erase(from, to - from);
  anchor_ = caret_ = start;
  setText(rest);
}

void Edit::insertText(const std::string& text) {
  const int start = SelStart();
  std::string next = text_;
  const size_t from = utf8::offsetOf(text_, start);
  next.replace(from, utf8::offsetOf(text_, start + SelLength()) - from, text);
  anchor_ = caret_ = start + utf8::length(text);
  const int keep = caret_;
  setText(next);
  anchor_ = caret_ = std::min(keep, length());
}

void Edit::keyPress(char32_t ch) {
  ch = fireKeyPress(ch);
  if (ch < 32 || ReadOnly || !accepts(ch)) return;
  // The limit counts what the text would hold after the selection is replaced.
  if (MaxLength > 0 && length() - SelLength() + 1 > MaxLength) return;
  insertText(utf8::encode(ch));
}

void Edit::keyDown(int& key, Shift shift) {
  Control::keyDown(key, shift);
  switch (key) {
    case vk::Left:
      moveCaret(SelLength() && !shift.shift ? SelStart() : caret_ - 1, shift.shift);
      break;
    case vk::Right:
      moveCaret(SelLength() && !shift.shift ? SelStart() + SelLength() : caret_ + 1, shift.shift);
      break;
    case vk::Home:
      moveCaret(0, shift.shift);
      break;
    case vk::End:
      moveCaret(length(), shift.shift);
      break;
    case vk::Back:
      if (ReadOnly) break;
      if (!SelLength() && caret_ > 0) anchor_ = caret_ - 1;
      if (SelLength()) deleteSelection();
      break;
    case vk::Delete:
      if (ReadOnly) break;
      if (!SelLength() && caret_ < length()) anchor_ = caret_ + 1;
      if (SelLength()) deleteSelection();
      break;
    default:
      break;
  }
}

void Edit::focusEnter() {
  if (AutoSelect) SelectAll();
  Control::focusEnter();
}

void Edit::mouseDown(MouseButton button, Shift shift, int x, int y) {
  if (button == MouseButton::Left && textArea().contains(x, y)) {
    moveCaret(charAt(x), shift.shift);
    selecting_ = true;
  }
  Control::mouseDown(button, shift, x, y);
}

void Edit::mouseMove(Shift shift, int x, int y) {
  if (selecting_) moveCaret(charAt(x), true);
  Control::mouseMove(shift, x, y);
}

void Edit::mouseUp(MouseButton button, Shift shift, int x, int y) {
  if (button == MouseButton::Left) selecting_ = false;
  Control::mouseUp(button, shift, x, y);
}

void Edit::paint(gfx::Canvas& screen, const gfx::Rect& r) {
  const bool enabled = enabledInTree();
  const gfx::TColor field = enabled ? Color : gfx::clBtnFace;
  if (BorderStyle == TBorderStyle::None)
    screen.fillRect(r, field);
  else
    look::sunkenFrame(screen, r, field);
  const gfx::Rect area = textArea().offset(r.left, r.top);
  // Keep the caret in view: scroll the text sideways as it moves.
  const int caretX = textX(caret_);
  if (caretX - scrollX_ > area.width() - 1) scrollX_ = caretX - area.width() + 1;
  if (caretX < scrollX_) scrollX_ = caretX;
  screen.setClip(area.intersect(screen.clip()));
  const int lh = gfx::text::lineHeight(Font);
  const int top = area.top + std::max(0, (area.height() - lh) / 2);
  const int x0 = area.left - scrollX_;
  gfx::Font f = Font;
  if (!enabled) f.Color = gfx::clGrayText;
  screen.Font = f;
  screen.BrushClear = true;
  screen.textOut(x0, top, text_);
  const bool hasFocus = focused() && enabled;
  if (hasFocus && SelLength()) {
    const int from = x0 + textX(SelStart()), to = x0 + textX(SelStart() + SelLength());
    screen.fillRect({from, top, to, top + lh}, gfx::clHighlight);
    const size_t a = utf8::offsetOf(text_, SelStart());
    const size_t b = utf8::offsetOf(text_, SelStart() + SelLength());
    f.Color = gfx::clWhite;
    screen.Font = f;
    screen.textOut(from, top, text_.substr(a, b - a));
  } else if (hasFocus) {
    screen.line(x0 + caretX, top, x0 + caretX, top + lh, gfx::clBlack);
  }
  screen.BrushClear = false;
}

}  // namespace ui
