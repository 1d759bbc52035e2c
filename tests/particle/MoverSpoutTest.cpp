// Movers and spouts: their motion and placement, their dictionary and
// binary forms, and their factories.

#include "ParticleTestSupport.h"

#include "file/BufferBinary.h"
#include "particle/MoverAngular.h"
#include "particle/MoverLinear.h"
#include "particle/ParticleKeys.h"
#include "particle/SpoutBox.h"
#include "particle/SpoutCircle.h"
#include "particle/SpoutSphere.h"
#include "quip/Token.h"

#include <gtest/gtest.h>

using namespace particletest;

namespace {

Symbol sym(const wchar_t *text) { return Symbol::intern(text); }

// A particle at the system's position, as emission hands it to a spout.
Particle fresh(const math::Vector3 &at) {
  Particle p;
  p.location = p.previousLocation = p.origin = at;
  return p;
}

} // namespace

TEST(Movers, LinearWithoutDragKeepsItsStepAndScalesItWithTheFrame) {
  OneEmitter setup;
  auto system = setup.make();
  MoverLinear mover;
  Particle p;
  p.location = math::Vector3(1, 0, 0); // moved 1 in the last step
  mover.prepare(0.033f);
  mover.move(*system, p, 0.033f); // the frame time is 0.033 s
  EXPECT_NEAR(p.location.x, 2.0f, 1e-6f);
  mover.move(*system, p, 0.033f);
  EXPECT_NEAR(p.location.x, 3.0f, 1e-6f);
  mover.prepare(0.0165f);
  mover.move(*system, p, 0.0165f); // half the step, half the move
  EXPECT_NEAR(p.location.x, 3.5f, 1e-6f);
}

TEST(Movers, LinearDragAndAcceleration) {
  OneEmitter setup;
  auto system = setup.make();
  MoverLinear mover;
  mover.drag = 0.5f;
  mover.acceleration = math::Vector3(0, -10, 0);
  Particle p;
  mover.prepare(1.0f);
  // k = 1 / 0.033; at rest, the acceleration alone: -10 x 1 x 1, halved.
  mover.move(*system, p, 1.0f);
  EXPECT_NEAR(p.location.y, -5.0f, 1e-5f);
}

TEST(Movers, AngularTurnsAboutTheSystemAndTakesItsZ) {
  OneEmitter setup;
  auto system = setup.make(math::Vector3(5, 5, 7));
  MoverAngular mover;
  mover.rotation = 90.0f;
  Particle p = fresh(math::Vector3(6, 5, 0));
  mover.prepare(1.0f);
  mover.move(*system, p, 1.0f);
  EXPECT_NEAR(p.location.x, 5.0f, 1e-5f);
  EXPECT_NEAR(p.location.y, 4.0f, 1e-5f);
  EXPECT_EQ(p.location.z, 7.0f);
  EXPECT_EQ(p.previousLocation, math::Vector3(6, 5, 0));
  mover.expansion = 2.0f;
  mover.rotation = 0.0f;
  mover.prepare(1.0f);
  mover.move(*system, p, 1.0f);
  EXPECT_NEAR(p.location.y, 3.0f, 1e-5f);
}

TEST(Spouts, Placement) {
  OneEmitter setup;
  auto system = setup.make();
  const math::Vector3 at(3, 4, 5);
  {
    // A radiusMax of 0 places at the position, whatever radiusMin is.
    SpoutCircle circle;
    circle.radiusMin = 5.0f;
    SpoutSphere sphere;
    sphere.radiusMin = 5.0f;
    for (Spout *spout : {static_cast<Spout *>(&circle), static_cast<Spout *>(&sphere)}) {
      Particle p = fresh(at);
      spout->place(*system, p);
      EXPECT_EQ(p.location, at);
    }
  }
  Random::globalSeed(99);
  SpoutBox box;
  box.extents = math::Vector3(10, 0, 0);
  box.centered = false;
  SpoutBox negative;
  negative.extents = math::Vector3(0, -2, 0);
  negative.centered = false;
  SpoutCircle ring;
  ring.radiusMin = 2.0f;
  ring.radiusMax = 3.0f;
  ring.scale = math::Vector2(1, 0.5f);
  SpoutSphere ball;
  ball.radiusMin = ball.radiusMax = 4.0f;
  for (int i = 0; i < 200; ++i) {
    Particle p = fresh(at);
    box.place(*system, p);
    EXPECT_GE(p.location.x - at.x, 0.0f);
    EXPECT_LE(p.location.x - at.x, 20.0f);
    EXPECT_EQ(p.location.y, at.y);
    EXPECT_EQ(p.location.z, at.z);
    Particle n = fresh(at);
    negative.place(*system, n);
    EXPECT_LE(n.location.y - at.y, 0.0f);
    EXPECT_GE(n.location.y - at.y, -4.0f);
    Particle r = fresh(at);
    ring.place(*system, r);
    math::Vector2 d(r.location.x - at.x, (r.location.y - at.y) * 2.0f);
    EXPECT_GE(d.length(), 2.0f - 1e-4f);
    EXPECT_LE(d.length(), 3.0f + 1e-4f);
    EXPECT_EQ(r.location.z, at.z);
    Particle s = fresh(at);
    ball.place(*system, s);
    EXPECT_NEAR((s.location - at).length(), 4.0f, 1e-4f);
    EXPECT_EQ(s.previousLocation, at);
  }
}

TEST(Spouts, TheCircleDrawsItsRadiusBeforeItsAngle) {
  OneEmitter setup;
  auto system = setup.make();
  SpoutCircle ring;
  ring.radiusMin = 1.0f;
  ring.radiusMax = 2.0f;
  Random::globalSeed(5);
  float r = Random::globalFloat(1.0f, 2.0f);
  int a = Random::globalInt(0, 360);
  math::Vector2 expected;
  expected.setDirection(unsigned(a));
  expected *= r;
  Random::globalSeed(5);
  Particle p = fresh(math::Vector3());
  ring.place(*system, p);
  EXPECT_EQ(p.location.x, expected.x);
  EXPECT_EQ(p.location.y, expected.y);
}

TEST(MoverSpoutForms, DictionariesKeepOnlyWhatDiffers) {
  const ParticleKeys &k = particleKeys();
  SpoutBox box;
  quip::Dictionary written;
  box.write(written);
  EXPECT_EQ(written.count(), 1u); // a centred box writes no "centered"
  box.centered = false;
  box.extents = math::Vector3(1, 2, 3);
  quip::Dictionary boxForm;
  box.write(boxForm);
  EXPECT_NE(boxForm.lookup(k.centered), nullptr);
  std::unique_ptr<Spout> back(createSpout(boxForm));
  ASSERT_NE(back, nullptr);
  auto *readBox = static_cast<SpoutBox *>(back.get());
  EXPECT_FALSE(readBox->centered);
  EXPECT_EQ(readBox->extents, math::Vector3(1, 2, 3));

  MoverAngular angular;
  angular.expansion = 0.5f;
  quip::Dictionary moverForm;
  angular.write(moverForm);
  EXPECT_EQ(moverForm.count(), 2u);
  std::unique_ptr<Mover> mover(createMover(moverForm));
  ASSERT_NE(mover, nullptr);
  EXPECT_EQ(mover->getType(), k.angular);
  EXPECT_EQ(static_cast<MoverAngular *>(mover.get())->expansion, 0.5f);

  // A type of no listed kind gives nothing.
  quip::Dictionary unknown;
  unknown.set(k.type, quip::Token(sym(L"spiral"), false));
  EXPECT_EQ(createSpout(unknown), nullptr);
  EXPECT_EQ(createMover(unknown), nullptr);
}

TEST(MoverSpoutForms, BinaryRecordsRoundTrip) {
  SpoutCircle circle;
  circle.radiusMax = 3.0f;
  SpoutSphere sphere;
  sphere.radiusMin = 1.0f;
  sphere.radiusMax = 2.0f;
  sphere.scale = math::Vector3(1, 2, 3);
  SpoutBox box;
  box.extents = math::Vector3(4, 0, 0);
  box.centered = false;
  SpoutPoint point;
  file::BufferBinary buffer;
  for (Spout *s : std::initializer_list<Spout *>{&circle, &sphere, &box, &point})
    s->writeBinary(buffer);
  MoverLinear linear;
  linear.drag = 0.25f;
  MoverAngular angular;
  angular.rotation = 45.0f;
  angular.acceleration = math::Vector3(0, 1, 0);
  linear.writeBinary(buffer);
  angular.writeBinary(buffer);
  // The circle's default scale is written: its bit stands for "not zero".
  EXPECT_EQ(buffer.data()[1], 2 | 4);

  buffer.seek(0);
  std::unique_ptr<Spout> c(createSpout(buffer)), s(createSpout(buffer)), b(createSpout(buffer)),
      p(createSpout(buffer));
  std::unique_ptr<Mover> l(createMover(buffer)), a(createMover(buffer));
  EXPECT_FALSE(buffer.overrun());
  EXPECT_EQ(buffer.bytesRemaining(), 0u);
  EXPECT_EQ(static_cast<SpoutCircle &>(*c).radiusMax, 3.0f);
  EXPECT_EQ(static_cast<SpoutSphere &>(*s).scale, math::Vector3(1, 2, 3));
  EXPECT_FALSE(static_cast<SpoutBox &>(*b).centered);
  EXPECT_EQ(p->kindCode(), SpoutPoint::Kind);
  EXPECT_EQ(static_cast<MoverLinear &>(*l).drag, 0.25f);
  EXPECT_EQ(static_cast<MoverAngular &>(*a).acceleration, math::Vector3(0, 1, 0));

  uint8_t bad = 9;
  file::BufferBinary unknown;
  unknown.receiveBytes(&bad, 1);
  unknown.seek(0);
  EXPECT_EQ(createSpout(unknown), nullptr);
  unknown.seek(0);
  EXPECT_EQ(createMover(unknown), nullptr);
}
