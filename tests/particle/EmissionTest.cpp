// Emission, ageing and finishing of emitters and systems, with the random
// stream seeded. Steps are binary fractions, so that charges add up exactly.

#include "ParticleTestSupport.h"

#include "particle/SpoutCircle.h"

#include <gtest/gtest.h>

using namespace particletest;

namespace {

const float Quarter = 0.25f;

} // namespace

TEST(Emission, AChargeLimitedByMaxParticlesStopsMidChargeAndFinishesWhenTheyDie) {
  OneEmitter setup;
  setup.emitter->maxParticles = 5;
  setup.emitter->particlesPerCharge = 3;
  setup.emitter->chargeThreshold = Quarter;
  auto system = setup.make();
  Emitter &e = system->emitter(0);
  system->update(Quarter);
  EXPECT_EQ(e.emitted(), 3);
  system->update(Quarter);
  EXPECT_EQ(e.emitted(), 5); // the second charge stops after two
  EXPECT_EQ(e.liveCount(), 5u);
  EXPECT_FALSE(system->isFinished());
  system->update(Quarter);
  EXPECT_EQ(e.emitted(), 5);
  int updates = 0;
  while (!system->isFinished() && updates < 20) {
    system->update(Quarter);
    ++updates;
  }
  EXPECT_EQ(e.liveCount(), 0u);
  // The last two, emitted at 0.5 s, die once older than 1 s: at 1.5 s.
  EXPECT_EQ(e.age(), 1.5f);
}

TEST(Emission, InitialParticlesComeAtOnceInWholeCharges) {
  OneEmitter setup;
  setup.emitter->initialParticles = 10;
  setup.emitter->particlesPerCharge = 5;
  auto system = setup.make();
  EXPECT_EQ(system->emitter(0).emitted(), 10);
  EXPECT_EQ(system->emitter(0).liveCount(), 10u);
}

TEST(Emission, RotationsStepByTheAngleIncrementInEmissionOrder) {
  OneEmitter setup;
  setup.emitter->initialParticles = 3;
  setup.emitter->angleIncrement = 10.0f;
  auto system = setup.make();
  EXPECT_EQ(rotations(system->emitter(0)), (std::vector<float>{10, 20, 30}));
}

TEST(Emission, The129thEmissionTakesTheOldestSlot) {
  OneEmitter setup;
  setup.emitter->particlesPerCharge = 129;
  setup.emitter->angleIncrement = 1.0f;
  setup.emitter->chargeThreshold = Quarter;
  auto system = setup.make();
  system->update(Quarter);
  const Emitter &e = system->emitter(0);
  EXPECT_EQ(e.emitted(), 129);
  EXPECT_EQ(e.liveCount(), Emitter::PoolSize);
  EXPECT_EQ(e.nextSlot(), 1u);
  EXPECT_EQ(e.particle(0).rotation, 129.0f); // overwritten while alive
  EXPECT_EQ(e.particle(1).rotation, 2.0f);
}

TEST(Emission, LongAndShortFrames) {
  {
    OneEmitter setup;
    setup.emitter->chargeThreshold = Quarter;
    auto system = setup.make();
    system->update(1.0f);
    EXPECT_EQ(system->emitter(0).emitted(), 4);
  }
  {
    // About one particle per update at 30 updates a second.
    OneEmitter setup;
    setup.emitter->particleLifespan = 5.0f;
    auto system = setup.make();
    for (int i = 0; i < 30; ++i)
      system->update(1.0f / 30.0f);
    EXPECT_NEAR(system->emitter(0).emitted(), 30, 1);
  }
}

TEST(Emission, TheEmitterLifespanEndsEmission) {
  OneEmitter setup;
  setup.emitter->lifespan = 2.0f;
  setup.emitter->chargeThreshold = Quarter;
  setup.emitter->particleLifespan = 0.5f;
  auto system = setup.make();
  Emitter &e = system->emitter(0);
  while (e.age() < 2.0f)
    system->update(Quarter);
  EXPECT_EQ(e.emitted(), 8);          // at 0.25 .. 2.0
  EXPECT_FALSE(system->isFinished()); // the last one still lives
  for (int i = 0; i < 8; ++i)
    system->update(Quarter);
  EXPECT_EQ(e.emitted(), 8);
  EXPECT_TRUE(system->isFinished());
}

TEST(Emission, AStoppedEmitterAgesAndRestartsItsChargeAtZero) {
  OneEmitter setup;
  setup.emitter->chargeThreshold = Quarter;
  setup.emitter->particleLifespan = 10.0f;
  auto system = setup.make();
  Emitter &e = system->emitter(0);
  system->update(Quarter);
  EXPECT_EQ(e.emitted(), 1);
  system->setEmitting(false);
  system->update(Quarter);
  system->update(Quarter);
  EXPECT_EQ(e.emitted(), 1);
  EXPECT_EQ(e.age(), 0.75f);
  EXPECT_EQ(e.particle(0).age, 0.75f);
  EXPECT_GT(e.charge(), Quarter);
  system->setEmitting(true);
  EXPECT_EQ(e.charge(), 0.0f);
  system->update(0.125f);
  EXPECT_EQ(e.emitted(), 1);
  system->update(0.125f);
  EXPECT_EQ(e.emitted(), 2);
}

TEST(Emission, SystemsWithoutEmittersOrWithIncompleteOnesAreFinishedAndDrawNothing) {
  ParticleSystemDefinition empty;
  std::unique_ptr<ParticleSystem> none(empty.instantiate());
  EXPECT_TRUE(none->isFinished());

  // No spout, no billboard: read or built so, they emit and draw nothing.
  for (int missing = 0; missing < 2; ++missing) {
    OneEmitter setup;
    setup.emitter->initialParticles = 4;
    setup.emitter->pointSpritesEnabled = true;
    if (missing == 0) {
      delete setup.emitter->spout;
      setup.emitter->spout = nullptr;
    } else {
      delete setup.emitter->billboard;
      setup.emitter->billboard = nullptr;
    }
    auto system = setup.make();
    system->update(1.0f);
    RecordingCanvas canvas;
    system->render(canvas);
    EXPECT_EQ(system->emitter(0).emitted(), 0) << missing;
    EXPECT_TRUE(canvas.draws.empty());
    EXPECT_TRUE(system->isFinished());
  }
}

TEST(Emission, AHostileParticleCountIsBoundedPerUpdate) {
  OneEmitter setup;
  setup.emitter->particlesPerCharge = 0xffffffffu;
  setup.emitter->chargeThreshold = EmitterDefinition::MinimumChargeThreshold;
  auto system = setup.make();
  system->update(1.0e30f);
  EXPECT_LE(system->emitter(0).emitted(), 2048);
  EXPECT_EQ(system->emitter(0).charge(), 0.0f);

  // Charges of no particle, too large for the threshold to wear down.
  OneEmitter idle;
  idle.emitter->particlesPerCharge = 0;
  auto quiet = idle.make();
  quiet->update(1.0e30f);
  EXPECT_EQ(quiet->emitter(0).emitted(), 0);
  EXPECT_EQ(quiet->emitter(0).charge(), 0.0f);
}

TEST(Emission, MovingASystemMovesItsParticlesOnlyWhenAsked) {
  for (bool move : {false, true}) {
    OneEmitter setup;
    setup.emitter->initialParticles = 1;
    setup.emitter->particleLifespan = 10.0f;
    setup.emitter->chargeThreshold = Quarter;
    auto system = setup.make(math::Vector3(1, 2, 3));
    system->moveParticles = move;
    system->setPosition(math::Vector3(11, 2, 3));
    const Particle &first = system->emitter(0).particle(0);
    EXPECT_EQ(first.location.x, move ? 11.0f : 1.0f);
    EXPECT_EQ(first.origin.x, move ? 11.0f : 1.0f);
    system->update(Quarter);
    EXPECT_EQ(system->emitter(0).particle(1).location, math::Vector3(11, 2, 3));
  }
}

TEST(Emission, FinishLetsParticlesLiveOutAndCullingKillsThoseBehind) {
  OneEmitter setup;
  setup.emitter->initialParticles = 1;
  setup.emitter->chargeThreshold = Quarter;
  auto system = setup.make(math::Vector3(-1, 0, 0));
  system->setPosition(math::Vector3(1, 0, 0));
  system->update(Quarter);
  EXPECT_EQ(system->emitter(0).liveCount(), 2u);
  system->finish();
  system->update(Quarter);
  EXPECT_EQ(system->emitter(0).emitted(), 2);
  EXPECT_FALSE(system->isFinished());
  system->cullBehindLine(math::Vector2(0, 0), math::Vector2(1, 0));
  EXPECT_EQ(system->emitter(0).liveCount(), 1u);
  system->cullBehindPlane(math::Vector3(0, 0, 0), math::Vector3(-1, 0, 0));
  EXPECT_TRUE(system->isFinished());
}

TEST(Emission, InitialVelocityTurnsWithTheAngleIncrementAndAlignsTheParticle) {
  OneEmitter setup;
  setup.emitter->initialParticles = 1;
  setup.emitter->initialVelocity = math::Vector3(0, 30, 0);
  setup.emitter->angleIncrement = 90.0f;
  setup.emitter->align = EmitterDefinition::ALIGN_TO_VELOCITY;
  auto system = setup.make();
  const Particle &p = system->emitter(0).particle(0);
  // Turned 90 degrees about (0, 0, -1): up becomes right; one frame's worth
  // of it lies behind the particle.
  math::Vector3 v = p.location - p.previousLocation;
  EXPECT_NEAR(v.x, 30.0f * 0.033f, 1e-5f);
  EXPECT_NEAR(v.y, 0.0f, 1e-5f);
  EXPECT_NEAR(p.rotation, 90.0f, 1e-3f);
}

TEST(Emission, RandomDrawsComeInTheirOrder) {
  OneEmitter setup;
  auto *ring = new SpoutCircle;
  ring->radiusMin = 1.0f;
  ring->radiusMax = 2.0f;
  delete setup.emitter->spout;
  setup.emitter->spout = ring;
  setup.emitter->randomInitialVelocity = 3.0f;
  setup.emitter->angleVariance = 20.0f;
  setup.emitter->scaleVariance = math::Vector2(0.5f, 0.25f);
  setup.emitter->initialParticles = 1;

  // The spout's radius and angle, the direction, the rotation, scale x, y.
  Random::globalSeed(77);
  float radius = Random::globalFloat(1.0f, 2.0f);
  int angle = Random::globalInt(0, 360);
  math::Vector3 direction;
  direction.setRandomDirection();
  float rotation = Random::globalFloat(-1.0f, 1.0f) * 20.0f;
  float scaleX = 1.0f + Random::globalFloat(-1.0f, 1.0f) * 0.5f;
  float scaleY = 1.0f + Random::globalFloat(-1.0f, 1.0f) * 0.25f;

  Random::globalSeed(77);
  auto system = setup.make();
  const Particle &p = system->emitter(0).particle(0);
  math::Vector2 offset;
  offset.setDirection(unsigned(angle));
  offset *= radius;
  EXPECT_EQ(p.location.x, offset.x);
  EXPECT_EQ(p.location.y, offset.y);
  math::Vector3 v = math::Vector3(offset.x, offset.y, 0.0f) + direction * 3.0f;
  v *= 0.033f;
  EXPECT_NEAR(p.previousLocation.z, -v.z, 1e-6f);
  EXPECT_EQ(p.rotation, rotation);
  EXPECT_EQ(p.scale.x, scaleX);
  EXPECT_EQ(p.scale.y, scaleY);
}
