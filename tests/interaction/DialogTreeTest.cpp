// The dialogue trees: what a chosen reply queues, and how it edits the
// option table, the task list and the story state.
#include <gtest/gtest.h>

#include <algorithm>

#include "interaction/DialogFixture.h"

namespace {

using dialogtest::Lines;

class DialogTree : public dialogtest::DialogTest {};

const std::string kDrawingRequest =
    "Könnten Sie mir vielleicht eine Zeichnung für eine Reihe von Geldscheinen für ein neues "
    "Wirtschaftssystem gestalten?";

TEST_F(DialogTree, AReplyNoRowKnowsIsOnlySpokenByTheProtagonist) {
  const Lines table = {"Archivar:", "Müde?", " ", "Ich geh dann!", ""};
  options(table);
  choose("Archivar", " ", 2);
  EXPECT_EQ(queued(), (Lines{"say", "Kroxl", " "}));
  EXPECT_EQ(optionLines(), table);

  // A person who is none of the eight has no table at all.
  f2().Memo1.clear();
  choose("Gärtner", "Ich geh dann!", 3);
  EXPECT_EQ(queued(), (Lines{"say", "Kroxl", "Ich geh dann!"}));

  // Only A to Z are lowered: "FRANZ" is Franz, "TÄGL" is nobody.
  f2().Memo1.clear();
  choose("FRANZ", "Ich geh dann!", 3);
  EXPECT_EQ(spoken(), (Lines{"Kroxl: Ich geh dann!", "Franz: Bis dann."}));
  f2().Memo1.clear();
  choose("TÄGL", "Tja, ich muß jetzt leider gehen!", 3);
  EXPECT_EQ(queued(), (Lines{"say", "Kroxl", "Tja, ich muß jetzt leider gehen!"}));
  EXPECT_EQ(optionLines(), table);
}

TEST_F(DialogTree, AnEmptyReplyLeavesNothingQueued) {
  options({"Tägl:", "", "", "", ""});
  choose("Tägl", "", 1);
  EXPECT_TRUE(queued().empty());
}

TEST_F(DialogTree, AFollowUpTakesThePlaceOfTheChosenReplyOnly) {
  options({"Corinna:", "Ich muß gehen, wir sehen uns!", "", "Archivar:", "Ich geh dann!", "Müde?", "", ""});
  choose("Archivar", "Müde?", 3 + 2);
  EXPECT_EQ(optionLines(), (Lines{"Corinna:", "Ich muß gehen, wir sehen uns!", "",
                                  "Archivar:", "Ich geh dann!", "Was lesen Sie da?", "", ""}));
  const Lines said = spoken();
  ASSERT_EQ(said.size(), 3u);
  EXPECT_EQ(said[0], "Kroxl: Müde?");
  EXPECT_EQ(said[1].rfind("Archivar: ", 0), 0u);
  EXPECT_EQ(said[2].rfind("Archivar: ", 0), 0u);
}

TEST_F(DialogTree, TwoInsertsLeaveTheSecondFirst) {
  options({"Zweistein:", "Was lesen Sie da?", "Ich geh dann!", "", "Motty:"});
  choose("Zweistein", "Was lesen Sie da?", 1);
  EXPECT_EQ(optionLines(), (Lines{"Zweistein:", "Und um was geht es in dem Buch?",
                                  "Schicke Jacke, die Sie da anhaben!", "Ich geh dann!", "", "Motty:"}));
  // He is known by name now, at once, not when the line is spoken.
  EXPECT_EQ(f2().zweistein.Tag, 1);
  EXPECT_EQ(f1().Object1.Hint, "Professor Zweistein");
  EXPECT_EQ(commands(), (Lines{"change", "sick", "15000"}));
}

TEST_F(DialogTree, RepliesThatStayAreNotDeleted) {
  const Lines table = {"Putzfrau:", "Aber Sie saugen doch gar nicht!", "Ok!"};
  options(table);
  choose("Putzfrau", "Aber Sie saugen doch gar nicht!", 1);
  EXPECT_EQ(optionLines(), table);
  EXPECT_EQ(spoken().back(), "Putzfrau: Das reicht mal fürs Erste.");
  EXPECT_EQ(commands(), (Lines{"play wav effect", "\\sound\\effects\\sauger.wav"}));
}

TEST_F(DialogTree, AClearingRowDropsTheProtagonistsReply) {
  options({"Putzfrau:", "Bitte lassen Sie mich sofort durch!", "ACH LECKEN SIE MICH DOCH AM ARSCH!", "Ok!"});
  choose("Putzfrau", "ACH LECKEN SIE MICH DOCH AM ARSCH!", 2);
  EXPECT_EQ(queued(), (Lines{"wait", "20", "change", "happy", "say", "Kroxl", "Nichts für ungut, gute Frau!",
                             "end dialog", "look left", "wait", "5", "change", "bad", "540"}));
  EXPECT_EQ(optionLines(), (Lines{"Putzfrau:", "Bitte lassen Sie mich sofort durch!", "Ok!"}));

  options({"Hubert:", "Sieh mal Hubert, was ich da habe!", "Ich geh die Pläne suchen."});
  f2().Memo1.assign({"left over"});
  choose("Hubert", "Sieh mal Hubert, was ich da habe!", 1);
  EXPECT_EQ(queued(), (Lines{"execute script", "\\source\\scripts\\bastelraum2lplan.smx"}));
  EXPECT_EQ(optionLines(), (Lines{"Hubert:", "Ich geh die Pläne suchen."}));
}

// Franz's list: Maschinenbuch, Werkzeug, Geldscheinvorlage, Gartenschlauch.
TEST_F(DialogTree, FranzNamesWhatIsLeftOnHisList) {
  options({"Franz:", "Welche Dinge benötigen Sie noch?", "Ich geh dann!"});
  const auto answer = [this](Lines list) {
    f2().franzinventar.assign(std::move(list));
    f2().Memo1.clear();
    choose("Franz", "Welche Dinge benötigen Sie noch?", 1);
    Lines said = spoken();
    said.erase(said.begin());  // Kroxl's question
    return said;
  };
  EXPECT_EQ(answer({"Gartenschlauch"}), (Lines{"Franz: Ich benötige noch", "Franz: einen Gartenschlauch."}));
  EXPECT_EQ(
      answer({"Werkzeug", "Gartenschlauch"}),
      (Lines{"Franz: Ich benötige noch", "Franz: Werkzeug zum Basteln", "Franz: und einen Gartenschlauch."}));
  EXPECT_EQ(answer({"Gartenschlauch", "Maschinenbuch", "Geldscheinvorlage"}),
            (Lines{"Franz: Ich benötige noch", "Franz: einen Gartenschlauch.", "Franz: das Maschinenbuch",
                   "Franz: die Geldscheinvorlagen"}));
  // The test for the ending comes first, before he speaks; the reply stays.
  EXPECT_EQ(commands(), (Lines{"change", "gameover2"}));
  EXPECT_EQ(f2().Memo5.get(1), "Welche Dinge benötigen Sie noch?");
  // Only the first six places of the list count.
  EXPECT_EQ(answer({"", "", "", "", "", "", "Werkzeug"}), (Lines{"Franz: Ich benötige noch"}));
}

TEST_F(DialogTree, FranzsShoppingListGoesOnTheNoteAndSendsKroxlToZweistein) {
  options({"Franz:", "Welche Dinge benötigen Sie?", "Ich geh dann!", "", "Zweistein:", "Ich geh dann!"});
  choose("Franz", "Welche Dinge benötigen Sie?", 1);
  EXPECT_EQ(optionLines(), (Lines{"Franz:", "Welche Dinge benötigen Sie noch?", "Ich geh dann!", "",
                                  "Zweistein:", kDrawingRequest, "Ich geh dann!"}));
  const Lines note = tasks();
  const Lines added(note.end() - 25, note.end());
  EXPECT_EQ(added, (Lines{"", "", "<eintrag>", "FÜR FRANZ BESORGEN:",        "false",
                          "", "", "<eintrag>", "   Gelddruckmaschinenbuch",  "false",
                          "", "", "<eintrag>", "   Werkzeug eines Bastlers", "false",
                          "", "", "<eintrag>", "   Geldscheinvorlage",       "false",
                          "", "", "<eintrag>", "   Gartenschlauch",          "false"}));
  EXPECT_EQ(g().Form13->Color, 255u);
  EXPECT_EQ(commands(), (Lines{"change", "sick", "5000", "change", "bad", "5000"}));
  EXPECT_EQ(spoken().size(), 1u + 3 + 2 + 1);
  EXPECT_EQ(spoken().back(), "Franz: Das wärs dann schon.");
}

// Zweistein's block standing above Franz's used to shift Franz's reply away
// from the index the panel gave: the delete then removed the header.
TEST_F(DialogTree, FranzsReplyIsReplacedEvenWithZweisteinsBlockAbove) {
  options({"Zweistein:", "Ich geh dann!", "", "Franz:", "Welche Dinge benötigen Sie?", "Ich geh dann!"});
  choose("Franz", "Welche Dinge benötigen Sie?", 4);
  EXPECT_EQ(optionLines(), (Lines{"Zweistein:", kDrawingRequest, "Ich geh dann!", "",
                                  "Franz:", "Welche Dinge benötigen Sie noch?", "Ich geh dann!"}));
}

TEST_F(DialogTree, ZweisteinAsksForCoffeeOnceAndBothTaeglBlocksOfferIt) {
  options({"Tägl:", "Na, wie laufen die Geschäfte?", "", "Tögl:", "Tja, ich muß jetzt leider gehen!", "",
           "Zweistein:", kDrawingRequest, "Ich geh dann!"});
  const Lines expected = {"Tägl:",
                          "Eine Tasse Kaffee, bitte!",
                          "Na, wie laufen die Geschäfte?",
                          "",
                          "Tögl:",
                          "Eine Tasse Kaffee, bitte!",
                          "Tja, ich muß jetzt leider gehen!",
                          "",
                          "Zweistein:",
                          kDrawingRequest,
                          "Ich geh dann!"};
  const int tasksBefore = static_cast<int>(tasks().size());
  choose("Zweistein", kDrawingRequest, 7);
  EXPECT_EQ(optionLines(), expected);
  EXPECT_EQ(static_cast<int>(tasks().size()), tasksBefore + 5);
  EXPECT_EQ(tasks()[static_cast<size_t>(tasksBefore + 3)], "Kaffee für Professor Zweistein");
  EXPECT_TRUE(f2().zweistein.ShowHint);
  EXPECT_EQ(spoken().size(), 1u + 2 + 1 + 1 + 1 + 2 + 1 + 1 + 1);
  EXPECT_EQ(commands().back(), "end dialog");

  // Asked again he answers the same, but nothing is added twice.
  f2().Memo1.clear();
  choose("Zweistein", kDrawingRequest, 9);
  EXPECT_EQ(optionLines(), expected);
  EXPECT_EQ(static_cast<int>(tasks().size()), tasksBefore + 5);
  EXPECT_EQ(commands().back(), "end dialog");
}

TEST_F(DialogTree, TheDrawingRequestFollowsTheCoffee) {
  const Lines table = {"Zweistein:", kDrawingRequest, "Ich geh dann!"};
  options(table);
  f2().kaffee.Tag = 1;  // carried, not yet handed over
  choose("Zweistein", kDrawingRequest, 1);
  EXPECT_EQ(queued(), (Lines{"say", "Kroxl", kDrawingRequest}));
  EXPECT_EQ(optionLines(), table);
  EXPECT_TRUE(tasks() == Lines({"<eintrag>", "Neue Liftkarte besorgen!", "false", ""}));

  f2().Memo1.clear();
  f2().kaffee.Tag = 2;
  choose("Zweistein", kDrawingRequest, 1);
  EXPECT_EQ(commands(), (Lines{"execute script", "\\source\\scripts\\schreib.dia"}));
  EXPECT_EQ(optionLines(), (Lines{"Zweistein:", "Ich geh dann!"}));
}

TEST_F(DialogTree, CorinnaLendsHerLiftCardOnlyForSilicone) {
  const std::string borrow = "Kann ich mir deine Liftkarte borgen? Ich hab meine ruiniert!";
  options({"Corinna:", borrow, "Ich muß gehen, wir sehen uns!"});
  f2().lift.Tag = 1;
  choose("Corinna", borrow, 1);
  EXPECT_EQ(optionLines(),
            (Lines{"Corinna:", "Gib mir doch die Liftkarte, bitte!", "Ich muß gehen, wir sehen uns!"}));
  EXPECT_EQ(tasks()[tasks().size() - 2], "Silicon für Corinna holen.");
  EXPECT_EQ(spoken().back(), "Kroxl: Wo soll ich denn jetzt nur Silicon herbekommen?!");
  EXPECT_EQ(f2().lift.Tag, 1);

  // Without silicone the second request ends the conversation.
  f2().Memo1.clear();
  choose("Corinna", "Gib mir doch die Liftkarte, bitte!", 1);
  EXPECT_EQ(spoken().back(),
            "Corinna: Besorg mir zuerst mehr Silicon für meine Oberweite! Dann gebe ich sie dir!");
  EXPECT_EQ(commands(), (Lines{"change", "siliconhabtest", "change", "sick", "500", "end dialog"}));
  EXPECT_EQ(f2().Memo5.get(1), "Gib mir doch die Liftkarte, bitte!");

  // With her silicone she hands it over: the lift works at once, the task is done.
  f2().Memo1.clear();
  f2().Schreibtisch.Tag = 3;
  choose("Corinna", "Gib mir doch die Liftkarte, bitte!", 1);
  EXPECT_EQ(f2().lift.Tag, 0);
  EXPECT_EQ(tasks()[2], "true");
  EXPECT_EQ(optionLines(), (Lines{"Corinna:", "Ich muß gehen, wir sehen uns!"}));
  EXPECT_EQ(spoken(), (Lines{"Kroxl: Gib mir doch die Liftkarte, bitte!", "Corinna: Da hast du sie."}));
}

TEST_F(DialogTree, CorinnaWithHerSiliconeAnswersTheFirstRequestDirectly) {
  const std::string borrow = "Kann ich mir deine Liftkarte borgen? Ich hab meine ruiniert!";
  options({"Corinna:", "Schöner Tag heute, was.", borrow, "Ich muß gehen, wir sehen uns!"});
  f2().lift.Tag = 1;
  f2().Schreibtisch.Tag = 3;
  choose("Corinna", borrow, 2);
  EXPECT_EQ(f2().lift.Tag, 0);
  EXPECT_EQ(tasks()[2], "true");
  EXPECT_EQ(optionLines(), (Lines{"Corinna:", "Schöner Tag heute, was.", "Ich muß gehen, wir sehen uns!"}));
  const Lines c = commands();
  EXPECT_EQ(std::count(c.begin(), c.end(), "Liftkarte"), 1);
  EXPECT_EQ(c.back(), "end dialog");
}

}  // namespace
