#pragma once
// A fixed, crowded world for the whole-step tests: a ball of sticks, a pinned
// rope, a pendulum, buoyant and sensing debris and a structure that collides
// with nothing, among spheres, capsules, turned, scaled and flipped boxes,
// wedges, a keep-inside box and a floor. Every structure tells one recorder
// of its contacts and bounces. The world owns what it holds.

#include "math/Random.h"
#include "physics/Acceleration3D.h"
#include "physics/BounceEvent.h"
#include "physics/Box.h"
#include "physics/Capsule.h"
#include "physics/DistanceConstraints.h"
#include "physics/Drag3D.h"
#include "physics/Plane.h"
#include "physics/PointConstraints.h"
#include "physics/Simulation.h"
#include "physics/Sphere.h"
#include "physics/Structure3D.h"
#include "physics/Wedge.h"

#include <cstdint>
#include <cstring>
#include <string>

namespace busy {

using math::Vector3;
using physics::Structure3D;
using physics::WorldGeometry;

// FNV-1a over raw bytes.
inline uint64_t fnv1a(uint64_t hash, const void *data, size_t size) {
  const unsigned char *bytes = static_cast<const unsigned char *>(data);
  for (size_t i = 0; i < size; ++i) {
    hash ^= bytes[i];
    hash *= 1099511628211ull;
  }
  return hash;
}

// Appends each contact (geometry and structure by their place in the lists)
// and bounce in order as raw bytes, when recording.
struct Recorder : physics::ContactListener, physics::BounceListener {
  const physics::Simulation *simulation = nullptr;
  std::string *log = nullptr;
  long contacts = 0;
  void onContact(WorldGeometry *geometry, Structure3D *structure, int atomIndex) override {
    ++contacts;
    if (log == nullptr)
      return;
    const physics::Atom &atom = structure->getAtom(uint32_t(atomIndex));
    const int pair[2] = {simulation->geometries.indexOf(geometry),
                         simulation->structures.indexOf(structure)};
    log->append("c");
    log->append(reinterpret_cast<const char *>(pair), sizeof pair);
    log->append(reinterpret_cast<const char *>(&atomIndex), sizeof atomIndex);
    log->append(reinterpret_cast<const char *>(&atom.position), sizeof atom.position);
    log->append(reinterpret_cast<const char *>(&atom.previousPosition),
                sizeof atom.previousPosition);
  }
  void onBounce(const physics::BounceEvent &event) override {
    if (log == nullptr)
      return;
    log->append("b");
    log->append(reinterpret_cast<const char *>(&event.atomIndex), sizeof event.atomIndex);
    log->append(reinterpret_cast<const char *>(&event.normal), sizeof event.normal);
    log->append(reinterpret_cast<const char *>(&event.depth), sizeof event.depth);
  }
};

struct World {
  physics::Simulation simulation;
  Recorder recorder;

  World(const World &) = delete;
  World &operator=(const World &) = delete;
  ~World() {
    for (uint32_t i = 0; i < simulation.structures.size(); ++i)
      delete simulation.structures[i];
    for (uint32_t i = 0; i < simulation.geometries.size(); ++i)
      delete simulation.geometries[i];
  }

  Structure3D *add(Structure3D *s) {
    s->addContactListener(&recorder);
    s->addBounceListener(&recorder);
    simulation.addStructure(s);
    return s;
  }

  World() {
    recorder.simulation = &simulation;
    Random random(2024);
    auto anywhere = [&random](float lift) {
      return Vector3(random.nextFloat(-10, 10), random.nextFloat(0, 4) + lift,
                     random.nextFloat(-10, 10));
    };

    // Geometries: the floor, a keep-inside box round the play area, then
    // shapes of every kind, some turned, scaled or flipped.
    simulation.addGeometry(new physics::Plane());
    auto *room = new physics::Box(Vector3(0, 6, 0), Vector3(11, 8, 11));
    room->direction = 0;
    simulation.addGeometry(room);
    for (int i = 0; i < 40; ++i) {
      const Vector3 p = anywhere(0);
      WorldGeometry *g;
      switch (i % 5) {
      case 0:
        g = new physics::Sphere(p, random.nextFloat(0.4f, 1.5f));
        break;
      case 1:
        g = new physics::Capsule(math::Capsule(
            p, p + Vector3(random.nextFloat(-3, 3), random.nextFloat(-1, 1), 2), 0.3f));
        break;
      case 2: {
        auto *wedge = new physics::Wedge(Vector3(), Vector3(1.5f, 0.7f, 1));
        wedge->slopeNormal = Vector3(-0.7f, 1.5f, 0);
        wedge->slopeNormal.normalize();
        wedge->transform.translation = p;
        wedge->transform.angle = random.nextFloat(0, 360);
        g = wedge;
        break;
      }
      default: {
        auto *box = new physics::Box(Vector3(0.2f, 0, 0), Vector3(1, 0.4f, 0.7f));
        box->transform.translation = p;
        box->transform.axis = Vector3(random.nextFloat(-1, 1), 1, random.nextFloat(-1, 1));
        box->transform.axis.normalize();
        box->transform.angle = random.nextFloat(0, 360);
        box->transform.scale = random.nextFloat(0.5f, 2);
        box->transform.flipX = i % 2 == 0;
        if (i % 7 == 0)
          box->faceMask = 4 | 1;
        g = box;
      }
      }
      simulation.addGeometry(g);
    }

    // The ball: a cube of atoms held by sticks, bouncing, speed clamped on x.
    auto *ball = new Structure3D();
    ball->setAtomCount(8);
    for (uint32_t i = 0; i < 8; ++i) {
      physics::Atom &atom = ball->getAtom(i);
      atom.resetPosition(
          Vector3((i & 1) ? 0.5f : -0.5f, 6 + ((i & 2) ? 0.5f : -0.5f), (i & 4) ? 0.5f : -0.5f));
      atom.radius = 0.3f;
      atom.bounce = 0.6f;
      atom.slide = 0.9f;
      atom.damping = 0.95f;
    }
    for (uint32_t i = 0; i < 8; ++i)
      for (uint32_t j = i + 1; j < 8; ++j)
        ball->addConstraint(new physics::Constraint3DStick(
            i, j, (ball->getAtom(j).position - ball->getAtom(i).position).length(), 0));
    ball->addAcceleration(new physics::Acceleration3DVector(Vector3(3, -9.8f, 1)));
    ball->setDrag(new physics::Drag3DSea(0.5f, 0.8f));
    ball->bounceMask = physics::CATEGORY_ALL;
    ball->axisMask = 1;
    ball->targetSpeed = 4;
    ball->speedRange = 4;
    ball->relaxationPasses = 2;
    add(ball);

    // A rope of six atoms hanging from a pinned end, sliding.
    auto *rope = new Structure3D();
    rope->setAtomCount(6);
    for (uint32_t i = 0; i < 6; ++i) {
      rope->getAtom(i).resetPosition(Vector3(2 + 0.5f * float(i), 7, 1));
      rope->getAtom(i).radius = 0.2f;
    }
    rope->getAtom(0).pinned = 1;
    rope->addConstraint(new physics::Constraint3DRope(0, 5, 0.5f, 1));
    rope->addAcceleration(new physics::Acceleration3DVector(Vector3(0, -9.8f, 0)));
    rope->slideMask = physics::CATEGORY_ALL;
    add(rope);

    // Debris: bouncing, sliding, buoyant, on pendulums, one only sensing and
    // one that collides with nothing.
    for (int i = 0; i < 30; ++i) {
      auto *chunk = new Structure3D();
      chunk->setAtomCount(1 + uint32_t(i % 3));
      for (uint32_t a = 0; a < chunk->getAtomCount(); ++a) {
        physics::Atom &atom = chunk->getAtom(a);
        atom.resetPosition(anywhere(2));
        atom.setVelocity(Vector3(random.nextFloat(-0.1f, 0.1f), 0, random.nextFloat(-0.1f, 0.1f)));
        atom.radius = random.nextFloat(0.1f, 0.5f);
        atom.bounce = 0.4f;
        atom.slide = 0.95f;
      }
      if (chunk->getAtomCount() > 1)
        chunk->addConstraint(new physics::Constraint3DSpacing(0, chunk->getAtomCount() - 1, 2));
      if (i % 2)
        chunk->addAcceleration(new physics::Acceleration3DGravitySea(9.8f, 0.5f, 0.5f));
      else
        chunk->addAcceleration(new physics::Acceleration3DVector(Vector3(0, -9.8f, 0)));
      if (i % 5 == 0)
        chunk->addConstraint(new physics::Constraint3DPendulum(
            0, chunk->getAtom(0).position + Vector3(0, 2, 0), 2, true, 1));
      if (i == 8) {
        // collides with nothing
      } else if (i == 7) {
        chunk->senseMask = physics::CATEGORY_ALL;
      } else if (i % 3 == 0) {
        chunk->bounceMask = physics::CATEGORY_OBSTACLE;
      } else {
        chunk->slideMask = physics::CATEGORY_ALL;
      }
      add(chunk);
    }
  }

  // Positions and velocities of every atom, bit for bit.
  uint64_t hash() const {
    uint64_t h = 14695981039346656037ull;
    for (uint32_t s = 0; s < simulation.structures.size(); ++s) {
      const Structure3D &structure = *simulation.structures[s];
      for (uint32_t a = 0; a < structure.getAtomCount(); ++a) {
        const physics::Atom &atom = structure.getAtom(a);
        const Vector3 velocity = atom.position - atom.previousPosition;
        h = fnv1a(h, &atom.position, sizeof atom.position);
        h = fnv1a(h, &velocity, sizeof velocity);
      }
    }
    return h;
  }
};

} // namespace busy
