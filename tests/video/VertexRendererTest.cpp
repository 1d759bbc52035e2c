#include "support/GLFixture.h"

#include "video/VertexRenderer.h"

using VertexRendererTest = gltest::CanvasFixture;

TEST_F(VertexRendererTest, TheFirstVertexFixesTheDimension) {
  video::VertexRenderer &base = canvas->vertexRenderer();
  video::OpenGLVertexRenderer &vr = *base.asOpenGLVertexRenderer();
  vr.begin(video::FORMAT_COLORED, video::PRIMITIVE_TRIANGLE_LIST);
  canvas->pushVertexDimensionOverride(true);
  canvas->setColor(math::Color::green);
  vr.vertex(0, 0, 5);
  canvas->popVertexDimensionOverride(); // too late: still 2 floats each
  vr.vertex(0, 100, 5);
  vr.vertex(100, 0, 5);
  EXPECT_TRUE(vr.twoD());
  EXPECT_EQ(vr.positions().size(), 6u);
  EXPECT_EQ(vr.vertexCount(), 3);
  EXPECT_EQ(vr.colors().size(), 12u); // colours are always collected
  EXPECT_EQ(vr.colors()[1], 255);
  vr.end();
  EXPECT_EQ(vr.vertexCount(), 0);
  EXPECT_EQ(vr.primitive(), video::PRIMITIVE_COUNT);
  EXPECT_EQ(vr.format(), video::FORMAT_NONE);
  EXPECT_EQ(gltest::glPixel(20, 20).g, 255);
  EXPECT_EQ(gltest::glPixel(80, 80).g, 0);
}

TEST_F(VertexRendererTest, NormalsAndCoordinatesComeBeforeTheirVertex) {
  video::OpenGLVertexRenderer &vr = *canvas->vertexRenderer().asOpenGLVertexRenderer();
  vr.begin(video::FORMAT_LIT, video::PRIMITIVE_TRIANGLE_FAN);
  vr.vertex(math::Vector3(0, 0, 0), math::Vector3(0, 0, 1), math::Vector2(0, 0));
  vr.texCoord(1, 0);
  vr.normal(0, 0, 1);
  vr.vertex(50, 0, 0);
  vr.vertex(math::Vector3(50, 50, 0), math::Vector3(0, 0, 1), math::Vector2(1, 1));
  EXPECT_EQ(vr.normals().size(), 9u);
  EXPECT_EQ(vr.texCoords().size(), 6u);
  EXPECT_EQ(vr.texCoords()[2], 1.0f);
  vr.end();
  EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

TEST_F(VertexRendererTest, EmptyAndShortPrimitivesAreSafe) {
  video::OpenGLVertexRenderer &vr = *canvas->vertexRenderer().asOpenGLVertexRenderer();
  // Nothing collected: nothing drawn, the colour left as it was.
  canvas->setColor(math::Color::red);
  vr.begin(video::FORMAT_COLORED, video::PRIMITIVE_TRIANGLE_STRIP);
  vr.end();
  EXPECT_TRUE(canvas->color() == math::Color::red);
  // One coordinate and one normal for three vertices: those arrays stay off.
  vr.begin(video::FORMAT_LIT, video::PRIMITIVE_TRIANGLE_LIST);
  vr.texCoord(0, 0);
  vr.normal(0, 0, 1);
  vr.vertex(0, 0, 0);
  vr.vertex(0, 30, 0);
  vr.vertex(30, 0, 0);
  vr.end();
  EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
  EXPECT_EQ(gltest::glPixel(5, 5).r, 255); // white: the colour array is off
  EXPECT_EQ(gltest::glPixel(5, 5).g, 255);
}

TEST(VertexRenderer, ValidCountsAndPrimitiveNames) {
  struct Case {
    int primitive, count;
    bool valid;
  } cases[] = {
      {video::PRIMITIVE_TRIANGLE_LIST, 0, false},  {video::PRIMITIVE_TRIANGLE_LIST, 3, true},
      {video::PRIMITIVE_TRIANGLE_LIST, 4, false},  {video::PRIMITIVE_TRIANGLE_LIST, 6, true},
      {video::PRIMITIVE_TRIANGLE_STRIP, 2, false}, {video::PRIMITIVE_TRIANGLE_STRIP, 3, true},
      {video::PRIMITIVE_TRIANGLE_FAN, 4, true},    {video::PRIMITIVE_COUNT, 3, false},
  };
  for (const Case &c : cases)
    EXPECT_EQ(video::isValidVertexCount(c.primitive, c.count), c.valid)
        << c.primitive << " " << c.count;
  EXPECT_EQ(video::primitiveSymbol(1), Symbol::intern(L"triangleStrip"));
  EXPECT_EQ(video::primitiveFromSymbol(Symbol::intern(L"triangleFan")), 2);
  EXPECT_EQ(video::primitiveFromSymbol(Symbol::intern(L"quads")), 3);
  EXPECT_TRUE(video::primitiveSymbol(3).isEmpty());
}
