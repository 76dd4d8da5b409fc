#pragma once
#include <cstdint>
#include <functional>
#include <map>
#include <vector>

#include "gfx/Bitmap.h"
#include "ui/Keys.h"
#include "ui/Platform.h"

namespace ui {

class Control;
class Form;
class Timer;

struct CursorImage {
  gfx::Bitmap picture;  // alpha 0 where transparent
  int hotX = 0, hotY = 0;
};

// The virtual desktop the game's windows live on. It holds the forms in
// z-order, routes input to the right control, runs the timers on the
// platform's clock, and composes everything into one framebuffer.
//
// The screen the game sees is the physical display until the game switches
// the display mode; then it is 640 x 480. The user's monitor is never touched.
class Desktop {
 public:
  static constexpr int kGameWidth = 640;
  static constexpr int kGameHeight = 480;
  static constexpr int kDoubleClickMs = 500;

  explicit Desktop(Platform& platform);
  Desktop(const Desktop&) = delete;
  Desktop& operator=(const Desktop&) = delete;

  Platform& platform() { return platform_; }
  sys::Clock& clock() { return platform_.clock(); }

  // The screen as the game sees it.
  int screenWidth() const { return screenWidth_; }
  int screenHeight() const { return screenHeight_; }
  int bitsPerPixel() const { return bitsPerPixel_; }
  void setDisplayMode(int width, int height);

  // Forms, bottom to top. The first form created is the main form.
  const std::vector<Form*>& zOrder() const { return zOrder_; }
  Form* mainForm() const { return mainForm_; }
  Form* activeForm() const { return activeForm_; }
  void activate(Form* form);
  void bringToFront(Form* form);
  // Whether a form takes input now: shown, enabled, and not shut out by a
  // modal form.
  bool acceptsInput(const Form* form) const;

  // Input in desktop coordinates.
  void mouseMove(int x, int y, Shift shift = {});
  void mouseDown(MouseButton button, int x, int y, Shift shift = {});
  void mouseUp(MouseButton button, int x, int y, Shift shift = {});
  void keyDown(int key, Shift shift = {});
  void keyUp(int key, Shift shift = {});
  void textInput(const std::string& utf8);
  gfx::Point pointer() const { return pointer_; }
  // The pointer went off the screen (onto the window's bars, or out of the
  // window): no control is under it until it moves onto the screen again.
  void pointerLeft();
  bool pointerOnScreen() const { return pointerOnScreen_; }
  // Mouse capture: moves and the release go to this control wherever the
  // pointer is. A press captures the pressed control until its release.
  Control* capture() const { return capture_; }
  void setCapture(Control* control);
  // The control under the pointer (the last one that had the pointer over it).
  Control* hovered() const { return hover_; }

  // A drop-down (a combo box's list) lies above every form while it is open.
  // It has no parent: its bounds are desktop coordinates. A press outside it
  // closes it and goes nowhere else; it closes with its owner's form too.
  // onClosed runs whenever it closes, except when the owner is destroyed.
  void openPopup(Control& popup, Control& owner, std::function<void()> onClosed);
  void closePopup();
  Control* popup() const { return popup_; }

  // Moves the mouse pointer, as the game does; the move reaches the controls
  // with the next round of the event loop.
  void setCursorPos(int x, int y);
  // Hands over what the game queued for the next round (a pointer move).
  void deliverPending();

  // The control under the pointer that takes input, or null.
  Control* controlAt(int x, int y) const;
  // The cursor to show at the pointer: the first cursor number set on the
  // control under it or its parents; crDefault for the arrow, which is also
  // what a number without a registered picture shows.
  int cursorAtPointer() const;
  void registerCursor(int number, CursorImage image);
  const CursorImage* cursorImage(int number) const;

  // Timers.
  int timerGranularity() const { return granularity_; }
  void setTimerGranularity(int ms);
  int64_t effectiveInterval(int interval) const;
  int64_t nextTimerDue() const;  // INT64_MAX when no timer runs
  bool fireDueTimers();
  Timer* findTimer(const std::string& name) const;

  // The event loop.
  void run() {
    runUntil([] { return false; });
  }
  void runUntil(const std::function<bool()>& done);
  void terminate() { terminated_ = true; }
  bool terminated() const { return terminated_; }

  // Composes every visible form into a framebuffer of the screen's size.
  void compose(gfx::Bitmap& framebuffer);

  TModalResult messageBox(const MessageBoxRequest& request);
  bool shellOpen(const std::string& target) { return platform_.shellOpen(target); }

  // Bookkeeping for forms, controls and timers.
  void addForm(Form* form);
  void removeForm(Form* form);
  void formHidden(Form* form);
  void pushModal(Form* form);
  void popModal(Form* form);
  void forget(Control* control);
  void addTimer(Timer* timer);
  void removeTimer(Timer* timer);

 private:
  Form* formAt(int x, int y) const;
  void routeKey(int key, Shift shift, bool down);
  // Whether a control may receive mouse input now (the popup always may).
  bool takesInput(Control* control) const;
  // Drops the capture without a release (the captured control is told).
  void cancelCapture();
  void setHover(Control* control);
  bool pressPopup(MouseButton button, int x, int y, Shift shift);
  // Closes the popup when its owner was hidden, disabled or shut out.
  void closeStalePopup();

  Platform& platform_;
  int screenWidth_, screenHeight_, bitsPerPixel_;
  std::vector<Form*> zOrder_;
  Form* mainForm_ = nullptr;
  Form* activeForm_ = nullptr;
  std::vector<Form*> modalStack_;
  Control* capture_ = nullptr;
  Control* hover_ = nullptr;
  Control* popup_ = nullptr;
  Control* popupOwner_ = nullptr;
  std::function<void()> popupClosed_;
  Form* closePressed_ = nullptr;
  gfx::Point pointer_{-1, -1};
  bool pointerOnScreen_ = true;
  bool pointerMovePending_ = false;

  struct LastDown {
    Control* control = nullptr;
    MouseButton button = MouseButton::Left;
    int64_t time = 0;
    gfx::Point at;
  } lastDown_;

  std::map<int, CursorImage> cursors_;
  std::vector<Timer*> timers_;
  int granularity_ = 1;
  bool terminated_ = false;
};

}  // namespace ui
