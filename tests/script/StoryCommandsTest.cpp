// The story-state commands behind "change".
#include <gtest/gtest.h>

#include "core/TForm1.h"
#include "core/TForm13.h"
#include "state/TForm2.h"
#include "support/GameFixture.h"

namespace {

class StoryCommandsTest : public testsupport::GameTest {
 protected:
  void SetUp() override {
    startRunner();
    runnerTicks(1);
  }
  void change(const std::string& sub) {
    f2().Memo1.assign({"change", sub});
    runnerTicks(1);
  }
  std::string script(std::initializer_list<std::string> lines) { return testsupport::gameText(lines); }
};

TEST_F(StoryCommandsTest, ALoadedSceneScriptLosesItsFirstTwoLines) {
  dir.write("source/scripts/putzfrau.smx", script({"hugo", "hugo", "say", "Putzfrau", "Weg da!"}));
  dir.write("source/scripts/putzfrau2.smx", script({"hugo", "hugo", "say", "Putzfrau", "Schon wieder?"}));
  // With the cleaning woman at stage 0 only the first script loads: the
  // second test already looks at the loaded script's line.
  change("putzfrau test");
  EXPECT_EQ(f1().say.Caption, " ");  // the say runs on the next tick
  EXPECT_EQ(f2().Memo1.lines(), (std::vector<std::string>{"say", "Putzfrau", "Weg da!"}));
}

TEST_F(StoryCommandsTest, AMissingSceneScriptEndsTheGame) {
  f2().putzfrau.Tag = 1;
  change("putzfrau test");
  EXPECT_TRUE(g().desktop.terminated());
}

TEST_F(StoryCommandsTest, DeliveriesEmptyFranzsListAndTickTheTasks) {
  game::TForm13& notes = *g().Form13;
  for (const char* task : {"   Gelddruckmaschinenbuch", "   Werkzeug eines Bastlers", "   Geldscheinvorlage",
                           "   Gartenschlauch"})
    notes.addTask(task);
  dir.write("source/scripts/gameover.smx", script({"hugo", "hugo", "say", "Franz", "Fertig!"}));
  change("gameover2");  // nothing delivered yet: no ending
  EXPECT_TRUE(f2().Memo1.empty());
  for (const char* sub : {"franz Buch", "franz Werkzeug", "franz Zeichnung", "franz Schlauch"}) change(sub);
  EXPECT_TRUE(f2().franzinventar.empty());
  EXPECT_EQ(f2().zeichnung.Tag, 1);
  for (int i = 0; i < notes.liste.Count(); ++i)
    if (notes.liste.get(i).rfind("   ", 0) == 0) {
      EXPECT_EQ(notes.liste.get(i + 1), "true") << notes.liste.get(i);
    }
  change("gameover2");
  EXPECT_EQ(f2().Memo1.lines(), (std::vector<std::string>{"say", "Franz", "Fertig!"}));
}

TEST_F(StoryCommandsTest, StagesMoveOnlyWhereTheirConditionsAllow) {
  f2().toegl.Tag = 3;
  change("toegl 1");
  EXPECT_EQ(f2().toegl.Tag, 3);
  change("busen 2");
  EXPECT_EQ(f2().busen.Tag, 0);
  EXPECT_TRUE(f2().Memo1.empty());
  change("busen 1");
  change("busen 2");
  EXPECT_EQ(f2().busen.Tag, 2);
  EXPECT_EQ(f2().Memo1.lines(), (std::vector<std::string>{"play wav effect", "\\sound\\effects\\kiste.wav"}));
}

TEST_F(StoryCommandsTest, NumberOperandsConsumeAThirdLine) {
  f2().Memo1.assign({"change", "sick", "40", "look left"});
  runnerTicks(1);
  EXPECT_EQ(f2().kroxl.Caption, "sick");
  EXPECT_EQ(f2().Memo1.lines(), (std::vector<std::string>{"look left"}));
}

TEST_F(StoryCommandsTest, OptionsAreAddedAfterEveryHeaderAndRemovedOnceForTwoInARow) {
  f2().Memo5.assign({"Zweistein:", "Was lesen Sie da?", "", "Tägl:", "x"});
  change("kaffee 1");
  EXPECT_EQ(f2().Memo5.get(1), "Ich habe einen neuen Kaffee für Sie.");
  f2().Memo5.insert(1, "Ich habe einen neuen Kaffee für Sie.");
  change("kaffee 2");
  EXPECT_EQ(f2().Memo5.lines(),
            (std::vector<std::string>{"Zweistein:", "Ich habe einen neuen Kaffee für Sie.",
                                      "Was lesen Sie da?", "", "Tägl:", "x"}));
}

TEST_F(StoryCommandsTest, TheQuizIsCheckedBoxByBox) {
  dir.write("source/scripts/geb.smx", script({"hugo", "hugo", "say", "Kroxl", "Bestanden!"}));
  f1().ComboBox1.Items.assign({"Methan", "Wasser"});
  f1().ComboBox1.setItemIndex(1);
  change("check test");
  EXPECT_EQ(f1().ComboBox1.Color, gfx::clWindow);
  EXPECT_EQ(f1().ComboBox2.Color, gfx::rgb(255, 0, 0));
  EXPECT_TRUE(f2().Memo1.empty());
}

}  // namespace
