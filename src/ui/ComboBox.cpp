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
  placeList();
  list_.setItemIndex(itemIndex_);
  dropped_ = true;
  desktop->openPopup(list_, *this, [this] { dropped_ = false; });
}

gfx::Rect ComboBox::dropDownArea() {
  if (!DropDownArea.empty()) return DropDownArea;
  const Desktop* d = desktop();
  return d ? gfx::Rect::xywh(0, 0, d->screenWidth(), d->screenHeight()) : screenRect();
}

int ComboBox::widestListText() {
  return dropDownArea().width() - DropDownList::kTextSpace - ScrollBar::kWidth;
}

// Below the box, or above it where the area ends first; with room on
// neither side, on the roomier one with fewer rows. As wide as the widest
// item, and moved to the left where the area ends.
void ComboBox::placeList() {
  const gfx::Rect area = dropDownArea();
  const gfx::Rect box = screenRect();
  int rows = std::clamp(Items.Count(), 1, std::max(1, DropDownCount));
  const int below = area.bottom - box.bottom, above = box.top - area.top;
  const int roomRows = (std::max(below, above) - 2) / list_.ItemHeight;
  if (rows * list_.ItemHeight + 2 > below && rows * list_.ItemHeight + 2 > above)
    rows = std::max(1, roomRows);
  const int height = rows * list_.ItemHeight + 2;
  const int top = height <= below ? box.bottom : box.top - height;

  int widest = 0;
  for (const std::string& item : Items.lines())
    widest = std::max(widest, gfx::text::measure(item, Font).width);
  const int bar = Items.Count() > rows ? ScrollBar::kWidth : 0;
  const int width = std::clamp(widest + DropDownList::kTextSpace + bar, Width, std::max(Width, area.width()));
  const int left = std::max(area.left, std::min(box.left, area.right - width));
  list_.setBounds(left, top, width, height);
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

// The field is everything inside the sunken frame, so that a line of text
// fits even a low box whole, descenders and umlauts included. A text too long
// for it is drawn smaller and, if need be, shortened.
void ComboBox::paint(gfx::Canvas& screen, const gfx::Rect& r) {
  const bool enabled = enabledInTree();
  look::sunkenFrame(screen, r, enabled ? Color : gfx::clBtnFace);
  look::arrowButton(screen, buttonRect().offset(r.left, r.top), look::Arrow::Down, enabled, dropped_);
  const gfx::Rect field{r.left + 2, r.top + 2, r.left + buttonRect().left, r.bottom - 2};
  const bool focus = focused() && enabled && !dropped_;
  // A box in a colour of its own (a wrong answer in red) keeps it with the focus.
  const bool highlight = focus && Color == gfx::clWindow;
  if (highlight) screen.fillRect(field, gfx::clHighlight);
  gfx::Font f = Font;
  if (!enabled) f.Color = gfx::clGrayText;
  if (highlight) f.Color = gfx::clWhite;
  const gfx::Rect text{field.left + 2, field.top, field.right - 1, field.bottom};
  f = gfx::text::fitting(Text(), f, text.width(), text.height(), false, std::max(1, Font.Height - 2));
  const gfx::Rect clip = screen.clip();
  screen.setClip(field.intersect(clip));
  screen.Font = f;
  const int top = text.top + (text.height() - gfx::text::lineHeight(f)) / 2;
  screen.textBox({text.left, top, text.right, text.bottom}, gfx::text::elide(Text(), f, text.width()),
                 gfx::Align::Left, false);
  screen.setClip(clip);
  if (focus) look::focusRect(screen, field);
}

}  // namespace ui
