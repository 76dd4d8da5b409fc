// The mix as the player hears it: SDL's disk driver writes the mixer's
// output to a file while a voiced line of the demo game plays over music.
// The voice is panned to the left, so the right channel carries the music
// alone: it must drop by about 10 dB while the voice speaks, smoothly, and
// come back after; the voice must arrive at the one loudness datagen gives
// every voice. Runs in real time (the disk driver paces itself), about 6 s
// a case; times are taken from the frames mixed, not from the wall clock.
#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <optional>
#include <thread>

#include "PlayerTestKit.h"
#include "media/MediaLength.h"
#include "media/MixerMusicPlayer.h"
#include "media/MixerWavePlayer.h"
#include "media/MusicStream.h"
#include "sys/FileIo.h"

using namespace media_test;

namespace {

// tools/datagen/loudness.py: TARGET_DB
constexpr double kVoiceTargetDb = -22.0;
constexpr double kSecondsAround = 2.0;

// A C major chord on the church organ, held for half a minute: music whose
// level does not move by itself.
std::string heldChord() {
  std::string events = tempo(0, 60) + bytes({0x00, 0xC0, 19});
  for (int key : {60, 64, 67}) events += noteOn(0, key);
  events += noteOff(480 * 30, 60) + noteOff(0, 64) + noteOff(0, 67) + endOfTrack(0);
  return midiHeader(0, 1, 480) + track(events);
}

// The demo's shortest voice of at least two seconds, or nothing.
std::string demoVoice() {
  const std::filesystem::path dir = std::string(KROXL_BINARY_DIR) + "/game/sound/samples/deutsch";
  std::string best;
  int64_t bestMs = 0;
  std::error_code error;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(dir, error)) {
    if (entry.path().extension() != ".wav") continue;
    const sys::Result<int64_t> length = media::mediaLength(entry.path().string());
    if (!length.ok() || *length < 2000) continue;
    if (best.empty() || *length < bestMs || (*length == bestMs && entry.path().string() < best)) {
      best = entry.path().string();
      bestMs = *length;
    }
  }
  return best;
}

// Sets an environment variable for as long as it lives.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const std::string& value) : name_(name) {
    if (const char* was = SDL_getenv(name)) previous_ = was;
    SDL_setenv(name, value.c_str(), 1);
  }
  ~ScopedEnv() { SDL_setenv(name_, previous_.c_str(), 1); }

 private:
  const char* name_;
  std::string previous_;
};

// Two channels of the recorded mix, as samples of -1 to 1.
struct Recording {
  int rate = 0;
  std::vector<float> left, right;

  double seconds() const { return static_cast<double>(left.size()) / rate; }
  const std::vector<float>& channel(bool leftSide) const { return leftSide ? left : right; }

  // Mean power in dB of one channel between two times.
  double levelDb(bool leftSide, double from, double to) const {
    const auto& s = channel(leftSide);
    const size_t a = static_cast<size_t>(from * rate), b = std::min(s.size(), static_cast<size_t>(to * rate));
    double sum = 0;
    for (size_t i = a; i < b; ++i) sum += double{s[i]} * s[i];
    return 10 * std::log10(std::max(sum / std::max<size_t>(1, b - a), 1e-12));
  }

  // The loudness measure of datagen: 50 ms blocks, silence and pauses left out.
  double gatedLevelDb(bool leftSide, double from, double to) const {
    std::vector<double> blocks;
    for (double t = from; t + 0.05 <= to; t += 0.05) blocks.push_back(levelDb(leftSide, t, t + 0.05));
    auto meanDb = [](const std::vector<double>& dbs) {
      double sum = 0;
      for (double db : dbs) sum += std::pow(10.0, db / 10);
      return 10 * std::log10(sum / static_cast<double>(dbs.size()));
    };
    std::erase_if(blocks, [](double db) { return db <= -60; });
    if (blocks.empty()) return -120;
    const double gate = meanDb(blocks) - 20;
    std::erase_if(blocks, [&](double db) { return db <= gate; });
    return meanDb(blocks);
  }

  // The largest change of level between neighbouring 50 ms blocks.
  double largestStepDb(bool leftSide, double from, double to) const {
    double largest = 0, last = levelDb(leftSide, from, from + 0.05);
    for (double t = from + 0.05; t + 0.05 <= to; t += 0.05) {
      const double now = levelDb(leftSide, t, t + 0.05);
      largest = std::max(largest, std::abs(now - last));
      last = now;
    }
    return largest;
  }
};

std::optional<Recording> readRecording(const std::string& path, int rate) {
  const auto bytes = sys::readFile(path);
  if (!bytes) return std::nullopt;
  Recording r;
  r.rate = rate;
  const size_t frames = bytes->size() / 4;
  for (size_t i = 0; i < frames; ++i) {
    int16_t pair[2];
    std::memcpy(pair, bytes->data() + 4 * i, 4);
    r.left.push_back(pair[0] / 32768.0f);
    r.right.push_back(pair[1] / 32768.0f);
  }
  return r;
}

// Counts the frames the mixer hands to the driver, which are the frames of
// the recording: its own clock, which a busy machine cannot put out of step
// with the recording as it can the wall clock.
class MixedFrames {
 public:
  explicit MixedFrames(int rate) : rate_(rate) { Mix_SetPostMix(count, this); }
  ~MixedFrames() { Mix_SetPostMix(nullptr, nullptr); }

  double seconds() const { return static_cast<double>(frames_.load()) / rate_; }
  // Waits until the mixer has made that much more sound; false if it stalls.
  bool waitFor(double more) const {
    const double until = seconds() + more;
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::duration<double>(3 * more + 2);
    while (seconds() < until) {
      if (std::chrono::steady_clock::now() > giveUp) return false;
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
  }

 private:
  static void count(void* self, Uint8* /*stream*/, int bytes) {
    static_cast<MixedFrames*>(self)->frames_ += static_cast<uint64_t>(bytes) / 4;
  }

  const int rate_;
  std::atomic<uint64_t> frames_{0};
};

// What a recording of music, a voice and music again measured.
struct MixLevels {
  double before = 0, during = 0, after = 0;  // the music (right channel)
  double voice = 0;                          // the voice (left channel), gated
  double largestStep = 0;                    // of the music, between 50 ms blocks
};

// Music for two seconds, the voice, the music for two seconds more: the
// game's players on the disk driver. Skips when something is missing.
std::optional<MixLevels> recordMix(const std::string& musicFile, const std::string& voiceFile) {
  TempDir dir;
  const std::string output = dir.file("mix.raw");
  ScopedEnv driver("SDL_AUDIODRIVER", "disk");
  ScopedEnv file("SDL_DISKAUDIOFILE", output);

  double voiceFrom = 0, voiceTo = 0;
  int rate = 0;
  bool ran = true;
  {
    media::MixerAudio audio;
    if (!audio.ok() || !audio.midiReady() || audio.channels() != 2 || audio.frameBytes() != 4) {
      ADD_FAILURE() << "no music on the disk driver: " << audio.error() << audio.midiError();
      return std::nullopt;
    }
    rate = audio.frequency();
    MixedFrames mixed(rate);
    sys::SteadyClock clock;
    media::MixerMusicPlayer music(clock, audio);
    media::MixerWavePlayer speech(clock, audio);
    for (int channel = 0; channel < Mix_AllocateChannels(-1); ++channel) Mix_SetPanning(channel, 255, 0);

    music.FileName = musicFile;
    music.Open();
    music.Play();
    ran = mixed.waitFor(kSecondsAround);
    speech.FileName = voiceFile;
    speech.Tag = media::MixerWavePlayer::kSpeechTag;
    speech.Open();
    voiceFrom = mixed.seconds();
    speech.Play();
    ran = ran && mixed.waitFor(static_cast<double>(speech.Length()) / 1000);
    // The game rewinds and stops the wave player when it sees the end.
    speech.setPosition(0);
    voiceTo = mixed.seconds();
    ran = ran && mixed.waitFor(kSecondsAround);
  }
  if (!ran) {
    ADD_FAILURE() << "the mixer stopped making sound";
    return std::nullopt;
  }
  const std::optional<Recording> mix = readRecording(output, rate);
  if (!mix || mix->seconds() < voiceTo + kSecondsAround) {
    ADD_FAILURE() << "the disk driver wrote too little";
    return std::nullopt;
  }
  MixLevels levels;
  levels.before = mix->levelDb(false, voiceFrom - 1.2, voiceFrom - 0.1);
  levels.during = mix->levelDb(false, voiceFrom + 0.5, voiceTo - 0.2);
  levels.after = mix->levelDb(false, voiceTo + 1.0, voiceTo + kSecondsAround - 0.2);
  levels.voice = mix->gatedLevelDb(true, voiceFrom, voiceTo);
  levels.largestStep = mix->largestStepDb(false, 0.5, mix->seconds() - 0.3);
  std::cout << musicFile << ": music before " << levels.before << " dB, during the voice " << levels.during
            << " dB, after " << levels.after << " dB; voice " << levels.voice
            << " dB; largest 50 ms step of the music " << levels.largestStep << " dB\n";
  return levels;
}

TEST(MixLevelsTest, MusicMakesWayForAVoiceSmoothlyAndComesBack) {
  const std::string voice = demoVoice();
  if (voice.empty()) GTEST_SKIP() << "no demo voices; build the gamedata target";
  if (access(media::MixerAudio::kSoundFont, R_OK) != 0) GTEST_SKIP() << "no sound font";
  TempDir dir;
  const std::optional<MixLevels> mix = recordMix(dir.write("held.mid", heldChord()), voice);
  ASSERT_TRUE(mix);
  EXPECT_NEAR(mix->during - mix->before, media::MusicStream::kDuckDb, 1.5);
  EXPECT_NEAR(mix->after, mix->before, 1.0);
  // A switch of 10 dB would show as a step of at least 5 dB between blocks.
  EXPECT_LT(mix->largestStep, 4.5) << "the music jumps instead of sliding";
  EXPECT_NEAR(mix->voice, kVoiceTargetDb, 2.0) << voice;
  EXPECT_GT(mix->voice, mix->during + 8) << "the voice does not stand above the music";
}

// The same over the demo's own start-up music, whose level moves by itself.
TEST(MixLevelsTest, TheDemoMusicMakesWayForAVoice) {
  const std::string voice = demoVoice();
  const std::string music = std::string(KROXL_BINARY_DIR) + "/game/sound/music/toegl.mid";
  if (voice.empty() || !std::filesystem::exists(music))
    GTEST_SKIP() << "no demo data; build the gamedata target";
  if (access(media::MixerAudio::kSoundFont, R_OK) != 0) GTEST_SKIP() << "no sound font";
  const std::optional<MixLevels> mix = recordMix(music, voice);
  ASSERT_TRUE(mix);
  EXPECT_NEAR(mix->during - mix->before, media::MusicStream::kDuckDb, 2.5);
  EXPECT_NEAR(mix->after, mix->before, 2.5);
  EXPECT_GT(mix->voice, mix->during + 7) << "the voice does not stand above the music";
}

}  // namespace
