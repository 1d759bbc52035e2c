#include "math/VectorExpect.h"
#include "physics/Box.h"
#include "physics/Capsule.h"
#include "physics/Plane.h"
#include "physics/Sphere.h"
#include "physics/Wedge.h"
#include "quip/Token.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

using math::Vector3;
using physics::WorldGeometry;

namespace {

quip::Dictionary typed(const wchar_t *type) {
  quip::Dictionary d;
  d.set(SYM(L"type"), quip::Token(Symbol::intern(type), false));
  return d;
}

Vector3 resolve(const WorldGeometry &g, const Vector3 &at, float radius) {
  return g.resolve(math::Sphere(at, radius), at);
}

// The push-out uses one Newton step of the bit-pattern inverse square root:
// good to about 0.2 %.
constexpr float fastRootTolerance = 6e-3f;

} // namespace

TEST(GeometryFactory, BuildsByTypeAndRefusesTheRest) {
  for (const wchar_t *type : {L"sphere", L"capsule", L"plane", L"box", L"wedge"}) {
    std::unique_ptr<WorldGeometry> g(physics::createWorldGeometry(typed(type)));
    ASSERT_NE(g, nullptr) << type;
    EXPECT_EQ(g->getType(), Symbol::intern(type));
    EXPECT_EQ(g->category, physics::CATEGORY_OBSTACLE);
  }
  EXPECT_EQ(physics::createWorldGeometry(typed(L"heightMapGeometry")), nullptr);
  EXPECT_EQ(physics::createWorldGeometry(quip::Dictionary()), nullptr);
  quip::Dictionary numbered;
  numbered.set(SYM(L"type"), quip::Token(3.0f));
  EXPECT_EQ(physics::createWorldGeometry(numbered), nullptr);

  // Factory defaults: a unit sphere and a unit capsule at the origin.
  std::unique_ptr<WorldGeometry> sphere(physics::createWorldGeometry(typed(L"sphere")));
  EXPECT_EQ(static_cast<physics::Sphere &>(*sphere).radius, 1);
  std::unique_ptr<WorldGeometry> capsule(physics::createWorldGeometry(typed(L"capsule")));
  EXPECT_EQ(static_cast<physics::Capsule &>(*capsule).radius, 1);
}

TEST(GeometryFactory, SphereRoundTripsThroughADictionary) {
  physics::Sphere sphere(Vector3(1, 2, 3), 4);
  quip::Dictionary d;
  sphere.writeTo(d);
  ASSERT_NE(d.lookup(SYM(L"type")), nullptr);
  EXPECT_EQ(d.lookup(SYM(L"type"))->symbol(), SYM(L"sphere"));
  EXPECT_FALSE(d.lookup(SYM(L"type"))->isExecutable());
  std::unique_ptr<WorldGeometry> back(physics::createWorldGeometry(d));
  ASSERT_NE(back, nullptr);
  auto &read = static_cast<physics::Sphere &>(*back);
  EXPECT_EQ(read.center, Vector3(1, 2, 3));
  EXPECT_EQ(read.radius, 4);
}

TEST(GeometryFactory, BoxWritesDirectionAndMaskOnlyWhenSet) {
  physics::Box box(Vector3(1, 0, 0), Vector3(1, 2, 3));
  quip::Dictionary plain;
  box.writeTo(plain);
  EXPECT_EQ(plain.count(), 3u);
  EXPECT_EQ(plain.lookup(SYM(L"direction")), nullptr);

  box.direction = 0;
  box.faceMask = 4;
  quip::Dictionary d;
  box.writeTo(d);
  EXPECT_EQ(d.count(), 5u);
  std::unique_ptr<WorldGeometry> back(physics::createWorldGeometry(d));
  auto &read = static_cast<physics::Box &>(*back);
  EXPECT_EQ(read.direction, 0u);
  EXPECT_EQ(read.faceMask, 4u);
  EXPECT_EQ(read.extents, Vector3(1, 2, 3));
}

TEST(GeometryFactory, PlaneAndWedgeRead) {
  quip::Dictionary d = typed(L"plane");
  d.set(SYM(L"normal"), Vector3(0, 0, 2).toToken());
  std::unique_ptr<WorldGeometry> plane(physics::createWorldGeometry(d));
  EXPECT_EQ(static_cast<physics::Plane &>(*plane).plane.normal, Vector3(0, 0, 1));

  quip::Dictionary w = typed(L"wedge");
  w.set(SYM(L"extents"), Vector3(1, 1, 1).toToken());
  std::unique_ptr<WorldGeometry> wedge(physics::createWorldGeometry(w));
  expectNear(static_cast<physics::Wedge &>(*wedge).slopeNormal,
             Vector3(-std::sqrt(0.5f), std::sqrt(0.5f), 0));
}

TEST(SphereGeometry, PushesOutAlongTheCentreLine) {
  physics::Sphere sphere(Vector3(0, 0, 0), 1);
  expectNear(resolve(sphere, Vector3(1.5f, 0, 0), 1), Vector3(2, 0, 0), fastRootTolerance);
  expectNear(resolve(sphere, Vector3(0, 0, 0), 1), Vector3(2, 0, 0));
  EXPECT_EQ(resolve(sphere, Vector3(2.5f, 0, 0), 1), Vector3(2.5f, 0, 0));
  // Placed by the transform: the sphere sits at (10, 0, 0) with radius 2.
  sphere.transform.translation = Vector3(10, 0, 0);
  sphere.transform.scale = 2;
  expectNear(resolve(sphere, Vector3(12, 0, 0), 1), Vector3(13, 0, 0), 2 * fastRootTolerance);
  EXPECT_TRUE(sphere.overlaps(math::Sphere(Vector3(12.9f, 0, 0), 1)));
  EXPECT_FALSE(sphere.overlaps(math::Sphere(Vector3(13, 0, 0), 1)));
  EXPECT_TRUE(sphere.hasBoundingRadius());
  EXPECT_EQ(sphere.getBounds().center, Vector3(10, 0, 0));
}

TEST(PlaneGeometry, BringsAnySphereBelowToTheFront) {
  physics::Plane ground;
  for (float y : {0.5f, -0.5f, -100.0f})
    EXPECT_EQ(resolve(ground, Vector3(3, y, 4), 1), Vector3(3, 1, 4)) << y;
  EXPECT_EQ(resolve(ground, Vector3(3, 1, 4), 1), Vector3(3, 1, 4));
}

TEST(BoxGeometry, FaceMaskAndDirection) {
  physics::Box box(Vector3(0, 0, 0), Vector3(1, 1, 1));
  // Enters through +x: pushed out through +x.
  EXPECT_EQ(resolve(box, Vector3(1.5f, 0, 0), 1), Vector3(2, 0, 0));
  // Beyond an edge: pushed away from the edge.
  expectNear(resolve(box, Vector3(1.5f, 1.5f, 0), 1),
             Vector3(1 + std::sqrt(0.5f), 1 + std::sqrt(0.5f), 0), fastRootTolerance);

  box.faceMask = 0;
  EXPECT_EQ(resolve(box, Vector3(0.5f, 0, 0), 1), Vector3(0.5f, 0, 0));
  // Only +y: every overlapping sphere goes up, whichever side it came from.
  box.faceMask = 4;
  EXPECT_EQ(resolve(box, Vector3(1.5f, 0, 0), 1), Vector3(1.5f, 2, 0));
  EXPECT_EQ(resolve(box, Vector3(0, -1.5f, 0), 1), Vector3(0, 2, 0));

  // Inside: held within extents minus radius, free in between.
  physics::Box room(Vector3(0, 0, 0), Vector3(5, 5, 5));
  room.direction = 0;
  EXPECT_EQ(resolve(room, Vector3(1, 2, 3), 1), Vector3(1, 2, 3));
  EXPECT_EQ(resolve(room, Vector3(4.5f, -7, 0), 1), Vector3(4, -4, 0));
  EXPECT_FALSE(room.overlapsSphere(math::Sphere(Vector3(0, 0, 0), 1)));
  EXPECT_TRUE(box.overlapsSphere(math::Sphere(Vector3(1.5f, 0, 0), 1)));
}

TEST(WedgeGeometry, HoldsSpheresOnTheSlope) {
  physics::Wedge wedge(Vector3(0, 0, 0), Vector3(1, 1, 1));
  wedge.slopeNormal = Vector3(-1, 1, 0);
  wedge.slopeNormal.normalize();
  // Sunk into the middle of the slope: put back at distance r along the normal.
  const Vector3 n = wedge.slopeNormal;
  const Vector3 sunk = n * 0.5f;
  expectNear(resolve(wedge, sunk, 1), n * 1.0f, 1e-5f);
  // Clear of it: untouched.
  EXPECT_EQ(resolve(wedge, n * 1.5f, 1), n * 1.5f);
  // Beyond the top edge (+x, +y): pushed away from the edge.
  const Vector3 pushed = resolve(wedge, Vector3(1.3f, 1.3f, 0), 1);
  EXPECT_NEAR((pushed - Vector3(1, 1, 0)).length(), 1, fastRootTolerance);
  EXPECT_TRUE(wedge.overlapsSphere(math::Sphere(sunk, 1)));
}

TEST(CapsuleGeometry, PushesAwayFromTheSegment) {
  physics::Capsule capsule(math::Capsule(Vector3(-5, 0, 0), Vector3(5, 0, 0), 1));
  expectNear(resolve(capsule, Vector3(2, 1, 0), 0.5f), Vector3(2, 1.5f, 0), fastRootTolerance);
  EXPECT_FLOAT_EQ(capsule.getBoundingRadius(), 6);
  EXPECT_TRUE(
      capsule.overlapsCapsule(math::Capsule(Vector3(0, 1.2f, -3), Vector3(0, 1.2f, 3), 0.5f)));
  EXPECT_FALSE(capsule.overlapsCapsule(math::Capsule(Vector3(0, 2, -3), Vector3(0, 2, 3), 0.5f)));
}
