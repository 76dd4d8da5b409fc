#pragma once
#include "ui/ListBox.h"

namespace ui {

class ComboBox;

// The list a combo box drops down: a popup on the desktop, above every form.
// The item under the pointer is highlighted; releasing the button on an item
// chooses it.
class DropDownList : public ListBox {
 public:
  // Room beside an item's text: the frame and the gap before the text.
  static constexpr int kTextSpace = 6;

  explicit DropDownList(ComboBox& owner);
  ~DropDownList() override;

  Form* form() override;
  bool canFocus() const override { return false; }
  void mouseMove(Shift shift, int x, int y) override;
  void mouseUp(MouseButton button, Shift shift, int x, int y) override;
  void userClick() override;
  void paint(gfx::Canvas& screen, const gfx::Rect& r) override;

 protected:
  void userSelect(int index) override { setItemIndex(index); }
  int borderWidth() const override { return 1; }

 private:
  ComboBox& owner_;
  bool releasedOnItem_ = false;
};

}  // namespace ui
