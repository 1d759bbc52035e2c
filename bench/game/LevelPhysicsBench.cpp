// The game's collision shapes under load. A level's simulation: a round room
// of 48 straight walls, 20 posts and the floor plane, with the ball and 60
// debris structures rolling under a tilt (the blocks are collided through
// the level's grid, not the simulation); microseconds and heap allocations
// per step (the step must allocate nothing). Beside it the wall contact test
// alone, which every atom of the room's region asks each collision pass, and
// a spark system of 64 sparks homing on a moving target.

#include "engine/Atomic.h"
#include "engine/CylinderGeometry.h"
#include "engine/GameCategories.h"
#include "engine/Level.h"
#include "engine/SparkListener.h"
#include "engine/SparkSystem.h"
#include "engine/TumblixStructureOwner.h"
#include "engine/WallSet.h"
#include "file/BinaryPrimitives.h"
#include "file/BufferBinary.h"
#include "math/Random.h"

#include "support/AllocationCounter.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <vector>

namespace {

using math::Vector3;

constexpr int kWalls = 48;
constexpr float kRoom = 40.0f;
constexpr float kStep = 1 / 30.0f;

math::Vector2 roomCorner(int i) {
  const double a = 2.0 * 3.14159265358979 * double(i % kWalls) / kWalls;
  return math::Vector2(float(kRoom * std::cos(a)), float(kRoom * std::sin(a)));
}

math::Vector2 wallDirection(int i) {
  math::Vector2 d = roomCorner(i + 1) - roomCorner(i);
  d.normalize();
  return d;
}

// A wall set record of a convex room: each corner's zone plane bisects the
// turn there; each wall faces the inside.
file::BufferBinary roomRecord() {
  file::BufferBinary out;
  file::write(uint32_t(kWalls), out);
  for (int i = 0; i < kWalls; ++i) {
    file::write(int(std::lround(roomCorner(i).x / 3)), out);
    file::write(int(std::lround(roomCorner(i).y / 3)), out);
  }
  for (int i = 0; i < kWalls; ++i)
    file::write(Vector3(), out);
  file::write(uint32_t(kWalls), out);
  for (int i = 0; i < kWalls; ++i) {
    const math::Vector2 p = roomCorner(i);
    math::Vector2 zone = wallDirection(i + kWalls - 1) + wallDirection(i);
    zone.normalize();
    const math::Vector2 d = wallDirection(i);
    file::write(uint8_t(WallEdge::STRAIGHT), out);
    for (float f : {p.x, p.y, zone.x, zone.y, -d.y, d.x})
      file::write(f, out);
  }
  file::write(0u, out);
  file::write(0u, out);
  out.seek(0);
  return out;
}

struct Body : Atomic, TumblixStructureOwner {
  explicit Body(float radius) : Atomic(1) {
    m_structure.setOwner(this);
    atom().radius = radius;
    atom().bounce = 0.75f;
  }
};

struct Room {
  Level level{nullptr};
  WallSet walls{level, 0};
  std::vector<std::unique_ptr<CylinderGeometry>> posts;
  std::vector<std::unique_ptr<Atomic>> bodies;

  Room() {
    file::BufferBinary record = roomRecord();
    walls.read(record);
    Random random(7);
    for (int i = 0; i < 20; ++i) {
      auto post = std::make_unique<CylinderGeometry>(1.1f);
      post->transform.translation =
          Vector3(3.0f * float(random.nextInt(-9, 9)), 3.0f * float(random.nextInt(-9, 9)), 0);
      post->category = CATEGORY_SOLID;
      level.simulation().addGeometry(post.get());
      posts.push_back(std::move(post));
    }
    bodies.push_back(std::make_unique<Body>(1.45f));
    for (int i = 0; i < 60; ++i)
      bodies.push_back(std::make_unique<Atomic>(1));
    for (size_t i = 0; i < bodies.size(); ++i) {
      bodies[i]->setPosition(
          Vector3(random.nextFloat(-30, 30), random.nextFloat(-30, 30), random.nextFloat(0, 2)));
      level.simulation().addStructure(&bodies[i]->structure());
    }
  }
  ~Room() { level.simulation().clear(); }
};

void LevelPhysicsStep(benchmark::State &state) {
  Room room;
  const Vector3 tilt(0.3f, -0.6f, -0.7f);
  allocationCount = 0;
  long steps = 0;
  for (auto _ : state) {
    for (auto &body : room.bodies)
      body->structure().pendingAcceleration = tilt * 200.0f;
    allocationCounting = true;
    room.level.simulation().step(kStep, kStep);
    allocationCounting = false;
    ++steps;
  }
  state.counters["allocations/step"] = double(allocationCount) / double(steps);
}
BENCHMARK(LevelPhysicsStep)->Iterations(2000)->Unit(benchmark::kMicrosecond);

void WallContact(benchmark::State &state) {
  Room room;
  Random random(3);
  std::vector<Vector3> points;
  for (int i = 0; i < 1024; ++i)
    points.push_back(Vector3(random.nextFloat(-45, 45), random.nextFloat(-45, 45), 0));
  long contacts = 0, tests = 0;
  size_t next = 0;
  for (auto _ : state) {
    Vector3 resolved;
    WallEdge edge;
    contacts += room.walls.contact(points[next], resolved, edge) ? 1 : 0;
    next = (next + 1) % points.size();
    ++tests;
  }
  state.counters["contact share"] = double(contacts) / double(tests);
}
BENCHMARK(WallContact);

struct Reemit : video::SparkListener {
  video::SparkSystem *system = nullptr;
  void onSparkArrived(video::Spark &) override { system->emit(1, Vector3(20, 0, 0)); }
};

void SparksHoming(benchmark::State &state) {
  Random::globalSeed(1);
  video::SparkSystem sparks;
  sparks.turnRate = 400;
  Reemit reemit;
  reemit.system = &sparks;
  sparks.addListener(&reemit);
  sparks.emit(64, Vector3(20, 0, 0));
  float t = 0;
  for (auto _ : state) {
    t += kStep;
    sparks.position = Vector3(10 * std::cos(t), 10 * std::sin(t), 0);
    sparks.update(kStep);
  }
  state.counters["sparks"] = double(sparks.sparkCount());
}
BENCHMARK(SparksHoming)->Unit(benchmark::kMicrosecond);

} // namespace
