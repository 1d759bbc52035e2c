#include "math/Vector3.h"
#include "math/Random.h"
#include "math/VectorExpect.h"

#include <gtest/gtest.h>

using math::Vector3;

TEST(Vector3, NormalizeReturnsTheOldLength) {
  Vector3 v(3, 0, 4);
  EXPECT_FLOAT_EQ(v.normalize(), 5);
  expectNear(v, 0.6f, 0, 0.8f);
  Vector3 z;
  EXPECT_EQ(z.normalize(), 0);
  EXPECT_TRUE(z == Vector3(0, 0, 0));
}

TEST(Vector3, NormalizeFast) {
  Vector3 v(0, 0, 2);
  v.normalizeFast();
  EXPECT_NEAR(v.z, 1, 0.002f);
  Vector3 z;
  z.normalizeFast();
  EXPECT_TRUE(z == Vector3());
}

TEST(Vector3, CrossIsRightHanded) {
  EXPECT_TRUE(Vector3(1, 0, 0).cross(Vector3(0, 1, 0)) == Vector3(0, 0, 1));
  EXPECT_TRUE(Vector3(0, 1, 0).cross(Vector3(0, 0, 1)) == Vector3(1, 0, 0));
  EXPECT_TRUE(Vector3(0, 0, 1).cross(Vector3(1, 0, 0)) == Vector3(0, 1, 0));
}

TEST(Vector3, EqualityIsExact) {
  EXPECT_FALSE(Vector3(1, 2, 3) == Vector3(1, 2, 3.0000002f));
  EXPECT_TRUE(Vector3(1, 2, 3) != Vector3(1, 2, 3.0000002f));
  EXPECT_TRUE(Vector3(-0.0f, 0, 0) == Vector3(0, 0, 0));
  EXPECT_TRUE(Vector3(1, 2, 3).equals(Vector3(1, 2, 3)));
}

TEST(Vector3, ArithmeticAndProjection) {
  Vector3 a(1, 2, 3), b(2, -1, 0.5f);
  expectNear(a + b, 3, 1, 3.5f);
  expectNear(a - b, -1, 3, 2.5f);
  expectNear(a * 2, 2, 4, 6);
  expectNear(a / 2, 0.5f, 1, 1.5f);
  Vector3 c = a;
  c.scale(2, 3, 4);
  expectNear(c, 2, 6, 12);
  c *= b;
  expectNear(c, 4, -6, 6);
  EXPECT_FLOAT_EQ(a.dot(b), 1.5f);
  expectNear(a.lerp(b, 0.5f), 1.5f, 0.5f, 1.75f);
  expectNear(a.projectOnto(Vector3()), 0, 0, 0);
  expectNear(a.projectOnto(Vector3(0, 4, 0)), 0, 2, 0);
}

TEST(Vector3, AngleBetweenUnitVectors) {
  EXPECT_FLOAT_EQ(Vector3(0, 1, 0).angleTo(Vector3(0, 1, 0)), 0);
  EXPECT_FLOAT_EQ(Vector3(0, 1, 0).angleTo(Vector3(0, -1, 0)), 180);
  EXPECT_NEAR(Vector3(1, 0, 0).angleTo(Vector3(0, 0, 1)), 90, 1e-4);
  EXPECT_EQ(Vector3(1.0000001f, 0, 0).angleTo(Vector3(1.0000001f, 0, 0)), 0);
}

TEST(Vector3, ReflectMirrorsAcrossTheDirection) {
  Vector3 v(1, 1, 0);
  float d = v.reflect(Vector3(2, 0, 0));
  expectNear(v, 1, -1, 0);
  EXPECT_NEAR(d, 0.5f, 1e-5f);
}

TEST(Vector3, RandomDirectionsAreUnitAndReproducible) {
  Random a(42), b(42);
  for (int i = 0; i < 50; ++i) {
    Vector3 u, v;
    u.setRandomDirection(a);
    v.setRandomDirection(b);
    EXPECT_TRUE(u == v);
    EXPECT_NEAR(u.length(), 1, 1e-5);
  }
  Vector3 g;
  g.setRandomDirection();
  EXPECT_NEAR(g.length(), 1, 1e-5);
}

TEST(Vector3, TextForm) { EXPECT_TRUE(Vector3(1, 2.5f, -0.25f).toString() == L"1.00,2.50,-0.25"); }
