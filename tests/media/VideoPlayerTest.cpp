// The video player as the game shows films: pictures drawn into the video
// panel on time, the last one kept at the end, the sound track on its own
// mixer channel.
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include "PlayerTestKit.h"
#include "media/FfmpegVideoPlayer.h"
#include "media/VideoSound.h"
#include "ui/Timer.h"

using namespace media_test;
using media::Mode;

namespace {

class VideoPlayerTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    audio = new media::MixerAudio;
    files = new TempDir;
    if (haveFfmpegTool()) {
      film = writeTestFilm(*files, "Film.avi");
      silentFilm = writeTestFilm(*files, "Silent.avi", true);
    }
  }
  static void TearDownTestSuite() {
    delete audio;
    delete files;
  }

  void SetUp() override {
    if (film.empty() || silentFilm.empty()) GTEST_SKIP() << "the ffmpeg tool cannot make a test film";
    // Somewhere inside the screen, as the game moves its panel about.
    desk.panel.setBounds(100, 50, 200, 150);
    player.setDisplay(&desk.surface);
    player.AutoRewind = false;
    player.FileName = film;
  }

  // A pixel of the panel, in its own coordinates.
  gfx::Pixel at(int x, int y) { return desk.screenPixel(100 + x, 50 + y); }
  bool frameTimerRuns() { return desk.desktop.findTimer("Panel2.video")->Enabled(); }

  static media::MixerAudio* audio;
  static TempDir* files;
  static std::string film, silentFilm;

  VideoDesk desk;
  media::FfmpegVideoPlayer player{desk.clock(), audio};
};

media::MixerAudio* VideoPlayerTest::audio = nullptr;
TempDir* VideoPlayerTest::files = nullptr;
std::string VideoPlayerTest::film, VideoPlayerTest::silentFilm;

TEST_F(VideoPlayerTest, FramesAppearInThePanelWhenTheClockReachesThem) {
  player.Open();
  EXPECT_EQ(at(10, 10), 0xFF000000u) << "nothing is drawn before the film plays";
  player.Play();
  EXPECT_TRUE(mostlyRed(at(10, 10))) << std::hex << at(10, 10);
  desk.advance(450);
  EXPECT_TRUE(mostlyRed(at(63, 47))) << std::hex << at(63, 47);
  desk.advance(100);
  EXPECT_TRUE(mostlyBlue(at(10, 10))) << std::hex << at(10, 10);
  // At its own size in the top-left corner; the rest of the panel keeps its colour.
  EXPECT_EQ(at(64, 10), 0xFF000000u);
  EXPECT_EQ(at(10, 48), 0xFF000000u);
  EXPECT_EQ(player.pictureRect(), gfx::Rect::xywh(0, 0, 64, 48));
}

TEST_F(VideoPlayerTest, AtTheEndTheLastFrameStaysUntilTheFilmIsPlayedFromTheStartAgain) {
  player.Open();
  player.Play();
  desk.advance(1300);
  EXPECT_EQ(player.mode(), Mode::Stopped);
  EXPECT_EQ(player.Position(), player.Length());
  EXPECT_TRUE(mostlyBlue(at(10, 10)));
  EXPECT_FALSE(frameTimerRuns());

  player.Play();  // no automatic rewind: nothing happens
  EXPECT_EQ(player.mode(), Mode::Stopped);
  player.setPosition(0);  // as the video watch does at the end
  player.Play();
  EXPECT_TRUE(frameTimerRuns());
  EXPECT_TRUE(mostlyRed(at(10, 10))) << std::hex << at(10, 10);
}

TEST_F(VideoPlayerTest, APausedFilmHoldsItsFrame) {
  player.Open();
  player.Play();
  desk.advance(300);
  player.Pause();
  desk.advance(700);
  EXPECT_TRUE(mostlyRed(at(10, 10)));
  player.Pause();
  desk.advance(300);
  EXPECT_TRUE(mostlyBlue(at(10, 10)));
}

TEST_F(VideoPlayerTest, AFilmLargerThanItsPanelIsShrunkKeepingItsShape) {
  desk.panel.setBounds(100, 50, 32, 100);
  player.Open();
  player.Play();
  EXPECT_EQ(player.pictureRect(), gfx::Rect::xywh(0, 0, 32, 24));
  EXPECT_TRUE(mostlyRed(at(30, 22)));
  EXPECT_EQ(at(10, 25), 0xFF000000u);
}

TEST_F(VideoPlayerTest, ANewFilmWipesWhatTheLastOneLeftInThePanel) {
  desk.panel.canvas().fillRect(gfx::Rect::xywh(0, 0, 200, 150), gfx::clWhite);
  player.Open();
  player.Play();
  EXPECT_TRUE(mostlyRed(at(10, 10)));
  EXPECT_EQ(at(150, 100), 0xFF000000u);
}

TEST_F(VideoPlayerTest, TheSoundTrackPlaysBesideThePicturesAndStopsWithThem) {
  if (!audio->ok()) GTEST_SKIP() << audio->error();
  player.Open();
  player.Play();
  EXPECT_EQ(Mix_Playing(-1), 1);
  player.Pause();
  EXPECT_EQ(Mix_Paused(-1), 1);
  player.Stop();
  EXPECT_EQ(Mix_Playing(-1), 0);

  player.FileName = silentFilm;
  player.Open();
  player.Play();
  EXPECT_EQ(Mix_Playing(-1), 0);
  EXPECT_TRUE(frameTimerRuns());
}

TEST(VideoSoundTest, TheSoundTrackIsDecodedIntoAWaveOfItsOwnLength) {
  TempDir dir;
  if (!haveFfmpegTool()) GTEST_SKIP() << "no ffmpeg tool";
  const std::string path = writeTestFilm(dir, "Film.avi");
  ASSERT_FALSE(path.empty());
  const sys::Result<std::string> sound = media::decodeVideoSound(path, 5000);
  ASSERT_TRUE(sound.ok()) << sound.error().message;
  ASSERT_GT(sound->size(), 44u);
  EXPECT_EQ(sound->substr(0, 4), "RIFF");
  EXPECT_EQ(sound->size() - 44, 22050u * 2) << "one second of 16-bit mono at 22050 Hz";
  EXPECT_EQ(media::decodeVideoSound(path, 500).value().size() - 44, 11025u * 2) << "cut at the limit";

  const sys::Result<std::string> none = media::decodeVideoSound(writeTestFilm(dir, "Silent.avi", true), 5000);
  ASSERT_FALSE(none.ok());
  EXPECT_FALSE(none.error().message.empty());
}

TEST(VideoFileTest, ASoundFileIsNoFilm) {
  TempDir dir;
  StillPlatform platform;
  media::FfmpegVideoPlayer player(platform.virtualClock, nullptr);
  player.FileName = dir.write("Sound.avi", oneSecondWave());
  try {
    player.Open();
    FAIL() << "a wave opened as a film";
  } catch (const media::MediaError& e) {
    EXPECT_NE(std::string(e.what()).find("no video stream"), std::string::npos) << e.what();
  }
  EXPECT_EQ(player.mode(), Mode::NotOpen);
}

}  // namespace
