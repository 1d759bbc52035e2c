#pragma once
// What a bounce reports: filled by the atom's response, handed to the
// structure's bounce listeners.

#include "math/Vector3.h"

#include <cstdint>

namespace physics {

class WorldGeometry;
class Structure3D;

struct BounceEvent {
  WorldGeometry *geometry;
  Structure3D *structure;
  uint32_t atomIndex;
  // Velocities are per step.
  math::Vector3 incomingVelocity;
  math::Vector3 outgoingVelocity;
  // Unit, pointing out of the geometry.
  math::Vector3 normal;
  float depth;
  float incomingSpeed;
  float outgoingSpeed;
  // Degrees between the incoming and outgoing directions.
  float angle;

  BounceEvent(WorldGeometry *geometry, Structure3D *structure, uint32_t atomIndex);

  // Speeds are the two lengths; the angle is 0 when either velocity is zero,
  // as a zero vector has no direction.
  void computeSpeeds();
};

} // namespace physics
