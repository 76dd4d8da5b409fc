// Franz, the electrician in the basement, who builds a money-printing
// machine and keeps a list of what he still needs.
#include <array>

#include "core/Game.h"
#include "core/TForm1.h"
#include "core/TForm13.h"
#include "interaction/DialogTree.h"
#include "state/TForm2.h"

namespace game::dialogue {
namespace {

struct Thing {
  const char* entry;  // as Franz's list holds it
  const char* named;  // as Franz says it
};

constexpr std::array<Thing, 3> kThings = {{{"Maschinenbuch", "das Maschinenbuch"},
                                           {"Werkzeug", "Werkzeug zum Basteln"},
                                           {"Geldscheinvorlage", "die Geldscheinvorlagen"}}};

void franzSays(Conversation& c, const std::string& text) {
  c.queue.add("say");
  c.queue.add("Franz");
  c.queue.add(text);
}

constexpr const char* kHoseAfterOthers = "und einen Gartenschlauch.";
constexpr const char* kHoseAlone = "einen Gartenschlauch.";

// Franz names what is still on his list, one line a thing; the hose comes
// with an "und" when something was named before it.
void listRemainingThings(Conversation& c) {
  bool namedOne = false;
  for (int i = 0; i <= 5; ++i) {
    const std::string entry = c.store.franzinventar.get(i);
    if (entry == "Gartenschlauch") {
      franzSays(c, namedOne ? kHoseAfterOthers : kHoseAlone);
      continue;
    }
    for (const Thing& thing : kThings) {
      if (entry != thing.entry) continue;
      franzSays(c, thing.named);
      namedOne = true;
    }
  }
}

// Franz sends Kroxl to Zweistein: the drawing request becomes Zweistein's
// first reply.
void offerZweisteinTheDrawingRequest(Conversation& c) {
  insertAfterHeaders(c, {"Zweistein:"},
                     "Könnten Sie mir vielleicht eine Zeichnung für eine Reihe von Geldscheinen für ein "
                     "neues Wirtschaftssystem gestalten?");
}

// The shopping list is urgent: the note turns red behind its paper.
void paintTaskListRed(Conversation& c) {
  c.f1.game.Form13->Color = 255;
}

}  // namespace

std::vector<std::string> franzListLines() {
  std::vector<std::string> lines;
  for (const Thing& thing : kThings) lines.emplace_back(thing.named);
  lines.emplace_back(kHoseAfterOthers);
  lines.emplace_back(kHoseAlone);
  return lines;
}

const std::vector<Row>& franzRows() {
  static const std::vector<Row> rows = {
      {"Schau doch mal Franz, was ich da Tolles für dich habe!",
       {},
       {clearQueue(), deleteReply(), cmd({"execute script", "\\source\\scripts\\gang44lzeichnung.smx"})}},

      // The reply stays. When everything has been delivered the game ends.
      {"Welche Dinge benötigen Sie noch?",
       {},
       {cmd({"change", "gameover2"}), say("Franz", {"Ich benötige noch"}), direct(listRemainingThings)}},

      {"Welche Dinge benötigen Sie?",
       {},
       {direct(offerZweisteinTheDrawingRequest), task("FÜR FRANZ BESORGEN:"),
        task("   Gelddruckmaschinenbuch"), task("   Werkzeug eines Bastlers"), task("   Geldscheinvorlage"),
        task("   Gartenschlauch"), direct(paintTaskListRed),
        say("Franz", {"Hmm, lass mich nachdenken...",
                      "Zuerst brauche ich ein Buch, wie man eine Gelddruckmaschine baut. So was steht "
                      "bestimmt in der Bibliothek.",
                      "Dann Werkzeug zum Basteln. Der Hubert in der Produktionsstätte hat das beste."}),
        cmd({"change", "sick", "5000"}),
        say("Franz", {"Ohne Vorlage für die Geldscheine geht's auch nicht. Frag den Zweistein in der "
                      "Bibliothek, der zeichnet wie ein Gott.",
                      "Und einen Gartenschlauch, zum Kühlen. Sonst schmelzen mir die Walzen weg."}),
        cmd({"change", "bad", "5000"}), say("Franz", {"Das wärs dann schon."}), deleteReply(),
        insertReply("Welche Dinge benötigen Sie noch?")}},

      {"Ich geh dann!", {}, {say("Franz", {"Bis dann."}), cmd({"end dialog"})}},
  };
  return rows;
}

}  // namespace game::dialogue
