#include "math/ColorMatrix.h"

#include <gtest/gtest.h>

using math::Matrix4;
using math::Vector3;

namespace {

float luminance(const Vector3 &c) { return 0.3086f * c.x + 0.6094f * c.y + 0.0820f * c.z; }

} // namespace

TEST(ColorMatrix, Saturation) {
  Matrix4 m;
  math::saturationMatrix(1.0f, m);
  EXPECT_TRUE(m == Matrix4());
  math::saturationMatrix(0.0f, m);
  Matrix4 lum;
  math::luminanceMatrix(lum);
  EXPECT_TRUE(m == lum);
  Vector3 grey = lum.transformPoint(Vector3(1.0f, 0.0f, 0.0f));
  EXPECT_FLOAT_EQ(grey.x, 0.3086f);
  EXPECT_FLOAT_EQ(grey.y, 0.3086f);
  EXPECT_FLOAT_EQ(grey.z, 0.3086f);
  EXPECT_EQ(lum.m[15], 1.0f);
  EXPECT_EQ(lum.m[3], 0.0f);
}

TEST(ColorMatrix, HueRotationKeepsGreyAndTurnsFully) {
  Matrix4 m;
  math::hueRotationMatrix(0.0f, m);
  for (int i = 0; i < 16; ++i)
    EXPECT_NEAR(m.m[i], Matrix4().m[i], 1e-5f) << i;

  const float angles[] = {30.0f, 120.0f, 240.0f};
  for (float degrees : angles) {
    math::hueRotationMatrix(degrees, m);
    Vector3 g = m.transformPoint(Vector3(0.5f, 0.5f, 0.5f));
    EXPECT_NEAR(g.x, 0.5f, 1e-5f);
    EXPECT_NEAR(g.y, 0.5f, 1e-5f);
    EXPECT_NEAR(g.z, 0.5f, 1e-5f);
    Vector3 red = m.transformPoint(Vector3(1.0f, 0.0f, 0.0f));
    EXPECT_NEAR(luminance(red), luminance(Vector3(1.0f, 0.0f, 0.0f)), 1e-4f) << degrees;
  }
  math::hueRotationMatrix(360.0f, m);
  Vector3 red = m.transformPoint(Vector3(1.0f, 0.0f, 0.0f));
  EXPECT_NEAR(red.x, 1.0f, 1e-5f);
  EXPECT_NEAR(red.y, 0.0f, 1e-5f);
  EXPECT_NEAR(red.z, 0.0f, 1e-5f);
}
