#include "engine/BlockGeometry.h"
#include "engine/BonusGeometry.h"
#include "engine/CylinderGeometry.h"
#include "engine/FireGeometry.h"
#include "engine/FireSpokes.h"
#include "engine/GameCategories.h"
#include "engine/Spline2DGeometry.h"
#include "engine/WallGeometry.h"
#include "file/BinaryPrimitives.h"
#include "file/BufferBinary.h"
#include "math/CatmullRomSpline2D.h"
#include "math/Sphere.h"
#include "support/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using math::Sphere;
using math::Vector3;

namespace {

struct Wheel : FireSpokes {
  Vector3 hub;
  float radius = 9.0f;
  container::Vector<Vector3> tips;
  Vector3 hubPosition() const override { return hub; }
  float reach() const override { return radius; }
  const container::Vector<Vector3> &spokeTips() const override { return tips; }
};

// The capsule routine normalises with a fast estimate: within 1e-2.
void expectNear(const Vector3 &a, const Vector3 &b, float tolerance = 1e-4f) {
  EXPECT_NEAR(a.x, b.x, tolerance);
  EXPECT_NEAR(a.y, b.y, tolerance);
  EXPECT_NEAR(a.z, b.z, tolerance);
}

} // namespace

TEST(GameGeometry, TypesAndCategories) {
  BlockGeometry block;
  BonusGeometry bonus;
  CylinderGeometry cylinder(1.1f);
  Wheel wheel;
  FireGeometry fire(wheel);
  math::CatmullRomSpline2D curve;
  Spline2DGeometry band(curve);
  const struct {
    const physics::WorldGeometry *geometry;
    const wchar_t *type;
    uint32_t category;
  } cases[] = {
      {&block, L"block", 2}, {&bonus, L"bonus", 2},   {&cylinder, L"cylinder", 0},
      {&fire, L"fire", 0},   {&band, L"spline2D", 0},
  };
  for (const auto &c : cases) {
    EXPECT_EQ(c.geometry->getType(), Symbol::intern(c.type));
    EXPECT_EQ(c.geometry->category, c.category) << c.type;
    EXPECT_FALSE(c.geometry->hasBoundingRadius());
  }
}

TEST(GameGeometry, CylinderPushesOutSideways) {
  CylinderGeometry post(1.0f);
  post.transform.translation = Vector3(10, 20, 0);
  const struct {
    Vector3 centre, resolved;
  } cases[] = {
      // On the axis: out along +x, keeping the height.
      {{10, 20, 0.5f}, {11.5f, 20, 0.5f}},
      {{10, 19, 0}, {10, 18.5f, 0}},
      // Just touching is no contact.
      {{10, 18.5f, 0}, {10, 18.5f, 0}},
      // Out of reach: unchanged.
      {{12, 20, 0}, {12, 20, 0}},
  };
  for (const auto &c : cases)
    expectNear(post.resolve(Sphere(c.centre, 0.5f), c.centre), c.resolved);
  // Overlap measures in 3-D from the (local) origin.
  EXPECT_TRUE(post.overlaps(Sphere(Vector3(10, 21.4f, 0), 0.5f)));
  EXPECT_FALSE(post.overlaps(Sphere(Vector3(10, 20, 1.6f), 0.5f)));
}

TEST(GameGeometry, BlockFacesOutsideTheMaskLetSpheresThrough) {
  const uint32_t all = 0xFFFFFFFFu;
  const uint32_t noTop = blockcell::FACE_PLUS_X | blockcell::FACE_MINUS_X | blockcell::FACE_MINUS_Y;
  BlockGeometry block;
  block.transform.translation = Vector3(3, 6, 0);
  // Sinking 0.2 into the top face of the block at (3, 6).
  const Vector3 onTop(3, 6 + 1.5f + 0.5f - 0.2f, 0);
  block.setFaceMask(0, all);
  expectNear(block.resolve(Sphere(onTop, 0.5f), onTop), Vector3(3, 8, 0));
  block.setFaceMask(0, noTop);
  const Vector3 through = block.resolve(Sphere(onTop, 0.5f), onTop);
  EXPECT_LE(through.y, onTop.y);
  // The sides still hold.
  const Vector3 onSide(3 + 1.5f + 0.3f, 6, 0);
  expectNear(block.resolve(Sphere(onSide, 0.5f), onSide), Vector3(5, 6, 0));
  EXPECT_TRUE(block.overlaps(Sphere(onTop, 0.5f)));
  EXPECT_FALSE(block.overlaps(Sphere(Vector3(3, 8.1f, 0), 0.5f)));
}

TEST(GameGeometry, BonusCellsEachWithTheirFaces) {
  BonusGeometry bonus;
  // Quadrant 2 (above and right of the origin cell) exposes only +x and +y.
  for (uint32_t q = 0; q < 4; ++q)
    bonus.setFaceMask(q, 0);
  bonus.setFaceMask(2, blockcell::FACE_PLUS_X | blockcell::FACE_PLUS_Y);
  bonus.setFaceMask(7, 0xFFFFFFFFu);
  const Vector3 aboveCell2(3, 3 + 1.5f + 0.3f, 0);
  expectNear(bonus.resolve(Sphere(aboveCell2, 0.5f), aboveCell2), Vector3(3, 5, 0));
  // The origin cell has no faces now: untouched.
  const Vector3 belowCell0(0, -1.8f, 0);
  expectNear(bonus.resolve(Sphere(belowCell0, 0.5f), belowCell0), belowCell0);
  for (uint32_t q = 0; q < 4; ++q)
    EXPECT_TRUE(bonus.overlaps(Sphere(BonusGeometry::cellCentre(q), 0.1f))) << q;
  EXPECT_FALSE(bonus.overlaps(Sphere(Vector3(-3, 0, 0), 1.0f)));
}

TEST(GameGeometry, FireSpokesOnlyWithinReach) {
  Wheel wheel;
  wheel.hub = Vector3(0, 0, 0);
  wheel.tips.push(Vector3(0, 9, 0));
  FireGeometry fire(wheel);
  const Vector3 byTheSpoke(1.2f, 4, 0);
  EXPECT_TRUE(fire.overlaps(Sphere(byTheSpoke, 0.5f)));
  expectNear(fire.resolve(Sphere(byTheSpoke, 0.5f), byTheSpoke), Vector3(1.5f, 4, 0), 1e-2f);
  // The same contact beyond the fire's reach is not tested.
  wheel.radius = 3.0f;
  EXPECT_FALSE(fire.overlaps(Sphere(byTheSpoke, 0.5f)));
  expectNear(fire.resolve(Sphere(byTheSpoke, 0.5f), byTheSpoke), byTheSpoke);
}

TEST(GameGeometry, BandKeepsSpheresOffTheCurve) {
  file::BufferBinary points;
  file::write(5u, points);
  for (float x : {-10.0f, 0.0f, 10.0f, 20.0f, 30.0f}) {
    file::write(x, points);
    file::write(0.0f, points);
  }
  points.seek(0);
  math::CatmullRomSpline2D curve;
  ASSERT_TRUE(curve.read(points));
  Spline2DGeometry band(curve);
  band.halfWidth = 1.0f;
  const Vector3 close(10, 0.5f, 2);
  // Without bounds the curve is never reached.
  EXPECT_FALSE(band.overlaps(Sphere(close, 0.5f)));
  expectNear(band.resolve(Sphere(close, 0.5f), close), close);
  band.bounds.set(0, -1, 20, 2);
  EXPECT_TRUE(band.overlaps(Sphere(close, 0.5f)));
  expectNear(band.resolve(Sphere(close, 0.5f), close), Vector3(10, 1.5f, 2));
  const Vector3 below(10, -1.2f, 0);
  expectNear(band.resolve(Sphere(below, 0.5f), below), Vector3(10, -1.5f, 0));
}

TEST(GameGeometry, DebugOutlines) {
  // The midpoint of each line drawn, in world space.
  auto midpoints = [](const testing_support::RecordingCanvas &canvas) {
    std::vector<Vector3> points;
    for (const auto &line : canvas.drawn) {
      Vector3 sum;
      for (int i = 0; i < line.vertexCount(); ++i)
        sum += line.placed(i);
      points.push_back(sum / float(line.vertexCount()));
    }
    return points;
  };
  BlockGeometry block;
  block.transform.translation = Vector3(3, 6, 0);
  block.setFaceMask(0, blockcell::FACE_PLUS_X | blockcell::FACE_PLUS_Y);
  testing_support::RecordingCanvas canvas;
  block.renderGeometry(canvas);
  const std::vector<Vector3> lines = midpoints(canvas);
  ASSERT_EQ(lines.size(), 2u);
  expectNear(lines[0], Vector3(4.5f, 6, 0));
  expectNear(lines[1], Vector3(3, 7.5f, 0));
  EXPECT_EQ(canvas.drawn[0].color(0), math::PackedColor(blockcell::debugColour()));

  BonusGeometry bonus;
  bonus.setFaceMask(3, blockcell::FACE_MINUS_Y);
  canvas.drawn.clear();
  bonus.renderGeometry(canvas);
  const std::vector<Vector3> cells = midpoints(canvas);
  // Four sides of three cells, and the one side left to cell 3.
  ASSERT_EQ(cells.size(), 13u);
  expectNear(cells.back(), Vector3(3, -1.5f, 0));

  Wheel wheel;
  wheel.hub = Vector3(1, 1, 0);
  wheel.tips.push(Vector3(1, 10, 0));
  wheel.tips.push(Vector3(-8, 1, 0));
  FireGeometry fire(wheel);
  canvas.drawn.clear();
  fire.renderGeometry(canvas);
  const std::vector<Vector3> spokes = midpoints(canvas);
  ASSERT_EQ(spokes.size(), 2u);
  expectNear(spokes[0], Vector3(1, 5.5f, 0));
  expectNear(spokes[1], Vector3(-3.5f, 1, 0));

  CylinderGeometry post(2.0f);
  post.transform.translation = Vector3(-4, 1, 0);
  canvas.drawn.clear();
  post.renderGeometry(canvas);
  ASSERT_FALSE(canvas.drawn.empty());
  for (const Vector3 &p : midpoints(canvas))
    EXPECT_NEAR(std::sqrt((p - Vector3(-4, 1, 0)).lengthSquared()), 2.0f, 0.05f);
}
