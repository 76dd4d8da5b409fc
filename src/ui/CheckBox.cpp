#include "ui/CheckBox.h"

#include "ui/Look.h"

namespace ui {

CheckBox::CheckBox(Control* parent, std::string name, std::string caption)
    : AbstractButton(parent, std::move(name)) {
  Caption = caption.empty() ? Name : std::move(caption);
  Width = 97;
  Height = 17;
  ParentColor = true;
}

void CheckBox::setChecked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  click();
}

void CheckBox::userClick() {
  setChecked(!checked_);
}

void CheckBox::keyDown(int& key, Shift shift) {
  Control::keyDown(key, shift);
  if (key == vk::Space) setChecked(!checked_);
}

void CheckBox::paint(gfx::Canvas& screen, const gfx::Rect& r) {
  screen.fillRect(r, faceColor());
  look::checkBox(screen, r.left, glyphTop(r, 13), checked_, enabledInTree(), pressed_);
  paintSideCaption(screen, r, r.left + 17);
}

}  // namespace ui
