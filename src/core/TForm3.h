#pragma once
#include "ui/Button.h"
#include "ui/Form.h"
#include "ui/Memo.h"
#include "ui/StringGrid.h"

namespace game {

class Game;

// The protocol screen: a copy of the protocol log, the voice table, the save
// buffer and the list of spoken lines that have no recording yet.
class TForm3 : public ui::Form {
 public:
  explicit TForm3(Game& game);

  Game& game;
  ui::Memo Memo1;              // copy of the protocol log
  ui::StringGrid StringGrid1;  // the voice table: key, translation, voice file
  ui::Memo Memo2;              // the save buffer
  ui::Memo Memo3;              // sentences without a voice file
  ui::Button Button1, Button2, Button3, Button4;

  // Number of voice-table rows examined at start-up, kept in the grid's hint.
  int voiceRows() const;
  // The grid's Tag: -1 while the spoken line's recording is queued or plays,
  // 0 otherwise; the window's caption mirrors it for the developer.
  int& speechFlag() { return StringGrid1.Tag; }

  // Loads both voice databases into the voice table (start-up).
  void loadVoiceDatabases();

  void Button1Click();
  void Button2Click();
  void Button3Click();
  void Memo3Change();

 private:
  int loadVoicePackage(const std::string& file, int firstRow);
};

}  // namespace game
