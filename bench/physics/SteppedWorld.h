#pragma once
// The world both physics benchmarks step, as a level steps it: integrate every
// structure, three passes of collisions each followed by the structure's
// constraints (structures that collide with nothing skip the geometries),
// then the speed clamps. The world owns what it holds.

#include "container/Vector.h"
#include "physics/Structure3D.h"
#include "physics/WorldGeometry.h"

struct SteppedWorld {
  container::Vector<physics::WorldGeometry *> geometries;
  container::Vector<physics::Structure3D *> structures;

  SteppedWorld() = default;
  SteppedWorld(const SteppedWorld &) = delete;
  SteppedWorld &operator=(const SteppedWorld &) = delete;
  ~SteppedWorld() {
    for (uint32_t i = 0; i < structures.size(); ++i)
      delete structures[i];
    for (uint32_t i = 0; i < geometries.size(); ++i)
      delete geometries[i];
  }

  void step(float previousStepTime, float stepTime) {
    for (uint32_t i = 0; i < structures.size(); ++i) {
      physics::Structure3D &s = *structures[i];
      s.clearContactFlags();
      s.accumulateAccelerations(previousStepTime, stepTime);
      s.applyDrag(stepTime);
      s.integrate(previousStepTime, stepTime);
    }
    for (int pass = 0; pass < 3; ++pass) {
      for (uint32_t i = 0; i < structures.size(); ++i) {
        physics::Structure3D &s = *structures[i];
        if ((s.senseMask | s.slideMask | s.bounceMask) != 0)
          for (uint32_t g = 0; g < geometries.size(); ++g)
            geometries[g]->collide(s);
        s.applyConstraints();
      }
    }
    for (uint32_t i = 0; i < structures.size(); ++i)
      structures[i]->clampAxisSpeed(stepTime);
  }
};
