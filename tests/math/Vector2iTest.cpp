#include "math/Vector2i.h"

#include <gtest/gtest.h>

#include <climits>

using math::Vector2i;

TEST(Vector2i, Arithmetic) {
  Vector2i a(3, -3), b(2, 5);
  Vector2i s = a + b;
  EXPECT_EQ(s.x, 5);
  EXPECT_EQ(s.y, 2);
  Vector2i d = a - b;
  EXPECT_EQ(d.x, 1);
  EXPECT_EQ(d.y, -8);
  EXPECT_EQ(a.dot(b), -9);
  a *= b;
  EXPECT_EQ(a.x, 6);
  EXPECT_EQ(a.y, -15);
  a += b;
  a -= Vector2i(1, 1);
  EXPECT_EQ(a.x, 7);
  EXPECT_EQ(a.y, -11);
  // 32-bit wrap-around, not undefined overflow.
  Vector2i big(INT_MAX, INT_MIN);
  big += Vector2i(1, -1);
  EXPECT_EQ(big.x, INT_MIN);
  EXPECT_EQ(big.y, INT_MAX);
}

TEST(Vector2i, ScaleTruncatesTowardZero) {
  Vector2i v(3, -3);
  v *= 0.5f;
  EXPECT_EQ(v.x, 1);
  EXPECT_EQ(v.y, -1);
  Vector2i huge(INT_MAX, 1);
  huge *= 4.0f;
  EXPECT_EQ(huge.x, INT_MAX);
  EXPECT_EQ(huge.y, 4);
}

TEST(Vector2i, TextForm) { EXPECT_TRUE(Vector2i(-4, 7).toString() == L"-4,7"); }
