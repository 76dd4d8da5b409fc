// Motty, the groundskeeper of the minigolf course.
#include "interaction/DialogTree.h"

namespace game::dialogue {

const std::vector<Row>& mottyRows() {
  static const std::vector<Row> rows = {
      {"Ich geh dann!", {}, {say("Motty", {"Auf Wiedersehen!"}), cmd({"end dialog"}), cmd({"wait", "3"})}},

      {"Könnte ich mir vielleicht den Schlauch borgen?",
       {},
       {cmd({"execute script", "\\source\\scripts\\minigolfkeinschlauchdialog.smx"})}},

      {"Ich würde gerne eine Runde Minigolf spielen.",
       {},
       {say("Motty", {"Eine Runde Minigolf? Aber gerne doch!",
                      "Hier, Schläger und Ball. Bitte nicht auf die Gartenzwerge zielen."}),
        cmd({"play wav effect", "\\sound\\effects\\click.wav"}), cmd({"inventar add", "Golfball"}),
        cmd({"inventar add", "Schläger"}), say("Motty", {"Viel Spass!"}), cmd({"change", "happy"}),
        say("Kroxl", {"Danke!"}), cmd({"end dialog"}), cmd({"wait", "3"}), cmd({"look right"}),
        cmd({"wait", "4"}), deleteReply()}},
  };
  return rows;
}

}  // namespace game::dialogue
