#pragma once
// The benchmarks' OpenGL ES canvas: SDL's dummy video driver and a 320 x 480
// window without depth or stencil buffers, made on first use and kept for
// the program's life; and a plain white texture to draw with.

#include "surface/PixelBuffer.h"
#include "texture/TextureAnswers.h"
#include "texture/TextureSimple.h"
#include "video/OpenGLCanvas.h"
#include "video/OpenGLWindow.h"

#include <SDL.h>

#include <cstdlib>
#include <cstring>

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

// A 16 x 16 white texture of that name, owned by the caller.
inline TextureSimple *whiteTexture(const wchar_t *name) {
  installTextureAnswers();
  auto *pixels = new PixelBuffer;
  pixels->create(16, 16, PixelBuffer::RGBA8888);
  std::memset(pixels->data(), 255, pixels->byteSize());
  return new TextureSimple(nullptr, Symbol::intern(name), pixels);
}

} // namespace testing_support
