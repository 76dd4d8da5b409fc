#pragma once
#include "sys/TextList.h"
#include "ui/Button.h"
#include "ui/Form.h"
#include "ui/Image.h"
#include "ui/Timer.h"

namespace game {

class Game;

// The task list ("Auftragszettel"): a note that slides over the room with one
// line per task and a tick beside every task that is done.
class TForm13 : public ui::Form {
 public:
  explicit TForm13(Game& game);

  Game& game;
  ui::Image Image1;
  sys::TextList liste;  // the task list itself: "<eintrag>", text, status
  ui::Button zeigen;    // draws the note
  ui::Button settrue;   // ticks the task whose text is in its hint
  ui::Timer Timer1;     // slides the note in; its Tag is set to 1 and read by nothing

  // Appends a task: two empty lines, "<eintrag>", the text, "false".
  void addTask(const std::string& task);
  // Ticks every entry with exactly this text.
  void tickTask(const std::string& task);

  void Timer1Timer();
  void zeigenClick();
  void settrueClick();
  void Image1Click();
};

}  // namespace game
