#include "math/Sphere.h"
#include "physics/Acceleration3D.h"
#include "physics/Drag3D.h"
#include "physics/Structure3D.h"

#include <gtest/gtest.h>

using math::Vector3;
using physics::Atom;
using physics::Structure3D;

namespace {

Atom &atomAt(Structure3D &s, const Vector3 &p, float radius = 1, float mass = 1) {
  s.addAtoms(1);
  Atom &atom = s.getAtom(s.getAtomCount() - 1);
  atom.resetPosition(p);
  atom.radius = radius;
  atom.mass = mass;
  return atom;
}

} // namespace

TEST(Acceleration3D, VectorAndAttractor) {
  Structure3D s;
  Atom &away = atomAt(s, Vector3(2, 0, 0));
  Atom &onTop = atomAt(s, Vector3(0, 0, 0));
  physics::Acceleration3DAttractor attractor(8, Vector3(0, 0, 0));
  attractor.apply(s);
  // Inverse square toward the point: 8 / 4 along -x.
  EXPECT_EQ(away.acceleration, Vector3(-2, 0, 0));
  // Nothing at the attractor's own position.
  EXPECT_EQ(onTop.acceleration, Vector3(0, 0, 0));

  physics::Acceleration3DAttractor repeller(-8, Vector3(0, 0, 0));
  repeller.apply(s);
  EXPECT_EQ(away.acceleration, Vector3(0, 0, 0));

  physics::Acceleration3DVector push(Vector3(1, 2, 3));
  push.apply(s);
  EXPECT_EQ(onTop.acceleration, Vector3(1, 2, 3));
}

TEST(Acceleration3D, GravitySeaBuoyancy) {
  const float g = 10, sea = 0, water = 2;
  physics::Acceleration3DGravitySea field(g, sea, water);
  Structure3D s;
  // Lowest point exactly at the sea level: plain gravity.
  Atom &surface = atomAt(s, Vector3(0, 1, 0));
  // Fully under, as dense as the water: floats in place.
  const float volume = 4.18879032f;
  Atom &neutral = atomAt(s, Vector3(0, -5, 0), 1, volume * water);
  // Fully under and lighter: rises.
  Atom &light = atomAt(s, Vector3(0, -5, 0), 1, volume);
  // No mass: nothing at all.
  Atom &massless = atomAt(s, Vector3(0, -5, 0), 1, 0);
  // Half under.
  Atom &half = atomAt(s, Vector3(0, 0, 0), 1, volume);
  field.apply(s);
  EXPECT_EQ(surface.acceleration, Vector3(0, -g, 0));
  EXPECT_NEAR(neutral.acceleration.y, 0, 1e-4f);
  EXPECT_GT(light.acceleration.y, 0);
  EXPECT_NEAR(light.acceleration.y, g, 1e-4f);
  EXPECT_EQ(massless.acceleration, Vector3(0, 0, 0));
  const float halfVolume = math::Sphere::capVolume(1, 1);
  EXPECT_FLOAT_EQ(half.acceleration.y, -(volume - halfVolume * water) * g / volume);
}

TEST(Drag3DSea, DampingFollowsSubmergedSurface) {
  physics::Drag3DSea drag(0, 0.5f);
  Structure3D s;
  Atom &dry = atomAt(s, Vector3(0, 1, 0));
  Atom &under = atomAt(s, Vector3(0, -3, 0));
  Atom &half = atomAt(s, Vector3(0, 0, 0));
  dry.dragDamping = under.dragDamping = half.dragDamping = 0.1f;
  drag.apply(s, 0.1f);
  EXPECT_EQ(dry.dragDamping, 1);
  EXPECT_FLOAT_EQ(under.dragDamping, 0.5f);
  EXPECT_FLOAT_EQ(half.dragDamping, 0.75f);

  // A disabled drag leaves the atoms alone; a structure applies its drag.
  drag.enabled = false;
  under.dragDamping = 0.1f;
  drag.applyIfEnabled(s, 0.1f);
  EXPECT_EQ(under.dragDamping, 0.1f);
  s.setDrag(new physics::Drag3DSea(0, 0.25f));
  s.applyDrag(0.1f);
  EXPECT_FLOAT_EQ(under.dragDamping, 0.25f);
}
