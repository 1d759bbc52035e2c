#include "file/BufferBinary.h"
#include "math/BSpline2D.h"
#include "math/BSpline3D.h"
#include "math/CatmullRomSpline2D.h"
#include "math/CatmullRomSpline3D.h"
#include "math/SplinePoints.h"
#include "quip/Token.h"

#include <gtest/gtest.h>

#include <memory>

using namespace math;

namespace {

quip::Dictionary splineDict(const wchar_t *type, std::initializer_list<Vector2> points) {
  quip::Dictionary dict;
  if (type)
    dict.set(SYM(L"type"), quip::Token(Symbol::intern(type), false));
  quip::Array *list = new quip::Array(0);
  for (const Vector2 &p : points)
    list->append(p.toToken());
  dict.set(SYM(L"points"), quip::Token(list, false));
  return dict;
}

quip::Dictionary splineDict3(const wchar_t *type, std::initializer_list<Vector3> points) {
  quip::Dictionary dict;
  dict.set(SYM(L"type"), quip::Token(Symbol::intern(type), false));
  quip::Array *list = new quip::Array(0);
  for (const Vector3 &p : points)
    list->append(p.toToken());
  dict.set(SYM(L"points"), quip::Token(list, false));
  return dict;
}

void expectPoint(const Vector2 &p, float x, float y) {
  EXPECT_NEAR(p.x, x, 1e-4f);
  EXPECT_NEAR(p.y, y, 1e-4f);
}

const std::initializer_list<Vector2> line = {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}};

} // namespace

TEST(Spline, CatmullRomOnAStraightLine) {
  std::unique_ptr<Spline2D> s(createSpline2D(splineDict(L"catmullRom2D", line)));
  ASSERT_TRUE(s);
  EXPECT_EQ(s->getType(), SYM(L"catmullRom2D"));
  expectPoint(s->pointAt(0.0f), 1, 0);
  expectPoint(s->pointAt(1.0f), 3, 0);
  expectPoint(s->pointAt(0.5f), 2, 0);
  expectPoint(s->startPoint(), 1, 0);
  expectPoint(s->endPoint(), 3, 0);
  EXPECT_NEAR(s->length(), 2.0f, 1e-5f);
  expectPoint(s->pointAtDistance(0.5f), 1.5f, 0);
  expectPoint(s->pointAtDistance(1.25f), 2.25f, 0);
  expectPoint(s->pointAtDistance(-1), 1, 0);
  expectPoint(s->pointAtDistance(10), 3, 0);
  // Outside 0..1 the parameter is held to the ends.
  expectPoint(s->pointAt(1.5f), 3, 0);
  expectPoint(s->pointAt(-2.0f), 1, 0);
}

TEST(Spline, BSplineStartPoint) {
  std::unique_ptr<Spline2D> onLine(createSpline2D(splineDict(L"bSpline2D", line)));
  expectPoint(onLine->pointAt(0.0f), 1, 0);
  BSpline2D square;
  EXPECT_TRUE(square.load(splineDict(nullptr, {{0, 0}, {0, 6}, {6, 6}, {6, 0}})));
  expectPoint(square.startPoint(), 1, 5);
  expectPoint(square.pointAt(2, 0.0f), 1, 5);
  EXPECT_EQ(square.segments().size(), 3u);
}

TEST(Spline, TooFewPoints) {
  for (unsigned n = 0; n < 4; ++n) {
    CatmullRomSpline2D s;
    quip::Dictionary dict = splineDict(nullptr, {});
    for (unsigned i = 0; i < n; ++i)
      dict.lookup(SYM(L"points"))->array().append(Vector2(float(i), 1).toToken());
    s.load(dict);
    expectPoint(s.pointAt(0.5f), 0, 0);
    expectPoint(s.pointAtDistance(0.5f), 0, 0);
    expectPoint(s.closestPoint(Vector2(1, 1)), 0, 0);
    EXPECT_EQ(s.length(), 0);
    ASSERT_EQ(s.segments().size(), 2u);
    EXPECT_EQ(s.segments()[1].length, 0);
  }
}

TEST(Spline, BoundsAndClosestPoint) {
  CatmullRomSpline2D s;
  s.load(splineDict(nullptr, {{100, 100}, {101, 100}, {102, 101}, {103, 100}, {104, 100}}));
  Rectangle r = s.boundingRectangle();
  EXPECT_GE(r.x, 100.0f);
  EXPECT_GE(r.y, 99.0f);
  EXPECT_FALSE(r.contains(Vector2(0, 0)));
  EXPECT_TRUE(r.contains(s.pointAt(0.3f)));

  CatmullRomSpline2D straight;
  straight.load(splineDict(nullptr, line));
  expectPoint(straight.closestPoint(Vector2(2.5f, 3)), 2.5f, 0);
  expectPoint(straight.closestPoint(Vector2(-5, -1)), 1, 0);
  expectPoint(straight.closestPoint(Vector2(1.25f, 0)), 1.25f, 0);
}

TEST(Spline, DictionaryForm) {
  std::unique_ptr<Spline2D> s(createSpline2D(splineDict(L"bSpline2D", line)));
  quip::Dictionary saved;
  s->save(saved);
  EXPECT_EQ(saved.lookup(SYM(L"type"))->symbol(), SYM(L"bSpline2D"));
  std::unique_ptr<Spline2D> back(createSpline2D(saved));
  ASSERT_TRUE(back);
  EXPECT_EQ(back->controlPointCount(), 5u);
  EXPECT_EQ(back->length(), s->length());

  EXPECT_EQ(createSpline2D(splineDict(L"bezier2D", line)), nullptr);
  EXPECT_EQ(createSpline2D(splineDict(nullptr, line)), nullptr);

  // A bad element leaves the curve as it was.
  quip::Dictionary bad = splineDict(nullptr, line);
  bad.lookup(SYM(L"points"))->array().append(quip::Token(3.0f));
  EXPECT_FALSE(back->load(bad));
  EXPECT_EQ(back->controlPointCount(), 5u);
  EXPECT_TRUE(back->load(quip::Dictionary()));
  EXPECT_EQ(back->controlPointCount(), 5u);
  EXPECT_EQ(back->controlPoint(7).x, 0);
}

TEST(Spline, ThreeDimensions) {
  quip::Dictionary dict =
      splineDict3(L"catmullRom3D", {{0, 0, 0}, {0, 0, 1}, {0, 0, 2}, {0, 0, 3}});
  std::unique_ptr<Spline3D> s(createSpline3D(dict));
  ASSERT_TRUE(s);
  Vector3 mid = s->pointAt(0.5f);
  EXPECT_NEAR(mid.z, 1.5f, 1e-5f);
  EXPECT_NEAR(s->length(), 1.0f, 1e-5f);
  Vector3 at = s->pointAtDistance(0.25f);
  EXPECT_NEAR(at.z, 1.25f, 1e-4f);
  Vector3 near = static_cast<BSpline3D *>(s.get())->closestPoint(Vector3(1, 0, 1.5f));
  EXPECT_NEAR(near.x, 0, 1e-5f);
  EXPECT_NEAR(near.z, 1.5f, 1e-4f);
  EXPECT_EQ(createSpline3D(splineDict3(L"catmullRom2D", {})), nullptr);
}

TEST(Spline, BinaryForms) {
  BSpline3D two;
  quip::Dictionary dict = splineDict3(L"bSpline3D", {{1, 2, 3}, {4, 5, 6}});
  two.load(dict);
  file::BufferBinary buffer;
  two.write(buffer);
  EXPECT_EQ(buffer.size(), 4u + 24u);
  EXPECT_EQ(buffer.data()[0], 2);

  CatmullRomSpline2D s;
  s.load(splineDict(nullptr, line));
  buffer.clear();
  s.write(buffer);
  EXPECT_EQ(buffer.size(), 4u + 5 * 8u);
  buffer.seek(0);
  CatmullRomSpline2D back;
  ASSERT_TRUE(back.read(buffer));
  EXPECT_EQ(back.controlPointCount(), 5u);
  EXPECT_NEAR(back.length(), 2.0f, 1e-5f);

  // A count past the end of the stream: refused, nothing changed.
  buffer.resize(4 + 3 * 8);
  buffer.seek(0);
  CatmullRomSpline2D cut;
  EXPECT_FALSE(cut.read(buffer));
  EXPECT_EQ(cut.controlPointCount(), 0u);
  EXPECT_FALSE(buffer.overrun());
}

// More points than the limit are refused, even when the stream holds them all.
TEST(Spline, BinaryReadRefusesCountsAboveTheLimit) {
  struct Case {
    unsigned count;
    bool accepted;
  } cases[] = {{math::maxSplinePoints, true}, {math::maxSplinePoints + 1, false}};
  for (const Case &c : cases) {
    file::BufferBinary buffer;
    file::write(c.count, buffer);
    buffer.resize(4 + c.count * 8);
    buffer.seek(0);
    CatmullRomSpline2D spline;
    testing::internal::CaptureStderr();
    bool read = spline.read(buffer);
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(read, c.accepted) << c.count;
    EXPECT_EQ(spline.controlPointCount(), c.accepted ? c.count : 0u);
    EXPECT_EQ(err.find("too large") != std::string::npos, !c.accepted) << err;
  }
}
