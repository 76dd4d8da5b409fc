// What the real players cost the game's one thread: opening and starting a
// MIDI piece (read and sequenced; the synthesizer stays loaded), playing it
// from a position (cutting the piece and sequencing the copy), the cut alone,
// loading the synthesizer with its sound font (once, at start-up), opening a
// film (its sound track is decoded whole) and showing one frame of it. On the
// demo data in the build tree, with SDL's dummy sound driver unless the
// environment names another.
#include <SDL.h>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "core/PanelVideoSurface.h"
#include "media/FfmpegVideoPlayer.h"
#include "media/MidiSeek.h"
#include "media/MidiSynth.h"
#include "media/MixerAudio.h"
#include "media/MixerMusicPlayer.h"
#include "sys/Clock.h"
#include "sys/FileIo.h"
#include "ui/Desktop.h"
#include "ui/Form.h"
#include "ui/NullPlatform.h"
#include "ui/Panel.h"

namespace {

const std::string kGame = std::string(KROXL_BINARY_DIR) + "/game";
const std::string kMusic = kGame + "/sound/music/bigboss.mid";
const std::string kFilm = kGame + "/movies/hubert.avi";

media::MixerAudio& audio() {
  static media::MixerAudio* device = [] {
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    return new media::MixerAudio;
  }();
  return *device;
}

bool soundReady(benchmark::State& state) {
  if (audio().ok() && audio().midiReady()) return true;
  state.SkipWithError(audio().ok() ? audio().midiError().c_str() : audio().error().c_str());
  return false;
}

// What a room change with new music does: "play music" opens and plays.
void BM_OpenAndStartMusic(benchmark::State& state) {
  if (!soundReady(state)) return;
  sys::SteadyClock clock;
  media::MixerMusicPlayer player(clock, audio());
  player.FileName = kMusic;
  for (auto _ : state) {
    player.Open();
    player.Play();
  }
}
BENCHMARK(BM_OpenAndStartMusic)->Unit(benchmark::kMillisecond);

void BM_PlayMusicFromAPosition(benchmark::State& state) {
  if (!soundReady(state)) return;
  sys::SteadyClock clock;
  media::MixerMusicPlayer player(clock, audio());
  player.FileName = kMusic;
  player.Open();
  for (auto _ : state) {
    player.setPosition(5000);
    player.Play();
  }
}
BENCHMARK(BM_PlayMusicFromAPosition)->Unit(benchmark::kMillisecond);

void BM_CutMidiPiece(benchmark::State& state) {
  const auto piece = sys::readFile(kMusic);
  if (!piece) return state.SkipWithError("no demo music; build the gamedata target");
  for (auto _ : state) benchmark::DoNotOptimize(media::midiFrom(*piece, 5000));
}
BENCHMARK(BM_CutMidiPiece)->Unit(benchmark::kMicrosecond);

void BM_LoadSynthesizer(benchmark::State& state) {
  for (auto _ : state) {
    const auto synth = media::MidiSynth::load(media::MixerAudio::kSoundFont, 22050, 0.2);
    if (!synth) return state.SkipWithError(synth.error().message.c_str());
  }
}
BENCHMARK(BM_LoadSynthesizer)->Unit(benchmark::kMillisecond);

void BM_OpenFilm(benchmark::State& state) {
  sys::SteadyClock clock;
  media::FfmpegVideoPlayer player(clock, audio().ok() ? &audio() : nullptr);
  player.FileName = kFilm;
  for (auto _ : state) player.Open();
}
BENCHMARK(BM_OpenFilm)->Unit(benchmark::kMillisecond);

using StillPlatform = ui::NullPlatform;

// One frame decoded and drawn into the game's 640 x 480 video panel, as the
// frame timer does.
void BM_ShowFilmFrame(benchmark::State& state) {
  StillPlatform platform;
  ui::Desktop desktop(platform);
  ui::Form form(desktop, "Form1");
  ui::Panel panel(&form, "Panel2");
  panel.setBounds(0, 0, 640, 480);
  sys::VirtualClock& clock = platform.virtualClock;
  media::FfmpegVideoPlayer player(clock, nullptr);
  game::PanelVideoSurface surface(panel);
  player.setDisplay(&surface);
  player.FileName = kFilm;
  player.Open();
  player.Play();
  for (auto _ : state) {
    clock.advanceBy(83);
    if (player.mode() != media::Mode::Playing) {
      player.setPosition(0);
      player.Play();
    }
    player.showCurrentFrame();
  }
}
BENCHMARK(BM_ShowFilmFrame)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
