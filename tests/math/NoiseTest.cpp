#include "math/Noise.h"

#include <gtest/gtest.h>

#include <cmath>

using math::perlinNoise;
using math::Vector3;

TEST(Noise, ZeroAtEveryLatticePoint) {
  const Vector3 points[] = {{0, 0, 0},         {1, 2, 3},    {-5, 0, 7},
                            {255, 256, -1000}, {-1, -1, -1}, {3e9f, -3e9f, 17}};
  for (const Vector3 &p : points)
    EXPECT_EQ(perlinNoise(p), 0) << p.x << "," << p.y << "," << p.z;
}

TEST(Noise, MatchesTheReferenceAndRepeatsEvery256) {
  // The reference algorithm's published sample value (computed there in
  // double precision).
  EXPECT_NEAR(perlinNoise(Vector3(3.14f, 42, 7)), 0.136919959f, 2e-6f);
  // Negative coordinates floor into the cell below, so the lattice wraps
  // exactly: -0.5 lies in the cell of -1, which is the cell of 255 (the
  // samples are sums of powers of two, so the shift loses no bits).
  const Vector3 samples[] = {
      {-0.5f, 0.25f, 0.75f}, {-3.375f, -7.875f, 0.125f}, {0.375f, -0.625f, -10.25f}};
  for (const Vector3 &p : samples)
    EXPECT_EQ(perlinNoise(p), perlinNoise(p + Vector3(256, 256, 256)));
}

TEST(Noise, SmoothAndBounded) {
  float largest = 0;
  for (int k = 0; k < 2000; ++k) {
    const Vector3 p(k * 0.0137f - 7, k * 0.0291f + 3, k * 0.0071f);
    const float n = perlinNoise(p);
    EXPECT_EQ(n, perlinNoise(p));
    EXPECT_NEAR(perlinNoise(p + Vector3(0.001f, 0.001f, 0.001f)), n, 0.01f);
    largest = std::max(largest, std::abs(n));
  }
  EXPECT_LE(largest, 1.1f);
  EXPECT_GT(largest, 0.3f);
}

TEST(Noise, FractalSums) {
  const Vector3 p(0.3f, 1.7f, -2.2f);
  EXPECT_EQ(math::fractalNoise(p, 0, 0.5f), 0);
  EXPECT_EQ(math::fractalNoise(p, 0, 2.0f, 0.5f), 0);
  EXPECT_EQ(math::fractalNoise(p, 1, 0.5f), perlinNoise(p));
  EXPECT_EQ(math::fractalNoise(p, 1, 2.0f, 0.5f), perlinNoise(p));
  const float three = perlinNoise(p) + perlinNoise(p * 2) * 0.5f + perlinNoise(p * 4) * 0.25f;
  EXPECT_FLOAT_EQ(math::fractalNoise(p, 3, 0.5f), three);
  EXPECT_FLOAT_EQ(math::fractalNoise(p, 3, 2.0f, 0.5f), three);
}

TEST(Noise, DriftingSource) {
  math::PerlinNoise a;
  EXPECT_EQ(a.time, 0);
  EXPECT_EQ(a.speed, 1);
  EXPECT_NEAR(a.offset.length(), 1, 1e-5f);
  EXPECT_NEAR(a.drift.length(), 1, 1e-5f);
  EXPECT_EQ(a.sample(), perlinNoise(a.offset));

  a.time = 2.5f;
  a.speed = 0.5f;
  const Vector3 p(1, 2, 3);
  EXPECT_EQ(a.sample(p), perlinNoise(a.offset + a.drift * (0.5f * 2.5f) + p));
  const float before = a.sample();
  a.time += 0.001f;
  EXPECT_NEAR(a.sample(), before, 0.01f);

  math::PerlinNoise b;
  EXPECT_NE(a.offset, b.offset);
}
