// Ground and solid shapes at level size: a 64 x 64 height map (80 x 80 units
// of rolling noise) under a ball and 200 debris atoms, with 100 boxes and 100
// wedges on it, stepped by the simulation; then the height map's
// own queries (projection, downward picks, sphere push-out), its rebuild,
// and the noise that shapes it.

#include "math/HeightMap.h"
#include "math/Noise.h"
#include "math/Random.h"
#include "physics/Acceleration3D.h"
#include "physics/Box.h"
#include "physics/DistanceConstraints.h"
#include "physics/HeightMapGeometry.h"
#include "physics/Structure3D.h"
#include "physics/Wedge.h"

#include "SteppedWorld.h"

#include <benchmark/benchmark.h>

namespace {

using math::Vector3;
using physics::Structure3D;
using physics::WorldGeometry;

constexpr int kGrid = 64;
const Vector3 kSpacing(1.25f, 4, 1.25f);

HeightMap makeGround() {
  HeightMap map(math::Size2i(kGrid, kGrid), kSpacing);
  for (int i = 0; i < kGrid; ++i)
    for (int j = 0; j < kGrid; ++j)
      map.setHeight(i, j,
                    0.5f + 0.5f * math::fractalNoise(Vector3(i * 0.09f, 0.5f, j * 0.09f), 3, 0.5f));
  map.rebuildVertices();
  map.chooseDiagonals();
  return map;
}

struct ContactCounter : physics::ContactListener {
  long contacts = 0;
  void onContact(WorldGeometry *, Structure3D *, int) override { ++contacts; }
};

struct TerrainWorld : SteppedWorld {
  HeightMap ground = makeGround();
  ContactCounter counter;

  // A random point on the ground, lifted by the given height.
  Vector3 above(Random &random, float lift) {
    const float half = kSpacing.x * (kGrid - 1) / 2 - 1;
    Vector3 p(random.nextFloat(-half, half), 0, random.nextFloat(-half, half));
    float h = 0;
    ground.project(p, &h, nullptr);
    p.y = h + lift;
    return p;
  }

  explicit TerrainWorld(bool projection) {
    Random random(4321);
    auto *terrain = new physics::HeightMapGeometry(&ground);
    terrain->useProjection = projection;
    terrain->addContactListener(&counter);
    simulation.addGeometry(terrain);
    for (int i = 0; i < 200; ++i) {
      WorldGeometry *g;
      if (i % 2) {
        auto *box = new physics::Box(Vector3(), Vector3(1, 0.5f, 1));
        box->transform.translation = above(random, 0.4f);
        box->transform.angle = float(i * 7 % 90);
        g = box;
      } else {
        auto *wedge = new physics::Wedge(above(random, 0.4f), Vector3(1, 0.5f, 1));
        wedge->slopeNormal = Vector3(-0.5f, 1, 0);
        wedge->slopeNormal.normalize();
        g = wedge;
      }
      g->addContactListener(&counter);
      simulation.addGeometry(g);
    }

    auto *ball = new Structure3D();
    ball->setAtomCount(8);
    const Vector3 start = above(random, 3);
    for (uint32_t i = 0; i < 8; ++i) {
      physics::Atom &atom = ball->getAtom(i);
      atom.resetPosition(
          start + Vector3((i & 1) ? 0.5f : -0.5f, (i & 2) ? 0.5f : -0.5f, (i & 4) ? 0.5f : -0.5f));
      atom.radius = 0.3f;
      atom.bounce = 0.6f;
      atom.slide = 0.9f;
    }
    for (uint32_t i = 0; i < 8; ++i)
      for (uint32_t j = i + 1; j < 8; ++j)
        ball->addConstraint(new physics::Constraint3DStick(
            i, j, (ball->getAtom(j).position - ball->getAtom(i).position).length(), 0));
    ball->addAcceleration(new physics::Acceleration3DVector(Vector3(3, -9.8f, 1)));
    ball->bounceMask = physics::CATEGORY_ALL;
    simulation.addStructure(ball);

    for (int i = 0; i < 200; ++i) {
      auto *chunk = new Structure3D();
      chunk->setAtomCount(1);
      chunk->getAtom(0).resetPosition(above(random, random.nextFloat(0.1f, 3)));
      chunk->getAtom(0).radius = 0.2f;
      chunk->getAtom(0).bounce = 0.3f;
      chunk->addAcceleration(new physics::Acceleration3DVector(Vector3(0, -9.8f, 0)));
      if (i % 3 == 0)
        chunk->bounceMask = physics::CATEGORY_ALL;
      else
        chunk->slideMask = physics::CATEGORY_ALL;
      simulation.addStructure(chunk);
    }
  }
};

// Argument 1: projection mode; 0: the faces and edges of the triangles.
void TerrainWorldStep(benchmark::State &state) {
  TerrainWorld world(state.range(0) != 0);
  float previous = 0;
  long steps = 0;
  for (auto _ : state) {
    world.step(previous, 1 / 30.0f);
    previous = 1 / 30.0f;
    ++steps;
  }
  state.counters["contacts/step"] = double(world.counter.contacts) / double(steps);
}
BENCHMARK(TerrainWorldStep)->Arg(1)->Arg(0)->Iterations(1000)->Unit(benchmark::kMicrosecond);

constexpr int kQueries = 10000;

// Points spread over the map and a little beyond it.
container::Vector<Vector3> queryPoints() {
  Random random(99);
  container::Vector<Vector3> points;
  const float reach = kSpacing.x * kGrid / 2 + 2;
  for (int i = 0; i < kQueries; ++i)
    points.push(Vector3(random.nextFloat(-reach, reach), random.nextFloat(-1, 5),
                        random.nextFloat(-reach, reach)));
  return points;
}

void HeightMapProject(benchmark::State &state) {
  const HeightMap ground = makeGround();
  const container::Vector<Vector3> points = queryPoints();
  for (auto _ : state) {
    float sum = 0;
    for (const Vector3 &p : points) {
      float h = 0;
      ground.project(p, &h, nullptr);
      sum += h;
    }
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(state.iterations() * kQueries);
}
BENCHMARK(HeightMapProject);

// Picking: straight down, and slanted across several cells.
void HeightMapPick(benchmark::State &state) {
  const HeightMap ground = makeGround();
  const container::Vector<Vector3> points = queryPoints();
  const Vector3 offset = state.range(0) ? Vector3(6, -20, 3) : Vector3(0, -20, 0);
  Vector3 direction = offset;
  direction.normalize();
  long hits = 0;
  for (auto _ : state) {
    for (const Vector3 &p : points) {
      Vector3 hit;
      const Vector3 start = p + Vector3(0, 10, 0);
      hits += ground.intersectSegment(start, start + offset, direction, hit);
    }
  }
  state.counters["hit share"] = double(hits) / double(state.iterations() * kQueries);
  state.SetItemsProcessed(state.iterations() * kQueries);
}
BENCHMARK(HeightMapPick)->Arg(0)->Arg(1);

void HeightMapResolveSphere(benchmark::State &state) {
  const HeightMap ground = makeGround();
  const container::Vector<Vector3> points = queryPoints();
  const HeightMap::Triangle *triangles[32];
  const HeightMap::Edge *edges[32];
  for (auto _ : state) {
    Vector3 sum;
    for (const Vector3 &p : points)
      sum += ground.resolveSphere(math::Sphere(p, 0.5f), triangles, 32, edges, 32);
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(state.iterations() * kQueries);
}
BENCHMARK(HeightMapResolveSphere);

void HeightMapRebuild(benchmark::State &state) {
  HeightMap ground = makeGround();
  for (auto _ : state) {
    ground.rebuildVertices();
    ground.chooseDiagonals();
    benchmark::DoNotOptimize(ground.normals());
  }
}
BENCHMARK(HeightMapRebuild)->Unit(benchmark::kMicrosecond);

void GradientNoise(benchmark::State &state) {
  for (auto _ : state) {
    float sum = 0;
    for (int i = 0; i < kQueries; ++i)
      sum += math::perlinNoise(Vector3(i * 0.013f, i * 0.007f, i * 0.0031f));
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(state.iterations() * kQueries);
}
BENCHMARK(GradientNoise);

} // namespace
