#include "ui/Desktop.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

#include "gfx/Canvas.h"
#include "ui/Control.h"
#include "ui/Form.h"
#include "ui/MessageBox.h"
#include "ui/Timer.h"

namespace ui {

Desktop::Desktop(Platform& platform) : platform_(platform) {
  const DisplayInfo d = platform_.display();
  screenWidth_ = d.width;
  screenHeight_ = d.height;
  bitsPerPixel_ = d.bitsPerPixel;
}

void Desktop::setDisplayMode(int width, int height) {
  // A desktop larger than any monitor makes no sense and would only waste memory.
  screenWidth_ = std::clamp(width, 1, 8192);
  screenHeight_ = std::clamp(height, 1, 8192);
}

// ---- forms ----

void Desktop::addForm(Form* form) {
  if (!mainForm_) mainForm_ = form;
  zOrder_.push_back(form);
}

void Desktop::removeForm(Form* form) {
  zOrder_.erase(std::remove(zOrder_.begin(), zOrder_.end(), form), zOrder_.end());
  modalStack_.erase(std::remove(modalStack_.begin(), modalStack_.end(), form), modalStack_.end());
  if (activeForm_ == form) activeForm_ = nullptr;
  if (mainForm_ == form) mainForm_ = nullptr;
  if (closePressed_ == form) closePressed_ = nullptr;
}

void Desktop::bringToFront(Form* form) {
  auto it = std::find(zOrder_.begin(), zOrder_.end(), form);
  if (it == zOrder_.end()) return;
  zOrder_.erase(it);
  // Stay-on-top forms always lie above the normal ones.
  if (form->FormStyle == TFormStyle::StayOnTop) {
    zOrder_.push_back(form);
  } else {
    auto firstTop = std::find_if(zOrder_.begin(), zOrder_.end(),
                                 [](Form* f) { return f->FormStyle == TFormStyle::StayOnTop; });
    zOrder_.insert(firstTop, form);
  }
}

void Desktop::activate(Form* form) {
  if (form && (!form->Visible || !form->Enabled)) return;
  activeForm_ = form;
}

void Desktop::formHidden(Form* form) {
  if (capture_ && capture_->form() == form) capture_ = nullptr;
  if (activeForm_ != form) return;
  activeForm_ = nullptr;
  for (auto it = zOrder_.rbegin(); it != zOrder_.rend(); ++it)
    if ((*it)->Visible && (*it)->Enabled) {
      activeForm_ = *it;
      break;
    }
}

void Desktop::pushModal(Form* form) { modalStack_.push_back(form); }

void Desktop::popModal(Form* form) {
  modalStack_.erase(std::remove(modalStack_.begin(), modalStack_.end(), form), modalStack_.end());
}

bool Desktop::acceptsInput(const Form* form) const {
  if (!form || !form->Visible || !form->Enabled) return false;
  return modalStack_.empty() || modalStack_.back() == form;
}

void Desktop::forget(Control* control) {
  if (capture_ == control) capture_ = nullptr;
  if (lastDown_.control == control) lastDown_.control = nullptr;
  for (Form* f : zOrder_)
    if (f->ActiveControl == control) f->ActiveControl = nullptr;
}

// ---- input ----

Form* Desktop::formAt(int x, int y) const {
  for (auto it = zOrder_.rbegin(); it != zOrder_.rend(); ++it)
    if ((*it)->Visible && (*it)->boundsRect().contains(x, y)) return *it;
  return nullptr;
}

Control* Desktop::controlAt(int x, int y) const {
  Form* form = formAt(x, y);
  if (!acceptsInput(form) || form->areaAt(x, y) != Form::Area::Client) return nullptr;
  const gfx::Point o = form->clientOrigin();
  return form->controlAt(x - o.x, y - o.y);
}

void Desktop::mouseMove(int x, int y, Shift shift) {
  pointer_ = {x, y};
  Control* target = capture_ ? capture_ : controlAt(x, y);
  if (!target) return;
  const gfx::Point local = target->toLocal(x, y);
  target->mouseMove(shift, local.x, local.y);
}

void Desktop::mouseDown(MouseButton button, int x, int y, Shift shift) {
  pointer_ = {x, y};
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
  Control* target = form->controlAt(x - o.x, y - o.y);
  if (target->canFocus()) form->SetFocus(target);
  capture_ = target;

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
  Control* target = capture_;
  capture_ = nullptr;
  if (!target) return;
  const gfx::Point local = target->toLocal(x, y);
  target->mouseUp(button, shift, local.x, local.y);
  const bool inside = local.x >= 0 && local.y >= 0 && local.x < target->Width && local.y < target->Height;
  if (button == MouseButton::Left && inside && target->enabledInTree() && target->showing())
    target->click();
}

void Desktop::routeKey(int key, Shift shift, bool down) {
  Form* form = activeForm_;
  if (!acceptsInput(form)) return;
  Control* focus = form->ActiveControl;
  if (focus && (!focus->showing() || !focus->enabledInTree())) focus = nullptr;
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
}

void Desktop::keyDown(int key, Shift shift) { routeKey(key, shift, true); }
void Desktop::keyUp(int key, Shift shift) { routeKey(key, shift, false); }

void Desktop::textInput(const std::string& utf8) {
  Form* form = activeForm_;
  if (!acceptsInput(form)) return;
  Control* target = form->ActiveControl ? form->ActiveControl : form;
  // One key press per character, decoded from UTF-8.
  for (size_t i = 0; i < utf8.size();) {
    const auto b0 = static_cast<unsigned char>(utf8[i]);
    const int len = b0 < 0x80 ? 1 : (b0 >> 5) == 6 ? 2 : (b0 >> 4) == 14 ? 3 : 4;
    char32_t ch = len == 1 ? b0 : len == 2 ? (b0 & 0x1F) : len == 3 ? (b0 & 0x0F) : (b0 & 0x07);
    for (int k = 1; k < len && i + k < utf8.size(); ++k)
      ch = (ch << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
    i += static_cast<size_t>(len);
    target->keyPress(ch);
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

int Desktop::cursorAtPointer() const {
  const Control* c = capture_ ? capture_ : controlAt(pointer_.x, pointer_.y);
  for (; c; c = c->parent())
    if (c->Cursor != crDefault) return c->Cursor;
  return crDefault;
}

void Desktop::registerCursor(int number, CursorImage image) { cursors_[number] = std::move(image); }

const CursorImage* Desktop::cursorImage(int number) const {
  auto it = cursors_.find(number);
  return it == cursors_.end() ? nullptr : &it->second;
}

// ---- timers ----

void Desktop::addTimer(Timer* timer) { timers_.push_back(timer); }

void Desktop::removeTimer(Timer* timer) {
  timers_.erase(std::remove(timers_.begin(), timers_.end(), timer), timers_.end());
}

void Desktop::setTimerGranularity(int ms) { granularity_ = std::max(1, ms); }

int64_t Desktop::effectiveInterval(int interval) const {
  if (interval <= 0) return 0;
  return (static_cast<int64_t>(interval) + granularity_ - 1) / granularity_ * granularity_;
}

int64_t Desktop::nextTimerDue() const {
  int64_t next = INT64_MAX;
  for (const Timer* t : timers_)
    if (t->Enabled() && t->Interval() > 0) next = std::min(next, t->due());
  return next;
}

bool Desktop::fireDueTimers() {
  const int64_t now = clock().nowMs();
  std::vector<Timer*> due;
  for (Timer* t : timers_)
    if (t->Enabled() && t->Interval() > 0 && t->due() <= now) due.push_back(t);
  std::stable_sort(due.begin(), due.end(), [](Timer* a, Timer* b) { return a->due() < b->due(); });
  for (Timer* t : due) {
    // An earlier handler may have stopped, restarted or destroyed this one.
    const bool alive = std::find(timers_.begin(), timers_.end(), t) != timers_.end();
    if (alive && t->Enabled() && t->due() <= now) t->fire();
    if (terminated_) break;
  }
  return !due.empty();
}

Timer* Desktop::findTimer(const std::string& name) const {
  for (Timer* t : timers_)
    if (t->Name == name) return t;
  return nullptr;
}

// ---- loop and drawing ----

void Desktop::runUntil(const std::function<bool()>& done) {
  while (!terminated_ && !done()) platform_.pump(*this);
}

void Desktop::compose(gfx::Bitmap& framebuffer) {
  if (framebuffer.width() != screenWidth_ || framebuffer.height() != screenHeight_)
    framebuffer = gfx::Bitmap(screenWidth_, screenHeight_);
  framebuffer.fill(0xFF000000u);
  gfx::Canvas canvas(framebuffer);
  const gfx::Rect screen = framebuffer.bounds();
  for (Form* form : zOrder_) form->paintTree(canvas, screen);
}

TModalResult Desktop::messageBox(const MessageBoxRequest& request) {
  if (auto answer = platform_.answerMessageBox(request)) return *answer;
  MessageBoxForm box(*this, request);
  return box.ShowModal();
}

}  // namespace ui
