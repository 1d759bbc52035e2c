// The level's state in a saved game: a level in play written and read into a
// new level gives the same bytes and the same play, what is left out stays
// out, and damaged or hostile records are refused.

#include "PlayWorld.h"
#include "SixBlockRoom.h"

#include "LevelWriter.h"
#include "engine/FrontEnd.h"
#include "game/LevelFileBytes.h"
#include "math/Random.h"
#include "particle/Effect3DList.h"

#include <gtest/gtest.h>

#include <string>

using blocktest::TestLevel;
using leveltest::PlayWorld;

namespace {

constexpr float frame = 1.0f / 30.0f;

std::string stateOf(const Level &level) {
  file::BufferBinary out;
  level.writeState(out);
  return gametest::bytesOf(out);
}

bool readInto(Level &level, const std::string &bytes) {
  file::BufferBinary in;
  gametest::fill(in, bytes);
  return level.readState(in);
}

class LevelStateTest : public PlayWorld {
protected:
  void SetUp() override {
    PlayWorld::SetUp();
    framework::GameEngine::setCurrent(engine);
  }
  void TearDown() override {
    delete restored;
    framework::GameEngine::setCurrent(nullptr);
    PlayWorld::TearDown();
  }

  // The room of six blocks with a pool of lava and two coins off to the side.
  static levelwriter::LevelPlan room() {
    levelwriter::LevelPlan plan = gametest::roomWithSixBlocks();
    plan.lavas.push_back(levelwriter::CellRect{-2, 10, -2, 11});
    plan.coins = {{2, 10}, {2, 11}};
    return plan;
  }

  // The engine's level of the plan, past its intro, with the ball tilted up
  // the line until the given number of blocks broke.
  Level *playUntilBroken(uint32_t broken) {
    file::BufferBinary bytes;
    std::string error;
    EXPECT_TRUE(levelwriter::levelFile(room(), bytes, error)) << error;
    container::Vector<char> name;
    LevelCatalogue::instance().levelName(0).toUtf8(name);
    folder.write("engineConfig/" + std::string(name.data()) + ".bin", gametest::bytesOf(bytes));
    UserProfile &profile = static_cast<UserProfile &>(*FrontEnd::currentProfile());
    profile.selectLevel(0);
    profile.m_levelsUnlocked = 2;
    Random::globalSeed(7);
    engine->restartLevel();
    Level *played = engine->level();
    if (!played)
      return nullptr;
    for (int i = 0; i < 95; ++i)
      engine->update(frame);
    settle();
    for (int i = 0; i < 600 && played->blocksBroken() < broken; ++i) {
      app->accelerationChanged(math::Vector3(0.0f, 0.5f, 0.0f));
      engine->update(frame);
    }
    EXPECT_EQ(played->blocksBroken(), broken);
    return played;
  }

  // Everything the record keeps, set on the level in play: frozen, charged
  // and grouped blocks, a neutron, an explosion, a bolt, a group drop, the
  // ball's power, the bonus charge, coin progress, a camera move, an effect,
  // and a chunk and a score drop that the record leaves out.
  void stir(Level &played) {
    BlockGrid &cells = played.blockGrid();
    cells.blockAt(0, 8)->freeze(false);
    cells.blockAt(0, 7)->setCharge(Ball::BOMB);
    const unsigned group = played.takeGroupId();
    cells.blockAt(0, 6)->setGroup(group);
    played.groupCounts().put(group, 2);
    played.ball().setPower(Ball::FIRE);
    auto *neutron = new Neutron(played);
    neutron->launch(math::Vector2(1.0f, 2.0f), math::Vector2(3.0f, 0.5f), 4, 2);
    played.addNeutron(neutron);
    auto *explosion = new Explosion(played);
    explosion->position = math::Vector3(-3.0f, 6.0f, 0.0f);
    explosion->setGroup(group);
    played.addExplosion(explosion);
    auto *bolt = new BlockLightning(played);
    bolt->setup(math::Vector2i(0, 6), math::Vector2i(0, 7), 0, group, 1);
    played.addBlockLightning(bolt);
    played.addScore(125, group, math::Vector3(0.0f, 9.0f, 0.0f));
    played.addScore(25, 0, math::Vector3(0.0f, 9.0f, 0.0f));
    cells.blockAt(0, 8)->throwChunk();
    played.chargeBonus(0);
    played.chargeBonus(0);
    played.coinCollected();
    played.moveCamera(math::Vector3(0.0f, 1.0f, 55.0f), math::Vector3(0.0f, 4.0f, 40.0f), 2.0f,
                      true);
    played.stepCameraMove(0.5f);
    played.spawnEffect(SYM(L"splash"), math::Vector3(1.0f, 2.0f, 0.0f), 2.0f,
                       math::Color(1.0f, 0.5f, 0.5f, 1.0f), Level::groundEffects());
    // A dying worm with a segment burst, and a tar ball on its way.
    Worm *worm = played.addWorm(new Worm(played));
    worm->setup(math::Vector3(-6.0f, 30.0f, 0.0f), 90.0f, 3, true);
    worm->segment(0).burst();
    worm->kill(worm->segment(0).position());
    auto *tar = new TarBall(played);
    played.addTarBall(tar);
    tar->place(math::Vector2i(2, 12), 3);
    tar->update(frame);
    // A secret found and revealed, and a tube off beside the room.
    auto *secret = new Secret(played);
    secret->setCorners(math::Vector2i(3, 0), math::Vector2i(4, 0), math::Vector2i(3, 3),
                       math::Vector2i(4, 3));
    secret->setState(Secret::REVEALED);
    played.addSecret(secret);
    auto *tube = new Tube(played);
    container::Vector<math::Vector2> points;
    for (float x : {33.0f, 30.0f, 60.0f, 63.0f})
      points.push(math::Vector2(x, 9.0f));
    tube->setPoints(points);
    played.addTube(tube);
    groupId = group;
    // An extended chomp, a stopped fire and a bug on its way.
    auto *chomp = new Chomp(played);
    chomp->setCell(math::Vector2i(2, 2));
    played.addChomp(chomp);
    played.ball().setPosition(math::Vector3(6.0f, 3.0f, 0.0f));
    chomp->update(frame);
    auto *fire = new Fire(played);
    fire->setSpokes(math::Vector3(-6.0f, 30.0f, 0.0f), 60.0f, 3.0f, 10.0f, 2);
    played.addFire(fire);
    fire->setState(Fire::STOPPED);
    fire->update(frame);
    auto *bug = new MoneyBug(played);
    container::Vector<math::Vector2> path;
    path.push(math::Vector2(6.0f, 0.0f));
    path.push(math::Vector2(6.0f, 30.0f));
    bug->setPath(path, false);
    bug->update(1.5f);
    played.addMoneyBug(bug);

    // Off to the side: an open door in the middle of closing, a switch just
    // hit, and a gate warming up.
    auto *door = new Door(played);
    door->setStartsClosed(false);
    door->setEndA(Level::cellCentre(math::Vector2i(2, 0)));
    door->setEndB(Level::cellCentre(math::Vector2i(2, 2)));
    door->reset();
    door->toggle();
    door->update(0.1f);
    played.addDoor(door);
    auto *pad = new Switch(played);
    pad->setCell(math::Vector2i(2, -2));
    pad->setState(Switch::HIT);
    played.addSwitch(pad);
    auto *gate = new Gate(played);
    gate->setEnds(Level::cellCentre(math::Vector2i(-2, 1)),
                  Level::cellCentre(math::Vector2i(-2, 3)));
    gate->setPhase(2.5f);
    gate->startAtPhase();
    played.addGate(gate);
  }

  TestLevel *restored = nullptr;
  unsigned groupId = 0;
};

} // namespace

TEST_F(LevelStateTest, ALevelInPlayReadIntoANewLevelKeepsItsPlayAndWritesTheSameBytes) {
  Level *played = playUntilBroken(2);
  ASSERT_NE(played, nullptr);
  stir(*played);
  ASSERT_FALSE(played->chunksNormal().isEmpty());
  ASSERT_FALSE(played->scoreDrops().isEmpty());
  const std::string written = stateOf(*played);

  restored = new TestLevel(engine);
  ASSERT_TRUE(readInto(*restored, written));
  EXPECT_EQ(stateOf(*restored), written);

  EXPECT_EQ(restored->state(), played->state());
  EXPECT_EQ(restored->stateTime(), played->stateTime());
  EXPECT_EQ(restored->score(), played->score());
  EXPECT_EQ(restored->balls(), played->balls());
  EXPECT_EQ(restored->blocksBroken(), 2u);
  EXPECT_EQ(restored->coinCount(), played->coinCount());
  EXPECT_EQ(restored->pendingCoins(), played->pendingCoins());
  EXPECT_EQ(restored->ballEarned(), played->ballEarned());
  EXPECT_EQ(restored->coins().size(), 2u);
  EXPECT_EQ(restored->bonusColor(), 0u);
  EXPECT_EQ(restored->bonusCount(), played->bonusCount());
  EXPECT_EQ(restored->ball().power(), unsigned(Ball::FIRE));
  EXPECT_EQ(restored->camera().position(), played->camera().position());
  const CameraMove &was = played->cameraMove(), &is = restored->cameraMove();
  EXPECT_EQ(is.from, was.from);
  EXPECT_EQ(is.to, was.to);
  EXPECT_EQ(is.elapsed, was.elapsed);
  EXPECT_EQ(is.duration, was.duration);
  EXPECT_EQ(is.moveXY, was.moveXY);
  EXPECT_EQ(is.moveZ, was.moveZ);
  EXPECT_EQ(restored->lavas().size(), 1u);
  ASSERT_EQ(restored->worms().size(), 1u);
  EXPECT_EQ(restored->worms()[0]->state(), Worm::DYING);
  EXPECT_FALSE(restored->worms()[0]->segment(0).geometry.enabled);
  ASSERT_EQ(restored->tarBalls().size(), 1u);
  EXPECT_EQ(restored->tarBalls()[0]->atomCount(), 3u);
  EXPECT_EQ(restored->tarBalls()[0]->getPosition(), played->tarBalls()[0]->getPosition());
  EXPECT_EQ(restored->neutrons().size(), 1u);
  EXPECT_EQ(restored->explosions().size(), 1u);
  EXPECT_EQ(restored->blockLightnings().size(), 1u);
  ASSERT_EQ(restored->chomps().size(), 1u);
  EXPECT_EQ(played->chomps()[0]->state(), Chomp::EXTENDED);
  EXPECT_EQ(restored->chomps()[0]->state(), Chomp::IDLE);
  ASSERT_EQ(restored->fires().size(), 1u);
  EXPECT_EQ(restored->fires()[0]->state(), Fire::STOPPED);
  EXPECT_EQ(restored->fires()[0]->spokeAngle(), played->fires()[0]->spokeAngle());
  ASSERT_EQ(restored->moneyBugs().size(), 1u);
  EXPECT_EQ(restored->moneyBugs()[0]->getPosition(), played->moneyBugs()[0]->getPosition());
  EXPECT_EQ(restored->moneyBugs()[0]->along(), 13.5f);
  ASSERT_EQ(restored->doors().size(), 1u);
  EXPECT_EQ(restored->doors()[0]->state(), uint32_t(Door::CLOSING));
  EXPECT_FLOAT_EQ(restored->doors()[0]->stateTime(), 0.1f);
  EXPECT_TRUE(restored->doors()[0]->beam().enabled);
  ASSERT_EQ(restored->switches().size(), 1u);
  EXPECT_EQ(restored->switches()[0]->state(), uint32_t(Switch::HIT));
  EXPECT_FALSE(restored->switches()[0]->armed());
  ASSERT_EQ(restored->gates().size(), 1u);
  EXPECT_EQ(restored->gates()[0]->state(), uint32_t(Gate::WARMING));
  EXPECT_FLOAT_EQ(restored->gates()[0]->stateTime(), 0.5f);
  ASSERT_EQ(restored->secrets().size(), 1u);
  EXPECT_EQ(restored->secrets()[0]->state(), uint32_t(Secret::REVEALED));
  EXPECT_TRUE(restored->secrets()[0]->found());
  ASSERT_EQ(restored->tubes().size(), 1u);
  EXPECT_EQ(restored->tubes()[0]->state(), uint32_t(Tube::IDLE));
  EXPECT_EQ(restored->tubes()[0]->path().controlPointCount(), 4u);
  EXPECT_TRUE(restored->tubes()[0]->mouth().enabled);
  EXPECT_TRUE(restored->blockGrid().blockAt(0, 8)->frozen());
  EXPECT_EQ(restored->blockGrid().blockAt(0, 7)->charge(), unsigned(Ball::BOMB));
  EXPECT_EQ(restored->blockGrid().blockAt(0, 6)->group(), groupId);
  EXPECT_EQ(restored->groupCounts().get(groupId), 2u);
  const uint32_t effects = played->effects().list(Level::groundEffects())->count();
  EXPECT_GT(effects, 0u);
  EXPECT_EQ(restored->effects().list(Level::groundEffects())->count(), effects);
  // The grid counts the broken blocks with the live ones, as at the start.
  EXPECT_EQ(restored->blockGrid().colouredCount(), 6u);
  // Chunks and score drops are not kept; the margins are the defaults.
  EXPECT_TRUE(restored->chunksNormal().isEmpty());
  EXPECT_TRUE(restored->scoreDrops().isEmpty());
  EXPECT_EQ(restored->cameraMargins().x, 100.0f);

  // The group's drop is found by its id: later points of the group add to it.
  GroupScoreDrop *drop = restored->groupScoreDropTable().get(groupId);
  ASSERT_NE(drop, nullptr);
  EXPECT_EQ(drop->points(), 125u);
  restored->addScore(50, groupId, math::Vector3(0.0f, 6.0f, 0.0f));
  EXPECT_EQ(drop->points(), 175u);
  EXPECT_EQ(restored->groupScoreDrops().size(), 1u);
}

TEST_F(LevelStateTest, AResumedLevelCompletesAtItsLastColouredBlock) {
  Level *played = playUntilBroken(2);
  ASSERT_NE(played, nullptr);
  const std::string written = stateOf(*played);
  restored = new TestLevel(engine);
  ASSERT_TRUE(readInto(*restored, written));
  ASSERT_EQ(restored->state(), Level::PLAYING);
  for (int i = 0; i < 900 && restored->state() != Level::COMPLETE; ++i) {
    app->accelerationChanged(math::Vector3(0.0f, 0.5f, 0.0f));
    restored->update(frame);
  }
  EXPECT_EQ(restored->blocksBroken(), 6u);
  EXPECT_EQ(restored->blockGrid().blockCount(), 0u);
  EXPECT_EQ(restored->state(), Level::COMPLETE);
}

TEST_F(LevelStateTest, EveryPrefixOfARecordIsRefused) {
  Level *played = playUntilBroken(1);
  ASSERT_NE(played, nullptr);
  stir(*played);
  const std::string written = stateOf(*played);
  testing::internal::CaptureStderr();
  for (size_t cut = 0; cut < written.size(); ++cut) {
    TestLevel level(engine);
    EXPECT_FALSE(readInto(level, written.substr(0, cut))) << "cut at " << cut;
  }
  testing::internal::GetCapturedStderr();
}

TEST_F(LevelStateTest, TwoGroupDropsOfOneGroupAreRefused) {
  Level *played = playUntilBroken(1);
  ASSERT_NE(played, nullptr);
  for (uint32_t points : {100u, 200u}) {
    auto *drop = new GroupScoreDrop(*played);
    drop->setGroup(9);
    drop->setPoints(points);
    played->groupScoreDrops().append(drop);
  }
  restored = new TestLevel(engine);
  testing::internal::CaptureStderr();
  EXPECT_FALSE(readInto(*restored, stateOf(*played)));
  EXPECT_NE(testing::internal::GetCapturedStderr().find("two group drops"), std::string::npos);
}
