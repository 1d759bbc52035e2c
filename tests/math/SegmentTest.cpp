#include "math/Circle.h"
#include "math/ClosestPoint.h"
#include "math/Plane.h"
#include "math/Sphere.h"
#include "math/VectorExpect.h"

#include <gtest/gtest.h>

using math::Segment2D;
using math::Segment3D;
using math::Vector2;
using math::Vector3;

TEST(Segment, ClosestPointOnSegment) {
  const Segment3D s(Vector3(0, 0, 0), Vector3(2, 0, 0));
  struct Case {
    Vector3 point, closest;
    float t;
  } cases[] = {
      {Vector3(5, 1, 0), Vector3(2, 0, 0), 1},
      {Vector3(-3, 1, 0), Vector3(0, 0, 0), 0},
      {Vector3(1, 7, 0), Vector3(1, 0, 0), 0.5f},
  };
  for (const Case &c : cases) {
    Vector3 closest;
    float t = -1;
    s.closestPoint(c.point, closest, t);
    EXPECT_EQ(closest, c.closest);
    EXPECT_EQ(t, c.t);
  }
  Vector3 closest;
  float t;
  math::closestPointOnSegment(Vector3(1, 1, 1), Vector3(), Vector3(5, 5, 5), closest, t);
  EXPECT_EQ(closest, Vector3(1, 1, 1));
  EXPECT_EQ(t, 0);

  Vector2 closest2;
  math::closestPointOnSegment2D(Segment2D(Vector2(0, 0), Vector2(4, 0)), Vector2(3, 3), closest2,
                                t);
  EXPECT_EQ(closest2.x, 3);
  EXPECT_EQ(t, 0.75f);
}

TEST(Segment, ClosestPointsOfTwoSegments) {
  struct Case {
    Segment3D a, b;
    Vector3 onA, onB;
  } cases[] = {
      // Crossing at right angles, one above the other.
      {{Vector3(-1, 0, 0), Vector3(1, 0, 0)},
       {Vector3(0, 1, -1), Vector3(0, 1, 1)},
       Vector3(0, 0, 0),
       Vector3(0, 1, 0)},
      // The nearest points are end points of both (a corner region).
      {{Vector3(0, 0, 0), Vector3(1, 0, 0)},
       {Vector3(2, 1, 0), Vector3(2, 3, 0)},
       Vector3(1, 0, 0),
       Vector3(2, 1, 0)},
      // An end point of one against the inside of the other.
      {{Vector3(0, 0, 0), Vector3(4, 0, 0)},
       {Vector3(1, 1, 0), Vector3(1, 5, 3)},
       Vector3(1, 0, 0),
       Vector3(1, 1, 0)},
      // Parallel, overlapping along x: a pair inside the overlap, one above
      // the other.
      {{Vector3(0, 0, 0), Vector3(2, 0, 0)},
       {Vector3(1, 1, 0), Vector3(5, 1, 0)},
       Vector3(5 / 3.0f, 0, 0),
       Vector3(5 / 3.0f, 1, 0)},
      // Two points.
      {{Vector3(1, 2, 3), Vector3(1, 2, 3)},
       {Vector3(4, 5, 6), Vector3(4, 5, 6)},
       Vector3(1, 2, 3),
       Vector3(4, 5, 6)},
      // A point against a segment.
      {{Vector3(1, 3, 0), Vector3(1, 3, 0)},
       {Vector3(0, 0, 0), Vector3(4, 0, 0)},
       Vector3(1, 3, 0),
       Vector3(1, 0, 0)},
  };
  for (const Case &c : cases) {
    Vector3 onA, onB;
    math::closestPointsOfSegments(c.a, c.b, onA, onB);
    expectNear(onA, c.onA);
    expectNear(onB, c.onB);
  }

  Vector2 onA, onB;
  math::closestPointsOfSegments2D(Segment2D(Vector2(0, 0), Vector2(2, 2)),
                                  Segment2D(Vector2(3, 0), Vector2(3, 1)), onA, onB);
  EXPECT_NEAR(onA.x, 2, 1e-5f);
  EXPECT_NEAR(onA.y, 2, 1e-5f);
  EXPECT_NEAR(onB.x, 3, 1e-5f);
  EXPECT_NEAR(onB.y, 1, 1e-5f);
}

TEST(Segment, Barycentric) {
  const Vector3 a(0, 0, 0), b(4, 0, 0), c(0, 0, 4);
  float u, v, w;
  math::barycentric(a, b, c, b, u, v, w);
  EXPECT_FLOAT_EQ(u, 0);
  EXPECT_FLOAT_EQ(v, 1);
  EXPECT_FLOAT_EQ(w, 0);
  math::barycentric(a, b, c, (a + b + c) / 3, u, v, w);
  EXPECT_NEAR(u, 1 / 3.0f, 1e-6f);
  EXPECT_NEAR(v, 1 / 3.0f, 1e-6f);
  EXPECT_NEAR(w, 1 / 3.0f, 1e-6f);
}

TEST(Segment, IntersectPlaneIsARay) {
  const math::Plane ground;
  Vector3 hit(9, 9, 9), direction;
  float distance = -1;
  // Pointing at the plane: the hit lies beyond the segment's end.
  ASSERT_TRUE(Segment3D(Vector3(1, 5, 0), Vector3(1, 4, 0))
                  .intersectPlane(ground, hit, direction, distance));
  EXPECT_EQ(hit, Vector3(1, 0, 0));
  EXPECT_EQ(direction, Vector3(0, -1, 0));
  EXPECT_EQ(distance, 5);
  // Pointing away, parallel, or of no length: no hit, nothing written.
  hit = Vector3(9, 9, 9);
  EXPECT_FALSE(Segment3D(Vector3(1, 5, 0), Vector3(1, 6, 0))
                   .intersectPlane(ground, hit, direction, distance));
  EXPECT_FALSE(Segment3D(Vector3(1, 5, 0), Vector3(2, 5, 0))
                   .intersectPlane(ground, hit, direction, distance));
  EXPECT_FALSE(Segment3D(Vector3(1, 5, 0), Vector3(1, 5, 0))
                   .intersectPlane(ground, hit, direction, distance));
  EXPECT_EQ(hit, Vector3(9, 9, 9));
  EXPECT_EQ(distance, 5);
}

TEST(Segment, IntersectSphereTestsTheWholeLine) {
  const Segment3D s(Vector3(0, 0, 0), Vector3(1, 0, 0));
  Vector3 nearPoint, farPoint;
  ASSERT_EQ(s.intersectSphere(math::Sphere(Vector3(5, 0, 0), 1), nearPoint, farPoint), 2);
  EXPECT_EQ(nearPoint, Vector3(4, 0, 0));
  EXPECT_EQ(farPoint, Vector3(6, 0, 0));
  ASSERT_EQ(s.intersectSphere(math::Sphere(Vector3(5, 1, 0), 1), nearPoint, farPoint), 1);
  EXPECT_EQ(nearPoint, Vector3(5, 0, 0));
  EXPECT_EQ(s.intersectSphere(math::Sphere(Vector3(5, 2, 0), 1), nearPoint, farPoint), 0);

  Vector3 point;
  EXPECT_TRUE(s.intersectsSphere(math::Sphere(Vector3(0.5f, 0.5f, 0), 1), point));
  EXPECT_EQ(point, Vector3(0.5f, 0, 0));
  EXPECT_FALSE(s.intersectsSphere(math::Sphere(Vector3(0.5f, 1, 0), 1), point));

  Vector2 point2;
  const Segment2D s2(Vector2(0, 0), Vector2(4, 0));
  EXPECT_TRUE(s2.intersectsCircle(math::Circle(1, Vector2(2, 0.5f)), point2));
  EXPECT_EQ(point2.x, 2);
  EXPECT_EQ(point2.y, 0);
  EXPECT_FALSE(s2.intersectsCircle(math::Circle(1, Vector2(2, 1)), point2));
}
