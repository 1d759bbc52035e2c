#include "BlockWorld.h"

#include "engine/BlockColors.h"
#include "engine/CylinderGeometry.h"
#include "engine/GameCategories.h"
#include "file/BinaryPrimitives.h"
#include "file/BufferBinary.h"
#include "mesh/MeshDefinition.h"
#include "physics/WorldGeometry.h"
#include "text/FontFactory.h"

#include <gtest/gtest.h>

#include <string>

using blocktest::BlockWorld;

namespace {

class BlockTest : public BlockWorld {
protected:
  // The ball, holding the power, touches the block; the block then updates.
  void hit(Block &block, unsigned power) {
    if (power == Ball::NO_POWER)
      ball().clearPower();
    else
      ball().setPower(power);
    touch(block);
    block.update(0.01f);
  }
};

} // namespace

TEST(BlockColors, NamesAndDrawingColours) {
  const wchar_t *names[] = {L"blue", L"green", L"magenta", L"orange", L"red", L"teal"};
  for (unsigned i = 0; i < 6; ++i)
    EXPECT_EQ(colorIndex(Symbol::intern(names[i])), i) << i;
  EXPECT_EQ(colorIndex(Symbol::intern(L"yellow")), COLOR_NONE);
  EXPECT_EQ(colorIndex(Symbol::intern(L"Blue")), COLOR_NONE);
  EXPECT_EQ(colorIndex(Symbol()), COLOR_NONE);
  EXPECT_EQ(colorValue(3), math::Color::yellow);
  EXPECT_EQ(colorValue(5), math::Color::cyan);
  EXPECT_EQ(colorValue(6), math::Color::white);
  EXPECT_EQ(colorValue(200), math::Color::white);
}

TEST_F(BlockTest, KindsTakeTheirGeometryCategoryAndTexture) {
  struct Case {
    unsigned kind, colour;
    const wchar_t *geometry;
    uint32_t category;
    const wchar_t *texture;
    bool breaks;
  };
  const Case cases[] = {
      {Block::NORMAL, 4, L"block", CATEGORY_BREAKABLE, L"blockRedSingle", true},
      {Block::NORMAL, 3, L"block", CATEGORY_BREAKABLE, L"blockOrangeSingle", true},
      {Block::BONUS, 5, L"bonus", CATEGORY_BREAKABLE, L"blockBonusTeal", true},
      {Block::UNBREAKABLE, 6, L"block", CATEGORY_SOLID, L"blockUnbreakable", false},
      {Block::ROUND, 6, L"cylinder", CATEGORY_SOLID, L"blockRoundSingle", false},
      {Block::STONE, 6, L"block", CATEGORY_BREAKABLE, L"blockStone", true},
      {Block::INERT, 6, L"block", CATEGORY_BREAKABLE, L"", false},
      {Block::NORMAL, 6, L"block", CATEGORY_BREAKABLE, L"", true},
      {Block::BONUS, 9, L"bonus", CATEGORY_BREAKABLE, L"", true},
  };
  for (const Case &c : cases) {
    Block block(*level, c.kind, c.colour);
    const std::string what = std::to_string(c.kind) + "/" + std::to_string(c.colour);
    EXPECT_EQ(block.geometry().getType(), Symbol::intern(c.geometry)) << what;
    EXPECT_EQ(block.geometry().category, c.category) << what;
    EXPECT_EQ(Block::textureName(c.kind, c.colour), Symbol::intern(c.texture)) << what;
    EXPECT_EQ(block.breaks(), c.breaks) << what;
    EXPECT_EQ(level->blockFromGeometry(&block.geometry()), &block) << what;
    EXPECT_EQ(block.charge(), Block::noCharge) << what;
    EXPECT_FALSE(block.pendingHit().pending) << what;
  }
  Block post(*level, Block::ROUND, COLOR_NONE);
  EXPECT_FLOAT_EQ(static_cast<CylinderGeometry &>(post.geometry()).radius(), 1.35f);
  // Each block left the level's table as it went.
  Block *gone = new Block(*level, Block::NORMAL, 0);
  const physics::WorldGeometry *geometry = &gone->geometry();
  delete gone;
  EXPECT_EQ(level->blockFromGeometry(geometry), nullptr);
}

TEST_F(BlockTest, TwoContactsInOneStepLeaveOneHitAndOneBreak) {
  ASSERT_TRUE(soundOpen);
  Block *block = addBlock(Block::NORMAL, 1, 0, 0);
  ball().setState(Ball::PLAYING);
  ball().setPower(Ball::FIRE);
  // A contact of another structure is not the ball's.
  physics::Structure3D other;
  block->onContact(&block->geometry(), &other, 0);
  EXPECT_FALSE(block->pendingHit().pending);
  // The physics tells the block of each contact; the later one stands.
  ball().setPosition(math::Vector3(2.0f, 0.0f, 0.0f));
  EXPECT_TRUE(block->geometry().collide(ball().structure()));
  ball().setPosition(math::Vector3(0.0f, 2.5f, 0.0f));
  EXPECT_TRUE(block->geometry().collide(ball().structure()));
  EXPECT_TRUE(block->pendingHit().pending);
  EXPECT_EQ(block->pendingHit().power, unsigned(Ball::FIRE));
  EXPECT_EQ(block->pendingHit().position, math::Vector3(0.0f, 2.5f, 0.0f));
  EXPECT_TRUE(block->touched());
  EXPECT_FALSE(block->isDead());

  block->update(0.01f);
  EXPECT_TRUE(block->isDead());
  EXPECT_FALSE(block->pendingHit().pending);
  EXPECT_EQ(block->group(), 1u);
  EXPECT_EQ(level->nextGroupId(), 2u);
  block->update(0.01f);
  const auto saws = effects(Level::blockEffects(), L"sawChunks");
  ASSERT_EQ(saws.size(), 1u);
  EXPECT_EQ(saws[0]->color, math::Color::green);
  EXPECT_FLOAT_EQ(saws[0]->scale, 1.0f / 12.0f);
}

TEST_F(BlockTest, UnbreakableAndRoundBlocksNeverBreakOrTakeAGroup) {
  ball().setState(Ball::PLAYING);
  for (unsigned kind : {unsigned(Block::UNBREAKABLE), unsigned(Block::ROUND)})
    for (unsigned power = 0; power <= Ball::NO_POWER; ++power) {
      Block block(*level, kind, COLOR_NONE);
      hit(block, power);
      EXPECT_FALSE(block.isDead()) << kind << " " << power;
      EXPECT_EQ(block.group(), 0u) << kind << " " << power;
      EXPECT_FALSE(block.frozen()) << kind << " " << power;
      EXPECT_TRUE(block.touched()) << kind << " " << power;
    }
  EXPECT_EQ(level->nextGroupId(), 1u);
  EXPECT_EQ(effectCount(), 0u);
}

TEST_F(BlockTest, AStoneBlockClacksAndNeverPlaysABonusNote) {
  ASSERT_TRUE(soundOpen);
  level->setBonus(0, 4);
  Block *stone = addBlock(Block::STONE, COLOR_NONE, 2, 1);
  hit(*stone, Ball::NO_POWER);
  EXPECT_TRUE(stone->isDead());
  EXPECT_TRUE(played(L"stoneClack"));
  EXPECT_FALSE(played(L"blockHit4"));
  const auto chunks = effects(Level::blockEffects(), L"stoneChunks");
  ASSERT_EQ(chunks.size(), 1u);
  EXPECT_EQ(chunks[0]->location, math::Vector3(6.0f, 3.0f, 0.0f));
  EXPECT_EQ(ball().sparkSystem().sparkCount(), 0u);
}

TEST_F(BlockTest, BreaksOfTheBonusColourSparkAndRiseInPitch) {
  ASSERT_TRUE(soundOpen);
  struct Case {
    unsigned bonusColour, count, blockColour;
    const wchar_t *note;
    uint32_t sparks;
  };
  const Case cases[] = {
      {2, 3, 2, L"blockHit2", 1},         {2, 1, 2, L"blockHit", 1}, {4, 8, 4, L"blockHit7", 1},
      {4, 12, 4, L"blockHit7", 1},        {4, 0, 4, L"blockHit", 1}, {1, 3, 2, L"blockHit", 0},
      {COLOR_NONE, 1, 2, L"blockHit", 0},
  };
  for (const Case &c : cases) {
    quiet();
    ball().sparkSystem().clear();
    level->setBonus(c.bonusColour, c.count);
    Block block(*level, Block::NORMAL, c.blockColour);
    hit(block, Ball::NO_POWER);
    EXPECT_TRUE(block.isDead());
    EXPECT_TRUE(played(c.note)) << c.bonusColour << " " << c.count;
    EXPECT_EQ(ball().sparkSystem().sparkCount(), c.sparks) << c.bonusColour << " " << c.count;
  }
  // A quiet smash of another colour makes no sound.
  quiet();
  level->setBonus(1, 2);
  Block block(*level, Block::NORMAL, 3);
  block.smashQuietly();
  EXPECT_TRUE(block.isDead());
  EXPECT_FALSE(played(L"blockHit"));
}

TEST_F(BlockTest, ABonusBlocksEffectsSitOneAndAHalfRightAndAbove) {
  Block *bonus = addBlock(Block::BONUS, 3, 2, 3);
  EXPECT_EQ(bonus->getPosition(), math::Vector3(6.0f, 9.0f, 0.0f));
  EXPECT_EQ(bonus->centre(), math::Vector3(7.5f, 10.5f, 0.0f));
  bonus->setCharge(Ball::BOMB);
  ball().setState(Ball::PLAYING);
  hit(*bonus, Ball::FIRE);
  for (const wchar_t *name : {L"blockCharge", L"sawChunks"}) {
    std::vector<const Effect3D *> found = effects(Level::objectEffects(), name);
    if (found.empty())
      found = effects(Level::blockEffects(), name);
    ASSERT_EQ(found.size(), 1u) << std::string(name, name + wcslen(name));
    EXPECT_EQ(found[0]->location, math::Vector3(7.5f, 10.5f, 0.0f));
  }
}

TEST_F(BlockTest, IceFreezesTheGroupAndSpreadsEachStepToItsColour) {
  ASSERT_TRUE(soundOpen);
  // A row of blue blocks with a red one between, and a blue one beyond.
  Block *first = addBlock(Block::NORMAL, 0, 0, 0);
  Block *second = addBlock(Block::NORMAL, 0, 1, 0);
  Block *third = addBlock(Block::NORMAL, 0, 2, 0);
  Block *red = addBlock(Block::NORMAL, 4, 0, 1);
  Block *unbreakable = addBlock(Block::UNBREAKABLE, COLOR_NONE, 0, -1);
  ball().setState(Ball::PLAYING);
  hit(*first, Ball::ICE);
  EXPECT_TRUE(played(L"freeze"));
  EXPECT_FALSE(first->isDead());
  EXPECT_TRUE(first->frozen());
  EXPECT_TRUE(first->loudShatter());
  EXPECT_EQ(first->group(), 1u);
  // The neighbour of its colour freezes at once, quietly, into its group.
  EXPECT_TRUE(second->frozen());
  EXPECT_FALSE(second->loudShatter());
  EXPECT_EQ(second->group(), 1u);
  EXPECT_FALSE(third->frozen());
  EXPECT_FALSE(red->frozen());
  EXPECT_FALSE(unbreakable->frozen());
  EXPECT_EQ(level->groupCounts().get(1u), 2u);

  // 0.075 s later each frozen block passes it on.
  first->update(0.05f);
  second->update(0.05f);
  EXPECT_FALSE(third->frozen());
  first->update(0.03f);
  second->update(0.03f);
  EXPECT_TRUE(first->freezeSpread());
  EXPECT_TRUE(third->frozen());
  EXPECT_EQ(level->groupCounts().get(1u), 1u);
  third->update(0.1f);
  EXPECT_EQ(level->groupCounts().get(1u), 0u);

  // A frozen group is hit no more; it breaks when it shatters.
  quiet();
  hit(*second, Ball::NO_POWER);
  EXPECT_FALSE(second->isDead());
  second->shatterIce();
  first->shatterIce();
  EXPECT_TRUE(second->isDead());
  EXPECT_TRUE(played(L"glassBreaks"));
  EXPECT_EQ(effects(Level::objectEffects(), L"icePop").size(), 2u);
}

TEST_F(BlockTest, ChargesNeutronMarksAndBlasts) {
  Block *block = addBlock(Block::NORMAL, 5, 0, 0);
  block->setCharge(Ball::NUCLEAR);
  EXPECT_EQ(effects(Level::objectEffects(), L"blockCharge").size(), 1u);
  block->update(0.25f);
  EXPECT_FLOAT_EQ(block->chargeAge(), 0.25f);
  block->setCharge(Block::noCharge);
  EXPECT_EQ(effects(Level::objectEffects(), L"blockCharge").size(), 1u);

  // A neutron marks normal and stone blocks without a group, and they break
  // at their next update into its group.
  Block *stone = addBlock(Block::STONE, COLOR_NONE, 1, 0);
  Block *unbreakable = addBlock(Block::UNBREAKABLE, COLOR_NONE, 3, 0);
  Block *grouped = addBlock(Block::NORMAL, 2, 0, 2);
  grouped->setGroup(9);
  EXPECT_TRUE(stone->markByNeutron(7));
  EXPECT_FALSE(unbreakable->markByNeutron(7));
  EXPECT_TRUE(grouped->markByNeutron(7));
  EXPECT_TRUE(stone->neutronMarked());
  EXPECT_FALSE(unbreakable->neutronMarked());
  EXPECT_FALSE(grouped->neutronMarked());
  stone->update(0.01f);
  EXPECT_TRUE(stone->isDead());
  EXPECT_EQ(stone->group(), 7u);
  ASSERT_EQ(effects(Level::blockEffects(), L"neutronPop").size(), 1u);
  EXPECT_FLOAT_EQ(effects(Level::blockEffects(), L"neutronPop")[0]->scale, 0.2f);
  // Its blast shook the live normal and unbreakable blocks within 9 units.
  EXPECT_TRUE(block->shaking());
  EXPECT_TRUE(unbreakable->shaking());
  EXPECT_TRUE(grouped->shaking());

  Block *far = addBlock(Block::NORMAL, 0, 0, -5);
  far->blastFrom(4, math::Vector3());
  EXPECT_TRUE(far->isDead());
  EXPECT_EQ(far->group(), 4u);
}

TEST_F(BlockTest, BlastShakesNearBlocksAndTheOffsetsReturnToZero) {
  Block *near = addBlock(Block::NORMAL, 0, 1, 0);
  Block *next = addBlock(Block::UNBREAKABLE, COLOR_NONE, 0, 3);
  Block *round = addBlock(Block::ROUND, COLOR_NONE, 2, 0);
  Block *frozen = addBlock(Block::NORMAL, 0, 0, 2);
  Block *beyond = addBlock(Block::NORMAL, 0, 5, 0);
  frozen->freeze(false);
  level->blast(math::Vector3(), 12.0f, 15.0f);
  EXPECT_TRUE(near->shaking());
  EXPECT_TRUE(next->shaking());
  EXPECT_FALSE(round->shaking());
  EXPECT_FALSE(frozen->shaking());
  EXPECT_FALSE(beyond->shaking());

  // 3 units out: 15 x 0.75 along +x at once; 9 units out: 15 x 0.25 along
  // +y after 0.2 s.
  near->update(0.1f);
  EXPECT_NEAR(near->shakeOffset().x, 11.25f * 0.1f * 0.8f, 1e-5f);
  EXPECT_EQ(near->shakeOffset().y, 0.0f);
  EXPECT_EQ(near->centre().x, 3.0f + near->shakeOffset().x);
  next->update(0.1f);
  EXPECT_EQ(next->shakeOffset().y, 0.0f);
  next->update(0.15f);
  EXPECT_GT(next->shakeOffset().y, 0.0f);
  for (int i = 0; i < 20; ++i) {
    near->update(0.1f);
    next->update(0.1f);
  }
  EXPECT_FALSE(near->shaking());
  EXPECT_FALSE(next->shaking());
  for (const Block *b : {near, next}) {
    EXPECT_EQ(b->shakeOffset().x, 0.0f);
    EXPECT_EQ(b->shakeOffset().y, 0.0f);
  }
}

TEST_F(BlockTest, StateRecordForEachFlagCombination) {
  struct Case {
    bool frozen, loud, spread;
    unsigned group, charge;
    uint32_t bytes;
  };
  const Case cases[] = {
      {false, false, false, 0, 5, 1}, {true, false, false, 0, 5, 5},
      {true, true, false, 0, 5, 5},   {true, true, true, 3, 5, 7},
      {false, false, false, 3, 5, 3}, {false, false, false, 0, 2, 6},
      {true, false, true, 70, 4, 12},
  };
  for (const Case &c : cases) {
    Block block(*level, Block::NORMAL, 0);
    block.setGroup(c.group);
    block.setCharge(c.charge);
    block.update(0.5f);
    if (c.frozen) {
      block.freeze(c.loud);
      block.update(c.spread ? 0.1f : 0.025f);
    }
    file::BufferBinary out;
    block.writeState(out);
    const std::string what = std::to_string(&c - cases);
    ASSERT_EQ(out.size(), c.bytes) << what;
    EXPECT_EQ(out.data()[0], (c.frozen ? 1 : 0) | (c.loud ? 2 : 0) | (c.spread ? 4 : 0) |
                                 (c.group ? 8 : 0) | (c.charge < 5 ? 16 : 0))
        << what;

    Block copy(*level, Block::NORMAL, 0);
    out.seek(0);
    ASSERT_TRUE(copy.readState(out)) << what;
    EXPECT_EQ(copy.frozen(), c.frozen) << what;
    EXPECT_EQ(copy.loudShatter(), c.loud) << what;
    EXPECT_EQ(copy.freezeSpread(), c.spread) << what;
    EXPECT_EQ(copy.group(), c.group) << what;
    EXPECT_EQ(copy.charge(), c.charge) << what;
    if (c.frozen) {
      EXPECT_EQ(copy.freezeDelay(), block.freezeDelay()) << what;
    }
    if (c.charge < 5) {
      EXPECT_EQ(copy.chargeAge(), block.chargeAge()) << what;
    }
    // Cut short, it is refused.
    file::BufferBinary part;
    part.receiveBytes(out.data(), out.size() - 1);
    part.seek(0);
    EXPECT_FALSE(copy.readState(part)) << what;
  }
  // Every flags byte a record can hold reads and writes back the same.
  for (uint8_t flags = 0; flags < 32; ++flags) {
    file::BufferBinary record;
    file::write(flags, record);
    if (flags & 1)
      file::write(0.0625f, record);
    if (flags & 8)
      file::write(uint16_t(300), record);
    if (flags & 16) {
      file::write(uint8_t(1), record);
      file::write(2.5f, record);
    }
    Block block(*level, Block::STONE, COLOR_NONE);
    record.seek(0);
    ASSERT_TRUE(block.readState(record)) << int(flags);
    EXPECT_EQ(record.bytesRemaining(), 0u) << int(flags);
    file::BufferBinary again;
    block.writeState(again);
    EXPECT_EQ(std::string((const char *)again.data(), again.size()),
              std::string((const char *)record.data(), record.size()))
        << int(flags);
  }
}

TEST_F(BlockTest, TheSquareIsTenPercentLargerThanItsCells) {
  struct Case {
    unsigned kind;
    int column, row;
    float left, bottom, edge;
  };
  const Case cases[] = {
      {Block::NORMAL, 1, 2, 3.0f - 1.65f, 6.0f - 1.65f, 3.3f},
      {Block::BONUS, -1, 0, -1.5f - 3.3f, 1.5f - 3.3f, 6.6f},
  };
  testing_support::NullCanvas canvas;
  for (const Case &c : cases) {
    Block *block = addBlock(c.kind, 0, c.column, c.row);
    EXPECT_TRUE(block->meshDirty());
    block->render(canvas);
    EXPECT_FALSE(block->meshDirty());
    const mesh::MeshDefinition &d = block->meshDefinition();
    ASSERT_EQ(d.vertexCount(), 4u);
    const math::Vector2 corners[4] = {{0, 1}, {0, 0}, {1, 1}, {1, 0}};
    // The strip's vertices take the texture's corners 0, 1, 3, 2.
    const math::Vector2 tex[4] = {{0, 0}, {0, 1}, {1, 0}, {1, 1}};
    for (uint32_t i = 0; i < 4; ++i) {
      EXPECT_NEAR(d.position2D(i).x, c.left + c.edge * corners[i].x, 1e-5f) << c.kind << i;
      EXPECT_NEAR(d.position2D(i).y, c.bottom + c.edge * corners[i].y, 1e-5f) << c.kind << i;
      EXPECT_EQ(d.texCoord(i).x, tex[i].x) << c.kind << i;
      EXPECT_EQ(d.texCoord(i).y, tex[i].y) << c.kind << i;
    }
    block->setPosition(math::Vector3());
    EXPECT_TRUE(block->meshDirty());
  }
}

TEST_F(BlockTest, OverlayDrawsTheChargeIconTheBonusNumberAndTheBorder) {
  blocktest::SpriteCanvas canvas;
  Block *normal = addBlock(Block::NORMAL, 0, 1, 1);
  normal->setCharge(Ball::FIRE);
  normal->update(0.25f);
  normal->renderOverlay(canvas);
  ASSERT_EQ(canvas.sprites.size(), 1u);
  EXPECT_EQ(canvas.sprites[0].position.x, 3.0f);
  EXPECT_EQ(canvas.sprites[0].position.y, 3.0f);
  EXPECT_EQ(canvas.sprites[0].size, level->spriteSize());
  EXPECT_EQ(canvas.sprites[0].colour.a, 127u);

  // Without the font "font" a bonus block shows no number.
  Block *bonus = addBlock(Block::BONUS, 2, 4, 4);
  canvas.sprites.clear();
  bonus->renderOverlay(canvas);
  EXPECT_TRUE(canvas.sprites.empty());
  EXPECT_TRUE(canvas.drawn().empty());

  // With it, the next count of its colour ("4" with three charges of it),
  // no wider than 1.5 units, right of and below its middle.
  auto white = testing_support::whiteTexture(Symbol::intern(L"white"));
  FontFactory::of(*database)->insert(
      testing_support::boxFont(white.get(), {{L'2', 10.0f}, {L'4', 10.0f}}, 0.0f).release());
  level->setBonus(2, 3);
  bonus->renderOverlay(canvas);
  const auto &quads = canvas.drawn();
  ASSERT_EQ(quads.size(), 1u);
  EXPECT_NEAR(quads[0].right - quads[0].left, 1.5f, 1e-4f);
  EXPECT_NEAR(quads[0].left, 12.0f + 1.5f + 0.5f, 1e-4f);
  EXPECT_EQ(quads[0].color.r, 127u);
  EXPECT_EQ(quads[0].color.g, 0u);
  EXPECT_EQ(quads[0].color.b, 127u);

  // A dead block shows nothing.
  canvas.quads.clear();
  normal->smashQuietly();
  normal->renderOverlay(canvas);
  EXPECT_TRUE(canvas.sprites.empty());
  EXPECT_TRUE(canvas.drawn().empty());
}
