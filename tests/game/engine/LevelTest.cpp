#include "engine/Level.h"
#include "engine/GameCategories.h"

#include "support/FakeWindow.h"
#include "video/Window.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

using testing_support::WindowSwap;

std::pair<int, int> cell(int x, int y) { return {x, y}; }
std::pair<int, int> cell(const math::Vector2i &v) { return {v.x, v.y}; }

} // namespace

TEST(Level, BuildsWithItsFloorPlaneAndEmptyTables) {
  Level level(nullptr);
  EXPECT_EQ(level.level(), &level);
  EXPECT_EQ(level.state(), Level::NOT_BEGUN);
  EXPECT_FALSE(level.isComplete());
  EXPECT_FALSE(level.isFailed());

  const physics::Plane &plane = level.floorPlane();
  EXPECT_EQ(plane.plane.point, math::Vector3(0.0f, 0.0f, -1.45f));
  EXPECT_EQ(plane.plane.normal, math::Vector3(0.0f, 0.0f, 1.0f));
  EXPECT_EQ(plane.category, uint32_t(CATEGORY_FLOOR));
  ASSERT_EQ(level.simulation().geometries.size(), 1u);
  EXPECT_EQ(level.simulation().geometries[0], &plane);

  // The effect lists, in this order.
  ASSERT_EQ(level.effects().listCount(), 3u);
  EXPECT_EQ(level.effects().listName(0), SYM(L"ground"));
  EXPECT_EQ(level.effects().listName(1), SYM(L"block"));
  EXPECT_EQ(level.effects().listName(2), SYM(L"object"));

  EXPECT_EQ(level.groupScoreDropTable().count(), 0u);
  EXPECT_EQ(level.groupCounts().count(), 0u);
  EXPECT_EQ(level.groupTimers().size(), 0u);
  EXPECT_EQ(level.groupCounts().bucketCount(), 11u);
  EXPECT_EQ(level.ballStart().x, 0.0f);
  EXPECT_EQ(level.ballStart().y, 0.0f);
  EXPECT_EQ(level.cameraMargins().x, 100.0f);
  EXPECT_EQ(level.cameraMargins().y, 100.0f);
}

TEST(Level, BlockTableByGeometry) {
  Level level(nullptr);
  physics::Plane a, b;
  Block *block = reinterpret_cast<Block *>(&b);
  level.addBlock(&a, block);
  EXPECT_EQ(level.blockFromGeometry(&a), block);
  EXPECT_EQ(level.blockFromGeometry(&b), nullptr);
  EXPECT_TRUE(level.removeBlock(&a));
  EXPECT_FALSE(level.removeBlock(&a));
  EXPECT_EQ(level.blockFromGeometry(&a), nullptr);
}

TEST(Level, FieldOfViewSixtyDegreesOnTheLargerSide) {
  struct Case {
    int w, h;
    float fovX, fovY;
  };
  const Case cases[] = {
      {320, 480, 40.0f, 60.0f},
      {480, 320, 60.0f, 40.0f},
      {500, 500, 60.0f, 60.0f},
      // A window of no size counts as 1 x 1.
      {0, 0, 60.0f, 60.0f},
  };
  for (const Case &c : cases) {
    testing_support::FakeWindow window(c.w, c.h);
    WindowSwap swap(&window);
    Level level(nullptr);
    EXPECT_FLOAT_EQ(level.camera().fov().x, c.fovX) << c.w << "x" << c.h;
    EXPECT_FLOAT_EQ(level.camera().fov().y, c.fovY) << c.w << "x" << c.h;
  }
  // A window change reaches the camera through touch.
  testing_support::FakeWindow window(320, 480);
  WindowSwap swap(&window);
  Level level(nullptr);
  window.setSize(math::Vector2i(480, 320));
  level.touch();
  EXPECT_FLOAT_EQ(level.camera().fov().x, 60.0f);
  EXPECT_FLOAT_EQ(level.camera().fov().y, 40.0f);
}

TEST(Level, VisibleRectangleAndSpriteSizeUnderTheCamera) {
  testing_support::FakeWindow window(320, 480);
  WindowSwap swap(&window);
  Level level(nullptr);
  level.refreshVisibleRectangle();
  // Half extents at depth 55: tan(20 degrees) and tan(30 degrees) times 55.
  EXPECT_NEAR(level.visibleMin().x, -20.018f, 1e-3f);
  EXPECT_NEAR(level.visibleMin().y, -31.754f, 1e-3f);
  EXPECT_NEAR(level.visibleMax().x, 20.018f, 1e-3f);
  EXPECT_NEAR(level.visibleMax().y, 31.754f, 1e-3f);
  EXPECT_EQ(cell(level.visibleCellLow()), cell(-7, -11));
  EXPECT_EQ(cell(level.visibleCellHigh()), cell(7, 11));
  // 160 pixels cover 20.018 units: 4.173913 units are about 33.4 pixels.
  EXPECT_NEAR(level.spriteSize(), 4.173913f * 160.0f / 20.018f, 0.01f);

  // Without a window nothing projects: the corners stay where they were.
  WindowSwap none(nullptr);
  level.camera().setPosition(math::Vector3(30.0f, 0.0f, 55.0f));
  level.refreshVisibleRectangle();
  EXPECT_NEAR(level.visibleMin().x, -20.018f, 1e-3f);
}

TEST(Level, CellRangeCoversBothCorners) {
  struct Case {
    math::Vector3 a, b;
    math::Vector2i low, high;
  };
  const Case cases[] = {
      {{0, 0, 0}, {0, 0, 0}, {0, 0}, {0, 0}},
      {{-1, -1, 0}, {1, 1, 0}, {-1, -1}, {1, 1}},
      // Corners in any order.
      {{7, 2, 0}, {-4, 9, 0}, {-2, 0}, {3, 3}},
      {{3, 6, 0}, {6, 3, 0}, {1, 1}, {2, 2}},
  };
  for (const Case &c : cases) {
    math::Vector2i low, high;
    Level::cellRange(c.a, c.b, low, high);
    EXPECT_EQ(cell(low), cell(c.low));
    EXPECT_EQ(cell(high), cell(c.high));
  }
}

TEST(Level, CameraHomeIsAboveTheBallStart) {
  // What the loader sets.
  struct LoadedLevel : Level {
    LoadedLevel(float x, float y, bool fits) : Level(nullptr) {
      m_ballStart = math::Vector2(x, y);
      m_fitsOnScreen = fits;
    }
  };
  EXPECT_EQ(LoadedLevel(6.0f, -9.0f, false).cameraHome(), math::Vector3(6.0f, -9.0f, 55.0f));
  // A floor that fits on screen is seen from above the origin.
  EXPECT_EQ(LoadedLevel(6.0f, -9.0f, true).cameraHome(), math::Vector3(0.0f, 0.0f, 55.0f));
}
