#pragma once
// Base of everything placed in the plane: one position, reached through
// virtual operations so that derived classes can react to moves.

#include "math/Vector2.h"

namespace math {

class Spatial2D {
public:
  virtual ~Spatial2D() = default;
  virtual Vector2 getPosition() const { return position; }
  virtual void setPosition(const Vector2 &p) { position = p; }
  virtual void setPosition(float x, float y) { position.set(x, y); }

  Vector2 position;
};

} // namespace math
