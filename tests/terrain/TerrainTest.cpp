#include "billboard/Billboard3D.h"
#include "camera/Camera.h"
#include "support/RecordingGLCanvas.h"
#include "terrain/Grid.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A flat rows x columns map of the given height, one unit between vertices.
HeightMap *flatMap(int rows, int columns, float height, float spacing = 1.0f) {
  HeightMap *map = new HeightMap(math::Size2i(rows, columns), math::Vector3(spacing, 1, spacing));
  for (int i = 0; i < rows; ++i)
    for (int j = 0; j < columns; ++j)
      map->setHeight(i, j, height);
  return map;
}

std::vector<int> list(const container::Vector<uint16_t> &indices) {
  return std::vector<int>(indices.data(), indices.data() + indices.size());
}

} // namespace

TEST(TerrainDraw, LayersLieAQuarterAboveEachOtherAndOnlyLaterOnesAreForcedToBlend) {
  gltest::RecordingGLCanvas canvas;
  terrain::Grid grid;
  grid.setHeightMap(flatMap(3, 3, 1.0f));
  for (int i = 0; i < 3; ++i)
    grid.addLayer();
  grid.render(canvas);

  ASSERT_EQ(canvas.layers.size(), 3u);
  const float heights[3] = {0.0f, 0.25f, 0.5f};
  for (size_t i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    EXPECT_TRUE(canvas.layers[i].first); // the dry part
    EXPECT_FLOAT_EQ(canvas.layers[i].model.m[7], heights[i]);
    EXPECT_EQ(canvas.layers[i].blending, i > 0);
  }
  EXPECT_EQ(canvas.matrix(video::Canvas::MODEL), math::Matrix4());
  EXPECT_FALSE(grid.dirty());

  canvas.layers.clear();
  canvas.drawTerrain(grid, 0);
  ASSERT_EQ(canvas.layers.size(), 3u);
  EXPECT_FALSE(canvas.layers[0].first);
}

TEST(TerrainStrips, CellsGoToTheDryOrSubmergedStripsOfTheLayersThatShowThem) {
  struct Case {
    const char *what;
    float height;
    int layers;
    bool useCoastline;
    std::vector<int> lastAbove, lastBelow, firstAbove;
  };
  const std::vector<int> whole = {3, 0, 4, 1, 5, 2, 2, 6, 6, 3, 7, 4, 8, 5};
  const Case cases[] = {
      {"dry", 1.0f, 1, true, whole, {}, whole},
      {"submerged", -1.0f, 1, true, {}, whole, {}},
      {"at the water level: both", 0.0f, 1, true, whole, whole, whole},
      {"without the coastline every cell is above", -1.0f, 1, false, whole, {}, whole},
      {"opaque layers cover the ones below", 1.0f, 2, true, whole, {}, {}},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    gltest::RecordingGLCanvas canvas;
    terrain::Grid grid;
    grid.useCoastline = c.useCoastline;
    for (int i = 0; i < c.layers; ++i)
      grid.addLayer();
    grid.setHeightMap(flatMap(3, 3, c.height));
    grid.prepareLayers();
    terrain::Layer &last = grid.layer(uint32_t(c.layers - 1));
    EXPECT_EQ(list(last.indicesAbove()), c.lastAbove);
    EXPECT_EQ(list(last.indicesBelow()), c.lastBelow);
    EXPECT_EQ(list(grid.layer(0).indicesAbove()), c.firstAbove);
  }
}

TEST(TerrainStrips, ATranslucentCornerKeepsTheLayerBelowShowing) {
  gltest::RecordingGLCanvas canvas;
  terrain::Grid grid;
  grid.addLayer();
  grid.addLayer();
  grid.setHeightMap(flatMap(2, 2, 1.0f));
  grid.layer(1).colors[3].a = 0.999f;
  grid.prepareLayers();
  EXPECT_EQ(grid.layer(0).indicesAbove().size(), 4u);
  EXPECT_EQ(grid.layer(0).cellFlags[0] & terrain::CELL_COVERED, 0);

  // Every corner of the top layer clear: flagged invisible.
  for (math::Color &color : grid.layer(1).colors)
    color.a = 0.0f;
  grid.markDirty();
  grid.prepareLayers();
  EXPECT_NE(grid.layer(1).cellFlags[0] & terrain::CELL_INVISIBLE, 0);
}

TEST(TerrainQueries, HeightColourAndDecorationCellsAtAWorldPoint) {
  terrain::Grid grid;
  terrain::Layer &base = grid.addLayer();
  terrain::Layer &over = grid.addLayer();
  grid.setHeightMap(flatMap(3, 3, 2.0f));
  grid.setOffset(math::Vector3(100, 10, 0));
  for (math::Color &c : base.colors)
    c = math::Color(1.0f, 0.0f, 0.0f, 1.0f);
  for (math::Color &c : over.colors)
    c = math::Color(0.0f, 0.0f, 1.0f, 0.5f);

  float h = 0;
  EXPECT_TRUE(grid.heightAt(math::Vector3(100.5f, 0, 0.5f), h));
  EXPECT_FLOAT_EQ(h, 12.0f);
  EXPECT_FALSE(grid.heightAt(math::Vector3(0, 0, 0), h));

  math::Color color;
  ASSERT_TRUE(grid.colorAt(math::Vector3(100.5f, 0, 0.5f), color));
  EXPECT_NEAR(color.r, 0.5f, 1e-5f); // normal blend of half blue over red
  EXPECT_NEAR(color.b, 0.5f, 1e-5f);
  EXPECT_NEAR(color.a, 1.0f, 1e-5f);

  EXPECT_TRUE(grid.decorationAllowed(math::Vector3(100.5f, 0, 0.5f), 3));
  grid.decorationMask[3] = 0x01; // cell (1, 1): only decoration 0
  EXPECT_TRUE(grid.decorationAllowed(math::Vector3(100.5f, 0, 0.5f), 0));
  EXPECT_FALSE(grid.decorationAllowed(math::Vector3(100.5f, 0, 0.5f), 3));
  EXPECT_FALSE(grid.decorationAllowed(math::Vector3(0, 0, 0), 0));
}

TEST(TerrainDraw, DecorationsStandInFrontOfTheCameraWithinTheirRadius) {
  gltest::RecordingGLCanvas canvas;
  terrain::Grid grid;
  grid.addLayer();
  grid.setHeightMap(flatMap(41, 41, 0.5f, 5.0f)); // 200 x 200, centred
  terrain::Decoration &grass = grid.addDecoration();
  Billboard3D *billboard = new Billboard3D;
  billboard->size = math::Vector2(2, 4);
  grass.setBillboard(billboard);
  grass.cutoffRadius = 30.0f;
  grass.step = 5.0f;
  grass.takeGroundColor = false;
  Camera camera;
  camera.setPosition(math::Vector3(0, 3, 0));
  camera.apply(canvas);

  // The grid's render puts it on the render list; its decorations draw late.
  grid.render(canvas);
  EXPECT_TRUE(canvas.draws.empty());
  canvas.renderRenderList();
  canvas.clearRenderList();
  ASSERT_EQ(canvas.draws.size(), 1u);
  const gltest::RecordingGLCanvas::Draw &d = canvas.draws[0];
  EXPECT_EQ(d.primitive, video::PRIMITIVE_TRIANGLE_LIST);
  ASSERT_GT(d.positions.size(), 0u);
  ASSERT_EQ(d.positions.size() % 6, 0u);
  for (size_t q = 0; q < d.positions.size(); q += 6) {
    // Corner 1 (second vertex) is the bottom left: the foot is 1 to its right.
    math::Vector3 foot = d.positions[q + 1] + math::Vector3(1, 0, 0);
    EXPECT_NEAR(foot.y, 0.5f, 1e-4f);           // on the ground
    EXPECT_NEAR(d.positions[q].y, 4.5f, 1e-4f); // and 4 high
    math::Vector3 toFoot = foot - camera.position();
    toFoot.y = 0;
    EXPECT_LE(toFoot.lengthSquared(), 30.0f * 30.0f + 1e-2f);
    // Fading over the outer quarter of the squared radius.
    float d2 = (foot - camera.position()).lengthSquared();
    if (d2 < 0.75f * 900.0f) {
      EXPECT_NEAR(d.colors[q].a, 1.0f, 1.0f / 255.0f);
    }
  }
  EXPECT_FALSE(canvas.renderState().alphaTest());

  // Out of reach of the terrain: nothing.
  canvas.draws.clear();
  camera.setPosition(math::Vector3(1000, 3, 0));
  camera.apply(canvas);
  grid.visit(canvas);
  EXPECT_TRUE(canvas.draws.empty());
}

TEST(TerrainDraw, SurfRibbonsCloseTheirLoops) {
  gltest::RecordingGLCanvas canvas;
  terrain::Grid grid;
  terrain::SurfLine &surf = grid.createSurfLine();
  container::Vector<math::Vector3> inner, outer;
  const float square[4][2] = {{0, 0}, {10, 0}, {10, 10}, {0, 10}};
  for (const float *p : square) {
    inner.push(math::Vector3(p[0], 0, p[1]));
    outer.push(math::Vector3(p[0] * 2 - 5, 0, p[1] * 2 - 5));
  }
  surf.addLoop(inner, outer);
  ASSERT_EQ(surf.loops[0].segmentLengths.size(), 4u);
  EXPECT_FLOAT_EQ(surf.loops[0].segmentLengths[3], 10.0f); // back to the first point
  grid.render(canvas);

  ASSERT_EQ(canvas.draws.size(), 1u);
  const gltest::RecordingGLCanvas::Draw &d = canvas.draws[0];
  ASSERT_EQ(d.positions.size(), 10u); // 4 points and the first again, inner and outer
  for (size_t k = 0; k <= 4; ++k) {
    SCOPED_TRACE(k);
    const float *p = square[k % 4];
    EXPECT_EQ(d.positions[2 * k], math::Vector3(p[0], 0, p[1]));
    EXPECT_EQ(d.positions[2 * k + 1], math::Vector3(p[0] * 2 - 5, 0, p[1] * 2 - 5));
    gltest::expectCoordinate(d.texCoords[2 * k], 0.2f * float(k), 0.0f);
    gltest::expectCoordinate(d.texCoords[2 * k + 1], 0.2f * float(k), 1.0f);
  }

  // A single point makes one segment of length 0.
  terrain::SurfLoop single;
  single.inner.push(math::Vector3(1, 2, 3));
  single.computeSegmentLengths();
  ASSERT_EQ(single.segmentLengths.size(), 1u);
  EXPECT_FLOAT_EQ(single.segmentLengths[0], 0.0f);
}
