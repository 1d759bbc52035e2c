// Shared expectations for vector results and a quaternion helper for tests.
#pragma once

#include "math/Quaternion.h"
#include "math/Vector3.h"

#include <gtest/gtest.h>

inline void expectNear(const math::Vector3 &v, const math::Vector3 &expected, float eps = 1e-5f) {
  EXPECT_NEAR(v.x, expected.x, eps);
  EXPECT_NEAR(v.y, expected.y, eps);
  EXPECT_NEAR(v.z, expected.z, eps);
}

inline void expectNear(const math::Vector3 &v, float x, float y, float z, float eps = 1e-5f) {
  expectNear(v, math::Vector3(x, y, z), eps);
}

// A rotation of `degrees` about `axis`.
inline math::Quaternion turn(const math::Vector3 &axis, float degrees) {
  math::Quaternion q;
  q.setAxisAngle(axis, degrees);
  return q;
}
