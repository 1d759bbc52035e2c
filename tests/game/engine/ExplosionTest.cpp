#include "BlockWorld.h"

#include "engine/Explosion.h"
#include "file/BufferBinary.h"

#include <gtest/gtest.h>

#include <cmath>

using blocktest::BlockWorld;

namespace {

class ExplosionTest : public BlockWorld {
protected:
  // A wave of the group at the point, handed to the level.
  Explosion *explode(const math::Vector3 &at, unsigned group) {
    auto *explosion = new Explosion(*level);
    explosion->position = at;
    explosion->setGroup(group);
    level->addExplosion(explosion);
    return explosion;
  }
};

} // namespace

TEST_F(ExplosionTest, TheRadiusGrowsToTenAndAHalfAndTheWaveDiesWhenItGetsThere) {
  Explosion *explosion = explode(math::Vector3(), 1);
  EXPECT_EQ(explosion->radius(), 0.0f);
  explosion->update(0.1f);
  EXPECT_NEAR(explosion->radius(), 5.25f, 1e-5f);
  EXPECT_FALSE(explosion->isDead());

  Explosion *late = explode(math::Vector3(), 1);
  late->update(0.2999f);
  EXPECT_FALSE(late->isDead());
  EXPECT_LT(late->radius(), 10.5f);
  // The full radius is reached in the last update.
  Explosion *last = explode(math::Vector3(), 1);
  last->update(0.3f);
  EXPECT_FLOAT_EQ(last->radius(), 10.5f);
  EXPECT_TRUE(last->isDead());
  last->update(0.1f);
  EXPECT_FLOAT_EQ(last->age(), 0.3f);
  level->explosions().update(0.0f);
  EXPECT_EQ(level->explosions().size(), 2u);
}

TEST_F(ExplosionTest, BlastsLiveNormalAndStoneBlocksWithoutAGroupWithinTheRadius) {
  level->setState(Level::PLAYING);
  Block *near = addBlock(Block::NORMAL, 0, 1, 0);
  Block *stone = addBlock(Block::STONE, COLOR_NONE, 0, 2);
  Block *bonus = addBlock(Block::BONUS, 1, -2, -2);
  Block *unbreakable = addBlock(Block::UNBREAKABLE, COLOR_NONE, 0, -1);
  Block *round = addBlock(Block::ROUND, COLOR_NONE, 2, 2);
  Block *grouped = addBlock(Block::NORMAL, 0, -1, 0);
  grouped->setGroup(9);
  // 10.5 units out: the wave never passes it (closer than the radius only).
  Block *edge = addBlock(Block::NORMAL, 0, 3, 0);
  edge->setPosition(math::Vector3(10.5f, 0.0f, 0.0f));
  Block *far = addBlock(Block::NORMAL, 0, 4, 0);

  Explosion *explosion = explode(math::Vector3(), 5);
  // At 0.1 s the wave has passed 3 units but not 6.
  explosion->update(0.1f);
  EXPECT_TRUE(near->isDead());
  EXPECT_EQ(near->group(), 5u);
  EXPECT_FALSE(stone->isDead());
  explosion->update(0.2f);
  EXPECT_TRUE(stone->isDead());
  EXPECT_EQ(stone->group(), 5u);
  for (Block *kept : {bonus, unbreakable, round, grouped, edge, far}) {
    EXPECT_FALSE(kept->isDead());
  }
  EXPECT_EQ(grouped->group(), 9u);
  EXPECT_EQ(bonus->group(), 0u);
  // The blasted blocks broke quietly into one drop of the group.
  EXPECT_FALSE(played(L"blockHit"));
  ASSERT_EQ(level->groupScoreDrops().size(), 1u);
  EXPECT_EQ(level->groupScoreDrops()[0]->id(), 5u);
  EXPECT_EQ(level->groupScoreDrops()[0]->points(), 50u);
}

TEST_F(ExplosionTest, OutOfPlayTheWaveBreaksNothing) {
  Block *block = addBlock(Block::NORMAL, 0, 1, 0);
  for (int32_t state : {int32_t(Level::NOT_BEGUN), int32_t(Level::BALL_INTRO),
                        int32_t(Level::COMPLETING), int32_t(Level::COMPLETE)}) {
    level->setState(state);
    explode(math::Vector3(), 2);
    level->explosions().update(0.3f);
    EXPECT_TRUE(level->explosions().isEmpty());
    EXPECT_FALSE(block->isDead()) << state;
  }
}

TEST_F(ExplosionTest, ABombHitInAFieldOfOneColourScoresOneGroupDrop) {
  ASSERT_TRUE(soundOpen);
  level->setState(Level::PLAYING);
  level->setBonus(3, 2);
  for (int column = -6; column <= 6; ++column)
    for (int row = -6; row <= 6; ++row)
      addBlock(Block::NORMAL, 3, column, row);
  Block *hit = grid().blockAt(0, 0);
  ball().setPosition(math::Vector3(0.0f, -1.0f, 0.0f));
  ball().setPower(Ball::BOMB);
  touch(*hit);
  hit->update(1.0f / 30.0f);
  ASSERT_TRUE(hit->isDead());
  EXPECT_TRUE(played(L"explosion"));
  ASSERT_EQ(level->explosions().size(), 1u);
  const Explosion *explosion = level->explosions()[0];
  EXPECT_EQ(explosion->group(), hit->group());
  EXPECT_EQ(explosion->color(), 3u);
  EXPECT_EQ(explosion->position, math::Vector3(0.0f, -1.0f, 0.0f));

  for (int frame = 0; frame < 12; ++frame)
    level->explosions().update(1.0f / 30.0f);
  EXPECT_TRUE(level->explosions().isEmpty());
  // Every block closer than 10.5 to the hit broke into the bomb's group.
  uint32_t blasted = 0;
  for (int column = -6; column <= 6; ++column)
    for (int row = -6; row <= 6; ++row) {
      const Block *block = grid().blockAt(column, row);
      const float dx = 3.0f * float(column), dy = 3.0f * float(row) + 1.0f;
      const bool reached = std::sqrt(dx * dx + dy * dy) < 10.5f;
      EXPECT_EQ(block->isDead(), reached) << column << ", " << row;
      if (reached && block != hit) {
        EXPECT_EQ(block->group(), hit->group());
        ++blasted;
      }
    }
  EXPECT_GT(blasted, 30u);
  EXPECT_EQ(level->blocksBroken(), blasted + 1);
  EXPECT_TRUE(level->scoreDrops().isEmpty());
  ASSERT_EQ(level->groupScoreDrops().size(), 1u);
  // Each block of the charged colour scores 25 times the bonus count.
  EXPECT_EQ(level->groupScoreDrops()[0]->points(), 50u * (blasted + 1));
}

TEST_F(ExplosionTest, TheRecordRoundTripsAndACutRecordIsRefused) {
  Explosion written(*level);
  written.position = math::Vector3(4.5f, -7.25f, 0.0f);
  written.setColor(4);
  written.setGroup(70000 + 12);
  written.update(0.125f);
  file::BufferBinary out;
  written.write(out);
  EXPECT_EQ(out.size(), Explosion::recordBytes);
  out.seek(0);
  Explosion read(*level);
  ASSERT_TRUE(read.read(out));
  EXPECT_EQ(read.position, written.position);
  EXPECT_EQ(read.age(), 0.125f);
  EXPECT_EQ(read.color(), 4u);
  // The group is kept in 16 bits.
  EXPECT_EQ(read.group(), (70000u + 12u) & 0xFFFFu);
  EXPECT_FALSE(read.isDead());

  written.update(1.0f);
  file::BufferBinary dead;
  written.write(dead);
  dead.seek(0);
  Explosion finished(*level);
  ASSERT_TRUE(finished.read(dead));
  EXPECT_TRUE(finished.isDead());

  file::BufferBinary cut;
  written.write(cut);
  cut.resize(Explosion::recordBytes - 1);
  cut.seek(0);
  Explosion untouched(*level);
  EXPECT_FALSE(untouched.read(cut));
  EXPECT_EQ(untouched.age(), 0.0f);
  EXPECT_FALSE(untouched.isDead());
}
