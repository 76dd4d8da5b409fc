// The person the recipes add: the laboratory assistant's dialogue tree.
#include "interaction/DialogTree.h"

namespace game::dialogue {

const std::vector<Row>& laborantinRows() {
  static const std::vector<Row> rows = {
      {"Was brauen Sie da?",
       {},
       {say("Laborantin", {"Einen Zaubertrank."}), cmd({"note", "Die Laborantin hat geantwortet."}),
        cmd({"end dialog"})}},
      {"Ich geh dann!", {}, {say("Laborantin", {"Auf Wiedersehen!"}), cmd({"end dialog"})}},
  };
  return rows;
}

}  // namespace game::dialogue
