// The ball and the block field per frame, and the block layout's reading.
// A frame of the ball rolling with the lightning power (orbiters, jittered
// trail) and a frame of a 48 x 48 field of blocks, some shaking and some
// charged: microseconds and heap allocations per frame (a frame must
// allocate nothing). Reading the field's layout: microseconds per read of
// 2304 records, which makes every block anew.

#include "engine/Ball.h"
#include "engine/Block.h"
#include "engine/BlockGrid.h"
#include "engine/Level.h"
#include "file/BinaryPrimitives.h"
#include "file/BufferBinary.h"
#include "math/Random.h"

#include "support/AllocationCount.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

constexpr int16_t kSide = 48;
constexpr float kStep = 1 / 30.0f;

file::BufferBinary fieldLayout() {
  file::BufferBinary out;
  for (int32_t v : {int32_t(kSide), int32_t(kSide), -kSide / 2, -kSide / 2, 0})
    file::write(v, out);
  for (int16_t c = -kSide / 2; c < kSide / 2; ++c)
    for (int16_t r = -kSide / 2; r < kSide / 2; ++r) {
      file::write(uint8_t((c * 7 + r * 3 + 1000) % 15), out);
      file::write(c, out);
      file::write(r, out);
    }
  file::write(uint8_t(255), out);
  out.seek(0);
  return out;
}

void BallFrame(benchmark::State &state) {
  Random::globalSeed(5);
  Level level(nullptr);
  Ball &ball = level.ball();
  ball.setState(Ball::PLAYING);
  ball.setPower(Ball::LIGHTNING);
  float t = 0;
  long frames = 0;
  allocationCount = 0;
  for (auto _ : state) {
    t += kStep;
    ball.setPosition(math::Vector3(10 * std::cos(t), 10 * std::sin(t), 0));
    // Long enough for the trail to reach its length; the power is renewed.
    if (ball.powerTime() < 1.0f)
      ball.setPower(Ball::LIGHTNING);
    allocationCounting = frames > 60;
    ball.update(kStep);
    allocationCounting = false;
    ++frames;
  }
  state.counters["allocations/frame"] = double(allocationCount) / double(frames);
}
BENCHMARK(BallFrame)->Iterations(3000)->Unit(benchmark::kMicrosecond);

void BlockFieldFrame(benchmark::State &state) {
  Level level(nullptr);
  file::BufferBinary layout = fieldLayout();
  BlockGrid &grid = level.blockGrid();
  grid.read(layout);
  for (int c = -kSide / 2; c < kSide / 2; c += 5)
    grid.blockAt(c, 0)->setCharge(uint32_t(c + kSide) % 5);
  long frames = 0;
  allocationCount = 0;
  for (auto _ : state) {
    if (frames % 30 == 0)
      level.blast(math::Vector3(), 18.0f, 60.0f);
    allocationCounting = true;
    for (int c = -kSide / 2; c < kSide / 2; ++c)
      for (int r = -kSide / 2; r < kSide / 2; ++r)
        grid.blockAt(c, r)->update(kStep);
    allocationCounting = false;
    ++frames;
  }
  state.counters["allocations/frame"] = double(allocationCount) / double(frames);
}
BENCHMARK(BlockFieldFrame)->Unit(benchmark::kMicrosecond);

void BlockLayoutRead(benchmark::State &state) {
  Level level(nullptr);
  file::BufferBinary layout = fieldLayout();
  for (auto _ : state) {
    layout.seek(0);
    benchmark::DoNotOptimize(level.blockGrid().read(layout));
  }
  state.counters["blocks"] = double(level.blockGrid().blockCount());
}
BENCHMARK(BlockLayoutRead)->Unit(benchmark::kMicrosecond);

} // namespace
