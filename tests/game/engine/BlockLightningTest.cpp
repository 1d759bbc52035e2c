#include "BlockWorld.h"

#include "engine/BlockLightning.h"
#include "file/BufferBinary.h"
#include "math/Random.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <utility>

using blocktest::BlockWorld;

namespace {

constexpr float frame = 1.0f / 30.0f;

class BlockLightningTest : public BlockWorld {
protected:
  BlockLightning *bolt(const math::Vector2i &source, const math::Vector2i &target, unsigned depth) {
    auto *made = new BlockLightning(*level);
    made->setup(source, target, 0, 6, depth);
    level->addBlockLightning(made);
    return made;
  }
};

using Cell = std::pair<int, int>;
Cell cellOf(const math::Vector2i &c) { return Cell(c.x, c.y); }

} // namespace

TEST_F(BlockLightningTest, AChainFromTheHitBlockPassesOnExactlyOnce) {
  ASSERT_TRUE(soundOpen);
  Random::globalSeed(7);
  level->setState(Level::PLAYING);
  for (int column = -8; column <= 8; ++column)
    for (int row = -8; row <= 8; ++row)
      addBlock(Block::NORMAL, 1, column, row);
  Block *hit = grid().blockAt(0, 0);
  ball().setPower(Ball::LIGHTNING);
  touch(*hit);
  hit->update(frame);
  ASSERT_TRUE(hit->isDead());
  EXPECT_TRUE(hit->electrified());
  EXPECT_TRUE(played(L"lightning"));
  const unsigned group = hit->group();

  // Three bolts of depth 0; each target joins the group at once.
  ASSERT_EQ(level->blockLightnings().size(), 3u);
  std::set<Cell> firstTargets;
  for (const BlockLightning *b : level->blockLightnings()) {
    EXPECT_EQ(b->depth(), 0u);
    EXPECT_EQ(cellOf(b->source()), Cell(0, 0));
    const Block *target = grid().blockAt(b->target().x, b->target().y);
    EXPECT_EQ(target->group(), group);
    EXPECT_TRUE(target->electrified());
    EXPECT_FALSE(target->isDead());
    firstTargets.insert(cellOf(b->target()));
  }
  EXPECT_EQ(firstTargets.size(), 3u);

  // Every bolt there ever is, by its source and target.
  std::map<Cell, std::set<Cell>> passedOn;
  std::set<Cell> struckTargets;
  for (int i = 0; i < 90 && !level->blockLightnings().isEmpty(); ++i) {
    level->blockLightnings().update(frame);
    for (const BlockLightning *b : level->blockLightnings()) {
      EXPECT_LE(b->depth(), 1u);
      if (b->depth() == 1) {
        EXPECT_TRUE(firstTargets.count(cellOf(b->source())));
        passedOn[cellOf(b->source())].insert(cellOf(b->target()));
      }
      if (b->struck())
        struckTargets.insert(cellOf(b->target()));
    }
  }
  EXPECT_TRUE(level->blockLightnings().isEmpty());
  EXPECT_EQ(passedOn.size(), 3u);
  uint32_t secondBolts = 0;
  for (const auto &[source, targets] : passedOn) {
    EXPECT_GE(targets.size(), 1u);
    EXPECT_LE(targets.size(), 3u);
    secondBolts += uint32_t(targets.size());
    for (const Cell &c : targets)
      EXPECT_TRUE(grid().blockAt(c.first, c.second)->isDead());
  }
  for (const Cell &c : firstTargets)
    EXPECT_TRUE(grid().blockAt(c.first, c.second)->isDead());
  // The hit block, its targets and theirs, all in one group drop.
  EXPECT_EQ(level->blocksBroken(), 1 + 3 + secondBolts);
  ASSERT_EQ(level->groupScoreDrops().size(), 1u);
  EXPECT_EQ(level->groupScoreDrops()[0]->points(), 25u * (1 + 3 + secondBolts));
}

TEST_F(BlockLightningTest, ATargetBrokenBeforeTheStrikeIsNotBrokenTwice) {
  level->setState(Level::PLAYING);
  addBlock(Block::NORMAL, 0, 0, 0);
  Block *dying = addBlock(Block::NORMAL, 0, 2, 0);
  Block *gone = addBlock(Block::NORMAL, 0, 0, 2);
  BlockLightning *toDying = bolt(math::Vector2i(0, 0), math::Vector2i(2, 0), 1);
  BlockLightning *toGone = bolt(math::Vector2i(0, 0), math::Vector2i(0, 2), 1);
  EXPECT_EQ(dying->group(), 6u);
  // One breaks and waits in its cell; the other leaves the grid.
  dying->smashQuietly();
  gone->smashQuietly();
  delete grid().take(0, 2);
  EXPECT_EQ(level->blocksBroken(), 2u);

  for (int i = 0; i < 16; ++i)
    level->blockLightnings().update(frame);
  EXPECT_TRUE(toDying->struck());
  EXPECT_TRUE(toGone->struck());
  EXPECT_EQ(level->blocksBroken(), 2u);
  // Struck, they still fade and die at one second.
  while (!level->blockLightnings().isEmpty() && toDying->age() < 0.95f)
    level->blockLightnings().update(frame);
  EXPECT_EQ(level->blockLightnings().size(), 2u);
  for (int i = 0; i < 3; ++i)
    level->blockLightnings().update(frame);
  EXPECT_TRUE(level->blockLightnings().isEmpty());
}

TEST_F(BlockLightningTest, OutOfPlayBoltsFlickerAndFadeButStrikeNothing) {
  Random::globalSeed(3);
  Block *target = addBlock(Block::NORMAL, 0, 4, 0);
  addBlock(Block::NORMAL, 0, 0, 0);
  level->setState(Level::COMPLETING);
  BlockLightning *b = bolt(math::Vector2i(0, 0), math::Vector2i(4, 0), 0);
  const math::Vector3 before = b->point(2);
  bool flickered = false;
  for (int i = 0; i < 60; ++i) {
    level->blockLightnings().update(frame);
    flickered = flickered || !(b->point(2) == before);
    // The ends stay on the cells; the middle points stray by up to 1.
    EXPECT_EQ(b->point(0), math::Vector3(0.0f, 0.0f, 0.0f));
    EXPECT_EQ(b->point(4), math::Vector3(12.0f, 0.0f, 0.0f));
    for (uint32_t p = 1; p < 4; ++p) {
      EXPECT_NEAR(b->point(p).x, 3.0f * float(p), 1.0f);
      EXPECT_NEAR(b->point(p).y, 0.0f, 1.0f);
    }
  }
  EXPECT_TRUE(flickered);
  EXPECT_FALSE(b->struck());
  EXPECT_FALSE(target->isDead());
  // Faded, and never dying without its strike.
  EXPECT_EQ(b->alpha(), 0.0f);
  EXPECT_EQ(level->blockLightnings().size(), 1u);
}

TEST_F(BlockLightningTest, FadesOverItsSecondHalfSecondInTheTextureOfItsColour) {
  struct Case {
    unsigned colour;
    const wchar_t *texture;
  };
  for (const Case &c : {Case{0, L"lightningLineBlue"}, Case{1, L"lightningLineGreen"},
                        Case{2, L"lightningLineMagenta"}, Case{3, L"lightningLineOrange"},
                        Case{4, L"lightningLineRed"}, Case{5, L"lightningLineTeal"},
                        Case{6, L"lightningLine"}, Case{200, L"lightningLine"}}) {
    EXPECT_EQ(BlockLightning::textureName(c.colour), Symbol::intern(c.texture)) << c.colour;
  }
  addBlock(Block::NORMAL, 0, 1, 0);
  BlockLightning *b = bolt(math::Vector2i(0, 0), math::Vector2i(1, 0), 0);
  struct Age {
    float age;
    float alpha;
  };
  float age = 0.0f;
  for (const Age &a : {Age{0.5f, 1.0f}, Age{0.75f, 0.5f}, Age{1.0f, 0.0f}}) {
    b->update(a.age - age);
    age = a.age;
    EXPECT_NEAR(b->alpha(), a.alpha, 1e-5f) << a.age;
  }
}

TEST_F(BlockLightningTest, TheRecordRoundTripsAndSetsUpALiveBoltOnlyWhereItsTargetStands) {
  Block *target = addBlock(Block::NORMAL, 2, 3, -1);
  addBlock(Block::NORMAL, 2, 0, 0);
  auto *written = new BlockLightning(*level);
  written->setup(math::Vector2i(0, 0), math::Vector2i(3, -1), 2, 300, 1);
  level->addBlockLightning(written);
  written->update(0.25f);
  file::BufferBinary out;
  written->write(out);
  EXPECT_EQ(out.size(), BlockLightning::recordBytes);

  // Restored beside a grid whose target has no group: it takes it again.
  target->setGroup(0);
  out.seek(0);
  BlockLightning restored(*level);
  ASSERT_TRUE(restored.read(out));
  EXPECT_EQ(restored.age(), 0.25f);
  EXPECT_FALSE(restored.struck());
  EXPECT_EQ(cellOf(restored.source()), Cell(0, 0));
  EXPECT_EQ(cellOf(restored.target()), Cell(3, -1));
  EXPECT_EQ(restored.color(), 2u);
  EXPECT_EQ(restored.group(), 300u);
  EXPECT_EQ(restored.depth(), 1u);
  EXPECT_EQ(restored.position, written->position);
  EXPECT_EQ(target->group(), 300u);
  EXPECT_EQ(restored.pass().texture, written->pass().texture);
  EXPECT_EQ(restored.point(4), math::Vector3(9.0f, -3.0f, 0.0f));

  // Without a block in the target cell the fields stand and no texture.
  delete grid().take(3, -1);
  out.seek(0);
  BlockLightning orphan(*level);
  ASSERT_TRUE(orphan.read(out));
  EXPECT_EQ(orphan.group(), 300u);
  EXPECT_EQ(orphan.pass().texture, nullptr);
  EXPECT_FALSE(orphan.isDead());

  file::BufferBinary cut;
  written->write(cut);
  cut.resize(BlockLightning::recordBytes - 1);
  cut.seek(0);
  BlockLightning untouched(*level);
  EXPECT_FALSE(untouched.read(cut));
  EXPECT_EQ(untouched.group(), 0u);
}
