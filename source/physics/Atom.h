#pragma once
// A point mass moved by position-based (Verlet) integration: its velocity per
// step is position - previousPosition, so moving the position changes it.

#include "math/Vector3.h"

#include <cstdint>

namespace physics {

struct BounceEvent;

struct Atom {
  math::Vector3 position;
  math::Vector3 previousPosition;
  // Displacement to add in this step (already times the step time squared).
  math::Vector3 acceleration;
  float accelerationFactor = 1;
  // Collides as a sphere of this radius.
  float radius = 1;
  float mass = 1;
  // Per-second velocity keep factor.
  float damping = 1;
  // Second keep factor, written by the drag.
  float dragDamping = 1;
  // Share of the normal velocity kept (reversed) in a bounce.
  float bounce = 0;
  // Share of the tangential velocity kept in any contact.
  float slide = 1;
  // OR of the categories of the geometries touched in this step.
  uint32_t contactFlags = 0;
  // 1: integration, collision and the speed clamp leave the atom alone.
  uint32_t pinned = 0;

  void reset() { *this = Atom(); }

  void setPosition(const math::Vector3 &p) { position = p; }
  // Stands still at the point.
  void resetPosition(const math::Vector3 &p) { position = previousPosition = p; }
  void setVelocity(const math::Vector3 &v) { previousPosition = position - v; }

  float getVolume() const { return 4.18879032f * radius * radius * radius; }
  void setDensity(float density) { mass = getVolume() * density; }

  // Within 1e-3 of the point.
  bool isAt(const math::Vector3 &p) const { return (p - position).lengthSquared() < 1.0000001e-6f; }

  // Puts the atom at the resolved point with its velocity split into a normal
  // part (reversed and kept by bounce when bouncing, else dropped) and a
  // tangential part (kept by slide); a bounce that carries speed is sent to
  // the structure of the event.
  void respond(const math::Vector3 &resolved, bool bounce, BounceEvent &event);
};

} // namespace physics
