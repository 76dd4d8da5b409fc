#include "backend/sdl/SdlPlatform.h"

#include <algorithm>
#include <climits>

#include "backend/sdl/Screenshot.h"
#include "backend/sdl/SdlKeys.h"
#include "sys/SystemInfo.h"
#include "ui/Desktop.h"
#include "ui/Form.h"

namespace backend {
namespace {

// The longest sleep without any timer running; the wake-up costs nothing
// worth mentioning and guards against a timer started behind the loop's back.
constexpr int kLongestSleepMs = 1000;
// How long the note on a screenshot stays over the picture.
constexpr int64_t kNoteMs = 4000;

ReplayAction pointerAction(ReplayAction::Kind kind, gfx::Point p, ui::Shift shift) {
  ReplayAction a;
  a.kind = kind;
  a.x = p.x;
  a.y = p.y;
  a.shift = shift;
  return a;
}

ReplayAction leaveAction() {
  ReplayAction a;
  a.kind = ReplayAction::Kind::Leave;
  return a;
}

ui::MouseButton buttonFrom(Uint8 b) {
  if (b == SDL_BUTTON_RIGHT) return ui::MouseButton::Right;
  if (b == SDL_BUTTON_MIDDLE) return ui::MouseButton::Middle;
  return ui::MouseButton::Left;
}

}  // namespace

std::string SdlPlatform::startRecording(const std::string& path) {
  recorder_ = std::make_unique<Recorder>(path);
  if (!recorder_->ok()) {
    const std::string error = recorder_->error();
    recorder_.reset();
    return error;
  }
  recordingStart_ = clock_.nowMs();
  return "";
}

sys::Clock& SdlPlatform::clock() {
  if (recorder_) return gameClock_;
  return clock_;
}

int64_t SdlPlatform::realGameTime() const {
  return clock_.nowMs() - recordingStart_ - pausedMs_;
}

void SdlPlatform::setFullScreen(bool on) {
  if (screen_.fullScreen() != on) screen_.toggleFullScreen();
}

void SdlPlatform::pump(ui::Desktop& desktop) {
  if (recorder_) return pumpRecorded(desktop);
  desktop.deliverPending();
  if (desktop.fireDueTimers()) frameStale_ = true;
  if (desktop.terminated()) return;
  present(desktop);

  SDL_Event e;
  if (SDL_WaitEventTimeout(&e, sleepTime(desktop))) {
    handle(desktop, e);
    while (!desktop.terminated() && SDL_PollEvent(&e)) handle(desktop, e);
  }
}

// One step at a time, as the headless driver takes them: the timers due at
// one game time, or one event. An event is handled at the real time it came,
// but before the next timer is due, so that the replay's wait puts it between
// the same two timer ticks.
void SdlPlatform::pumpRecorded(ui::Desktop& desktop) {
  desktop.deliverPending();
  if (desktop.terminated()) return;
  if (openBoxes_ == 0) {
    if (desktop.fireDueTimers()) {
      frameStale_ = true;
      return;
    }
    const int64_t due = desktop.nextTimerDue();
    if (due <= realGameTime()) {
      gameClock_.advanceTo(due);
      desktop.fireDueTimers();
      frameStale_ = true;
      return;
    }
  }
  present(desktop);

  SDL_Event e;
  if (!SDL_WaitEventTimeout(&e, sleepTime(desktop))) return;
  if (openBoxes_ == 0) {
    const int64_t due = desktop.nextTimerDue();
    const int64_t latest = due == INT64_MAX ? INT64_MAX : due - 1;
    gameClock_.advanceTo(std::min(realGameTime(), latest));
  }
  if (e.type == SDL_QUIT) recorder_->end(gameClock_.nowMs());
  handle(desktop, e);
}

void SdlPlatform::input(ui::Desktop& desktop, const ReplayAction& action) {
  // Input to a message box is the box's answer, recorded when it closes.
  const bool recorded = recorder_ && openBoxes_ == 0;
  if (recorded) recorder_->begin(gameClock_.nowMs(), action);
  applyInput(desktop, action);
  if (recorded) recorder_->finish();
}

std::optional<ui::TModalResult> SdlPlatform::answerMessageBox(const ui::MessageBoxRequest&) {
  // The game's clock stands still while the player reads the box: the
  // replay answers it at once.
  if (openBoxes_++ == 0) boxOpenedAt_ = clock_.nowMs();
  return std::nullopt;
}

void SdlPlatform::messageBoxAnswered(ui::TModalResult answer) {
  if (openBoxes_ > 0 && --openBoxes_ == 0) pausedMs_ += clock_.nowMs() - boxOpenedAt_;
  if (recorder_) recorder_->answer(answer);
}

void SdlPlatform::present(ui::Desktop& desktop) {
  if (!note_.empty() && clock_.nowMs() >= noteUntil_) {
    note_.clear();
    frameStale_ = true;
  }
  if (frameStale_) {
    frameStale_ = false;
    desktop.compose(screen_.canvas());
    if (!note_.empty()) drawNote();
    screen_.present();
  } else {
    screen_.redrawIfNeeded();
  }
  cursors_.update(desktop, screen_.viewport().cursorScale());
}

void SdlPlatform::takeScreenshot(ui::Desktop& desktop) {
  gfx::Bitmap picture;
  desktop.compose(picture);
  const ScreenshotResult shot = saveScreenshot(picture, screenshotDir);
  if (shot.ok()) {
    std::printf("kroxl: screenshot saved to %s\n", shot.path.c_str());
    std::fflush(stdout);
    note_ = "Bildschirmfoto gespeichert: " + shot.path;
  } else {
    std::fprintf(stderr, "kroxl: the screenshot could not be saved: %s\n", shot.error.c_str());
    note_ = "Bildschirmfoto nicht gespeichert: " + shot.error;
  }
  noteUntil_ = clock_.nowMs() + kNoteMs;
  frameStale_ = true;
}

void SdlPlatform::drawNote() {
  drawScreenshotNote(screen_.canvas(), note_);
}

int SdlPlatform::sleepTime(const ui::Desktop& desktop) {
  int64_t sleep = kLongestSleepMs;
  const int64_t due = desktop.nextTimerDue();
  if (due != INT64_MAX && openBoxes_ == 0) sleep = due - (recorder_ ? realGameTime() : clock_.nowMs());
  if (!note_.empty()) sleep = std::min(sleep, noteUntil_ - clock_.nowMs());
  return static_cast<int>(std::clamp<int64_t>(sleep, 0, kLongestSleepMs));
}

void SdlPlatform::handle(ui::Desktop& desktop, const SDL_Event& e) {
  switch (e.type) {
    case SDL_QUIT:
      if (onQuit) onQuit();
      // Closing the window closes the main window, as the game's quit does.
      if (ui::Form* main = desktop.mainForm())
        main->Close();
      else
        desktop.terminate();
      break;
    case SDL_MOUSEMOTION:
      handleMotion(desktop, e.motion);
      break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
      handleButton(desktop, e.button);
      break;
    case SDL_KEYDOWN:
    case SDL_KEYUP:
      handleKey(desktop, e.key);
      break;
    case SDL_TEXTINPUT: {
      ReplayAction typed;
      typed.kind = ReplayAction::Kind::Type;
      typed.text = e.text.text;
      input(desktop, typed);
      break;
    }
    case SDL_WINDOWEVENT:
      handleWindow(desktop, e.window);
      return;
    case SDL_RENDER_DEVICE_RESET:
      screen_.deviceReset();
      break;
    default:
      return;
  }
  frameStale_ = true;
}

// The bars beside the picture are not the game's: the pointer there is off
// its screen, and a press there goes nowhere. A drag that began on the
// picture goes on at the picture's nearest edge, as in a full-screen game.
void SdlPlatform::handleMotion(ui::Desktop& desktop, const SDL_MouseMotionEvent& motion) {
  if (heldButtons_ == 0 && !screen_.onPicture(motion.x, motion.y)) {
    input(desktop, leaveAction());
    return;
  }
  const gfx::Point p = screen_.toPicture(motion.x, motion.y);
  input(desktop, pointerAction(ReplayAction::Kind::Move, p, shiftFor(SDL_GetModState())));
}

void SdlPlatform::handleButton(ui::Desktop& desktop, const SDL_MouseButtonEvent& button) {
  const Uint32 mask = SDL_BUTTON(button.button);
  const ui::Shift shift = shiftFor(SDL_GetModState());
  const gfx::Point p = screen_.toPicture(button.x, button.y);
  ReplayAction action = pointerAction(ReplayAction::Kind::Down, p, shift);
  action.button = buttonFrom(button.button);
  if (button.type == SDL_MOUSEBUTTONDOWN) {
    if (!screen_.onPicture(button.x, button.y)) return;
    heldButtons_ |= mask;
  } else {
    if ((heldButtons_ & mask) == 0) return;
    heldButtons_ &= ~mask;
    action.kind = ReplayAction::Kind::Up;
  }
  input(desktop, action);
}

void SdlPlatform::handleKey(ui::Desktop& desktop, const SDL_KeyboardEvent& key) {
  const SDL_Keycode k = key.keysym.sym;
  if (key.type == SDL_KEYDOWN && isFullScreenKey(k, key.keysym.mod)) {
    if (!key.repeat) screen_.toggleFullScreen();
    swallowedKey_ = k;
    return;
  }
  // F12 is the front end's: a screenshot, which the game never sees.
  if (key.type == SDL_KEYDOWN && k == SDLK_F12) {
    if (!key.repeat) takeScreenshot(desktop);
    swallowedKey_ = k;
    return;
  }
  if (key.type == SDL_KEYUP && k == swallowedKey_) {
    swallowedKey_ = SDLK_UNKNOWN;
    return;
  }
  ReplayAction action;
  action.kind = key.type == SDL_KEYDOWN ? ReplayAction::Kind::KeyDown : ReplayAction::Kind::KeyUp;
  action.key = virtualKeyFor(k);
  action.shift = shiftFor(key.keysym.mod);
  if (action.key != 0) input(desktop, action);
}

void SdlPlatform::handleWindow(ui::Desktop& desktop, const SDL_WindowEvent& window) {
  switch (window.event) {
    case SDL_WINDOWEVENT_LEAVE:
      if (heldButtons_ == 0) input(desktop, leaveAction());
      frameStale_ = true;
      break;
    case SDL_WINDOWEVENT_SIZE_CHANGED:
    case SDL_WINDOWEVENT_EXPOSED:
    case SDL_WINDOWEVENT_RESTORED:
      screen_.windowChanged();
      break;
    default:
      break;
  }
}

void SdlPlatform::warpPointer(int x, int y) {
  // Only while the pointer is over our window: never drag the user's pointer
  // back from another program.
  if (SDL_GetMouseFocus() != screen_.window()) return;
  const gfx::Point at = screen_.toWindow(x, y);
  SDL_WarpMouseInWindow(screen_.window(), at.x, at.y);
}

bool SdlPlatform::shellOpen(const std::string& target) {
  return sys::shellOpen(target);
}

}  // namespace backend
