// The main window's keys: Enter skips, Escape opens the menu or leaves the
// desk, and the developer's keys.
#include <gtest/gtest.h>

#include "core/TForm1.h"
#include "core/TForm3.h"
#include "core/TForm5.h"
#include "core/TForm8.h"
#include "persist/support/ScriptedGame.h"
#include "state/TForm2.h"

namespace {

using Lines = std::vector<std::string>;

class Keys : public savetest::ScriptedGameTest {
 protected:
  Lines queue() { return f2().Memo1.lines(); }
  void setQueue(Lines lines) { f2().Memo1.assign(std::move(lines)); }
  void developer() { g().Form5->player.Caption = "developer"; }
};

TEST_F(Keys, EnterTurnsWalksIntoJumpsAndDropsWaitsSoundsVideosAndSpokenLines) {
  setQueue({"walking to", "300", "wait", "8", "say", "Kroxl", "Guten Morgen!"});
  key(ui::vk::Return);
  EXPECT_EQ(queue(), (Lines{"jump to", "300", "hugo", "hugo", "hugo", "hugo", "hugo"}));

  // What changes the story stays; an operand is never read as a command.
  setQueue({"wait for wait", "play wav effect", "\\sound\\effects\\tür.wav", "goto room", "5", "play video",
            "\\movies\\intro.avi", "wait for talk", "change", "lift", "say", "Kroxl", "walking to",
            "play music", "\\sound\\music\\buero.mid", "wait", "say"});
  key(ui::vk::Return);
  EXPECT_EQ(queue(),
            (Lines{"hugo", "hugo", "hugo", "goto room", "5", "hugo", "hugo", "hugo", "change", "lift", "hugo",
                   "hugo", "hugo", "play music", "\\sound\\music\\buero.mid", "hugo", "hugo"}));
}

TEST_F(Keys, EnterAtAnInkeyRemovesOnlyThatLine) {
  setQueue({"inkey", "say", "Kroxl", "Weiter.", "inkey", "wait", "3"});
  key(ui::vk::Return);
  EXPECT_EQ(queue(), (Lines{"say", "Kroxl", "Weiter.", "inkey", "wait", "3"}));
}

TEST_F(Keys, KeysTypedIntoAnAnswerBoxReachTheMainWindow) {
  ui::ComboBox& box = f1().ComboBox1;
  box.Top = 100;
  box.Enabled = true;
  f1().SetFocus(&box);
  ASSERT_EQ(f1().focusedControl(), &box);
  setQueue({"inkey", "wait", "3"});
  key(ui::vk::Return);
  EXPECT_EQ(queue(), (Lines{"wait", "3"}));
}

TEST_F(Keys, EscapeDoesNothingInModesOtherThanPlayAndMenu) {
  for (const char* mode : {"intro", "KI Script working ...", "dialog"}) {
    f2().mode.Caption = mode;
    const int walkTarget = f1().block.Left;
    key(ui::vk::Escape);
    EXPECT_EQ(f2().mode.Caption, mode);
    EXPECT_TRUE(f1().Runner.Enabled()) << mode;
    EXPECT_EQ(f1().block.Left, walkTarget) << mode;
    EXPECT_FALSE(exists("temp.bmp")) << mode;
  }
}

TEST_F(Keys, EscapeEndsARunningFilmAndOpensTheMenuOnlyInPlay) {
  media::MediaPlayer& video = *f1().MediaPlayer3;
  video.Play();
  f2().mode.Caption = "KI Script working ...";
  setQueue({"wait for video"});
  key(ui::vk::Escape);
  EXPECT_EQ(video.Length() - video.Position(), 1);
  EXPECT_EQ(f2().mode.Caption, "KI Script working ...");

  video.Rewind();
  video.Play();
  f2().mode.Caption = "normal";
  key(ui::vk::Escape);
  EXPECT_EQ(video.Length() - video.Position(), 1);
  EXPECT_EQ(f2().mode.Caption, "menu");
}

TEST_F(Keys, EscapeAtTheDeskStandsUpUnlessTheGameIsPaused) {
  dir.write("source/scripts/comeback.smx", testsupport::gameText({"jump to", "320", "goto room", "7"}));
  f2().Label2.Caption = "Schreibtisch";
  setQueue({"#"});
  f2().mode.Caption = "normal";
  key(ui::vk::Escape);
  EXPECT_EQ(queue(), (Lines{"jump to", "320", "goto room", "7"}));
  EXPECT_EQ(f2().mode.Caption, "normal");

  f2().pause.Tag = 1;
  key(ui::vk::Escape);
  EXPECT_EQ(f2().mode.Caption, "menu");
}

TEST_F(Keys, DeveloperKeysWorkOnlyInDeveloperMode) {
  f2().Memo2.assign({"first", "second"});
  for (int k : {'G', 'A', 'B', 'F'}) key(k);
  EXPECT_TRUE(f1().Runner.Enabled());
  EXPECT_FALSE(g().Form3->Visible);
  EXPECT_FALSE(f2().developerViewShown());
  EXPECT_FALSE(g().Form8->Visible);

  developer();
  key('G');
  EXPECT_FALSE(f1().Runner.Enabled());
  key('H');
  EXPECT_TRUE(f1().Runner.Enabled());

  key('A');
  EXPECT_TRUE(g().Form3->Visible);
  EXPECT_EQ(g().Form3->Left + g().Form3->Width, 640);
  EXPECT_EQ(g().Form3->Memo1.Lines.lines(), f2().Memo2.lines());

  // The protocol screen took the keys; the developer clicks the game again.
  g().desktop.activate(&f1());
  key('B');
  EXPECT_TRUE(f2().developerViewShown());
  key('B');
  EXPECT_FALSE(f2().developerViewShown());

  g().Form8->Memo1.Lines.assign({"old"});
  key('F');
  EXPECT_TRUE(g().Form8->Visible);
  EXPECT_TRUE(g().Form8->Memo1.Lines.empty());
}

}  // namespace
