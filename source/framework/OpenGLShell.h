#pragma once
// The shell on SDL 1.2, OpenGL ES (through EGL) and the phone library. Its
// construction starts SDL video and the phone library and asks for the GL
// buffer sizes; systemInitialize makes the canvas and opens the window.

#include "framework/Shell.h"

namespace framework {

class OpenGLShell : public Shell {
public:
  OpenGLShell();

  void systemInitialize(const math::Vector2i &resolution, bool fullscreen, bool depthBuffer,
                        bool stencilBuffer, int orientation, const String &iconPath,
                        const String &caption) override;
  // Input off, then the canvas, the window, the context, the phone library and SDL.
  void quit() override;
  void listDisplayModes(container::Vector<math::Vector2i> &modes, bool depthBuffer,
                        bool stencilBuffer) override;
  math::Vector2i screenMetrics() override;
  void showCursor(bool show) override;
};

} // namespace framework
