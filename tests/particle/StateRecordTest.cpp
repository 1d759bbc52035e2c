// The binary state record of a running particle system.

#include "ParticleTestSupport.h"

#include "file/BinaryPrimitives.h"
#include "file/BufferBinary.h"

#include <gtest/gtest.h>

using namespace particletest;

namespace {

// A system with living particles of varied rotation and scale, and every
// setting away from its default.
std::unique_ptr<ParticleSystem> busy(OneEmitter &setup) {
  setup.emitter->initialParticles = 5;
  setup.emitter->angleIncrement = 15.0f;
  setup.emitter->scaleVariance = math::Vector2(0.5f, 0.0f);
  setup.emitter->initialVelocity = math::Vector3(1, 2, 3);
  setup.emitter->particleLifespan = 10.0f;
  auto system = setup.make(math::Vector3(4, 5, 6));
  system->update(0.1f);
  system->setEmitting(false);
  system->moveParticles = true;
  system->color = math::Color(0.5f, 0.25f, 1.0f, 0.75f);
  system->scale = math::Vector3(2, 2, 2);
  system->billboardAlignment = 2;
  return system;
}

} // namespace

TEST(StateRecords, RoundTripInTwoAndThreeDimensions) {
  for (bool twoD : {false, true}) {
    OneEmitter setup;
    auto system = busy(setup);
    file::BufferBinary buffer;
    system->writeState(buffer, twoD);
    buffer.seek(0);
    OneEmitter other;
    auto back = other.make();
    back->killParticles();
    ASSERT_TRUE(back->readState(buffer, twoD));
    EXPECT_EQ(buffer.bytesRemaining(), 0u);
    EXPECT_EQ(back->getPosition(), math::Vector3(4, 5, twoD ? 0 : 6));
    EXPECT_TRUE(back->moveParticles);
    EXPECT_TRUE(back->active());
    EXPECT_TRUE(back->color == system->color);
    EXPECT_EQ(back->scale, math::Vector3(2, 2, 2));
    EXPECT_EQ(back->billboardAlignment, 2u);
    const Emitter &a = system->emitter(0), &b = back->emitter(0);
    EXPECT_EQ(b.age(), a.age());
    EXPECT_EQ(b.charge(), a.charge());
    EXPECT_EQ(b.emitted(), a.emitted());
    EXPECT_FALSE(b.emitting());
    EXPECT_EQ(b.liveCount(), a.liveCount());
    EXPECT_EQ(b.nextSlot(), a.liveCount());
    uint32_t slot = 0;
    for (uint32_t i = 0; i < Emitter::PoolSize; ++i) {
      const Particle &p = a.particle(i);
      if (!p.alive)
        continue;
      const Particle &q = b.particle(slot++);
      EXPECT_TRUE(q.alive);
      EXPECT_EQ(q.location.x, p.location.x);
      EXPECT_EQ(q.previousLocation.y, p.previousLocation.y);
      EXPECT_EQ(q.location.z, twoD ? 0.0f : p.location.z);
      EXPECT_EQ(q.age, p.age);
      EXPECT_EQ(q.rotation, p.rotation);
      EXPECT_EQ(q.scale.x, p.scale.x);
    }
  }
}

TEST(StateRecords, AFullPoolsNextSlotIsTakenIntoTheRing) {
  OneEmitter setup;
  setup.emitter->initialParticles = 200;
  setup.emitter->particleLifespan = 10.0f;
  auto system = setup.make();
  ASSERT_EQ(system->emitter(0).liveCount(), 128u);
  file::BufferBinary buffer;
  system->writeState(buffer, true);
  buffer.seek(0);
  OneEmitter other;
  auto back = other.make();
  ASSERT_TRUE(back->readState(buffer, true));
  EXPECT_EQ(back->emitter(0).liveCount(), 128u);
  EXPECT_EQ(back->emitter(0).nextSlot(), 0u);
  back->update(0.033f); // takes slot 0 again, not a slot past the pool
  EXPECT_EQ(back->emitter(0).nextSlot(), 1u);
}

TEST(StateRecords, BadRecordsStopWithAnErrorAndStayInThePool) {
  // A live count above the pool.
  file::BufferBinary tooMany;
  file::write(0.0f, tooMany);
  file::write(0.0f, tooMany); // position
  file::write(0.0f, tooMany);
  file::write(0.0f, tooMany); // age, charge
  file::write(uint8_t(0), tooMany);
  file::write(uint8_t(0), tooMany);
  file::write(uint8_t(200), tooMany);
  for (int i = 0; i < 200 * 30; ++i)
    file::write(uint8_t(0), tooMany);
  tooMany.seek(0);
  OneEmitter setup;
  auto system = setup.make();
  testing::internal::CaptureStderr();
  EXPECT_FALSE(system->readState(tooMany, true));
  std::string log = testing::internal::GetCapturedStderr();
  EXPECT_NE(log.find("more living particles"), std::string::npos) << log;

  // Every truncation of a good record.
  OneEmitter full;
  auto source = busy(full);
  file::BufferBinary whole;
  source->writeState(whole, false);
  for (uint32_t cut = 0; cut < whole.size(); ++cut) {
    file::BufferBinary part;
    part.receiveBytes(whole.data(), cut);
    part.seek(0);
    testing::internal::CaptureStderr();
    bool read = system->readState(part, false);
    testing::internal::GetCapturedStderr();
    EXPECT_FALSE(read) << cut;
    system->update(0.033f);
  }
}
