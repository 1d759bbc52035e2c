#include "camera/Camera.h"
#include "camera/ViewTransform.h"
#include "input/Pointer.h"
#include "math/Sphere.h"
#include "quip/Token.h"
#include "support/GLFixture.h"
#include "support/NullCanvas.h"
#include "video/DisplayHost.h"

#include <gtest/gtest.h>

namespace {

void expectNear(const math::Vector3 &v, float x, float y, float z, float eps = 1e-4f) {
  EXPECT_NEAR(v.x, x, eps);
  EXPECT_NEAR(v.y, y, eps);
  EXPECT_NEAR(v.z, z, eps);
}

struct TurnedHost : video::DisplayHost {
  int turn = 0;
  int orientation() override { return turn; }
};

Symbol sym(const wchar_t *text) { return Symbol::intern(text); }

} // namespace

TEST(Camera, DictionaryFormKeepsOnlyWhatDiffers) {
  Camera fresh;
  quip::Dictionary d;
  fresh.write(d);
  EXPECT_EQ(d.count(), 1u);
  EXPECT_NE(d.lookup(sym(L"position")), nullptr);

  // Any other projection name reads as 2 and writes as the empty symbol.
  quip::Dictionary in;
  in.set(sym(L"projection"), quip::Token(sym(L"fisheye"), false));
  in.set(sym(L"fovY"), quip::Token(30.0f));
  in.set(sym(L"clipFar"), quip::Token(500.0f));
  Camera odd;
  odd.read(in);
  EXPECT_EQ(odd.projection(), 2);
  EXPECT_FLOAT_EQ(odd.fov().y, 30.0f);
  EXPECT_FLOAT_EQ(odd.fov().x, 60.0f); // absent keys stay
  quip::Dictionary out;
  odd.write(out);
  const quip::Token *p = out.lookup(sym(L"projection"));
  ASSERT_NE(p, nullptr);
  EXPECT_TRUE(p->symbol().isEmpty());
  EXPECT_EQ(out.count(), 4u); // projection, position, fovY, clipFar

  Camera back;
  back.read(out);
  EXPECT_FLOAT_EQ(back.clipFar(), 500.0f);
}

TEST(Camera, SettersMarkTheCacheStale) {
  Camera camera;
  camera.matrices();
  EXPECT_FALSE(camera.isStale());
  camera.setPosition(math::Vector3());
  EXPECT_FALSE(camera.isStale()); // the same position
  camera.setPosition(math::Vector3(0, 0, 1));
  EXPECT_TRUE(camera.isStale());
  camera.matrices();
  camera.setFov(math::Vector2(50, 40));
  EXPECT_TRUE(camera.isStale());
}

TEST(Camera, FitsSphereAndClipPlanes) {
  Camera camera;
  camera.fitSphere(math::Vector3(1, 2, 3), 1.0f);
  EXPECT_NEAR((camera.position() - math::Vector3(1, 2, 3)).length(), 2.6131f, 1e-3);
  expectNear(camera.position(), 1, 2, 3 + 2.6131f, 1e-3f);

  // A sphere behind the camera: the minimums.
  Camera behind;
  behind.fitClipPlanes(math::Vector3(0, 0, 10), 2.0f, 0.5f, 20.0f);
  EXPECT_FLOAT_EQ(behind.clipNear(), 0.5f);
  EXPECT_FLOAT_EQ(behind.clipFar(), 20.5f);
  Camera ahead;
  ahead.fitClipPlanes(math::Vector3(0, 0, -10), 2.0f, 0.5f, 1.0f);
  EXPECT_FLOAT_EQ(ahead.clipNear(), 8.0f);
  EXPECT_FLOAT_EQ(ahead.clipFar(), 12.0f);
}

TEST(Camera, RotationTurnsTheAxes) {
  Camera camera;
  expectNear(camera.right(), -1, 0, 0);
  camera.setRotation(math::Vector3(0, 1, 0), 90.0f);
  expectNear(camera.forward(), -1, 0, 0);
  expectNear(camera.up(), 0, 1, 0);
  camera.setEulerAngles(0.0f, 90.0f, 0.0f);
  expectNear(camera.forward(), 1, 0, 0);
}

TEST(Camera, ProjectsAndPicksInNormalisedCoordinates) {
  Camera camera;
  math::Vector2 centre = camera.project(math::Vector3(0, 0, -10));
  EXPECT_NEAR(centre.x, 0.0f, 1e-6);
  EXPECT_NEAR(centre.y, 0.0f, 1e-6);
  // The right edge of the view at depth 10.
  math::Vector2 half = camera.viewHalfExtentAt(math::Vector3(0, 0, -10));
  EXPECT_NEAR(half.x, 5.7735f, 1e-3);
  math::Vector2 edge = camera.project(math::Vector3(half.x, 0, -10));
  EXPECT_NEAR(edge.x, 1.0f, 1e-5);
  math::Segment3D line = camera.pickLine(math::Vector2(1, 0));
  expectNear(line.start, 0.57735f, 0, -1);
  expectNear(line.end, 57.735f, 0, -100, 1e-2f);
  math::Circle circle = camera.projectSphere(math::Vector3(0, 0, -10), half.x);
  EXPECT_NEAR(circle.radius, 1.0f, 1e-5);
}

TEST(CameraMatrices, ViewVolumeOfANewCamera) {
  Camera camera;
  const CameraMatrices &m = camera.matrices();
  EXPECT_EQ(m.viewInverse, math::Matrix4());
  const float nx = 0.5773503f, ny = 0.4142136f;
  const float signs[4][2] = {{-1, -1}, {-1, 1}, {1, -1}, {1, 1}};
  for (int i = 0; i < 4; ++i) {
    expectNear(m.corner(i), signs[i][0] * nx, signs[i][1] * ny, -1, 1e-6f);
    expectNear(m.corner(i + 4), signs[i][0] * nx * 100, signs[i][1] * ny * 100, -100, 1e-3f);
  }
  expectNear(m.planes[0].normal, 0, 0, 1);
  expectNear(m.planes[1].normal, 0, 0, -1);

  struct Case {
    math::Vector3 centre;
    float radius;
    bool visible;
  } cases[] = {{{0, 0, 0}, 1.0f, false},
               {{0, 0, 0}, 1.5f, true},
               {{0, 0, -50}, 1.0f, true},
               {{0, 0, -102}, 1.0f, false}};
  for (const Case &c : cases)
    EXPECT_EQ(camera.isVisible(math::Sphere(c.centre, c.radius)), c.visible)
        << c.centre.z << " " << c.radius;
  EXPECT_FALSE(m.isVisible(math::Vector3(-1, -1, 1), math::Vector3(1, 1, 2)));
  EXPECT_TRUE(m.isVisible(math::Vector3(-1, -1, -1), math::Vector3(1, 1, 0)));
}

TEST(CameraMatrices, OrthographicAndDegenerateVolumes) {
  Camera ortho;
  ortho.setProjection(Camera::ORTHOGRAPHIC);
  const CameraMatrices &m = ortho.matrices();
  expectNear(m.corner(0), -50, -50, -1);
  expectNear(m.corner(7), 50, 50, -100);
  expectNear(m.planes[2].normal, -1, 0, 0);
  EXPECT_FALSE(ortho.isSphereVisible(math::Vector3(-60, 0, -50), 10.0f));
  EXPECT_TRUE(ortho.isSphereVisible(math::Vector3(-60, 0, -50), 10.5f));

  Camera other;
  other.setProjection(2);
  const CameraMatrices &o = other.matrices();
  EXPECT_EQ(o.projectionMatrix, math::Matrix4());
  for (int i = 1; i < 4; ++i) {
    EXPECT_EQ(o.corner(i).x, o.corner(0).x);
    EXPECT_EQ(o.corner(i + 4).y, o.corner(4).y);
  }
  EXPECT_EQ(o.planes[3].normal.lengthSquared(), 0.0f);
  EXPECT_FALSE(o.isVisible(math::Sphere(math::Vector3(5, 5, 5), 0.0f)));
  EXPECT_TRUE(o.isVisible(math::Sphere(math::Vector3(5, 5, 5), 0.1f)));
  EXPECT_TRUE(o.isVisible(math::Vector3(100, 100, 100), math::Vector3(101, 101, 101)));
}

TEST(CameraMatrices, PixelMatricesFollowTheWindow) {
  gltest::resetWindow(); // 320 x 480
  Camera camera;
  math::Vector2 pixel = camera.projectToPixel(math::Vector3(0, 0, -10));
  EXPECT_NEAR(pixel.x, 160.0f, 1e-4);
  EXPECT_NEAR(pixel.y, 240.0f, 1e-4);
  camera.setScreenOffset(math::Vector2(0, -10));
  pixel = camera.projectToPixel(math::Vector3(0, 0, -10));
  EXPECT_NEAR(pixel.x, 160.0f, 1e-4);
  EXPECT_NEAR(pixel.y, 230.0f, 1e-4);
  expectNear(camera.pickLineAtPixel(math::Vector2(160, 230)).start, 0, 0, -1, 1e-5f);
  // The mouse form picks under the pointer's last screen position.
  math::Vector2i saved = framework::pointerPosition();
  framework::setPointerPosition(math::Vector2i(160, 230));
  expectNear(camera.pickLineAtMouse().start, 0, 0, -1, 1e-5f);
  math::Vector3 start, end;
  camera.pickPointsAtMouse(start, end);
  expectNear(end, 0, 0, -100, 1e-3f);
  framework::setPointerPosition(saved);

  // The orientation turns the display only.
  Camera upright, turned;
  CameraMatrices a = upright.matrices();
  TurnedHost host;
  host.turn = 1;
  video::DisplayHost::setInstance(&host);
  CameraMatrices b = turned.matrices();
  video::DisplayHost::setInstance(nullptr);
  EXPECT_EQ(a.projectionMatrix, b.projectionMatrix);
  EXPECT_FALSE(a.displayProjection == b.displayProjection);
  EXPECT_EQ(a.worldToPixel, b.worldToPixel);
  EXPECT_EQ(a.pixelToNear, b.pixelToNear);
  EXPECT_EQ(a.pixelToFar, b.pixelToFar);
  // A point at the right edge of the view lands at the top.
  math::Vector3 p = b.displayProjection.transformPoint(math::Vector3(5.7735027f, 0, -10));
  EXPECT_NEAR(p.x, 0.0f, 1e-5);
  EXPECT_NEAR(p.y, -1.0f, 1e-5);
}

TEST(CameraMatrices, EqualityAndStaleness) {
  gltest::resetWindow();
  Camera camera;
  CameraMatrices never;
  CameraMatrices built = camera.matrices();
  EXPECT_FALSE(never == built);
  Camera same;
  EXPECT_TRUE(same.matrices() == built);

  // A new viewport makes a different record, but only at the next change.
  video::Window &window = gltest::window();
  math::Rectangle half;
  half.set(0, 0, 160, 240);
  window.pushRawViewport(half);
  EXPECT_TRUE(camera.matrices() == built);
  camera.setClipFar(100.0f);
  EXPECT_FALSE(camera.matrices() == built);
  window.popRawViewport();

  window.setSize(math::Vector2i(200, 200));
  Camera sized;
  sized.matrices();
  CameraMatrices before = sized.matrices();
  window.setSize(math::Vector2i(320, 480));
  EXPECT_TRUE(sized.matrices() == before);
}

TEST(Camera, AppliesToTheCanvas) {
  testing_support::NullCanvas canvas;
  Camera camera;
  camera.setPosition(math::Vector3(0, 0, 5));
  camera.setRotation(math::Vector3(0, 1, 0), 30.0f);
  camera.apply(canvas);
  EXPECT_EQ(canvas.camera(), &camera);
  EXPECT_EQ(canvas.projectionCamera(), &camera);
  EXPECT_EQ(canvas.cameraView().view, camera.matrices().viewMatrix);
  EXPECT_FLOAT_EQ(canvas.cameraView().angle, 30.0f);
  camera.release(canvas);
  EXPECT_EQ(canvas.camera(), nullptr);
  EXPECT_EQ(canvas.projectionCamera(), nullptr);
}

TEST(ViewTransform, MapsBothWays) {
  ViewTransform up;
  math::Vector2 s = up.worldToScreen(math::Vector2(3, 4));
  EXPECT_FLOAT_EQ(s.x, 3.0f);
  EXPECT_FLOAT_EQ(s.y, -4.0f);
  math::Vector2 w = up.screenToWorld(s);
  EXPECT_FLOAT_EQ(w.y, 4.0f);

  ViewTransform same;
  same.kind = 0;
  EXPECT_FLOAT_EQ(same.worldToScreen(math::Vector2(3, 4)).y, 4.0f);
  EXPECT_FLOAT_EQ(same.screenToWorld(math::Vector2i(3, 4)).y, 4.0f);

  ViewTransform game;
  game.screenOrigin = math::Vector2(160, 240);
  game.pixelsPerWorld = math::Vector2(32, 32);
  game.worldPerPixel = math::Vector2(1.0f / 32, 1.0f / 32);
  s = game.worldToScreen(math::Vector2(1, 1));
  EXPECT_FLOAT_EQ(s.x, 192.0f);
  EXPECT_FLOAT_EQ(s.y, 208.0f);
  w = game.screenToWorld(math::Vector2i(192, 208));
  EXPECT_FLOAT_EQ(w.x, 1.0f);
  EXPECT_FLOAT_EQ(w.y, 1.0f);
  EXPECT_FLOAT_EQ(game.scaleX(2.0f), 64.0f);
}

namespace {
using GLCameraTest = gltest::CanvasFixture;
}

TEST_F(GLCameraTest, CanvasLoadsTheCameraMatrices) {
  Camera camera;
  camera.setProjection(Camera::ORTHOGRAPHIC);
  camera.apply(*canvas);
  EXPECT_FALSE(canvas->renderState().perspective());
  EXPECT_EQ(canvas->matrix(video::Canvas::PROJECTION), camera.matrices().displayProjection);
  camera.release(*canvas);
  Camera perspective;
  perspective.setPosition(math::Vector3(1, 2, 3));
  perspective.apply(*canvas);
  EXPECT_TRUE(canvas->renderState().perspective());
  EXPECT_EQ(canvas->matrix(video::Canvas::VIEW), perspective.matrices().viewMatrix);
  perspective.release(*canvas);
  EXPECT_EQ(canvas->camera(), nullptr);
}
