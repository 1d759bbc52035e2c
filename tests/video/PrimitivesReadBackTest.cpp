// The canvas's primitives drawn on a real GLES 1.1 context and read back at
// probe points (screen coordinates, y up).

#include "support/GLFixture.h"

#include "video/RenderKeywords.h"
#include "video/RibbonRenderPass.h"

namespace {

using PrimitivesReadBack = gltest::CanvasFixture;

void expectRgb(int x, int y, int r, int g, int b, int tolerance = 0) {
  gltest::Rgba p = gltest::glPixel(x, y);
  EXPECT_NEAR(p.r, r, tolerance) << "at " << x << "," << y;
  EXPECT_NEAR(p.g, g, tolerance) << "at " << x << "," << y;
  EXPECT_NEAR(p.b, b, tolerance) << "at " << x << "," << y;
}

} // namespace

TEST_F(PrimitivesReadBack, ALine) {
  canvas->drawLine(math::Vector2(50, 100), math::Vector2(50, 200), math::Color::red, 3.0f, false,
                   video::BLEND_NORMAL);
  expectRgb(50, 150, 255, 0, 0);
  expectRgb(48, 110, 255, 0, 0);
  expectRgb(56, 150, 0, 0, 0);
  expectRgb(50, 205, 0, 0, 0);
  EXPECT_FALSE(glIsEnabled(GL_ALPHA_TEST));
  EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

TEST_F(PrimitivesReadBack, AnOutline) {
  canvas->strokeRect(100, 100, 50, 50, 2.0f, math::Color::green);
  expectRgb(99, 125, 0, 255, 0);
  expectRgb(151, 125, 0, 255, 0);
  expectRgb(125, 151, 0, 255, 0);
  expectRgb(125, 99, 0, 255, 0);
  expectRgb(125, 125, 0, 0, 0);
  expectRgb(105, 125, 0, 0, 0);
}

TEST_F(PrimitivesReadBack, OpaqueAndBlendedRectangles) {
  canvas->fillRect(20, 300, 40, 40, math::Color::red, video::BLEND_NORMAL);
  EXPECT_FALSE(glIsEnabled(GL_BLEND));
  expectRgb(40, 320, 255, 0, 0);
  expectRgb(40, 345, 0, 0, 0);

  // Half of red over blue.
  canvas->fillRect(200, 300, 40, 40, math::Color::blue, video::BLEND_NORMAL);
  canvas->pushColor();
  canvas->multiplyColor(math::Color(1, 1, 1, 0.5f));
  canvas->fillRect(200, 300, 40, 40, math::Color::red, video::BLEND_NORMAL);
  canvas->popColor();
  EXPECT_TRUE(glIsEnabled(GL_BLEND));
  expectRgb(220, 320, 128, 0, 128, 2);

  // Corner colours: red at the top left, blue at the bottom right.
  canvas->fillRectCorners(100, 10, 100, 100, math::Color::red, math::Color::black,
                          math::Color::black, math::Color::blue, video::BLEND_NORMAL);
  gltest::Rgba topLeft = gltest::glPixel(102, 108), bottomRight = gltest::glPixel(198, 12);
  EXPECT_GT(topLeft.r, 200);
  EXPECT_LT(topLeft.b, 20);
  EXPECT_GT(bottomRight.b, 200);
  EXPECT_LT(bottomRight.r, 20);
  EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

TEST_F(PrimitivesReadBack, ACircle) {
  canvas->pushMatrix();
  canvas->translate(160.0f, 240.0f);
  canvas->drawCircle(50.0f, math::Color::white, 2.0f);
  canvas->popMatrix();
  expectRgb(160, 290, 255, 255, 255);
  expectRgb(210, 240, 255, 255, 255);
  expectRgb(160, 190, 255, 255, 255);
  expectRgb(125, 275, 255, 255, 255); // about 45 degrees round
  expectRgb(160, 240, 0, 0, 0);
  expectRgb(160, 260, 0, 0, 0);
}

TEST_F(PrimitivesReadBack, APolylineRibbonOfGrowingWidth) {
  video::RibbonRenderPass pass;
  pass.alignment = video::RIBBON_XY;
  pass.lineWidthStart = 2.0f;
  pass.lineWidthEnd = 40.0f;
  pass.cull = false;
  pass.depthTest = false;
  pass.color = math::Color::yellow;
  container::Vector<math::Vector3> points;
  points.push(math::Vector3(20, 100, 0));
  points.push(math::Vector3(160, 100, 0));
  points.push(math::Vector3(300, 100, 0));
  canvas->drawPolylineRibbon(points, pass);
  // 2 wide at the start, 21 in the middle, 40 at the end.
  expectRgb(22, 100, 255, 255, 0);
  expectRgb(22, 104, 0, 0, 0);
  expectRgb(160, 109, 255, 255, 0);
  expectRgb(160, 113, 0, 0, 0);
  expectRgb(298, 118, 255, 255, 0);
  expectRgb(298, 82, 255, 255, 0);
  expectRgb(298, 123, 0, 0, 0);
  EXPECT_EQ(canvas->colorStackSize(), 0u);
  EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}
