#include "ui/Button.h"

#include "ui/Form.h"
#include "ui/Look.h"

namespace ui {

Button::Button(Control* parent, std::string name, std::string caption)
    : AbstractButton(parent, std::move(name)) {
  Caption = caption.empty() ? Name : std::move(caption);
  Width = 75;
  Height = 25;
}

void Button::click() {
  Control::click();
  if (ModalResult != TModalResult::None)
    if (Form* f = form()) f->ModalResult = ModalResult;
}

void Button::keyDown(int& key, Shift shift) {
  Control::keyDown(key, shift);
  if (key == vk::Return || key == vk::Space) {
    key = 0;
    click();
  }
}

bool Button::dialogKey(int key) {
  if ((key == vk::Return && Default) || (key == vk::Escape && Cancel)) {
    click();
    return true;
  }
  return false;
}

void Button::paint(gfx::Canvas& screen, const gfx::Rect& r) {
  if (pressed_)
    look::pressedFrame(screen, r, Color);
  else
    look::raisedFrame(screen, r, Color);
  if (Default || focused()) screen.frameRect(r, gfx::clBlack);
  gfx::Font f = Font;
  if (!enabledInTree()) f.Color = gfx::clGrayText;
  screen.Font = f;
  const int h = gfx::text::lineHeight(f);
  const int shift = pressed_ ? 1 : 0;
  screen.textBox(gfx::Rect{r.left + shift, r.top + (r.height() - h) / 2 + shift, r.right + shift, r.bottom},
                 Caption, gfx::Align::Center, false);
  if (focused()) look::focusRect(screen, {r.left + 4, r.top + 4, r.right - 4, r.bottom - 4});
}

}  // namespace ui
