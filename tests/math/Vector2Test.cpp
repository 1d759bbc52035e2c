#include "math/Vector2.h"
#include "math/Random.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>

using math::Vector2;

namespace {
void expectNear(const Vector2 &v, float x, float y, float eps = 1e-5f) {
  EXPECT_NEAR(v.x, x, eps);
  EXPECT_NEAR(v.y, y, eps);
}
} // namespace

TEST(Vector2, NormalizeReturnsTheOldLength) {
  Vector2 v(3, 4);
  EXPECT_FLOAT_EQ(v.normalize(), 5);
  expectNear(v, 0.6f, 0.8f);
  Vector2 z;
  EXPECT_EQ(z.normalize(), 0);
  EXPECT_EQ(z.x, 0);
  EXPECT_EQ(z.y, 0);
  EXPECT_EQ(Vector2().length(), 0);
}

TEST(Vector2, NormalizeFastIsClose) {
  Vector2 v(30, -40);
  v.normalizeFast();
  EXPECT_NEAR(v.length(), 1.0f, 0.002f);
  Vector2 z;
  z.normalizeFast();
  EXPECT_EQ(z.x, 0);
  EXPECT_EQ(z.y, 0);
}

TEST(Vector2, ArithmeticAndProducts) {
  Vector2 a(1, 2), b(3, -1);
  expectNear(a + b, 4, 1);
  expectNear(a - b, -2, 3);
  expectNear(a * 2, 2, 4);
  expectNear(b / 2, 1.5f, -0.5f);
  EXPECT_FLOAT_EQ(a.dot(b), 1);
  EXPECT_FLOAT_EQ(a.cross(b), -7);
  Vector2 c = a;
  c *= b;
  expectNear(c, 3, -2);
  c /= b;
  expectNear(c, 1, 2);
  expectNear(a.lerp(b, 0.5f), 2, 0.5f);
  c.negate();
  expectNear(c, -1, -2);
}

TEST(Vector2, ProjectOntoZeroIsZero) {
  expectNear(Vector2(3, 7).projectOnto(Vector2()), 0, 0);
  expectNear(Vector2(3, 7).projectOnto(Vector2(2, 0)), 3, 0);
}

TEST(Vector2, RotateTurnsClockwise) {
  Vector2 v(0.1f, 0.7f);
  Vector2 same = v;
  same.rotate(0);
  EXPECT_EQ(std::bit_cast<uint32_t>(same.x), std::bit_cast<uint32_t>(v.x));
  EXPECT_EQ(std::bit_cast<uint32_t>(same.y), std::bit_cast<uint32_t>(v.y));
  Vector2 r(1, 0);
  r.rotate(90);
  expectNear(r, 0, -1);
  Vector2 q(2, 3);
  q.rotate90();
  expectNear(q, 3, -2);
  q.rotate270();
  expectNear(q, 2, 3);
}

TEST(Vector2, AnglesRunCounterClockwise) {
  EXPECT_NEAR(Vector2(5, 0).angleTo(Vector2(0, 1)), 90, 1e-4);
  EXPECT_NEAR(Vector2(5, 0).angleTo(Vector2(0, -1)), 270, 1e-4);
  // A dot product rounding past 1 still gives 0.
  Vector2 u(1.0000001f, 0);
  EXPECT_EQ(u.angleToUnit(Vector2(1.0000001f, 0)), 0);
}

TEST(Vector2, ReflectKeepsTheLength) {
  Vector2 v(1, 1);
  v.reflect(Vector2(1, 0));
  expectNear(v, 1, -1);
  Vector2 w(1, 1);
  w.reflect(Vector2());
  expectNear(w, -1, -1);
}

TEST(Vector2, DirectionTableEntries) {
  struct Case {
    unsigned degrees;
    float x, y;
  } cases[] = {{0, std::cos(359 * 3.14159265f / 180), std::sin(359 * 3.14159265f / 180)},
               {359, 1, 0},
               {360, std::cos(359 * 3.14159265f / 180), std::sin(359 * 3.14159265f / 180)},
               {269, 0, 1},
               {179, -1, 0},
               {89, 0, -1},
               {314, std::cos(45 * 3.14159265f / 180), std::sin(45 * 3.14159265f / 180)}};
  for (const Case &c : cases) {
    Vector2 v;
    v.setDirection(c.degrees);
    expectNear(v, c.x, c.y);
  }
  // The quarter turns are exact.
  Vector2 v;
  v.setDirection(269);
  EXPECT_EQ(v.x, 0.0f);
  EXPECT_EQ(v.y, 1.0f);
}

TEST(Vector2, SeededRandomDirectionIsReproducible) {
  Random a(5), b(5);
  Vector2 u, v;
  u.setRandomDirection(a);
  v.setRandomDirection(b);
  EXPECT_EQ(u.x, v.x);
  EXPECT_EQ(u.y, v.y);
  EXPECT_NEAR(u.length(), 1, 1e-5);
  Vector2 g;
  g.setRandomDirection();
  EXPECT_NEAR(g.length(), 1, 1e-5);
}

TEST(Vector2, TextForm) { EXPECT_TRUE(Vector2(1.5f, -2).toString() == L"1.50,-2.00"); }
