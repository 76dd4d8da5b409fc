#pragma once
#include "ui/Button.h"
#include "ui/Form.h"
#include "ui/Memo.h"

namespace game {

class Game;

// The protocol screen: the protocol log, the voice table, the save buffer
// and the list of spoken lines without a recording.
class TForm3 : public ui::Form {
 public:
  explicit TForm3(Game& game);

  Game& game;
  ui::Memo Memo1;  // copy of the protocol log
  ui::Memo Memo2;  // the save buffer
  ui::Memo Memo3;  // sentences without a voice file
};

}  // namespace game
