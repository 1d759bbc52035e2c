// The saved game's bulk, the level's state record, of the largest level the
// level writer makes: writing it, and reading it into a new level that is
// then finished; microseconds per record and its size in bytes.

#include "LargestLevel.h"

#include "engine/Level.h"
#include "engine/LevelCatalogue.h"
#include "support/FakeWindow.h"

#include <benchmark/benchmark.h>

namespace {

// The record of the largest level as loaded; empty when there is none.
file::BufferBinary largestLevelState() {
  file::BufferBinary file = gamebench::largestLevelFile();
  file::BufferBinary record;
  Level level(nullptr);
  file.seek(0);
  if (file.size() != 0 && level.load(file))
    level.writeState(record);
  return record;
}

void BM_WriteLargestLevelState(benchmark::State &state) {
  testing_support::FakeWindow window(320, 480);
  testing_support::WindowSwap swap(&window);
  file::BufferBinary file = gamebench::largestLevelFile();
  Level level(nullptr);
  file.seek(0);
  if (file.size() == 0 || !level.load(file)) {
    state.SkipWithError("the level data cannot be planned");
    return;
  }
  file::BufferBinary record;
  for (auto _ : state) {
    record.clear();
    level.writeState(record);
    benchmark::DoNotOptimize(record.data());
  }
  state.counters["bytes"] = double(record.size());
  LevelCatalogue::destroy();
}
BENCHMARK(BM_WriteLargestLevelState)->Unit(benchmark::kMicrosecond);

void BM_ReadLargestLevelState(benchmark::State &state) {
  testing_support::FakeWindow window(320, 480);
  testing_support::WindowSwap swap(&window);
  file::BufferBinary record = largestLevelState();
  if (record.size() == 0) {
    state.SkipWithError("the level data cannot be planned");
    return;
  }
  for (auto _ : state) {
    record.seek(0);
    Level level(nullptr);
    benchmark::DoNotOptimize(level.readState(record));
  }
  state.counters["bytes"] = double(record.size());
  LevelCatalogue::destroy();
}
BENCHMARK(BM_ReadLargestLevelState)->Unit(benchmark::kMicrosecond);

} // namespace
