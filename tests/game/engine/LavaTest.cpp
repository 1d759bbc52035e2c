#include "BlockWorld.h"

#include "engine/Lava.h"
#include "file/BinaryPrimitives.h"
#include "file/BufferBinary.h"
#include "mesh/IndexList.h"
#include "mesh/MeshDefinition.h"
#include "support/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>

using blocktest::BlockWorld;

namespace {

// A square pool from (0, 0) to (side, side) in two triangles.
void writeSquare(file::BufferBinary &out, float side, const std::vector<uint16_t> &indices) {
  file::write(uint32_t(4), out);
  for (float v : {0.0f, 0.0f, side, 0.0f, side, side, 0.0f, side})
    file::write(v, out);
  file::write(uint16_t(indices.size()), out);
  for (uint16_t i : indices)
    file::write(i, out);
  for (float v : {0.0f, 0.0f, side, side})
    file::write(v, out);
}

// Meshes, lines and point-sprite calls.
class LavaCanvas : public testing_support::RecordingCanvas {
public:
  uint32_t pointCalls = 0;
  void drawPoints(const float *, int, int, const uint8_t *, const float *, int, float,
                  const float[3], video::RenderPass &) override {
    ++pointCalls;
  }
};

const std::vector<uint16_t> squareTriangles = {0, 1, 2, 0, 2, 3};

class LavaTest : public BlockWorld {
protected:
  void SetUp() override {
    BlockWorld::SetUp();
    Lava::resetDrift();
  }
  Lava *square(float side) {
    auto *lava = new Lava(*level);
    file::BufferBinary bytes;
    writeSquare(bytes, side, squareTriangles);
    bytes.seek(0);
    EXPECT_TRUE(lava->read(bytes));
    level->addLava(lava);
    return lava;
  }
  void ballAt(float x, float y, unsigned state) {
    ball().setState(state);
    ball().setPosition(math::Vector3(x, y, 0.0f));
  }
};

} // namespace

TEST_F(LavaTest, AppearingOrDyingTheBallIsHeatedButOnlyAPlayingBallDies) {
  ASSERT_TRUE(soundOpen);
  Lava *lava = square(12.0f);
  struct Case {
    const char *what;
    float x, y;
    unsigned state;
    bool heated, dies;
  };
  const Case cases[] = {{"inside, playing", 6.0f, 6.0f, Ball::PLAYING, true, true},
                        {"inside, appearing", 6.0f, 6.0f, Ball::APPEARING, true, false},
                        {"inside, waiting", 6.0f, 6.0f, Ball::WAITING, true, false},
                        {"inside, dying", 6.0f, 6.0f, Ball::DYING, true, true},
                        {"near the rim, playing", 16.0f, 6.0f, Ball::PLAYING, true, false},
                        {"farther, playing", 17.0f, 6.0f, Ball::PLAYING, false, false}};
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    ball().setState(Ball::WAITING);
    ball().update(0.2f);
    quiet();
    ballAt(c.x, c.y, c.state);
    lava->update(0.01f);
    EXPECT_EQ(ball().heatTime() > 0.0f, c.heated);
    EXPECT_EQ(ball().state() == Ball::DYING, c.dies);
    // A dying ball is not killed again.
    EXPECT_EQ(played(L"ballDieLava"), c.dies && c.state == Ball::PLAYING);
  }
  EXPECT_EQ(effects(Level::objectEffects(), L"heatExplosion").size(), 1u);
}

TEST_F(LavaTest, BubblesRoundTheAreaOfTheBoundsAndSmallPoolsNeverBubble) {
  struct Case {
    float side;
    uint32_t allowed;
  };
  // 7.07 square units round to 1; 2.2 x 2.2 = 4.84 rounds to 0.
  const Case cases[] = {{2.2f, 0u}, {2.0f, 0u}, {2.66f, 1u}, {12.0f, 14u}};
  for (const Case &c : cases) {
    SCOPED_TRACE(c.side);
    Lava *lava = square(c.side);
    EXPECT_EQ(lava->allowedBubbles(), c.allowed);
    uint32_t most = 0;
    for (int i = 0; i < 300; ++i) {
      lava->update(0.1f);
      most = std::max(most, lava->bubbleCount());
    }
    // Bubbles come one at a time and burst, so a large pool seldom fills.
    EXPECT_LE(most, c.allowed);
    EXPECT_EQ(most > 0, c.allowed > 0);
  }
}

TEST_F(LavaTest, BubblesRiseInsideThePoolFromTheFirstUpdate) {
  Lava *lava = square(12.0f);
  // The timer starts at 0, as after reading a saved game.
  EXPECT_EQ(lava->bubbleTimer(), 0.0f);
  lava->update(0.001f);
  ASSERT_EQ(lava->bubbleCount(), 1u);
  for (int i = 0; i < 200; ++i) {
    const math::Vector2 p = lava->randomPoint();
    EXPECT_TRUE(math::polygonContains(lava->outline(), p) ||
                (math::closestPointOnPolygon(lava->outline(), p) - p).length() < 1e-4f);
  }
  // Reading again drops the bubbles.
  file::BufferBinary bytes;
  lava->write(bytes);
  bytes.seek(0);
  ASSERT_TRUE(lava->read(bytes));
  EXPECT_EQ(lava->bubbleCount(), 0u);
  EXPECT_TRUE(lava->meshDirty());
}

TEST_F(LavaTest, APoolOfFewerThanThreePointsDrawsNothingAndNeverBubbles) {
  for (uint32_t points : {0u, 1u, 2u}) {
    SCOPED_TRACE(points);
    auto *lava = new Lava(*level);
    level->addLava(lava);
    math::Points2D outline;
    for (uint32_t i = 0; i < points; ++i)
      outline.push(math::Vector2(float(i) * 10.0f, 0.0f));
    lava->setOutline(outline, {});
    math::Rectangle bounds;
    bounds.set(0.0f, -5.0f, 20.0f, 10.0f);
    lava->setBounds(bounds);
    ballAt(0.0f, 0.0f, Ball::PLAYING);
    for (int i = 0; i < 50; ++i)
      lava->update(0.1f);
    EXPECT_EQ(lava->bubbleCount(), 0u);
    EXPECT_EQ(ball().state(), Ball::PLAYING);
    LavaCanvas canvas;
    for (uint32_t layer = 0; layer < Lava::layerCount; ++layer)
      lava->renderLayer(canvas, layer);
    EXPECT_TRUE(canvas.meshes.empty());
    EXPECT_TRUE(canvas.drawn.empty());
    EXPECT_EQ(canvas.pointCalls, 0u);
  }
}

TEST_F(LavaTest, TheRecordReadsBackAndRefusesBadIndicesAndShortBytes) {
  file::BufferBinary bytes;
  writeSquare(bytes, 6.0f, squareTriangles);
  bytes.seek(0);
  Lava lava(*level);
  ASSERT_TRUE(lava.read(bytes));
  EXPECT_EQ(lava.outline().size(), 4u);
  EXPECT_EQ(lava.triangles().size(), 6u);
  EXPECT_EQ(lava.bounds().width, 6.0f);
  EXPECT_EQ(lava.getPosition(), math::Vector3(3.0f, 3.0f, 0.0f));
  file::BufferBinary written;
  lava.write(written);
  ASSERT_EQ(written.size(), bytes.size());
  EXPECT_EQ(memcmp(written.data(), bytes.data(), bytes.size()), 0);

  struct Case {
    const char *what;
    std::vector<uint16_t> indices;
    uint32_t cut;
  };
  const Case cases[] = {{"an index past the points", {0, 1, 4}, 0},
                        {"cut in the indices", {0, 1, 2}, 10},
                        {"cut in the bounds", {0, 1, 2}, 2}};
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    file::BufferBinary bad;
    writeSquare(bad, 6.0f, c.indices);
    const uint32_t size = bad.size() - c.cut;
    file::BufferBinary cut;
    cut.receiveBytes(bad.data(), size);
    cut.seek(0);
    EXPECT_FALSE(lava.read(cut));
    EXPECT_FALSE(lava.hasArea());
    EXPECT_TRUE(lava.triangles().isEmpty());
  }
}

TEST_F(LavaTest, TheMeshFollowsTheOutlineWithTheInteriorScale) {
  level->setInteriorScale(0.25f);
  level->setVisible(math::Vector3(-20.0f, -20.0f, 0.0f), math::Vector3(20.0f, 20.0f, 0.0f));
  Lava *lava = square(4.0f);
  ball().update(0.0f);
  LavaCanvas canvas;
  level->renderGround(canvas);
  ASSERT_EQ(canvas.meshes.size(), 2u);
  const mesh::MeshDefinition &d = *canvas.meshes[0].mesh->definition;
  ASSERT_EQ(d.vertexCount(), 4u);
  EXPECT_EQ(d.position2D(2).x, 4.0f);
  EXPECT_EQ(d.texCoord(2).x, 2.0f);
  EXPECT_EQ(d.texCoord(2).y, -2.0f);
  EXPECT_EQ(d.part(0).indexLists[0]->count(), 6u);
  EXPECT_FALSE(lava->meshDirty());
  // The rim's four edges.
  EXPECT_EQ(canvas.drawn.size(), 4u);
}

TEST_F(LavaTest, TheDriftStopsWithoutTiltAndNeverPassesItsTopSpeed) {
  for (int i = 0; i < 300; ++i) {
    Lava::updateDrift(math::Vector3(1.0f, -1.0f, 0.0f), 1.0f / 30.0f);
    EXPECT_LE(Lava::driftVelocity().length(), Lava::maxDriftSpeed + 1e-5f);
    EXPECT_LT(std::fabs(Lava::drift().x), 1.0f);
    EXPECT_LT(std::fabs(Lava::drift().y), 1.0f);
  }
  EXPECT_NEAR(Lava::driftVelocity().length(), Lava::maxDriftSpeed, 1e-4f);
  EXPECT_GT(Lava::driftVelocity().x, 0.0f);
  EXPECT_LT(Lava::driftVelocity().y, 0.0f);
  for (int i = 0; i < 300; ++i)
    Lava::updateDrift(math::Vector3(), 1.0f / 30.0f);
  EXPECT_LT(Lava::driftVelocity().length(), 1e-6f);
  const math::Vector2 stopped = Lava::drift();
  Lava::updateDrift(math::Vector3(), 1.0f / 30.0f);
  EXPECT_NEAR(Lava::drift().x, stopped.x, 1e-7f);
}

TEST_F(LavaTest, ABallThatDiesInLavaWithNoReserveFailsTheLevel) {
  square(12.0f);
  level->setBalls(0);
  level->setState(Level::PLAYING);
  ballAt(6.0f, 6.0f, Ball::PLAYING);
  level->update(1.0f / 30.0f);
  EXPECT_EQ(ball().state(), Ball::DYING);
  EXPECT_EQ(level->state(), Level::FAILED);
  EXPECT_TRUE(level->isFailed());
}
