#pragma once
// A real OpenGL ES 1.1 context for the rendering tests: SDL's dummy video
// driver and EGL on a surfaceless pbuffer, so no display is needed. One
// canvas and one window per process, as in the program; CanvasFixture gives
// each test the canvas in a known state.

#include "platform/GLContext.h"
#include "video/Canvas.h"
#include "video/OpenGLCanvas.h"
#include "video/OpenGLWindow.h"
#include "video/RenderState.h"

#include <GLES/gl.h>
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

namespace gltest {

inline void startVideo() {
  setenv("SDL_VIDEODRIVER", "dummy", 1);
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  if (!SDL_WasInit(SDL_INIT_VIDEO)) {
    ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO | SDL_INIT_NOPARACHUTE), 0) << SDL_GetError();
  }
}

// The global canvas and a 320 x 480 window with depth and stencil buffers.
// Other tests of the same process may replace or delete the globals; what
// these make stays reachable from here, so it is never taken for a leak. The
// list itself is never destroyed: the leak check runs after static destructors.
inline std::vector<const void *> &made() {
  static auto *objects = new std::vector<const void *>;
  return *objects;
}

inline video::OpenGLCanvas &canvas() {
  startVideo();
  if (!video::Canvas::instance() || !video::Canvas::instance()->asOpenGLCanvas()) {
    auto *canvas = new video::OpenGLCanvas;
    made().push_back(canvas);
    video::Canvas::setInstance(canvas);
  }
  video::Window *current = video::Window::instance();
  if (!current || !current->asOpenGLWindow() || !current->asOpenGLWindow()->created()) {
    auto *window = new video::OpenGLWindow;
    made().push_back(window);
    video::Window::setInstance(window);
    window->create(math::Vector2i(320, 480), false, true, true);
  }
  return *video::Canvas::instance()->asOpenGLCanvas();
}

inline video::OpenGLWindow &window() {
  canvas();
  return *video::Window::instance()->asOpenGLWindow();
}

// Back to the first mode: a fresh context and a reset render state.
inline void resetWindow() {
  video::OpenGLWindow &w = window();
  if (w.size().x != 320 || w.size().y != 480)
    w.setSize(math::Vector2i(320, 480));
}

// A new GL context, so that the canvas's cached state is the GL's again.
inline void freshContext() {
  video::OpenGLWindow &w = window();
  w.resize(math::Vector2i(321, 480));
  w.resize(math::Vector2i(320, 480));
}

// Flat, unlit, untextured drawing that writes every pixel it covers.
inline void plainState() {
  video::RenderState &state = canvas().renderState();
  state.setLighting(false);
  state.setCulling(false);
  state.setDepthTest(false);
  state.setBlending(false);
  state.setAlphaTest(false);
  state.setTexture(nullptr, 0);
  state.setTextureStyle(video::textureStyle::NORMAL, 0);
}

// The canvas of a 320 x 480 screen: matrices reset, screen projection,
// plain state, white colour, colour and depth cleared to black.
inline video::OpenGLCanvas &clearedScreen() {
  video::OpenGLCanvas &c = canvas();
  c.resetMatrices();
  c.setScreenProjection(320.0f, 480.0f);
  plainState();
  c.setColor(math::Color::white);
  c.setClearColor(math::Color::black);
  c.clear(video::Canvas::CLEAR_COLOR | video::Canvas::CLEAR_DEPTH);
  return c;
}

struct Rgba {
  int r, g, b, a;
};

inline Rgba glPixel(int x, int y) {
  unsigned char p[4] = {};
  glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, p);
  return {p[0], p[1], p[2], p[3]};
}

// The window's pixel at (x, y), y up, within the tolerance of the colour.
inline void expectRgb(int x, int y, int r, int g, int b, int tolerance = 0) {
  Rgba p = glPixel(x, y);
  EXPECT_NEAR(p.r, r, tolerance) << "at " << x << "," << y;
  EXPECT_NEAR(p.g, g, tolerance) << "at " << x << "," << y;
  EXPECT_NEAR(p.b, b, tolerance) << "at " << x << "," << y;
}

// The canvas of a 320 x 480 screen, its matrices reset, plain state, white
// colour and cleared to black.
inline video::OpenGLCanvas &screenCanvas() {
  resetWindow();
  video::OpenGLCanvas &c = canvas();
  c.resetMatrices();
  c.setScreenProjection(320.0f, 480.0f);
  plainState();
  c.setColor(math::Color::white);
  c.setClearColor(math::Color::black);
  c.clear(video::Canvas::CLEAR_COLOR);
  return c;
}

// The screen canvas for each test; the colour stack emptied afterwards.
class CanvasFixture : public testing::Test {
protected:
  void SetUp() override { canvas = &screenCanvas(); }
  void TearDown() override {
    while (canvas->colorStackSize())
      canvas->popColor();
    plainState();
  }

  video::OpenGLCanvas *canvas = nullptr;
};

} // namespace gltest
