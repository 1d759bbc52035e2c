#include "physics/HeightMapGeometry.h"
#include "math/VectorExpect.h"

#include "math/HeightMap.h"
#include "physics/Structure3D.h"
#include "quip/Token.h"

#include <gtest/gtest.h>

#include <cmath>

using math::Vector3;
using physics::HeightMapGeometry;

namespace {

// A built map whose height at (i, j) is f(i, j).
template <typename F> HeightMap built(int nx, int nz, F f) {
  HeightMap map(math::Size2i(nx, nz), Vector3(1, 1, 1));
  for (int i = 0; i < nx; ++i)
    for (int j = 0; j < nz; ++j)
      map.setHeight(i, j, f(i, j));
  map.rebuildVertices();
  map.rebuildAll();
  return map;
}

Vector3 resolve(const HeightMapGeometry &g, const Vector3 &at, float radius) {
  return g.resolve(math::Sphere(at, radius), at);
}

// Triangle mode goes through the fast inverse square root (0.2 %).
constexpr float fastRootTolerance = 3e-3f;

} // namespace

TEST(HeightMapGeometry, IsTerrainWithOnlyItsType) {
  HeightMap map = built(2, 2, [](int, int) { return 0.0f; });
  HeightMapGeometry ground(&map);
  EXPECT_EQ(ground.category, physics::CATEGORY_TERRAIN);
  EXPECT_EQ(ground.getType(), SYM(L"heightMapGeometry"));
  EXPECT_TRUE(ground.useProjection);
  EXPECT_EQ(ground.clone(), nullptr);
  EXPECT_FALSE(ground.hasBoundingRadius());
  EXPECT_EQ(ground.getBoundingRadius(), 0);
  EXPECT_EQ(ground.getBounds().extents, Vector3());
  quip::Dictionary d;
  ground.writeTo(d);
  EXPECT_EQ(d.count(), 1u);
  EXPECT_EQ(d.lookup(SYM(L"type"))->symbol(), SYM(L"heightMapGeometry"));
  EXPECT_EQ(physics::createWorldGeometry(d), nullptr);
}

TEST(HeightMapGeometry, BothModesHoldSpheresOnTheGround) {
  HeightMap flat = built(3, 3, [](int, int) { return 0.0f; });
  for (bool projection : {true, false}) {
    HeightMapGeometry ground(&flat);
    ground.useProjection = projection;
    SCOPED_TRACE(projection ? "projection" : "triangles");
    expectNear(resolve(ground, Vector3(0.2f, 0.5f, 0.1f), 1), Vector3(0.2f, 1, 0.1f),
               fastRootTolerance);
    // Clear of the ground: no contact, the centre exactly as it was.
    EXPECT_EQ(resolve(ground, Vector3(0.2f, 1.5f, 0.1f), 1), Vector3(0.2f, 1.5f, 0.1f));
    // Off the grid the ground is the plane y = 0.
    EXPECT_EQ(resolve(ground, Vector3(20, -4, 3), 1), Vector3(20, 1, 3));

    // Placed 5 up and scaled by 2: the sphere rests on the moved ground at
    // its own radius.
    ground.transform.translation = Vector3(0, 5, 0);
    ground.transform.scale = 2;
    expectNear(resolve(ground, Vector3(0.4f, 5.5f, 0.2f), 1), Vector3(0.4f, 6, 0.2f),
               2 * fastRootTolerance);
    ground.transform.scale = 0;
    EXPECT_EQ(resolve(ground, Vector3(0.4f, 5.5f, 0.2f), 1), Vector3(0.4f, 5.5f, 0.2f));
  }
}

TEST(HeightMapGeometry, SlopesLiftOrPushOut) {
  // y = x + 1 between x = -1 and 1.
  HeightMap slope = built(3, 3, [](int i, int) { return float(i); });
  HeightMapGeometry ground(&slope);
  // Projection lifts straight up over the surface point...
  expectNear(resolve(ground, Vector3(0, 1, 0), 1), Vector3(0, 2, 0), 1e-4f);
  // ...the triangle mode pushes along the face normal.
  ground.useProjection = false;
  const float h = std::sqrt(0.5f);
  expectNear(resolve(ground, Vector3(0, 1, 0), 1), Vector3(-h, 1 + h, 0), fastRootTolerance);

  EXPECT_TRUE(ground.overlapsSphere(math::Sphere(Vector3(0, 1.5f, 0), 1)));
  EXPECT_FALSE(ground.overlapsSphere(math::Sphere(Vector3(0, 3, 0), 1)));
  EXPECT_TRUE(ground.overlaps(math::Sphere(Vector3(0, 1.5f, 0), 1)));
}

TEST(HeightMapGeometry, CollideFlagsTerrainContacts) {
  HeightMap flat = built(3, 3, [](int, int) { return 0.0f; });
  HeightMapGeometry ground(&flat);
  physics::Structure3D ball;
  ball.slideMask = physics::CATEGORY_TERRAIN;
  ball.setAtomCount(2);
  ball.getAtom(0).resetPosition(Vector3(0.3f, 0.25f, 0));
  ball.getAtom(0).radius = 0.5f;
  ball.getAtom(1).resetPosition(Vector3(-0.3f, 3, 0));
  ball.getAtom(1).radius = 0.5f;
  ground.collide(ball);
  EXPECT_EQ(ball.getAtom(0).contactFlags, physics::CATEGORY_TERRAIN);
  EXPECT_FLOAT_EQ(ball.getAtom(0).position.y, 0.5f);
  EXPECT_EQ(ball.getAtom(1).contactFlags, 0u);

  // A geometry without a map never touches anything.
  HeightMapGeometry nothing(nullptr);
  EXPECT_EQ(resolve(nothing, Vector3(0, -1, 0), 1), Vector3(0, -1, 0));
}
