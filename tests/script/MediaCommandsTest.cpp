// Music, sound effects and speech in the queue.
#include <gtest/gtest.h>

#include "core/TForm1.h"
#include "core/TForm10.h"
#include "core/TForm5.h"
#include "state/TForm2.h"
#include "support/GameFixture.h"

namespace {

class MediaCommandsTest : public testsupport::GameTest {
 protected:
  void SetUp() override {
    startRunner();
    g().Form5->CheckBox5.setChecked(true);
    runnerTicks(1);
  }
};

TEST_F(MediaCommandsTest, AnEffectWaitsForItsEndThenTheQueueGoesOn) {
  f2().Memo1.assign({"play wav effect", "\\sound\\effects\\click.wav", "look left"});
  runnerTicks(1);
  EXPECT_EQ(f2().Memo1.lines(), (std::vector<std::string>{"wait for sound", "look left"}));
  EXPECT_EQ(f1().MediaPlayer2->Tag, 2);
  runnerTicks(100);
  EXPECT_TRUE(f2().Memo1.empty());
  EXPECT_NE(f2().Memo2.indexOf("cleared by erledigung"), -1);
}

TEST_F(MediaCommandsTest, AnEffectDuringSpeechIsDroppedAndNothingWaits) {
  f1().MediaPlayer2->Tag = 1;
  f2().Memo1.assign({"play wav effect", "\\sound\\effects\\click.wav", "look left"});
  runnerTicks(1);
  EXPECT_EQ(f2().Memo1.lines(), (std::vector<std::string>{"look left"}));
}

TEST_F(MediaCommandsTest, AMissingSoundIsReportedAndSkipped) {
  f2().Memo1.assign({"play wav effect", "\\sound\\effects\\fehlt.wav", "look left"});
  runnerTicks(1);
  EXPECT_EQ(g().Form5->Memo1.Lines.last(),
            "ERROR! Sound-File not found: \"" + f1().dataPath("\\sound\\effects\\fehlt.wav") + "\"!");
  EXPECT_EQ(f2().Memo1.lines(), (std::vector<std::string>{"look left"}));
}

TEST_F(MediaCommandsTest, WaitForMidiIsRemovedAtOnceWithSpeechOff) {
  f2().Memo1.assign({"play music", "\\sound\\music\\gang.mid", "wait for midi"});
  runnerTicks(1);
  EXPECT_EQ(f2().musi.Caption, "\\sound\\music\\gang.mid");
  g().Form5->CheckBox3.setChecked(false);
  runnerTicks(1);
  EXPECT_TRUE(f2().Memo1.empty());
}

TEST_F(MediaCommandsTest, MusicLoopsAndTheWorkshopPieceRestartsAtEight) {
  f2().Memo1.assign({"play music", "\\sound\\music\\bastelraum.mid"});
  runnerTicks(1);
  media::MediaPlayer& music = *f1().MediaPlayer1;
  music.setPosition(music.Length());
  runnerTicks(1);
  EXPECT_EQ(f2().Memo2.last(), "restart midi-music");
  EXPECT_GE(music.Position(), 8);
  EXPECT_EQ(music.mode(), media::Mode::Playing);
}

TEST_F(MediaCommandsTest, APanelWithMusicOffStartsNoMusic) {
  g().Form10->CheckBox5.setChecked(false);
  f2().Memo1.assign({"play music", "\\sound\\music\\gang.mid"});
  runnerTicks(1);
  EXPECT_EQ(f2().musi.Caption, "musi");
}

}  // namespace
