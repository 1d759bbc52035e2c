#include "math/HeightMap.h"

#include "file/BinaryPrimitives.h"
#include "file/BufferBinary.h"
#include "file/SaveUnderLimit.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <unistd.h>

using math::Size2i;
using math::Vector3;

namespace {

void expectNear(const Vector3 &actual, const Vector3 &expected, float tolerance = 1e-4f) {
  EXPECT_NEAR(actual.x, expected.x, tolerance);
  EXPECT_NEAR(actual.y, expected.y, tolerance);
  EXPECT_NEAR(actual.z, expected.z, tolerance);
}

// A built map whose height at (i, j) is f(i, j).
template <typename F> HeightMap built(int nx, int nz, const Vector3 &spacing, F f) {
  HeightMap map(Size2i(nx, nz), spacing);
  for (int i = 0; i < nx; ++i)
    for (int j = 0; j < nz; ++j)
      map.setHeight(i, j, f(i, j));
  map.rebuildVertices();
  map.rebuildAll();
  return map;
}

HeightMap flat2x2() {
  return built(2, 2, Vector3(1, 1, 1), [](int, int) { return 0.0f; });
}

Vector3 resolve(const HeightMap &map, const math::Sphere &sphere) {
  const HeightMap::Triangle *triangles[32];
  const HeightMap::Edge *edges[32];
  return map.resolveSphere(sphere, triangles, 32, edges, 32);
}

file::BufferBinary written(const HeightMap &map) {
  file::BufferBinary buffer;
  map.write(buffer);
  buffer.seek(0);
  return buffer;
}

} // namespace

TEST(HeightMap, FlatSquareVerticesProjectionAndBorders) {
  const HeightMap map = flat2x2();
  expectNear(map.vertex(0, 0), Vector3(-0.5f, 0, -0.5f), 0);
  expectNear(map.vertex(1, 1), Vector3(0.5f, 0, 0.5f), 0);
  EXPECT_TRUE(map.verticesCurrent());

  float h = 7;
  const HeightMap::Triangle *t = nullptr;
  ASSERT_TRUE(map.project(Vector3(0.2f, 5, -0.3f), &h, &t));
  EXPECT_EQ(h, 0);
  EXPECT_NE(t, nullptr);
  // The far x edge belongs to no cell: i + 1 >= nx.
  EXPECT_FALSE(map.project(Vector3(0.5f, 0, 0), &h, nullptr));
  EXPECT_EQ(map.triangleAt(Vector3(-0.6f, 0, 0)), nullptr);
  EXPECT_EQ(map.triangleAt(Vector3(0, 0, 0.6f)), nullptr);

  // Every face of flat ground points up; border normals are up by rule.
  for (int k = 0; k < 2; ++k)
    expectNear(map.faceNormal(0, 0, k), Vector3(0, 1, 0), 2e-3f);
  EXPECT_EQ(map.normal(0, 1), Vector3(0, 1, 0));
  expectNear(map.bounds().center, Vector3(0, 0, 0), 0);
  expectNear(map.bounds().extents, Vector3(0.5f, 0, 0.5f), 0);

  Vector3 point, normal;
  map.surfacePoint(Vector3(0.1f, 3, 0.2f), point, normal);
  expectNear(point, Vector3(0.1f, 0, 0.2f));
  expectNear(normal, Vector3(0, 1, 0), 2e-3f);
  map.surfacePoint(Vector3(9, 3, 9), point, normal);
  EXPECT_EQ(point, Vector3(9, 0, 9));
  EXPECT_EQ(normal, Vector3(0, 1, 0));
}

TEST(HeightMap, TriangleAtSplitsTheCellAlongItsDiagonal) {
  struct Case {
    bool diagonal;
    float fx, fz;
    int triangle;
  };
  const Case cases[] = {
      {false, 0.7f, 0.2f, 0}, {false, 0.2f, 0.7f, 1}, {false, 0.5f, 0.5f, 1},
      {true, 0.2f, 0.2f, 0},  {true, 0.7f, 0.7f, 1},  {true, 0.5f, 0.5f, 1},
  };
  for (const Case &c : cases) {
    HeightMap map = flat2x2();
    map.setDiagonal(0, 0, c.diagonal);
    map.rebuildAll();
    // Grid fractions of the only cell are world coordinates plus one half.
    const HeightMap::Triangle *t = map.triangleAt(Vector3(c.fx - 0.5f, 0, c.fz - 0.5f));
    EXPECT_EQ(t, &map.triangle(0, 0, c.triangle)) << c.diagonal << " " << c.fx << "," << c.fz;
  }
}

TEST(HeightMap, TrianglesFollowTheLayout) {
  HeightMap map = built(2, 2, Vector3(2, 1, 1), [](int, int) { return 0.0f; });
  // Each triangle's side planes face out of it: its centroid is inside, a
  // point past each corner is not.
  for (bool diagonal : {false, true}) {
    map.setDiagonal(0, 0, diagonal);
    map.rebuildAll();
    for (int k = 0; k < 2; ++k) {
      const HeightMap::Triangle &t = map.triangle(0, 0, k);
      const Vector3 centroid = (t.corner[0] + t.corner[1] + t.corner[2]) / 3;
      EXPECT_TRUE(t.containsXZ(centroid));
      EXPECT_TRUE(t.containsXZ(t.corner[1]));
      for (int n = 0; n < 3; ++n) {
        EXPECT_FALSE(t.containsXZ(t.corner[n] + (t.corner[n] - centroid) * 0.1f));
        EXPECT_NE(t.edges[n], nullptr);
      }
      EXPECT_TRUE(t.overlapsCircle(math::Vector2(centroid.x, centroid.z), 0.01f));
      EXPECT_FALSE(t.overlapsCircle(math::Vector2(5, 5), 1));
      EXPECT_TRUE(t.isAbove(centroid + Vector3(0, 1, 0)));
      EXPECT_FALSE(t.isAbove(centroid - Vector3(0, 1, 0)));
    }
    // The diagonal edge runs between the corners the flag names.
    const HeightMap::Triangle &t0 = map.triangle(0, 0, 0);
    const HeightMap::Edge &e0 = *t0.edges[diagonal ? 2 : 0];
    EXPECT_EQ(e0.start, diagonal ? map.vertex(0, 1) : map.vertex(0, 0));
    EXPECT_EQ(e0.start + e0.delta, diagonal ? map.vertex(1, 0) : map.vertex(1, 1));
    EXPECT_EQ(e0.deltaSquared, e0.delta.lengthSquared());
  }
}

TEST(HeightMap, CopiesOwnTheirEdges) {
  HeightMap original = built(3, 3, Vector3(1, 1, 1), [](int i, int j) { return float(i * j); });
  HeightMap copy(original);
  const HeightMap::Triangle &t = copy.triangle(1, 1, 0);
  const HeightMap::Triangle &o = original.triangle(1, 1, 0);
  for (int n = 0; n < 3; ++n) {
    EXPECT_NE(t.edges[n], o.edges[n]);
    EXPECT_EQ(t.edges[n]->start, o.edges[n]->start);
  }
  // Changing the original leaves the copy as it was.
  original.setHeight(1, 1, 50);
  original.rebuildVertices();
  original.rebuildAll();
  EXPECT_EQ(copy.height(1, 1), 1);
  EXPECT_EQ(copy.vertex(1, 1).y, 1);

  HeightMap &same = copy;
  copy = same;
  EXPECT_EQ(copy.height(2, 2), 4);
  HeightMap small(Vector3(1, 1, 1));
  small = original;
  EXPECT_EQ(small.size(), Size2i(3, 3));
  EXPECT_EQ(small.vertex(1, 1).y, 50);
}

TEST(HeightMap, BoundsSkipSunkenCells) {
  const HeightMap sunk = built(3, 3, Vector3(1, 1, 1), [](int, int) { return -1.0f; });
  EXPECT_EQ(sunk.bounds().center, Vector3());
  EXPECT_EQ(sunk.bounds().extents, Vector3());

  // Only the cell touching the raised corner (2, 2) counts.
  const HeightMap one =
      built(3, 3, Vector3(1, 1, 1), [](int i, int j) { return i == 2 && j == 2 ? 3.0f : -1.0f; });
  expectNear(one.bounds().center, Vector3(0.5f, 1, 0.5f), 0);
  expectNear(one.bounds().extents, Vector3(0.5f, 2, 0.5f), 0);
}

TEST(HeightMap, ChoosesTheDiagonalAlongARidge) {
  // A 4 x 4 grid whose middle cell has four interior corners.
  const HeightMap ridge = [] {
    HeightMap map =
        built(4, 4, Vector3(1, 1, 1), [](int i, int j) { return -float(std::abs(i - j)); });
    map.chooseDiagonals();
    return map;
  }();
  EXPECT_FALSE(ridge.diagonal(1, 1));
  HeightMap across =
      built(4, 4, Vector3(1, 1, 1), [](int i, int j) { return -float(std::abs(i + j - 3)); });
  across.chooseDiagonals();
  EXPECT_TRUE(across.diagonal(1, 1));
  // Normals that agree equally (flat ground) choose true.
  HeightMap flat = flat2x2();
  flat.chooseDiagonals();
  EXPECT_TRUE(flat.diagonal(0, 0));
}

TEST(HeightMap, FitSpacingAndNormalizeHeights) {
  HeightMap map =
      built(3, 3, Vector3(2, 3, 4), [](int i, int j) { return i == 1 && j == 1 ? 1.0f : 0.0f; });
  // The spacing and the heights come back from the vertices alone.
  map.fitSpacing();
  expectNear(map.spacing(), Vector3(2, 3, 4), 1e-6f);
  EXPECT_FLOAT_EQ(map.height(1, 1), 1);
  EXPECT_EQ(map.height(0, 0), 0);

  HeightMap tall = built(2, 2, Vector3(1, 1, 1), [](int i, int) { return float(2 * i); });
  tall.normalizeHeights();
  EXPECT_EQ(tall.spacing().y, 2);
  EXPECT_EQ(tall.height(1, 0), 1);
  EXPECT_EQ(tall.bounds().center.y, 1);
  EXPECT_EQ(tall.bounds().extents.y, 1);

  HeightMap sunk = built(2, 2, Vector3(1, 1, 1), [](int, int) { return -1.0f; });
  sunk.normalizeHeights();
  EXPECT_EQ(sunk.spacing().y, 0);
  EXPECT_EQ(sunk.height(0, 0), 0);
}

TEST(HeightMap, SetSpacingRebuildsTheSurface) {
  HeightMap map = flat2x2();
  map.setHeight(1, 1, 1);
  EXPECT_FALSE(map.verticesCurrent());
  map.setSpacing(Vector3(4, 2, 4));
  EXPECT_TRUE(map.verticesCurrent());
  EXPECT_EQ(map.vertex(1, 1), Vector3(2, 2, 2));
  EXPECT_EQ(HeightMap::centre(Size2i(5, 0)), Vector3(2, 0, 0));
  const math::Vector2 g = map.toGrid(Vector3(2, 9, -2));
  EXPECT_EQ(g.x, 1);
  EXPECT_EQ(g.y, 0);
}

TEST(HeightMap, ResolveSphereRestsOnTheSurface) {
  const HeightMap map = flat2x2();
  // Face normals and edge pushes use the fast inverse square root (0.2 %).
  expectNear(resolve(map, math::Sphere(Vector3(0, 0.5f, 0), 1)), Vector3(0, 1, 0), 3e-3f);
  // Clear of the ground: unchanged.
  EXPECT_EQ(resolve(map, math::Sphere(Vector3(0.1f, 2, 0.1f), 1)), Vector3(0.1f, 2, 0.1f));
  // Outside the grid the ground is the plane y = 0.
  EXPECT_EQ(resolve(map, math::Sphere(Vector3(10, -3, 10), 1)), Vector3(10, 1, 10));

  // On a 45-degree slope (y = x + 1) the sphere moves along the face normal.
  const HeightMap slope = built(3, 3, Vector3(1, 1, 1), [](int i, int) { return float(i); });
  const float h = std::sqrt(0.5f);
  expectNear(resolve(slope, math::Sphere(Vector3(0, 1, 0), 1)), Vector3(-h, 1 + h, 0), 3e-3f);

  const HeightMap::Triangle *triangles[32];
  const HeightMap::Edge *edges[32];
  EXPECT_TRUE(
      map.overlapsSphere(math::Sphere(Vector3(0, 1.05f, 0), 1), 0.1f, triangles, 32, edges, 32));
  EXPECT_FALSE(
      map.overlapsSphere(math::Sphere(Vector3(0, 1.2f, 0), 1), 0.1f, triangles, 32, edges, 32));
  // Beside the grid, the border edge counts when it is within reach.
  EXPECT_TRUE(
      slope.overlapsSphere(math::Sphere(Vector3(-1.5f, 0, 0), 0.6f), 0, triangles, 32, edges, 32));
  EXPECT_FALSE(
      slope.overlapsSphere(math::Sphere(Vector3(-1.5f, 0, 0), 0.4f), 0, triangles, 32, edges, 32));
}

TEST(HeightMap, CollectStopsWhenTheArraysAreFull) {
  const HeightMap map = built(5, 5, Vector3(1, 1, 1), [](int, int) { return 0.0f; });
  const HeightMap::Triangle *triangles[32];
  const HeightMap::Edge *edges[32];
  int edgeCount = 0;
  // The sphere's block spans all 4 x 4 cells: 32 triangles, 16 diagonals,
  // 12 inner x sides and 12 inner z sides.
  const math::Sphere everything(Vector3(0, 0, 0), 3);
  EXPECT_EQ(map.collectTrianglesAndEdges(everything, triangles, 32, edges, 32, edgeCount), 32);
  EXPECT_EQ(edgeCount, 32);
  EXPECT_EQ(map.collectTriangles(everything, triangles, 5), 5);
  const HeightMap::Edge *many[64];
  map.collectTrianglesAndEdges(everything, triangles, 32, many, 64, edgeCount);
  EXPECT_EQ(edgeCount, 16 + 12 + 12);

  int i0, i1, j0, j1;
  map.gridBlock(math::Sphere(Vector3(0.2f, 0, 0.2f), 0.5f), i0, i1, j0, j1);
  EXPECT_EQ(i0, 1);
  EXPECT_EQ(i1, 3);
  EXPECT_EQ(j0, 1);
  EXPECT_EQ(j1, 3);
  // Far outside: clamped, never out of the grid.
  map.gridBlock(Vector3(-1e30f, 0, -1e30f), Vector3(1e30f, 0, 1e30f), i0, i1, j0, j1);
  EXPECT_EQ(i0, 0);
  EXPECT_EQ(i1, 4);
  EXPECT_EQ(j1, 4);
}

TEST(HeightMap, SegmentsFindTheSurface) {
  const HeightMap map = built(5, 5, Vector3(1, 1, 1), [](int, int) { return 0.0f; });
  auto cast = [&](const Vector3 &start, const Vector3 &end, Vector3 &hit) {
    Vector3 direction = end - start;
    direction.normalize();
    return map.intersectSegment(start, end, direction, hit);
  };
  Vector3 hit;
  // Slanted through the ground.
  ASSERT_TRUE(cast(Vector3(-1.5f, 2, 0.3f), Vector3(1.5f, -1, 0.3f), hit));
  expectNear(hit, Vector3(0.5f, 0, 0.3f));
  // Straight down: the cell under the start is tested even though the walk
  // takes no step.
  ASSERT_TRUE(cast(Vector3(0.3f, 5, -0.7f), Vector3(0.3f, -5, -0.7f), hit));
  expectNear(hit, Vector3(0.3f, 0, -0.7f));
  // Straight down but stopping short, straight up, and off the grid: no hit.
  EXPECT_FALSE(cast(Vector3(0.3f, 5, -0.7f), Vector3(0.3f, 1, -0.7f), hit));
  EXPECT_FALSE(cast(Vector3(0.3f, 1, -0.7f), Vector3(0.3f, 5, -0.7f), hit));
  EXPECT_FALSE(cast(Vector3(9, 5, 9), Vector3(9, -5, 9), hit));
  // Above the ground all the way.
  EXPECT_FALSE(cast(Vector3(-1.5f, 2, 0.3f), Vector3(1.5f, 0.5f, 1.3f), hit));
  // Mostly along z.
  ASSERT_TRUE(cast(Vector3(0.2f, 1, -1.8f), Vector3(0.4f, -1, 1.8f), hit));
  expectNear(hit, Vector3(0.3f, 0, 0));

  HeightMap none(Size2i(5, 5), Vector3(0, 1, 1));
  EXPECT_FALSE(none.intersectSegment(Vector3(0, 1, 0), Vector3(0, -1, 0), Vector3(0, -1, 0), hit));
}

TEST(HeightMap, WritesItsHeightsAndDiagonals) {
  HeightMap map = built(3, 2, Vector3(1, 1, 1), [](int i, int j) { return float(10 * i + j); });
  map.setDiagonal(1, 0, true);
  file::BufferBinary buffer = written(map);
  ASSERT_EQ(buffer.size(), 35u);
  EXPECT_EQ(buffer.data()[0], 1);

  // The spacing is not in the file: the reader keeps its own.
  HeightMap read(Vector3(2, 3, 4));
  ASSERT_TRUE(read.read(buffer));
  EXPECT_EQ(read.size(), Size2i(3, 2));
  EXPECT_EQ(read.spacing(), Vector3(2, 3, 4));
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 2; ++j)
      EXPECT_EQ(read.height(i, j), float(10 * i + j));
  EXPECT_FALSE(read.diagonal(0, 0));
  EXPECT_TRUE(read.diagonal(1, 0));
  // Rebuilt on reading, with the reader's spacing.
  EXPECT_EQ(read.vertex(2, 1), Vector3(2, 63, 2));
  EXPECT_TRUE(read.verticesCurrent());
}

TEST(HeightMap, RefusesFilesThatDoNotHoldTheirGrid) {
  HeightMap map = built(3, 2, Vector3(1, 1, 1), [](int i, int j) { return float(i + j); });
  const file::BufferBinary whole = written(map);
  // Every truncation of a good file.
  for (uint32_t n = 0; n < whole.size(); ++n) {
    file::BufferBinary cut;
    cut.receiveBytes(whole.data(), n);
    cut.seek(0);
    HeightMap target(Size2i(2, 2), Vector3(1, 1, 1));
    EXPECT_FALSE(target.read(cut)) << n;
    EXPECT_EQ(target.size(), Size2i(2, 2)) << n;
  }
  // Counts that promise far more than the file holds, or do not fit an int.
  const unsigned int counts[][2] = {
      {0xFFFFFFFFu, 0xFFFFFFFFu}, {0x80000000u, 0}, {100000, 100000}, {0x10000u, 0x10001u}};
  for (const auto &c : counts) {
    file::BufferBinary bad;
    file::write((unsigned char)1, bad);
    file::write(c[0], bad);
    file::write(c[1], bad);
    file::write(1.0f, bad);
    bad.seek(0);
    HeightMap target(Vector3(1, 1, 1));
    EXPECT_FALSE(target.read(bad)) << c[0] << " x " << c[1];
  }
  // An empty grid is a valid file.
  file::BufferBinary empty = written(HeightMap(Vector3(1, 1, 1)));
  EXPECT_EQ(empty.size(), 9u);
  HeightMap target(Size2i(2, 2), Vector3(1, 1, 1));
  EXPECT_TRUE(target.read(empty));
  EXPECT_EQ(target.size(), Size2i(0, 0));
}

TEST(HeightMap, SavesAndLoadsFiles) {
  testing_support::TempFolder dir;
  const std::string path = dir.path("ground.bin");
  const String widePath = dir.wide("ground.bin");
  HeightMap map = built(3, 3, Vector3(1, 1, 1), [](int i, int j) { return float(i - j); });
  ASSERT_TRUE(map.save(widePath));
  HeightMap loaded(Vector3(1, 1, 1));
  ASSERT_TRUE(loaded.load(widePath));
  EXPECT_EQ(loaded.vertex(2, 0), map.vertex(2, 0));

  // A truncated file is refused, not read past its end.
  FILE *f = std::fopen(path.c_str(), "r+b");
  ASSERT_NE(f, nullptr);
  ASSERT_EQ(ftruncate(fileno(f), 20), 0);
  std::fclose(f);
  EXPECT_FALSE(loaded.load(widePath));
  EXPECT_EQ(loaded.size(), Size2i(3, 3));
  std::remove(path.c_str());
  EXPECT_FALSE(loaded.load(widePath));
}

TEST(HeightMap, SaveCutShortKeepsTheOldFile) {
  testing_support::TempFolder dir;
  HeightMap map = built(40, 40, Vector3(1, 1, 1), [](int i, int j) { return float(i * j); });
  testing_support::expectSaveFailsWhole(dir.path(), dir.path("ground.bin"), "old map",
                                        [&] { return map.save(dir.wide("ground.bin")); });
}

// Grids larger than the limit are refused before anything is allocated, even
// when the file holds every height they ask for.
TEST(HeightMap, RefusesGridsAboveTheLimit) {
  struct Case {
    unsigned int nx, nz;
    bool accepted;
  } cases[] = {
      {1, unsigned(HeightMap::MaxPoints), true},
      {1, unsigned(HeightMap::MaxPoints) + 1, false},
      {513, 513, false},
      {unsigned(HeightMap::MaxPoints) + 1, 1, false},
  };
  for (const Case &c : cases) {
    file::BufferBinary file;
    file::write((unsigned char)1, file);
    file::write(c.nx, file);
    file::write(c.nz, file);
    uint64_t points = uint64_t(c.nx) * c.nz;
    uint64_t cells = uint64_t(c.nx - 1) * (c.nz - 1);
    file.resize(uint32_t(file.size() + points * 4 + cells));
    file.seek(0);
    HeightMap target(Size2i(2, 2), Vector3(1, 1, 1));
    testing::internal::CaptureStderr();
    bool read = target.read(file);
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(read, c.accepted) << c.nx << " x " << c.nz;
    if (c.accepted) {
      EXPECT_EQ(target.size(), Size2i(int(c.nx), int(c.nz)));
      continue;
    }
    EXPECT_EQ(target.size(), Size2i(2, 2));
    EXPECT_NE(err.find("too large"), std::string::npos) << err;
  }
}
