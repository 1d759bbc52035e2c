#include "math/Scalar.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(Scalar, RoundSendsExactHalvesDown) {
  struct Case {
    float in;
    int out;
  } cases[] = {{0.5f, 0}, {0.51f, 1}, {-0.5f, -1}, {-0.49f, 0}, {2.5f, 2}, {-1.5f, -2}, {3.0f, 3}};
  for (const Case &c : cases)
    EXPECT_EQ(math::round(c.in), c.out) << c.in;
}

TEST(Scalar, FloatWrapKeepsBothEnds) {
  struct Case {
    float value, range, out;
  } cases[] = {{370, 360, 10},   {-30, 360, 330}, {360, 360, 360},
               {-360, 360, 360}, {0, 360, 0},     {725, 360, 5}};
  for (const Case &c : cases)
    EXPECT_FLOAT_EQ(math::wrap(c.value, c.range), c.out) << c.value;
}

TEST(Scalar, FloatWrapIntoInterval) {
  EXPECT_FLOAT_EQ(math::wrap(4.5f, 1.0f, 3.0f), 2.5f);
  EXPECT_FLOAT_EQ(math::wrap(0.0f, 1.0f, 3.0f), 2.0f);
  EXPECT_FLOAT_EQ(math::wrap(4.0f, 2.0f, 2.0f), 2.0f);
  EXPECT_FLOAT_EQ(math::wrap(1.0f, 1.0f, 3.0f), 1.0f);
  EXPECT_FLOAT_EQ(math::wrap(3.0f, 1.0f, 3.0f), 3.0f);
}

TEST(Scalar, IntWrapSendsRangeToZero) {
  EXPECT_EQ(math::wrap(360, 360), 0);
  EXPECT_EQ(math::wrap(-1, 360), 359);
  EXPECT_EQ(math::wrap(-360, 360), 360);
  EXPECT_EQ(math::wrap(725, 360), 5);
  EXPECT_EQ(math::wrap(12, 360), 12);
  // No division by zero, no overflow on the smallest int.
  EXPECT_EQ(math::wrap(7, 0), 7);
  EXPECT_EQ(math::wrap(INT32_MIN, 10), 10 - int((-int64_t(INT32_MIN)) % 10));
}

TEST(Scalar, AngleDifferenceTakesTheShortWay) {
  EXPECT_FLOAT_EQ(math::angleDifference(350, 10), 20);
  EXPECT_FLOAT_EQ(math::angleDifference(10, 350), -20);
  EXPECT_FLOAT_EQ(math::angleDifference(0, 180), 180);
  EXPECT_FLOAT_EQ(math::angleDifference(-90, 90), -180);
  EXPECT_FLOAT_EQ(math::lerpAngle(350, 10, 0.5f), 360);
  EXPECT_FLOAT_EQ(math::lerpAngle(-10, 10, 0.25f), 355);
}

TEST(Scalar, EaseInOutEnds) {
  EXPECT_FLOAT_EQ(math::easeInOut(0), 0);
  EXPECT_FLOAT_EQ(math::easeInOut(0.5f), 0.5f);
  EXPECT_FLOAT_EQ(math::easeInOut(1), 1);
}

TEST(Scalar, MinMaxTieGoesToSecondArgument) {
  EXPECT_EQ(math::min(2, 3), 2);
  EXPECT_EQ(math::max(2u, 3u), 3u);
  float nan = std::nanf("");
  EXPECT_EQ(math::min(nan, 1.0f), 1.0f);
  EXPECT_EQ(math::max(nan, 1.0f), 1.0f);
  EXPECT_TRUE(std::signbit(math::min(0.0f, -0.0f)));
  EXPECT_FALSE(std::signbit(math::max(-0.0f, 0.0f)));
  EXPECT_FLOAT_EQ(math::abs(-2.5f), 2.5f);
  int a = 1, b = 2;
  math::swap(a, b);
  EXPECT_EQ(a, 2);
  EXPECT_EQ(b, 1);
}

TEST(Scalar, PowersOfTwo) {
  EXPECT_TRUE(math::isPowerOfTwo(0));
  EXPECT_TRUE(math::isPowerOfTwo(1));
  EXPECT_FALSE(math::isPowerOfTwo(6));
  EXPECT_TRUE(math::isPowerOfTwo(1024));
  struct Case {
    unsigned in, out;
  } cases[] = {{0, 1}, {1, 1}, {2, 2}, {3, 4}, {1025, 2048}, {0x80000000u, 0x80000000u}};
  for (const Case &c : cases)
    EXPECT_EQ(math::nextPowerOfTwo(c.in), c.out) << c.in;
  // Past the largest 32-bit power the search must stop rather than spin.
  EXPECT_EQ(math::nextPowerOfTwo(0x80000001u), 0u);
}

TEST(Scalar, DecimalDigits) {
  struct Case {
    unsigned value, i, out;
  } cases[] = {{1234, 0, 4},        {1234, 3, 1},         {1234, 4, 0}, {4294967295u, 9, 4},
               {4294967295u, 0, 5}, {4294967295u, 10, 0}, {7, 40, 0}};
  for (const Case &c : cases)
    EXPECT_EQ(math::digit(c.value, c.i), c.out) << c.value << " " << c.i;
}
