#include "BlockWorld.h"

#include "engine/Explosion.h"
#include "engine/Neutron.h"
#include "file/BufferBinary.h"

#include <gtest/gtest.h>

#include <cmath>

using blocktest::BlockWorld;

namespace {

void expectAt(const math::Vector2 &actual, float x, float y) {
  EXPECT_EQ(actual.x, x);
  EXPECT_EQ(actual.y, y);
}

constexpr float frame = 1.0f / 30.0f;

class NeutronTest : public BlockWorld {
protected:
  Neutron *launch(const math::Vector2 &at, const math::Vector2 &velocity, unsigned source) {
    auto *neutron = new Neutron(*level);
    neutron->launch(at, velocity, 0, source);
    level->addNeutron(neutron);
    return neutron;
  }
  // The level's neutron steps: hits, the blocks, then the neutrons.
  void step() {
    level->neutronHits();
    level->updateBlocks(frame);
    level->neutrons().update(frame);
  }
};

} // namespace

TEST_F(NeutronTest, OpaqueForThreeQuartersOfASecondThenFadingOutByOneAndAHalf) {
  struct Case {
    float age;
    float opacity;
  };
  for (const Case &c : {Case{0.0f, 1.0f}, Case{0.74f, 1.0f}, Case{0.75f, 1.0f}, Case{1.125f, 0.5f},
                        Case{1.4f, 0.1333333f}}) {
    Neutron neutron(*level);
    neutron.update(c.age);
    EXPECT_FALSE(neutron.isDead()) << c.age;
    EXPECT_NEAR(neutron.opacity(), c.opacity, 1e-5f) << c.age;
  }
  Neutron gone(*level);
  gone.update(1.5f);
  EXPECT_TRUE(gone.isDead());
  EXPECT_EQ(gone.opacity(), 0.0f);
}

TEST_F(NeutronTest, SlowsToThreeTenthsOfItsSpeedInASecondAndAStoppedOneStillDies) {
  Neutron *free = launch(math::Vector2(), math::Vector2(6.0f, 0.0f), 1);
  Neutron *stopped = launch(math::Vector2(2.0f, 5.0f), math::Vector2(0.0f, 6.0f), 1);
  stopped->stop();
  for (int i = 0; i < 30; ++i)
    level->neutrons().update(frame);
  EXPECT_NEAR(free->velocity().x, 1.8f, 1e-4f);
  EXPECT_GT(free->position().x, 1.8f);
  EXPECT_LT(free->position().x, 6.0f);
  EXPECT_TRUE(stopped->stopped());
  expectAt(stopped->position(), 2.0f, 5.0f);
  expectAt(stopped->velocity(), 0.0f, 0.0f);
  for (int i = 0; i < 14; ++i)
    level->neutrons().update(frame);
  EXPECT_EQ(level->neutrons().size(), 2u);
  for (int i = 0; i < 2; ++i)
    level->neutrons().update(frame);
  EXPECT_TRUE(level->neutrons().isEmpty());
}

TEST_F(NeutronTest, ANuclearHitThrowsTwoNeutronsOfItsGroupFromItsCentre) {
  ASSERT_TRUE(soundOpen);
  Block *block = addBlock(Block::NORMAL, 4, 2, 1);
  ball().setPower(Ball::NUCLEAR);
  touch(*block);
  block->update(frame);
  ASSERT_TRUE(block->isDead());
  EXPECT_TRUE(played(L"neutron"));
  EXPECT_EQ(effects(Level::blockEffects(), L"neutronPop").size(), 1u);
  ASSERT_EQ(level->neutrons().size(), 2u);
  for (const Neutron *neutron : level->neutrons()) {
    expectAt(neutron->position(), 6.0f, 3.0f);
    EXPECT_NEAR(neutron->velocity().length(), 6.0f, 1e-4f);
    EXPECT_EQ(neutron->colorIndex(), 4u);
    EXPECT_EQ(neutron->source(), block->group());
  }
}

TEST_F(NeutronTest, HitsBreakTheNormalAndStoneBlocksTheyMeetAndStopOnAnyBlock) {
  addBlock(Block::NORMAL, 2, 1, 0);
  addBlock(Block::STONE, COLOR_NONE, 1, 2);
  Block *unbreakable = addBlock(Block::UNBREAKABLE, COLOR_NONE, 1, 4);
  Neutron *toNormal = launch(math::Vector2(-0.5f, 0.0f), math::Vector2(6.0f, 0.0f), 11);
  Neutron *toStone = launch(math::Vector2(-0.5f, 6.0f), math::Vector2(6.0f, 0.0f), 11);
  Neutron *toWall = launch(math::Vector2(-0.5f, 12.0f), math::Vector2(6.0f, 0.0f), 11);
  // They reach the blocks' faces (1.5 before the centres) within half a
  // second; then each block breaks into the neutrons' group.
  for (int i = 0; i < 15; ++i)
    step();
  EXPECT_TRUE(toNormal->stopped());
  EXPECT_TRUE(toStone->stopped());
  EXPECT_TRUE(toWall->stopped());
  EXPECT_LT(toNormal->position().x, 1.5f);
  EXPECT_EQ(grid().blockAt(1, 0), nullptr);
  EXPECT_EQ(grid().blockAt(1, 2), nullptr);
  EXPECT_EQ(grid().blockAt(1, 4), unbreakable);
  // Both broken blocks scored into one drop of the group, and each threw
  // two neutrons of its own.
  ASSERT_EQ(level->groupScoreDrops().size(), 1u);
  EXPECT_EQ(level->groupScoreDrops()[0]->id(), 11u);
  EXPECT_EQ(level->groupScoreDrops()[0]->points(), 50u);
  EXPECT_EQ(level->neutrons().size(), 3u + 4u);
}

TEST_F(NeutronTest, TheRecordIsTwentyFiveBytesAndRoundTrips) {
  Neutron written(*level);
  written.launch(math::Vector2(1.5f, -2.25f), math::Vector2(0.5f, 4.0f), 5, 65535);
  written.update(0.5f);
  written.stop();
  file::BufferBinary out;
  written.write(out);
  EXPECT_EQ(out.size(), 25u);
  out.seek(0);
  Neutron read(*level);
  ASSERT_TRUE(read.read(out));
  expectAt(read.position(), written.position().x, written.position().y);
  EXPECT_EQ(read.age(), 0.5f);
  expectAt(read.velocity(), 0.0f, 0.0f);
  EXPECT_EQ(read.colorIndex(), 5u);
  EXPECT_EQ(read.source(), 65535u);
  EXPECT_TRUE(read.stopped());
  EXPECT_FALSE(read.isDead());

  written.update(1.0f);
  file::BufferBinary dead;
  written.write(dead);
  dead.seek(0);
  Neutron finished(*level);
  ASSERT_TRUE(finished.read(dead));
  EXPECT_TRUE(finished.isDead());

  dead.resize(24);
  dead.seek(0);
  Neutron untouched(*level);
  EXPECT_FALSE(untouched.read(dead));
  EXPECT_EQ(untouched.age(), 0.0f);
  EXPECT_EQ(untouched.colorIndex(), 6u);
}

TEST_F(NeutronTest, NeutronsAndWavesFarOffOrAtNoNumberMeetNothing) {
  level->setState(Level::PLAYING);
  Block *block = addBlock(Block::NORMAL, 0, 0, 0);
  const float nan = std::nanf("");
  const math::Vector2 places[] = {{nan, nan}, {1.0e30f, -1.0e30f}, {-3.0e38f, 0.0f}};
  for (const math::Vector2 &at : places) {
    launch(at, math::Vector2(6.0f, 0.0f), 1);
    auto *explosion = new Explosion(*level);
    explosion->position = math::Vector3(at.x, at.y, 0.0f);
    explosion->setGroup(1);
    level->addExplosion(explosion);
  }
  for (int i = 0; i < 10; ++i) {
    step();
    level->explosions().update(frame);
  }
  EXPECT_FALSE(block->isDead());
  EXPECT_FALSE(block->neutronMarked());
  EXPECT_TRUE(level->explosions().isEmpty());
}
