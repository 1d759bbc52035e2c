#include "BlockWorld.h"

#include "engine/Chomp.h"
#include "engine/CylinderGeometry.h"
#include "engine/GameCategories.h"
#include "engine/LevelFile.h"
#include "file/BinaryPrimitives.h"
#include "file/BufferBinary.h"

#include <gtest/gtest.h>

using blocktest::BlockWorld;

namespace {

constexpr float frame = 1.0f / 30.0f;

class ChompTest : public BlockWorld {
protected:
  Chomp *chompAt(int column, int row) {
    auto *chomp = new Chomp(*level);
    chomp->setCell(math::Vector2i(column, row));
    level->addChomp(chomp);
    return chomp;
  }
  // The ball this far above the chomp at cell (2, 1).
  void ballAbove(float distance) { ball().setPosition(math::Vector3(6.0f, 3.0f + distance, 0.0f)); }
  void run(Chomp &chomp, float seconds) {
    for (float t = 0.0f; t < seconds; t += frame)
      chomp.update(frame);
  }
  void bite(Chomp &chomp) { chomp.onContact(&chomp.geometry(), &ball().structure(), 0); }
};

} // namespace

TEST_F(ChompTest, ItWakesOnlyForABallNearerThanFifteen) {
  ASSERT_TRUE(soundOpen);
  struct Case {
    float distance;
    int32_t state;
  };
  for (const Case &c : {Case{15.0f, Chomp::IDLE}, Case{15.1f, Chomp::IDLE},
                        Case{14.9f, Chomp::EXTENDED}, Case{0.0f, Chomp::EXTENDED}}) {
    SCOPED_TRACE(c.distance);
    quiet();
    Chomp chomp(*level);
    chomp.setCell(math::Vector2i(2, 1));
    EXPECT_EQ(chomp.getPosition(), math::Vector3(6.0f, 3.0f, 0.0f));
    ballAbove(c.distance);
    chomp.update(frame);
    EXPECT_EQ(chomp.state(), c.state);
    EXPECT_EQ(played(L"chompExtend"), c.state == Chomp::EXTENDED);
  }
}

TEST_F(ChompTest, ItStaysOutWhileTheBallStaysWithinTwentyTwoAndAHalfAndRetractsAfterThreeSeconds) {
  Chomp &chomp = *chompAt(2, 1);
  ballAbove(10.0f);
  chomp.update(frame);
  ASSERT_EQ(chomp.state(), Chomp::EXTENDED);
  // Within the keep range it never retracts.
  ballAbove(22.4f);
  run(chomp, 20.0f);
  EXPECT_EQ(chomp.state(), Chomp::EXTENDED);

  // Gone at once: it still holds for 3 s from extending.
  Chomp &other = *chompAt(2, 1);
  ballAbove(0.0f);
  other.update(frame);
  ballAbove(22.5f);
  float out = 0.0f;
  while (other.state() == Chomp::EXTENDED && out < 10.0f) {
    other.update(frame);
    out += frame;
  }
  EXPECT_EQ(other.state(), Chomp::RETRACTING);
  EXPECT_GT(out, 3.0f);
  EXPECT_LT(out, 3.0f + 2.0f * frame);
  // The retraction takes 0.2 s.
  run(other, 0.19f);
  EXPECT_EQ(other.state(), Chomp::RETRACTING);
  run(other, 0.05f);
  EXPECT_EQ(other.state(), Chomp::IDLE);
}

TEST_F(ChompTest, ABiteFollowsTheHazardRuleOnlyWhileTheGameAndTheBallPlay) {
  struct Case {
    const char *what;
    uint32_t engineState;
    unsigned ballState;
    unsigned power;
    bool grace;
    unsigned ballAfter;
    bool bites;
  };
  const Case cases[] = {
      {"playing ball", Engine::PLAYING, Ball::PLAYING, Ball::NO_POWER, false, Ball::DYING, true},
      {"shielded ball", Engine::PLAYING, Ball::PLAYING, Ball::ICE, false, Ball::PLAYING, true},
      {"ball in its grace", Engine::PLAYING, Ball::PLAYING, Ball::NO_POWER, true, Ball::PLAYING,
       true},
      {"appearing ball", Engine::PLAYING, Ball::APPEARING, Ball::NO_POWER, false, Ball::APPEARING,
       false},
      {"dying ball", Engine::PLAYING, Ball::DYING, Ball::NO_POWER, false, Ball::DYING, false},
      {"engine not playing", Engine::COMPLETE, Ball::PLAYING, Ball::NO_POWER, false, Ball::PLAYING,
       false},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    engine->setState(c.engineState);
    ball().setState(Ball::WAITING);
    ball().setState(c.ballState);
    ball().clearPower();
    if (c.power != Ball::NO_POWER)
      ball().setPower(c.power);
    if (c.grace) {
      ball().setPower(Ball::BOMB);
      ball().loseShield();
    }
    Chomp chomp(*level);
    chomp.setCell(math::Vector2i(20, 20));
    const size_t before = effects(Level::groundEffects(), L"chompAttack").size();
    bite(chomp);
    EXPECT_EQ(ball().state(), c.ballAfter);
    EXPECT_EQ(ball().power(), unsigned(Ball::NO_POWER));
    EXPECT_EQ(chomp.state(), c.bites ? Chomp::EXTENDED : Chomp::IDLE);
    EXPECT_EQ(effects(Level::groundEffects(), L"chompAttack").size(), before + (c.bites ? 1 : 0));
    if (c.power != Ball::NO_POWER) {
      EXPECT_GT(ball().invulnerableTime(), 0.0f);
    }
  }
}

TEST_F(ChompTest, ABiteOnAnExtendedChompKeepsItsHoldTimeAndARetractingOneExtends) {
  Chomp &chomp = *chompAt(2, 1);
  ballAbove(0.0f);
  ball().setState(Ball::WAITING);
  ball().setState(Ball::PLAYING);
  chomp.update(frame);
  run(chomp, 2.0f);
  const float held = chomp.stateTime();
  ball().setPower(Ball::ICE);
  bite(chomp);
  EXPECT_EQ(chomp.state(), Chomp::EXTENDED);
  EXPECT_EQ(chomp.stateTime(), held);

  ballAbove(30.0f);
  run(chomp, 1.1f);
  ASSERT_EQ(chomp.state(), Chomp::RETRACTING);
  ball().setPower(Ball::ICE);
  bite(chomp);
  EXPECT_EQ(chomp.state(), Chomp::EXTENDED);
  EXPECT_EQ(chomp.stateTime(), 0.0f);
}

TEST_F(ChompTest, TheRecordIsTheCellAndARestoredOrResetChompIsIdle) {
  Chomp &chomp = *chompAt(-3, 7);
  ball().setPosition(chomp.getPosition());
  chomp.update(frame);
  ASSERT_EQ(chomp.state(), Chomp::EXTENDED);
  file::BufferBinary bytes;
  chomp.write(bytes);
  EXPECT_EQ(bytes.size(), Chomp::recordBytes);
  bytes.seek(0);
  int32_t column, row;
  file::read(column, bytes);
  file::read(row, bytes);
  EXPECT_EQ(column, -3);
  EXPECT_EQ(row, 7);

  bytes.seek(0);
  Chomp restored(*level);
  ASSERT_TRUE(restored.read(bytes));
  EXPECT_EQ(restored.cell().x, -3);
  EXPECT_EQ(restored.cell().y, 7);
  EXPECT_EQ(restored.getPosition(), math::Vector3(-9.0f, 21.0f, 0.0f));
  EXPECT_EQ(restored.state(), Chomp::IDLE);

  // Cut short: refused, nothing changed.
  file::BufferBinary cut;
  file::write(int32_t(4), cut);
  cut.seek(0);
  EXPECT_FALSE(restored.read(cut));
  EXPECT_EQ(restored.cell().x, -3);

  chomp.reset();
  EXPECT_EQ(chomp.state(), Chomp::IDLE);
}

TEST_F(ChompTest, TheLevelHoldsChompsByCellAndTheirPostsStandInItsPhysics) {
  Chomp *a = chompAt(1, 1);
  Chomp *b = chompAt(1, 1);
  chompAt(2, 1);
  EXPECT_TRUE(level->hasChomp(math::Vector2i(1, 1)));
  EXPECT_FALSE(level->hasChomp(math::Vector2i(1, 2)));
  EXPECT_EQ(level->takeChomp(math::Vector2i(1, 1)), a);
  EXPECT_EQ(level->takeChomp(math::Vector2i(1, 1)), b);
  EXPECT_EQ(level->takeChomp(math::Vector2i(1, 1)), nullptr);
  EXPECT_EQ(level->chomps().size(), 1u);
  const uint32_t geometries = level->simulation().geometries.size();
  delete a;
  EXPECT_EQ(level->simulation().geometries.size(), geometries - 1);
  EXPECT_EQ(b->geometry().radius(), Chomp::radius);
  EXPECT_EQ(b->geometry().category, uint32_t(CATEGORY_SOLID));
  delete b;
}
