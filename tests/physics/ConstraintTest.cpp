#include "math/Random.h"
#include "physics/DistanceConstraints.h"
#include "physics/PointConstraints.h"
#include "physics/Structure3D.h"

#include <gtest/gtest.h>

using math::Vector3;
using physics::Atom;
using physics::Structure3D;

namespace {

// Atoms at the given x positions on a line.
void line(Structure3D &s, std::initializer_list<float> xs) {
  s.setAtomCount(uint32_t(xs.size()));
  uint32_t i = 0;
  for (float x : xs)
    s.getAtom(i++).resetPosition(Vector3(x, 0, 0));
}

float gap(const Structure3D &s, uint32_t a, uint32_t b) {
  return (s.getAtom(b).position - s.getAtom(a).position).length();
}

} // namespace

TEST(Constraint3D, TypesAreTheirSymbols) {
  Structure3D other;
  struct Case {
    physics::Constraint3D *constraint;
    const wchar_t *type;
  } cases[] = {
      {new physics::Constraint3DStick(0, 1, 1, 0), L"stick"},
      {new physics::Constraint3DRope(0, 1, 1, 0), L"rope"},
      {new physics::Constraint3DSpacing(0, 1, 0), L"spacing"},
      {new physics::Constraint3DInterspacing(&other, 0), L"interspacing"},
      {new physics::Constraint3DPin(0, Vector3()), L"pin"},
      {new physics::Constraint3DAtomLine(0, 1, 2, 0.5f), L"atomLine"},
      {new physics::Constraint3DPendulum(0, Vector3(), 1, false, 0), L"pendulum"},
  };
  for (const Case &c : cases) {
    EXPECT_EQ(c.constraint->getType(), Symbol::intern(c.type));
    EXPECT_TRUE(c.constraint->enabled);
    delete c.constraint;
  }
}

TEST(Constraint3DStick, ModesDecideWhenItActs) {
  // Length 2 between atoms 1 apart (near) and 3 apart (far).
  struct Case {
    uint32_t mode;
    float near, far;
  } cases[] = {{0, 2, 2}, {1, 1, 2}, {2, 2, 3}, {7, 2, 2}};
  for (const Case &c : cases) {
    for (float start : {1.0f, 3.0f}) {
      Structure3D s;
      line(s, {0, start});
      physics::Constraint3DStick stick(0, 1, 2, c.mode);
      stick.apply(s);
      EXPECT_FLOAT_EQ(gap(s, 0, 1), start == 1 ? c.near : c.far) << c.mode << " " << start;
    }
  }
}

TEST(Constraint3DStick, MassesShareTheCorrection) {
  // Atoms at 0 and 3 held at 4: a correction of 1, the lighter atom moving more.
  struct Case {
    float massA, massB;
    float expectedA, expectedB;
  } cases[] = {
      {1, 1, -0.5f, 3.5f},
      {0, 0, -0.5f, 3.5f},
      {3, 1, -0.25f, 3.75f},
      {1, 3, -0.75f, 3.25f},
  };
  for (const Case &c : cases) {
    Structure3D s;
    line(s, {0, 3});
    s.getAtom(0).mass = c.massA;
    s.getAtom(1).mass = c.massB;
    physics::Constraint3DStick(0, 1, 4, 0).apply(s);
    EXPECT_FLOAT_EQ(s.getAtom(0).position.x, c.expectedA) << c.massA << " " << c.massB;
    EXPECT_FLOAT_EQ(s.getAtom(1).position.x, c.expectedB) << c.massA << " " << c.massB;
  }
}

TEST(Constraint3DStick, CoincidentAtomsSplitAlongY) {
  Structure3D s;
  line(s, {0, 0});
  physics::Constraint3DStick(0, 1, 2, 0).apply(s);
  EXPECT_EQ(s.getAtom(0).position, Vector3(0, 1, 0));
  EXPECT_EQ(s.getAtom(1).position, Vector3(0, -1, 0));
}

TEST(Constraint3DStick, PinnedAtomOrBadIndexDoesNothing) {
  Structure3D s;
  line(s, {0, 5});
  s.getAtom(0).pinned = 1;
  physics::Constraint3DStick(0, 1, 1, 0).apply(s);
  EXPECT_EQ(s.getAtom(1).position, Vector3(5, 0, 0));
  EXPECT_FALSE(physics::solveDistance(s, 0, 9, 1, 0));
  physics::Constraint3DStick(1, 9, 1, 0).apply(s);
  EXPECT_EQ(s.getAtom(1).position, Vector3(5, 0, 0));
}

TEST(Constraint3DRope, LinksNeighboursInOrderOrAtRandom) {
  for (bool random : {false, true}) {
    Random::globalSeed(7);
    Structure3D s;
    line(s, {0, 3, 6, 9, 12});
    physics::Constraint3DRope rope(1, 4, 1, 1);
    rope.randomOrder = random;
    for (int i = 0; i < 50; ++i)
      rope.apply(s);
    // Atom 0 is outside the rope and stays.
    EXPECT_EQ(s.getAtom(0).position, Vector3(0, 0, 0));
    for (uint32_t i = 2; i <= 4; ++i)
      EXPECT_NEAR(gap(s, i - 1, i), 1, 1e-3f) << random;
  }
  // From an atom to itself: nothing.
  Structure3D s;
  line(s, {0, 3, 6, 9});
  physics::Constraint3DRope(3, 3, 1, 0).apply(s);
  physics::Constraint3DRope(2, 9, 1, 0).apply(s); // runs to the last atom only
  EXPECT_EQ(s.getAtom(1).position, Vector3(3, 0, 0));
  EXPECT_NEAR(gap(s, 2, 3), 1, 1e-6f);
}

TEST(Constraint3DSpacing, PairsKeptAtSumOfRadii) {
  Structure3D s;
  line(s, {0, 0.5f, 1, 10});
  for (uint32_t i = 0; i < 4; ++i)
    s.getAtom(i).radius = 0.5f;
  physics::Constraint3DSpacing spacing(0, 2, 2);
  for (int i = 0; i < 100; ++i)
    spacing.apply(s);
  for (uint32_t i = 0; i < 3; ++i)
    for (uint32_t j = i + 1; j < 3; ++j)
      EXPECT_GE(gap(s, i, j), 1 - 1e-3f);
  EXPECT_EQ(s.getAtom(3).position, Vector3(10, 0, 0));
}

TEST(Constraint3DInterspacing, KeepsOtherStructureApart) {
  Structure3D ball, other;
  line(ball, {0});
  line(other, {0.5f, 5});
  physics::Constraint3DInterspacing spacing(&other, 2);
  spacing.apply(ball);
  // Radii 1 + 1: pushed to 2 apart, sharing equally.
  EXPECT_FLOAT_EQ(ball.getAtom(0).position.x, -0.75f);
  EXPECT_FLOAT_EQ(other.getAtom(0).position.x, 1.25f);
  EXPECT_EQ(other.getAtom(1).position, Vector3(5, 0, 0));
  physics::Constraint3DInterspacing none(nullptr, 2);
  none.apply(ball);
}

TEST(Constraint3DPin, HoldsPositionButNotPrevious) {
  Structure3D s;
  line(s, {4});
  s.getAtom(0).pinned = 1;
  physics::Constraint3DPin pin(0, Vector3(1, 2, 3));
  pin.apply(s);
  EXPECT_EQ(s.getAtom(0).position, Vector3(1, 2, 3));
  EXPECT_EQ(s.getAtom(0).previousPosition, Vector3(4, 0, 0));
}

TEST(Constraint3DAtomLine, PlacesBetweenTwoAtoms) {
  Structure3D s;
  line(s, {0, 10, 7});
  physics::Constraint3DAtomLine(2, 0, 1, 0.25f).apply(s);
  EXPECT_EQ(s.getAtom(2).position, Vector3(2.5f, 0, 0));
  s.getAtom(2).pinned = 1;
  physics::Constraint3DAtomLine(2, 0, 1, 0.75f).apply(s);
  EXPECT_EQ(s.getAtom(2).position, Vector3(2.5f, 0, 0));
}

TEST(Constraint3DPendulum, SwingsAtLengthAndHangsBelow) {
  struct Case {
    Vector3 start;
    bool hangBelow;
    uint32_t mode;
    Vector3 expected;
  } cases[] = {
      {Vector3(3, 0, 4), false, 0, Vector3(3, 0, 4) * 0.4f},
      {Vector3(0, 5, 0), true, 0, Vector3(0, -0.0001f, 0)},
      {Vector3(0, 0, 0), false, 0, Vector3(0, 2, 0)},
      {Vector3(0, 0, 0), true, 0, Vector3(0, -0.0001f, 0)},
      {Vector3(1, 0, 0), false, 1, Vector3(1, 0, 0)}, // inside a maximum length
  };
  for (const Case &c : cases) {
    Structure3D s;
    s.setAtomCount(1);
    s.getAtom(0).resetPosition(c.start);
    physics::Constraint3DPendulum(0, Vector3(0, 0, 0), 2, c.hangBelow, c.mode).apply(s);
    const Vector3 p = s.getAtom(0).position;
    EXPECT_NEAR(p.x, c.expected.x, 1e-6f);
    EXPECT_NEAR(p.y, c.expected.y, 1e-6f);
    EXPECT_NEAR(p.z, c.expected.z, 1e-6f);
  }
}
