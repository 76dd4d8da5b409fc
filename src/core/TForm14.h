#pragma once
#include "ui/Button.h"
#include "ui/FileListBox.h"
#include "ui/Form.h"
#include "ui/Image.h"
#include "ui/Memo.h"
#include "ui/SpeedButton.h"

namespace game {

class Game;

// The load screen: the saved games with a preview of the chosen one. It
// lives only for the load action's modal call, whose result (OK or Cancel)
// decides whether a game is loaded.
class TForm14 : public ui::Form {
 public:
  explicit TForm14(Game& game);

  Game& game;
  ui::Image Image1;  // the background; thumbnails are drawn onto it
  ui::FileListBox FileListBox1;
  ui::SpeedButton SpeedButton1;  // "OK"
  ui::SpeedButton SpeedButton2;  // "Abbrechen"
  ui::Button zeige;              // fills the list
  ui::Button takeit;             // closes the screen with OK
  ui::Button abbrechen;          // closes the screen with Cancel
  ui::Memo Memo1;                // the chosen file's path

  void zeigeClick();
  void FileListBox1Change();
  void SpeedButton1Click();
  void SpeedButton2Click();
  void FileListBox1DblClick();
};

}  // namespace game
