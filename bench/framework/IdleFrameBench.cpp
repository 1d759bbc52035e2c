// One idle frame of the main loop once the framework runs: the update (input
// dispatch, pending moves, pages, scripts, layers) and the render of the
// eight standard layers with their render groups, nothing in them, through a
// canvas that draws nothing. Reports nanoseconds per frame and the heap
// allocations made inside the frames, which must be none.

#include "support/AllocationCounter.h"
#include "support/IdleFrame.h"

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

void IdleFrame(benchmark::State &state) {
  testing_support::IdleFrame idle;
  // The load's lines are not what is measured.
  if (!freopen("/dev/null", "w", stderr))
    state.SkipWithError("standard error could not be silenced");
  if (!idle.start())
    state.SkipWithError("the framework did not reach its running state");

  allocationCount = 0;
  allocationCounting = true;
  for (auto _ : state)
    idle.pass();
  allocationCounting = false;
  state.counters["allocations_per_frame"] =
      benchmark::Counter(double(allocationCount) / double(state.iterations()));
  state.counters["frames_drawn"] = double(idle.canvas->frames);
}
BENCHMARK(IdleFrame);

} // namespace
