#pragma once
#include "ui/Button.h"
#include "ui/CheckBox.h"
#include "ui/Form.h"
#include "ui/GroupBox.h"
#include "ui/Image.h"
#include "ui/Label.h"
#include "ui/Memo.h"
#include "ui/RadioButton.h"
#include "ui/SpinEdit.h"
#include "ui/TrackBar.h"

namespace game {

class Game;

// The settings screen: the switches the game consults (sound, speech,
// subtitles, music, speed), what the machine offers, and in its long form the
// list of non-fatal errors and the options text.
class TForm5 : public ui::Form {
 public:
  static constexpr int kShortWidth = 339;
  static constexpr int kLongWidth = 665;

  explicit TForm5(Game& game);

  Game& game;
  ui::Label Label6, Label4, Label3;
  ui::CheckBox CheckBox3;  // "Sprachausgabe (wenn verfügbar)"
  ui::CheckBox CheckBox4;  // "Textausgabe (immer)"
  ui::CheckBox CheckBox1;  // "MP3 Musik", no function
  ui::CheckBox CheckBox5;  // "MIDI Musik"
  ui::CheckBox CheckBox2;  // "Sound"
  ui::RadioButton RadioButton1, RadioButton2;
  ui::Image Image2, Image3;  // the language pictures
  ui::Image Image1;          // the speed picture
  ui::TrackBar TrackBar1;
  ui::SpinEdit edit1;
  ui::Button Button1, Button2, Button3, Button4;
  ui::GroupBox GroupBox1;  // " Fehlermeldungen "
  ui::Memo Memo1;          // the non-fatal error list
  ui::Label Label2;        // the error counter
  ui::Memo Memo2;          // the options text
  ui::Label player;        // "user" or "developer"

  void TrackBar1Change();
  void Edit1Change();
  void CheckBox2Click();
  void Button1Click();
  void Button2Click();
  void Button3Click();
  void Button4Click();
  void Image2Click();
  void Image3Click();
  void Memo1Change();

  // The memory lines, as start-up and Button4 compute them.
  void showMemory();
};

}  // namespace game
