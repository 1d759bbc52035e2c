// The hazards' showcase level, written from the project's data and played
// headless with the ball placed by hand: the chomp wakes and bites, the
// fire stops for a shield and kills without one, the money bugs spin and
// burst into coins, a new ball finds chomps idle and fires waiting, and
// every record comes back the same.

#include "PlayWorld.h"

#include "ShowcaseFile.h"
#include "engine/Chomp.h"
#include "engine/Coin.h"
#include "engine/Fire.h"
#include "engine/MoneyBug.h"
#include "file/BufferBinary.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

using leveltest::PlayWorld;

namespace {

class HazardShowcase : public PlayWorld {
protected:
  void SetUp() override {
    PlayWorld::SetUp();
    ASSERT_TRUE(leveltest::writeShowcase("showcase_hazards", written));
    ASSERT_TRUE(level->load(written));
    level->start();
  }
  // The ball, holding the power or none, this far right of the point.
  void ballBeside(const math::Vector3 &at, float dx, unsigned power) {
    ball().clearPower();
    if (power != Ball::NO_POWER)
      ball().setPower(power);
    ball().setPosition(at + math::Vector3(dx, 0.0f, 0.0f));
  }
  // Every kind's snapshot record, in list order.
  template <typename T> static std::string records(ObjectList<T> &list) {
    file::BufferBinary out;
    for (T *object : list)
      object->write(out);
    return std::string(reinterpret_cast<const char *>(out.data()), out.size());
  }

  file::BufferBinary written;
};

} // namespace

TEST_F(HazardShowcase, TheLevelFileHoldsItsHazardsAndWritesThemBackTheSame) {
  ASSERT_EQ(level->chomps().size(), 1u);
  ASSERT_EQ(level->fires().size(), 1u);
  ASSERT_EQ(level->moneyBugs().size(), 2u);
  EXPECT_EQ(level->chomps()[0]->cell().x, 8);
  EXPECT_EQ(level->chomps()[0]->cell().y, 4);
  const Fire &fire = *level->fires()[0];
  EXPECT_EQ(fire.getPosition(), math::Vector3(48.0f, 24.0f, 0.0f));
  EXPECT_EQ(fire.spokeCount(), 3u);
  EXPECT_EQ(fire.speed(), 90.0f);
  EXPECT_EQ(fire.spokeLength(), 7.5f);
  EXPECT_EQ(fire.state(), Fire::UNSET);
  EXPECT_TRUE(level->moneyBugs()[0]->closed());
  EXPECT_EQ(level->moneyBugs()[0]->pathLength(), 2.0f * (18.0f + 6.0f));
  EXPECT_FALSE(level->moneyBugs()[1]->closed());
  EXPECT_EQ(level->moneyBugs()[1]->pathLength(), 24.0f);

  file::BufferBinary again;
  level->writeFile(again);
  EXPECT_EQ(std::string(reinterpret_cast<const char *>(again.data()), again.size()),
            std::string(reinterpret_cast<const char *>(written.data()), written.size()));
}

TEST_F(HazardShowcase, TheChompWakesForTheBallAndBitesItsShieldAway) {
  play();
  Chomp &chomp = *level->chomps()[0];
  EXPECT_EQ(chomp.state(), Chomp::IDLE);
  // The ball starts beyond its reach.
  ballBeside(chomp.getPosition(), 14.0f, Ball::NO_POWER);
  frames(1);
  EXPECT_EQ(chomp.state(), Chomp::EXTENDED);
  ballBeside(chomp.getPosition(), 2.0f, Ball::BOMB);
  frames(1);
  EXPECT_EQ(ball().power(), unsigned(Ball::NO_POWER));
  EXPECT_EQ(ball().state(), unsigned(Ball::PLAYING));
  EXPECT_GT(ball().invulnerableTime(), 0.0f);
  // Pushed out of the post.
  EXPECT_GE((ball().getPosition() - chomp.getPosition()).length(), Chomp::radius + 1.44f);
  // Gone far off, it retracts once its 3 s have run.
  ballBeside(math::Vector3(66.0f, 40.0f, 0.0f), 0.0f, Ball::NO_POWER);
  frames(100);
  EXPECT_EQ(chomp.state(), Chomp::IDLE);
}

TEST_F(HazardShowcase, TheFireStopsForAShieldKillsWithoutOneAndANewBallFindsTheHazardsReset) {
  play();
  Fire &fire = *level->fires()[0];
  EXPECT_EQ(fire.state(), Fire::TURNING);
  const float before = fire.spokeAngle();
  frames(3);
  EXPECT_NEAR(Fire::angleDifference(before, fire.spokeAngle()), 90.0f * 3.0f / 30.0f, 1e-3f);

  ballBeside(fire.spokeTips()[0], 0.0f, Ball::ICE);
  frames(1);
  EXPECT_EQ(fire.state(), Fire::STOPPED);
  EXPECT_EQ(ball().power(), unsigned(Ball::NO_POWER));
  const float stopped = fire.spokeAngle();
  ballBeside(math::Vector3(6.0f, 6.0f, 0.0f), 0.0f, Ball::NO_POWER);
  frames(30);
  EXPECT_EQ(fire.spokeAngle(), stopped);

  // The chomp is out when the ball dies on a spoke.
  Chomp &chomp = *level->chomps()[0];
  ballBeside(chomp.getPosition(), 10.0f, Ball::NO_POWER);
  frames(1);
  ASSERT_EQ(chomp.state(), Chomp::EXTENDED);
  frames(31);
  ballBeside(fire.spokeTips()[1], 0.0f, Ball::NO_POWER);
  frames(1);
  EXPECT_EQ(ball().state(), unsigned(Ball::DYING));
  frames(1);
  EXPECT_EQ(level->state(), Level::BALL_LOST);
  frames(61);
  ASSERT_EQ(level->state(), Level::BALL_INTRO);
  EXPECT_EQ(chomp.state(), Chomp::IDLE);
  EXPECT_EQ(fire.state(), Fire::WAITING);
}

TEST_F(HazardShowcase, AMoneyBugSpinningHurtsTheBallAndTouchedAtRestBurstsIntoCoins) {
  play();
  MoneyBug &loop = *level->moneyBugs()[0];
  // Walking its loop at 9 units a second.
  const math::Vector3 start = loop.getPosition();
  frames(30);
  EXPECT_NEAR((loop.getPosition() - start).length(), 9.0f, 0.05f);

  // Spinning: a shielded ball loses its shield, the bug lives on.
  while (loop.state() != MoneyBug::SPINNING)
    frames(1);
  ballBeside(loop.getPosition(), 3.0f, Ball::LIGHTNING);
  frames(1);
  EXPECT_EQ(ball().power(), unsigned(Ball::NO_POWER));
  EXPECT_EQ(ball().state(), unsigned(Ball::PLAYING));
  EXPECT_EQ(level->moneyBugs().size(), 2u);

  // At rest it bursts: five coins glide out to cells round it, and the
  // ball gathers them.
  MoneyBug &line = *level->moneyBugs()[1];
  while (line.state() == MoneyBug::SPINNING)
    frames(1);
  const uint32_t coins = level->coins().size();
  const math::Vector2i home = Level::worldToCell(line.getPosition());
  ballBeside(line.getPosition(), 1.5f, Ball::NO_POWER);
  frames(1);
  EXPECT_EQ(level->moneyBugs().size(), 1u);
  ASSERT_EQ(level->coins().size(), coins + 5);
  frames(20);
  const uint32_t collected = level->coinCount();
  std::vector<math::Vector3> landed;
  for (uint32_t i = coins; i < level->coins().size(); ++i) {
    const Coin &coin = *level->coins()[i];
    EXPECT_LE(std::abs(coin.cell().x - home.x), 2);
    EXPECT_LE(std::abs(coin.cell().y - home.y), 2);
    landed.push_back(Level::cellCentre(coin.cell()));
  }
  for (const math::Vector3 &at : landed) {
    ballBeside(at, 0.0f, Ball::NO_POWER);
    frames(10);
  }
  EXPECT_EQ(level->coinCount(), collected + uint32_t(landed.size()));
  EXPECT_EQ(level->coins().size(), coins);
}

TEST_F(HazardShowcase, EveryHazardsSnapshotRecordComesBackTheSame) {
  play();
  frames(200);
  Chomp &chomp = *level->chomps()[0];
  ballBeside(chomp.getPosition(), 10.0f, Ball::NO_POWER);
  frames(1);
  ASSERT_EQ(chomp.state(), Chomp::EXTENDED);

  Level restored(engine);
  file::BufferBinary chomps, fires, bugs;
  for (Chomp *c : level->chomps())
    c->write(chomps);
  for (Fire *f : level->fires())
    f->write(fires);
  for (MoneyBug *b : level->moneyBugs())
    b->write(bugs);
  chomps.seek(0);
  fires.seek(0);
  bugs.seek(0);
  for (uint32_t i = 0; i < level->chomps().size(); ++i) {
    auto *c = new Chomp(restored);
    ASSERT_TRUE(c->read(chomps));
    restored.addChomp(c);
    EXPECT_EQ(c->state(), Chomp::IDLE);
  }
  for (uint32_t i = 0; i < level->fires().size(); ++i) {
    auto *f = new Fire(restored);
    ASSERT_TRUE(f->read(fires));
    restored.addFire(f);
  }
  for (uint32_t i = 0; i < level->moneyBugs().size(); ++i) {
    auto *b = new MoneyBug(restored);
    ASSERT_TRUE(b->read(bugs));
    restored.addMoneyBug(b);
  }
  EXPECT_EQ(records(restored.chomps()), records(level->chomps()));
  EXPECT_EQ(records(restored.fires()), records(level->fires()));
  EXPECT_EQ(records(restored.moneyBugs()), records(level->moneyBugs()));
}
