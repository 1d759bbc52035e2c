#pragma once
// The window over SDL with an OpenGL ES context. It chooses the GL buffer
// sizes, sets the video mode, and after every mode change brings the GL state
// and the canvas back to a known start.

#include "video/Window.h"

namespace video {

class OpenGLWindow : public Window {
public:
  OpenGLWindow() = default;

  void create(const math::Vector2i &size, bool fullscreen, bool depthBuffer,
              bool stencilBuffer) override;
  // Ignored while full screen.
  void setSize(const math::Vector2i &size) override;
  void resize(const math::Vector2i &size) override;
  void setActive(bool active) override { m_active = active; }
  void setCaption(const String &caption) override;
  // Only once created and when the value changes.
  void setFullscreen(bool fullscreen) override;
  void iconify() override;
  void restore() override { m_iconified = false; }
  OpenGLWindow *asOpenGLWindow() override { return this; }
  void applyDeviceViewport() override;

  bool created() const { return m_created; }

private:
  void setVideoMode();
  void resetOpenGL();

  bool m_created = false;
  bool m_depthBuffer = true;
  bool m_stencilBuffer = true;
};

} // namespace video
