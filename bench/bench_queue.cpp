// The command queue is a text list whose first line the runner removes on
// every tick; a script or a save can make it very long. Removing the head
// must not cost time in proportion to the length.
#include <benchmark/benchmark.h>

#include "BenchGame.h"
#include "state/TForm2.h"
#include "sys/TextList.h"

namespace {

std::vector<std::string> lines(int64_t n, const std::string& text) {
  return std::vector<std::string>(static_cast<size_t>(n), text);
}

void BM_RemoveHead(benchmark::State& state) {
  sys::TextList list;
  list.assign(lines(state.range(0), "look left"));
  for (auto _ : state) {
    list.remove(0);
    list.add("look left");  // keeps the length
  }
}
BENCHMARK(BM_RemoveHead)->Arg(1000)->Arg(500000)->Arg(1000000);

// Waits put their two lines back at the head, as "wait" does.
void BM_InsertAndRemoveHead(benchmark::State& state) {
  sys::TextList list;
  list.assign(lines(state.range(0), "look left"));
  for (auto _ : state) {
    list.insert(0, "wait for wait");
    list.remove(0);
  }
}
BENCHMARK(BM_InsertAndRemoveHead)->Arg(1000)->Arg(1000000);

// A whole runner tick with a long queue of commands that only remove themselves.
void BM_RunnerTickOnLongQueue(benchmark::State& state) {
  bench::BenchGame b;
  b.startToFirstRoom();
  game::TForm1& f1 = *b.game->Form1;
  game::TForm2& f2 = *b.game->Form2;
  f2.Memo1.assign(lines(state.range(0), "hugo"));
  for (auto _ : state) {
    if (f2.Memo1.Count() < 2) {
      state.PauseTiming();
      f2.Memo1.assign(lines(state.range(0), "hugo"));
      state.ResumeTiming();
    }
    f1.RunnerTimer();
  }
}
BENCHMARK(BM_RunnerTickOnLongQueue)->Arg(1000)->Arg(500000)->Arg(1000000)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
