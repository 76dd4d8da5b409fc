// The conversations of the ground floor: Tägl in the canteen, Hubert in his
// workshop and Professor Zweistein in the library.
#include "core/Game.h"
#include "core/TForm1.h"
#include "core/TForm13.h"
#include "interaction/DialogTree.h"
#include "state/TForm2.h"

namespace game::dialogue {
namespace {

const std::string kDrawingRequest =
    "Könnten Sie mir vielleicht eine Zeichnung für eine Reihe von Geldscheinen für ein neues "
    "Wirtschaftssystem gestalten?";

// Zweistein wants coffee for his drawing. The first time he says so, Kroxl
// notes it and Tägl's block (under either spelling of its header) learns to
// offer a cup; the flag keeps a second request from doing it again.
void askTaeglForCoffeeOnce(Conversation& c) {
  if (c.store.zweistein.ShowHint) return;
  c.f1.game.Form13->addTask("Kaffee für Professor Zweistein");
  insertAfterHeaders(c, {"Tägl:", "Tögl:"}, "Eine Tasse Kaffee, bitte!");
  c.store.zweistein.ShowHint = true;
}

// Once asked what he reads, the reading professor has a name.
void learnZweisteinsName(Conversation& c) {
  c.store.zweistein.Tag = 1;
  c.f1.Object1.Hint = "Professor Zweistein";
}

}  // namespace

const std::vector<Row>& toeglRows() {
  static const std::vector<Row> rows = {
      {"Eine Tasse Kaffee, bitte!",
       {},
       {say("Tägl", {"Kaffee ist aus. Die nächste Lieferung kommt frühestens nächsten Monat."}),
        say("Kroxl", {"Und was ist mit der Tasse da auf der Theke?"}),
        say("Tägl", {"Finger weg! Das ist meine private Tasse!",
                     "Darf's stattdessen ein Glas lauwarmes Leitungswasser sein? Geht aufs Haus."}),
        say("Kroxl", {"Danke, ich verzichte."}), cmd({"end dialog"}), deleteReply()}},

      {"Na, wie laufen die Geschäfte?",
       {},
       {say("Tägl", {"Bestens, Herr Professor, bestens! Die Kantine ist jeden Tag voll.",
                     "Ich habe sogar einen neuen Koch. Der brennt fast nie etwas an.",
                     "Darf ich Ihnen einen Burger anbieten? Spezialität des Hauses!"}),
        say("Kroxl", {"Danke, lieber nicht. Ich hänge an meinem Magen."}), deleteReply()}},

      {"Tja, ich muß jetzt leider gehen!",
       {},
       {say("Tägl", {"Schade, Herr Professor! Beehren Sie uns bald wieder.",
                     "Und sagen Sie es weiter: Bei Tägl schmeckt's!"}),
        cmd({"look right"}), cmd({"end dialog"}), cmd({"wait", "5"})}},
  };
  return rows;
}

const std::vector<Row>& hubertRows() {
  static const std::vector<Row> rows = {
      {"Warum bastelst du nicht mehr an Atommodellen, wie früher?",
       {},
       {say("Hubert", {"Das hat mir der Chef verboten. Nach dem kleinen Zwischenfall mit dem Kantinenherd."}),
        deleteReply()}},

      {"Sieh mal Hubert, was ich da habe!",
       {},
       {clearQueue(), deleteReply(), cmd({"execute script", "\\source\\scripts\\bastelraum2lplan.smx"})}},

      {"Kannst du dich noch erinnern wo du die Pläne das letzte mal hattest?",
       {},
       {deleteReply(), say("Hubert", {"Puh... irgendwo beim Essen, glaube ich. Oder war's beim Frühstück?"}),
        say("Kroxl", {"Hast du öfter Probleme mit dem Gedächtnis?"}),
        say("Hubert", {"Jetzt nicht mehr. Seit ich keine Kantinenburger mehr esse, geht's viel besser."})}},

      {"Ich geh die Pläne suchen.", {}, {say("Hubert", {"Danke."}), cmd({"end dialog"})}},
  };
  return rows;
}

const std::vector<Row>& zweisteinRows() {
  static const std::vector<Row> rows = {
      // The reply stays; "kaffee 2" takes it away when he has his coffee.
      {"Ich habe einen neuen Kaffee für Sie.",
       {},
       {clearQueue(), cmd({"execute script", "\\source\\scripts\\bibliothek1lKaffee.smx"})}},

      {"Schicke Jacke, die Sie da anhaben!", {}, {say("Zweistein", {"?????"})}},

      // No coffee yet: he wants one. The reply stays.
      {kDrawingRequest,
       kaffeeIs(0),
       {say("Zweistein", {"Wie bitte? Ich bin Wissenschaftler, kein Kunstmaler!",
                          "Geldscheine! Für ein neues Wirtschaftssystem! Unerhört!"}),
        say("Kroxl", {"Es wäre aber wirklich wichtig. Für das ganze Forschungszentrum."}),
        say("Zweistein", {"Hmpf. Und was springt für mich dabei heraus?"}), cmd({"change", "bad", "200"}),
        cmd({"wait", "10"}), say("Kroxl", {"<Stöhn!>"}), cmd({"wait", "15"}),
        say("Zweistein",
            {"Mein Kaffee ist ausgegangen, und ohne Kaffee denke ich nicht.",
             "Bringen Sie mir eine neue Tasse Kaffee, dann zeichne ich Ihnen Ihre Geldscheine."}),
        say("Kroxl", {"Abgemacht. Wie hätten Sie ihn denn gern?"}),
        say("Zweistein", {"Schwarz, heiß und nur ein ganz kleines bisschen süß."}), cmd({"wait", "15"}),
        say("Zweistein", {"Den Kaffee mein ich."}), cmd({"change", "sick", "11000"}), cmd({"end dialog"}),
        direct(askTaeglForCoffeeOnce)}},

      // He has had his coffee: he draws.
      {kDrawingRequest,
       kaffeeIs(2),
       {cmd({"execute script", "\\source\\scripts\\schreib.dia"}), deleteReply()}},

      // Kroxl carries the coffee but has not handed it over: only his own line.
      {kDrawingRequest, kaffeeIs(1), {}},

      {"Ich geh dann!",
       {},
       {say("Zweistein", {"Jaja."}), cmd({"wait", "15"}), cmd({"end dialog"}), cmd({"wait", "15"})}},

      // The two follow-ups take the chosen reply's place, the book first.
      {"Was lesen Sie da?",
       {},
       {direct(learnZweisteinsName),
        say("Zweistein", {"'Über die Quantenverschränkung einzelner Socken im nichteuklidischen "
                          "Wäschetrockner', dritte Auflage."}),
        cmd({"change", "sick", "15000"}), say("Kroxl", {"Ah ja."}), deleteReply(),
        insertReply("Schicke Jacke, die Sie da anhaben!"), insertReply("Und um was geht es in dem Buch?")}},

      {"Und um was geht es in dem Buch?",
       {},
       {say("Zweistein", {"Um Socken. Und um Quanten. Hauptsächlich um Quantensocken."}),
        say("Kroxl", {"Über was?"}),
        say("Zweistein", {"Quantensocken! Sie verschwinden immer paarweise, aber man vermisst nur eine."}),
        say("Kroxl", {"Das verstehe ich nicht ganz."}),
        say("Zweistein", {"Natürlich nicht. Dafür fehlen Ihnen ungefähr zwölf Semester.",
                          "Lesen Sie erst einmal ein Buch mit Bildern, Kroxl. Dann reden wir weiter."}),
        deleteReply()}},
  };
  return rows;
}

}  // namespace game::dialogue
