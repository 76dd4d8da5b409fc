#pragma once
#include "ui/AbstractButton.h"

namespace ui {

// One choice of a group: the radio buttons that share a parent. Checking one
// unchecks its siblings. OnClick runs when the button becomes checked (by
// the user or by setChecked); clicking a checked button does nothing.
class RadioButton : public AbstractButton {
 public:
  RadioButton(Control* parent, std::string name, std::string caption = {});

  bool Checked() const { return checked_; }
  void setChecked(bool checked);

  void userClick() override { setChecked(true); }
  void keyDown(int& key, Shift shift) override;
  bool canFocus() const override { return true; }
  void paint(gfx::Canvas& screen, const gfx::Rect& r) override;

 private:
  bool checked_ = false;
};

}  // namespace ui
