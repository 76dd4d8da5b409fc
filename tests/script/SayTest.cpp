// Spoken lines: caption, colour, display time, and waiting in dialogues.
#include <gtest/gtest.h>

#include "core/TForm1.h"
#include "core/TForm3.h"
#include "state/TForm2.h"
#include "support/GameFixture.h"
#include "ui/Keys.h"

namespace {

class SayTest : public testsupport::GameTest {
 protected:
  void SetUp() override {
    startRunner();
    runnerTicks(1);
  }
  void say(const std::string& speaker, const std::string& text) {
    f2().Memo1.assign({"say", speaker, text});
    runnerTicks(1);
  }
};

TEST_F(SayTest, ALineShowsSpeakerAndQuotedTextInTheSpeakersColourForItsLength) {
  say("Franz", "Zwanzig Zeichen lang");
  EXPECT_EQ(f1().say.Caption, "Franz: \"Zwanzig Zeichen lang\"");
  EXPECT_EQ(f1().say.Font.Color, gfx::rgb(113, 113, 255));
  EXPECT_EQ(f1().say.Tag, 30);
  EXPECT_EQ(f2().talking.Caption, "talking: Franz");
  EXPECT_EQ(f2().Memo2.last(), "Franz says \"Zwanzig Zeichen lang\"");
  // Umlauts count as one character each.
  say("Kroxl", "Grüße");
  EXPECT_EQ(f1().say.Tag, 15);
  EXPECT_EQ(f1().say.Font.Color, gfx::clWhite);
}

TEST_F(SayTest, HinweisIsBoldStaysLongerAndKeepsThePreviousColour) {
  say("Corinna", "Hallo");
  say("HINWEIS", "Hallo");
  EXPECT_TRUE(f1().say.Font.Bold);
  EXPECT_EQ(f1().say.Font.Color, gfx::rgb(255, 0, 255));
  EXPECT_EQ(f1().say.Tag, 115);
  say("Gärtner", "Hallo");
  EXPECT_FALSE(f1().say.Font.Bold);
  EXPECT_EQ(f1().say.Font.Color, gfx::rgb(255, 0, 255));
}

TEST_F(SayTest, TheLineDisappearsWhenItsTimeIsUp) {
  say("Kroxl", "Hallo");
  runnerTicks(14);
  EXPECT_EQ(f1().say.Caption, "Kroxl: \"Hallo\"");
  runnerTicks(1);
  EXPECT_EQ(f1().say.Caption, " ");
  EXPECT_EQ(f1().say.Tag, -9999);
  EXPECT_EQ(f2().Memo2.last(), "cleared by say.tag");
}

TEST_F(SayTest, InADialogueEachLineWaitsForTheOneBefore) {
  f2().mode.Caption = "dialog";
  f2().Memo1.assign({"say", "Kroxl", "Eins", "say", "Kroxl", "Zwei"});
  runnerTicks(1);
  EXPECT_EQ(f2().Memo1.get(0), "wait for talk");
  runnerTicks(10);
  EXPECT_EQ(f1().say.Caption, "Kroxl: \"Eins\"");
  runnerTicks(5);
  EXPECT_EQ(f1().say.Caption, "Kroxl: \"Zwei\"");
}

TEST_F(SayTest, OutsideADialogueTheNextLineReplacesTheFirstAtOnce) {
  f2().Memo1.assign({"say", "Kroxl", "Eins", "say", "Kroxl", "Zwei"});
  runnerTicks(2);
  EXPECT_EQ(f1().say.Caption, "Kroxl: \"Zwei\"");
}

// A left click on the picture or the full stop ends the line on display
// while a scene or a conversation runs; the scene itself goes on.
class EndingALine : public SayTest {
 protected:
  void SetUp() override {
    SayTest::SetUp();
    f1().Show();
    f1().schirm.Top = 0;
  }
  void click() {
    g().desktop.mouseDown(ui::MouseButton::Left, 300, 100);
    g().desktop.mouseUp(ui::MouseButton::Left, 300, 100);
  }
};

TEST_F(EndingALine, AClickOrTheFullStopEndsJustTheLineOnDisplay) {
  f2().mode.Caption = "dialog";
  f2().Memo1.assign(
      {"say", "Archivar", "Die erste Zeile, die man lesen kann.", "say", "Kroxl", "Zwei", "look left"});
  runnerTicks(1);
  click();
  runnerTicks(1);
  EXPECT_EQ(f1().say.Caption, " ");
  EXPECT_EQ(f2().Memo2.last(), "cleared by say.tag");
  runnerTicks(1);
  EXPECT_EQ(f1().say.Caption, "Kroxl: \"Zwei\"");
  int key = ui::vk::OemPeriod;
  f1().FormKeyDown(key);
  runnerTicks(2);
  EXPECT_EQ(f1().say.Caption, " ");
  EXPECT_EQ(f2().Memo1.lines(), (std::vector<std::string>{}));  // "look left" ran, nothing was skipped
  EXPECT_EQ(f2().sonsti.Caption, "left");
}

TEST_F(EndingALine, AVoicedLineJumpsToTheEndOfItsRecording) {
  const std::string line = "Archivar: \"Psst! Hier wird gelesen.\"";
  g().Form3->StringGrid1.Cells[0][1] = line;
  g().Form3->StringGrid1.Cells[2][1] = "\\boss\\privatlift.wav";
  g().Form3->StringGrid1.Hint = "1";
  f2().Memo1.assign({"say", "Archivar", "Psst! Hier wird gelesen.", "wait", "500"});
  runnerTicks(2);
  ASSERT_EQ(f1().MediaPlayer2->mode(), media::Mode::Playing);
  click();
  runnerTicks(1);
  EXPECT_EQ(f1().say.Caption, " ");
  EXPECT_EQ(f2().Memo2.last(), "cleared by wav");
  EXPECT_EQ(f2().Memo1.get(0), "wait for wait");  // the scene waits on
  // A recording still queued for the line is dropped with it.
  f2().Memo1.assign({"say", "Archivar", "Psst! Hier wird gelesen.", "wait", "500"});
  runnerTicks(1);
  ASSERT_EQ(f2().Memo1.get(0), "play wav speech");
  click();
  runnerTicks(2);
  EXPECT_EQ(f1().say.Caption, " ");
  EXPECT_EQ(f2().Memo1.lines(), (std::vector<std::string>{"wait", "500"}));
  EXPECT_EQ(f1().MediaPlayer2->Tag, 3);  // no speech started
}

TEST_F(EndingALine, InNormalPlayAClickLeavesTheLine) {
  f2().Memo1.assign({"say", "Kroxl", "Eine Zeile nach der Szene."});
  runnerTicks(2);
  ASSERT_EQ(f2().mode.Caption, "normal");
  click();
  runnerTicks(1);
  EXPECT_EQ(f1().say.Caption, "Kroxl: \"Eine Zeile nach der Szene.\"");
}

}  // namespace
