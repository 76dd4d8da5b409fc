#pragma once
#include <string>

#include "ui/Button.h"
#include "ui/Edit.h"
#include "ui/FileListBox.h"
#include "ui/Form.h"
#include "ui/Image.h"
#include "ui/Label.h"

namespace game {

class Game;

// The save screen: a name field and the list of saved games. Enter in the
// field or the list, a double click on the list and closing the screen all
// save the composed save buffer under the name; Escape leaves it unsaved.
class TForm9 : public ui::Form {
 public:
  static constexpr const char* kMask = "*.kvt";

  explicit TForm9(Game& game);

  Game& game;
  ui::Image Image1;  // the background
  ui::Edit Edit1;    // the name
  ui::FileListBox FileListBox1;
  ui::Label Label2;
  ui::Button Button1;  // the save action

  void Button1Click();
  void Edit1KeyUp(int& key);
  void FileListBox1KeyDown(int& key);
  void FileListBox1Change();
  void FileListBox1DblClick();
  void FormClose(ui::TCloseAction& action);
  // Escape leaves the screen without saving (closing it saves).
  void FormKeyUp(int& key);

 private:
  // Saves and hides the screen; false when the name cannot be a file's name
  // (the screen then stays open with the mask in the field).
  bool save();
};

// Whether a name typed on the save screen can name a saved game: not empty
// and free of the characters that separate paths or match files.
bool usableSaveName(const std::string& name);

}  // namespace game
