#pragma once
// A simulation that owns what it holds, for the physics benchmarks.

#include "physics/Simulation.h"
#include "physics/Structure3D.h"
#include "physics/WorldGeometry.h"

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
};
