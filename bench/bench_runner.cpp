// One presentation tick of the runner with the protagonist walking and his
// eyes read from disk, headless in the first room of the demo game.
#include <benchmark/benchmark.h>

#include "BenchGame.h"
#include "state/TForm2.h"

namespace {

void BM_WalkingTick(benchmark::State& state) {
  bench::BenchGame b;
  b.create();
  game::TForm1& f1 = *b.game->Form1;
  game::TForm2& f2 = *b.game->Form2;
  f1.FormCreate();
  b.runUntil([&] { return f1.Runner.Enabled(); });
  f2.Memo1.clear();
  f2.setMode(game::Mode::Normal);
  f1.RunnerTimer();  // retires the empty spoken line
  int direction = 1;
  for (auto _ : state) {
    // Walk back and forth across the room, so every tick draws a walking frame.
    if (f2.posit.Tag > 560) direction = -1;
    if (f2.posit.Tag < 80) direction = 1;
    f1.block.Left = direction > 0 ? 600 : 40;
    f1.RunnerTimer();
  }
  if (f2.posit.Caption.find("walking") == std::string::npos) state.SkipWithError("he did not walk");
}
BENCHMARK(BM_WalkingTick)->Unit(benchmark::kMicrosecond);

}  // namespace

// For counting instructions: `bench_runner --ticks N` runs N ticks and no
// benchmark, e.g. under valgrind --tool=callgrind with
// --toggle-collect='game::TForm1::RunnerTimer()'.
int main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[1]) == "--ticks") {
    bench::BenchGame b;
    b.create();
    game::TForm1& f1 = *b.game->Form1;
    f1.FormCreate();
    b.runUntil([&] { return f1.Runner.Enabled(); });
    b.game->Form2->Memo1.clear();
    b.game->Form2->setMode(game::Mode::Normal);
    f1.RunnerTimer();
    const int ticks = std::atoi(argv[2]);
    for (int i = 0; i < ticks; ++i) {
      f1.block.Left = (i / 60) % 2 ? 40 : 600;
      f1.RunnerTimer();
    }
    return 0;
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
