#include "platform/GLContext.h"

#include <EGL/egl.h>
#include <EGL/eglext.h>
#include <GLES/gl.h>
#include <SDL_syswm.h>
#include <X11/Xlib.h>

namespace platform::gl {

namespace {

constexpr int attributeCount = 32;

// SDL 1.2's defaults, plus the ES major version.
struct Attributes {
  int values[attributeCount] = {};
  Attributes() {
    values[SDL_GL_RED_SIZE] = 3;
    values[SDL_GL_GREEN_SIZE] = 3;
    values[SDL_GL_BLUE_SIZE] = 2;
    values[SDL_GL_DOUBLEBUFFER] = 1;
    values[SDL_GL_DEPTH_SIZE] = 16;
    values[ContextMajorVersion] = 1;
  }
};

struct State {
  Attributes requested;
  EGLDisplay display = EGL_NO_DISPLAY;
  bool displayIsX11 = false;
  void *nativeDisplay = nullptr;
  EGLConfig config = nullptr;
  EGLContext context = EGL_NO_CONTEXT;
  EGLSurface surface = EGL_NO_SURFACE;
  bool window = false;
};

State &state() {
  static State s;
  return s;
}

bool known(int attribute) {
  return attribute >= 0 && attribute < attributeCount &&
         (attribute <= SDL_GL_SWAP_CONTROL || attribute == ContextMajorVersion);
}

void fail(const char *what) { SDL_SetError("%s failed (EGL error 0x%x)", what, eglGetError()); }

void releaseSurface() {
  State &s = state();
  if (s.display == EGL_NO_DISPLAY)
    return;
  eglMakeCurrent(s.display, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
  if (s.surface != EGL_NO_SURFACE)
    eglDestroySurface(s.display, s.surface);
  if (s.context != EGL_NO_CONTEXT)
    eglDestroyContext(s.display, s.context);
  s.surface = EGL_NO_SURFACE;
  s.context = EGL_NO_CONTEXT;
  s.config = nullptr;
}

void terminateX11Display() {
  State &s = state();
  if (s.display != EGL_NO_DISPLAY && s.displayIsX11) {
    // SDL closes this X connection at SDL_Quit; EGL must let go of it first.
    eglTerminate(s.display);
    s.display = EGL_NO_DISPLAY;
    s.nativeDisplay = nullptr;
  }
}

bool openDisplay(bool x11, void *nativeDisplay) {
  State &s = state();
  if (s.display != EGL_NO_DISPLAY && s.displayIsX11 == x11 && s.nativeDisplay == nativeDisplay)
    return true;
  terminateX11Display();
  EGLDisplay display =
      x11 ? eglGetPlatformDisplay(EGL_PLATFORM_X11_KHR, nativeDisplay, nullptr)
          : eglGetPlatformDisplay(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
  if (display == EGL_NO_DISPLAY) {
    fail("eglGetPlatformDisplay");
    return false;
  }
  if (!eglInitialize(display, nullptr, nullptr)) {
    fail("eglInitialize");
    return false;
  }
  s.display = display;
  s.displayIsX11 = x11;
  s.nativeDisplay = nativeDisplay;
  return true;
}

int configValue(EGLConfig config, EGLint attribute) {
  EGLint v = 0;
  eglGetConfigAttrib(state().display, config, attribute, &v);
  return v;
}

// Among the configs that meet the requested minimums: the one of the window's
// visual first, then plain 8-bit channels (EGL sorts deeper colour first), with
// an alpha channel only when one was asked for.
bool chooseConfig(bool window, VisualID visual) {
  State &s = state();
  const int *want = s.requested.values;
  const EGLint attributes[] = {EGL_SURFACE_TYPE,
                               window ? EGL_WINDOW_BIT : EGL_PBUFFER_BIT,
                               EGL_RENDERABLE_TYPE,
                               EGL_OPENGL_ES_BIT,
                               EGL_RED_SIZE,
                               want[SDL_GL_RED_SIZE],
                               EGL_GREEN_SIZE,
                               want[SDL_GL_GREEN_SIZE],
                               EGL_BLUE_SIZE,
                               want[SDL_GL_BLUE_SIZE],
                               EGL_ALPHA_SIZE,
                               want[SDL_GL_ALPHA_SIZE],
                               EGL_DEPTH_SIZE,
                               want[SDL_GL_DEPTH_SIZE],
                               EGL_STENCIL_SIZE,
                               want[SDL_GL_STENCIL_SIZE],
                               EGL_NONE};
  EGLConfig configs[256];
  EGLint count = 0;
  if (!eglChooseConfig(s.display, attributes, configs, 256, &count) || count <= 0) {
    SDL_SetError("No EGL configuration for OpenGL ES %s surfaces with the requested sizes",
                 window ? "window" : "pbuffer");
    return false;
  }
  int best = -1;
  int bestScore = -1;
  for (int i = 0; i < count; ++i) {
    int score = 0;
    if (window && VisualID(configValue(configs[i], EGL_NATIVE_VISUAL_ID)) == visual)
      score += 8;
    if (configValue(configs[i], EGL_RED_SIZE) == 8 &&
        configValue(configs[i], EGL_GREEN_SIZE) == 8 && configValue(configs[i], EGL_BLUE_SIZE) == 8)
      score += 4;
    int alpha = configValue(configs[i], EGL_ALPHA_SIZE);
    if ((want[SDL_GL_ALPHA_SIZE] > 0) == (alpha > 0))
      score += 2;
    if (score > bestScore) {
      best = i;
      bestScore = score;
    }
  }
  s.config = configs[best];
  return true;
}

bool makeContext(SDL_Surface *screen) {
  State &s = state();
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  bool x11 = SDL_GetWMInfo(&info) > 0 && info.subsystem == SDL_SYSWM_X11;
  if (!openDisplay(x11, x11 ? info.info.x11.display : nullptr))
    return false;
  if (!eglBindAPI(EGL_OPENGL_ES_API)) {
    fail("eglBindAPI");
    return false;
  }
  VisualID visual = 0;
  if (x11) {
    XWindowAttributes wa;
    info.info.x11.lock_func();
    if (XGetWindowAttributes(info.info.x11.display, info.info.x11.window, &wa))
      visual = XVisualIDFromVisual(wa.visual);
    info.info.x11.unlock_func();
  }
  if (!chooseConfig(x11, visual))
    return false;
  const EGLint contextAttributes[] = {EGL_CONTEXT_CLIENT_VERSION, 1, EGL_NONE};
  s.context = eglCreateContext(s.display, s.config, EGL_NO_CONTEXT, contextAttributes);
  if (s.context == EGL_NO_CONTEXT) {
    fail("eglCreateContext");
    return false;
  }
  if (x11) {
    s.surface = eglCreatePlatformWindowSurface(s.display, s.config, &info.info.x11.window, nullptr);
  } else {
    const EGLint size[] = {EGL_WIDTH, screen->w, EGL_HEIGHT, screen->h, EGL_NONE};
    s.surface = eglCreatePbufferSurface(s.display, s.config, size);
  }
  if (s.surface == EGL_NO_SURFACE) {
    fail(x11 ? "eglCreatePlatformWindowSurface" : "eglCreatePbufferSurface");
    return false;
  }
  if (!eglMakeCurrent(s.display, s.surface, s.surface, s.context)) {
    fail("eglMakeCurrent");
    return false;
  }
  eglSwapInterval(s.display, 0);
  s.window = x11;
  return true;
}

} // namespace

int setAttribute(int attribute, int value) {
  if (!known(attribute))
    return -1;
  if (attribute == ContextMajorVersion && value != 1)
    return -1;
  state().requested.values[attribute] = value;
  return 0;
}

int getAttribute(int attribute, int *value) {
  if (!known(attribute) || !value)
    return -1;
  State &s = state();
  *value = s.requested.values[attribute];
  if (!s.config)
    return 0;
  switch (attribute) {
  case SDL_GL_RED_SIZE:
    *value = configValue(s.config, EGL_RED_SIZE);
    break;
  case SDL_GL_GREEN_SIZE:
    *value = configValue(s.config, EGL_GREEN_SIZE);
    break;
  case SDL_GL_BLUE_SIZE:
    *value = configValue(s.config, EGL_BLUE_SIZE);
    break;
  case SDL_GL_ALPHA_SIZE:
    *value = configValue(s.config, EGL_ALPHA_SIZE);
    break;
  case SDL_GL_BUFFER_SIZE:
    *value = configValue(s.config, EGL_BUFFER_SIZE);
    break;
  case SDL_GL_DEPTH_SIZE:
    *value = configValue(s.config, EGL_DEPTH_SIZE);
    break;
  case SDL_GL_STENCIL_SIZE:
    *value = configValue(s.config, EGL_STENCIL_SIZE);
    break;
  case SDL_GL_DOUBLEBUFFER:
    *value = s.window ? 1 : 0;
    break;
  default:
    break;
  }
  return 0;
}

SDL_Surface *setVideoMode(int width, int height, int bitsPerPixel, Uint32 flags) {
  bool wantsGL = (flags & SDL_OPENGL) != 0;
  // The GL objects die with the context; the engine re-creates them after a
  // mode change, so each mode gets a fresh context on the (possibly new) window.
  releaseSurface();
  flags &= ~Uint32(SDL_OPENGL | SDL_OPENGLBLIT | SDL_HWSURFACE | SDL_DOUBLEBUF);
  SDL_Surface *screen = SDL_SetVideoMode(width, height, bitsPerPixel, flags | SDL_SWSURFACE);
  if (!screen || !wantsGL)
    return screen;
  if (!makeContext(screen)) {
    releaseSurface();
    return nullptr;
  }
  return screen;
}

void swapBuffers() {
  State &s = state();
  if (s.surface == EGL_NO_SURFACE)
    return;
  if (s.window)
    eglSwapBuffers(s.display, s.surface);
  else
    glFinish();
}

void *procAddress(const char *name) { return reinterpret_cast<void *>(eglGetProcAddress(name)); }

bool hasContext() { return state().context != EGL_NO_CONTEXT; }

bool drawsToWindow() { return state().window; }

void shutdown() {
  releaseSurface();
  terminateX11Display();
  if (state().display != EGL_NO_DISPLAY)
    eglReleaseThread();
}

} // namespace platform::gl
