// Spoken lines: caption, colour, display time, and waiting in dialogues.
#include <gtest/gtest.h>

#include "app/TForm1.h"
#include "state/TForm2.h"
#include "support/GameFixture.h"

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

}  // namespace
