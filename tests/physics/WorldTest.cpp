// A small world stepped by the simulation: every structure integrates, then
// collides and runs its constraints, then the speed clamps.

#include "physics/Acceleration3D.h"
#include "physics/BounceEvent.h"
#include "physics/DistanceConstraints.h"
#include "physics/Plane.h"
#include "physics/Simulation.h"
#include "physics/Structure3D.h"

#include <gtest/gtest.h>

#include <string>

using math::Vector3;
using physics::Structure3D;
using physics::WorldGeometry;

namespace {

struct Log : physics::ContactListener, physics::BounceListener {
  std::string *log;
  const char *name;
  bool disable = false;
  Log(std::string *log, const char *name) : log(log), name(name) {}
  void onContact(WorldGeometry *geometry, Structure3D *, int atom) override {
    *log += std::string(name) + std::to_string(atom) + " ";
    if (disable)
      geometry->enabled = false;
  }
  void onBounce(const physics::BounceEvent &event) override {
    *log += std::string("bounce") + std::to_string(event.atomIndex) + " ";
  }
};

} // namespace

TEST(World, BallFallsOntoTheGroundAndComesToRest) {
  physics::Plane ground;
  Structure3D ball;
  ball.setAtomCount(2);
  ball.getAtom(0).resetPosition(Vector3(0, 5, 0));
  ball.getAtom(1).resetPosition(Vector3(2, 5, 0));
  for (uint32_t i = 0; i < 2; ++i) {
    ball.getAtom(i).radius = 0.5f;
    ball.getAtom(i).bounce = 0.5f;
  }
  ball.addConstraint(new physics::Constraint3DStick(0, 1, 2, 0));
  ball.addAcceleration(new physics::Acceleration3DVector(Vector3(0, -10, 0)));
  ball.bounceMask = physics::CATEGORY_OBSTACLE;

  std::string log;
  Log groundLog(&log, "g"), ballLog(&log, "s");
  ground.addContactListener(&groundLog);
  ball.addContactListener(&ballLog);
  ball.addBounceListener(&ballLog);

  physics::Simulation world;
  world.addGeometry(&ground);
  world.addStructure(&ball);
  float previous = 0;
  bool touched = false;
  for (int frame = 0; frame < 600; ++frame) {
    world.step(previous, 1 / 60.0f);
    previous = 1 / 60.0f;
    if (!touched && !log.empty()) {
      touched = true;
      // The first contact: a bounce, then the geometry's listener, then the
      // structure's, for each atom.
      EXPECT_EQ(log.substr(0, 22), "bounce0 g0 s0 bounce1 ") << log;
      EXPECT_EQ(ball.getAtom(0).contactFlags, physics::CATEGORY_OBSTACLE);
    }
  }
  ASSERT_TRUE(touched);
  for (uint32_t i = 0; i < 2; ++i) {
    EXPECT_NEAR(ball.getAtom(i).position.y, 0.5f, 1e-3f);
    EXPECT_NEAR((ball.getAtom(i).position - ball.getAtom(i).previousPosition).length(), 0, 1e-3f);
  }
  EXPECT_NEAR((ball.getAtom(1).position - ball.getAtom(0).position).length(), 2, 1e-3f);
}

TEST(World, SensedGroundIsFallenThrough) {
  physics::Plane ground;
  Structure3D ball;
  ball.setAtomCount(1);
  ball.getAtom(0).resetPosition(Vector3(0, 1, 0));
  ball.addAcceleration(new physics::Acceleration3DVector(Vector3(0, -10, 0)));
  ball.senseMask = physics::CATEGORY_ALL;
  std::string log;
  Log ballLog(&log, "s");
  ball.addContactListener(&ballLog);
  physics::Simulation world;
  world.addGeometry(&ground);
  world.addStructure(&ball);
  for (int frame = 0; frame < 30; ++frame)
    world.step(1 / 30.0f, 1 / 30.0f);
  EXPECT_LT(ball.getAtom(0).position.y, -1);
  EXPECT_NE(log.find("s0"), std::string::npos);
}

TEST(World, ListenerDisablingTheGeometryStopsItsLoop) {
  physics::Plane trap, ground;
  trap.category = ground.category = physics::CATEGORY_OBSTACLE;
  Structure3D ball;
  ball.setAtomCount(3);
  for (uint32_t i = 0; i < 3; ++i)
    ball.getAtom(i).resetPosition(Vector3(float(i), 0.5f, 0));
  ball.slideMask = physics::CATEGORY_OBSTACLE;
  std::string log;
  Log trapLog(&log, "t"), groundLog(&log, "g");
  trapLog.disable = true;
  trap.addContactListener(&trapLog);
  ground.addContactListener(&groundLog);
  trap.collide(ball);
  ground.collide(ball);
  // The trap stopped after its first contact and moved only atom 0; the
  // ground then finds atoms 1 and 2 still sunk.
  EXPECT_EQ(log, "t0 g1 g2 ");
  EXPECT_FALSE(trap.enabled);
}
