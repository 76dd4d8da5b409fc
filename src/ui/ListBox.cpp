#include "ui/ListBox.h"

#include <algorithm>

#include "gfx/Text.h"
#include "ui/Look.h"

namespace ui {

ListBox::ListBox(Control* parent, std::string name) : Control(parent, std::move(name)) {
  Width = 121;
  Height = 97;
  Color = gfx::clWindow;
  Items.OnChange = [this] {
    if (itemIndex_ >= Items.Count()) itemIndex_ = -1;
    setTopIndex(topIndex_);
  };
}

int ListBox::visibleItems() const {
  return std::max(1, itemsArea().height() / std::max(1, ItemHeight));
}

bool ListBox::hasScrollBar() const {
  const int border = borderWidth();
  const int rows = std::max(1, (Height - 2 * border) / std::max(1, ItemHeight));
  return Items.Count() > rows;
}

gfx::Rect ListBox::itemsArea() const {
  const int border = borderWidth();
  const int bar = hasScrollBar() ? ScrollBar::kWidth : 0;
  return {border, border, std::max(border, Width - border - bar), std::max(border, Height - border)};
}

ScrollBar ListBox::scrollBar(gfx::Point origin) const {
  const gfx::Rect area = itemsArea().offset(origin.x, origin.y);
  return ScrollBar({area.right, area.top, area.right + ScrollBar::kWidth, area.bottom}, topIndex_,
                   visibleItems(), Items.Count());
}

void ListBox::setTopIndex(int index) {
  topIndex_ = std::clamp(index, 0, std::max(0, Items.Count() - visibleItems()));
}

void ListBox::scrollIntoView(int index) {
  if (index < 0) return;
  if (index < topIndex_) setTopIndex(index);
  if (index >= topIndex_ + visibleItems()) setTopIndex(index - visibleItems() + 1);
}

void ListBox::setItemIndex(int index) {
  itemIndex_ = index >= 0 && index < Items.Count() ? index : -1;
  scrollIntoView(itemIndex_);
}

int ListBox::itemAt(int x, int y) const {
  const gfx::Rect area = itemsArea();
  if (!area.contains(x, y)) return -1;
  const int index = topIndex_ + (y - area.top) / std::max(1, ItemHeight);
  return index < Items.Count() ? index : -1;
}

void ListBox::userSelect(int index) {
  if (index < 0 || index >= Items.Count() || index == itemIndex_) return;
  setItemIndex(index);
  click();
  if (OnChange) OnChange();
}

void ListBox::mouseDown(MouseButton button, Shift shift, int x, int y) {
  if (button == MouseButton::Left) {
    const ScrollBar bar = scrollBar();
    const ScrollBar::Part part = hasScrollBar() ? bar.partAt(x, y) : ScrollBar::Part::None;
    if (part == ScrollBar::Part::Thumb) {
      thumbGrab_ = y - bar.thumb().top;
    } else if (part != ScrollBar::Part::None) {
      pressedPart_ = part;
      setTopIndex(bar.firstAfter(part));
    } else if (itemsArea().contains(x, y)) {
      tracking_ = true;
      userSelect(itemAt(x, y));
    }
  }
  Control::mouseDown(button, shift, x, y);
}

void ListBox::mouseMove(Shift shift, int x, int y) {
  if (thumbGrab_ >= 0) setTopIndex(scrollBar().firstForThumbTop(y - thumbGrab_));
  // Dragging over the items moves the selection along.
  if (tracking_) {
    const gfx::Rect area = itemsArea();
    const int inside = std::clamp(y, area.top, area.bottom - 1);
    userSelect(itemAt(area.left, inside));
  }
  Control::mouseMove(shift, x, y);
}

void ListBox::mouseUp(MouseButton button, Shift shift, int x, int y) {
  if (button == MouseButton::Left) captureLost();
  Control::mouseUp(button, shift, x, y);
}

void ListBox::captureLost() {
  tracking_ = false;
  thumbGrab_ = -1;
  pressedPart_ = ScrollBar::Part::None;
}

void ListBox::keyDown(int& key, Shift shift) {
  Control::keyDown(key, shift);
  const int last = Items.Count() - 1;
  const int page = visibleItems() - 1;
  int to = itemIndex_;
  switch (key) {
    case vk::Up:
      to = itemIndex_ - 1;
      break;
    case vk::Down:
      to = itemIndex_ + 1;
      break;
    case vk::Prior:
      to = itemIndex_ - std::max(1, page);
      break;
    case vk::Next:
      to = itemIndex_ + std::max(1, page);
      break;
    case vk::Home:
      to = 0;
      break;
    case vk::End:
      to = last;
      break;
    default:
      return;
  }
  if (last < 0) return;
  userSelect(std::clamp(to, 0, last));
  scrollIntoView(itemIndex_);
}

void ListBox::paint(gfx::Canvas& screen, const gfx::Rect& r) {
  const bool enabled = enabledInTree();
  if (BorderStyle == TBorderStyle::None)
    screen.fillRect(r, Color);
  else
    look::sunkenFrame(screen, r, Color);
  const gfx::Rect clip = screen.clip();
  if (hasScrollBar()) scrollBar({r.left, r.top}).paint(screen, enabled, pressedPart_);
  const gfx::Rect area = itemsArea().offset(r.left, r.top);
  screen.setClip(area.intersect(clip));
  gfx::Font f = Font;
  if (!enabled) f.Color = gfx::clGrayText;
  const int textTop = (ItemHeight - gfx::text::lineHeight(f)) / 2;
  screen.BrushClear = true;
  for (int i = topIndex_, y = area.top; i < Items.Count() && y < area.bottom; ++i, y += ItemHeight) {
    const gfx::Rect row{area.left, y, area.right, y + ItemHeight};
    gfx::Font rowFont = f;
    if (i == itemIndex_) {
      screen.fillRect(row, gfx::clHighlight);
      rowFont.Color = gfx::clWhite;
    }
    screen.Font = rowFont;
    screen.textOut(row.left + 2, y + textTop, Items.get(i));
  }
  screen.BrushClear = false;
  if (focused()) {
    const int at = std::max(itemIndex_, 0) - topIndex_;
    if (at >= 0 && at < visibleItems())
      look::focusRect(screen,
                      {area.left, area.top + at * ItemHeight, area.right, area.top + (at + 1) * ItemHeight});
  }
}

}  // namespace ui
