#pragma once
// One spark flying from where it was emitted to its system's position,
// speeding up and steering towards it as it ages.

#include "math/Spatial3D.h"
#include "math/Vector3.h"

namespace video {

class SparkSystem;

class Spark : public math::Spatial3D {
public:
  // With a random unit direction, drawn from the process-wide stream.
  Spark(SparkSystem *system, const math::Vector3 &at);
  Spark(SparkSystem *system, const math::Vector3 &at, const math::Vector3 &direction);

  // True when the spark reached its target in this update; then it stays.
  // Nothing once it has arrived.
  bool update(float dt);

  SparkSystem *system() const { return m_system; }
  float age = 0.0f;
  // Unit length.
  math::Vector3 direction;
  bool arrived = false;

private:
  // Not owned.
  SparkSystem *m_system;
};

} // namespace video
