#pragma once
// Drags set each atom's drag damping, which the integration multiplies into
// the velocity keep factor.

namespace physics {

class Structure3D;

class Drag3D {
public:
  bool enabled = true;

  virtual ~Drag3D() = default;
  virtual void apply(Structure3D &structure, float stepTime) = 0;

  void applyIfEnabled(Structure3D &structure, float stepTime) {
    if (enabled)
      apply(structure, stepTime);
  }
};

// Slows atoms in proportion to the share of their surface under water.
class Drag3DSea : public Drag3D {
public:
  // A y coordinate.
  float seaLevel;
  // The keep factor fully under water.
  float damping;

  Drag3DSea(float seaLevel, float damping) : seaLevel(seaLevel), damping(damping) {}
  void apply(Structure3D &structure, float stepTime) override;
};

} // namespace physics
