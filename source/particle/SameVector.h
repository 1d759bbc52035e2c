#pragma once
// Exact equality of the vectors a definition compares with its defaults.

#include "math/Vector2.h"
#include "math/Vector3.h"

inline bool sameVector(const math::Vector2 &a, const math::Vector2 &b) {
  return a.x == b.x && a.y == b.y;
}
inline bool sameVector(const math::Vector3 &a, const math::Vector3 &b) { return a == b; }
