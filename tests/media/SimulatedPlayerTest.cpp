#include <gtest/gtest.h>

#include "MediaFiles.h"
#include "media/SimulatedPlayer.h"
#include "sys/Clock.h"

using namespace media_test;
using media::Mode;

namespace {

class SimulatedPlayerTest : public testing::Test {
 protected:
  SimulatedPlayerTest() {
    // A one-second sound under mixed-case names, opened by a game path.
    dir.write("Sound/effects/Tür.WAV", wave({1, 1, 8000, 8}, 8000));
    dir.write("Sound/Music/Song.mid", midiHeader(0, 1, 480) + track(tempo(0, 60) + noteOn(0, 60) +
                                                                    noteOff(1440, 60) + endOfTrack(0)));
    player.FileName = dir.path() + "\\sound\\EFFECTS\\tür.wav";
  }

  void openAndPlay() {
    player.Open();
    player.Play();
  }

  TempDir dir;
  sys::VirtualClock clock;
  media::SimulatedPlayer player{clock};
};

TEST_F(SimulatedPlayerTest, OpensGamePathsAndReadsTheLengthFromTheFile) {
  player.Open();
  EXPECT_EQ(player.mode(), Mode::Stopped);
  EXPECT_EQ(player.Length(), 1000);
  EXPECT_EQ(player.Position(), 0);
  player.FileName = dir.path() + "\\SOUND\\Music\\song.MID";
  player.Open();
  EXPECT_EQ(player.Length(), 3000);
}

TEST_F(SimulatedPlayerTest, AClosedPlayerRefusesLengthPlayAndSeek) {
  EXPECT_EQ(player.mode(), Mode::NotOpen);
  EXPECT_THROW(player.Length(), media::MediaError);
  EXPECT_THROW(player.Play(), media::MediaError);
  EXPECT_THROW(player.setPosition(0), media::MediaError);
  player.Open();
  player.Close();
  EXPECT_THROW(player.Length(), media::MediaError);
}

TEST_F(SimulatedPlayerTest, OpeningAMissingOrBrokenFileFailsAndLeavesThePlayerClosed) {
  player.Open();
  player.FileName = dir.path() + "\\sound\\effects\\missing.wav";
  EXPECT_THROW(player.Open(), media::MediaError);
  EXPECT_EQ(player.mode(), Mode::NotOpen);
  EXPECT_THROW(player.Length(), media::MediaError);

  player.FileName = dir.write("broken.wav", "RIFF....WAVEfmt ");
  try {
    player.Open();
    FAIL() << "a broken file opened";
  } catch (const media::MediaError& e) {
    EXPECT_NE(std::string(e.what()).find("broken.wav"), std::string::npos) << e.what();
  }
}

TEST_F(SimulatedPlayerTest, PositionFollowsTheClockAndStopsExactlyAtTheEnd) {
  clock.advanceTo(5000);  // a player starts at any time of the clock
  openAndPlay();
  EXPECT_EQ(player.mode(), Mode::Playing);
  clock.advanceBy(300);
  EXPECT_EQ(player.Position(), 300);
  clock.advanceBy(699);
  EXPECT_EQ(player.Position(), 999);
  EXPECT_EQ(player.mode(), Mode::Playing);
  clock.advanceBy(1);
  EXPECT_EQ(player.Position(), player.Length());
  EXPECT_EQ(player.mode(), Mode::Stopped);
  clock.advanceBy(5000);
  EXPECT_EQ(player.Position(), 1000);
}

TEST_F(SimulatedPlayerTest, PauseTogglesAndLeavesAStoppedPlayerAlone) {
  openAndPlay();
  clock.advanceBy(200);
  player.Pause();
  EXPECT_EQ(player.mode(), Mode::Paused);
  clock.advanceBy(500);
  EXPECT_EQ(player.Position(), 200);
  player.Pause();
  EXPECT_EQ(player.mode(), Mode::Playing);
  clock.advanceBy(100);
  EXPECT_EQ(player.Position(), 300);

  player.Stop();
  EXPECT_EQ(player.mode(), Mode::Stopped);
  player.Pause();
  EXPECT_EQ(player.mode(), Mode::Stopped);
  clock.advanceBy(100);
  EXPECT_EQ(player.Position(), 300);
  player.Play();  // Play resumes where Stop left off
  clock.advanceBy(50);
  EXPECT_EQ(player.Position(), 350);
}

TEST_F(SimulatedPlayerTest, SeekingStopsThePlayerThere) {
  openAndPlay();
  clock.advanceBy(100);
  player.setPosition(400);
  EXPECT_EQ(player.mode(), Mode::Stopped);
  clock.advanceBy(100);
  EXPECT_EQ(player.Position(), 400);
  player.Play();
  clock.advanceBy(250);
  EXPECT_EQ(player.Position(), 650);

  player.setPosition(-5);
  EXPECT_EQ(player.Position(), 0);
  player.setPosition(99999);  // beyond the end: at the end, which the game's watches notice
  EXPECT_EQ(player.Position(), player.Length());
}

TEST_F(SimulatedPlayerTest, PlayAtTheEndRewindsOnlyWithAutoRewind) {
  openAndPlay();
  clock.advanceBy(2000);
  ASSERT_EQ(player.Position(), 1000);
  player.Play();
  EXPECT_EQ(player.mode(), Mode::Playing);
  clock.advanceBy(10);
  EXPECT_EQ(player.Position(), 10);

  player.AutoRewind = false;  // as the video player is set up
  player.setPosition(player.Length());
  player.Play();
  clock.advanceBy(10);
  EXPECT_EQ(player.Position(), 1000);
  EXPECT_EQ(player.mode(), Mode::Stopped);
}

TEST_F(SimulatedPlayerTest, MusicRestartsFromASeekPosition) {
  // The music watch seeks to 8 (or 0) at the end and plays again.
  player.FileName = dir.path() + "\\sound\\music\\song.mid";
  openAndPlay();
  clock.advanceBy(3000);
  ASSERT_EQ(player.Position(), player.Length());
  player.setPosition(8);
  player.Play();
  clock.advanceBy(92);
  EXPECT_EQ(player.Position(), 100);
}

TEST_F(SimulatedPlayerTest, OpeningAgainStartsTheNewFileStopped) {
  openAndPlay();
  clock.advanceBy(400);
  player.Open();
  EXPECT_EQ(player.mode(), Mode::Stopped);
  EXPECT_EQ(player.Position(), 0);
}

}  // namespace
