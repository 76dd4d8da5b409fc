// From creating the game to the first room handed to the runner, headless
// with the demo data (the warm-up's ticks cost no time on the virtual clock).
#include <benchmark/benchmark.h>

#include "BenchGame.h"

namespace {

void BM_StartToFirstRoom(benchmark::State& state) {
  bench::BenchGame b;
  for (auto _ : state) {
    b.create();
    b.game->Form1->FormCreate();
    b.runUntil([&] { return b.game->Form1->Runner.Enabled(); });
    if (!b.game->Form1->Runner.Enabled()) state.SkipWithError("the first room was not built");
  }
}
BENCHMARK(BM_StartToFirstRoom)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
