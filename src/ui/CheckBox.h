#pragma once
#include "ui/AbstractButton.h"

namespace ui {

// A box with a tick and a caption beside it. Clicking it or pressing Space
// toggles it; OnClick runs whenever the checked state changes, by the user
// or by setChecked, and never when it is set to the state it already has.
class CheckBox : public AbstractButton {
 public:
  CheckBox(Control* parent, std::string name, std::string caption = {});

  bool Checked() const { return checked_; }
  void setChecked(bool checked);

  void userClick() override;
  void keyDown(int& key, Shift shift) override;
  bool canFocus() const override { return true; }
  void paint(gfx::Canvas& screen, const gfx::Rect& r) override;

 private:
  bool checked_ = false;
};

}  // namespace ui
