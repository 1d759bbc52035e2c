#include "video/OpenGLWindow.h"

#include "error/Assert.h"
#include "error/Log.h"
#include "platform/GLContext.h"
#include "video/Canvas.h"
#include "video/DisplayHost.h"
#include "video/OpenGLFunctions.h"

#include <GLES/gl.h>
#include <SDL.h>

namespace video {

void OpenGLWindow::create(const math::Vector2i &size, bool fullscreen, bool depthBuffer,
                          bool stencilBuffer) {
  m_size = size;
  m_fullscreen = fullscreen;
  m_depthBuffer = depthBuffer;
  m_stencilBuffer = stencilBuffer;
  setVideoMode();
  m_created = true;
  m_active = true;
}

void OpenGLWindow::setSize(const math::Vector2i &size) {
  if (m_fullscreen)
    return;
  m_size = size;
  DisplayHost::instance().releaseGraphics();
  setVideoMode();
  DisplayHost::instance().windowSizeChanged();
}

void OpenGLWindow::resize(const math::Vector2i &size) {
  if (size.x == m_size.x && size.y == m_size.y)
    return;
  m_size = size;
  DisplayHost::instance().releaseGraphics();
  setVideoMode();
}

void OpenGLWindow::setCaption(const String &caption) {
  char *text = caption.toNarrow();
  SDL_WM_SetCaption(text, text);
  delete[] text;
}

void OpenGLWindow::setFullscreen(bool fullscreen) {
  if (!m_created || fullscreen == m_fullscreen)
    return;
  m_fullscreen = fullscreen;
  DisplayHost::instance().releaseGraphics();
  setVideoMode();
}

void OpenGLWindow::iconify() {
  m_iconified = true;
  SDL_WM_IconifyWindow();
}

void OpenGLWindow::applyDeviceViewport() {
  if (m_viewports.isEmpty())
    return;
  const math::Rectangle &v = m_viewports.last();
  int w = int(v.width);
  int h = int(v.height);
  if (orientationSwapsAxes(DisplayHost::instance().orientation())) {
    int t = w;
    w = h;
    h = t;
  }
  glViewport(GLint(v.x), GLint(v.y), w, h);
}

void OpenGLWindow::setVideoMode() {
  DisplayHost &host = DisplayHost::instance();
  int grabMode = host.inputGrabMode();
  host.setInputGrabbed(SDL_GRAB_ON);

  CORVANE_ASSERT_TEXT(!platform::gl::setAttribute(SDL_GL_DEPTH_SIZE, m_depthBuffer ? 24 : 0),
                      L"!SDL_GL_SetAttribute( SDL_GL_DEPTH_SIZE, m_depthBuffer ? 24 : 0 )");
  CORVANE_ASSERT_TEXT(!platform::gl::setAttribute(SDL_GL_STENCIL_SIZE, m_stencilBuffer ? 1 : 0),
                      L"!SDL_GL_SetAttribute( SDL_GL_STENCIL_SIZE, m_stencilBuffer ? 1 : 0 )");

  Uint32 flags = SDL_OPENGL | SDL_ANYFORMAT;
  if (m_fullscreen)
    flags |= SDL_FULLSCREEN;
  if (host.windowResizable())
    flags |= SDL_RESIZABLE;
  if (!host.windowDecorated())
    flags |= SDL_NOFRAME;

  const SDL_VideoInfo *info = SDL_GetVideoInfo();
  logLine(L"Got video info");
  int bitsPerPixel = info && info->vfmt ? info->vfmt->BitsPerPixel : 0;

  int width = m_size.x;
  int height = m_size.y;
  if (orientationSwapsAxes(host.orientation())) {
    width = m_size.y;
    height = m_size.x;
  }
  if (!platform::gl::setVideoMode(width, height, bitsPerPixel, flags))
    logFormat(L"Video mode set failed: %S\n", String(SDL_GetError()).c_str());
  logLine(String(L"Set video mode, resolution: ") + String::format(L"%d,%d", m_size.x, m_size.y));

  resetOpenGL();
  logLine(L"Initialized OpenGL");
  host.setInputGrabbed(grabMode);
}

void OpenGLWindow::resetOpenGL() {
  clearViewports();
  math::Rectangle whole;
  whole.set(0.0f, 0.0f, float(m_size.x), float(m_size.y));
  pushRawViewport(whole);
  OpenGLFunctions::initialize();
  if (Canvas *canvas = Canvas::instance()) {
    canvas->setScreenProjection(m_size);
    canvas->resetRenderState();
  }
  // Rows of RGB images and odd widths are not multiples of 4 bytes.
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
  glClear(GL_COLOR_BUFFER_BIT);
  glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_FALSE);
}

} // namespace video
