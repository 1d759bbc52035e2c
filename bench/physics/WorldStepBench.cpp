// Simulation steps. A level-sized world: an 8-atom ball held by its
// constraints, 200 one-atom debris structures and 300 geometries; ten
// 50-atom structures among 20 geometries; and debris strewn over a plane
// among static shapes at three sizes, up to 2,000 debris and 3,000 shapes,
// whose time should follow the number of contacts. Each reports
// microseconds per step and the heap allocations made inside the steps,
// which must be none.

#include "math/Random.h"
#include "physics/Acceleration3D.h"
#include "physics/Box.h"
#include "physics/Capsule.h"
#include "physics/DistanceConstraints.h"
#include "physics/Drag3D.h"
#include "physics/Plane.h"
#include "physics/PointConstraints.h"
#include "physics/Sphere.h"
#include "physics/Structure3D.h"
#include "physics/Wedge.h"

#include "support/AllocationCounter.h"

#include "SteppedWorld.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

using math::Vector3;
using physics::Structure3D;
using physics::WorldGeometry;

// Counts contacts the way a game object listens for them.
struct ContactCounter : physics::ContactListener, physics::BounceListener {
  long contacts = 0, bounces = 0;
  void onContact(WorldGeometry *, Structure3D *, int) override { ++contacts; }
  void onBounce(const physics::BounceEvent &) override { ++bounces; }
};

struct World : SteppedWorld {
  ContactCounter counter;

  World() {
    Random random(1234);
    auto at = [&random](float low, float high) {
      return Vector3(random.nextFloat(low, high), random.nextFloat(0.5f, 3),
                     random.nextFloat(low, high));
    };

    // The ball: a cube of atoms held by sticks along every pair.
    auto *ball = new Structure3D();
    ball->setAtomCount(8);
    for (uint32_t i = 0; i < 8; ++i) {
      physics::Atom &atom = ball->getAtom(i);
      atom.resetPosition(
          Vector3((i & 1) ? 0.5f : -0.5f, 4 + ((i & 2) ? 0.5f : -0.5f), (i & 4) ? 0.5f : -0.5f));
      atom.radius = 0.3f;
      atom.bounce = 0.6f;
      atom.slide = 0.9f;
      atom.damping = 0.95f;
    }
    for (uint32_t i = 0; i < 8; ++i)
      for (uint32_t j = i + 1; j < 8; ++j)
        ball->addConstraint(new physics::Constraint3DStick(
            i, j, (ball->getAtom(j).position - ball->getAtom(i).position).length(), 0));
    ball->addAcceleration(new physics::Acceleration3DVector(Vector3(3, -9.8f, 1)));
    ball->setDrag(new physics::Drag3DSea(0.2f, 0.8f));
    ball->bounceMask = physics::CATEGORY_ALL;
    ball->axisMask = 5;
    ball->targetSpeed = 6;
    ball->speedRange = 8;
    ball->addContactListener(&counter);
    ball->addBounceListener(&counter);
    simulation.addStructure(ball);

    // Debris: single atoms, some on ropes to pins, some buoyant.
    for (int i = 0; i < 200; ++i) {
      auto *chunk = new Structure3D();
      chunk->setAtomCount(1);
      chunk->getAtom(0).resetPosition(at(-40, 40) + Vector3(0, 3, 0));
      chunk->getAtom(0).radius = 0.2f;
      chunk->getAtom(0).bounce = 0.3f;
      if (i % 2)
        chunk->addAcceleration(new physics::Acceleration3DGravitySea(9.8f, 0.5f, 0.5f));
      else
        chunk->addAcceleration(new physics::Acceleration3DVector(Vector3(0, -9.8f, 0)));
      if (i % 5 == 0)
        chunk->addConstraint(new physics::Constraint3DPendulum(
            0, chunk->getAtom(0).position + Vector3(0, 2, 0), 2, true, 1));
      if (i % 3 == 0)
        chunk->bounceMask = physics::CATEGORY_OBSTACLE;
      else
        chunk->slideMask = physics::CATEGORY_ALL;
      chunk->addContactListener(&counter);
      simulation.addStructure(chunk);
    }

    // The level: a floor, then blocks, posts, rails and ramps.
    simulation.addGeometry(new physics::Plane());
    for (int i = 1; i < 300; ++i) {
      const Vector3 p = at(-40, 40);
      WorldGeometry *g;
      switch (i % 5) {
      case 0:
        g = new physics::Sphere(p, 0.8f);
        break;
      case 1:
        g = new physics::Capsule(math::Capsule(p, p + Vector3(3, 0, 0), 0.4f));
        break;
      case 2: {
        auto *wedge = new physics::Wedge(p, Vector3(1, 0.5f, 1));
        wedge->slopeNormal = Vector3(-0.5f, 1, 0);
        wedge->slopeNormal.normalize();
        g = wedge;
        break;
      }
      default: {
        auto *box = new physics::Box(Vector3(), Vector3(1, 0.5f, 1));
        box->transform.translation = p;
        box->transform.angle = float(i * 7 % 90);
        g = box;
      }
      }
      g->addContactListener(&counter);
      simulation.addGeometry(g);
    }
  }
};

void WorldStep(benchmark::State &state) {
  World world;
  const long steps = world.timeSteps(state, 1 / 30.0f);
  state.counters["contacts/step"] = double(world.counter.contacts) / double(steps);
  state.counters["bounces/step"] = double(world.counter.bounces) / double(steps);
}
BENCHMARK(WorldStep)->Iterations(1000)->Unit(benchmark::kMicrosecond);

// Ten chains of 50 atoms, each held by a rope and its spacing, falling onto
// a floor with 19 shapes on it.
struct ChainWorld : SteppedWorld {
  ContactCounter counter;

  ChainWorld() {
    Random random(77);
    simulation.addGeometry(new physics::Plane());
    for (int i = 1; i < 20; ++i) {
      const Vector3 p(random.nextFloat(-8, 8), random.nextFloat(0, 2), random.nextFloat(-8, 8));
      WorldGeometry *g;
      if (i % 2)
        g = new physics::Sphere(p, 1.2f);
      else
        g = new physics::Box(p, Vector3(1.5f, 0.5f, 1.5f));
      g->addContactListener(&counter);
      simulation.addGeometry(g);
    }
    for (int c = 0; c < 10; ++c) {
      auto *chain = new Structure3D();
      chain->setAtomCount(50);
      const Vector3 start(random.nextFloat(-8, 8), random.nextFloat(3, 6), random.nextFloat(-8, 8));
      for (uint32_t i = 0; i < 50; ++i) {
        chain->getAtom(i).resetPosition(start +
                                        Vector3(0.3f * float(i % 10), 0, 0.3f * float(i / 10)));
        chain->getAtom(i).radius = 0.15f;
        chain->getAtom(i).damping = 0.9f;
        chain->getAtom(i).bounce = 0.2f;
      }
      chain->addConstraint(new physics::Constraint3DRope(0, 49, 0.3f, 1));
      chain->addAcceleration(new physics::Acceleration3DVector(Vector3(0, -9.8f, 0)));
      chain->bounceMask = physics::CATEGORY_ALL;
      simulation.addStructure(chain);
    }
  }
};

void SimulationStep(benchmark::State &state) {
  ChainWorld world;
  const long steps = world.timeSteps(state, 1 / 60.0f);
  state.counters["contacts/step"] = double(world.counter.contacts) / double(steps);
}
BENCHMARK(SimulationStep)->Iterations(2000)->Unit(benchmark::kMicrosecond);

// Size k: 500 k debris and 750 k shapes on a square of 5,600 k square units,
// so the density, and the contacts per debris, stay the same.
struct DebrisField : SteppedWorld {
  ContactCounter counter;

  explicit DebrisField(int k) {
    Random random(555);
    const float half = 0.5f * std::sqrt(5600.0f * float(k));
    auto spot = [&random, half](float low, float high) {
      return Vector3(random.nextFloat(-half, half), random.nextFloat(low, high),
                     random.nextFloat(-half, half));
    };
    auto *floor = new physics::Plane();
    floor->addContactListener(&counter);
    simulation.addGeometry(floor);
    for (int i = 1; i < 750 * k; ++i) {
      const Vector3 p = spot(0, 0.5f);
      WorldGeometry *g;
      switch (i % 4) {
      case 0:
        g = new physics::Sphere(p, 0.8f);
        break;
      case 1:
        g = new physics::Capsule(math::Capsule(p, p + Vector3(2, 0, 0.5f), 0.3f));
        break;
      case 2: {
        auto *wedge = new physics::Wedge(Vector3(), Vector3(1, 0.5f, 1));
        wedge->slopeNormal = Vector3(-0.5f, 1, 0);
        wedge->slopeNormal.normalize();
        wedge->transform.translation = p;
        wedge->transform.angle = float(i * 13 % 360);
        g = wedge;
        break;
      }
      default: {
        auto *box = new physics::Box(Vector3(), Vector3(1, 0.5f, 0.7f));
        box->transform.translation = p;
        box->transform.angle = float(i * 7 % 90);
        g = box;
      }
      }
      g->addContactListener(&counter);
      simulation.addGeometry(g);
    }
    for (int i = 0; i < 500 * k; ++i) {
      auto *chunk = new Structure3D();
      chunk->setAtomCount(1);
      chunk->getAtom(0).resetPosition(spot(0.5f, 3));
      chunk->getAtom(0).radius = 0.3f;
      chunk->getAtom(0).bounce = 0.3f;
      chunk->getAtom(0).damping = 0.5f;
      chunk->addAcceleration(new physics::Acceleration3DVector(Vector3(0, -9.8f, 0)));
      if (i % 3 == 0)
        chunk->bounceMask = physics::CATEGORY_ALL;
      else
        chunk->slideMask = physics::CATEGORY_ALL;
      simulation.addStructure(chunk);
    }
  }
};

void DebrisFieldStep(benchmark::State &state) {
  DebrisField world(int(state.range(0)));
  // Let the debris land first.
  float previous = 0;
  for (int i = 0; i < 60; ++i) {
    world.step(previous, 1 / 60.0f);
    previous = 1 / 60.0f;
  }
  world.counter.contacts = 0;
  const long steps = world.timeSteps(state, 1 / 60.0f, previous);
  const double contacts = double(world.counter.contacts) / double(steps);
  state.counters["contacts/step"] = contacts;
  state.counters["structures"] = double(world.simulation.structures.size());
  state.counters["geometries"] = double(world.simulation.geometries.size());
}
BENCHMARK(DebrisFieldStep)->Arg(1)->Arg(2)->Arg(4)->Iterations(100)->Unit(benchmark::kMicrosecond);

} // namespace
