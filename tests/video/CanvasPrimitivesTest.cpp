// The vertices and the render state of the canvas's 2-D primitives, as the
// vertex renderer hands them over.

#include "math/Box3D.h"
#include "math/Rectangle.h"
#include "support/RecordingCanvas.h"
#include "video/RenderKeywords.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using testing_support::DrawnPrimitive;
using testing_support::RecordingCanvas;

void expectAt(const math::Vector3 &p, float x, float y) {
  EXPECT_NEAR(p.x, x, 1e-4f);
  EXPECT_NEAR(p.y, y, 1e-4f);
  EXPECT_EQ(p.z, 0.0f);
}

// The middle of a line's start and of its end.
math::Vector2 lineStart(const DrawnPrimitive &d) {
  math::Vector3 m = (d.position(0) + d.position(1)) * 0.5f;
  return math::Vector2(m.x, m.y);
}
math::Vector2 lineEnd(const DrawnPrimitive &d) {
  math::Vector3 m = (d.position(2) + d.position(3)) * 0.5f;
  return math::Vector2(m.x, m.y);
}

} // namespace

TEST(CanvasPrimitives, ALineIsTwiceItsWidthAcross) {
  RecordingCanvas canvas;
  canvas.drawLine(math::Vector2(0, 0), math::Vector2(0, 10), math::Color::red, 2.0f, false,
                  video::BLEND_ADDITIVE);
  ASSERT_EQ(canvas.drawn.size(), 1u);
  const DrawnPrimitive &d = canvas.drawn[0];
  EXPECT_EQ(d.primitive, video::PRIMITIVE_TRIANGLE_STRIP);
  ASSERT_EQ(d.vertexCount(), 4);
  const float expected[4][4] = {{2, 0, 0, 1}, {-2, 0, 1, 1}, {2, 10, 0, 0}, {-2, 10, 1, 0}};
  for (int i = 0; i < 4; ++i) {
    expectAt(d.position(i), expected[i][0], expected[i][1]);
    EXPECT_EQ(d.texCoord(i).x, expected[i][2]);
    EXPECT_EQ(d.texCoord(i).y, expected[i][3]);
    EXPECT_EQ(d.color(i).r, 255);
    EXPECT_EQ(d.color(i).g, 0);
  }
  EXPECT_TRUE(d.alphaTest);
  EXPECT_TRUE(d.blending);
  EXPECT_EQ(d.blendMode, video::BLEND_ADDITIVE);
  EXPECT_FALSE(d.depthTest);
  EXPECT_FALSE(d.depthWrite);
  EXPECT_FALSE(d.lighting);
  // The alpha test is only on while the line draws.
  EXPECT_FALSE(canvas.renderState().alphaTest());
}

TEST(CanvasPrimitives, LinesInEveryDirectionStandAcrossThemselves) {
  struct Case {
    float bx, by;
  } cases[] = {{10, 0}, {-10, 0}, {0, -10}, {7, 7}, {-3, 8}, {5, -12}};
  for (const Case &c : cases) {
    RecordingCanvas canvas;
    math::Vector2 a(1, 2), b(1 + c.bx, 2 + c.by);
    canvas.drawLine(a, b, math::Color::white, 1.5f, true, video::BLEND_NORMAL);
    ASSERT_EQ(canvas.drawn.size(), 1u);
    const DrawnPrimitive &d = canvas.drawn[0];
    math::Vector3 across = d.position(0) - d.position(1);
    math::Vector3 along(c.bx, c.by, 0);
    EXPECT_NEAR(across.length(), 3.0f, 1e-4f) << c.bx << "," << c.by;
    EXPECT_NEAR(across.dot(along), 0.0f, 1e-3f) << c.bx << "," << c.by;
    EXPECT_NEAR(lineStart(d).x, a.x, 1e-4f);
    EXPECT_NEAR(lineEnd(d).y, b.y, 1e-4f);
    EXPECT_TRUE(d.depthTest);
    EXPECT_TRUE(d.depthWrite);
  }
}

TEST(CanvasPrimitives, DepthOverridesComeFirst) {
  RecordingCanvas canvas;
  canvas.pushDepthTestOverride(true);
  canvas.pushBlendOverride(video::BLEND_MODULATE);
  canvas.drawLine(math::Vector2(0, 0), math::Vector2(5, 5), math::Color::white, 1, false,
                  video::BLEND_NORMAL);
  canvas.fillRect(0, 0, 5, 5, math::Color::white, video::BLEND_NORMAL);
  ASSERT_EQ(canvas.drawn.size(), 2u);
  for (const DrawnPrimitive &d : canvas.drawn) {
    EXPECT_TRUE(d.depthTest);
    EXPECT_FALSE(d.depthWrite);
    EXPECT_EQ(d.blendMode, video::BLEND_MODULATE);
  }
  // A blend other than "normal" blends even an opaque rectangle.
  EXPECT_TRUE(canvas.drawn[1].blending);
}

TEST(CanvasPrimitives, AnOutlineLiesHalfALineOutside) {
  RecordingCanvas canvas;
  math::Rectangle r;
  r.set(0, 0, 10, 10);
  canvas.strokeRect(0, 0, 10, 10, 2.0f, math::Color::green);
  canvas.strokeRect(r, 2.0f, math::Color::green);
  ASSERT_EQ(canvas.drawn.size(), 8u);
  const float corners[4][2] = {{-1, -1}, {-1, 11}, {11, 11}, {11, -1}};
  for (int i = 0; i < 8; ++i) {
    const DrawnPrimitive &d = canvas.drawn[i];
    const float *from = corners[i % 4];
    const float *to = corners[(i + 1) % 4];
    EXPECT_NEAR(lineStart(d).x, from[0], 1e-4f) << i;
    EXPECT_NEAR(lineStart(d).y, from[1], 1e-4f) << i;
    EXPECT_NEAR(lineEnd(d).x, to[0], 1e-4f) << i;
    EXPECT_NEAR(lineEnd(d).y, to[1], 1e-4f) << i;
    EXPECT_NEAR((d.position(0) - d.position(1)).length(), 4.0f, 1e-4f);
    EXPECT_FALSE(d.depthTest);
    EXPECT_EQ(d.blendMode, video::BLEND_NORMAL);
  }
}

TEST(CanvasPrimitives, ACircleIsFortyEightLinesRoundTheOrigin) {
  RecordingCanvas canvas;
  canvas.drawCircle(20.0f, math::Color::blue, 1.0f);
  ASSERT_EQ(canvas.drawn.size(), 48u);
  EXPECT_NEAR(lineStart(canvas.drawn[0]).x, 0.0f, 1e-4f);
  EXPECT_NEAR(lineStart(canvas.drawn[0]).y, 20.0f, 1e-4f);
  for (size_t i = 0; i < canvas.drawn.size(); ++i) {
    const DrawnPrimitive &d = canvas.drawn[i];
    EXPECT_NEAR(lineEnd(d).length(), 20.0f, 1e-3f);
    // Each segment starts where the one before it ended: the ring closes.
    const DrawnPrimitive &next = canvas.drawn[(i + 1) % canvas.drawn.size()];
    EXPECT_NEAR(lineStart(next).x, lineEnd(d).x, 1e-3f);
    EXPECT_NEAR(lineStart(next).y, lineEnd(d).y, 1e-3f);
  }
}

TEST(CanvasPrimitives, FilledRectanglesBlendOnlyWhenSomethingIsTranslucent) {
  struct Case {
    const char *what;
    math::Color color;
    float stackAlpha; // 0: no colour pushed
    int blend;
    bool blending;
  } cases[] = {
      {"opaque white", math::Color::white, 0.0f, video::BLEND_NORMAL, false},
      {"inside a half-transparent colour", math::Color::white, 0.5f, video::BLEND_NORMAL, true},
      {"inside an opaque colour", math::Color::white, 1.0f, video::BLEND_NORMAL, false},
      {"translucent", math::Color(1, 1, 1, 0.5f), 0.0f, video::BLEND_NORMAL, true},
      {"additive", math::Color::white, 0.0f, video::BLEND_ADDITIVE, true},
      {"source only", math::Color::white, 0.0f, video::BLEND_SOURCE_ONLY, true},
  };
  for (const Case &c : cases) {
    RecordingCanvas canvas;
    if (c.stackAlpha > 0.0f) {
      canvas.pushColor();
      canvas.multiplyColor(math::Color(1, 1, 1, c.stackAlpha));
    }
    canvas.fillRect(10, 20, 30, 40, c.color, c.blend);
    ASSERT_EQ(canvas.drawn.size(), 1u) << c.what;
    const DrawnPrimitive &d = canvas.drawn[0];
    EXPECT_EQ(d.blending, c.blending) << c.what;
    EXPECT_EQ(d.blendMode, c.blend) << c.what;
    EXPECT_EQ(d.texture, nullptr);
    EXPECT_FALSE(d.depthTest);
    EXPECT_FALSE(d.depthWrite);
    EXPECT_EQ(d.primitive, video::PRIMITIVE_TRIANGLE_STRIP);
    // The corners: top-left, bottom-left, top-right, bottom-right.
    ASSERT_EQ(d.vertexCount(), 4);
    expectAt(d.position(0), 10, 60);
    expectAt(d.position(1), 10, 20);
    expectAt(d.position(2), 40, 60);
    expectAt(d.position(3), 40, 20);
    // The vertex colour is modulated by the stack.
    int alpha = int(255.0f * c.color.a * (c.stackAlpha > 0.0f ? c.stackAlpha : 1.0f));
    EXPECT_NEAR(d.color(0).a, alpha, 1) << c.what;
  }
}

TEST(CanvasPrimitives, TheOtherFilledForms) {
  RecordingCanvas canvas;
  math::Rectangle r;
  r.set(1, 2, 3, 4);
  canvas.fillRect(r, math::Color::red, video::BLEND_NORMAL);
  canvas.fillRectCentered(math::Vector2(10, 10), 4, 6, math::Color::red, video::BLEND_NORMAL);
  ASSERT_EQ(canvas.drawn.size(), 2u);
  expectAt(canvas.drawn[0].position(0), 1, 6);
  expectAt(canvas.drawn[0].position(3), 4, 2);
  expectAt(canvas.drawn[1].position(1), 8, 7);
  expectAt(canvas.drawn[1].position(2), 12, 13);

  // Four colours, one per corner in the vertex order; one translucent corner
  // turns blending on.
  const math::Color c1(1.0f, 0.0f, 0.0f, 1.0f), c2(0.0f, 1.0f, 0.0f, 1.0f);
  const math::Color c3(0.0f, 0.0f, 1.0f, 1.0f), c4(1.0f, 1.0f, 0.0f, 0.25f);
  canvas.fillRectCorners(0, 0, 8, 8, c1, c2, c3, c1, video::BLEND_NORMAL);
  canvas.fillRect(r, c1, c2, c3, c4, video::BLEND_NORMAL);
  ASSERT_EQ(canvas.drawn.size(), 4u);
  const DrawnPrimitive &opaque = canvas.drawn[2];
  EXPECT_FALSE(opaque.blending);
  EXPECT_EQ(opaque.color(0).r, 255);
  EXPECT_EQ(opaque.color(1).g, 255);
  EXPECT_EQ(opaque.color(2).b, 255);
  EXPECT_EQ(opaque.color(3).r, 255);
  const DrawnPrimitive &blended = canvas.drawn[3];
  EXPECT_TRUE(blended.blending);
  EXPECT_EQ(blended.color(3).a, 63);
  expectAt(blended.position(3), 4, 2);
}

TEST(CanvasPrimitives, TrianglesAndSolidBoxes) {
  RecordingCanvas canvas;
  canvas.drawTriangle(math::Vector3(0, 0, 0), math::Vector3(1, 0, 0), math::Vector3(0, 1, 2),
                      math::Color::red);
  canvas.drawTriangle(math::Vector3(0, 0, 0), math::Vector3(1, 0, 0), math::Vector3(0, 1, 2),
                      math::Color(1.0f, 0.0f, 0.0f, 0.5f));
  ASSERT_EQ(canvas.drawn.size(), 2u);
  const DrawnPrimitive &t = canvas.drawn[0];
  EXPECT_EQ(t.primitive, video::PRIMITIVE_TRIANGLE_LIST);
  EXPECT_EQ(t.position(2), math::Vector3(0, 1, 2));
  EXPECT_TRUE(t.depthTest);
  EXPECT_TRUE(t.depthWrite);
  EXPECT_FALSE(t.culling);
  EXPECT_FALSE(t.blending);
  EXPECT_TRUE(canvas.drawn[1].blending);

  canvas.drawn.clear();
  math::Box3D box(math::Vector3(1, 2, 3), math::Vector3(1, 1, 2));
  canvas.drawSolidBox(box, math::Color::green, true, false);
  ASSERT_EQ(canvas.drawn.size(), 6u);
  for (const DrawnPrimitive &face : canvas.drawn) {
    EXPECT_EQ(face.primitive, video::PRIMITIVE_TRIANGLE_STRIP);
    ASSERT_EQ(face.vertexCount(), 4);
    EXPECT_TRUE(face.culling);
    EXPECT_EQ(face.shadeModel, video::SHADE_FLAT);
    EXPECT_FALSE(face.depthTest);
    EXPECT_EQ(face.color(3).g, 255);
    ASSERT_EQ(face.normals.size(), 12u);
    // The strip's first triangle faces out of the box, along the normal.
    math::Vector3 n =
        (face.position(1) - face.position(0)).cross(face.position(2) - face.position(0));
    EXPECT_GT(n.dot(face.normal(0)), 0.0f);
    math::Vector3 middle = (face.position(0) + face.position(3)) * 0.5f;
    EXPECT_GT((middle - box.center).dot(face.normal(0)), 0.0f);
    for (int i = 0; i < 4; ++i) {
      math::Vector3 offset = face.position(i) - box.center;
      EXPECT_EQ(std::fabs(offset.x), 1.0f);
      EXPECT_EQ(std::fabs(offset.z), 2.0f);
    }
  }
  canvas.drawn.clear();
  canvas.drawSolidBox(box, math::Color::green, false, true);
  EXPECT_TRUE(canvas.drawn[0].normals.empty());
  EXPECT_TRUE(canvas.drawn[0].depthTest);
}

TEST(CanvasPrimitives, BoxEdges) {
  RecordingCanvas canvas;
  canvas.drawBox3D(math::Box3D(math::Vector3(0, 0, 0), math::Vector3(1, 2, 3)), math::Color::white,
                   0.5f, true);
  ASSERT_EQ(canvas.drawn.size(), 12u);
  int alongZ = 0;
  for (const DrawnPrimitive &edge : canvas.drawn) {
    math::Vector3 from = (edge.position(0) + edge.position(1)) * 0.5f;
    math::Vector3 to = (edge.position(2) + edge.position(3)) * 0.5f;
    for (const math::Vector3 &p : {from, to}) {
      EXPECT_NEAR(std::fabs(p.x), 1.0f, 1e-5f);
      EXPECT_NEAR(std::fabs(p.y), 2.0f, 1e-5f);
      EXPECT_NEAR(std::fabs(p.z), 3.0f, 1e-5f);
    }
    math::Vector3 d = to - from;
    // Each edge runs along one axis only.
    int axes = (std::fabs(d.x) > 1e-5f) + (std::fabs(d.y) > 1e-5f) + (std::fabs(d.z) > 1e-5f);
    EXPECT_EQ(axes, 1);
    alongZ += std::fabs(d.z) > 1e-5f;
    EXPECT_TRUE(edge.depthTest);
  }
  // The joining edges come last.
  EXPECT_EQ(alongZ, 4);
  EXPECT_GT(std::fabs((canvas.drawn[11].position(2) - canvas.drawn[11].position(0)).z), 1.0f);
}
