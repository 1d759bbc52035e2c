// Reading the largest of the level files the level writer makes from the
// project's data, and finishing the level (block faces, floor bounds, view,
// floor meshes); microseconds per load.

#include "LargestLevel.h"

#include "engine/Level.h"
#include "engine/LevelCatalogue.h"
#include "file/BufferBinary.h"
#include "support/FakeWindow.h"

#include <benchmark/benchmark.h>

namespace {

void BM_LoadLargestLevel(benchmark::State &state) {
  testing_support::FakeWindow window(320, 480);
  testing_support::WindowSwap swap(&window);
  file::BufferBinary file = gamebench::largestLevelFile();
  if (file.size() == 0) {
    state.SkipWithError("the level data cannot be planned");
    return;
  }
  Level level(nullptr);
  for (auto _ : state) {
    file.seek(0);
    benchmark::DoNotOptimize(level.load(file));
  }
  state.counters["bytes"] = double(file.size());
  state.counters["blocks"] = double(level.blockGrid().blockCount());
  LevelCatalogue::destroy();
}
BENCHMARK(BM_LoadLargestLevel)->Unit(benchmark::kMicrosecond);

} // namespace
