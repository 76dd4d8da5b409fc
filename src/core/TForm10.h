#pragma once
#include "ui/Button.h"
#include "ui/CheckBox.h"
#include "ui/Form.h"
#include "ui/Label.h"
#include "ui/TrackBar.h"

namespace game {

class Game;

// The in-game settings panel. Every change on it is copied to the settings
// screen; closing it (only Escape does) writes the options file.
class TForm10 : public ui::Form {
 public:
  explicit TForm10(Game& game);

  Game& game;
  ui::Label Label1, Label2;
  ui::TrackBar TrackBar1;
  ui::CheckBox CheckBox3;  // "Sprachausgabe (wenn verfügbar)"
  ui::CheckBox CheckBox4;  // "Textausgabe"
  ui::CheckBox CheckBox5;  // "MIDI Musik"
  ui::CheckBox CheckBox2;  // "Sound"
  ui::Button einlesen, zusammenstellen;

  void TrackBar1Change();
  void CheckBox3Click();
  void CheckBox4Click();
  void CheckBox5Click();
  void CheckBox2Click();
  void FormKeyUp(int& key);
  void FormClose();
  // The options reader and the panel writer.
  void einlesenClick();
  void zusammenstellenClick();

  // Set at start-up when the options file is there but cannot be read: the
  // writer then leaves it alone, so the player's settings in it are not
  // replaced by the defaults the game runs with.
  bool keepUnreadableFile = false;
};

}  // namespace game
