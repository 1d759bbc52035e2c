// A level's frame in play: the largest level the level writer makes from
// the project's data, and the showcases of lava pools, of the hazards
// (chomp, fire, money bugs) and of doors and gates, the ball rolling under a
// fixed tilt script (a slowly turning push, so that it crosses the level,
// bounces and breaks blocks). After a warm-up, 1,000 frames of
// Level::update at 1/30 s: mean and worst microseconds a frame, and the
// heap allocations of each frame, counted here. A frame of steady play (the
// ball touching nothing and holding no power, no spark in flight, no block,
// coin, piece, charge, drop or effect made or gone, the level and the ball
// staying in their states) must allocate nothing;
// breaking a block makes its score drop. Beside them, a bomb cascade.

#include "LevelWriter.h"

#include "engine/Ball.h"
#include "engine/Block.h"
#include "engine/Engine.h"
#include "engine/Level.h"
#include "engine/LevelCatalogue.h"
#include "engine/Tube.h"
#include "file/BufferBinary.h"
#include "math/Random.h"
#include "particle/Effect3DList.h"
#include "physics/Structure3D.h"
#include "support/AllocationCount.h"
#include "support/FakeWindow.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <string>
#include <vector>

namespace {

constexpr float kStep = 1.0f / 30.0f;
constexpr int kWarmUp = 300;
constexpr int kFrames = 1000;

// The plan of the level with the most blocks, or none when the data cannot
// be planned.
bool largestPlan(levelwriter::LevelPlan &largest) {
  std::vector<levelwriter::LevelPlan> plans;
  std::vector<std::string> errors;
  if (!levelwriter::planLevels(std::string(CORVANE_SOURCE_DIR) + "/data", plans, errors))
    return false;
  for (const levelwriter::LevelPlan &plan : plans)
    if (plan.blocks.size() > largest.blocks.size())
      largest = plan;
  return !largest.blocks.empty();
}

// The plan of the named level of the catalogue, or of the named showcase.
bool namedPlan(const std::string &name, levelwriter::LevelPlan &found, bool showcase = false) {
  std::vector<levelwriter::LevelPlan> plans;
  std::vector<std::string> errors;
  const std::string data = std::string(CORVANE_SOURCE_DIR) + "/data";
  if (!(showcase ? levelwriter::planShowcases(data, plans, errors)
                 : levelwriter::planLevels(data, plans, errors)))
    return false;
  for (const levelwriter::LevelPlan &plan : plans)
    if (plan.name == name) {
      found = plan;
      return true;
    }
  return false;
}

// Effects running in the level's three lists.
uint32_t effectCount(Level &level) {
  uint32_t count = 0;
  for (Symbol list : {Level::groundEffects(), Level::blockEffects(), Level::objectEffects()})
    if (const Effect3DList *effects = level.effects().list(list))
      count += effects->count();
  return count;
}

// The tilt the application would hand the level: a push of half a g whose
// direction turns once every twenty seconds. The level scales it by 200.
math::Vector3 tiltAt(int frame) {
  const float angle = float(frame) * kStep * 2.0f * 3.14159265f / 20.0f;
  return math::Vector3(0.5f * std::cos(angle), 0.5f * std::sin(angle), 0.0f);
}

// Frames timed one by one, with the heap allocations each makes.
struct FrameTimes {
  double totalMicros = 0.0, worstMicros = 0.0;
  uint64_t allocations = 0;

  // The step's own allocations.
  template <typename Step> long time(Step &&step) {
    allocationCount = 0;
    allocationCounting = true;
    const auto start = std::chrono::steady_clock::now();
    step();
    const auto end = std::chrono::steady_clock::now();
    allocationCounting = false;
    const double micros = std::chrono::duration<double, std::micro>(end - start).count();
    totalMicros += micros;
    worstMicros = micros > worstMicros ? micros : worstMicros;
    allocations += uint64_t(allocationCount);
    return allocationCount;
  }
};

void runFrames(benchmark::State &state, const levelwriter::LevelPlan &plan) {
  testing_support::FakeWindow window(320, 480);
  testing_support::WindowSwap swap(&window);
  file::BufferBinary file;
  std::string error;
  if (!levelwriter::levelFile(plan, file, error)) {
    state.SkipWithError("the level cannot be written");
    return;
  }
  Random::globalSeed(11);
  Engine engine;
  engine.setState(Engine::PLAYING);
  Level level(&engine);
  file.seek(0);
  if (!level.load(file)) {
    state.SkipWithError("the level does not load");
    return;
  }
  level.start();
  level.begin();

  int frame = 0;
  // Without the application the level reads no tilt: the script pushes the
  // ball's structure as the level's own step would.
  auto step = [&] {
    level.ball().structure().pendingAcceleration += tiltAt(frame++) * 200.0f;
    level.update(kStep);
  };
  for (int i = 0; i < kWarmUp; ++i)
    step();

  FrameTimes times;
  uint64_t steadyAllocations = 0, breakAllocations = 0;
  uint32_t breaks = 0, steadyFrames = 0;
  for (auto _ : state) {
    for (int i = 0; i < kFrames; ++i) {
      const uint32_t broken = level.blocksBroken(), score = level.score();
      const uint32_t drops = level.scoreDrops().size() + level.groupScoreDrops().size();
      const uint32_t blocks = level.blockGrid().blockCount(), effects = effectCount(level);
      const uint32_t sparks = level.ball().sparkSystem().sparkCount();
      const unsigned powerBefore = level.ball().power();
      const unsigned ballState = level.ball().state();
      const float chargeTimer = level.chargeTimer();
      const uint32_t coins = level.coins().size();
      const uint32_t pieces = level.chunksNormal().size() + level.chunksExplosion().size();
      const int32_t levelState = level.state();
      const long made = times.time(step);
      const bool steady = level.blocksBroken() == broken && level.score() == score &&
                          level.scoreDrops().size() + level.groupScoreDrops().size() == drops &&
                          level.blockGrid().blockCount() == blocks &&
                          effectCount(level) == effects && level.coins().size() == coins &&
                          level.chunksNormal().size() + level.chunksExplosion().size() == pieces &&
                          sparks == 0 && level.ball().sparkSystem().sparkCount() == 0 &&
                          level.ball().power() == Ball::NO_POWER && powerBefore == Ball::NO_POWER &&
                          level.chargeTimer() > chargeTimer && level.state() == levelState &&
                          level.ball().state() == ballState &&
                          level.ball().atom().contactFlags == 0;
      if (steady) {
        ++steadyFrames;
        steadyAllocations += uint64_t(made);
      } else if (level.blocksBroken() > broken) {
        breaks += level.blocksBroken() - broken;
        breakAllocations += uint64_t(made);
      }
    }
  }
  state.counters["mean_us"] = times.totalMicros / kFrames;
  state.counters["worst_us"] = times.worstMicros;
  state.counters["allocs_per_frame"] = double(times.allocations) / kFrames;
  state.counters["steady_frames"] = double(steadyFrames);
  state.counters["steady_allocs"] = double(steadyAllocations);
  state.counters["blocks_broken"] = double(breaks);
  state.counters["allocs_per_break"] = breaks ? double(breakAllocations) / breaks : 0.0;
  state.counters["blocks"] = double(level.blockGrid().blockCount());
  if (steadyAllocations != 0)
    state.SkipWithError("a frame in steady play allocated");
  LevelCatalogue::destroy();
}
void BM_LevelUpdateLargestLevel(benchmark::State &state) {
  levelwriter::LevelPlan plan;
  if (!largestPlan(plan)) {
    state.SkipWithError("the level data cannot be planned");
    return;
  }
  runFrames(state, plan);
}
BENCHMARK(BM_LevelUpdateLargestLevel)->Iterations(1)->Unit(benchmark::kMillisecond);

// Pools heat and kill the ball and bubble; the ball's deaths end in failure.
void BM_LevelUpdateLavaShowcase(benchmark::State &state) {
  levelwriter::LevelPlan plan;
  if (!namedPlan("level00_2", plan) || plan.lavas.empty()) {
    state.SkipWithError("the lava showcase cannot be planned");
    return;
  }
  runFrames(state, plan);
}
BENCHMARK(BM_LevelUpdateLavaShowcase)->Iterations(1)->Unit(benchmark::kMillisecond);

// A showcase level by name, played as above.
void runShowcase(benchmark::State &state, const char *name) {
  levelwriter::LevelPlan plan;
  if (!namedPlan(name, plan, true)) {
    state.SkipWithError("the showcase cannot be planned");
    return;
  }
  runFrames(state, plan);
}

// A chomp, a fire and two money bugs: the ball wakes and is bitten, burns
// on the spokes and bursts the bugs into coins.
void BM_LevelUpdateHazardShowcase(benchmark::State &state) {
  runShowcase(state, "showcase_hazards");
}
BENCHMARK(BM_LevelUpdateHazardShowcase)->Iterations(1)->Unit(benchmark::kMillisecond);

// A switch, a door and a gate: the ball hits the switch, clinks off the door
// and crosses the gate as the tilt carries it.
void BM_LevelUpdateDoorShowcase(benchmark::State &state) { runShowcase(state, "showcase_doors"); }
BENCHMARK(BM_LevelUpdateDoorShowcase)->Iterations(1)->Unit(benchmark::kMillisecond);

// Worms cycle, tar chases, sticks and drips; the ball's deaths end in
// failure.
void BM_LevelUpdateWormTarShowcase(benchmark::State &state) {
  runShowcase(state, "showcase_worms_tar");
}
BENCHMARK(BM_LevelUpdateWormTarShowcase)->Iterations(1)->Unit(benchmark::kMillisecond);

// The passages showcase: a secret corner and a tube to a second room; the
// ball is set before the tube's mouth whenever it stands idle, so that most
// frames ride the tube.
void BM_LevelUpdatePassagesShowcase(benchmark::State &state) {
  levelwriter::LevelPlan plan;
  file::BufferBinary file;
  std::string error;
  if (!namedPlan("showcase_passages", plan, true) || !levelwriter::levelFile(plan, file, error)) {
    state.SkipWithError("the passages showcase cannot be written");
    return;
  }
  testing_support::FakeWindow window(320, 480);
  testing_support::WindowSwap swap(&window);
  Engine engine;
  engine.setState(Engine::PLAYING);
  Level level(&engine);
  file.seek(0);
  if (!level.load(file) || level.tubes().isEmpty()) {
    state.SkipWithError("the passages showcase does not load");
    return;
  }
  Random::globalSeed(11);
  level.start();
  level.begin();
  const Tube &tube = *level.tubes()[0];
  auto step = [&] {
    if (tube.state() == Tube::IDLE && level.ball().isPlaying()) {
      // Back in the first room.
      level.ball().setPosition(math::Vector3(1.6f, 0.0f, 0.0f));
      level.ball().setRegionIndex(0);
    }
    level.update(kStep);
  };
  for (int i = 0; i < kWarmUp; ++i)
    step();
  FrameTimes times;
  uint32_t riding = 0;
  uint64_t ridingAllocations = 0;
  for (auto _ : state) {
    for (int i = 0; i < kFrames; ++i) {
      // A block charged with a power starts its effect: that frame makes
      // something and is not counted as riding.
      const uint32_t effects = effectCount(level);
      const long made = times.time(step);
      if (tube.state() != Tube::IDLE && effectCount(level) == effects) {
        ++riding;
        ridingAllocations += uint64_t(made);
      }
    }
  }
  state.counters["mean_us"] = times.totalMicros / kFrames;
  state.counters["worst_us"] = times.worstMicros;
  state.counters["riding_frames"] = double(riding);
  state.counters["allocs_per_frame"] = double(times.allocations) / kFrames;
  if (ridingAllocations != 0)
    state.SkipWithError("a frame in the tube allocated");
  LevelCatalogue::destroy();
}
BENCHMARK(BM_LevelUpdatePassagesShowcase)->Iterations(1)->Unit(benchmark::kMillisecond);

// A bomb cascade: a room of 42 x 46 cells whose 40 x 40 field is one colour,
// the ball holding the bomb power and set against the lowest block of a
// column taken at random every 0.2 s. Each bomb's wave breaks the blocks
// within 10.5 units into blast pieces, two seconds each. Reported, with no
// goal: the worst and mean frame while 100 or more blast pieces live, how
// many such frames there were and the most pieces at once.
levelwriter::LevelPlan bombField() {
  levelwriter::LevelPlan plan;
  plan.name = "bombField";
  levelwriter::Room room;
  room.area = levelwriter::CellRect{-21, -6, 20, 39};
  plan.rooms.push_back(room);
  plan.ballColumn = 0;
  plan.ballRow = -4;
  for (int32_t column = -20; column < 20; ++column)
    for (int32_t row = 0; row < 40; ++row)
      plan.blocks.push_back(levelwriter::PlacedBlock{0, 0, column, row});
  return plan;
}

void BM_LevelUpdateBombCascade(benchmark::State &state) {
  testing_support::FakeWindow window(320, 480);
  testing_support::WindowSwap swap(&window);
  file::BufferBinary file;
  std::string error;
  if (!levelwriter::levelFile(bombField(), file, error)) {
    state.SkipWithError("the bomb field cannot be written");
    return;
  }
  Random::globalSeed(5);
  Engine engine;
  engine.setState(Engine::PLAYING);
  Level level(&engine);
  file.seek(0);
  if (!level.load(file)) {
    state.SkipWithError("the bomb field does not load");
    return;
  }
  level.start();
  level.begin();
  for (int i = 0; i < 100; ++i)
    level.update(kStep);

  constexpr uint32_t manyPieces = 100;
  double busyMicros = 0.0, worstMicros = 0.0;
  uint32_t busyFrames = 0, mostPieces = 0;
  for (auto _ : state) {
    for (int i = 0; i < 2000 && level.state() == Level::PLAYING; ++i) {
      Ball &ball = level.ball();
      if (ball.power() != Ball::BOMB)
        ball.setPower(Ball::BOMB);
      // Every 0.2 s the ball meets from below the lowest live block of a
      // column taken at random: a new bomb while the last ones' pieces fly.
      if (i % 6 == 0) {
        const int32_t column = Random::globalInt(-20, 19);
        for (int32_t row = 0; row < 40; ++row) {
          const Block *target = level.blockGrid().blockAt(column, row);
          if (target && !target->isDead()) {
            ball.setPosition(target->getPosition() + math::Vector3(0.0f, -2.9f, 0.0f));
            break;
          }
        }
      }
      const auto start = std::chrono::steady_clock::now();
      level.update(kStep);
      const auto end = std::chrono::steady_clock::now();
      const uint32_t pieces = level.chunksExplosion().size();
      mostPieces = pieces > mostPieces ? pieces : mostPieces;
      if (pieces < manyPieces)
        continue;
      const double micros = std::chrono::duration<double, std::micro>(end - start).count();
      busyMicros += micros;
      worstMicros = micros > worstMicros ? micros : worstMicros;
      ++busyFrames;
    }
  }
  state.counters["busy_frames"] = double(busyFrames);
  state.counters["busy_mean_us"] = busyFrames ? busyMicros / busyFrames : 0.0;
  state.counters["busy_worst_us"] = worstMicros;
  state.counters["most_pieces"] = double(mostPieces);
  state.counters["blocks_broken"] = double(level.blocksBroken());
  if (busyFrames == 0)
    state.SkipWithError("the cascade never had 100 blast pieces at once");
  LevelCatalogue::destroy();
}
BENCHMARK(BM_LevelUpdateBombCascade)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
