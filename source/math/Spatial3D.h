#pragma once
// Base of everything placed in space: one position, reached through virtual
// operations so that derived classes can react to moves.

#include "math/Vector3.h"

namespace math {

class Spatial3D {
public:
  virtual ~Spatial3D() = default;
  virtual Vector3 getPosition() const { return position; }
  virtual void setPosition(const Vector3 &p) { position = p; }
  virtual void setPosition(float x, float y, float z) { position.set(x, y, z); }

  Vector3 position;
};

} // namespace math
