#pragma once
// A simulation that owns what it holds, for the physics benchmarks.

#include "physics/Simulation.h"
#include "physics/Structure3D.h"
#include "physics/WorldGeometry.h"
#include "support/AllocationCount.h"

#include <benchmark/benchmark.h>

struct SteppedWorld {
  physics::Simulation simulation;

  SteppedWorld() = default;
  SteppedWorld(const SteppedWorld &) = delete;
  SteppedWorld &operator=(const SteppedWorld &) = delete;
  ~SteppedWorld() {
    for (uint32_t i = 0; i < simulation.structures.size(); ++i)
      delete simulation.structures[i];
    for (uint32_t i = 0; i < simulation.geometries.size(); ++i)
      delete simulation.geometries[i];
  }

  void step(float previousStepTime, float stepTime) { simulation.step(previousStepTime, stepTime); }

  // One step of stepTime per benchmark iteration, counting the heap
  // allocations made inside the steps alone; gives the number of steps.
  long timeSteps(benchmark::State &state, float stepTime, float previousStepTime = 0) {
    allocationCount = 0;
    long steps = 0;
    for (auto _ : state) {
      allocationCounting = true;
      step(previousStepTime, stepTime);
      allocationCounting = false;
      previousStepTime = stepTime;
      ++steps;
    }
    state.counters["allocations/step"] = double(allocationCount) / double(steps);
    return steps;
  }
};
