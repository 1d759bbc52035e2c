#pragma once
// One particle in its emitter's fixed pool. Its velocity is implicit: the
// difference between its location and its previous location per step.

#include "math/Vector2.h"
#include "math/Vector3.h"
#include "video/Renderable.h"

class Emitter;

class Particle : public video::Renderable3D {
public:
  // Drawn as its emitter's billboard.
  void render(video::Canvas &canvas) override { render3D(canvas, Symbol()); }
  void render3D(video::Canvas &canvas, Symbol pass) override;
  math::Vector3 position() const override { return location; }

  // Where it is drawn: its offset from the origin scaled by the system's
  // scale.
  math::Vector3 drawnLocation(const math::Vector3 &systemScale) const;

  math::Vector3 location;
  math::Vector3 previousLocation;
  // The system's position when it was emitted.
  math::Vector3 origin;
  float age = 0.0f;
  float rotation = 0.0f;
  math::Vector2 scale{1.0f, 1.0f};
  bool alive = false;
  Emitter *emitter = nullptr;
};
