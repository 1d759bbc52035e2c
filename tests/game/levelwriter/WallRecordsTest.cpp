// The walls the level writer makes for rooms and islands hold the ball's
// centre its radius inside the room and outside each island: the contact
// test answers exactly beyond those offset walls and puts the point back on
// them.

#include "WallRecords.h"

#include "engine/Level.h"
#include "engine/WallSet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

using levelwriter::CellRect;

constexpr float radius = WallSet::roundingRadius;

// The world rectangle the cells cover.
struct Box {
  float left, bottom, right, top;
};

Box boxOf(const CellRect &cells) {
  const math::Vector3 low = Level::cellCorner({cells.left, cells.bottom});
  const math::Vector3 high = Level::cellCorner({cells.right + 1, cells.top + 1});
  return Box{low.x, low.y, high.x, high.y};
}

float clamp(float v, float low, float high) { return std::min(std::max(v, low), high); }

// The nearest point of the box to p (p itself inside).
math::Vector2 nearest(const Box &b, float x, float y) {
  return math::Vector2(clamp(x, b.left, b.right), clamp(y, b.bottom, b.top));
}

float length(float x, float y) { return std::sqrt(x * x + y * y); }

// Points on a lattice that lands on no wall, from the box grown by the
// margin.
template <typename Visit> void sweep(const Box &b, float margin, Visit visit) {
  for (float x = b.left - margin + 0.013f; x < b.right + margin; x += 0.29f)
    for (float y = b.bottom - margin + 0.007f; y < b.top + margin; y += 0.31f)
      visit(x, y);
}

const CellRect rectangles[] = {
    {0, 0, 0, 0},
    {-3, -2, 4, 5},
    {2, -7, 3, 1},
};

} // namespace

TEST(WallRecords, ARoomHoldsPointsItsRadiusInsideItsCells) {
  Level level(nullptr);
  for (const CellRect &cells : rectangles) {
    SCOPED_TRACE(testing::Message() << "room " << cells.left << ", " << cells.bottom << " to "
                                    << cells.right << ", " << cells.top);
    WallSet walls(level, 0);
    levelwriter::writeRoomWalls(cells, walls);
    const Box b = boxOf(cells);
    const Box inner{b.left + radius, b.bottom + radius, b.right - radius, b.top - radius};
    sweep(b, 2.0f, [&](float x, float y) {
      const math::Vector2 onWall = nearest(inner, x, y);
      const float beyond = length(x - onWall.x, y - onWall.y);
      if (beyond > 0.0f && beyond < 1e-3f)
        return;
      math::Vector3 resolved;
      WallEdge edge;
      const bool hit = walls.contact(math::Vector3(x, y, 0.5f), resolved, edge);
      ASSERT_EQ(hit, beyond > 0.0f) << x << ", " << y;
      if (!hit)
        return;
      EXPECT_NEAR(resolved.x, onWall.x, 1e-4f) << x << ", " << y;
      EXPECT_NEAR(resolved.y, onWall.y, 1e-4f) << x << ", " << y;
      EXPECT_EQ(resolved.z, 0.5f);
    });
  }
}

TEST(WallRecords, AnIslandHoldsPointsItsRadiusOutsideItsCellsRoundItsCorners) {
  Level level(nullptr);
  for (const CellRect &cells : rectangles) {
    SCOPED_TRACE(testing::Message() << "island " << cells.left << ", " << cells.bottom << " to "
                                    << cells.right << ", " << cells.top);
    WallSet walls(level, 0);
    levelwriter::writeIslandWalls(cells, walls);
    const Box b = boxOf(cells);
    sweep(b, 3.0f, [&](float x, float y) {
      const math::Vector2 q = nearest(b, x, y);
      // Inside the cells, the depth to the nearest side counts against.
      const float outside = length(x - q.x, y - q.y);
      const float inside = std::min({x - b.left, b.right - x, y - b.bottom, b.top - y});
      const float distance = outside > 0.0f ? outside : -inside;
      if (std::fabs(distance - radius) < 1e-3f)
        return;
      math::Vector3 resolved;
      WallEdge edge;
      const bool hit = walls.contact(math::Vector3(x, y, 0.0f), resolved, edge);
      ASSERT_EQ(hit, distance < radius) << x << ", " << y;
      if (!hit)
        return;
      // On the offset wall, as near as it gets.
      const math::Vector2 r = nearest(b, resolved.x, resolved.y);
      EXPECT_NEAR(length(resolved.x - r.x, resolved.y - r.y), radius, 1e-3f) << x << ", " << y;
      EXPECT_NEAR(length(resolved.x - x, resolved.y - y), radius - distance, 1e-3f)
          << x << ", " << y;
    });
  }
}
