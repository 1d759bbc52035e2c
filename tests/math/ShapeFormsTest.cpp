#include "math/Box3D.h"
#include "math/Capsule.h"
#include "math/Plane.h"
#include "math/Sphere.h"
#include "quip/Token.h"

#include <gtest/gtest.h>

using math::Vector3;

TEST(ShapeForms, DefaultShapesWriteNoKey) {
  quip::Dictionary d;
  math::Box3D().save(d);
  math::Sphere().save(d);
  math::Capsule().save(d);
  EXPECT_TRUE(d.isEmpty());
}

TEST(ShapeForms, ShapesRoundTrip) {
  quip::Dictionary d;
  math::Box3D box(Vector3(1, 2, 3), Vector3(0, 0, 0));
  box.save(d);
  EXPECT_NE(d.lookup(Symbol::intern(L"center")), nullptr);
  EXPECT_EQ(d.lookup(Symbol::intern(L"extents")), nullptr);
  math::Box3D b2(Vector3(), Vector3(4, 4, 4));
  b2.load(d);
  EXPECT_TRUE(b2.center == Vector3(1, 2, 3));
  EXPECT_TRUE(b2.extents == Vector3(4, 4, 4));

  quip::Dictionary s;
  math::Sphere(Vector3(0, 1, 0), 2).save(s);
  math::Sphere sphere;
  sphere.load(s);
  EXPECT_TRUE(sphere.center == Vector3(0, 1, 0));
  EXPECT_EQ(sphere.radius, 2);

  quip::Dictionary c;
  math::Capsule(Vector3(1, 0, 0), Vector3(0, 0, 0), 0.5f).save(c);
  EXPECT_EQ(c.lookup(Symbol::intern(L"end")), nullptr);
  math::Capsule capsule(Vector3(), Vector3(9, 9, 9), 0);
  capsule.load(c);
  EXPECT_TRUE(capsule.start == Vector3(1, 0, 0));
  EXPECT_TRUE(capsule.end == Vector3(9, 9, 9));
  EXPECT_EQ(capsule.radius, 0.5f);

  // A wrongly typed value leaves the field alone.
  quip::Dictionary bad;
  bad.set(Symbol::intern(L"radius"), quip::Token(L"big"));
  bad.set(Symbol::intern(L"center"), quip::Token(3.0f));
  sphere.load(bad);
  EXPECT_EQ(sphere.radius, 2);
  EXPECT_TRUE(sphere.center == Vector3(0, 1, 0));
}

TEST(ShapeForms, PlaneLoadNormalisesTheNormal) {
  quip::Dictionary d;
  d.set(Symbol::intern(L"normal"), quip::toToken(Vector3(0, 2, 0)));
  math::Plane p(Vector3(1, 2, 3), Vector3(1, 0, 0));
  p.load(d);
  EXPECT_TRUE(p.point == Vector3(1, 2, 3));
  EXPECT_TRUE(p.normal == Vector3(0, 1, 0));

  quip::Dictionary out;
  p.save(out);
  math::Plane q;
  q.load(out);
  EXPECT_TRUE(q.point == Vector3(1, 2, 3));
  EXPECT_TRUE(q.normal == Vector3(0, 1, 0));
}
