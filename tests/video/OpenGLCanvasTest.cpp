#include "support/GLFixture.h"

#include "FakeTextures.h"
#include "math/Rectangle.h"
#include "surface/PixelBuffer.h"
#include "video/ClipPlane.h"
#include "video/Fog.h"
#include "video/Light.h"
#include "video/Material.h"
#include "video/QuadBatch.h"
#include "video/RenderPass.h"
#include "video/RenderState.h"
#include "video/VertexRenderer.h"

namespace {

struct OpenGLCanvasTest : gltest::CanvasFixture {
  // An axis-aligned rectangle as a triangle strip, in screen coordinates.
  void strip(float x0, float y0, float x1, float y1, const math::Color &color,
             int format = video::FORMAT_COLORED) {
    video::VertexRenderer &vr = canvas->vertexRenderer();
    vr.begin(format, video::PRIMITIVE_TRIANGLE_STRIP);
    canvas->setColor(color);
    vr.vertex(x0, y0, 0);
    vr.vertex(x0, y1, 0);
    vr.vertex(x1, y0, 0);
    vr.vertex(x1, y1, 0);
    vr.end();
  }

  static math::Rectangle rect(float x, float y, float w, float h) {
    math::Rectangle r;
    r.set(x, y, w, h);
    return r;
  }
};

gltest::Rgba pixelOf(const PixelBuffer &buffer, uint32_t x, uint32_t y) {
  uint8_t r, g, b, a;
  buffer.getPixel(x, y, r, g, b, a);
  return {r, g, b, a};
}

void expectRgb(const gltest::Rgba &p, int r, int g, int b) {
  EXPECT_EQ(p.r, r);
  EXPECT_EQ(p.g, g);
  EXPECT_EQ(p.b, b);
}

} // namespace

TEST_F(OpenGLCanvasTest, AStripReadsBackTopRowFirst) {
  // Red low on the screen, blue near the top (y grows upward).
  strip(10, 10, 110, 110, math::Color::red);
  strip(200, 400, 300, 470, math::Color::blue);
  PixelBuffer buffer;
  ASSERT_TRUE(canvas->readPixels(rect(0, 0, 320, 480), PixelBuffer::RGBA8888, buffer));
  ASSERT_EQ(buffer.width(), 320u);
  ASSERT_EQ(buffer.height(), 480u);
  // Screen point (x, y) is buffer row 479 - y.
  expectRgb(pixelOf(buffer, 60, 479 - 60), 255, 0, 0);
  expectRgb(pixelOf(buffer, 250, 479 - 450), 0, 0, 255);
  expectRgb(pixelOf(buffer, 60, 479 - 300), 0, 0, 0);
  expectRgb(pixelOf(buffer, 5, 479 - 5), 0, 0, 0);
  // The strip's corners: inside at (10, 10), outside just below.
  expectRgb(pixelOf(buffer, 10, 479 - 10), 255, 0, 0);
  expectRgb(pixelOf(buffer, 10, 479 - 9), 0, 0, 0);
  // The draw leaves the current colour white and drops the sent colour.
  EXPECT_TRUE(canvas->color() == math::Color::white);
  EXPECT_FALSE(canvas->sentColorValid());
  EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

TEST_F(OpenGLCanvasTest, ReadPixelsOfPartsAndOtherFormats) {
  strip(0, 0, 320, 1, math::Color::green);   // bottom row green
  strip(0, 1, 320, 2, math::Color::magenta); // the row above magenta

  // A one-pixel-high rectangle is not flipped.
  PixelBuffer row;
  ASSERT_TRUE(canvas->readPixels(rect(3, 1, 5, 1), PixelBuffer::RGBA8888, row));
  EXPECT_EQ(row.width(), 5u);
  expectRgb(pixelOf(row, 0, 0), 255, 0, 255);

  // An odd width of three-byte pixels: rows are not padded.
  PixelBuffer rgb;
  ASSERT_TRUE(canvas->readPixels(rect(7, 0, 3, 2), PixelBuffer::RGB888, rgb));
  ASSERT_EQ(rgb.byteSize(), 18u);
  expectRgb(pixelOf(rgb, 2, 0), 255, 0, 255); // top row first
  expectRgb(pixelOf(rgb, 0, 1), 0, 255, 0);
  expectRgb(pixelOf(rgb, 2, 1), 0, 255, 0);

  // Two-byte pixels.
  PixelBuffer small;
  ASSERT_TRUE(canvas->readPixels(rect(0, 0, 4, 2), PixelBuffer::RGB565, small));
  expectRgb(pixelOf(small, 1, 0), 248, 0, 248);
  expectRgb(pixelOf(small, 1, 1), 0, 252, 0);
  // rgb555 has no GL format of its own: read and converted, not overrun.
  PixelBuffer rgb555;
  ASSERT_TRUE(canvas->readPixels(rect(0, 0, 3, 2), PixelBuffer::RGB555, rgb555));
  ASSERT_EQ(rgb555.byteSize(), 12u);
  expectRgb(pixelOf(rgb555, 2, 0), 248, 0, 248);
  expectRgb(pixelOf(rgb555, 0, 1), 0, 248, 0);

  // Nothing to read.
  PixelBuffer none;
  EXPECT_FALSE(canvas->readPixels(rect(0, 0, 0, 5), PixelBuffer::RGBA8888, none));
  EXPECT_FALSE(canvas->readPixels(rect(0, 0, 4, 4), PixelBuffer::NONE, none));
  EXPECT_FALSE(none.isValid());
  EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

TEST_F(OpenGLCanvasTest, ColoursWithoutTheColourBitDrawWhite) {
  strip(0, 0, 50, 50, math::Color::red, video::FORMAT_TEXCOORDS);
  expectRgb(gltest::glPixel(25, 25), 255, 255, 255);
}

TEST_F(OpenGLCanvasTest, ClearingDepthTurnsDepthWritesOn) {
  canvas->renderState().setDepthWrite(false);
  canvas->setClearColor(math::Color::blue);
  canvas->clear(video::Canvas::CLEAR_COLOR | video::Canvas::CLEAR_DEPTH);
  EXPECT_TRUE(canvas->renderState().depthWrite());
  GLboolean mask = GL_FALSE;
  glGetBooleanv(GL_DEPTH_WRITEMASK, &mask);
  EXPECT_TRUE(mask);
  expectRgb(gltest::glPixel(100, 100), 0, 0, 255);
  GLfloat clear[4];
  glGetFloatv(GL_COLOR_CLEAR_VALUE, clear);
  EXPECT_EQ(clear[2], 1.0f);
}

TEST_F(OpenGLCanvasTest, ClipPlanes) {
  const float plane[4] = {1, 0, 0, -100};
  canvas->enableClipPlane(3, plane);
  EXPECT_TRUE(glIsEnabled(GL_CLIP_PLANE3));
  canvas->disableClipPlane(3);
  EXPECT_FALSE(glIsEnabled(GL_CLIP_PLANE3));
  // Index 7 addresses plane 0.
  scene::ClipPlane seven(7, 1, 0, 0, -100);
  canvas->enableClipPlane(seven);
  EXPECT_TRUE(glIsEnabled(GL_CLIP_PLANE0));
  // Clips x < 100 in screen coordinates.
  strip(0, 0, 200, 50, math::Color::red);
  expectRgb(gltest::glPixel(50, 25), 0, 0, 0);
  expectRgb(gltest::glPixel(150, 25), 255, 0, 0);
  canvas->disableClipPlane(seven);
  EXPECT_FALSE(glIsEnabled(GL_CLIP_PLANE0));
}

TEST_F(OpenGLCanvasTest, FogLightsAndMaterials) {
  Fog fog;
  fog.color = math::Color(0.5f, 0.5f, 0.5f, 1.0f);
  fog.start = 10;
  fog.end = 100;
  canvas->setFog(fog);
  EXPECT_TRUE(canvas->renderState().fog());
  EXPECT_TRUE(glIsEnabled(GL_FOG));
  GLfloat value = 0;
  glGetFloatv(GL_FOG_END, &value);
  EXPECT_EQ(value, 100.0f);
  GLint mode = 0;
  glGetIntegerv(GL_FOG_MODE, &mode);
  EXPECT_EQ(mode, GL_LINEAR);
  canvas->disableFog();
  EXPECT_FALSE(glIsEnabled(GL_FOG));

  video::Light light;
  light.index = 2;
  canvas->enableLight(light);
  EXPECT_TRUE(light.applied);
  EXPECT_TRUE(glIsEnabled(GL_LIGHT2));
  canvas->disableLight(light);
  EXPECT_FALSE(glIsEnabled(GL_LIGHT2));

  video::Material material;
  material.diffuse = math::Color(0.25f, 0.5f, 0.75f, 1.0f);
  material.shininess = 12;
  material.apply(*canvas);
  GLfloat diffuse[4], shininess = 0;
  glGetMaterialfv(GL_FRONT, GL_DIFFUSE, diffuse);
  glGetMaterialfv(GL_BACK, GL_SHININESS, &shininess);
  EXPECT_EQ(diffuse[2], 0.75f);
  EXPECT_EQ(shininess, 12.0f);
}

TEST_F(OpenGLCanvasTest, PointSprites) {
  video::RenderPass pass;
  pass.lit = false;
  pass.depthTest = false;
  const float positions[] = {100, 100, 0};
  const float zeroSize[] = {0};
  const float attenuation[] = {1, 0, 0};
  // A single size of 0 draws nothing and changes nothing.
  canvas->drawPoints(positions, 1, 3, nullptr, zeroSize, 1, 1, attenuation, pass);
  EXPECT_EQ(canvas->colorStackSize(), 0u);
  EXPECT_FALSE(glIsEnabled(GL_POINT_SPRITE_OES));
  expectRgb(gltest::glPixel(100, 100), 0, 0, 0);

  const uint8_t colors[] = {0, 255, 0, 255};
  const float size[] = {9};
  canvas->drawPoints(positions, 1, 3, colors, size, 1, 1, attenuation, pass);
  expectRgb(gltest::glPixel(100, 100), 0, 255, 0);
  expectRgb(gltest::glPixel(103, 103), 0, 255, 0);
  expectRgb(gltest::glPixel(110, 100), 0, 0, 0);
  EXPECT_FALSE(glIsEnabled(GL_POINT_SPRITE_OES));
  EXPECT_EQ(canvas->colorStackSize(), 0u);
  EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
  canvas->setDepthTest(false);
}

TEST_F(OpenGLCanvasTest, QuadBatchesSendAUniformColourOnce) {
  gltest::TextureScope textures;
  gltest::FakeTexture white;
  white.glName = gltest::makeGLTexture(255, 255, 255, 255);
  video::QuadBatch &batch = canvas->quadBatch();
  auto quad = [&](float x, const math::Color &c) {
    uint16_t base = batch.vertexCount();
    batch.state().texture = gltest::asTexture(&white);
    batch.addVertex(math::Vector3(x, 0, 0), c, math::Vector2(0, 0));
    batch.addVertex(math::Vector3(x, 40, 0), c, math::Vector2(0, 1));
    batch.addVertex(math::Vector3(x + 40, 40, 0), c, math::Vector2(1, 1));
    batch.addVertex(math::Vector3(x + 40, 0, 0), c, math::Vector2(1, 0));
    for (uint16_t i : {0, 1, 3, 3, 1, 2})
      batch.addIndex(uint16_t(base + i));
  };
  canvas->beginFrame();
  quad(0, math::Color::red);
  quad(50, math::Color::red);
  EXPECT_TRUE(batch.uniformColor());
  canvas->flush();
  EXPECT_EQ(batch.vertexCount(), 0u);
  expectRgb(gltest::glPixel(20, 20), 255, 0, 0);
  expectRgb(gltest::glPixel(70, 20), 255, 0, 0);
  EXPECT_TRUE(canvas->sentColorValid());

  // The same colour again is not sent: the GL keeps what it was given behind
  // the canvas's back.
  glColor4f(0, 1, 0, 1);
  quad(100, math::Color::red);
  canvas->flush();
  expectRgb(gltest::glPixel(120, 20), 0, 255, 0);

  // Mixed colours go as an array, after which the colour is sent again.
  quad(150, math::Color::red);
  quad(200, math::Color::blue);
  EXPECT_FALSE(batch.uniformColor());
  canvas->endFrame();
  expectRgb(gltest::glPixel(170, 20), 255, 0, 0);
  expectRgb(gltest::glPixel(220, 20), 0, 0, 255);
  EXPECT_FALSE(canvas->sentColorValid());
  EXPECT_EQ(canvas->matrix(video::Canvas::MODEL), math::Matrix4());
  EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
  batch.state().texture = nullptr;
  canvas->renderState().setTexture(nullptr, 0);
  glDeleteTextures(1, &white.glName);
}
