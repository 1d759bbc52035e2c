#include "engine/Trail.h"
#include "file/BufferBinary.h"
#include "support/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

// The x of each taken point: the test points lie at x = their index.
std::vector<int> taken(const Trail &trail) {
  container::Vector<math::Vector3> points;
  trail.takePoints(points);
  std::vector<int> xs;
  for (const math::Vector3 &p : points)
    xs.push_back(int(p.x));
  return xs;
}

} // namespace

TEST(Trail, TakesTheNewestTheOldestAndEveryStride) {
  struct Case {
    uint32_t stride, points;
    std::vector<int> drawn;
  };
  const Case cases[] = {
      {3, 7, {6, 5, 2, 0}}, {1, 4, {3, 2, 1, 0}}, {5, 2, {1, 0}},
      {2, 1, {0}},          {3, 0, {}},           {0, 3, {2, 1, 0}},
  };
  for (const Case &c : cases) {
    Trail trail(10.0f);
    trail.setStride(c.stride);
    for (uint32_t i = 0; i < c.points; ++i)
      trail.addPoint(math::Vector3(float(i), 0, 0));
    EXPECT_EQ(taken(trail), c.drawn) << c.stride << " " << c.points;
  }
}

TEST(Trail, PointsExpireAfterTheLifetime) {
  Trail trail(1.0f);
  trail.addPoint(math::Vector3(0, 0, 0));
  trail.update(0.5f);
  trail.addPoint(math::Vector3(1, 0, 0));
  trail.update(0.5f);
  // Exactly as old as the lifetime: kept.
  EXPECT_EQ(trail.pointCount(), 2u);
  trail.update(0.25f);
  ASSERT_EQ(trail.pointCount(), 1u);
  EXPECT_EQ(trail.point(0).x, 1.0f);
  EXPECT_EQ(trail.time(0), 0.5f);
  trail.clear();
  EXPECT_EQ(trail.pointCount(), 0u);
  EXPECT_EQ(trail.clock(), 1.25f);
}

TEST(Trail, RecordRoundTripAndDamage) {
  Trail trail(5.0f);
  for (int i = 0; i < 3; ++i) {
    trail.addPoint(math::Vector3(float(i), float(-i), 7));
    trail.update(0.25f);
  }
  file::BufferBinary whole;
  trail.write(whole);
  ASSERT_EQ(whole.size(), 4u + 2u + 3u * 12u);
  whole.seek(0);
  Trail copy(1.0f);
  ASSERT_TRUE(copy.read(whole));
  EXPECT_EQ(copy.clock(), 0.75f);
  ASSERT_EQ(copy.pointCount(), 3u);
  for (uint32_t i = 0; i < 3; ++i) {
    EXPECT_EQ(copy.point(i), math::Vector3(float(i), float(-int(i)), 0)) << i;
    EXPECT_EQ(copy.time(i), 0.25f * float(i));
  }
  // The lifetime is not part of the record.
  EXPECT_EQ(copy.lifetime(), 1.0f);
  file::BufferBinary again;
  copy.write(again);
  EXPECT_EQ(memcmp(again.data(), whole.data(), whole.size()), 0);

  for (uint32_t length = 0; length < whole.size(); ++length) {
    file::BufferBinary cut;
    cut.receiveBytes(whole.data(), length);
    cut.seek(0);
    Trail damaged(1.0f);
    damaged.addPoint(math::Vector3());
    EXPECT_FALSE(damaged.read(cut)) << length;
    EXPECT_EQ(damaged.pointCount(), 0u) << length;
  }
}

TEST(Trail, RibbonThroughTheTakenPoints) {
  Trail trail(10.0f);
  trail.setStride(3);
  for (int i = 0; i < 7; ++i)
    trail.addPoint(math::Vector3(float(i), float(i % 2), 0));
  testing_support::RecordingCanvas canvas;
  trail.render(canvas);
  ASSERT_EQ(canvas.drawn.size(), 1u);
  const testing_support::DrawnPrimitive &ribbon = canvas.drawn[0];
  // A pair of vertices about each of points 6, 5, 2 and 0.
  ASSERT_EQ(ribbon.vertexCount(), 8);
  const int expected[] = {6, 5, 2, 0};
  for (int k = 0; k < 4; ++k) {
    const math::Vector3 middle = (ribbon.placed(2 * k) + ribbon.placed(2 * k + 1)) * 0.5f;
    EXPECT_NEAR(middle.x, float(expected[k]), 1e-4f) << k;
    EXPECT_NEAR(middle.y, float(expected[k] % 2), 1e-4f) << k;
  }
  // One point makes no ribbon.
  Trail single(1.0f);
  single.addPoint(math::Vector3());
  canvas.drawn.clear();
  single.render(canvas);
  EXPECT_TRUE(canvas.drawn.empty());
}
