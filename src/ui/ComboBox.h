#pragma once
#include <string>

#include "sys/TextList.h"
#include "ui/DropDownList.h"

namespace ui {

// A drop-down list of fixed choices without free text. A press opens the
// list over everything else; choosing an item there, or the Up, Down, Home
// and End keys, select it and run OnClick and then OnChange when the
// selection changed. Selecting by code (setItemIndex, setText) runs neither.
class ComboBox : public Control {
 public:
  ComboBox(Control* parent, std::string name);
  ~ComboBox() override;

  sys::TextList Items;
  int DropDownCount = 8;  // the most items the open list shows at once
  // Where the open list must stay, in desktop coordinates; empty: the screen.
  // The list is as wide as its widest item, as far as this area allows.
  gfx::Rect DropDownArea;

  int ItemIndex() const { return itemIndex_; }
  // An index outside the items selects none.
  void setItemIndex(int index);
  // The selected item's text; "" with none selected.
  std::string Text() const { return Items.get(itemIndex_); }
  // Selects the first item with exactly this text, or none.
  void setText(const std::string& text) { setItemIndex(Items.indexOf(text)); }

  bool DroppedDown() const { return dropped_; }
  void setDroppedDown(bool dropped);

  void userClick() override {}
  void mouseDown(MouseButton button, Shift shift, int x, int y) override;
  void keyDown(int& key, Shift shift) override;
  void keyPress(char32_t ch) override;
  bool canFocus() const override { return true; }
  void paint(gfx::Canvas& screen, const gfx::Rect& r) override;

  // The user chose an item in the open list.
  void choose(int index);
  DropDownList& list() { return list_; }
  // The widest item text the open list can show whole.
  int widestListText();

 private:
  void userSelect(int index);
  gfx::Rect buttonRect() const;
  gfx::Rect dropDownArea();
  void placeList();

  int itemIndex_ = -1;
  bool dropped_ = false;
  DropDownList list_;
};

}  // namespace ui
