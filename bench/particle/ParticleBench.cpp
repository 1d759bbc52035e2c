// Particle systems of 128 living particles each, 10 or 50 of them: the
// update alone, and a frame (update, then drawing through the canvas in the
// headless OpenGL ES context) as billboards or as point sprites. The counters
// split a frame into the update (update_us), the engine's drawing up to the
// last batch handed to the GL (draw_us) and the wait for the rasteriser
// (finish_us), and count the heap allocations per frame, which must be none.

#include "support/AllocationCount.h"
#include "support/HeadlessCanvas.h"

#include "billboard/Billboard3D.h"
#include "math/Random.h"
#include "particle/Emitter.h"
#include "particle/EmitterDefinition.h"
#include "particle/MoverLinear.h"
#include "particle/ParticleSystem.h"
#include "particle/ParticleSystemDefinition.h"
#include "particle/SpoutBox.h"
#include "texture/TextureSimple.h"

#include <GLES/gl.h>
#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// A white 16 x 16 texture; a definition whose emitter keeps its whole pool
// alive (each emission takes the oldest slot) and moves it every update.
struct Scene {
  TextureSimple *texture = nullptr;
  ParticleSystemDefinition definition{Symbol::intern(L"benchParticles")};
  EmitterDefinition *emitter = new EmitterDefinition;
  std::vector<std::unique_ptr<ParticleSystem>> systems;

  Scene() {
    testing_support::headlessCanvas();
    texture = testing_support::whiteTexture(L"benchSpark");
    emitter->billboard = new Billboard3D(texture);
    emitter->billboard->size = math::Vector2(6, 6);
    auto *box = new SpoutBox;
    box->extents = math::Vector3(140, 220, 0);
    emitter->spout = box;
    auto *mover = new MoverLinear;
    mover->drag = 0.9f;
    mover->acceleration = math::Vector3(0, -20, 0);
    emitter->mover = mover;
    emitter->randomInitialVelocity = 30.0f;
    emitter->initialParticles = Emitter::PoolSize;
    emitter->particleLifespan = 1.0e6f;
    definition.emitters.push(emitter);
  }

  void updateAll() {
    for (auto &system : systems)
      system->update(1.0f / 30.0f);
  }

  void make(int count, bool pointSprites) {
    emitter->pointSpritesEnabled = pointSprites;
    Random::globalSeed(11);
    systems.clear();
    for (int i = 0; i < count; ++i)
      systems.emplace_back(definition.instantiate(math::Vector3(160, 240, 0), 0.0f));
  }
};

Scene &scene() {
  static Scene *s = new Scene;
  return *s;
}

double seconds(Clock::time_point a, Clock::time_point b) {
  return std::chrono::duration<double>(b - a).count();
}

void report(benchmark::State &state, double update, double draw, double finish) {
  double n = double(state.iterations());
  state.counters["update_us"] = update / n * 1e6;
  state.counters["draw_us"] = draw / n * 1e6;
  state.counters["finish_us"] = finish / n * 1e6;
  state.counters["allocations_per_frame"] = double(allocationCount) / n;
  state.counters["live_particles"] =
      double(scene().systems.size() * scene().systems[0]->emitter(0).liveCount());
}

void BM_ParticleUpdate(benchmark::State &state) {
  Scene &s = scene();
  s.make(int(state.range(0)), false);
  double update = 0;
  allocationCount = 0;
  for (auto _ : state) {
    Clock::time_point start = Clock::now();
    allocationCounting = true;
    s.updateAll();
    allocationCounting = false;
    update += seconds(start, Clock::now());
  }
  report(state, update, 0, 0);
}
BENCHMARK(BM_ParticleUpdate)->Arg(10)->Arg(50)->Unit(benchmark::kMicrosecond);

void frames(benchmark::State &state, bool pointSprites) {
  Scene &s = scene();
  s.make(int(state.range(0)), pointSprites);
  video::Canvas &canvas = testing_support::headlessCanvas();
  double update = 0, draw = 0, finish = 0;
  // One frame first: the texture's upload and the buffers' first growth.
  canvas.beginFrame();
  for (auto &system : s.systems)
    system->render(canvas);
  canvas.endFrame();
  allocationCount = 0;
  for (auto _ : state) {
    Clock::time_point start = Clock::now();
    allocationCounting = true;
    s.updateAll();
    Clock::time_point updated = Clock::now();
    canvas.beginFrame();
    canvas.resetMatrices();
    canvas.setScreenProjection(320.0f, 480.0f);
    canvas.clear(video::Canvas::CLEAR_COLOR);
    for (auto &system : s.systems)
      system->render(canvas);
    canvas.flush();
    allocationCounting = false;
    Clock::time_point drawn = Clock::now();
    glFinish();
    canvas.endFrame();
    update += seconds(start, updated);
    draw += seconds(updated, drawn);
    finish += seconds(drawn, Clock::now());
  }
  report(state, update, draw, finish);
}

void BM_ParticleFrameBillboards(benchmark::State &state) { frames(state, false); }
BENCHMARK(BM_ParticleFrameBillboards)->Arg(10)->Arg(50)->Unit(benchmark::kMillisecond);

void BM_ParticleFramePointSprites(benchmark::State &state) { frames(state, true); }
BENCHMARK(BM_ParticleFramePointSprites)->Arg(10)->Arg(50)->Unit(benchmark::kMillisecond);

} // namespace
