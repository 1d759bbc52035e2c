#pragma once
// Acceleration fields: each adds, once per step, to every atom's acceleration
// in units per second squared; the structure then scales the sum by the
// atom's acceleration factor and the step time squared. Pinned atoms are
// treated like the others (integration ignores them anyway).

#include "math/Vector3.h"

namespace physics {

class Structure3D;

class Acceleration3D {
public:
  bool enabled = true;

  virtual ~Acceleration3D() = default;
  virtual void update(float stepTime) { (void)stepTime; }
  virtual void apply(Structure3D &structure) = 0;

  void updateIfEnabled(float stepTime) {
    if (enabled)
      update(stepTime);
  }
  void applyIfEnabled(Structure3D &structure) {
    if (enabled)
      apply(structure);
  }
};

// A constant push.
class Acceleration3DVector : public Acceleration3D {
public:
  math::Vector3 vector;

  explicit Acceleration3DVector(const math::Vector3 &vector) : vector(vector) {}
  void apply(Structure3D &structure) override;
};

// Inverse-square pull toward a point; a negative strength pushes away.
class Acceleration3DAttractor : public Acceleration3D {
public:
  float strength;
  math::Vector3 position;

  Acceleration3DAttractor(float strength, const math::Vector3 &position)
      : strength(strength), position(position) {}
  void apply(Structure3D &structure) override;
};

// Gravity along -y with buoyancy below a water level (a y coordinate).
class Acceleration3DGravitySea : public Acceleration3D {
public:
  float gravity;
  float seaLevel;
  // Of the water.
  float density;

  Acceleration3DGravitySea(float gravity, float seaLevel, float density)
      : gravity(gravity), seaLevel(seaLevel), density(density) {}
  void apply(Structure3D &structure) override;
};

} // namespace physics
