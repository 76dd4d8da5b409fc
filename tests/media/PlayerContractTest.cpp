// The contract of a media player as the game relies on it, checked on every
// kind: the simulated player and the three real ones. The time line runs on
// a virtual clock; where a kind has a device, the tests also look at what
// the device does (SDL's dummy driver plays in silence).
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include "PlayerTestKit.h"
#include "media/FfmpegVideoPlayer.h"
#include "media/MixerMusicPlayer.h"
#include "media/MixerWavePlayer.h"
#include "media/MusicStream.h"
#include "media/SimulatedPlayer.h"
#include "ui/Timer.h"

using namespace media_test;
using media::Mode;
using namespace std::string_literals;

namespace {

enum class Kind { Simulated, Wave, Music, Video };
enum class Device { Unseen, Idle, Playing, Paused };

std::string kindName(const testing::TestParamInfo<Kind>& info) {
  switch (info.param) {
    case Kind::Simulated:
      return "Simulated";
    case Kind::Wave:
      return "MixerWave";
    case Kind::Music:
      return "MixerMusic";
    case Kind::Video:
      return "FfmpegVideo";
  }
  return "Unknown";
}

class PlayerContractTest : public testing::TestWithParam<Kind> {
 protected:
  static void SetUpTestSuite() {
    audio = new media::MixerAudio;
    files = new TempDir;
  }
  // Made once, and only for the tests that need it: the ffmpeg tool is slow to start.
  static const std::string& film() {
    if (films.empty() && haveFfmpegTool()) films = writeTestFilm(*files, "Film.avi");
    return films;
  }
  static void TearDownTestSuite() {
    delete audio;
    delete files;
    audio = nullptr;
    files = nullptr;
  }

  void SetUp() override {
    const Kind kind = GetParam();
    const bool needsSound = kind == Kind::Wave || kind == Kind::Music;
    if (needsSound && !audio->ok()) GTEST_SKIP() << "no sound device: " << audio->error();
    if (kind == Kind::Music && !audio->midiReady()) GTEST_SKIP() << audio->midiError();
    if (kind == Kind::Video && film().empty()) GTEST_SKIP() << "the ffmpeg tool cannot make a test film";
    switch (kind) {
      case Kind::Simulated:
        player = std::make_unique<media::SimulatedPlayer>(desk.clock());
        file = dir.write("Sound/effects/Tür.WAV", oneSecondWave());
        broken = dir.write("broken.wav", "RIFF....WAVEfmt ");
        break;
      case Kind::Wave:
        player = std::make_unique<media::MixerWavePlayer>(desk.clock(), *audio);
        file = dir.write("Sound/effects/Tür.WAV", oneSecondWave());
        broken = dir.write("broken.wav", "RIFF....WAVEfmt ");
        break;
      case Kind::Music:
        player = std::make_unique<media::MixerMusicPlayer>(desk.clock(), *audio);
        file = dir.write("Sound/music/Song.mid", oneSecondMidi());
        broken = dir.write("broken.mid", "MThd\0\0\0\6garbage"s);
        break;
      case Kind::Video:
        player = std::make_unique<media::FfmpegVideoPlayer>(desk.clock(), audio->ok() ? audio : nullptr);
        player->AutoRewind = false;
        player->setDisplay(&desk.surface);
        file = film();
        broken = dir.write("broken.avi", "RIFF\x10\0\0\0AVI LIST but nothing after"s);
        break;
    }
    player->FileName = file;
  }

  void TearDown() override {
    player.reset();  // before the desktop its frame timer lives on
  }

  // What the device behind the player is doing.
  Device device() {
    switch (GetParam()) {
      case Kind::Simulated:
        return Device::Unseen;
      case Kind::Wave:
        if (Mix_Paused(-1) > 0) return Device::Paused;
        return Mix_Playing(-1) > 0 ? Device::Playing : Device::Idle;
      case Kind::Music:
        if (audio->music().paused()) return Device::Paused;
        return audio->music().playing() ? Device::Playing : Device::Idle;
      case Kind::Video: {
        const ui::Timer* frames = desk.desktop.findTimer("Panel2.video");
        if (frames && frames->Enabled()) return Device::Playing;
        return Mix_Paused(-1) > 0 ? Device::Paused : Device::Idle;
      }
    }
    return Device::Unseen;
  }
  void expectDevice(Device expected) {
    if (const Device now = device(); now != Device::Unseen) {
      EXPECT_EQ(now, expected);
    }
  }

  void openAndPlay() {
    player->Open();
    player->Play();
  }

  static media::MixerAudio* audio;
  static TempDir* files;
  static std::string films;

  VideoDesk desk;
  TempDir dir;
  std::unique_ptr<media::MediaPlayer> player;
  std::string file, broken;
};

media::MixerAudio* PlayerContractTest::audio = nullptr;
TempDir* PlayerContractTest::files = nullptr;
std::string PlayerContractTest::films;

TEST_P(PlayerContractTest, AClosedPlayerRefusesLengthPlayAndSeek) {
  EXPECT_EQ(player->mode(), Mode::NotOpen);
  EXPECT_THROW(player->Length(), media::MediaError);
  EXPECT_THROW(player->Play(), media::MediaError);
  EXPECT_THROW(player->setPosition(0), media::MediaError);
  player->Open();
  EXPECT_EQ(player->Length(), 1000);
  player->Close();
  EXPECT_THROW(player->Length(), media::MediaError);
  EXPECT_EQ(player->mode(), Mode::NotOpen);
}

TEST_P(PlayerContractTest, AMissingOrBrokenFileFailsNamingItAndLeavesThePlayerClosed) {
  player->Open();
  player->FileName = dir.file("missing" + file.substr(file.size() - 4));
  EXPECT_THROW(player->Open(), media::MediaError);
  EXPECT_EQ(player->mode(), Mode::NotOpen);
  EXPECT_THROW(player->Length(), media::MediaError);

  player->FileName = broken;
  try {
    player->Open();
    FAIL() << "a broken file opened";
  } catch (const media::MediaError& e) {
    EXPECT_NE(std::string(e.what()).find("broken"), std::string::npos) << e.what();
  }
  EXPECT_EQ(player->mode(), Mode::NotOpen);
}

TEST_P(PlayerContractTest, PositionFollowsTheClockAndStopsExactlyAtTheEnd) {
  desk.clock().advanceTo(5000);  // a player starts at any time of the clock
  openAndPlay();
  EXPECT_EQ(player->mode(), Mode::Playing);
  expectDevice(Device::Playing);
  desk.advance(300);
  EXPECT_EQ(player->Position(), 300);
  desk.advance(699);
  EXPECT_EQ(player->Position(), 999);
  EXPECT_EQ(player->mode(), Mode::Playing);
  desk.advance(1);
  EXPECT_EQ(player->Position(), player->Length());
  EXPECT_EQ(player->mode(), Mode::Stopped);
  desk.advance(2000);
  EXPECT_EQ(player->Position(), 1000);
}

TEST_P(PlayerContractTest, PauseTogglesTheDeviceAndLeavesAStoppedPlayerAlone) {
  openAndPlay();
  desk.advance(200);
  player->Pause();
  EXPECT_EQ(player->mode(), Mode::Paused);
  expectDevice(Device::Paused);
  desk.advance(500);
  EXPECT_EQ(player->Position(), 200);
  player->Pause();
  EXPECT_EQ(player->mode(), Mode::Playing);
  expectDevice(Device::Playing);
  desk.advance(100);
  EXPECT_EQ(player->Position(), 300);

  player->Stop();
  EXPECT_EQ(player->mode(), Mode::Stopped);
  expectDevice(Device::Idle);
  player->Pause();
  EXPECT_EQ(player->mode(), Mode::Stopped);
  expectDevice(Device::Idle);
  desk.advance(100);
  EXPECT_EQ(player->Position(), 300);
  player->Play();  // Play resumes where Stop left off
  expectDevice(Device::Playing);
  desk.advance(50);
  EXPECT_EQ(player->Position(), 350);
}

TEST_P(PlayerContractTest, PlayResumesAPausedPlayer) {
  openAndPlay();
  desk.advance(250);
  player->Pause();
  desk.advance(400);
  player->Play();
  EXPECT_EQ(player->mode(), Mode::Playing);
  expectDevice(Device::Playing);
  desk.advance(50);
  EXPECT_EQ(player->Position(), 300);
}

TEST_P(PlayerContractTest, SeekingStopsThePlayerAndItsDeviceThere) {
  openAndPlay();
  desk.advance(100);
  player->setPosition(400);
  EXPECT_EQ(player->mode(), Mode::Stopped);
  expectDevice(Device::Idle);
  desk.advance(100);
  EXPECT_EQ(player->Position(), 400);
  player->Play();
  expectDevice(Device::Playing);
  desk.advance(250);
  EXPECT_EQ(player->Position(), 650);

  player->setPosition(-5);
  EXPECT_EQ(player->Position(), 0);
  player->setPosition(99999);  // beyond the end: at the end, which the game's watches notice
  EXPECT_EQ(player->Position(), player->Length());
}

TEST_P(PlayerContractTest, PlayAtTheEndRewindsOnlyWithAutoRewind) {
  player->AutoRewind = true;
  openAndPlay();
  desk.advance(2000);
  ASSERT_EQ(player->Position(), 1000);
  player->Play();
  EXPECT_EQ(player->mode(), Mode::Playing);
  expectDevice(Device::Playing);
  desk.advance(10);
  EXPECT_EQ(player->Position(), 10);

  player->AutoRewind = false;  // as the video player is set up
  player->setPosition(player->Length());
  player->Play();
  expectDevice(Device::Idle);
  desk.advance(10);
  EXPECT_EQ(player->Position(), 1000);
  EXPECT_EQ(player->mode(), Mode::Stopped);
}

TEST_P(PlayerContractTest, ASeekJustBeforeTheEndEndsAtOnce) {
  // Escape during a film seeks to one before its end and plays.
  openAndPlay();
  player->setPosition(player->Length() - 1);
  player->Play();
  desk.advance(1);
  EXPECT_EQ(player->Position(), player->Length());
  EXPECT_EQ(player->mode(), Mode::Stopped);
}

TEST_P(PlayerContractTest, OpeningAgainStartsTheNewFileStoppedAndSilent) {
  openAndPlay();
  desk.advance(400);
  player->Open();
  EXPECT_EQ(player->mode(), Mode::Stopped);
  EXPECT_EQ(player->Position(), 0);
  expectDevice(Device::Idle);
}

INSTANTIATE_TEST_SUITE_P(EveryKind, PlayerContractTest,
                         testing::Values(Kind::Simulated, Kind::Wave, Kind::Music, Kind::Video), kindName);

}  // namespace
