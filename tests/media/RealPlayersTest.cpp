// Which players the game window gets, and how a machine without a sound
// device or sound font still plays.
#include <SDL.h>
#include <gtest/gtest.h>

#include "PlayerTestKit.h"
#include "media/FfmpegVideoPlayer.h"
#include "media/MidiSynth.h"
#include "media/MixerMusicPlayer.h"
#include "media/MixerWavePlayer.h"
#include "media/RealPlayers.h"
#include "media/SimulatedPlayer.h"

using namespace media_test;

namespace {

template <typename Kind>
bool is(const std::unique_ptr<media::MediaPlayer>& player) {
  return dynamic_cast<Kind*>(player.get()) != nullptr;
}

// Points SDL at an audio driver that does not exist, for as long as it lives.
class NoSoundDevice {
 public:
  NoSoundDevice() {
    if (const char* was = SDL_getenv("SDL_AUDIODRIVER")) previous_ = was;
    SDL_setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
  }
  ~NoSoundDevice() { SDL_setenv("SDL_AUDIODRIVER", previous_.c_str(), 1); }

 private:
  std::string previous_;
};

TEST(RealPlayersTest, WithASoundDeviceEveryKindIsReal) {
  sys::VirtualClock clock;
  media::RealPlayers players(clock);
  if (!players.audio().ok()) GTEST_SKIP() << players.audio().error();
  EXPECT_TRUE(is<media::MixerWavePlayer>(players.wave()));
  EXPECT_TRUE(is<media::FfmpegVideoPlayer>(players.video()));
  if (!players.audio().midiReady()) GTEST_SKIP() << players.audio().midiError();
  EXPECT_TRUE(is<media::MixerMusicPlayer>(players.music()));
  EXPECT_EQ(players.warning(), "");
}

TEST(RealPlayersTest, WithoutTheSoundFontTheMusicIsSimulatedAndTheWarningSaysWhy) {
  sys::VirtualClock clock;
  media::RealPlayers players(clock, "/nowhere/General.sf2");
  if (!players.audio().ok()) GTEST_SKIP() << players.audio().error();
  EXPECT_TRUE(is<media::SimulatedPlayer>(players.music()));
  EXPECT_TRUE(is<media::MixerWavePlayer>(players.wave()));
  EXPECT_NE(players.warning().find("/nowhere/General.sf2"), std::string::npos) << players.warning();
}

TEST(RealPlayersTest, WithoutASoundDeviceMusicAndWavesAreSimulatedAndFilmsPlaySilent) {
  NoSoundDevice noDevice;
  sys::VirtualClock clock;
  media::RealPlayers players(clock);
  ASSERT_FALSE(players.audio().ok());
  EXPECT_TRUE(is<media::SimulatedPlayer>(players.music()));
  EXPECT_TRUE(is<media::SimulatedPlayer>(players.wave()));
  EXPECT_TRUE(is<media::FfmpegVideoPlayer>(players.video()));
  EXPECT_EQ(players.warning().find("playing without sound: "), 0u) << players.warning();
  EXPECT_EQ(players.warning().find('\n'), std::string::npos) << "one line";
}

TEST(MixerAudioTest, TheDeviceOpensOnceAtATime) {
  media::MixerAudio first;
  if (!first.ok()) GTEST_SKIP() << first.error();
  EXPECT_GT(first.frequency(), 0);
  EXPECT_GT(first.frameBytes(), 0);
  {
    media::MixerAudio second;
    EXPECT_FALSE(second.ok());
    EXPECT_EQ(second.error(), "the sound device is already open");
  }
  EXPECT_NE(first.reserveChannel(), first.reserveChannel());
}

TEST(MixerWavePlayerTest, AWaveTheMixerCannotDecodeFailsOnOpenNotOnPlay) {
  media::MixerAudio audio;
  if (!audio.ok()) GTEST_SKIP() << audio.error();
  TempDir dir;
  sys::VirtualClock clock;
  media::MixerWavePlayer player(clock, audio);
  // MPEG audio in a RIFF WAVE: its length is known, but SDL cannot play it.
  const WaveFormat mp3{0x55, 1, 8000, 0};
  player.FileName =
      dir.write("compressed.wav", riff("WAVE", fmtChunk(mp3, 1000) + chunk("fact", le(8000, 4)) +
                                                   chunk("data", std::string(1000, '\xAA'))));
  try {
    player.Open();
    FAIL() << "an undecodable wave opened";
  } catch (const media::MediaError& e) {
    EXPECT_NE(std::string(e.what()).find("compressed.wav"), std::string::npos) << e.what();
  }
  EXPECT_EQ(player.mode(), media::Mode::NotOpen);
  EXPECT_THROW(player.Length(), media::MediaError);
}

}  // namespace

namespace {

// The synthesizer needs no sound device: a missing or damaged font is told apart.
TEST(MidiSynthTest, AFontThatIsMissingOrNoSoundFontIsRefusedByName) {
  testsupport::TempDir dir;
  const std::string garbage = dir.write("kaputt.sf2", std::string(4096, 'x'));
  const auto missing = media::MidiSynth::load(dir.file("fehlt.sf2"), 22050, 0.2);
  ASSERT_FALSE(missing.ok());
  EXPECT_EQ(missing.error().message, "the sound font " + dir.file("fehlt.sf2") + " is missing");
  const auto damaged = media::MidiSynth::load(garbage, 22050, 0.2);
  ASSERT_FALSE(damaged.ok());
  EXPECT_EQ(damaged.error().message, "the sound font " + garbage + " cannot be read");
}

}  // namespace
