#include "math/Intersection.h"
#include "math/Matrix4.h"
#include "math/Quaternion.h"
#include "math/SphereResolve.h"
#include "math/VectorExpect.h"

#include <gtest/gtest.h>

#include <cmath>

using math::Box3D;
using math::Capsule;
using math::Contact;
using math::Plane;
using math::Quaternion;
using math::Segment3D;
using math::Sphere;
using math::Vector3;

TEST(Intersection, SphereAgainstSphereIsStrict) {
  const Sphere a(Vector3(0, 0, 0), 1);
  Contact contact;
  EXPECT_FALSE(a.intersect(Sphere(Vector3(2, 0, 0), 1), contact));
  ASSERT_TRUE(a.intersect(Sphere(Vector3(1.999f, 0, 0), 1), contact));
  EXPECT_NEAR(contact.depth, 0.001f, 1e-6f);
  EXPECT_EQ(contact.normal, Vector3(1, 0, 0));
  // Coinciding centres: some unit direction, the full depth.
  ASSERT_TRUE(a.intersect(Sphere(Vector3(0, 0, 0), 0.5f), contact));
  EXPECT_NEAR(contact.normal.length(), 1, 1e-5f);
  EXPECT_EQ(contact.depth, 1.5f);

  EXPECT_TRUE(a.containsStrictly(Vector3(0.5f, 0, 0)));
  EXPECT_FALSE(a.containsStrictly(Vector3(1, 0, 0)));
}

TEST(Intersection, SphereAgainstPlaneCountsTheBackSide) {
  const Plane ground;
  Contact contact;
  for (float y : {0.5f, 0.0f, -3.0f}) {
    const Sphere s(Vector3(0, y, 0), 1);
    EXPECT_TRUE(s.intersects(ground)) << y;
    ASSERT_TRUE(s.intersect(ground, contact));
    EXPECT_EQ(contact.normal, Vector3(0, -1, 0));
    EXPECT_EQ(contact.depth, 1 - y);
  }
  EXPECT_FALSE(Sphere(Vector3(0, 1, 0), 1).intersects(ground));
  EXPECT_FALSE(Sphere(Vector3(0, 1, 0), 1).intersect(ground, contact));
}

TEST(Intersection, CapsulesAndSegments) {
  // Parallel capsules of radius 0.5.
  const Capsule a(Vector3(0, 0, 0), Vector3(5, 0, 0), 0.5f);
  EXPECT_TRUE(a.intersects(Capsule(Vector3(0, 0.99f, 0), Vector3(5, 0.99f, 0), 0.5f)));
  EXPECT_FALSE(a.intersects(Capsule(Vector3(0, 1, 0), Vector3(5, 1, 0), 0.5f)));
  // Crossing capsules.
  EXPECT_TRUE(a.intersects(Capsule(Vector3(2, 0.9f, -3), Vector3(2, 0.9f, 3), 0.5f)));
  EXPECT_TRUE(a.contains(Vector3(5.4f, 0, 0)));
  EXPECT_FALSE(a.contains(Vector3(5.5f, 0, 0)));
  EXPECT_TRUE(a.intersects(Segment3D(Vector3(1, 0.4f, -1), Vector3(1, 0.4f, 1))));
  EXPECT_FALSE(a.intersects(Segment3D(Vector3(1, 0.5f, -1), Vector3(1, 0.5f, 1))));

  const Sphere s(Vector3(6, 0, 0), 0.6f);
  EXPECT_TRUE(s.intersects(a));
  EXPECT_FALSE(Sphere(Vector3(6, 0, 0), 0.5f).intersects(a));
  EXPECT_TRUE(s.intersects(Segment3D(Vector3(5.5f, -1, 0), Vector3(5.5f, 1, 0))));
  EXPECT_FALSE(s.intersects(Segment3D(Vector3(5, -1, 0), Vector3(5, 1, 0))));

  EXPECT_TRUE(
      math::intersects(Box3D(Vector3(), Vector3(1, 1, 1)), Sphere(Vector3(1.5f, 0, 0), 0.6f)));
  EXPECT_FALSE(
      math::intersects(Box3D(Vector3(), Vector3(1, 1, 1)), Sphere(Vector3(1.5f, 0, 0), 0.5f)));
}

TEST(Intersection, TurnedBoxAgainstSphere) {
  const Box3D box(Vector3(10, 0, 0), Vector3(2, 1, 1));
  Contact contact;
  // Turned 90 degrees about z, the long side stands along y.
  const Quaternion q = turn(Vector3(0, 0, 1), 90);
  ASSERT_TRUE(box.intersect(q, Sphere(Vector3(10, 2.5f, 0), 1), contact));
  expectNear(contact.normal, Vector3(0, 1, 0));
  EXPECT_NEAR(contact.depth, 0.5f, 1e-5f);
  EXPECT_FALSE(box.intersect(q, Sphere(Vector3(11.5f, 0, 0), 0.4f), contact));
  EXPECT_TRUE(box.intersect(Quaternion(), Sphere(Vector3(11.5f, 0, 0), 1), contact));
}

TEST(Intersection, TurnedBoxAgainstPlane) {
  const Box3D box(Vector3(), Vector3(1, 1, 1));
  const Plane ground;
  Contact contact;
  ASSERT_TRUE(box.intersect(Quaternion(), Vector3(0, 0.5f, 0), ground, contact));
  EXPECT_EQ(contact.normal, Vector3(0, -1, 0));
  EXPECT_NEAR(contact.depth, 0.5f, 1e-6f);
  EXPECT_FALSE(box.intersect(Quaternion(), Vector3(0, 1.5f, 0), ground, contact));
  // Turned 45 degrees about z: the lowest edge reaches sqrt(2) below the centre.
  math::Matrix4 m;
  m.setRotationZ(45);
  ASSERT_TRUE(box.intersect(m, Vector3(0, 1, 0), ground, contact));
  EXPECT_NEAR(contact.depth, std::sqrt(2.0f) - 1, 1e-5f);
  ASSERT_TRUE(box.intersect(turn(Vector3(0, 0, 1), 45), Vector3(0, 1, 0), ground, contact));
  EXPECT_NEAR(contact.depth, std::sqrt(2.0f) - 1, 1e-5f);
}

TEST(Intersection, TurnedBoxesSeparatingAxes) {
  const Box3D a(Vector3(0, 0, 0), Vector3(1, 1, 1));
  const Quaternion none;
  EXPECT_TRUE(a.intersects(none, Box3D(Vector3(1.5f, 0, 0), Vector3(1, 1, 1)), none));
  EXPECT_FALSE(a.intersects(none, Box3D(Vector3(2.5f, 0, 0), Vector3(1, 1, 1)), none));
  // A diamond reaches sqrt(2) toward the other box.
  const Quaternion diamond = turn(Vector3(0, 0, 1), 45);
  EXPECT_TRUE(a.intersects(none, Box3D(Vector3(2.3f, 0, 0), Vector3(1, 1, 1)), diamond));
  EXPECT_FALSE(a.intersects(none, Box3D(Vector3(2.5f, 0, 0), Vector3(1, 1, 1)), diamond));
  // Two ridges crossing at right angles, one above the other: they meet when
  // the centres are less than 2 sqrt(2) apart, and only the cross product of
  // the ridge directions separates them (every face axis needs 3.83).
  const Quaternion ridgeAlongX = turn(Vector3(1, 0, 0), 45);
  const Quaternion ridgeAlongZ = turn(Vector3(0, 0, 1), 45);
  EXPECT_FALSE(a.intersects(ridgeAlongX, Box3D(Vector3(0, 3, 0), Vector3(1, 1, 1)), ridgeAlongZ));
  EXPECT_TRUE(a.intersects(ridgeAlongX, Box3D(Vector3(0, 2.7f, 0), Vector3(1, 1, 1)), ridgeAlongZ));
}

TEST(SphereResolve, PlaneSidesAndSphereInside) {
  const Plane ground;
  EXPECT_EQ(math::resolveSpherePlane(Sphere(Vector3(0, 0.5f, 0), 1), ground, math::SIDE_OUTSIDE),
            Vector3(0, 1, 0));
  EXPECT_EQ(math::resolveSpherePlane(Sphere(Vector3(0, -0.5f, 0), 1), ground, math::SIDE_INSIDE),
            Vector3(0, -1, 0));
  EXPECT_EQ(math::resolveSpherePlane(Sphere(Vector3(0, -2, 0), 1), ground, math::SIDE_INSIDE),
            Vector3(0, -2, 0));
  // Held inside a larger sphere: brought back to touch its wall from within.
  const Vector3 held = math::resolveSphereSphere(Sphere(Vector3(4, 0, 0), 1),
                                                 Sphere(Vector3(0, 0, 0), 3), math::SIDE_INSIDE);
  EXPECT_NEAR(held.x, 2, 1e-2f);
  EXPECT_EQ(math::resolveSphereSphere(Sphere(Vector3(1, 0, 0), 1), Sphere(Vector3(0, 0, 0), 3),
                                      math::SIDE_INSIDE),
            Vector3(1, 0, 0));
}

TEST(SphereResolve, BoxEdgeGroupsAndFaces) {
  const Vector3 e(1, 1, 1);
  // Beyond a corner: pushed straight away from it.
  const Vector3 corner = math::resolveSphereBox(Sphere(Vector3(1.3f, 1.3f, 1.3f), 1), Vector3(), e,
                                                math::SIDE_OUTSIDE, math::FACE_ALL);
  const float away = 1 + 1 / std::sqrt(3.0f);
  expectNear(corner, Vector3(away, away, away), 6e-3f);
  // Beyond an edge along x.
  const Vector3 edge = math::resolveSphereBox(Sphere(Vector3(0.5f, 1.3f, 1.3f), 1), Vector3(), e,
                                              math::SIDE_OUTSIDE, math::FACE_ALL);
  EXPECT_EQ(edge.x, 0.5f);
  EXPECT_NEAR(edge.y, 1 + std::sqrt(0.5f), 6e-3f);
  EXPECT_NEAR(edge.z, 1 + std::sqrt(0.5f), 6e-3f);
  // An edge whose face bit is off does not apply; the face does.
  const Vector3 face = math::resolveSphereBox(Sphere(Vector3(1.3f, 1.3f, 0), 1), Vector3(), e,
                                              math::SIDE_OUTSIDE, math::FACE_POSITIVE_X);
  EXPECT_EQ(face, Vector3(2, 1.3f, 0));
  // Deep inside: the shallowest face, the first on a tie.
  EXPECT_EQ(math::resolveSphereBox(Sphere(Vector3(0, 0, 0), 0.5f), Vector3(), e, math::SIDE_OUTSIDE,
                                   math::FACE_ALL),
            Vector3(1.5f, 0, 0));
  EXPECT_EQ(math::resolveSphereBox(Sphere(Vector3(0, 0.2f, 0), 0.5f), Vector3(), e,
                                   math::SIDE_OUTSIDE, math::FACE_ALL),
            Vector3(0, 1.5f, 0));
  // Mask bits above the six faces alone: no face to push through.
  EXPECT_EQ(
      math::resolveSphereBox(Sphere(Vector3(0, 0, 0), 0.5f), Vector3(), e, math::SIDE_OUTSIDE, 64),
      Vector3(0, 0, 0));
}
