#include "camera/Camera.h"
#include "math/Spline2D.h"
#include "quip/Token.h"
#include "support/RecordingGLCanvas.h"
#include "video/FakeTextures.h"
#include "water/Water.h"
#include "water/Waves.h"

#include <gtest/gtest.h>

namespace {

math::Spline2D *line(int points) {
  quip::Dictionary dict;
  dict.set(Symbol::intern(L"type"), quip::Token(Symbol::intern(L"catmullRom2D"), false));
  quip::Array *list = new quip::Array(0);
  for (int i = 0; i < points; ++i)
    list->append(math::Vector2(float(i), 0.0f).toToken());
  dict.set(Symbol::intern(L"points"), quip::Token(list, false));
  return math::createSpline2D(dict);
}

} // namespace

TEST(WaterDraw, ResolutionOneIsTwoByTwoVerticesAndTheJoiningPair) {
  gltest::RecordingGLCanvas canvas;
  gltest::TextureScope textures;
  gltest::FakeTexture t;
  water::Water water;
  water.addRenderPass(new video::RenderPass).texture = gltest::asTexture(&t);
  Camera camera;
  camera.setPosition(math::Vector3(0, 10, 0));
  camera.apply(canvas);
  math::Matrix4 projection = canvas.matrix(video::Canvas::PROJECTION);

  water.render(canvas);
  ASSERT_EQ(canvas.draws.size(), 1u);
  const gltest::RecordingGLCanvas::Draw &d = canvas.draws[0];
  float cell = 30000.0f; // 2 x 1.5 x 10000
  const float expected[6][2] = {{0, 0},       {cell, 0},    {0, cell},
                                {cell, cell}, {cell, cell}, {cell, 0}};
  ASSERT_EQ(d.positions.size(), 6u);
  ASSERT_EQ(d.texCoords.size(), 6u);
  for (int i = 0; i < 6; ++i) {
    SCOPED_TRACE(i);
    gltest::expectPosition(d.positions[size_t(i)], expected[i][0], 0, expected[i][1]);
    gltest::expectCoordinate(d.texCoords[size_t(i)], expected[i][0] / cell, expected[i][1] / cell);
  }
  EXPECT_FLOAT_EQ(d.model.m[3], -15000.0f);
  EXPECT_FLOAT_EQ(d.model.m[11], -15000.0f);

  // Drawn with the far plane at 10000; afterwards the camera and the
  // canvas's projection are as they were.
  Camera farther;
  farther.setPosition(math::Vector3(0, 10, 0));
  farther.setClipFar(10000.0f);
  EXPECT_EQ(d.projection, farther.matrices().displayProjection);
  EXPECT_FLOAT_EQ(camera.clipFar(), 100.0f);
  EXPECT_EQ(canvas.matrix(video::Canvas::PROJECTION), projection);
  EXPECT_EQ(canvas.camera(), &camera);
  EXPECT_FLOAT_EQ(canvas.cameraView().clipFar, 100.0f);
  EXPECT_EQ(canvas.matrix(video::Canvas::MODEL), math::Matrix4());
}

TEST(WaterDraw, ResolutionTwoColumnsJoinAndUntexturedHasNoCoordinates) {
  gltest::RecordingGLCanvas canvas;
  water::Water water;
  water.tesselation = 2;
  water.addRenderPass(new video::RenderPass);
  water.render(canvas);
  ASSERT_EQ(canvas.draws.size(), 1u);
  const gltest::RecordingGLCanvas::Draw &d = canvas.draws[0];
  ASSERT_EQ(d.positions.size(), 16u); // 2 columns x (3 pairs + the joining pair)
  EXPECT_TRUE(d.texCoords.empty());
  float cell = 15000.0f;
  // Column 1 ends at its far edge, joins back to its start, column 2 begins there.
  gltest::expectPosition(d.positions[5], cell, 0, 2 * cell);
  gltest::expectPosition(d.positions[6], cell, 0, 2 * cell);
  gltest::expectPosition(d.positions[7], cell, 0, 0);
  gltest::expectPosition(d.positions[8], cell, 0, 0);
  gltest::expectPosition(d.positions[9], 2 * cell, 0, 0);
}

TEST(WaterDraw, PatchesAndShoreEdgesFollowTheSurface) {
  gltest::RecordingGLCanvas canvas;
  water::Water water;
  water.addRenderPass(new video::RenderPass);
  water::Decal &decal = water.addDecal(new water::Decal);
  decal.position = math::Vector3(5, 1, 7);
  decal.extents = math::Vector3(2, 0, 3);
  water::Surf &surf = water.addSurf(new water::Surf);
  surf.setStart(line(5)); // segments 2 and 3
  surf.travel = math::Vector2(0, 4);
  surf.elapsed = 0.5f; // fully visible, travelling
  water::Surf &bare = water.addSurf(new water::Surf);
  (void)bare; // no spline: nothing drawn
  water.render(canvas);

  ASSERT_EQ(canvas.draws.size(), 3u);
  const gltest::RecordingGLCanvas::Draw &patch = canvas.draws[1];
  ASSERT_EQ(patch.positions.size(), 4u);
  gltest::expectPosition(patch.positions[0], -2, 0, 3);
  gltest::expectPosition(patch.positions[3], 2, 0, -3);
  EXPECT_FLOAT_EQ(patch.model.m[3], 5.0f);
  EXPECT_FLOAT_EQ(patch.model.m[11], 7.0f);

  const gltest::RecordingGLCanvas::Draw &edge = canvas.draws[2];
  ASSERT_EQ(edge.positions.size(), 2u + 2u * 6u * 2u);
  // Pairs: the spline point and the point moved by the offset; u runs 0 to 1.
  math::Vector2 offset = surf.offset();
  for (size_t i = 0; i < edge.positions.size(); i += 2) {
    EXPECT_NEAR(edge.positions[i + 1].x - edge.positions[i].x, offset.x, 1e-4f);
    EXPECT_NEAR(edge.positions[i + 1].y - edge.positions[i].y, offset.y, 1e-4f);
    EXPECT_FLOAT_EQ(edge.texCoords[i].y, 0.0f);
    EXPECT_FLOAT_EQ(edge.texCoords[i + 1].y, 1.0f);
  }
  EXPECT_FLOAT_EQ(edge.texCoords[0].x, 0.0f);
  EXPECT_NEAR(edge.texCoords.back().x, 1.0f, 0.02f);
  EXPECT_NEAR(edge.positions[0].x, 1.0f, 1e-4f); // the curve starts at point 1
  EXPECT_NEAR(edge.positions[edge.positions.size() - 2].x, 3.0f, 1e-4f);
  EXPECT_TRUE(edge.blending);
  EXPECT_FLOAT_EQ(edge.colors[0].a, 1.0f);

  water.clearDecals();
  water.clearSurfs();
  EXPECT_EQ(water.decalCount(), 0u);
  EXPECT_EQ(water.surfCount(), 0u);
}

TEST(WaveDraw, RowPairsJoinWithTwoVertices) {
  gltest::RecordingGLCanvas canvas;
  water::Waves waves;
  waves.setResolution(3, 2);
  for (uint32_t r = 0; r < 3; ++r)
    for (uint32_t c = 0; c < 2; ++c)
      waves.setVertex(r, c, math::Vector3(float(c), 0, float(r)), math::Vector2(float(c), float(r)),
                      0.2f * float(r + 1));
  waves.addRenderPass(new video::RenderPass);
  Camera camera;
  camera.apply(canvas);
  waves.render(canvas);
  EXPECT_EQ(waves.placedCamera(), &camera);

  ASSERT_EQ(canvas.draws.size(), 1u);
  const gltest::RecordingGLCanvas::Draw &d = canvas.draws[0];
  // (row, column) of each vertex: pair 0-1, the joining (1, last), (1, 0), pair 1-2.
  const int order[10][2] = {{0, 0}, {1, 0}, {0, 1}, {1, 1}, {1, 1},
                            {1, 0}, {1, 0}, {2, 0}, {1, 1}, {2, 1}};
  ASSERT_EQ(d.positions.size(), 10u);
  for (int i = 0; i < 10; ++i) {
    SCOPED_TRACE(i);
    gltest::expectPosition(d.positions[size_t(i)], float(order[i][1]), 0, float(order[i][0]));
    EXPECT_NEAR(d.colors[size_t(i)].a, 0.2f * float(order[i][0] + 1), 1.0f / 255.0f);
    gltest::expectCoordinate(d.texCoords[size_t(i)], float(order[i][1]), float(order[i][0]));
  }
  EXPECT_TRUE(d.blending); // a pass of default blend behaviour blends
}

TEST(WaterLists, SurfFadesAndTravelsOverItsCycle) {
  water::Surf surf;
  surf.travel = math::Vector2(2, 0);
  struct Case {
    float elapsed, alpha, offsetX;
  };
  const Case cases[] = {{0.0f, 0.0f, 0.1909830f},
                        {0.05f, 0.5f, -1},
                        {0.5f, 1.0f, -1},
                        {0.7f, 1.0f, 2.0f},
                        {0.85f, 0.5f, 2.0f}};
  for (const Case &c : cases) {
    SCOPED_TRACE(c.elapsed);
    surf.elapsed = c.elapsed;
    EXPECT_NEAR(surf.alpha(), c.alpha, 1e-5f);
    if (c.offsetX >= 0) {
      EXPECT_NEAR(surf.offset().x, c.offsetX, 1e-5f);
    }
  }
  surf.elapsed = 0.0f;
  surf.advance(2.5f);
  EXPECT_NEAR(surf.elapsed, 0.5f, 1e-6f);
}
