#include "physics/WorldGeometry.h"
#include "physics/Plane.h"
#include "physics/Structure3D.h"

#include <gtest/gtest.h>

#include <string>

using math::Vector3;
using physics::Atom;
using physics::Structure3D;
using physics::WorldGeometry;

namespace {

// Appends "<who>:<atom>" for every contact, to check the order of calls.
struct Recorder : physics::ContactListener {
  std::string *log;
  const char *name;
  bool disableOnContact = false;
  Recorder(std::string *log, const char *name) : log(log), name(name) {}
  void onContact(WorldGeometry *geometry, Structure3D *, int atomIndex) override {
    *log += std::string(name) + ":" + std::to_string(atomIndex) + " ";
    if (disableOnContact)
      geometry->enabled = false;
  }
};

struct Owner : physics::GeometryOwner {
  bool collision = true, response = true;
  int asked = 0;
  bool allowCollision(const WorldGeometry &, const Structure3D &) override {
    ++asked;
    return collision;
  }
  bool allowResponse(const WorldGeometry &, const Structure3D &) override { return response; }
};

// Three atoms sunk 0.5 into the ground plane (category 2), at x = 0, 5, 10.
struct Scene {
  physics::Plane ground;
  Structure3D structure;
  std::string log;
  Recorder geometryListener{&log, "g"};
  Recorder structureListener{&log, "s"};
  Scene() {
    structure.setAtomCount(3);
    for (uint32_t i = 0; i < 3; ++i) {
      structure.getAtom(i).resetPosition(Vector3(5.0f * float(i), 0.5f, 0));
      structure.getAtom(i).setVelocity(Vector3(0, -0.1f, 0));
    }
    ground.addContactListener(&geometryListener);
    structure.addContactListener(&structureListener);
  }
};

} // namespace

TEST(WorldGeometry, CategoryAndSideSymbols) {
  struct Case {
    const wchar_t *name;
    uint32_t value;
  } cases[] = {{L"none", 0}, {L"terrain", 1}, {L"obstacle", 2}, {L"all", 0xFFFF}};
  for (const Case &c : cases) {
    EXPECT_EQ(physics::symbolToCategory(Symbol::intern(c.name)), c.value);
    EXPECT_EQ(physics::categoryToSymbol(c.value), Symbol::intern(c.name));
  }
  EXPECT_EQ(physics::symbolToCategory(Symbol::intern(L"water")), 0u);
  EXPECT_EQ(physics::categoryToSymbol(3), Symbol::intern(L"none"));
  EXPECT_EQ(physics::symbolToSide(Symbol::intern(L"inside")), 0u);
  EXPECT_EQ(physics::symbolToSide(Symbol::intern(L"outside")), 1u);
  EXPECT_EQ(physics::symbolToSide(Symbol::intern(L"sideways")), 1u);
  EXPECT_EQ(physics::sideToSymbol(0), Symbol::intern(L"inside"));
  EXPECT_EQ(physics::sideToSymbol(1), Symbol::intern(L"outside"));
  EXPECT_TRUE(physics::sideToSymbol(2).isEmpty());
}

TEST(WorldGeometry, GeometryListenersHearBeforeStructureListeners) {
  Scene scene;
  scene.structure.slideMask = 2;
  scene.ground.collide(scene.structure);
  EXPECT_EQ(scene.log, "g:0 s:0 g:1 s:1 g:2 s:2 ");
  for (uint32_t i = 0; i < 3; ++i) {
    const Atom &atom = scene.structure.getAtom(i);
    EXPECT_FLOAT_EQ(atom.position.y, 1);
    EXPECT_EQ(atom.contactFlags, 2u);
  }
}

TEST(WorldGeometry, SenseOnlyContactsAreReportedButNotMoved) {
  Scene scene;
  scene.structure.senseMask = 2;
  scene.ground.collide(scene.structure);
  EXPECT_EQ(scene.log, "g:0 s:0 g:1 s:1 g:2 s:2 ");
  for (uint32_t i = 0; i < 3; ++i) {
    EXPECT_EQ(scene.structure.getAtom(i).position.y, 0.5f);
    EXPECT_EQ(scene.structure.getAtom(i).contactFlags, 2u);
  }
}

TEST(WorldGeometry, MasksAndOwnerDecideWhoCollides) {
  {
    // Masks 0: never tested, the owner never asked.
    Scene scene;
    Owner owner;
    scene.ground.setOwner(&owner);
    scene.ground.collide(scene.structure);
    EXPECT_EQ(scene.log, "");
    EXPECT_EQ(owner.asked, 0);
  }
  {
    // The owner refuses the collision: no contact at all; asked once per call.
    Scene scene;
    Owner owner;
    owner.collision = false;
    scene.ground.setOwner(&owner);
    scene.structure.bounceMask = 2;
    scene.ground.collide(scene.structure);
    EXPECT_EQ(scene.log, "");
    EXPECT_EQ(owner.asked, 1);
    EXPECT_EQ(scene.structure.getAtom(0).contactFlags, 0u);
  }
  {
    // The owner refuses only the response: contacts still reported, nothing moves.
    Scene scene;
    Owner owner;
    owner.response = false;
    scene.ground.setOwner(&owner);
    scene.structure.bounceMask = 2;
    scene.ground.collide(scene.structure);
    EXPECT_EQ(scene.log, "g:0 s:0 g:1 s:1 g:2 s:2 ");
    EXPECT_EQ(scene.structure.getAtom(0).position.y, 0.5f);
  }
  {
    // A disabled geometry does nothing.
    Scene scene;
    scene.structure.bounceMask = 2;
    scene.ground.enabled = false;
    scene.ground.collide(scene.structure);
    EXPECT_EQ(scene.log, "");
  }
}

TEST(WorldGeometry, ListenerThatDisablesGeometryStopsTheLoop) {
  Scene scene;
  scene.structure.slideMask = 2;
  scene.geometryListener.disableOnContact = true;
  scene.ground.collide(scene.structure);
  // The structure's listeners still hear of the first contact.
  EXPECT_EQ(scene.log, "g:0 s:0 ");
  EXPECT_FLOAT_EQ(scene.structure.getAtom(0).position.y, 1);
  EXPECT_EQ(scene.structure.getAtom(1).position.y, 0.5f);
  EXPECT_EQ(scene.structure.getAtom(1).contactFlags, 0u);
}

TEST(WorldGeometry, PinnedAndBarelyTouchingAtomsAreNoContact) {
  Scene scene;
  scene.structure.slideMask = 2;
  scene.structure.getAtom(0).pinned = 1;
  // Resolved by less than 1e-3.
  scene.structure.getAtom(1).resetPosition(Vector3(5, 0.9995f, 0));
  scene.ground.collide(scene.structure);
  EXPECT_EQ(scene.log, "g:2 s:2 ");
  EXPECT_EQ(scene.structure.getAtom(0).position.y, 0.5f);
}

TEST(WorldGeometry, CopyKeepsPlacementButNotListenersOrOwner) {
  physics::Plane plane;
  Owner owner;
  std::string log;
  Recorder listener(&log, "g");
  plane.setOwner(&owner);
  plane.addContactListener(&listener);
  plane.enabled = false;
  plane.category = 3;
  plane.transform.scale = 2;
  WorldGeometry *copy = plane.clone();
  ASSERT_NE(copy, nullptr);
  EXPECT_FALSE(copy->enabled);
  EXPECT_EQ(copy->category, 3u);
  EXPECT_EQ(copy->transform.scale, 2);
  EXPECT_EQ(copy->getOwner(), nullptr);
  EXPECT_TRUE(copy->contactListeners.isEmpty());
  delete copy;
}

TEST(WorldGeometry, FrameConversionsAndOverlaps) {
  physics::Plane plane; // the ground plane in its own frame
  plane.transform.translation = Vector3(0, 10, 0);
  plane.transform.scale = 2;
  const math::Sphere local = plane.toLocal(math::Sphere(Vector3(4, 12, 0), 3));
  EXPECT_EQ(local.center, Vector3(2, 1, 0));
  EXPECT_EQ(local.radius, 1.5f);
  const math::Sphere world = plane.toWorld(local);
  EXPECT_EQ(world.center, Vector3(4, 12, 0));
  EXPECT_EQ(world.radius, 3);

  EXPECT_TRUE(plane.overlaps(math::Sphere(Vector3(0, 12, 0), 2.5f)));
  EXPECT_FALSE(plane.overlaps(math::Sphere(Vector3(0, 12, 0), 1.5f)));
  EXPECT_FALSE(plane.overlaps(math::Capsule(Vector3(), Vector3(1, 0, 0), 1)));
  plane.transform.scale = 0;
  EXPECT_FALSE(plane.overlaps(math::Sphere(Vector3(0, 0, 0), 5)));
  EXPECT_EQ(plane.resolve(math::Sphere(Vector3(0, 0, 0), 5), Vector3()), Vector3(0, 0, 0));
}
