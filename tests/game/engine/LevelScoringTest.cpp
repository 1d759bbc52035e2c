#include "PlayWorld.h"

#include "engine/BlockColors.h"

#include <gtest/gtest.h>

using leveltest::PlayWorld;

namespace {

class LevelScoringTest : public PlayWorld {
protected:
  // The ball breaks the block; the level's update deletes it.
  void breakBlock(Block &block) {
    touch(block);
    frames(1);
  }
};

} // namespace

TEST_F(LevelScoringTest, ABlockScoresTwentyFiveTimesTheBonusCountOfItsColour) {
  struct Case {
    unsigned bonusColour, bonusCount, kind, colour;
    uint32_t points, broken;
  };
  const Case cases[] = {
      {COLOR_NONE, 1, Block::NORMAL, 0, 25, 1},
      {2, 3, Block::NORMAL, 2, 75, 1},
      // Another colour leaves the charge alone.
      {2, 3, Block::NORMAL, 4, 25, 1},
      // A bonus block's own hit charges its colour once more first.
      {5, 4, Block::BONUS, 5, 125, 1},
      {COLOR_NONE, 1, Block::BONUS, 5, 50, 1},
      // A stone block scores without counting as broken or taking the bonus.
      {COLOR_NONE, 1, Block::STONE, COLOR_NONE, 25, 0},
      {0, 3, Block::STONE, COLOR_NONE, 25, 0},
  };
  play();
  int column = 3;
  for (const Case &c : cases) {
    SCOPED_TRACE(testing::Message() << c.kind << " " << c.colour << " " << c.bonusCount);
    Block *block = addBlock(c.kind, c.colour, column, 10);
    column += 3;
    level->setBonus(c.bonusColour, c.bonusCount);
    const uint32_t score = level->score(), broken = level->blocksBroken();
    const uint32_t drops = level->scoreDrops().size();
    const math::Vector3 centre = block->centre();
    breakBlock(*block);
    EXPECT_EQ(level->score() - score, c.points);
    EXPECT_EQ(level->blocksBroken() - broken, c.broken);
    ASSERT_EQ(level->scoreDrops().size(), drops + 1);
    const ScoreDrop &drop = *level->scoreDrops()[drops];
    EXPECT_EQ(drop.getPosition(), centre);
    EXPECT_EQ(drop.image(), c.points / 25 - 1);
  }
}

TEST_F(LevelScoringTest, EachDropRisesFromItsBlockWithTheImageOfItsPoints) {
  Block *blue = addBlock(Block::NORMAL, 0, 4, 1);
  Block *red = addBlock(Block::NORMAL, 4, 6, 1);
  play();
  level->setBonus(4, 5);
  breakBlock(*blue);
  breakBlock(*red);
  ASSERT_EQ(level->scoreDrops().size(), 2u);
  EXPECT_EQ(level->scoreDrops()[0]->getPosition(), math::Vector3(12.0f, 3.0f, 0.0f));
  EXPECT_EQ(level->scoreDrops()[0]->image(), 0u);
  EXPECT_EQ(level->scoreDrops()[1]->getPosition(), math::Vector3(18.0f, 3.0f, 0.0f));
  EXPECT_EQ(level->scoreDrops()[1]->image(), 4u);
  // They go after 0.6 s.
  frames(15);
  EXPECT_EQ(level->scoreDrops().size(), 2u);
  frames(3);
  EXPECT_TRUE(level->scoreDrops().isEmpty());
}

TEST_F(LevelScoringTest, PointsOfOneGroupGatherInOneDropThatLivesWhileTheyCome) {
  play();
  level->addScore(25, 7, math::Vector3(3.0f, 0.0f, 0.0f));
  ASSERT_EQ(level->groupScoreDrops().size(), 1u);
  GroupScoreDrop *drop = level->groupScoreDrops()[0];
  const float life = drop->animationTime();
  ASSERT_GT(life, 0.1f);
  // Each addition restarts the drop's animation.
  for (int i = 0; i < 4; ++i) {
    level->update(0.7f * life);
    ASSERT_EQ(level->groupScoreDrops().size(), 1u);
    level->addScore(50, 7, math::Vector3(9.0f, 6.0f, 0.0f));
    EXPECT_EQ(drop->age(), 0.0f);
  }
  EXPECT_EQ(drop->points(), 225u);
  EXPECT_EQ(drop->getPosition(), math::Vector3(3.0f, 0.0f, 0.0f));
  // Another group has its own.
  level->addScore(25, 8, math::Vector3());
  EXPECT_EQ(level->groupScoreDrops().size(), 2u);
  EXPECT_TRUE(level->scoreDrops().isEmpty());
  EXPECT_EQ(level->score(), 250u);
  level->update(life + 0.01f);
  EXPECT_TRUE(level->groupScoreDrops().isEmpty());
  EXPECT_EQ(level->groupScoreDropTable().count(), 0u);
  // The group's next points start a new drop.
  level->addScore(25, 7, math::Vector3());
  ASSERT_EQ(level->groupScoreDrops().size(), 1u);
  EXPECT_EQ(level->groupScoreDrops()[0]->points(), 25u);
}

TEST_F(LevelScoringTest, TheTesterScoresOnePerEventAndEarnsNoTimeBonus) {
  Block *block = addBlock(Block::NORMAL, 1, 5, 0);
  play();
  frontEnd.tester().enabled = true;
  level->setBonus(1, 4);
  breakBlock(*block);
  level->addScore(250, 3, math::Vector3());
  level->addScore(50, 0, math::Vector3());
  EXPECT_EQ(level->score(), 3u);
  // The drops still show the points earned.
  EXPECT_EQ(level->groupScoreDrops()[0]->points(), 250u);
  EXPECT_EQ(level->scoreDrops()[0]->image(), 3u);
  level->setPlayTime(1.0f);
  EXPECT_EQ(level->timeBonusFactor(), 0.0f);
  EXPECT_EQ(level->timeBonus(), 0u);
  EXPECT_EQ(level->total(), 1000u + 3u);
}

TEST_F(LevelScoringTest, TheTimeBonusFallsToNothingAtTheParTime) {
  struct Case {
    uint32_t par;
    float play;
    uint32_t score, balls, bonus;
  };
  const Case cases[] = {
      {99, 0.0f, 1000, 2, 1000},
      {100, 25.0f, 1000, 0, 750},
      {100, 50.0f, 1000, 1, 500},
      // An exact half rounds down; other fractions to the nearest.
      {100, 50.0f, 3, 2, 1},
      {100, 50.0f, 5, 2, 2},
      {100, 60.0f, 9, 2, 4},
      {100, 100.0f, 1000, 2, 0},
      {100, 180.0f, 1000, 2, 0},
      {0, 0.0f, 1000, 2, 0},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(testing::Message() << c.par << " " << c.play << " " << c.score);
    level->setParTime(c.par);
    level->setPlayTime(c.play);
    level->setScore(c.score);
    level->setBalls(c.balls);
    EXPECT_EQ(level->timeBonus(), c.bonus);
    EXPECT_EQ(level->bonusPoints(), 500u * c.balls);
    EXPECT_EQ(level->total(), 500u * c.balls + c.score + c.bonus);
  }
}

TEST_F(LevelScoringTest, ChargingAColourCountsUpAndAnotherStartsAgainAtTwo) {
  GUI::Page *page = addPage(L"bonusCharge");
  play();
  struct Step {
    unsigned colour, count;
  };
  const Step steps[] = {{3, 2}, {3, 3}, {3, 4}, {1, 2}, {3, 2}};
  for (const Step &s : steps) {
    quiet();
    level->chargeBonus(s.colour);
    EXPECT_EQ(level->bonusColor(), s.colour);
    EXPECT_EQ(level->bonusCount(), s.count);
    EXPECT_TRUE(shown(*page));
    EXPECT_TRUE(!soundOpen || played(L"acquireBonus"));
  }
  // The ball at the window's middle: the notice shows above it.
  EXPECT_NEAR(page->position().x, 160.0f, 1e-3f);
  EXPECT_NEAR(page->position().y, 240.0f - 96.0f, 1e-3f);
  level->dischargeBonus();
  EXPECT_FALSE(level->hasBonusCharge());
  EXPECT_EQ(level->bonusCount(), 1u);
}

TEST_F(LevelScoringTest, AChargeReachesTheBallOnlyOnceShownAQuarterSecond) {
  struct Case {
    unsigned kind;
    float age;
    unsigned power;
  };
  const Case cases[] = {{Block::NORMAL, 0.2f, Ball::NO_POWER},
                        {Block::NORMAL, 0.25f, Ball::NO_POWER},
                        {Block::NORMAL, 0.3f, Ball::FIRE},
                        {Block::BONUS, 0.3f, Ball::FIRE},
                        {Block::STONE, 0.3f, Ball::NO_POWER}};
  play();
  int column = 2;
  for (const Case &c : cases) {
    SCOPED_TRACE(testing::Message() << c.kind << " " << c.age);
    ball().clearPower();
    Block *block = addBlock(c.kind, c.kind == Block::STONE ? COLOR_NONE : 2u, column, 9);
    column += 3;
    block->setCharge(Ball::FIRE);
    block->update(c.age);
    level->registerHit(*block);
    EXPECT_EQ(ball().power(), c.power);
  }
  // A bonus block's hit charges its colour.
  EXPECT_EQ(level->bonusColor(), 2u);
  EXPECT_EQ(level->bonusCount(), 2u);
}

TEST_F(LevelScoringTest, TheTwentyFifthCoinEarnsABallAndLaterCoinsWait) {
  GUI::Page *earn = addPage(L"earnBall");
  play();
  for (int i = 0; i < 24; ++i)
    level->coinCollected();
  EXPECT_EQ(level->coinCount(), 24u);
  EXPECT_EQ(level->balls(), 2u);
  EXPECT_FALSE(level->ballEarned());
  EXPECT_FALSE(shown(*earn));
  level->coinCollected();
  EXPECT_EQ(level->balls(), 3u);
  EXPECT_TRUE(level->ballEarned());
  EXPECT_TRUE(shown(*earn));
  for (int i = 0; i < 3; ++i)
    level->coinCollected();
  EXPECT_EQ(level->coinCount(), 25u);
  EXPECT_EQ(level->pendingCoins(), 3u);
  EXPECT_EQ(level->balls(), 3u);
  frames(1);
  EXPECT_EQ(level->pendingCoins(), 3u);
  // The notice closes: the waiting coins start the next meter.
  level->endExtraBallNotice();
  EXPECT_EQ(level->coinCount(), 0u);
  frames(1);
  EXPECT_EQ(level->coinCount(), 3u);
  EXPECT_EQ(level->pendingCoins(), 0u);
  EXPECT_EQ(level->balls(), 3u);
}

TEST_F(LevelScoringTest, EveryEightSecondsOneVisibleFreeNormalBlockTakesACharge) {
  Block *grouped = addBlock(Block::NORMAL, 0, 1, 0);
  grouped->setGroup(4);
  addBlock(Block::STONE, COLOR_NONE, 2, 0);
  addBlock(Block::BONUS, 1, 3, 3);
  Block *free = addBlock(Block::NORMAL, 5, -2, 2);
  // Out of sight.
  Block *far = addBlock(Block::NORMAL, 5, 40, 40);
  play();
  level->chargePower(8.0f - level->chargeTimer());
  EXPECT_EQ(free->charge(), Block::noCharge);
  level->chargePower(0.01f);
  EXPECT_LT(free->charge(), Block::noCharge);
  EXPECT_EQ(grouped->charge(), Block::noCharge);
  EXPECT_EQ(far->charge(), Block::noCharge);
  EXPECT_EQ(level->chargeTimer(), 0.0f);
  // While it shows, no other block is charged; the timer still restarts.
  const unsigned charge = free->charge();
  grouped->setGroup(0);
  level->chargePower(8.5f);
  EXPECT_EQ(grouped->charge(), Block::noCharge);
  EXPECT_EQ(free->charge(), charge);
  EXPECT_EQ(level->chargeTimer(), 0.0f);
}

TEST_F(LevelScoringTest, LightningStrikesUpToThreeFreeBlocksOfItsColourNearby) {
  // Around (0, 8), clear of the ball's start.
  // A block struck by lightning has taken its group.
  Block *source = addBlock(Block::NORMAL, 3, 0, 8);
  source->setGroup(1);
  play();
  level->lightningFrom(*source);
  EXPECT_EQ(level->lightningTargetCount(), 0u);
  // One candidate, at squared distance 16; (4, 9) at 17 is out of reach,
  // as are other colours, grouped and unbreakable blocks.
  Block *near = addBlock(Block::NORMAL, 3, 0, 12);
  addBlock(Block::NORMAL, 3, 4, 9);
  addBlock(Block::NORMAL, 2, 1, 9);
  addBlock(Block::UNBREAKABLE, COLOR_NONE, 1, 8);
  addBlock(Block::NORMAL, 3, -1, 8)->setGroup(2);
  quiet();
  level->lightningFrom(*source);
  ASSERT_EQ(level->lightningTargetCount(), 1u);
  EXPECT_EQ(level->lightningTarget(0), near);
  EXPECT_TRUE(!soundOpen || played(L"lightning"));
  // A stone block of the colour counts; never more than three bolts.
  addBlock(Block::STONE, 3, 2, 10);
  addBlock(Block::NORMAL, 3, -3, 6);
  addBlock(Block::NORMAL, 3, 0, 5);
  level->lightningFrom(*source);
  EXPECT_EQ(level->lightningTargetCount(), 3u);
}

TEST_F(LevelScoringTest, BreakingOneBlockTakesTheLastLiveOneByColumn) {
  Block *first = addBlock(Block::NORMAL, 0, 0, 5);
  addBlock(Block::NORMAL, 1, 3, 0);
  addBlock(Block::NORMAL, 2, 3, 4);
  play();
  level->hitRandomBlock();
  frames(1);
  EXPECT_EQ(grid().blockAt(3, 4), nullptr);
  EXPECT_NE(grid().blockAt(3, 0), nullptr);
  EXPECT_EQ(level->blocksBroken(), 1u);
  level->hitRandomBlock();
  level->hitRandomBlock();
  frames(1);
  EXPECT_EQ(grid().blockAt(3, 0), nullptr);
  EXPECT_EQ(grid().blockAt(0, 5), first);
  // An empty grid leaves the aid nothing to do.
  level->hitRandomBlock();
  frames(1);
  level->hitRandomBlock();
  frames(1);
  EXPECT_EQ(grid().blockAt(0, 5), nullptr);
  level->hitRandomBlock();
  EXPECT_EQ(level->blocksBroken(), 3u);
}

TEST_F(LevelScoringTest, DropsOnScreenDrawAsPointSpritesBatchedByImage) {
  play();
  const struct {
    uint32_t points;
    math::Vector3 at;
  } drops[] = {{1000, {3.0f, 3.0f, 0.0f}},
               {25, {-6.0f, 0.0f, 0.0f}},
               {50, {0.0f, 9.0f, 0.0f}},
               // Out of sight: not drawn.
               {25, {90.0f, 0.0f, 0.0f}},
               {10, {6.0f, -12.0f, 0.0f}}};
  for (const auto &d : drops)
    level->addScore(d.points, 0, d.at);
  level->update(0.4f);
  blocktest::SpriteCanvas canvas;
  level->renderObjects(canvas);
  ASSERT_EQ(canvas.sprites.size(), 4u);
  // Image 0 (two of them, in the order they came), then 1, then 8.
  const math::Vector2 order[] = {{-6.0f, 0.0f}, {6.0f, -12.0f}, {0.0f, 9.0f}, {3.0f, 3.0f}};
  for (uint32_t i = 0; i < 4; ++i) {
    EXPECT_EQ(canvas.sprites[i].position.x, order[i].x) << i;
    EXPECT_EQ(canvas.sprites[i].position.y, order[i].y) << i;
    EXPECT_EQ(canvas.sprites[i].size, level->spriteSize());
    // Fading: a third of the way out.
    EXPECT_NEAR(canvas.sprites[i].colour.a, 170, 1);
  }
  EXPECT_EQ(level->scoreBatch(0).textureName(), Symbol::intern(L"score25"));
  EXPECT_EQ(level->scoreBatch(9).textureName(), Symbol::intern(L"score250"));
  // The batches are empty again for the next frame.
  for (uint32_t i = 0; i < Level::scoreImageCount; ++i)
    EXPECT_TRUE(level->scoreBatch(i).isEmpty());
}
