#pragma once
// What the spokes' geometry reads of its fire each step: the hub, how far
// the spokes reach, and where their tips stand now.

#include "container/Vector.h"
#include "math/Vector3.h"

class FireSpokes {
public:
  virtual ~FireSpokes() = default;
  virtual math::Vector3 hubPosition() const = 0;
  // No sphere farther than this plus its radius from the hub is tested.
  virtual float reach() const = 0;
  // World positions.
  virtual const container::Vector<math::Vector3> &spokeTips() const = 0;
};
