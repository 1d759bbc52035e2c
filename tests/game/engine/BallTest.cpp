#include "BlockWorld.h"

#include "engine/GameCategories.h"
#include "file/BufferBinary.h"
#include "physics/BounceEvent.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

using blocktest::BlockWorld;

namespace {

class BallTest : public BlockWorld {
protected:
  // A bounce off the geometry with the speed going into the surface.
  void bounce(physics::WorldGeometry *geometry, float impact) {
    physics::BounceEvent event(geometry, &ball().structure(), 0);
    event.incomingVelocity = math::Vector3(0.0f, -impact, 0.0f);
    event.normal = math::Vector3(0.0f, 1.0f, 0.0f);
    ball().onBounce(event);
  }
  uint32_t bounces() { return uint32_t(effects(Level::groundEffects(), L"bounce").size()); }
};

} // namespace

TEST_F(BallTest, BuildsWaitingWithItsStructureInTheLevel) {
  const physics::Structure3D &s = ball().structure();
  EXPECT_EQ(level->ballFromStructure(&s), &ball());
  EXPECT_EQ(level->ballFromStructure(nullptr), nullptr);
  ASSERT_EQ(level->simulation().structures.size(), 1u);
  EXPECT_EQ(level->simulation().structures[0], &s);
  EXPECT_EQ(s.getOwner(), &ball());
  ASSERT_EQ(s.bounceListeners.size(), 1u);
  EXPECT_EQ(s.bounceListeners[0], &ball());
  EXPECT_EQ(s.axisMask, 7u);
  EXPECT_EQ(s.targetSpeed, 0.5f);
  EXPECT_EQ(s.speedRange, 1.0f);
  EXPECT_EQ(ball().atom().radius, 1.45f);
  EXPECT_EQ(ball().atom().bounce, 0.75f);
  EXPECT_EQ(ball().atom().slide, 1.0f);
  EXPECT_EQ(ball().state(), Ball::WAITING);
  EXPECT_EQ(ball().power(), Ball::NO_POWER);
  EXPECT_EQ(ball().damping(), 0.8f);
  EXPECT_EQ(ball().sparkSystem().speed, 30.0f);
  EXPECT_EQ(ball().sparkSystem().turnAcceleration, 1200.0f);
  EXPECT_EQ(ball().sparkSystem().minimumFlight, 0.25f);
  EXPECT_EQ(ball().sparkSystem().steerDelay, 0.05f);
  EXPECT_FALSE(ball().smoke().emitting);
  EXPECT_FALSE(ball().trail().pass().depthTest);
  EXPECT_NE(ball().iceCharge(), nullptr);
  EXPECT_NE(ball().heatEffect(), nullptr);
  // Leaving takes the structure out of the simulation.
  delete level;
  level = new blocktest::TestLevel(engine);
  EXPECT_EQ(level->simulation().structures.size(), 1u);
}

TEST_F(BallTest, SettingItsOwnStateChangesNothing) {
  ball().setState(Ball::PLAYING);
  ball().update(0.5f);
  ball().setState(Ball::PLAYING);
  EXPECT_FLOAT_EQ(ball().stateTime(), 0.5f);
  ball().setState(Ball::TARRED);
  EXPECT_EQ(ball().stateTime(), 0.0f);
}

TEST_F(BallTest, StatesRunTheirEntryActions) {
  ASSERT_TRUE(soundOpen);
  ball().setPosition(math::Vector3(3.0f, 6.0f, 0.0f));
  ball().setState(Ball::APPEARING);
  ASSERT_EQ(effects(Level::objectEffects(), L"ballAppear").size(), 1u);
  EXPECT_EQ(effects(Level::objectEffects(), L"ballAppear")[0]->location,
            math::Vector3(3.0f, 6.0f, 0.0f));
  EXPECT_TRUE(played(L"ballAppear"));

  ball().setState(Ball::PLAYING);
  ball().setPower(Ball::ICE);
  level->setBonus(2, 3);
  ball().setState(Ball::TARRED);
  EXPECT_FALSE(level->hasBonusCharge());
  EXPECT_EQ(level->bonusCount(), 1u);
  EXPECT_EQ(ball().power(), Ball::ICE);

  ball().setState(Ball::DYING);
  EXPECT_EQ(ball().power(), Ball::NO_POWER);
  EXPECT_EQ(ball().atom().pinned, 1u);
  EXPECT_EQ(effects(Level::objectEffects(), L"ballDie").size(), 1u);
  EXPECT_TRUE(played(L"ballDie"));

  ball().setState(Ball::WAITING);
  EXPECT_EQ(ball().atom().pinned, 0u);
  EXPECT_EQ(ball().trail().pointCount(), 0u);

  ball().setPower(Ball::FIRE);
  ball().complete();
  EXPECT_EQ(ball().state(), Ball::COMPLETE);
  EXPECT_EQ(ball().power(), Ball::NO_POWER);
  EXPECT_EQ(ball().atom().pinned, 1u);
}

TEST_F(BallTest, ControlRampsUpAfterABounce) {
  struct Case {
    unsigned state;
    bool playing;
    float time;
    float damping, acceleration;
  };
  const Case cases[] = {
      {Ball::PLAYING, true, 0.4f, 1.0f, 1.0f},      {Ball::PLAYING, true, 0.75f, 0.9f, 4.0f},
      {Ball::PLAYING, true, 1.2f, 0.8f, 7.0f},      {Ball::TELEPORTING, true, 0.4f, 1.0f, 1.0f},
      {Ball::TELEPORTING, true, 0.75f, 0.9f, 4.0f}, {Ball::TELEPORTING, true, 1.2f, 0.8f, 7.0f},
      {Ball::COMPLETE, true, 1.2f, 0.8f, 7.0f},     {Ball::APPEARING, true, 0.4f, 0.0f, 0.0f},
      {Ball::APPEARING, true, 0.75f, 0.0f, 0.0f},   {Ball::APPEARING, true, 1.2f, 0.0f, 0.0f},
      {Ball::TARRED, true, 1.2f, 0.0f, 0.0f},       {Ball::DYING, true, 1.2f, 0.0f, 0.0f},
      {Ball::PLAYING, false, 0.4f, 0.0f, 0.0f},     {Ball::PLAYING, false, 0.75f, 0.0f, 0.0f},
      {Ball::PLAYING, false, 1.2f, 0.0f, 0.0f},
  };
  for (const Case &c : cases) {
    delete level;
    engine->setState(c.playing ? Engine::PLAYING : Engine::IDLE);
    level = new blocktest::TestLevel(engine);
    ball().setState(c.state);
    ball().update(c.time);
    const std::string what =
        std::to_string(c.state) + (c.playing ? " playing " : " idle ") + std::to_string(c.time);
    EXPECT_FLOAT_EQ(ball().controlTime(), c.time) << what;
    EXPECT_NEAR(ball().damping(), c.damping, 1e-5f) << what;
    EXPECT_NEAR(ball().accelerationFactor(), c.acceleration, 1e-5f) << what;
    EXPECT_EQ(ball().atom().damping, ball().damping()) << what;
    EXPECT_EQ(ball().atom().accelerationFactor, ball().accelerationFactor()) << what;
  }
}

TEST_F(BallTest, CollisionMasksFollowStateAndPower) {
  const physics::Structure3D &s = ball().structure();
  ball().setState(Ball::PLAYING);
  EXPECT_EQ(s.senseMask, 0xFFFF0000u);
  EXPECT_EQ(s.slideMask, 0xF0000u);
  EXPECT_EQ(s.bounceMask, 0x30000u);
  // Fire passes through breakable blocks, which still feel the contact.
  ball().setPower(Ball::FIRE);
  EXPECT_EQ(s.senseMask, 0xFFFF0000u);
  EXPECT_EQ(s.slideMask, 0xE0000u);
  EXPECT_EQ(s.bounceMask, 0x20000u);
  ball().teleportBegin();
  EXPECT_EQ(s.senseMask, 0u);
  EXPECT_EQ(s.slideMask, 0u);
  EXPECT_EQ(s.bounceMask, 0u);
  ball().teleportEnd();
  EXPECT_EQ(s.slideMask, 0xE0000u);
  ball().clearPower();
  EXPECT_EQ(s.slideMask, 0xF0000u);
  EXPECT_EQ(s.bounceMask, 0x30000u);
}

TEST_F(BallTest, BouncesShowFromAQuarterUnitPerStepAndRoundBlocksAlwaysKick) {
  ASSERT_TRUE(soundOpen);
  Block *wall = addBlock(Block::NORMAL, 0, 0, 0);
  ball().setState(Ball::PLAYING);
  ball().update(0.7f);
  bounce(&wall->geometry(), 0.24f);
  EXPECT_EQ(bounces(), 0u);
  EXPECT_FLOAT_EQ(ball().controlTime(), 0.7f);
  bounce(&wall->geometry(), 0.25f);
  EXPECT_EQ(bounces(), 1u);
  EXPECT_EQ(ball().controlTime(), 0.0f);

  // The glow takes the colour of the bonus charge.
  level->setBonus(4, 2);
  bounce(&wall->geometry(), 1.0f);
  ASSERT_EQ(bounces(), 2u);
  EXPECT_EQ(effects(Level::groundEffects(), L"bounce")[1]->color, math::Color::red);

  // A round block kicks the ball away from its centre even at no speed.
  Block *post = addBlock(Block::ROUND, COLOR_NONE, 2, 0);
  ball().setPosition(math::Vector3(6.0f, 2.5f, 0.0f));
  bounce(&post->geometry(), 0.0f);
  EXPECT_EQ(bounces(), 3u);
  const math::Vector3 v = ball().atom().position - ball().atom().previousPosition;
  EXPECT_NEAR(v.x, 0.0f, 1e-6f);
  EXPECT_NEAR(v.y, 0.75f, 1e-6f);
  EXPECT_TRUE(played(L"roundBlock"));
  // Right on the centre it goes in some direction of the plane.
  ball().setPosition(math::Vector3(6.0f, 0.0f, 0.0f));
  bounce(&post->geometry(), 0.0f);
  const math::Vector3 w = ball().atom().position - ball().atom().previousPosition;
  EXPECT_NEAR(w.length(), 0.75f, 1e-5f);
  EXPECT_EQ(w.z, 0.0f);

  // Nothing while the engine does not play.
  engine->setState(Engine::IDLE);
  bounce(&post->geometry(), 1.0f);
  EXPECT_EQ(bounces(), 4u);
}

TEST_F(BallTest, UpdateRunsPowerDownRollBombsAndHeat) {
  ASSERT_TRUE(soundOpen);
  ball().setState(Ball::PLAYING);
  ball().setPower(Ball::BOMB);
  EXPECT_EQ(ball().powerTime(), 10.0f);
  EXPECT_TRUE(played(L"powerUp"));
  // The bomb drops its effect every 4.5 units of travel.
  ball().setPosition(math::Vector3(10.0f, 0.0f, 0.0f));
  ball().update(0.1f);
  const auto drops = effects(Level::groundEffects(), L"bombDropping");
  ASSERT_EQ(drops.size(), 2u);
  EXPECT_EQ(drops[0]->location, math::Vector3(4.5f, 0.0f, 0.0f));
  EXPECT_EQ(drops[1]->location, math::Vector3(9.0f, 0.0f, 0.0f));
  EXPECT_FLOAT_EQ(drops[0]->scale, 1.0f / 15.0f);
  EXPECT_EQ(ball().bombAnchor(), math::Vector3(9.0f, 0.0f, 0.0f));
  // Rolling along +x: heading 270 degrees from (0, 1); 10 units of a 1.45
  // radius ball.
  EXPECT_FLOAT_EQ(ball().heading(), 270.0f);
  EXPECT_NEAR(ball().rollAngle(), std::fmod(10.0f / (2.0f * 3.14159265f * 1.45f) * 360.0f, 360.0f),
              1e-3f);
  // Neither bombs nor ice leave a trail.
  EXPECT_EQ(ball().trail().pointCount(), 0u);

  // The power does not run down while tarred.
  ball().setState(Ball::TARRED);
  ball().update(20.0f);
  EXPECT_EQ(ball().power(), Ball::BOMB);
  ball().setState(Ball::PLAYING);
  quiet();
  ball().update(10.0f);
  EXPECT_EQ(ball().power(), Ball::NO_POWER);
  EXPECT_EQ(ball().powerTime(), 0.0f);
  EXPECT_TRUE(played(L"powerDown"));
  // Without a power the trail takes a point each update.
  ball().update(0.01f);
  ball().update(0.01f);
  EXPECT_EQ(ball().trail().pointCount(), 2u);

  ball().heat();
  EXPECT_TRUE(ball().smoke().emitting);
  ball().update(0.05f);
  EXPECT_TRUE(ball().smoke().emitting);
  ball().update(0.06f);
  EXPECT_FALSE(ball().smoke().emitting);
}

TEST_F(BallTest, ShieldsPowersAndTeleports) {
  ASSERT_TRUE(soundOpen);
  ball().setState(Ball::PLAYING);
  EXPECT_FALSE(ball().hasShield());
  level->setBonus(1, 2);
  EXPECT_TRUE(ball().hasShield());
  ball().setPower(Ball::LIGHTNING);
  for (uint32_t i = 0; i < Ball::orbiterCount; ++i) {
    EXPECT_GE(ball().orbiter(i).lifetime, 0.2f);
    EXPECT_LT(ball().orbiter(i).shape, 3u);
  }
  // Losing the shield takes both the power and the charge, and spares the
  // ball for a second.
  ball().loseShield();
  EXPECT_EQ(ball().power(), Ball::NO_POWER);
  EXPECT_FALSE(level->hasBonusCharge());
  EXPECT_EQ(ball().invulnerableTime(), 1.0f);
  EXPECT_EQ(effects(Level::objectEffects(), L"ballLoseSuper").size(), 1u);
  EXPECT_EQ(effects(Level::objectEffects(), L"bonusDischargeGreen").size(), 1u);
  EXPECT_TRUE(played(L"loseShield"));
  ball().update(0.05f);
  EXPECT_FALSE(ball().visible());

  ball().setPower(Ball::ICE);
  ball().teleportBegin();
  EXPECT_EQ(ball().state(), Ball::TELEPORTING);
  ball().update(0.6f);
  EXPECT_FLOAT_EQ(ball().controlTime(), 0.65f);
  ball().teleportEnd();
  EXPECT_EQ(ball().state(), Ball::PLAYING);
  EXPECT_EQ(ball().controlTime(), 0.0f);
  EXPECT_EQ(ball().regionIndex(), 0);
  EXPECT_TRUE(played(L"teleportEnd"));

  ball().addBonusCharge(3);
  EXPECT_EQ(ball().chargeEffectCount(), 1u);
  // An empty placeholder system is finished at once.
  ball().update(0.1f);
  EXPECT_EQ(ball().chargeEffectCount(), 0u);
}

TEST_F(BallTest, RecordRoundTrips) {
  ball().setState(Ball::PLAYING);
  ball().setPosition(math::Vector3(4.0f, -2.0f, 0.5f));
  ball().setRegionIndex(3);
  ball().setPower(Ball::BOMB);
  ball().update(0.25f);
  ball().loseShield();
  ball().setPower(Ball::FIRE);
  ball().update(0.5f);
  ball().sparkSystem().emit(2, math::Vector3(1.0f, 1.0f, 0.0f));
  ball().die();
  file::BufferBinary out;
  ball().write(out);

  blocktest::TestLevel other(engine);
  Ball &copy = other.ball();
  out.seek(0);
  ASSERT_TRUE(copy.read(out));
  EXPECT_EQ(out.bytesRemaining(), 0u);
  EXPECT_EQ(copy.atomPosition(), math::Vector3(4.0f, -2.0f, 0.5f));
  EXPECT_EQ(copy.atom().previousPosition, copy.atomPosition());
  EXPECT_EQ(copy.regionIndex(), 3);
  EXPECT_EQ(copy.state(), Ball::DYING);
  EXPECT_EQ(copy.atom().pinned, 1u);
  EXPECT_EQ(copy.power(), ball().power());
  EXPECT_EQ(copy.powerTime(), ball().powerTime());
  EXPECT_EQ(copy.controlTime(), ball().controlTime());
  EXPECT_EQ(copy.invulnerableTime(), ball().invulnerableTime());
  EXPECT_EQ(copy.bombAnchor(), ball().bombAnchor());
  EXPECT_EQ(copy.sparkSystem().sparkCount(), 2u);
  EXPECT_EQ(copy.trail().pointCount(), ball().trail().pointCount());
  EXPECT_EQ(copy.structure().senseMask, 0xFFFF0000u);
  file::BufferBinary again;
  copy.write(again);
  ASSERT_EQ(again.size(), out.size());
  EXPECT_EQ(std::string((const char *)again.data(), again.size()),
            std::string((const char *)out.data(), out.size()));

  // Cut short, or with a state or power out of range, it is refused.
  for (uint32_t cut : {0u, 10u, 44u, uint32_t(out.size()) - 1}) {
    file::BufferBinary part;
    part.receiveBytes(out.data(), cut);
    part.seek(0);
    EXPECT_FALSE(copy.read(part)) << cut;
  }
  for (uint32_t at : {14u, 24u}) {
    file::BufferBinary bad;
    bad.receiveBytes(out.data(), out.size());
    bad.data()[at] = 9;
    bad.seek(0);
    EXPECT_FALSE(copy.read(bad)) << at;
  }
}
