#pragma once
// The platform shell: what stands between the framework and the platform
// (SDL, the phone library, the OpenGL ES context). One is current while the
// program runs. It also maps positions and sizes between the device and the
// screen for the four screen orientations; 1 and 2 exchange the axes.

#include "container/Vector.h"
#include "math/Vector2i.h"
#include "xstring/String.h"

namespace framework {

class Shell {
public:
  Shell() = default;
  Shell(const Shell &) = delete;
  Shell &operator=(const Shell &) = delete;
  virtual ~Shell() = default;

  // Opens the window of the given size and flags with the caption.
  virtual void systemInitialize(const math::Vector2i &resolution, bool fullscreen, bool depthBuffer,
                                bool stencilBuffer, int orientation, const String &iconPath,
                                const String &caption);
  // Shuts the platform down at the end of the program.
  virtual void quit() {}
  // The full-screen sizes the platform offers with those buffers.
  virtual void listDisplayModes(container::Vector<math::Vector2i> &modes, bool depthBuffer,
                                bool stencilBuffer);
  // The device's screen size in pixels.
  virtual math::Vector2i screenMetrics() { return math::Vector2i(320, 480); }
  virtual void showCursor(bool show) { (void)show; }
  virtual int orientation() const { return m_orientation; }

  // Device position to screen position, y upward; the same formula maps back.
  math::Vector2i deviceToScreen(const math::Vector2i &position) const;
  math::Vector2i screenToDevice(const math::Vector2i &position) const;
  math::Vector2i motionToScreen(const math::Vector2i &motion) const;
  // A device size as the screen sees it.
  math::Vector2i sizeToScreen(const math::Vector2i &size) const;

  // Holds frames back while set; false from construction.
  bool framesSuspended() const { return m_framesSuspended; }
  void setFramesSuspended(bool suspended) { m_framesSuspended = suspended; }

  // The current shell (not owned), or null.
  static Shell *instance();
  static void setInstance(Shell *shell);
  // Deletes the current shell and clears it.
  static void destroyInstance();

protected:
  int m_orientation = 0;
  bool m_framesSuspended = false;
};

} // namespace framework
