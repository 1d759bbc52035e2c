// Ribbon passes and the canvas's ribbon drawings, as the vertex renderer
// receives them.

#include "camera/Camera.h"
#include "file/Database.h"
#include "math/CatmullRomSpline2D.h"
#include "math/CatmullRomSpline3D.h"
#include "quip/Token.h"
#include "support/RecordingCanvas.h"
#include "video/DisplayHost.h"
#include "video/RibbonRenderPass.h"

#include <gtest/gtest.h>

#include <memory>

using testing_support::DrawnPrimitive;
using testing_support::RecordingCanvas;
using video::RibbonRenderPass;

namespace {

Symbol sym(const wchar_t *text) { return Symbol::intern(text); }

Texture *fakeTexture() { return reinterpret_cast<Texture *>(uintptr_t(0x1000)); }

template <typename V> container::Vector<V> points(std::initializer_list<V> list) {
  container::Vector<V> out;
  for (const V &v : list)
    out.push(v);
  return out;
}

quip::Token pointList(std::initializer_list<math::Vector3> list) {
  quip::Array *array = new quip::Array(0);
  for (const math::Vector3 &p : list)
    array->append(p.toToken());
  return quip::Token(array, false);
}

// The distance between the two vertices of pair k.
float pairWidth(const DrawnPrimitive &d, int k) {
  return (d.position(2 * k) - d.position(2 * k + 1)).length();
}

// Doubles world points and lengths on their way to the screen.
struct DoublingHost : video::DisplayHost {
  math::Vector2 worldToScreen(const math::Vector2 &p) override { return p * 2.0f; }
  float worldLengthToScreen(float length) override { return 2.0f * length; }
};

} // namespace

TEST(RibbonRenderPass, DefaultsReadingAndWriting) {
  RibbonRenderPass pass;
  pass.read(Database(sym(L"none"), String(L".")), quip::Dictionary());
  EXPECT_EQ(pass.tOffset, 0.0f);
  EXPECT_EQ(pass.tScale, 1.0f);
  EXPECT_EQ(pass.sLeft, 0.0f);
  EXPECT_EQ(pass.sRight, 1.0f);
  EXPECT_EQ(pass.lineWidthStart, 1.0f);
  EXPECT_EQ(pass.lineWidthEnd, 1.0f);
  EXPECT_EQ(pass.steps, 4u);
  EXPECT_EQ(pass.fadeInStart, 0.0f);
  EXPECT_EQ(pass.fadeInEnd, 0.0f);
  EXPECT_EQ(pass.fadeOutStart, 1.0f);
  EXPECT_EQ(pass.fadeOutEnd, 1.0f);
  EXPECT_EQ(pass.alignment, video::RIBBON_XZ);
  EXPECT_FALSE(pass.lit);
  for (float f : {0.0f, 0.3f, 1.0f})
    EXPECT_EQ(pass.fade(f), 1.0f);

  quip::Dictionary d;
  quip::Dictionary inner;
  inner.set(sym(L"blend"), quip::Token(sym(L"additive"), false));
  d.set(sym(L"renderPass"), quip::Token(inner));
  d.set(sym(L"tScale"), quip::Token(2.0f));
  d.set(sym(L"lineWidthEnd"), quip::Token(5.0f));
  d.set(sym(L"steps"), quip::Token(7.0f));
  d.set(sym(L"alignment"), quip::Token(sym(L"faceCamera"), false));
  Database database(sym(L"ribbons"), String(L"."));
  pass.read(database, d);
  EXPECT_EQ(pass.blend, video::BLEND_ADDITIVE);
  EXPECT_EQ(pass.tScale, 2.0f);
  EXPECT_EQ(pass.lineWidthEnd, 5.0f);
  EXPECT_EQ(pass.steps, 7u);
  EXPECT_EQ(pass.alignment, video::RIBBON_FACE_CAMERA);
  // An alignment of no known name leaves it; so many steps are held back.
  d.set(sym(L"alignment"), quip::Token(sym(L"sideways"), false));
  d.set(sym(L"steps"), quip::Token(1e9f));
  pass.read(database, d);
  EXPECT_EQ(pass.alignment, video::RIBBON_FACE_CAMERA);
  EXPECT_EQ(pass.steps, 1024u);

  quip::Dictionary written;
  pass.write(written);
  RibbonRenderPass back;
  back.read(database, written);
  EXPECT_EQ(back.blend, video::BLEND_ADDITIVE);
  EXPECT_EQ(back.tScale, 2.0f);
  EXPECT_EQ(back.lineWidthEnd, 5.0f);
  EXPECT_EQ(back.steps, 1024u);
  EXPECT_EQ(back.alignment, video::RIBBON_FACE_CAMERA);
  EXPECT_EQ(written.lookup(sym(L"alignment"))->symbol(), sym(L"faceCamera"));
  ASSERT_NE(written.lookup(sym(L"fadeOutEnd")), nullptr);
  // Outside the table no alignment is written.
  back.alignment = 9;
  quip::Dictionary none;
  back.write(none);
  EXPECT_EQ(none.lookup(sym(L"alignment")), nullptr);
}

TEST(RibbonRenderPass, WidthAndFadeAlongTheRibbon) {
  RibbonRenderPass pass;
  pass.fadeInEnd = 0.2f;
  pass.fadeOutStart = 0.8f;
  pass.lineWidthStart = 2.0f;
  pass.lineWidthEnd = 4.0f;
  struct Case {
    float f, fade, width;
  } cases[] = {{0.5f, 1.0f, 3.0f}, {0.1f, 0.5f, 2.2f},  {0.9f, 0.5f, 3.8f}, {1.0f, 0.0f, 4.0f},
               {0.0f, 0.0f, 2.0f}, {-1.0f, 0.0f, 2.0f}, {2.0f, 0.0f, 4.0f}};
  for (const Case &c : cases) {
    EXPECT_NEAR(pass.fade(c.f), c.fade, 1e-6f) << c.f;
    EXPECT_NEAR(pass.width(c.f), c.width, 1e-6f) << c.f;
  }
}

TEST(Ribbons, APolylineOfOnePointDrawsNothingAndOfTwoOneStrip) {
  RecordingCanvas canvas;
  RibbonRenderPass pass;
  canvas.drawPolylineRibbon(points({math::Vector3(1, 2, 3)}), pass);
  canvas.drawPolylineRibbon(container::Vector<math::Vector3>(), pass);
  EXPECT_TRUE(canvas.drawn.empty());
  EXPECT_EQ(canvas.colorStackSize(), 0u);
  canvas.drawPolylineRibbon(points({math::Vector3(0, 0, 0), math::Vector3(0, 0, 4)}), pass);
  ASSERT_EQ(canvas.drawn.size(), 1u);
  EXPECT_EQ(canvas.drawn[0].primitive, video::PRIMITIVE_TRIANGLE_STRIP);
  EXPECT_EQ(canvas.drawn[0].vertexCount(), 4);
  EXPECT_EQ(canvas.drawn[0].shadeModel, video::SHADE_SMOOTH);
  EXPECT_EQ(canvas.colorStackSize(), 0u);
}

TEST(Ribbons, AlignmentsLayTheRibbonExactlyItsWidthAcross) {
  struct Case {
    int alignment;
    math::Vector3 a, b;
  } cases[] = {
      {video::RIBBON_XY, {0, 0, 0}, {10, 0, 0}},
      {video::RIBBON_XY, {1, 1, 5}, {4, -3, 5}},
      {video::RIBBON_XZ, {0, 2, 0}, {0, 2, 10}},
      {video::RIBBON_XZ, {1, 2, 1}, {-5, 2, 7}},
  };
  for (const Case &c : cases) {
    RecordingCanvas canvas;
    RibbonRenderPass pass;
    pass.alignment = c.alignment;
    pass.lineWidthStart = pass.lineWidthEnd = 3.0f;
    canvas.drawPolylineRibbon(points({c.a, c.b}), pass);
    ASSERT_EQ(canvas.drawn.size(), 1u);
    const DrawnPrimitive &d = canvas.drawn[0];
    math::Vector3 along = c.b - c.a;
    for (int k = 0; k < 2; ++k) {
      math::Vector3 across = d.position(2 * k) - d.position(2 * k + 1);
      EXPECT_NEAR(across.length(), 3.0f, 1e-4f);
      EXPECT_NEAR(across.dot(along), 0.0f, 1e-3f);
      // Centred on the point, in the alignment's plane.
      math::Vector3 middle = (d.position(2 * k) + d.position(2 * k + 1)) * 0.5f;
      math::Vector3 point = k == 0 ? c.a : c.b;
      EXPECT_NEAR((middle - point).length(), 0.0f, 1e-4f);
      EXPECT_EQ(c.alignment == video::RIBBON_XY ? across.z : across.y, 0.0f);
    }
  }
}

TEST(Ribbons, WidthsFadesAndTextureCoordinatesAlongAPolyline) {
  RecordingCanvas canvas;
  RibbonRenderPass pass;
  pass.alignment = video::RIBBON_XY;
  pass.lineWidthStart = 1.0f;
  pass.lineWidthEnd = 3.0f;
  pass.fadeOutStart = 0.5f;
  pass.tOffset = 0.25f;
  pass.sLeft = 0.1f;
  pass.sRight = 0.9f;
  auto line = points({math::Vector3(0, 0, 0), math::Vector3(0, 4, 0), math::Vector3(0, 10, 0)});
  canvas.drawPolylineRibbon(line, pass);
  ASSERT_EQ(canvas.drawn.size(), 1u);
  const DrawnPrimitive &plain = canvas.drawn[0];
  ASSERT_EQ(plain.vertexCount(), 6);
  EXPECT_NEAR(pairWidth(plain, 0), 1.0f, 1e-5f);
  EXPECT_NEAR(pairWidth(plain, 1), 2.0f, 1e-5f);
  EXPECT_NEAR(pairWidth(plain, 2), 3.0f, 1e-5f);
  EXPECT_EQ(plain.color(1).a, 255);
  EXPECT_EQ(plain.color(5).a, 0); // faded out at the end
  // Without a texture every pair is at tOffset.
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(plain.texCoord(i).y, 0.25f);
    EXPECT_EQ(plain.texCoord(i).x, i % 2 ? 0.9f : 0.1f);
  }
  // With one, t grows with the distance (a texture of unknown size counts 1).
  pass.texture = fakeTexture();
  pass.tScale = 0.5f;
  canvas.drawPolylineRibbon(line, pass);
  ASSERT_EQ(canvas.drawn.size(), 2u);
  const DrawnPrimitive &textured = canvas.drawn[1];
  EXPECT_EQ(textured.texCoord(0).y, 0.25f);
  EXPECT_NEAR(textured.texCoord(2).y, 0.25f + 2.0f, 1e-5f);
  EXPECT_NEAR(textured.texCoord(5).y, 0.25f + 5.0f, 1e-5f);
  EXPECT_EQ(textured.texture, fakeTexture());
}

TEST(Ribbons, LinesCarryTheirColourOnce) {
  RecordingCanvas canvas;
  const math::Color grey(0.5f, 0.5f, 0.5f, 1.0f);
  canvas.drawLine3D(math::Vector3(0, 0, 0), math::Vector3(10, 0, 0), grey, 2.0f, false,
                    video::BLEND_NORMAL);
  ASSERT_EQ(canvas.drawn.size(), 1u);
  const DrawnPrimitive &d = canvas.drawn[0];
  // 0.5, not 0.25: the pass colour applies once.
  for (int i = 0; i < 4; ++i)
    EXPECT_EQ(d.color(i).r, 127);
  // Without a camera it lies in the x-y plane, exactly its width across.
  EXPECT_NEAR(pairWidth(d, 0), 2.0f, 1e-5f);
  EXPECT_EQ(d.position(0).z, 0.0f);
  EXPECT_TRUE(d.alphaTest);
  EXPECT_FALSE(d.depthTest);
  EXPECT_FALSE(d.culling);
  EXPECT_FALSE(d.lighting);
  EXPECT_FALSE(canvas.renderState().alphaTest());
  EXPECT_EQ(canvas.colorStackSize(), 0u);

  // A polyline in a pass of that colour, inside a pushed colour: both once.
  RibbonRenderPass pass;
  pass.color = grey;
  canvas.pushColor();
  canvas.multiplyColor(math::Color(1.0f, 0.5f, 1.0f, 1.0f));
  canvas.drawPolylineRibbon(points({math::Vector3(), math::Vector3(0, 0, 1)}), pass);
  canvas.popColor();
  EXPECT_EQ(canvas.drawn[1].color(0).r, 127);
  EXPECT_EQ(canvas.drawn[1].color(0).g, 63);
}

TEST(Ribbons, LinesUnderACameraFaceIt) {
  RecordingCanvas canvas;
  Camera camera;
  camera.setPosition(math::Vector3(0, 0, 10));
  camera.apply(canvas);
  canvas.drawLine3D(math::Vector3(0, 0, 0), math::Vector3(0, 5, 0), math::Color::white, 1.0f, true,
                    video::BLEND_NORMAL);
  canvas.drawLine3D(math::Vector3(0, 0, 0), math::Vector3(5, 0, 0), math::Color::white, 1.0f, true,
                    video::BLEND_NORMAL);
  camera.release(canvas);
  ASSERT_EQ(canvas.drawn.size(), 2u);
  // Across the line in the screen's plane, exactly the width wide.
  math::Vector3 upright = canvas.drawn[0].position(0) - canvas.drawn[0].position(1);
  math::Vector3 level = canvas.drawn[1].position(0) - canvas.drawn[1].position(1);
  EXPECT_NEAR(std::fabs(upright.x), 1.0f, 1e-4f);
  EXPECT_NEAR(upright.y, 0.0f, 1e-4f);
  EXPECT_NEAR(upright.z, 0.0f, 1e-4f);
  EXPECT_NEAR(std::fabs(level.y), 1.0f, 1e-4f);
  EXPECT_NEAR(level.x, 0.0f, 1e-4f);
  EXPECT_NEAR(level.z, 0.0f, 1e-4f);
  EXPECT_TRUE(canvas.drawn[0].depthTest);
  EXPECT_TRUE(canvas.drawn[0].depthWrite);
}

TEST(Ribbons, PathsWalkTheirSegmentsInSteps) {
  RecordingCanvas canvas;
  math::CatmullRomSpline3D path;
  quip::Dictionary d;
  d.set(sym(L"points"), pointList({{0, 0, 0}, {0, 0, 1}, {0, 0, 2}, {0, 0, 3}, {0, 0, 4}}));
  ASSERT_TRUE(path.load(d));
  RibbonRenderPass pass;
  pass.lineWidthEnd = 3.0f;
  canvas.drawPathRibbon(path, pass);
  ASSERT_EQ(canvas.drawn.size(), 1u);
  const DrawnPrimitive &strip = canvas.drawn[0];
  // Two segments of four steps: nine pairs, from z 1 to z 3.
  ASSERT_EQ(strip.vertexCount(), 18);
  EXPECT_NEAR(strip.position(0).z, 1.0f, 1e-4f);
  EXPECT_NEAR(strip.position(17).z, 3.0f, 1e-4f);
  EXPECT_NEAR(pairWidth(strip, 0), 1.0f, 1e-4f);
  EXPECT_NEAR(pairWidth(strip, 4), 2.0f, 1e-3f);
  EXPECT_NEAR(pairWidth(strip, 8), 3.0f, 1e-4f);

  // Three points or none: nothing.
  math::CatmullRomSpline3D short3;
  d.set(sym(L"points"), pointList({{0, 0, 0}, {0, 0, 1}, {0, 0, 2}}));
  short3.load(d);
  canvas.drawPathRibbon(short3, pass);
  EXPECT_EQ(canvas.drawn.size(), 1u);
}

TEST(Ribbons, FlatSplinesAndPolylinesMapThroughTheView) {
  RecordingCanvas canvas;
  RibbonRenderPass pass;
  pass.lineWidthStart = pass.lineWidthEnd = 2.0f;
  auto line = points({math::Vector2(0, 0), math::Vector2(0, 3), math::Vector2(0, 5)});
  canvas.drawPolylineRibbon2D(line, pass, false);
  DoublingHost host;
  video::DisplayHost::setInstance(&host);
  canvas.drawPolylineRibbon2D(line, pass, true);
  video::DisplayHost::setInstance(nullptr);
  ASSERT_EQ(canvas.drawn.size(), 2u);
  const DrawnPrimitive &plain = canvas.drawn[0], &mapped = canvas.drawn[1];
  ASSERT_EQ(plain.vertexCount(), 6);
  EXPECT_NEAR(plain.position(0).x, 1.0f, 1e-5f); // the first of a pair: +x of an upward line
  EXPECT_NEAR(plain.position(3).y, 3.0f, 1e-5f);
  EXPECT_NEAR(pairWidth(plain, 2), 2.0f, 1e-5f);
  for (int i = 0; i < 6; ++i) {
    EXPECT_NEAR(mapped.position(i).x, 2.0f * plain.position(i).x, 1e-5f);
    EXPECT_NEAR(mapped.position(i).y, 2.0f * plain.position(i).y, 1e-5f);
    // The lengths are mapped too (t advances by them even without texture).
    EXPECT_NEAR(mapped.texCoord(i).y, 2.0f * plain.texCoord(i).y, 1e-5f);
  }
  EXPECT_NEAR(plain.texCoord(5).y, 5.0f, 1e-5f);

  math::CatmullRomSpline2D spline;
  quip::Dictionary d;
  quip::Array *array = new quip::Array(0);
  for (float x : {0.0f, 1.0f, 2.0f, 3.0f})
    array->append(math::Vector2(x, 1.0f).toToken());
  d.set(sym(L"points"), quip::Token(array, false));
  ASSERT_TRUE(spline.load(d));
  pass.steps = 2;
  canvas.drawSpline(spline, pass, false);
  ASSERT_EQ(canvas.drawn.size(), 3u);
  const DrawnPrimitive &curve = canvas.drawn[2];
  // One segment in two steps: three pairs, from x 1 to x 2 along y 1.
  ASSERT_EQ(curve.vertexCount(), 6);
  for (int k = 0; k < 3; ++k) {
    EXPECT_NEAR(pairWidth(curve, k), 2.0f, 1e-4f);
    EXPECT_NEAR(curve.position(2 * k).x, 1.0f + 0.5f * float(k), 1e-4f);
  }
  EXPECT_NEAR(curve.position(0).y, 0.0f, 1e-4f); // the first of a pair: below a rightward line
  EXPECT_EQ(curve.position(0).z, 0.0f);
  canvas.drawSpline(math::CatmullRomSpline2D(), pass, false);
  EXPECT_EQ(canvas.drawn.size(), 3u);
}
