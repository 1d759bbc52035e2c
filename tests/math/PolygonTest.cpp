#include "math/Polygon.h"

#include "file/BinaryPrimitives.h"
#include "file/BufferBinary.h"
#include "quip/Token.h"

#include <gtest/gtest.h>

using math::Points2D;
using math::Points3D;
using math::Vector2;
using math::Vector3;

namespace {

Points2D square(bool counterClockwise = true) {
  Points2D points;
  const Vector2 corners[] = {{0, 0}, {10, 0}, {10, 10}, {0, 10}};
  for (int k = 0; k < 4; ++k)
    points.push(corners[counterClockwise ? k : 3 - k]);
  return points;
}

Points3D square3D() {
  Points3D points;
  for (const Vector2 &p : square())
    points.push(Vector3(p.x, 5, p.y));
  return points;
}

quip::Token pointArray(std::initializer_list<quip::Token> elements) {
  quip::Array array;
  for (const quip::Token &t : elements)
    array.append(t);
  return quip::Token(array, false);
}

} // namespace

TEST(Polygon, WindingAndContainment) {
  EXPECT_EQ(math::windingNumber(square(true), Vector2(5, 5)), 1);
  EXPECT_EQ(math::windingNumber(square(false), Vector2(5, 5)), -1);
  EXPECT_TRUE(math::polygonContains(square(false), Vector2(5, 5)));
  EXPECT_FALSE(math::polygonContains(square(), Vector2(15, 5)));
  EXPECT_FALSE(math::polygonContains(square(), Vector2(5, -0.5f)));
  EXPECT_EQ(math::windingNumber(Points2D(), Vector2(5, 5)), 0);
  EXPECT_TRUE(math::polygonContains(Points2D(), Vector2(1e6f, -1e6f)));

  // A long, thin strip: a point inside it is within a hair of both long
  // crossing edges' lines, the side tests truncate to 0, and it is reported
  // outside.
  Points2D strip;
  for (const Vector2 &p :
       {Vector2(0, 0), Vector2(1000, 0), Vector2(1000, 0.001f), Vector2(0, 0.001f)})
    strip.push(p);
  EXPECT_FALSE(math::polygonContains(strip, Vector2(500, 0.0005f)));

  EXPECT_EQ(math::windingNumber(square3D(), Vector3(5, -40, 5)), 1);
  EXPECT_TRUE(math::polygonContains(square3D(), Vector3(5, 99, 5)));
  EXPECT_FALSE(math::polygonContains(square3D(), Vector3(5, 5, 15)));
}

TEST(Polygon, NearestPointAndNearness) {
  EXPECT_EQ(math::closestPointOnPolygon(square(), Vector2(15, 5)).x, 10);
  EXPECT_EQ(math::closestPoint(square(), Vector2(15, 5)).y, 5);
  const Vector2 corner = math::closestPoint(square(), Vector2(12, 13));
  EXPECT_EQ(corner.x, 10);
  EXPECT_EQ(corner.y, 10);
  const Vector2 none = math::closestPoint(Points2D(), Vector2(3, 4));
  EXPECT_EQ(none.x, 0);
  EXPECT_EQ(none.y, 0);

  EXPECT_TRUE(math::isNearPolygon(square(), Vector2(11, 5), 2));
  EXPECT_FALSE(math::isNearPolygon(square(), Vector2(12, 5), 2));
  EXPECT_TRUE(math::isNearPolygon(square(), Vector2(5, 5), 0));

  // The 3-D twin answers at the point's own height.
  EXPECT_EQ(math::closestPoint(square3D(), Vector3(15, 7, 5)), Vector3(10, 7, 5));
  EXPECT_EQ(math::closestPoint(Points3D(), Vector3(15, 7, 5)), Vector3());
  EXPECT_TRUE(math::isNearPolygon(square3D(), Vector3(11, -100, 5), 2));
  EXPECT_FALSE(math::isNearPolygon(square3D(), Vector3(12, 0, 5), 2));
}

TEST(Polygon, ReadsPointsFromADictionary) {
  Points2D points = square();
  quip::Dictionary empty;
  math::readPoints(points, empty);
  EXPECT_EQ(points.size(), 4u);

  quip::Dictionary notAnArray;
  notAnArray.set(SYM(L"points"), quip::Token(3.0f));
  math::readPoints(points, notAnArray);
  EXPECT_EQ(points.size(), 4u);

  quip::Dictionary d;
  d.set(SYM(L"points"),
        pointArray({Vector2(1, 2).toToken(), Vector2(3, 4).toToken(), quip::Token(7.0f)}));
  math::readPoints(points, d);
  ASSERT_EQ(points.size(), 3u);
  EXPECT_EQ(points[1].x, 3);
  EXPECT_EQ(points[1].y, 4);
  // One point per element: a malformed one is the origin.
  EXPECT_EQ(points[2].x, 0);

  Points3D points3;
  quip::Dictionary d3;
  d3.set(SYM(L"points"), pointArray({Vector3(1, 2, 3).toToken()}));
  math::readPoints(points3, d3);
  ASSERT_EQ(points3.size(), 1u);
  EXPECT_EQ(points3[0], Vector3(1, 2, 3));
}

TEST(Polygon, ByteStreamForm) {
  file::BufferBinary buffer;
  math::write(square(), buffer);
  EXPECT_EQ(buffer.size(), 4u + 4 * 8);
  buffer.seek(0);
  Points2D back;
  back.push(Vector2(9, 9));
  ASSERT_TRUE(math::read(back, buffer));
  ASSERT_EQ(back.size(), 4u);
  EXPECT_EQ(back[2].x, 10);
  EXPECT_EQ(back[2].y, 10);

  file::BufferBinary buffer3;
  math::write(square3D(), buffer3);
  EXPECT_EQ(buffer3.size(), 4u + 4 * 12);
  buffer3.seek(0);
  Points3D back3;
  ASSERT_TRUE(math::read(back3, buffer3));
  EXPECT_EQ(back3[3], Vector3(0, 5, 10));

  // A truncated list, or a count far beyond the bytes, is refused and the
  // list kept.
  for (uint32_t n : {0u, 3u, 4u, 35u}) {
    file::BufferBinary cut;
    cut.receiveBytes(buffer.data(), n);
    cut.seek(0);
    EXPECT_FALSE(math::read(back, cut)) << n;
    EXPECT_EQ(back.size(), 4u);
  }
  file::BufferBinary huge;
  file::write(0xFFFFFFFFu, huge);
  file::write(1.0f, huge);
  huge.seek(0);
  EXPECT_FALSE(math::read(back3, huge));
  EXPECT_EQ(back3.size(), 4u);
}
