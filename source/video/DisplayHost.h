#pragma once
// What the window and the canvas ask of the application and of the platform
// shell. The framework installs a host that answers from the Framework, the
// shell and the input state; until then these defaults answer.

#include "math/Vector2.h"

namespace video {

class DisplayHost {
public:
  virtual ~DisplayHost() = default;

  // The application's graphics release with no textures to keep, around a
  // change of video mode.
  virtual void releaseGraphics() {}
  // After the window took a new size through setSize.
  virtual void windowSizeChanged() {}
  virtual bool windowResizable() { return false; }
  virtual bool windowDecorated() { return true; }
  // The shell's screen orientation: 0 to 3; 1 and 2 exchange the axes.
  virtual int orientation() { return 0; }
  // The shell's flag that holds frames back; false from its construction.
  virtual bool framesSuspended() { return false; }
  // The input state's grab mode (SDL_GRAB_OFF or SDL_GRAB_ON).
  // The current game engine's view transform: a world point as screen
  // pixels, and a world length in pixels along x. Unchanged without one.
  virtual math::Vector2 worldToScreen(const math::Vector2 &point) { return point; }
  virtual float worldLengthToScreen(float length) { return length; }
  virtual int inputGrabMode() { return m_grabMode; }
  virtual void setInputGrabbed(int mode) { m_grabMode = mode; }

  // The installed host (not owned), or the defaults.
  static DisplayHost &instance();
  static void setInstance(DisplayHost *host);

private:
  int m_grabMode = 0;
};

// 90 for orientation 1, -90 for 2, 180 for 3, else 0.
float orientationAngle(int orientation);
// Orientations 1 and 2 turn the screen by 90 degrees.
inline bool orientationSwapsAxes(int orientation) { return orientation == 1 || orientation == 2; }

} // namespace video
