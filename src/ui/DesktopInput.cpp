// Input routing of the desktop: the mouse to the control under the pointer
// (or the one that captured it), keys to the active form's focused control.
#include <algorithm>
#include <cstdlib>

#include "ui/Control.h"
#include "ui/Desktop.h"
#include "ui/Form.h"
#include "ui/Utf8.h"

namespace ui {

Form* Desktop::formAt(int x, int y) const {
  for (auto it = zOrder_.rbegin(); it != zOrder_.rend(); ++it)
    if ((*it)->Visible && (*it)->boundsRect().contains(x, y)) return *it;
  return nullptr;
}

Control* Desktop::controlAt(int x, int y) const {
  if (popup_ && popup_->screenRect().contains(x, y)) return popup_;
  Form* form = formAt(x, y);
  if (!acceptsInput(form) || form->areaAt(x, y) != Form::Area::Client) return nullptr;
  const gfx::Point o = form->clientOrigin();
  return form->controlAt(gfx::addSat(x, -int64_t{o.x}), gfx::addSat(y, -int64_t{o.y}));
}

bool Desktop::takesInput(Control* control) const {
  if (!control) return false;
  if (control == popup_) return true;
  return acceptsInput(control->form());
}

void Desktop::setCapture(Control* control) {
  if (capture_ == control) return;
  cancelCapture();
  capture_ = control;
}

void Desktop::cancelCapture() {
  Control* lost = capture_;
  capture_ = nullptr;
  if (lost) lost->captureLost();
}

void Desktop::setHover(Control* control) {
  if (hover_ == control) return;
  Control* left = hover_;
  hover_ = control;
  if (left) left->mouseLeave();
  if (control && hover_ == control) control->mouseEnter();
}

void Desktop::mouseMove(int x, int y, Shift shift) {
  pointer_ = {x, y};
  pointerOnScreen_ = true;
  closeStalePopup();
  // A form that was disabled or shut out by a modal form since the press
  // loses the capture, as the release would reach a window that takes none.
  if (capture_ && !takesInput(capture_)) cancelCapture();
  Control* over = controlAt(x, y);
  // While the mouse is captured only the captured control can be hot.
  setHover(capture_ && over != capture_ ? nullptr : over);
  Control* target = capture_ ? capture_ : over;
  if (!target) return;
  const gfx::Point local = target->toLocal(x, y);
  target->mouseMove(shift, local.x, local.y);
}

void Desktop::pointerLeft() {
  if (!pointerOnScreen_) return;
  pointerOnScreen_ = false;
  pointer_ = {-1, -1};
  setHover(nullptr);
}

// A press while a popup is open: inside it goes to the popup, outside it
// only closes the popup.
bool Desktop::pressPopup(MouseButton button, int x, int y, Shift shift) {
  if (!popup_) return false;
  if (!popup_->screenRect().contains(x, y)) {
    closePopup();
    return true;
  }
  Control* target = popup_;
  setCapture(target);
  const gfx::Point local = target->toLocal(x, y);
  target->mouseDown(button, shift, local.x, local.y);
  return true;
}

void Desktop::mouseDown(MouseButton button, int x, int y, Shift shift) {
  pointer_ = {x, y};
  pointerOnScreen_ = true;
  closeStalePopup();
  if (pressPopup(button, x, y, shift)) return;
  Form* form = formAt(x, y);
  if (!acceptsInput(form)) return;
  bringToFront(form);
  activate(form);
  const Form::Area area = form->areaAt(x, y);
  if (area == Form::Area::CloseButton && button == MouseButton::Left) {
    closePressed_ = form;
    return;
  }
  if (area != Form::Area::Client) return;
  const gfx::Point o = form->clientOrigin();
  Control* target = form->controlAt(gfx::addSat(x, -int64_t{o.x}), gfx::addSat(y, -int64_t{o.y}));
  if (target->canFocus()) form->SetFocus(target);
  // The focus change may have run handlers that hid or disabled the target.
  if (!target->showing() || !target->enabledInTree() || !acceptsInput(form)) return;
  setCapture(target);
  setHover(target);

  const int64_t now = clock().nowMs();
  shift.Double = lastDown_.control == target && lastDown_.button == button &&
                 now - lastDown_.time <= kDoubleClickMs && std::abs(x - lastDown_.at.x) <= 4 &&
                 std::abs(y - lastDown_.at.y) <= 4;
  // A third press starts a new pair rather than making another double click.
  lastDown_ = shift.Double ? LastDown{} : LastDown{target, button, now, {x, y}};

  const gfx::Point local = target->toLocal(x, y);
  if (shift.Double) target->dblClick();
  // The double-click handler may have hidden or destroyed what was clicked.
  if (capture_ != target) return;
  target->mouseDown(button, shift, local.x, local.y);
}

void Desktop::mouseUp(MouseButton button, int x, int y, Shift shift) {
  pointer_ = {x, y};
  if (closePressed_) {
    Form* form = closePressed_;
    closePressed_ = nullptr;
    if (form->CloseEnabled && form->areaAt(x, y) == Form::Area::CloseButton && acceptsInput(form))
      form->Close();
    return;
  }
  if (capture_ && !takesInput(capture_)) cancelCapture();
  Control* target = capture_;
  capture_ = nullptr;
  if (!target) return;
  const gfx::Point local = target->toLocal(x, y);
  target->mouseUp(button, shift, local.x, local.y);
  const bool inside = local.x >= 0 && local.y >= 0 && local.x < target->Width && local.y < target->Height;
  // The release handler may have destroyed the target; forget() clears hover_.
  if (button == MouseButton::Left && inside && target->enabledInTree() && target->showing())
    target->userClick();
  // What lies under the pointer now is hot again.
  if (!capture_) setHover(controlAt(x, y));
}

void Desktop::routeKey(int key, Shift shift, bool down) {
  closeStalePopup();
  Form* form = activeForm_;
  if (!acceptsInput(form)) return;
  Control* focus = form->focusedControl();
  if (focus && form->KeyPreview) {
    if (down)
      form->keyDown(key, shift);
    else
      form->keyUp(key, shift);
    if (key == 0) return;
  }
  Control* target = focus ? focus : form;
  if (down)
    target->keyDown(key, shift);
  else
    target->keyUp(key, shift);
  if (!down || key == 0 || !acceptsInput(form)) return;
  // What the focused control left alone works the dialog: Enter clicks the
  // default button, Escape the cancel button, Tab moves the focus.
  const bool plain = !shift.ctrl && !shift.alt;
  if (plain && (key == vk::Return || key == vk::Escape))
    form->dialogKey(key);
  else if (plain && key == vk::Tab)
    form->selectNext(!shift.shift);
}

void Desktop::keyDown(int key, Shift shift) {
  routeKey(key, shift, true);
}
void Desktop::keyUp(int key, Shift shift) {
  routeKey(key, shift, false);
}

void Desktop::textInput(const std::string& text) {
  Form* form = activeForm_;
  if (!acceptsInput(form)) return;
  // One key press per character; a form with KeyPreview sees it first and
  // may swallow it by setting it to 0.
  for (size_t i = 0; i < text.size();) {
    char32_t ch = utf8::decodeAt(text, i);
    Control* focus = form->focusedControl();
    if (focus && form->KeyPreview && form->OnKeyPress) form->OnKeyPress(ch);
    if (ch == 0) continue;
    (focus ? focus : form)->keyPress(ch);
    if (!acceptsInput(form)) return;
  }
}

void Desktop::setCursorPos(int x, int y) {
  pointer_ = {std::clamp(x, 0, screenWidth_ - 1), std::clamp(y, 0, screenHeight_ - 1)};
  platform_.warpPointer(pointer_.x, pointer_.y);
  pointerMovePending_ = true;
}

void Desktop::deliverPending() {
  if (!pointerMovePending_) return;
  pointerMovePending_ = false;
  mouseMove(pointer_.x, pointer_.y);
}

}  // namespace ui
