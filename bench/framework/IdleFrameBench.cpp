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

#include "../AllocationCounter.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <new>


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

  allocationCount = 0;
  allocationCounting = true;
  for (auto _ : state)
    loop.pass(*application);
  allocationCounting = false;
  state.counters["allocations_per_frame"] =
      benchmark::Counter(double(allocationCount) / double(state.iterations()));
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
