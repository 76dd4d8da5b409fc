// The room change and the pointer's hit test. A room change reads its
// background, its overlays and its people's table from the demo data root
// each time, as the game does; the figure is the whole change. The heaviest
// rooms are the canteen and its back room after the cheque has gone (three
// and four overlays) and the archive (its table and two overlays).
#include <benchmark/benchmark.h>

#include <memory>
#include <stdexcept>

#include "backend/headless/HeadlessPlatform.h"
#include "core/Game.h"
#include "core/TForm1.h"
#include "core/TForm5.h"
#include "state/TForm2.h"
#include "sys/DataPath.h"

namespace {

struct GameOnDemoData {
  backend::HeadlessPlatform platform{backend::ReplayScript{}, ui::DisplayInfo{}};
  std::unique_ptr<game::Game> game;

  GameOnDemoData() {
    game = std::make_unique<game::Game>(platform, game::GameSetup{});
    game::TForm1& f1 = *game->Form1;
    f1.cd.Caption = KROXL_BINARY_DIR "/game";
    if (sys::fileSize(f1.dataPath("\\graphic\\archiv\\hintergrund.bmp")) <= 0)
      throw std::runtime_error("no demo data root; build the gamedata target");
  }
  game::TForm1& f1() { return *game->Form1; }
  game::TForm2& f2() { return *game->Form2; }

  void changeRoom(benchmark::State& state, int room) {
    for (auto _ : state) {
      f1().build.Tag = room;
      f1().buildTimer();
    }
    // A missing picture or table would make the change look cheap.
    const sys::TextList& errors = game->Form5->Memo1.Lines;
    if (!errors.empty()) state.SkipWithError(errors.last().c_str());
    state.SetItemsProcessed(state.iterations());
  }
};

void BM_RoomChangeArchive(benchmark::State& state) {
  GameOnDemoData g;
  g.changeRoom(state, 104);
}
BENCHMARK(BM_RoomChangeArchive)->Unit(benchmark::kMicrosecond);

void BM_RoomChangeCanteen(benchmark::State& state) {
  GameOnDemoData g;
  g.f2().Scheck.Tag = 2;
  g.changeRoom(state, 7);
}
BENCHMARK(BM_RoomChangeCanteen)->Unit(benchmark::kMicrosecond);

void BM_RoomChangeBackRoom(benchmark::State& state) {
  GameOnDemoData g;
  g.f2().Scheck.Tag = 2;
  g.f2().toegl.Tag = 1;
  g.changeRoom(state, 71);
}
BENCHMARK(BM_RoomChangeBackRoom)->Unit(benchmark::kMicrosecond);

// A number the table does not know: the fixed steps and the background
// drawn again, without the room's own step.
void BM_RoomChangeUnknown(benchmark::State& state) {
  GameOnDemoData g;
  g.f1().build.Tag = 104;
  g.f1().buildTimer();
  g.changeRoom(state, -23552);
}
BENCHMARK(BM_RoomChangeUnknown)->Unit(benchmark::kMicrosecond);

// One pointer move over the corridor with its hit test, alternating between
// a hot spot, the overlap of two and empty space so the text changes.
void BM_PointerMove(benchmark::State& state) {
  GameOnDemoData g;
  g.f1().build.Tag = 2;
  g.f1().buildTimer();
  const int points[][2] = {{200, 200}, {470, 300}, {10, 10}};
  int i = 0;
  for (auto _ : state) {
    g.f1().zoneMouseMove(points[i][0], points[i][1]);
    i = (i + 1) % 3;
  }
  benchmark::DoNotOptimize(g.f1().helpline.Caption);
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_PointerMove)->Unit(benchmark::kNanosecond);

// The same move as the desktop delivers it: finding the control under the
// pointer, then the handler.
void BM_PointerMoveThroughDesktop(benchmark::State& state) {
  GameOnDemoData g;
  g.f1().build.Tag = 2;
  g.f1().buildTimer();
  g.f1().Show();
  g.f1().schirm.Top = 0;
  const int points[][2] = {{200, 200}, {470, 300}, {10, 10}};
  int i = 0;
  for (auto _ : state) {
    g.game->desktop.mouseMove(points[i][0], points[i][1]);
    i = (i + 1) % 3;
  }
  if (g.f2().Label2.Tag < 0) state.SkipWithError("no hover");
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_PointerMoveThroughDesktop)->Unit(benchmark::kNanosecond);

}  // namespace

BENCHMARK_MAIN();
