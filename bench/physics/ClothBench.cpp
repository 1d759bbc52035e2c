// A 32 x 32 cloth (1,024 atoms, 1,984 sticks, two pinned corners) under
// gravity, stepped by the simulation; beside it, the same arithmetic on flat
// arrays, the floor that the structure's step is measured against. The
// reference is checked to give the same bits before it is timed.

#include "physics/Acceleration3D.h"
#include "physics/DistanceConstraints.h"
#include "physics/Simulation.h"
#include "physics/Structure3D.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstring>
#include <vector>

namespace {

using math::Vector3;

constexpr uint32_t kSide = 32;
constexpr float kSpacing = 0.1f;
constexpr float kDamping = 0.98f;
const Vector3 kGravity(0, -9.8f, 0.5f);
constexpr float kStep = 1 / 60.0f;

struct Stick {
  uint32_t a, b;
  float length;
};

std::vector<Stick> clothSticks() {
  std::vector<Stick> sticks;
  for (uint32_t row = 0; row < kSide; ++row)
    for (uint32_t col = 0; col < kSide; ++col) {
      const uint32_t i = row * kSide + col;
      if (col + 1 < kSide)
        sticks.push_back({i, i + 1, kSpacing});
      if (row + 1 < kSide)
        sticks.push_back({i, i + kSide, kSpacing});
    }
  return sticks;
}

Vector3 clothPoint(uint32_t i) {
  return Vector3(kSpacing * float(i % kSide), 2, kSpacing * float(i / kSide));
}

bool pinnedPoint(uint32_t i) { return i == 0 || i == kSide - 1; }

struct Cloth {
  physics::Structure3D structure;
  physics::Simulation simulation;

  Cloth() {
    structure.setAtomCount(kSide * kSide);
    for (uint32_t i = 0; i < kSide * kSide; ++i) {
      physics::Atom &atom = structure.getAtom(i);
      atom.resetPosition(clothPoint(i));
      atom.damping = kDamping;
      atom.pinned = pinnedPoint(i) ? 1 : 0;
    }
    for (const Stick &s : clothSticks())
      structure.addConstraint(new physics::Constraint3DStick(s.a, s.b, s.length, 0));
    structure.addAcceleration(new physics::Acceleration3DVector(kGravity));
    simulation.addStructure(&structure);
  }
};

// The same cloth as plain arrays: one record per atom, one per stick.
struct FlatCloth {
  struct Point {
    float x, y, z, px, py, pz, ax, ay, az;
    float factor, mass, damping, dragDamping;
    uint32_t flags, pinned;
  };
  std::vector<Point> points;
  std::vector<Stick> sticks = clothSticks();

  FlatCloth() {
    for (uint32_t i = 0; i < kSide * kSide; ++i) {
      const Vector3 p = clothPoint(i);
      points.push_back(
          {p.x, p.y, p.z, p.x, p.y, p.z, 0, 0, 0, 1, 1, kDamping, 1, 0, pinnedPoint(i) ? 1u : 0u});
    }
  }

  void step(float previous, float t) {
    const float timeSquared = t * t;
    for (Point &p : points) {
      p.flags = 0;
      p.ax = (0 + kGravity.x) * p.factor * timeSquared;
      p.ay = (0 + kGravity.y) * p.factor * timeSquared;
      p.az = (0 + kGravity.z) * p.factor * timeSquared;
    }
    const float ratio = previous > 0 ? t / previous : 1.0f;
    // Every atom has the same keep factor: one power per step.
    const float keep = float(std::pow(double(kDamping * 1.0f), double(t)));
    for (Point &p : points) {
      if (p.pinned == 1)
        continue;
      const float vx = (p.x - p.px) * ratio * keep + p.ax;
      const float vy = (p.y - p.py) * ratio * keep + p.ay;
      const float vz = (p.z - p.pz) * ratio * keep + p.az;
      p.px = p.x;
      p.py = p.y;
      p.pz = p.z;
      p.x += vx;
      p.y += vy;
      p.z += vz;
    }
    for (const Stick &s : sticks) {
      Point &a = points[s.a];
      Point &b = points[s.b];
      if (a.pinned == 1 || b.pinned == 1)
        continue;
      float vx = b.x - a.x, vy = b.y - a.y, vz = b.z - a.z;
      const float x = vx * vx + vy * vy + vz * vz;
      if (x == s.length * s.length)
        continue;
      if (x != 0) {
        const float root = std::sqrt(x);
        const float f = (s.length - root) / root;
        vx *= f;
        vy *= f;
        vz *= f;
      } else {
        vx = 0;
        vy = -s.length;
        vz = 0;
      }
      const float total = a.mass + b.mass;
      const float w = total == 0 ? 0.5f : a.mass / total;
      const float u = 1 - w;
      a.x -= vx * u;
      a.y -= vy * u;
      a.z -= vz * u;
      b.x += vx * w;
      b.y += vy * w;
      b.z += vz * w;
    }
  }
};

bool sameBits(const Cloth &cloth, const FlatCloth &flat) {
  for (uint32_t i = 0; i < kSide * kSide; ++i) {
    const physics::Atom &a = cloth.structure.getAtom(i);
    const FlatCloth::Point &p = flat.points[i];
    const float mine[6] = {a.position.x,         a.position.y,         a.position.z,
                           a.previousPosition.x, a.previousPosition.y, a.previousPosition.z};
    const float theirs[6] = {p.x, p.y, p.z, p.px, p.py, p.pz};
    if (std::memcmp(mine, theirs, sizeof mine) != 0)
      return false;
  }
  return true;
}

void ClothStep(benchmark::State &state) {
  Cloth cloth;
  float previous = 0;
  for (auto _ : state) {
    cloth.simulation.step(previous, kStep);
    previous = kStep;
  }
  state.SetItemsProcessed(state.iterations() * kSide * kSide);
}
BENCHMARK(ClothStep)->Unit(benchmark::kMicrosecond);

void ClothStepFlatReference(benchmark::State &state) {
  {
    Cloth cloth;
    FlatCloth flat;
    float previous = 0;
    for (int i = 0; i < 100; ++i) {
      cloth.simulation.step(previous, kStep);
      flat.step(previous, kStep);
      previous = kStep;
    }
    if (!sameBits(cloth, flat)) {
      state.SkipWithError("the flat reference does not match the structure's step");
      return;
    }
  }
  FlatCloth flat;
  float previous = 0;
  for (auto _ : state) {
    flat.step(previous, kStep);
    previous = kStep;
    benchmark::DoNotOptimize(flat.points.data());
  }
  state.SetItemsProcessed(state.iterations() * kSide * kSide);
}
BENCHMARK(ClothStepFlatReference)->Unit(benchmark::kMicrosecond);

} // namespace
