// The dialogue trees: what follows each reply the protagonist can choose.
#include "app/Game.h"
#include "app/TForm1.h"
#include "state/TForm2.h"

namespace game {

// The protagonist always speaks the chosen reply first; an empty reply
// clears the queue again. The persons' answers are added by their trees.
void TForm1::dialogTree(const std::string& /*person*/, const std::string& reply, int /*index*/) {
  sys::TextList& queue = game.Form2->Memo1;
  queue.add("say");
  queue.add("Kroxl");
  queue.add(reply);
  if (reply.empty()) queue.clear();
}

}  // namespace game
