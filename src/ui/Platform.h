#pragma once
#include <optional>
#include <string>

#include "sys/Clock.h"

namespace ui {

class Desktop;

enum class TModalResult { None = 0, Ok = 1, Cancel = 2, Yes = 6, No = 7 };
enum class MessageKind { Information, Warning };
enum class MessageButtons { Ok, YesNo };

struct MessageBoxRequest {
  std::string text;
  std::string caption;
  MessageKind kind = MessageKind::Information;
  MessageButtons buttons = MessageButtons::Ok;
};

// The physical display the game runs on, before it switches to its own mode.
struct DisplayInfo {
  int width = 640;
  int height = 480;
  int bitsPerPixel = 32;
};

// What a front end provides to the desktop: time, the event loop, and the few
// things that reach outside the program. The SDL window and the headless
// driver implement it.
class Platform {
 public:
  virtual ~Platform() = default;

  virtual sys::Clock& clock() = 0;
  // One round of the event loop: wait for input or the next due timer and hand
  // what happened to the desktop.
  virtual void pump(Desktop& desktop) = 0;
  virtual DisplayInfo display() const = 0;
  // The desktop moved the mouse pointer itself.
  virtual void warpPointer(int x, int y) = 0;
  // A front end that answers message boxes itself returns the answer; the
  // window returns nothing and the desktop shows a modal box.
  virtual std::optional<TModalResult> answerMessageBox(const MessageBoxRequest& request) = 0;
  // The player answered a box the desktop showed (a recording keeps it).
  virtual void messageBoxAnswered(TModalResult) {}
  // Opens a document or address with the desktop's default program; false
  // when there is none, or it refused.
  virtual bool shellOpen(const std::string& target) = 0;
};

}  // namespace ui
