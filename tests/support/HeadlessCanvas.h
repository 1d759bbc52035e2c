#pragma once
// The benchmarks' OpenGL ES canvas: SDL's dummy video driver and a 320 x 480
// window without depth or stencil buffers, made on first use and kept for
// the program's life.

#include "video/OpenGLCanvas.h"
#include "video/OpenGLWindow.h"

#include <SDL.h>

#include <cstdlib>

namespace testing_support {

inline video::Canvas &headlessCanvas() {
  if (!video::Canvas::instance() || !video::Canvas::instance()->asOpenGLCanvas()) {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    SDL_Init(SDL_INIT_VIDEO | SDL_INIT_NOPARACHUTE);
    video::Canvas::setInstance(new video::OpenGLCanvas);
    auto *window = new video::OpenGLWindow;
    video::Window::setInstance(window);
    window->create(math::Vector2i(320, 480), false, false, false);
  }
  return *video::Canvas::instance();
}

} // namespace testing_support
