// The people's animation step, as the runner calls it on every tick, in the
// demo game's busiest rooms: the library (Zweistein's mouth drawn and one
// overlay per pose) and the archive (the archivist awake: his face and his
// eyes as overlays). Every picture is read from its file on every step, as
// the game does; the figure is the whole step.
#include <benchmark/benchmark.h>

#include <memory>

#include "backend/headless/HeadlessPlatform.h"
#include "core/Game.h"
#include "core/TForm1.h"
#include "core/TForm5.h"
#include "state/TForm2.h"

namespace {

// A game on the demo data root, standing in a room with its animation table
// loaded, as the room builder leaves it.
struct RoomWithPeople {
  backend::HeadlessPlatform platform{backend::ReplayScript{}, ui::DisplayInfo{}};
  std::unique_ptr<game::Game> game;

  RoomWithPeople(int room, const char* table) {
    game = std::make_unique<game::Game>(platform, game::GameSetup{});
    game::TForm1& f1 = *game->Form1;
    game::TForm2& f2 = *game->Form2;
    f1.cd.Caption = KROXL_BINARY_DIR "/game";
    f1.build.Tag = room;
    f1.zone.setBounds(0, 200, 640, 280);
    f1.Image2.setBounds(400, 481, 640, 280);
    f2.background.Tag = 0;
    if (!f1.loadListOrReport(f2.Memo4, f1.dataPath(std::string("\\source\\anim\\") + table)))
      throw std::runtime_error("no animation table " + std::string(table) + "; build the gamedata target");
  }

  void step(benchmark::State& state) {
    game::TForm1& f1 = *game->Form1;
    for (auto _ : state) f1.personAnimation(f1.build.Tag);
    // A missing picture would make the step look cheap.
    if (!game->Form5->Memo1.Lines.empty()) state.SkipWithError(game->Form5->Memo1.Lines.last().c_str());
    state.SetItemsProcessed(state.iterations());
  }
};

void BM_AnimationLibrary(benchmark::State& state) {
  RoomWithPeople library(6, "zweistein.ani");
  library.step(state);
}
BENCHMARK(BM_AnimationLibrary)->Unit(benchmark::kMicrosecond);

void BM_AnimationArchive(benchmark::State& state) {
  RoomWithPeople archive(104, "archivar.ani");
  archive.step(state);
}
BENCHMARK(BM_AnimationArchive)->Unit(benchmark::kMicrosecond);

// The archivist speaking: a re-seed and his mumbling mouth.
void BM_AnimationArchiveTalking(benchmark::State& state) {
  RoomWithPeople archive(104, "archivar.ani");
  archive.game->Form2->talking.Caption = "talking: Archivar";
  archive.step(state);
}
BENCHMARK(BM_AnimationArchiveTalking)->Unit(benchmark::kMicrosecond);

// A room without people: the counters alone.
void BM_AnimationEmptyRoom(benchmark::State& state) {
  RoomWithPeople corridor(3, "zweistein.ani");
  corridor.step(state);
}
BENCHMARK(BM_AnimationEmptyRoom)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
