// One idle frame of the main loop once the framework runs: the update (input
// dispatch, pending moves, pages, scripts, layers) and the render of the
// eight standard layers with their render groups, nothing in them, through a
// canvas that draws nothing. Reports nanoseconds per frame and the heap
// allocations made inside the frames, which must be none.

#include "../../tests/framework/NullCanvas.h"

#include "file/Database.h"
#include "framework/Framework.h"
#include "framework/InputState.h"
#include "framework/MainLoop.h"
#include "gui/PageFactory.h"
#include "video/LayerManager.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <new>

namespace {
// Counted only while frames run.
bool counting = false;
long allocations = 0;
} // namespace

// The replacements pair malloc with free; the compiler cannot see that they
// replace the whole family.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

void *operator new(std::size_t n) {
  if (counting)
    ++allocations;
  if (void *p = std::malloc(n ? n : 1))
    return p;
  throw std::bad_alloc();
}
void *operator new[](std::size_t n) { return operator new(n); }
void operator delete(void *p) noexcept { std::free(p); }
void operator delete[](void *p) noexcept { std::free(p); }
void operator delete(void *p, std::size_t) noexcept { std::free(p); }
void operator delete[](void *p, std::size_t) noexcept { std::free(p); }

namespace {

struct IdleApplication : Framework {
  String applicationName() override { return String(L"Idle"); }
  // Nothing to load: the frames measured are the running ones.
  uint32_t databaseLoadMask() override { return 0; }
};

// A steady 16 ms clock with the window active.
struct SteadyHost : framework::LoopHost {
  uint32_t now = 0;
  uint32_t milliseconds() override { return now += 16; }
  void sleep(unsigned int) override {}
  bool active(Framework &) override { return true; }
  void pumpEvents() override {}
};

void IdleFrame(benchmark::State &state) {
  auto *canvas = new testing_support::NullCanvas;
  video::Canvas::setInstance(canvas);
  auto *application = new IdleApplication;
  Framework::setInstance(application);
  application->setFixedRate(false);

  SteadyHost host;
  framework::MainLoop loop(host);
  // The load's lines are not what is measured.
  if (!freopen("/dev/null", "w", stderr))
    state.SkipWithError("standard error could not be silenced");
  application->setState(FRAMEWORK_LOADING);
  for (int frame = 0; frame < 100 && application->state() != FRAMEWORK_RUNNING; ++frame)
    loop.pass(*application);
  // A few frames to let every container reach its size.
  for (int frame = 0; frame < 10; ++frame)
    loop.pass(*application);
  if (application->state() != FRAMEWORK_RUNNING ||
      video::LayerManager::instance().layerCount() != 8)
    state.SkipWithError("the framework did not reach its running state");

  allocations = 0;
  counting = true;
  for (auto _ : state)
    loop.pass(*application);
  counting = false;
  state.counters["allocations_per_frame"] =
      benchmark::Counter(double(allocations) / double(state.iterations()));
  state.counters["frames_drawn"] = double(canvas->frames);

  Framework::destroyInstance();
  video::LayerManager::destroyInstance();
  GUI::PageFactory::destroyInstance();
  framework::InputState::destroyInstance();
  video::Canvas::destroyInstance();
  Database::releaseRegistry();
}
BENCHMARK(IdleFrame);

} // namespace
