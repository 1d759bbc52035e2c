#include "BlockWorld.h"

#include "engine/Chunk.h"
#include "engine/GameCategories.h"

#include <gtest/gtest.h>

using blocktest::BlockWorld;

namespace {

class ChunkTest : public BlockWorld {};

} // namespace

TEST_F(ChunkTest, ColourAndScaleOverTheTwoSecondLife) {
  struct Case {
    float age;
    float alpha;
    float explosionScale;
    bool dead;
  };
  const Case cases[] = {{0.0f, 1.0f, 1.0f, false},
                        {1.0f, 0.5f, 0.5f, false},
                        {1.5f, 0.25f, 0.25f, false},
                        {2.0f, 0.0f, 0.0f, true}};
  for (const Case &c : cases) {
    SCOPED_TRACE(c.age);
    ChunkNormal normal(*level);
    normal.setTint(math::Color(1.0f, 0.5f, 0.25f, 1.0f));
    ChunkExplosion explosion(*level, Block::STONE, COLOR_NONE);
    if (c.age > 0.0f) {
      normal.update(c.age);
      explosion.update(c.age);
    }
    // The normal chunk's colour is its fade times its tint; it keeps its size.
    EXPECT_FLOAT_EQ(normal.color().a, c.alpha);
    EXPECT_FLOAT_EQ(normal.color().g, 0.5f);
    EXPECT_FLOAT_EQ(normal.scale(), 1.0f);
    EXPECT_FLOAT_EQ(explosion.color().a, c.alpha);
    EXPECT_FLOAT_EQ(explosion.color().r, 1.0f);
    EXPECT_FLOAT_EQ(explosion.scale(), c.explosionScale);
    EXPECT_EQ(normal.isDead(), c.dead);
    EXPECT_EQ(explosion.isDead(), c.dead);
  }
}

TEST_F(ChunkTest, OneAtomOnTheFloorOnlyInTheSimulationWhileItLives) {
  const uint32_t before = level->simulation().structures.size();
  {
    ChunkNormal normal(*level);
    ChunkExplosion explosion(*level, Block::NORMAL, 2);
    EXPECT_EQ(level->simulation().structures.size(), before + 2);
    EXPECT_EQ(normal.atom().radius, 1.45f);
    EXPECT_EQ(explosion.atom().radius, 1.5f);
    for (const Chunk *chunk : {static_cast<Chunk *>(&normal), static_cast<Chunk *>(&explosion)}) {
      EXPECT_EQ(chunk->structure().getAtomCount(), 1u);
      EXPECT_EQ(chunk->structure().senseMask, uint32_t(CATEGORY_FLOOR));
      EXPECT_EQ(chunk->structure().slideMask, uint32_t(CATEGORY_FLOOR));
      EXPECT_EQ(chunk->structure().bounceMask, 0u);
    }
    explosion.setPosition(math::Vector3(3.0f, 6.0f, 0.0f));
    const math::Box3D box = explosion.bounds();
    EXPECT_EQ(box.minimum(), math::Vector3(1.5f, 4.5f, 0.0f));
    EXPECT_EQ(box.maximum(), math::Vector3(4.5f, 7.5f, 0.0f));
  }
  EXPECT_EQ(level->simulation().structures.size(), before);
}

TEST_F(ChunkTest, ALoudPlainBreakThrowsATintedSparkle) {
  Block *block = addBlock(Block::NORMAL, 4, 2, 0);
  touch(*block);
  block->update(0.01f);
  ASSERT_TRUE(block->isDead());
  ASSERT_EQ(level->chunksNormal().size(), 1u);
  const ChunkNormal &chunk = *level->chunksNormal()[0];
  // Red plus a half, clamped.
  EXPECT_EQ(chunk.tint(), math::Color(1.0f, 0.5f, 0.5f, 1.0f));
  // 1.5 from the centre, upward or level, moving away at 0.1 to 0.5 a step.
  const math::Vector3 offset = chunk.getPosition() - math::Vector3(6.0f, 0.0f, 0.0f);
  EXPECT_NEAR(offset.length(), 1.5f, 1e-4f);
  EXPECT_GE(offset.z, 0.0f);
  const physics::Atom &atom = chunk.atom();
  const float speed = (atom.position - atom.previousPosition).length();
  EXPECT_GE(speed, 0.1f - 1e-5f);
  EXPECT_LE(speed, 0.5f + 1e-5f);
  // A quiet break and a break of the charged colour throw none.
  addBlock(Block::NORMAL, 1, 4, 0)->smashQuietly();
  level->setBonus(0, 2);
  addBlock(Block::NORMAL, 0, 6, 0)->smash(true);
  EXPECT_EQ(level->chunksNormal().size(), 1u);
}

TEST_F(ChunkTest, ABlastFlingsTheBlockItselfAwayFromTheSource) {
  struct Case {
    unsigned kind, colour;
    unsigned chunkKind;
  };
  // A bonus block's piece shows the single block of its colour.
  const Case cases[] = {{Block::NORMAL, 3, Block::NORMAL},
                        {Block::BONUS, 5, Block::NORMAL},
                        {Block::STONE, COLOR_NONE, Block::STONE}};
  int column = 0;
  for (const Case &c : cases) {
    SCOPED_TRACE(c.kind);
    Block *block = addBlock(c.kind, c.colour, column, 0);
    const math::Vector3 centre = block->centre();
    block->blastFrom(7, centre - math::Vector3(0.0f, 2.0f, 0.0f));
    EXPECT_TRUE(block->isDead());
    EXPECT_EQ(block->group(), 7u);
    const ChunkExplosion &chunk = *level->chunksExplosion().last();
    EXPECT_EQ(chunk.kind(), c.chunkKind);
    EXPECT_EQ(chunk.blockColor(), c.colour);
    EXPECT_EQ(chunk.getPosition(), centre);
    const math::Vector3 velocity = chunk.atom().position - chunk.atom().previousPosition;
    EXPECT_NEAR(velocity.x, 0.0f, 1e-5f);
    EXPECT_NEAR(velocity.y, 0.75f, 1e-5f);
    column += 4;
  }
  EXPECT_EQ(level->chunksExplosion().size(), 3u);
  // From the centre itself the piece still flies, upward or level.
  Block *block = addBlock(Block::NORMAL, 0, 20, 0);
  block->blastFrom(8, block->centre());
  const ChunkExplosion &chunk = *level->chunksExplosion().last();
  const math::Vector3 velocity = chunk.atom().position - chunk.atom().previousPosition;
  EXPECT_NEAR(velocity.length(), 0.75f, 1e-4f);
  EXPECT_GE(velocity.z, 0.0f);
}

TEST_F(ChunkTest, TheLevelMovesTiltsAndDropsItsChunks) {
  level->setState(Level::PLAYING);
  auto *chunk = new ChunkNormal(*level);
  chunk->setPosition(math::Vector3(0.0f, 0.0f, 0.0f));
  level->addChunkNormal(chunk);
  level->addChunkExplosion(new ChunkExplosion(*level, Block::NORMAL, 0));
  for (int i = 0; i < 59; ++i)
    level->update(1.0f / 30.0f);
  EXPECT_EQ(level->chunksNormal().size(), 1u);
  // The floor holds it one radius below the plane of play.
  EXPECT_NEAR(chunk->getPosition().z, 0.0f, 0.05f);
  level->update(1.0f / 30.0f + 1e-3f);
  EXPECT_TRUE(level->chunksNormal().isEmpty());
  EXPECT_TRUE(level->chunksExplosion().isEmpty());
}
