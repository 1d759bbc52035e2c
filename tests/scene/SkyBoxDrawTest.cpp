#include "camera/Camera.h"
#include "scene/SkyBoxObject.h"
#include "support/RecordingGLCanvas.h"
#include "video/FakeTextures.h"

#include <gtest/gtest.h>

TEST(SkyBoxDraw, OnlyTopDrawsOneQuadAroundAPerspectiveCamera) {
  gltest::RecordingGLCanvas canvas;
  gltest::TextureScope textures;
  gltest::FakeTexture top;
  SkyBoxObject box;
  box.setFace(video::SkyBoxFaces::TOP, gltest::asTexture(&top));
  Camera camera;
  camera.setPosition(math::Vector3(1, 2, 3));
  camera.setClipNear(2.0f);
  camera.setClipFar(10.0f);
  camera.apply(canvas);

  box.render(canvas);
  ASSERT_EQ(canvas.draws.size(), 1u);
  const gltest::RecordingGLCanvas::Draw &d = canvas.draws[0];
  EXPECT_EQ(d.primitive, video::PRIMITIVE_TRIANGLE_STRIP);
  ASSERT_EQ(d.positions.size(), 4u);
  // h = (near + far) / 2 around the camera's position.
  gltest::expectPosition(d.positions[0], -6, 6, -6);
  gltest::expectPosition(d.positions[1], -6, 6, 6);
  gltest::expectPosition(d.positions[2], 6, 6, -6);
  gltest::expectPosition(d.positions[3], 6, 6, 6);
  ASSERT_EQ(d.texCoords.size(), 4u);
  gltest::expectCoordinate(d.texCoords[0], 1, 0);
  gltest::expectCoordinate(d.texCoords[1], 1, 1);
  gltest::expectCoordinate(d.texCoords[2], 0, 0);
  gltest::expectCoordinate(d.texCoords[3], 0, 1);
  EXPECT_FLOAT_EQ(d.model.m[3], 1.0f);
  EXPECT_FLOAT_EQ(d.model.m[7], 2.0f);
  EXPECT_FLOAT_EQ(d.model.m[11], 3.0f);
  EXPECT_FALSE(canvas.renderState().depthTest());
  EXPECT_FALSE(canvas.renderState().depthWrite());
  // The translation was popped again.
  EXPECT_EQ(canvas.matrix(video::Canvas::MODEL), math::Matrix4());

  // Nothing under an orthographic camera, nor without a camera.
  camera.setProjection(Camera::ORTHOGRAPHIC);
  camera.apply(canvas);
  box.render(canvas);
  camera.release(canvas);
  box.render(canvas);
  EXPECT_EQ(canvas.draws.size(), 1u);
}

TEST(SkyBoxDraw, FacesDrawFrontRightBackLeftTopBottom) {
  gltest::RecordingGLCanvas canvas;
  gltest::TextureScope textures;
  gltest::FakeTexture t;
  SkyBoxObject box;
  for (unsigned f = 0; f < video::SkyBoxFaces::FACE_COUNT; ++f)
    box.setFace(f, gltest::asTexture(&t));
  EXPECT_EQ(box.face(6), nullptr);
  Camera camera;
  camera.setClipNear(1.0f);
  camera.setClipFar(3.0f); // h = 2
  camera.apply(canvas);
  box.render(canvas);
  ASSERT_EQ(canvas.draws.size(), 6u);
  // The first corner tells the face: front (-h, h, h), right (h, h, h),
  // back (h, h, -h), left (-h, h, -h), top (-h, h, -h), bottom (-h, -h, -h).
  const float first[6][3] = {{-2, 2, 2},  {2, 2, 2},   {2, 2, -2},
                             {-2, 2, -2}, {-2, 2, -2}, {-2, -2, -2}};
  for (int i = 0; i < 6; ++i) {
    SCOPED_TRACE(i);
    gltest::expectPosition(canvas.draws[size_t(i)].positions[0], first[i][0], first[i][1],
                           first[i][2]);
  }
  // Top and left share their first corner; their second tells them apart.
  gltest::expectPosition(canvas.draws[3].positions[1], -2, -2, -2);
  gltest::expectPosition(canvas.draws[4].positions[1], -2, 2, 2);
  box.clearFaces();
  box.render(canvas);
  EXPECT_EQ(canvas.draws.size(), 6u);
}
