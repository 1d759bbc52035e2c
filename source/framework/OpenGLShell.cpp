#include "framework/OpenGLShell.h"

#include "error/Assert.h"
#include "error/Log.h"
#include "file/Pdl.h"
#include "framework/Framework.h"
#include "framework/InputState.h"
#include "platform/GLContext.h"
#include "video/OpenGLCanvas.h"
#include "video/OpenGLWindow.h"

#include <SDL.h>

namespace framework {

namespace {
bool wantsAlpha() { return Framework::exists() && Framework::instance()->wantsAlphaChannel(); }
bool hidesCursor() { return Framework::exists() && Framework::instance()->hidesCursor(); }
} // namespace

OpenGLShell::OpenGLShell() {
  CORVANE_ASSERT_TEXT(!SDL_Init(SDL_INIT_VIDEO | SDL_INIT_NOPARACHUTE),
                      L"!SDL_Init( SDL_INIT_VIDEO | SDL_INIT_NOPARACHUTE )");
  pdl::init(0);
  logFormat(L"PDL Hardware: %S", String(pdl::getHardware()).c_str());
  char language[128] = {};
  pdl::getLanguage(language, int(sizeof language));
  language[sizeof language - 1] = 0;
  logFormat(L"PDL Language: %S", String(language).c_str());

  platform::gl::setAttribute(platform::gl::ContextMajorVersion, 1);
  CORVANE_ASSERT_TEXT(!platform::gl::setAttribute(SDL_GL_RED_SIZE, 1),
                      L"!SDL_GL_SetAttribute( SDL_GL_RED_SIZE, 1 )");
  CORVANE_ASSERT_TEXT(!platform::gl::setAttribute(SDL_GL_GREEN_SIZE, 1),
                      L"!SDL_GL_SetAttribute( SDL_GL_GREEN_SIZE, 1 )");
  CORVANE_ASSERT_TEXT(!platform::gl::setAttribute(SDL_GL_BLUE_SIZE, 1),
                      L"!SDL_GL_SetAttribute( SDL_GL_BLUE_SIZE, 1 )");
  if (wantsAlpha())
    CORVANE_ASSERT_TEXT(!platform::gl::setAttribute(SDL_GL_ALPHA_SIZE, 1),
                        L"!SDL_GL_SetAttribute( SDL_GL_ALPHA_SIZE, 1 )");
  CORVANE_ASSERT_TEXT(!platform::gl::setAttribute(SDL_GL_DOUBLEBUFFER, 1),
                      L"!SDL_GL_SetAttribute( SDL_GL_DOUBLEBUFFER, 1 )");
}

void OpenGLShell::systemInitialize(const math::Vector2i &resolution, bool fullscreen,
                                   bool depthBuffer, bool stencilBuffer, int orientation,
                                   const String &, const String &caption) {
  logLine(String(L"OpenGLShell::systemInitialize(), resolution: ") + resolution.toString());
  m_orientation = orientation;
  if (hidesCursor())
    showCursor(false);

  video::Canvas::setInstance(new video::OpenGLCanvas);
  video::OpenGLWindow *window = new video::OpenGLWindow;
  video::Window::setInstance(window);
  window->create(resolution, fullscreen, depthBuffer, stencilBuffer);
  window->setCaption(caption);

  if (wantsAlpha()) {
    int alphaBits = 0;
    CORVANE_ASSERT_TEXT(!platform::gl::getAttribute(SDL_GL_ALPHA_SIZE, &alphaBits),
                        L"!SDL_GL_GetAttribute( SDL_GL_ALPHA_SIZE, &alphaBits )");
  }
  InputState::instance().enableKeyboard();
  logLine(L"Opened window");
}

void OpenGLShell::quit() {
  InputState::instance().setEnabled(false);
  // The canvas and the window go while their context still exists.
  video::Canvas::destroyInstance();
  video::Window::destroyInstance();
  platform::gl::shutdown();
  pdl::quit();
  SDL_Quit();
}

void OpenGLShell::listDisplayModes(container::Vector<math::Vector2i> &modes, bool depthBuffer,
                                   bool stencilBuffer) {
  modes.clear();
  int prevDepthSize = 0, prevStencilSize = 0;
  CORVANE_ASSERT_TEXT(!platform::gl::getAttribute(SDL_GL_DEPTH_SIZE, &prevDepthSize),
                      L"!SDL_GL_GetAttribute( SDL_GL_DEPTH_SIZE, &prevDepthSize )");
  CORVANE_ASSERT_TEXT(!platform::gl::getAttribute(SDL_GL_STENCIL_SIZE, &prevStencilSize),
                      L"!SDL_GL_GetAttribute( SDL_GL_STENCIL_SIZE, &prevStencilSize )");
  CORVANE_ASSERT_TEXT(!platform::gl::setAttribute(SDL_GL_DEPTH_SIZE, depthBuffer ? 1 : 0),
                      L"!SDL_GL_SetAttribute( SDL_GL_DEPTH_SIZE, depthBuffer ? 1 : 0 )");
  CORVANE_ASSERT_TEXT(!platform::gl::setAttribute(SDL_GL_STENCIL_SIZE, stencilBuffer ? 1 : 0),
                      L"!SDL_GL_SetAttribute( SDL_GL_STENCIL_SIZE, stencilBuffer ? 1 : 0 )");
  SDL_Rect **list =
      SDL_ListModes(nullptr, SDL_FULLSCREEN | SDL_ANYFORMAT | SDL_OPENGL | SDL_HWSURFACE);
  CORVANE_ASSERT_TEXT(!platform::gl::setAttribute(SDL_GL_DEPTH_SIZE, prevDepthSize),
                      L"!SDL_GL_SetAttribute( SDL_GL_DEPTH_SIZE, prevDepthSize )");
  CORVANE_ASSERT_TEXT(!platform::gl::setAttribute(SDL_GL_STENCIL_SIZE, prevStencilSize),
                      L"!SDL_GL_SetAttribute( SDL_GL_STENCIL_SIZE, prevStencilSize )");
  // Null means none, -1 that any size will do: neither is a list.
  if (!list || list == reinterpret_cast<SDL_Rect **>(-1))
    return;
  for (int i = 0; list[i]; ++i)
    modes.push(math::Vector2i(list[i]->w, list[i]->h));
}

math::Vector2i OpenGLShell::screenMetrics() {
  pdl::ScreenMetrics metrics = {};
  pdl::getScreenMetrics(&metrics);
  return math::Vector2i(metrics.horizontalPixels, metrics.verticalPixels);
}

void OpenGLShell::showCursor(bool show) {
  int wanted = show ? SDL_ENABLE : SDL_DISABLE;
  if (SDL_ShowCursor(SDL_QUERY) != wanted)
    SDL_ShowCursor(wanted);
}

} // namespace framework
