// The simulation tries only the geometries whose bounds meet a structure's;
// the contacts, their order and every result must be those of trying every
// geometry, as the plain step below does.

#include "physics/Drag3D.h"
#include "physics/Plane.h"
#include "physics/Simulation.h"

#include "BusyWorld.h"

#include <gtest/gtest.h>

#include <string>

using math::Vector3;
using physics::Simulation;
using physics::Structure3D;
using physics::WorldGeometry;

namespace {

// Every structure against every geometry, part by part.
void plainStep(Simulation &sim, float previousStepTime, float stepTime) {
  for (uint32_t i = 0; i < sim.structures.size(); ++i) {
    Structure3D &s = *sim.structures[i];
    s.clearContactFlags();
    s.accumulateAccelerations(previousStepTime, stepTime);
    s.applyDrag(stepTime);
    s.integrate(previousStepTime, stepTime);
  }
  for (uint32_t i = 0; i < sim.structures.size(); ++i) {
    Structure3D &s = *sim.structures[i];
    if ((s.senseMask | s.slideMask | s.bounceMask) != 0)
      for (uint32_t g = 0; g < sim.geometries.size(); ++g)
        sim.geometries[g]->collide(s);
    s.applyConstraints();
  }
  for (uint32_t i = 0; i < sim.structures.size(); ++i)
    sim.structures[i]->clampAxisSpeed(stepTime);
}

// On a structure's contact, throws its last atom onto another geometry, so
// the structure's bounds change in the middle of its collisions.
struct Thrower : physics::ContactListener {
  Vector3 target;
  void onContact(WorldGeometry *, Structure3D *structure, int atomIndex) override {
    if (atomIndex == 0 && structure->getAtomCount() > 1)
      structure->getAtom(structure->getAtomCount() - 1).setPosition(target);
  }
};

// On its first contact, takes another geometry out of the simulation.
struct Remover : physics::ContactListener {
  Simulation *simulation = nullptr;
  WorldGeometry *victim = nullptr;
  int at = 0, contacts = 0;
  void onContact(WorldGeometry *, Structure3D *, int) override {
    if (++contacts == at)
      simulation->removeGeometry(victim);
  }
};

struct ChangingWorld {
  busy::World world;
  std::string log;
  Thrower thrower;
  Remover remover;
  physics::Box *sweeper = new physics::Box(Vector3(), Vector3(0.5f, 1, 12));
  physics::Sphere *roller = new physics::Sphere(Vector3(0, 0.5f, -12), 1);

  ChangingWorld() {
    world.recorder.log = &log;
    Simulation &sim = world.simulation;
    // A wall swept along x by its transform, a ball rolled along z by its
    // own centre, both through the debris on the floor.
    sweeper->transform.translation = Vector3(-12, 0.5f, 0);
    sim.addGeometry(sweeper);
    sim.addGeometry(roller);
    // Into the last of the world's own shapes, a box.
    thrower.target = sim.geometries[sim.geometries.size() - 3]->transform.translation;
    for (uint32_t s = 0; s < sim.structures.size(); ++s)
      if (sim.structures[s]->getAtomCount() == 3)
        sim.structures[s]->addContactListener(&thrower);
    remover.simulation = &sim;
    remover.victim = sim.geometries[sim.geometries.size() / 2];
    remover.at = 40;
    sim.geometries[0]->addContactListener(&remover);
  }

  ChangingWorld(const ChangingWorld &) = delete;
  ChangingWorld &operator=(const ChangingWorld &) = delete;
  ~ChangingWorld() {
    if (world.simulation.geometries.indexOf(remover.victim) < 0)
      delete remover.victim;
  }

  // Moves, turns and grows shapes between steps, as a level's owners do.
  void change(int frame) {
    sweeper->transform.translation.x += 0.1f;
    if (frame % 20 == 0)
      sweeper->transform.angle += 10;
    roller->center.z += 0.1f;
    if (frame % 25 == 0)
      roller->radius = 1 + 0.01f * float(frame % 50);
  }
};

} // namespace

TEST(BroadPhase, ContactsMatchTryingEveryGeometry) {
  ChangingWorld fast, plain;
  float previous = 0;
  for (int frame = 0; frame < 240; ++frame) {
    fast.change(frame);
    plain.change(frame);
    fast.world.simulation.step(previous, 1 / 60.0f);
    plainStep(plain.world.simulation, previous, 1 / 60.0f);
    previous = 1 / 60.0f;
    ASSERT_EQ(fast.log.size(), plain.log.size()) << "frame " << frame;
    ASSERT_TRUE(fast.log == plain.log) << "frame " << frame;
  }
  EXPECT_GT(fast.world.recorder.contacts, 1000);
  EXPECT_GE(fast.remover.contacts, fast.remover.at);
  EXPECT_EQ(fast.world.hash(), plain.world.hash());
}

TEST(BroadPhase, FarShapesAreNotAskedAndStrangePlacementsStillCollide) {
  // A box held far away is never tried; a box scaled by 0 never touches; a
  // sphere turned about a zero axis and an atom at no finite place are
  // tried as if everything met.
  struct CountingOwner : physics::GeometryOwner {
    int asked = 0;
    bool allowCollision(const WorldGeometry &, const Structure3D &) override {
      ++asked;
      return true;
    }
  };
  CountingOwner far, flat, turned;
  physics::Box farBox(Vector3(100, 0, 0), Vector3(1, 1, 1));
  physics::Box flatBox(Vector3(), Vector3(1, 1, 1));
  flatBox.transform.scale = 0;
  physics::Sphere odd(Vector3(), 1);
  odd.transform.axis = Vector3(0, 0, 0);
  odd.transform.angle = 90;
  farBox.setOwner(&far);
  flatBox.setOwner(&flat);
  odd.setOwner(&turned);

  Structure3D s;
  s.setAtomCount(1);
  s.getAtom(0).resetPosition(Vector3(0, 0, 0));
  s.slideMask = physics::CATEGORY_ALL;
  Simulation sim;
  sim.addGeometry(&farBox);
  sim.addGeometry(&flatBox);
  sim.addGeometry(&odd);
  sim.addStructure(&s);
  sim.step(1, 1);
  EXPECT_EQ(far.asked, 0);
  EXPECT_EQ(flat.asked, 1);
  EXPECT_EQ(turned.asked, 1);

  s.getAtom(0).resetPosition(Vector3(NAN, 0, 0));
  sim.step(1, 1);
  EXPECT_EQ(far.asked, 1);
}

TEST(BroadPhase, WorldsWithoutGeometriesOrStructuresStep) {
  Structure3D s;
  s.setAtomCount(1);
  s.bounceMask = physics::CATEGORY_ALL;
  Simulation sim;
  sim.step(0, 1);
  sim.addStructure(&s);
  sim.step(0, 1);
  physics::Plane floor;
  sim.addGeometry(&floor);
  sim.removeGeometry(&floor);
  sim.step(1, 1);
  EXPECT_EQ(s.getAtom(0).contactFlags, 0u);
}
