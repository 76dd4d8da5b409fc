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
  // A window that becomes active gives its focus to a control that can
  // take it, as a freshly shown dialog focuses its first field.
  if (form) form->focusedControl();
}

void Desktop::formHidden(Form* form) {
  if (capture_ && capture_->form() == form) cancelCapture();
  if (hover_ && hover_->form() == form) setHover(nullptr);
  if (popupOwner_ && popupOwner_->form() == form) closePopup();
  if (closePressed_ == form) closePressed_ = nullptr;
  if (lastDown_.control && lastDown_.control->form() == form) lastDown_ = {};
  if (activeForm_ != form) return;
  activeForm_ = nullptr;
  for (auto it = zOrder_.rbegin(); it != zOrder_.rend(); ++it)
    if ((*it)->Visible && (*it)->Enabled) {
      activate(*it);
      break;
    }
}

void Desktop::pushModal(Form* form) {
  modalStack_.push_back(form);
}

void Desktop::popModal(Form* form) {
  modalStack_.erase(std::remove(modalStack_.begin(), modalStack_.end(), form), modalStack_.end());
}

bool Desktop::acceptsInput(const Form* form) const {
  if (!form || !form->Visible || !form->Enabled) return false;
  return modalStack_.empty() || modalStack_.back() == form;
}

void Desktop::forget(Control* control) {
  if (capture_ == control) capture_ = nullptr;
  if (hover_ == control) hover_ = nullptr;
  if (lastDown_.control == control) lastDown_.control = nullptr;
  // The owner of an open popup is going away: nothing is left to tell.
  if (popup_ == control || popupOwner_ == control) {
    if (capture_ == popup_) capture_ = nullptr;
    if (hover_ == popup_) hover_ = nullptr;
    popup_ = popupOwner_ = nullptr;
    popupClosed_ = nullptr;
  }
  for (Form* f : zOrder_)
    if (f->ActiveControl == control) f->ActiveControl = nullptr;
}

// ---- popup ----

void Desktop::openPopup(Control& popup, Control& owner, std::function<void()> onClosed) {
  closePopup();
  popup_ = &popup;
  popupOwner_ = &owner;
  popupClosed_ = std::move(onClosed);
}

void Desktop::closeStalePopup() {
  if (popupOwner_ &&
      (!popupOwner_->showing() || !popupOwner_->enabledInTree() || !acceptsInput(popupOwner_->form())))
    closePopup();
}

void Desktop::closePopup() {
  if (!popup_) return;
  if (capture_ == popup_) cancelCapture();
  if (hover_ == popup_) setHover(nullptr);
  popup_ = popupOwner_ = nullptr;
  auto closed = std::move(popupClosed_);
  popupClosed_ = nullptr;
  if (closed) closed();
}

int Desktop::cursorAtPointer() const {
  const Control* c = capture_ ? capture_ : controlAt(pointer_.x, pointer_.y);
  for (; c; c = c->parent()) {
    if (c->Cursor == crDefault) continue;
    if (c->Cursor == crNone || cursors_.count(c->Cursor)) return c->Cursor;
    return crDefault;
  }
  return crDefault;
}

void Desktop::registerCursor(int number, CursorImage image) {
  cursors_[number] = std::move(image);
}

const CursorImage* Desktop::cursorImage(int number) const {
  auto it = cursors_.find(number);
  return it == cursors_.end() ? nullptr : &it->second;
}

// ---- timers ----

void Desktop::addTimer(Timer* timer) {
  timers_.push_back(timer);
}

void Desktop::removeTimer(Timer* timer) {
  timers_.erase(std::remove(timers_.begin(), timers_.end(), timer), timers_.end());
}

void Desktop::setTimerGranularity(int ms) {
  granularity_ = std::max(1, ms);
}

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
  closeStalePopup();
  framebuffer.fill(0xFF000000u);
  gfx::Canvas canvas(framebuffer);
  const gfx::Rect screen = framebuffer.bounds();
  for (Form* form : zOrder_) form->paintTree(canvas, screen);
  if (popup_) popup_->paintTree(canvas, screen);
}

TModalResult Desktop::messageBox(const MessageBoxRequest& request) {
  if (auto answer = platform_.answerMessageBox(request)) return *answer;
  MessageBoxForm box(*this, request);
  const TModalResult answer = box.ShowModal();
  platform_.messageBoxAnswered(answer);
  return answer;
}

}  // namespace ui
