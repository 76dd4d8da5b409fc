#include "ui/RadioButton.h"

#include "ui/Look.h"

namespace ui {

RadioButton::RadioButton(Control* parent, std::string name, std::string caption)
    : AbstractButton(parent, std::move(name)) {
  Caption = caption.empty() ? Name : std::move(caption);
  Width = 113;
  Height = 17;
  ParentColor = true;
}

void RadioButton::setChecked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  if (!checked) return;
  // Siblings are switched off quietly: only the newly chosen one reports.
  if (Control* p = parent())
    for (Control* sibling : p->children())
      if (auto* other = dynamic_cast<RadioButton*>(sibling); other && other != this) other->checked_ = false;
  click();
}

void RadioButton::keyDown(int& key, Shift shift) {
  Control::keyDown(key, shift);
  if (key == vk::Space) setChecked(true);
}

void RadioButton::paint(gfx::Canvas& screen, const gfx::Rect& r) {
  screen.fillRect(r, faceColor());
  look::radioCircle(screen, r.left, glyphTop(r, 12), checked_, enabledInTree(), pressed_);
  paintSideCaption(screen, r, r.left + 17);
}

}  // namespace ui
