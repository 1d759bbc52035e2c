#include "math/Plane.h"
#include "math/VectorExpect.h"

#include <gtest/gtest.h>

using math::Plane;
using math::Vector3;

TEST(Plane, GroundPlaneDistanceAndProjection) {
  Plane p;
  EXPECT_FLOAT_EQ(p.distance(Vector3(0, 5, 0)), 5);
  EXPECT_FLOAT_EQ(p.distance(Vector3(3, -2, 1)), -2);
  expectNear(p.project(Vector3(2, 5, 3)), 2, 0, 3);
  Plane raised(Vector3(0, 2, 0), Vector3(0, 1, 0));
  float a, b, c, d;
  raised.getEquation(a, b, c, d);
  EXPECT_EQ(a, 0);
  EXPECT_EQ(b, 1);
  EXPECT_EQ(c, 0);
  EXPECT_EQ(d, 2);
  EXPECT_FLOAT_EQ(raised.constant(), 2);
}

TEST(Plane, FromThreePointsKeepsTheAreaInTheNormal) {
  Plane p(Vector3(0, 0, 0), Vector3(0, 0, 1), Vector3(1, 0, 0));
  EXPECT_TRUE(p.normal == Vector3(0, 1, 0));
  p.set(Vector3(1, 1, 1), Vector3(1, 1, 3), Vector3(4, 1, 1));
  EXPECT_TRUE(p.normal == Vector3(0, 6, 0));
  EXPECT_TRUE(p.point == Vector3(1, 1, 1));
  p.normalize();
  EXPECT_TRUE(p.normal == Vector3(0, 1, 0));
}

TEST(Plane, IntersectLine) {
  Plane p;
  Vector3 hit(9, 9, 9);
  float t = 7;
  EXPECT_TRUE(p.intersectLine(Vector3(0, 2, 0), Vector3(0, -1, 0), hit, t));
  expectNear(hit, 0, 0, 0);
  EXPECT_FLOAT_EQ(t, 2);
  // Behind the origin counts too.
  EXPECT_TRUE(p.intersectLine(Vector3(0, 2, 0), Vector3(0, 1, 0), hit, t));
  EXPECT_FLOAT_EQ(t, -2);
  hit.set(9, 9, 9);
  t = 7;
  EXPECT_FALSE(p.intersectLine(Vector3(0, 2, 0), Vector3(1, 0, 0), hit, t));
  EXPECT_TRUE(hit == Vector3(9, 9, 9));
  EXPECT_EQ(t, 7);
  EXPECT_TRUE(p.intersectLine(Vector3(3, 0, 1), Vector3(1, 0, 0), hit, t));
  EXPECT_EQ(t, 0);
  EXPECT_TRUE(hit == Vector3(3, 0, 1));
}

TEST(Plane, IntersectSegment) {
  Plane p;
  Vector3 onPlane[2] = {Vector3(1, 0, 0), Vector3(2, 0, 0)};
  Vector3 hit;
  float t = -1;
  EXPECT_TRUE(p.intersectSegment(onPlane, hit, t));
  EXPECT_EQ(t, 0);
  EXPECT_TRUE(hit == Vector3(1, 0, 0));
  Vector3 endOn[2] = {Vector3(1, 3, 0), Vector3(2, 0, 0)};
  EXPECT_TRUE(p.intersectSegment(endOn, hit, t));
  EXPECT_EQ(t, 1);
  Vector3 across[2] = {Vector3(0, 1, 0), Vector3(0, -3, 0)};
  EXPECT_TRUE(p.intersectSegment(across, hit, t));
  EXPECT_FLOAT_EQ(t, 0.25f);
  expectNear(hit, 0, 0, 0);
  Vector3 beyond[2] = {Vector3(0, 4, 0), Vector3(0, 2, 0)};
  EXPECT_TRUE(p.intersectSegment(beyond, hit, t));
  EXPECT_FLOAT_EQ(t, 2);
  Vector3 parallel[2] = {Vector3(0, 1, 0), Vector3(5, 1, 0)};
  EXPECT_FALSE(p.intersectSegment(parallel, hit, t));
}
