#include "ui/DropDownList.h"

#include "ui/ComboBox.h"
#include "ui/Desktop.h"

namespace ui {

DropDownList::DropDownList(ComboBox& owner) : ListBox(nullptr, owner.Name + ".list"), owner_(owner) {
  BorderStyle = TBorderStyle::None;
}

DropDownList::~DropDownList() {
  if (Desktop* d = desktop()) d->forget(this);
}

// The list lies outside every form but belongs with its combo box: it closes
// with that box's form, and the desktop reaches it through that form.
Form* DropDownList::form() {
  return owner_.form();
}

void DropDownList::mouseMove(Shift shift, int x, int y) {
  ListBox::mouseMove(shift, x, y);
  const int under = itemAt(x, y);
  if (under >= 0) setItemIndex(under);
}

void DropDownList::mouseUp(MouseButton button, Shift shift, int x, int y) {
  releasedOnItem_ = button == MouseButton::Left && itemAt(x, y) >= 0;
  ListBox::mouseUp(button, shift, x, y);
}

void DropDownList::userClick() {
  if (releasedOnItem_) owner_.choose(ItemIndex());
}

void DropDownList::paint(gfx::Canvas& screen, const gfx::Rect& r) {
  ListBox::paint(screen, r);
  const gfx::Rect clip = screen.clip();
  screen.setClip(r);
  screen.frameRect(r, gfx::clBlack);
  screen.setClip(clip);
}

}  // namespace ui
