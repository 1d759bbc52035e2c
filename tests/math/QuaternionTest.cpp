#include "math/Quaternion.h"
#include "math/Matrix4.h"
#include "math/VectorExpect.h"

#include <gtest/gtest.h>

#include <cmath>

using math::Matrix4;
using math::Quaternion;
using math::Vector3;

namespace {

// The same rotation: equal up to the sign of the whole quaternion.
void expectSameRotation(const Quaternion &a, const Quaternion &b, float eps = 1e-5f) {
  float d = a.x * b.x + a.y * b.y + a.z * b.z + a.w * b.w;
  EXPECT_NEAR(std::fabs(d), 1.0f, eps) << a.x << " " << a.y << " " << a.z << " " << a.w;
}

} // namespace

TEST(Quaternion, AxisAngleRotation) {
  Quaternion q;
  q.setAxisAngle(Vector3(0, 0, 1), 90);
  expectNear(q.rotate(Vector3(1, 0, 0)), 0, 1, 0);
  EXPECT_NEAR(q.angle(), 90, 1e-4);
  expectNear(q.axis(), 0, 0, 1);
  Vector3 axis;
  float degrees;
  q.getAxisAngle(axis, degrees);
  EXPECT_NEAR(degrees, 90, 1e-4);
  expectNear(axis, 0, 0, 1);

  Quaternion r;
  r.setAxisAngleRadians(0, 0, 1, 3.141592653589793 / 2);
  expectSameRotation(q, r);
  EXPECT_EQ(Quaternion().angle(), 0);
  expectNear(Quaternion().axis(), 0, 0, 0);
}

TEST(Quaternion, ProductActsRightFirst) {
  Quaternion a, b;
  a.setAxisAngle(Vector3(0, 0, 1), 90);
  b.setAxisAngle(Vector3(1, 0, 0), 90);
  // b first: (0, 1, 0) -> (0, 0, 1), then a leaves it.
  expectNear((a * b).rotate(Vector3(0, 1, 0)), 0, 0, 1);
  // a first: (0, 1, 0) -> (-1, 0, 0), which b leaves.
  expectNear((b * a).rotate(Vector3(0, 1, 0)), -1, 0, 0);
  Quaternion c = a;
  c.conjugate();
  expectNear((a * c).rotate(Vector3(1, 2, 3)), 1, 2, 3);
}

TEST(Quaternion, EulerAngles) {
  Quaternion q;
  q.x = 1;
  q.setEulerAngles(0, 0, 0);
  EXPECT_TRUE(q == Quaternion(0, 0, 0, 1));
  q.setEulerAngles(0, 0, 90);
  expectNear(q.rotate(Vector3(1, 0, 0)), 0, -1, 0);
}

TEST(Quaternion, MatrixRoundTripInEveryBranch) {
  struct Case {
    Vector3 axis;
    float degrees;
  } cases[] = {{{0, 0, 1}, 30},  {{1, 0, 0}, 180}, {{0, 1, 0}, 180},
               {{0, 0, 1}, 180}, {{1, 1, 0}, 170}, {{0.6f, 0, 0.8f}, -120}};
  for (const Case &c : cases) {
    Vector3 axis = c.axis;
    axis.normalize();
    Quaternion q, back;
    q.setAxisAngle(axis, c.degrees);
    Matrix4 m;
    m.setRotation(q);
    back.setRotation(m);
    expectSameRotation(q, back);
    Matrix4 again;
    again.setRotation(back);
    for (int i = 0; i < 16; ++i)
      EXPECT_NEAR(again.m[i], m.m[i], 1e-5f) << c.degrees << " " << i;
  }
}

TEST(Quaternion, MatrixOfAQuaternionMatchesItsRotation) {
  Quaternion q;
  q.setAxisAngle(Vector3(0, 1, 0), 90);
  Matrix4 m, ry;
  m.setRotation(q);
  ry.setRotationY(90);
  for (int i = 0; i < 16; ++i)
    EXPECT_NEAR(m.m[i], ry.m[i], 1e-6f) << i;
}

TEST(Quaternion, SlerpEndPoints) {
  Quaternion a, b;
  a.setAxisAngle(Vector3(0, 0, 1), 20);
  b.setAxisAngle(Vector3(0, 0, 1), 100);
  Quaternion s = a;
  s.slerp(0, b);
  expectSameRotation(s, a, 1e-6f);
  EXPECT_NEAR(s.w, a.w, 1e-6f);
  s = a;
  s.slerp(1, b);
  EXPECT_NEAR(s.z, b.z, 1e-6f);
  EXPECT_NEAR(s.w, b.w, 1e-6f);
  s = a;
  s.slerp(0.5f, b);
  EXPECT_NEAR(s.angle(), 60, 1e-3);

  // Opposite signs: the other end is the negation of b.
  Quaternion negB(-b.x, -b.y, -b.z, -b.w);
  s = a;
  s.slerp(1, negB);
  EXPECT_NEAR(s.z, b.z, 1e-6f);
  EXPECT_NEAR(s.w, b.w, 1e-6f);

  // Equal quaternions take the linear path: no division by sin 0.
  s = a;
  s.slerp(0.3f, a);
  EXPECT_TRUE(std::isfinite(s.w));
  EXPECT_NEAR(s.w, a.w, 1e-6f);
}

TEST(Quaternion, Normalize) {
  Quaternion z(0, 0, 0, 0);
  z.normalize();
  EXPECT_TRUE(z == Quaternion(0, 0, 0, 0));
  Quaternion q(0, 0, 3, 4);
  q.normalize();
  EXPECT_NEAR(q.z, 0.6f, 1e-6f);
  EXPECT_NEAR(q.w, 0.8f, 1e-6f);
  Quaternion sum(1, 0, 0, 0);
  sum += Quaternion(0, 1, 0, 0);
  EXPECT_TRUE(sum == Quaternion(1, 1, 0, 0));
}

TEST(Quaternion, RandomIsAUnitRotation) {
  for (int i = 0; i < 20; ++i) {
    Quaternion q;
    q.setRandom();
    EXPECT_NEAR(q.x * q.x + q.y * q.y + q.z * q.z + q.w * q.w, 1, 1e-5f);
  }
}
