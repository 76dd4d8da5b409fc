#include "ui/ComboBox.h"

#include <algorithm>
#include <cctype>

#include "gfx/Text.h"
#include "ui/Desktop.h"
#include "ui/Look.h"
#include "ui/Utf8.h"

namespace ui {

ComboBox::ComboBox(Control* parent, std::string name) : Control(parent, std::move(name)), list_(*this) {
  Width = 145;
  Height = 21;
  Color = gfx::clWindow;
  Items.OnChange = [this] {
    if (itemIndex_ >= Items.Count()) itemIndex_ = -1;
  };
}

ComboBox::~ComboBox() {
  setDroppedDown(false);
}

void ComboBox::setItemIndex(int index) {
  itemIndex_ = index >= 0 && index < Items.Count() ? index : -1;
}

void ComboBox::userSelect(int index) {
  if (Items.empty()) return;
  index = std::clamp(index, 0, Items.Count() - 1);
  if (dropped_) list_.setItemIndex(index);
  if (index == itemIndex_) return;
  itemIndex_ = index;
  click();
  if (OnChange) OnChange();
}

void ComboBox::choose(int index) {
  setDroppedDown(false);
  userSelect(index);
}

void ComboBox::setDroppedDown(bool dropped) {
  Desktop* desktop = this->desktop();
  if (dropped == dropped_ || !desktop) return;
  if (!dropped) {
    if (desktop->popup() == &list_) desktop->closePopup();
    dropped_ = false;
    return;
  }
  list_.Font = Font;
  list_.Items.assign(Items.lines());
  list_.ItemHeight = std::max(13, gfx::text::lineHeight(Font) + 2);
  const int rows = std::clamp(Items.Count(), 1, std::max(1, DropDownCount));
  const gfx::Rect box = screenRect();
  const int height = rows * list_.ItemHeight + 2;
  // Below the box, or above it when the screen ends first.
  const int top = box.bottom + height <= desktop->screenHeight() ? box.bottom : box.top - height;
  list_.setBounds(box.left, top, Width, height);
  list_.setItemIndex(itemIndex_);
  dropped_ = true;
  desktop->openPopup(list_, *this, [this] { dropped_ = false; });
}

gfx::Rect ComboBox::buttonRect() const {
  return {Width - 2 - 16, 2, Width - 2, Height - 2};
}

void ComboBox::mouseDown(MouseButton button, Shift shift, int x, int y) {
  Control::mouseDown(button, shift, x, y);
  if (button != MouseButton::Left || dropped_) return;
  setDroppedDown(true);
  // The button is still held: its release over an item chooses that item.
  if (dropped_)
    if (Desktop* d = desktop()) d->setCapture(&list_);
}

void ComboBox::keyDown(int& key, Shift shift) {
  Control::keyDown(key, shift);
  switch (key) {
    case vk::Up:
      userSelect(itemIndex_ - 1);
      break;
    case vk::Down:
      if (shift.alt)
        setDroppedDown(!dropped_);
      else
        userSelect(itemIndex_ + 1);
      break;
    case vk::Home:
      userSelect(0);
      break;
    case vk::End:
      userSelect(Items.Count() - 1);
      break;
    case vk::F1 + 3:
      setDroppedDown(!dropped_);
      break;  // F4
    case vk::Return:
    case vk::Escape:
      // Closing the open list uses the key up.
      if (dropped_) {
        setDroppedDown(false);
        key = 0;
      }
      break;
    default:
      break;
  }
}

void ComboBox::keyPress(char32_t ch) {
  ch = fireKeyPress(ch);
  if (ch <= 32 || Items.empty()) return;
  // A letter jumps to the next item that starts with it.
  const auto folded = [](char32_t c) {
    return c < 128 ? static_cast<char32_t>(std::tolower(static_cast<int>(c))) : c;
  };
  for (int k = 1; k <= Items.Count(); ++k) {
    const int i = (itemIndex_ + k) % Items.Count();
    const std::string item = Items.get(i);
    size_t at = 0;
    if (!item.empty() && folded(utf8::decodeAt(item, at)) == folded(ch)) {
      userSelect(i);
      return;
    }
  }
}

void ComboBox::paint(gfx::Canvas& screen, const gfx::Rect& r) {
  const bool enabled = enabledInTree();
  look::sunkenFrame(screen, r, enabled ? Color : gfx::clBtnFace);
  look::arrowButton(screen, buttonRect().offset(r.left, r.top), look::Arrow::Down, enabled, dropped_);
  const gfx::Rect field{r.left + 3, r.top + 3, r.left + buttonRect().left - 1, r.bottom - 3};
  const bool highlight = focused() && enabled && !dropped_;
  if (highlight) screen.fillRect(field, gfx::clHighlight);
  gfx::Font f = Font;
  if (!enabled) f.Color = gfx::clGrayText;
  if (highlight) f.Color = gfx::clWhite;
  const gfx::Rect clip = screen.clip();
  screen.setClip(field.intersect(clip));
  screen.Font = f;
  const int top = field.top + (field.height() - gfx::text::lineHeight(f)) / 2;
  screen.textBox({field.left + 1, top, field.right, field.bottom}, Text(), gfx::Align::Left, false);
  screen.setClip(clip);
  if (highlight) look::focusRect(screen, field);
}

}  // namespace ui
