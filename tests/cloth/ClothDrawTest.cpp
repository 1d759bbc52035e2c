#include "cloth/Cloth.h"
#include "support/RecordingGLCanvas.h"
#include "video/FakeTextures.h"

#include <gtest/gtest.h>

TEST(ClothDraw, RowPairsJoinAndEveryVertexHasItsNormal) {
  gltest::RecordingGLCanvas canvas;
  cloth::Cloth cloth(2, 3, math::Vector3(1, 1, 1)); // 2 columns, 3 rows
  cloth.setNormal(2, 1, math::Vector3(0, 0, 1));
  cloth.render(canvas);
  ASSERT_EQ(canvas.draws.size(), 1u);
  const gltest::RecordingGLCanvas::Draw &d = canvas.draws[0];
  EXPECT_EQ(d.format, video::FORMAT_LIT);
  // (row, column): pair 0-1, joining (1, last), (1, 0), pair 1-2.
  const int order[10][2] = {{0, 0}, {1, 0}, {0, 1}, {1, 1}, {1, 1},
                            {1, 0}, {1, 0}, {2, 0}, {1, 1}, {2, 1}};
  ASSERT_EQ(d.positions.size(), 10u);
  ASSERT_EQ(d.normals.size(), 10u);
  for (int i = 0; i < 10; ++i) {
    SCOPED_TRACE(i);
    int row = order[i][0], column = order[i][1];
    EXPECT_EQ(d.positions[size_t(i)], math::Vector3(float(column), -float(row), 0));
    gltest::expectCoordinate(d.texCoords[size_t(i)], float(column), float(row) / 2.0f);
    bool turned = row == 2 && column == 1;
    EXPECT_EQ(d.normals[size_t(i)], turned ? math::Vector3(0, 0, 1) : math::Vector3(0, 1, 0));
  }
  EXPECT_TRUE(canvas.renderState().lighting());
  EXPECT_TRUE(canvas.renderState().blending());
}

TEST(ClothDraw, EnvironmentMapTakesItsCoordinatesFromTheNormals) {
  gltest::RecordingGLCanvas canvas;
  gltest::TextureScope textures;
  gltest::FakeTexture map, own;
  cloth::Cloth cloth(2, 2, math::Vector3(1, 1, 1));
  cloth.setNormal(0, 0, math::Vector3(1, 0, 0));
  cloth.setEnvironmentMap(gltest::asTexture(&map));
  canvas.drawCloth(cloth);
  ASSERT_EQ(canvas.draws.size(), 1u);
  gltest::expectCoordinate(canvas.draws[0].texCoords[0], 1.0f, 0.5f);
  gltest::expectCoordinate(canvas.draws[0].texCoords[1], 0.5f, 1.0f);
  EXPECT_EQ(canvas.renderState().textureAt(0), gltest::asTexture(&map));

  // Its own texture wins, with the grid's coordinates.
  cloth.setTexture(gltest::asTexture(&own));
  canvas.drawCloth(cloth);
  gltest::expectCoordinate(canvas.draws[1].texCoords[0], 0, 0);
  EXPECT_EQ(canvas.renderState().textureAt(0), gltest::asTexture(&own));

  // An empty cloth draws nothing.
  cloth::Cloth empty;
  canvas.drawCloth(empty);
  EXPECT_EQ(canvas.draws.size(), 2u);
}
