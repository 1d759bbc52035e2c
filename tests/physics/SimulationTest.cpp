#include "physics/Simulation.h"
#include "physics/Acceleration3D.h"
#include "physics/DistanceConstraints.h"
#include "physics/Plane.h"
#include "physics/Structure3D.h"

#include "BusyWorld.h"

#include <gtest/gtest.h>

using math::Vector3;
using physics::Simulation;
using physics::Structure3D;
using physics::WorldGeometry;

namespace {

struct CountingOwner : physics::GeometryOwner {
  int asked = 0;
  bool allowCollision(const WorldGeometry &, const Structure3D &) override {
    ++asked;
    return true;
  }
};

struct Counter : physics::ContactListener {
  int contacts = 0;
  void onContact(WorldGeometry *, Structure3D *, int) override { ++contacts; }
};

// Calls the hook on each contact.
template <typename Hook> struct OnContact : physics::ContactListener {
  Hook hook;
  explicit OnContact(Hook hook) : hook(hook) {}
  void onContact(WorldGeometry *, Structure3D *, int) override { hook(); }
};

} // namespace

TEST(Simulation, ListsAppendAndRemoveByMovingTheLastIn) {
  physics::Plane g[4];
  Structure3D s[4];
  Simulation sim;
  for (int i = 0; i < 4; ++i) {
    sim.addGeometry(&g[i]);
    sim.addStructure(&s[i]);
    if (i == 0) {
      EXPECT_EQ(sim.geometries.capacity(), 2u);
    }
  }
  EXPECT_EQ(sim.geometries.capacity(), 4u);

  sim.removeGeometry(&g[1]);
  sim.removeStructure(&s[0]);
  ASSERT_EQ(sim.geometries.size(), 3u);
  EXPECT_EQ(sim.geometries[0], &g[0]);
  EXPECT_EQ(sim.geometries[1], &g[3]);
  EXPECT_EQ(sim.geometries[2], &g[2]);
  ASSERT_EQ(sim.structures.size(), 3u);
  EXPECT_EQ(sim.structures[0], &s[3]);
  EXPECT_EQ(sim.structures[1], &s[1]);

  // Absent pointers change nothing; the last entry goes without a swap.
  sim.removeGeometry(&g[1]);
  sim.removeStructure(nullptr);
  EXPECT_EQ(sim.geometries.size(), 3u);
  EXPECT_EQ(sim.structures.size(), 3u);
  sim.removeGeometry(&g[2]);
  EXPECT_EQ(sim.geometries.size(), 2u);
  EXPECT_EQ(sim.geometries[1], &g[3]);

  sim.clear();
  EXPECT_EQ(sim.geometries.size(), 0u);
  EXPECT_EQ(sim.structures.size(), 0u);
  EXPECT_EQ(sim.stepping, 0);
}

TEST(Simulation, StructureWithoutMasksMovesAndKeepsShapeButNeverCollides) {
  // Sunk in the floor, falling, its stick stretched: the floor would push it.
  physics::Plane floor;
  CountingOwner owner;
  Counter counter;
  floor.setOwner(&owner);
  floor.addContactListener(&counter);
  Structure3D s;
  s.setAtomCount(2);
  s.getAtom(0).resetPosition(Vector3(0, -1, 0));
  s.getAtom(1).resetPosition(Vector3(3, -1, 0));
  s.addConstraint(new physics::Constraint3DStick(0, 1, 2, 0));
  s.addAcceleration(new physics::Acceleration3DVector(Vector3(0, -10, 0)));

  Simulation sim;
  sim.addGeometry(&floor);
  sim.addStructure(&s);
  for (int i = 0; i < 10; ++i)
    sim.step(0.1f, 0.1f);

  EXPECT_LT(s.getAtom(0).position.y, -2);
  EXPECT_FLOAT_EQ((s.getAtom(1).position - s.getAtom(0).position).length(), 2);
  EXPECT_EQ(owner.asked, 0);
  EXPECT_EQ(counter.contacts, 0);
  EXPECT_EQ(s.getAtom(0).contactFlags, 0u);
}

TEST(Simulation, AllMoveThenAllCollideThenAllAreClamped) {
  // Two structures sinking into the floor. The first is pushed sideways and
  // has its x speed clamped to nothing; its stick is stretched.
  physics::Plane floor;
  Structure3D first, second;
  first.setAtomCount(2);
  first.getAtom(0).resetPosition(Vector3(0, 0.5f, 0));
  first.getAtom(1).resetPosition(Vector3(3, 0.5f, 0));
  first.getAtom(0).setVelocity(Vector3(0.25f, -0.25f, 0));
  first.addConstraint(new physics::Constraint3DStick(0, 1, 2, 0));
  first.slideMask = physics::CATEGORY_ALL;
  first.axisMask = 1;
  second.setAtomCount(1);
  second.getAtom(0).resetPosition(Vector3(5, 0.5f, 0));
  second.getAtom(0).setVelocity(Vector3(0, -0.25f, 0));
  second.slideMask = physics::CATEGORY_ALL;

  Simulation sim;
  sim.addGeometry(&floor);
  sim.addStructure(&first);
  sim.addStructure(&second);

  Vector3 secondAtFirstContact, firstVelocityAtSecondContact;
  float firstLengthAtSecondContact = 0;
  bool steppingSeen = true;
  auto onFirst = [&] {
    secondAtFirstContact = second.getAtom(0).position;
    steppingSeen = steppingSeen && sim.stepping == 1;
  };
  auto onSecond = [&] {
    const physics::Atom &a = first.getAtom(0);
    firstVelocityAtSecondContact = a.position - a.previousPosition;
    firstLengthAtSecondContact = (first.getAtom(1).position - a.position).length();
    steppingSeen = steppingSeen && sim.stepping == 1;
  };
  OnContact<decltype(onFirst)> firstListener(onFirst);
  OnContact<decltype(onSecond)> secondListener(onSecond);
  first.addContactListener(&firstListener);
  second.addContactListener(&secondListener);

  sim.step(0, 1);

  // The second had moved before the first collided.
  EXPECT_EQ(secondAtFirstContact, Vector3(5, 0.25f, 0));
  // The first had collided and kept its shape, but not yet been clamped,
  // when the second collided.
  EXPECT_FLOAT_EQ(firstLengthAtSecondContact, 2);
  EXPECT_NE(firstVelocityAtSecondContact.x, 0);
  const physics::Atom &a = first.getAtom(0);
  EXPECT_EQ((a.position - a.previousPosition).x, 0);
  EXPECT_TRUE(steppingSeen);
  EXPECT_EQ(sim.stepping, 0);
}

TEST(Simulation, StepsAFixedWorldToTheSameBits) {
  busy::World world;
  float previous = 0;
  for (int i = 0; i < 240; ++i) {
    world.simulation.step(previous, 1 / 60.0f);
    previous = 1 / 60.0f;
  }
  EXPECT_GT(world.recorder.contacts, 1000);
  EXPECT_EQ(world.hash(), 0xd0d28b3450a7a09dull) << std::hex << world.hash();
}
