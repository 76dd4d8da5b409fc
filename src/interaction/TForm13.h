#pragma once
#include "sys/TextList.h"
#include "ui/Form.h"
#include "ui/Image.h"

namespace game {

class Game;

// The task list ("Auftragszettel") that slides over the room.
class TForm13 : public ui::Form {
 public:
  explicit TForm13(Game& game);

  Game& game;
  ui::Image Image1;
  sys::TextList liste;  // the task list itself
};

}  // namespace game
