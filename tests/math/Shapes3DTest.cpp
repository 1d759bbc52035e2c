#include "math/Box3D.h"
#include "math/Capsule.h"
#include "math/Sphere.h"

#include <gtest/gtest.h>

using math::Box3D;
using math::Capsule;
using math::Sphere;
using math::Vector3;

TEST(Box3D, ContainmentIsStrict) {
  Box3D b(Vector3(0, 0, 0), Vector3(1, 1, 1));
  EXPECT_TRUE(b.contains(Vector3(0.5f, -0.5f, 0.99f)));
  EXPECT_FALSE(b.contains(Vector3(1, 0, 0)));
  EXPECT_FALSE(b.contains(Vector3(0, -1, 0)));
  EXPECT_FALSE(b.contains(Vector3(0, 0, 2)));
}

TEST(Box3D, TouchingBoxesIntersectTouchingSpheresDoNot) {
  Box3D b(Vector3(0, 0, 0), Vector3(1, 1, 1));
  EXPECT_TRUE(b.intersects(Box3D(Vector3(2, 0, 0), Vector3(1, 1, 1))));
  EXPECT_FALSE(b.intersects(Box3D(Vector3(2.01f, 0, 0), Vector3(1, 1, 1))));
  EXPECT_FALSE(b.intersects(Box3D(Vector3(0, 0, -3), Vector3(1, 1, 1))));
  EXPECT_FALSE(b.intersects(Sphere(Vector3(3, 0, 0), 2)));
  EXPECT_TRUE(b.intersects(Sphere(Vector3(2.9f, 0, 0), 2)));
  EXPECT_FLOAT_EQ(b.distanceSquared(Vector3(3, 3, 0)), 8);
  EXPECT_EQ(b.distanceSquared(Vector3(0.5f, 0, 0)), 0);
}

TEST(Box3D, CornersAndInclude) {
  Box3D b = Box3D::fromCorners(Vector3(2, 0, 0), Vector3(0, 0, 0));
  EXPECT_TRUE(b.center == Vector3(1, 0, 0));
  EXPECT_TRUE(b.extents == Vector3(1, 0, 0));

  Box3D c(Vector3(0, 0, 0), Vector3(1, 1, 1));
  c.include(Vector3(0.5f, 0.5f, 0.5f));
  EXPECT_TRUE(c.center == Vector3(0, 0, 0));
  EXPECT_TRUE(c.extents == Vector3(1, 1, 1));
  c.include(Vector3(3, -1, 0));
  EXPECT_TRUE(c.center == Vector3(1, 0, 0));
  EXPECT_TRUE(c.extents == Vector3(2, 1, 1));
  c.include(Sphere(Vector3(0, 0, 4), 1));
  EXPECT_TRUE(c.center == Vector3(1, 0, 2));
  EXPECT_TRUE(c.extents == Vector3(2, 1, 3));
  Box3D d;
  d.include(Box3D(Vector3(5, 5, 5), Vector3(1, 1, 1)));
  EXPECT_TRUE(d.center == Vector3(3, 3, 3));
  EXPECT_TRUE(d.extents == Vector3(3, 3, 3));
  d.setExtents(Vector3(1, 2, 3));
  EXPECT_TRUE(d.extents == Vector3(1, 2, 3));
}

TEST(Box3D, AroundACapsule) {
  Box3D b(Capsule(Vector3(0, 0, 0), Vector3(4, 0, 0), 1));
  EXPECT_TRUE(b.center == Vector3(2, 0, 0));
  EXPECT_TRUE(b.extents == Vector3(3, 1, 1));
}

TEST(Sphere, ContainmentAndContactAreInclusive) {
  Sphere s(Vector3(0, 0, 0), 2);
  EXPECT_TRUE(s.contains(Vector3(0, 2, 0)));
  EXPECT_FALSE(s.contains(Vector3(0, 2.001f, 0)));
  EXPECT_TRUE(s.intersects(Sphere(Vector3(3, 0, 0), 1)));
  EXPECT_FALSE(s.intersects(Sphere(Vector3(3.01f, 0, 0), 1)));
  Sphere around(Box3D(Vector3(1, 1, 1), Vector3(3, 0, 4)));
  EXPECT_TRUE(around.center == Vector3(1, 1, 1));
  EXPECT_FLOAT_EQ(around.radius, 5);
}

TEST(Sphere, Formulas) {
  EXPECT_FLOAT_EQ(Sphere::volume(2), 4.18879f * 8);
  EXPECT_FLOAT_EQ(Sphere::surfaceArea(2), 12.566371f * 4);
  EXPECT_NEAR(Sphere::shellVolume(1, 2), 4.18879f * 7, 1e-4);
  EXPECT_NEAR(Sphere::capVolume(1, 5), Sphere::volume(1), 1e-5);
  EXPECT_NEAR(Sphere::capVolume(1, 1), Sphere::volume(1) / 2, 1e-5);
  EXPECT_EQ(Sphere::capArea(1, -1), 0);
  EXPECT_NEAR(Sphere::capArea(1, 2), Sphere::surfaceArea(1), 1e-5);
  EXPECT_NEAR(Sphere::radiusFromVolume(Sphere::volume(3)), 3, 1e-5);
}
