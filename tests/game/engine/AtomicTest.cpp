#include "engine/Atomic.h"
#include "engine/GameCategories.h"

#include <gtest/gtest.h>

using math::Vector3;

TEST(Atomic, ANewBodyBouncesFullyOffEveryGameCategory) {
  Atomic body(3);
  const physics::Structure3D &s = body.structure();
  ASSERT_EQ(s.getAtomCount(), 3u);
  EXPECT_EQ(s.slideMask, 0xFFFF0000u);
  EXPECT_EQ(s.bounceMask, 0xFFFF0000u);
  EXPECT_EQ(s.senseMask, 0u);
  for (const uint32_t category :
       {CATEGORY_BREAKABLE, CATEGORY_SOLID, CATEGORY_FLOOR, CATEGORY_WALL})
    EXPECT_NE(s.bounceMask & category, 0u) << category;
  for (unsigned i = 0; i < 3; ++i)
    EXPECT_EQ(s.getAtom(i).bounce, 1.0f);
  EXPECT_EQ(&body.atom(), &s.getAtom(0));
}

TEST(Atomic, SetPositionMovesRigidlyAndStops) {
  Atomic body(3);
  physics::Structure3D &s = body.structure();
  const Vector3 start[3] = {{1, 2, 0}, {2, 2, 0}, {1, 4, 1}};
  for (unsigned i = 0; i < 3; ++i) {
    s.getAtom(i).position = start[i];
    // Moving: each atom has a velocity of its own.
    s.getAtom(i).previousPosition = start[i] - Vector3(float(i) + 1, 0, 0);
  }
  body.setPosition(Vector3(10, -5, 0));
  const Vector3 expected[3] = {{10, -5, 0}, {11, -5, 0}, {10, -3, 1}};
  for (unsigned i = 0; i < 3; ++i) {
    EXPECT_EQ(s.getAtom(i).position, expected[i]) << i;
    EXPECT_EQ(s.getAtom(i).previousPosition, expected[i]) << i;
  }
  EXPECT_EQ(body.atomPosition(), Vector3(10, -5, 0));
}
