#pragma once
#include "sys/TextList.h"
#include "ui/Control.h"
#include "ui/Form.h"
#include "ui/ScrollBar.h"

namespace ui {

// A list of text lines of which one may be selected. When the user selects
// another item (a press or drag on it, the arrow, Page and Home/End keys)
// OnClick and then OnChange run; selecting by code with setItemIndex runs
// neither. A press on an item that is already selected changes nothing. A
// scroll bar appears when the items do not fit.
class ListBox : public Control {
 public:
  ListBox(Control* parent, std::string name);

  // The items; changing them keeps the selection if its index still exists.
  sys::TextList Items;
  int ItemHeight = 13;
  TBorderStyle BorderStyle = TBorderStyle::Single;

  // -1 when nothing is selected.
  int ItemIndex() const { return itemIndex_; }
  // Selects an item and scrolls it into view; an index outside the list
  // selects nothing.
  void setItemIndex(int index);
  // The first item in view.
  int TopIndex() const { return topIndex_; }
  void setTopIndex(int index);
  int visibleItems() const;
  // The item shown at a point of the control, or -1.
  int itemAt(int x, int y) const;

  void userClick() override {}
  void mouseDown(MouseButton button, Shift shift, int x, int y) override;
  void mouseMove(Shift shift, int x, int y) override;
  void mouseUp(MouseButton button, Shift shift, int x, int y) override;
  void captureLost() override;
  void keyDown(int& key, Shift shift) override;
  bool canFocus() const override { return true; }
  void paint(gfx::Canvas& screen, const gfx::Rect& r) override;

 protected:
  // The user chose another item: select it, then OnClick and OnChange.
  virtual void userSelect(int index);
  // The width of the frame around the items.
  virtual int borderWidth() const { return BorderStyle == TBorderStyle::None ? 0 : 2; }
  // The items' area without frame and scroll bar, in the control's own coordinates.
  gfx::Rect itemsArea() const;
  bool hasScrollBar() const;
  // The scroll bar, placed with the control's top-left corner at origin.
  ScrollBar scrollBar(gfx::Point origin = {}) const;
  void scrollIntoView(int index);

 private:
  int itemIndex_ = -1;
  int topIndex_ = 0;
  bool tracking_ = false;  // the left button went down on the items
  int thumbGrab_ = -1;     // pointer offset inside the thumb while dragging it
  ScrollBar::Part pressedPart_ = ScrollBar::Part::None;
};

}  // namespace ui
