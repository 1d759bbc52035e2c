#include "support/GLFixture.h"

#include "video/DisplayHost.h"
#include "video/OpenGLFunctions.h"

#include <string>
#include <vector>

namespace {

// A host that counts what the window asks and turns the screen on request.
struct CountingHost : video::DisplayHost {
  int releases = 0;
  int sizeChanges = 0;
  int turned = 0;
  std::vector<int> grabs;
  void releaseGraphics() override { ++releases; }
  void setInputGrabbed(int mode) override {
    grabs.push_back(mode);
    DisplayHost::setInputGrabbed(mode);
  }
  void windowSizeChanged() override { ++sizeChanges; }
  int orientation() override { return turned; }
};

struct HostScope {
  CountingHost host;
  HostScope() { video::DisplayHost::setInstance(&host); }
  ~HostScope() { video::DisplayHost::setInstance(nullptr); }
};

math::Rectangle rect(float x, float y, float w, float h) {
  math::Rectangle r;
  r.set(x, y, w, h);
  return r;
}

void expectViewport(int x, int y, int w, int h) {
  GLint v[4];
  glGetIntegerv(GL_VIEWPORT, v);
  EXPECT_EQ(v[0], x);
  EXPECT_EQ(v[1], y);
  EXPECT_EQ(v[2], w);
  EXPECT_EQ(v[3], h);
}

} // namespace

TEST(OpenGLWindow, SettingTheModeLogsAndResetsTheGL) {
  gltest::window();
  HostScope scope;
  testing::internal::CaptureStderr();
  gltest::window().setSize(math::Vector2i(200, 100));
  std::string log = testing::internal::GetCapturedStderr();
  size_t info = log.find("Got video info");
  size_t mode = log.find("Set video mode, resolution: 200,100\n");
  size_t version = log.find("OpenGL version: ");
  size_t done = log.find("Initialized OpenGL\n");
  ASSERT_NE(info, std::string::npos) << log;
  ASSERT_NE(mode, std::string::npos) << log;
  ASSERT_NE(version, std::string::npos) << log;
  ASSERT_NE(done, std::string::npos) << log;
  EXPECT_LT(info, mode);
  EXPECT_LT(mode, version);
  EXPECT_LT(version, done);
  EXPECT_EQ(log.find("Video mode set failed"), std::string::npos);
  EXPECT_EQ(scope.host.releases, 1);
  EXPECT_EQ(scope.host.sizeChanges, 1);
  // Input is grabbed while the mode is set, then the old mode comes back.
  EXPECT_EQ(scope.host.grabs, (std::vector<int>{SDL_GRAB_ON, SDL_GRAB_OFF}));

  // Rows of any width read and upload unpadded; alpha is never written.
  GLint pack = 0, unpack = 0;
  glGetIntegerv(GL_PACK_ALIGNMENT, &pack);
  glGetIntegerv(GL_UNPACK_ALIGNMENT, &unpack);
  EXPECT_EQ(pack, 1);
  EXPECT_EQ(unpack, 1);
  GLboolean mask[4];
  glGetBooleanv(GL_COLOR_WRITEMASK, mask);
  EXPECT_TRUE(mask[0] && mask[1] && mask[2]);
  EXPECT_FALSE(mask[3]);
  expectViewport(0, 0, 200, 100);
  EXPECT_EQ(gltest::window().viewportCount(), 1u);
  gltest::resetWindow();
}

TEST(OpenGLWindow, AFailedModeIsLoggedAndTheResetGoesOn) {
  gltest::window();
  // No configuration has 32-bit alpha.
  platform::gl::setAttribute(SDL_GL_ALPHA_SIZE, 32);
  testing::internal::CaptureStderr();
  gltest::window().setSize(math::Vector2i(200, 100));
  std::string log = testing::internal::GetCapturedStderr();
  platform::gl::setAttribute(SDL_GL_ALPHA_SIZE, 0);
  EXPECT_FALSE(platform::gl::hasContext());
  size_t failed = log.find("Video mode set failed: No EGL configuration");
  ASSERT_NE(failed, std::string::npos) << log;
  EXPECT_LT(failed, log.find("Set video mode, resolution: 200,100"));
  EXPECT_NE(log.find("Initialized OpenGL"), std::string::npos);
  // Drawing without a context does nothing.
  gltest::canvas().clear(video::Canvas::CLEAR_COLOR);
  gltest::resetWindow();
  EXPECT_TRUE(platform::gl::hasContext());
  EXPECT_EQ(OpenGLFunctions::version, 5);
}

TEST(OpenGLWindow, ChangesThatChangeNothing) {
  gltest::window();
  HostScope scope;
  video::OpenGLWindow &w = gltest::window();
  w.resize(w.size()); // same size
  EXPECT_EQ(scope.host.releases, 0);

  video::OpenGLWindow fresh; // never created
  fresh.setFullscreen(true);
  EXPECT_FALSE(fresh.fullscreen());
  EXPECT_EQ(scope.host.releases, 0);

  w.setFullscreen(true);
  EXPECT_EQ(scope.host.releases, 1);
  w.setSize(math::Vector2i(100, 100)); // ignored while full screen
  EXPECT_EQ(w.size().x, 320);
  EXPECT_EQ(scope.host.releases, 1);
  w.setFullscreen(false);
  EXPECT_EQ(scope.host.releases, 2);
}

TEST(OpenGLWindow, ClippingViewports) {
  gltest::resetWindow();
  video::OpenGLWindow &w = gltest::window();
  video::Canvas &canvas = gltest::canvas();
  uint32_t base = w.viewportCount();

  // Clipped by the window.
  w.pushViewport(rect(300, 460, 100, 100));
  EXPECT_TRUE(w.topViewport() == rect(300, 460, 20, 20));
  expectViewport(300, 460, 20, 20);
  // Its projection is of its own size, and drawing keeps window coordinates.
  math::Vector3 corner =
      canvas.matrix(video::Canvas::PROJECTION)
          .transformPoint(canvas.matrix(video::Canvas::VIEW)
                              .transformPoint(canvas.matrix(video::Canvas::MODEL)
                                                  .transformPoint(math::Vector3(320, 480, 0))));
  EXPECT_NEAR(corner.x, 1.0f, 1e-5);
  EXPECT_NEAR(corner.y, 1.0f, 1e-5);

  // A raw viewport above it is not narrowed by it, and does not narrow the next clip.
  w.pushRawViewport(rect(0, 0, 100, 100));
  EXPECT_TRUE(w.topViewport() == rect(0, 0, 100, 100));
  w.pushViewport(rect(0, 0, 310, 470));
  EXPECT_TRUE(w.topViewport() == rect(300, 460, 10, 10));
  w.popViewport();
  expectViewport(0, 0, 100, 100);
  w.popRawViewport();
  expectViewport(300, 460, 20, 20);
  w.popViewport();
  EXPECT_EQ(w.viewportCount(), base);
  expectViewport(0, 0, 320, 480);
  canvas.resetMatrices();
  canvas.setScreenProjection(320.0f, 480.0f);
}

TEST(OpenGLWindow, AViewportOutsideTheWindowIsEmpty) {
  gltest::resetWindow();
  video::OpenGLWindow &w = gltest::window();
  video::Canvas &canvas = gltest::canvas();
  math::Matrix4 projection = canvas.matrix(video::Canvas::PROJECTION);
  math::Matrix4 model = canvas.matrix(video::Canvas::MODEL);
  w.pushViewport(rect(500, 600, 50, 50));
  EXPECT_TRUE(w.topViewport() == rect(0, 0, 0, 0));
  expectViewport(0, 0, 0, 0);
  // Projection unchanged; the translation by (0, 0) leaves the model as it was.
  EXPECT_TRUE(canvas.matrix(video::Canvas::PROJECTION) == projection);
  EXPECT_TRUE(canvas.matrix(video::Canvas::MODEL) == model);
  w.popViewport();
}

TEST(OpenGLWindow, TurnedScreensExchangeTheDeviceAxes) {
  gltest::resetWindow();
  HostScope scope;
  scope.host.turned = 1;
  video::OpenGLWindow &w = gltest::window();
  testing::internal::CaptureStderr();
  w.setSize(math::Vector2i(300, 200));
  std::string log = testing::internal::GetCapturedStderr();
  EXPECT_NE(log.find("Set video mode, resolution: 300,200\n"), std::string::npos);
  EXPECT_EQ(w.size().x, 300);
  expectViewport(0, 0, 200, 300);
  // The surface is the device's: 200 wide, 300 high.
  glClearColor(0, 1, 0, 1);
  glClear(GL_COLOR_BUFFER_BIT);
  EXPECT_EQ(gltest::glPixel(199, 299).g, 255);
  scope.host.turned = 0;
  gltest::resetWindow();
}

TEST(OpenGLWindow, ScreenQueries) {
  gltest::resetWindow();
  EXPECT_EQ(video::Window::screenSize().x, 320.0f);
  EXPECT_EQ(video::Window::screenSize().y, 480.0f);
  EXPECT_EQ(video::Window::screenCenter().x, 160.0f);
  EXPECT_TRUE(video::Window::screenRectangle() == rect(0, 0, 320, 480));
}
