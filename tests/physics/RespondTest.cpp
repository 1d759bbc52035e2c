#include "physics/BounceEvent.h"
#include "physics/Structure3D.h"

#include <gtest/gtest.h>

using math::Vector3;
using physics::Atom;
using physics::BounceEvent;
using physics::Structure3D;

namespace {

struct RecordingBounceListener : physics::BounceListener {
  int calls = 0;
  BounceEvent last{nullptr, nullptr, 0};
  void onBounce(const BounceEvent &event) override {
    ++calls;
    last = event;
  }
};

// An atom at the origin falling at the given speed onto a floor that the
// resolution put 0.5 above it.
struct Fall {
  Structure3D structure;
  RecordingBounceListener listener;
  Atom *atom;
  explicit Fall(float speed, bool withListener = true) {
    structure.setAtomCount(1);
    atom = &structure.getAtom(0);
    atom->resetPosition(Vector3(0, 0, 0));
    atom->setVelocity(Vector3(0.3f, -speed, 0));
    if (withListener)
      structure.addBounceListener(&listener);
  }
  void respond(bool bounce) {
    BounceEvent event(nullptr, &structure, 0);
    atom->respond(Vector3(0, 0.5f, 0), bounce, event);
  }
};

} // namespace

TEST(AtomRespond, BounceReversesAndScalesNormalVelocity) {
  Fall fall(2);
  fall.atom->bounce = 0.5f;
  fall.atom->slide = 0.5f;
  fall.respond(true);
  EXPECT_EQ(fall.atom->position, Vector3(0, 0.5f, 0));
  const Vector3 v = fall.atom->position - fall.atom->previousPosition;
  EXPECT_FLOAT_EQ(v.x, 0.15f);
  EXPECT_FLOAT_EQ(v.y, 1.0f);
  ASSERT_EQ(fall.listener.calls, 1);
  const BounceEvent &e = fall.listener.last;
  EXPECT_EQ(e.structure, &fall.structure);
  EXPECT_EQ(e.normal, Vector3(0, 1, 0));
  EXPECT_FLOAT_EQ(e.depth, 0.5f);
  EXPECT_EQ(e.incomingVelocity, Vector3(0.3f, -2, 0));
  EXPECT_FLOAT_EQ(e.incomingSpeed, Vector3(0.3f, -2, 0).length());
  EXPECT_FLOAT_EQ(e.outgoingSpeed, Vector3(0.15f, 1, 0).length());
  EXPECT_GT(e.angle, 90);
  EXPECT_LT(e.angle, 180);
}

TEST(AtomRespond, SlideDropsNormalVelocityAndSendsNoBounce) {
  Fall fall(2);
  fall.atom->bounce = 1;
  fall.respond(false);
  const Vector3 v = fall.atom->position - fall.atom->previousPosition;
  EXPECT_FLOAT_EQ(v.x, 0.3f);
  EXPECT_FLOAT_EQ(v.y, 0);
  EXPECT_EQ(fall.listener.calls, 0);
}

TEST(AtomRespond, BounceWithoutSpeedSendsNoEvent) {
  // Outgoing velocity of squared length 1e-8 or less: moved, but no event.
  Fall fall(2);
  fall.atom->bounce = 0;
  fall.atom->slide = 0;
  fall.respond(true);
  EXPECT_EQ(fall.atom->position, Vector3(0, 0.5f, 0));
  EXPECT_EQ(fall.listener.calls, 0);

  // Incoming velocity too small.
  Fall still(0);
  still.atom->setVelocity(Vector3(0, -5e-5f, 0));
  still.atom->bounce = 1;
  still.respond(true);
  EXPECT_EQ(still.listener.calls, 0);
}

TEST(AtomRespond, SpeedsAreFilledOnlyForListenedStructures) {
  // A structure without listeners gets the event (its onBounce forwards to
  // nobody), and the speeds are left at 0.
  struct Watching : Structure3D {
    BounceEvent seen{nullptr, nullptr, 0};
    int calls = 0;
    void onBounce(const BounceEvent &event) override {
      seen = event;
      ++calls;
    }
  } structure;
  structure.setAtomCount(1);
  Atom &atom = structure.getAtom(0);
  atom.setVelocity(Vector3(0, -1, 0));
  atom.bounce = 1;
  BounceEvent event(nullptr, &structure, 0);
  atom.respond(Vector3(0, 0.5f, 0), true, event);
  ASSERT_EQ(structure.calls, 1);
  EXPECT_EQ(structure.seen.incomingSpeed, 0);
  EXPECT_EQ(structure.seen.outgoingSpeed, 0);
  EXPECT_EQ(structure.seen.angle, 0);
  EXPECT_EQ(structure.seen.depth, 0.5f);
}

TEST(AtomRespond, RestingContactTakesBackThePressingAcceleration) {
  // At rest on a floor with this step's gravity already integrated.
  Structure3D s;
  s.setAtomCount(1);
  Atom &atom = s.getAtom(0);
  atom.acceleration = Vector3(0.01f, -0.02f, 0);
  atom.resetPosition(Vector3(0, 0, 0));
  atom.previousPosition = Vector3(0, 0.02f, 0);
  BounceEvent event(nullptr, &s, 0);
  atom.respond(Vector3(0, 0.02f, 0), false, event);
  // The pressing part goes; nothing is left to carry into the floor.
  const Vector3 v = atom.position - atom.previousPosition;
  EXPECT_FLOAT_EQ(v.y, 0);
  EXPECT_FLOAT_EQ(v.x, 0);

  // No move, no response.
  Atom resting;
  resting.setVelocity(Vector3(1, 0, 0));
  resting.respond(resting.position, true, event);
  EXPECT_EQ(resting.previousPosition, Vector3(-1, 0, 0));
}

TEST(BounceEvent, SpeedsAndAngle) {
  BounceEvent e(nullptr, nullptr, 3);
  EXPECT_EQ(e.atomIndex, 3u);
  EXPECT_EQ(e.depth, 0);
  e.incomingVelocity = Vector3(2, 0, 0);
  e.outgoingVelocity = Vector3(0, 3, 0);
  e.computeSpeeds();
  EXPECT_FLOAT_EQ(e.incomingSpeed, 2);
  EXPECT_FLOAT_EQ(e.outgoingSpeed, 3);
  EXPECT_FLOAT_EQ(e.angle, 90);
  e.outgoingVelocity = Vector3();
  e.computeSpeeds();
  EXPECT_EQ(e.angle, 0);
}

// The resting-contact correction starts one f32 step below 1e-8: a push-out
// whose squared length is exactly 1e-8f still takes back the acceleration
// that pressed into the surface.
TEST(AtomRespond, RestingCorrectionReachesASquaredPushOutOf1em8) {
  Atom atom;
  atom.resetPosition(Vector3(0, 0, 0));
  atom.acceleration = Vector3(-1, 0, 0);
  atom.bounce = 1;
  const Vector3 resolved(9.99999901978299e-05f, 4.213974236222384e-08f, 0);
  ASSERT_EQ(resolved.lengthSquared(), 1e-8f);
  BounceEvent event(nullptr, nullptr, 0);
  atom.respond(resolved, true, event);
  // The taken-back acceleration (capped at the push-out) is bounced back out.
  const Vector3 velocity = atom.position - atom.previousPosition;
  EXPECT_NEAR(velocity.x, -1e-4f, 1e-9f);
}
