#include "platform/GLContext.h"
#include "support/GLFixture.h"

#include <GLES/gl.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

namespace {

void readPixel(int x, int y, unsigned char out[4]) {
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, out);
}

} // namespace

TEST(GLContext, MakesARealOpenGLES11Context) {
  gltest::startVideo();
  ASSERT_EQ(platform::gl::setAttribute(SDL_GL_DEPTH_SIZE, 24), 0);
  ASSERT_EQ(platform::gl::setAttribute(SDL_GL_STENCIL_SIZE, 1), 0);
  SDL_Surface *screen = platform::gl::setVideoMode(320, 480, 0, SDL_OPENGL | SDL_ANYFORMAT);
  ASSERT_NE(screen, nullptr) << SDL_GetError();
  EXPECT_TRUE(platform::gl::hasContext());
  EXPECT_FALSE(platform::gl::drawsToWindow());

  const char *version = reinterpret_cast<const char *>(glGetString(GL_VERSION));
  ASSERT_NE(version, nullptr);
  EXPECT_EQ(std::strncmp(version, "OpenGL ES-CM 1.1", 16), 0) << version;

  int depth = 0, stencil = 0, red = 0;
  EXPECT_EQ(platform::gl::getAttribute(SDL_GL_DEPTH_SIZE, &depth), 0);
  EXPECT_EQ(platform::gl::getAttribute(SDL_GL_STENCIL_SIZE, &stencil), 0);
  EXPECT_EQ(platform::gl::getAttribute(SDL_GL_RED_SIZE, &red), 0);
  EXPECT_GE(depth, 24);
  EXPECT_GE(stencil, 1);
  EXPECT_EQ(red, 8);

  glClearColor(1, 0, 0, 1);
  glClear(GL_COLOR_BUFFER_BIT);
  unsigned char pixel[4];
  readPixel(319, 479, pixel);
  EXPECT_EQ(pixel[0], 255);
  EXPECT_EQ(pixel[1], 0);
  EXPECT_EQ(pixel[2], 0);
  platform::gl::swapBuffers();
  EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

TEST(GLContext, ANewModeGetsAFreshContextOfTheNewSize) {
  gltest::startVideo();
  ASSERT_NE(platform::gl::setVideoMode(320, 480, 0, SDL_OPENGL), nullptr) << SDL_GetError();
  ASSERT_NE(platform::gl::setVideoMode(480, 320, 0, SDL_OPENGL), nullptr) << SDL_GetError();
  glClearColor(0, 0, 1, 1);
  glClear(GL_COLOR_BUFFER_BIT);
  unsigned char pixel[4] = {};
  readPixel(479, 319, pixel);
  EXPECT_EQ(pixel[2], 255);
  GLint viewport[4];
  glGetIntegerv(GL_VIEWPORT, viewport);
  EXPECT_EQ(viewport[2], 480);
  EXPECT_EQ(viewport[3], 320);
}

TEST(GLContext, AttributesAndEntryPoints) {
  gltest::startVideo();
  int value = 0;
  EXPECT_EQ(platform::gl::setAttribute(999, 1), -1);
  EXPECT_EQ(platform::gl::getAttribute(-1, &value), -1);
  // Only an ES 1 context is offered.
  EXPECT_EQ(platform::gl::setAttribute(platform::gl::ContextMajorVersion, 1), 0);
  EXPECT_EQ(platform::gl::setAttribute(platform::gl::ContextMajorVersion, 2), -1);
  ASSERT_NE(platform::gl::setVideoMode(64, 64, 0, SDL_OPENGL), nullptr) << SDL_GetError();
  // Extension functions come from EGL; the GLES library does not export them.
  EXPECT_NE(platform::gl::procAddress("glDrawTexiOES"), nullptr);
  EXPECT_NE(platform::gl::procAddress("glBindFramebufferOES"), nullptr);
}

TEST(GLContext, WithoutOpenGLTheModeHasNoContext) {
  gltest::startVideo();
  ASSERT_NE(platform::gl::setVideoMode(32, 32, 0, 0), nullptr);
  EXPECT_FALSE(platform::gl::hasContext());
  platform::gl::swapBuffers(); // nothing to present, nothing happens
}

// The X11 road: SDL's own window with an EGL window surface (under Xvfb).
// Runs in a child process: libX11 keeps two strings it never frees, and the
// child ends without the leak check.
[[noreturn]] void drawIntoX11Window() {
  setenv("SDL_VIDEODRIVER", "x11", 1);
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  int failures = 0;
  auto check = [&](bool ok, const char *what) {
    if (!ok) {
      fprintf(stderr, "failed: %s (%s)\n", what, SDL_GetError());
      ++failures;
    }
  };
  check(SDL_Init(SDL_INIT_VIDEO | SDL_INIT_NOPARACHUTE) == 0, "SDL_Init");
  check(platform::gl::setVideoMode(160, 120, 0, SDL_OPENGL) != nullptr, "setVideoMode");
  check(platform::gl::drawsToWindow(), "drawsToWindow");
  glClearColor(0, 1, 0, 1);
  glClear(GL_COLOR_BUFFER_BIT);
  unsigned char pixel[4] = {};
  readPixel(80, 60, pixel);
  check(pixel[0] == 0 && pixel[1] == 255 && pixel[2] == 0, "cleared green");
  platform::gl::swapBuffers();
  // A second mode on the same window gets a working context again.
  check(platform::gl::setVideoMode(200, 100, 0, SDL_OPENGL) != nullptr, "second mode");
  glClearColor(1, 0, 1, 1);
  glClear(GL_COLOR_BUFFER_BIT);
  readPixel(199, 99, pixel);
  check(pixel[0] == 255 && pixel[1] == 0 && pixel[2] == 255, "cleared magenta");
  platform::gl::swapBuffers();
  platform::gl::shutdown();
  check(!platform::gl::hasContext(), "no context after shutdown");
  SDL_Quit();
  fflush(stderr);
  _exit(failures == 0 ? 0 : 1);
}

TEST(GLContext, DrawsIntoSDLsX11Window) {
  const char *display = getenv("DISPLAY");
  if (!display || !*display)
    GTEST_SKIP() << "no X display";
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(drawIntoX11Window(), testing::ExitedWithCode(0), "");
}
