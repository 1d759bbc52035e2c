#pragma once
// Frame capture: records the running program as numbered image files, one
// per captured frame (database path/folder/base + "%04d" + "." + suffix),
// skipping `skip` frames between two captures. It is off until enabled.
// While capturing it draws the mouse pointer, since it lies on the top layer.

#include "math/Vector2.h"
#include "video/Renderable.h"
#include "xstring/String.h"

namespace quip {
class Dictionary;
}

namespace video {

class Capture : public Renderable {
public:
  enum Format { JPEG = 0, PNG = 1 };

  bool enabled() const { return m_enabled; }
  // The next frame after enabling is captured.
  void setEnabled(bool enabled);
  // "folder", "base", "frame", "skip", "showMouse", "format" (its text is
  // the suffix; png, jpg or jpeg choose the kind) and "enabled".
  void read(const quip::Dictionary &settings);
  // Called after each finished frame.
  void frameRendered();
  // The pointer at the mouse while capturing with showMouse.
  void render(Canvas &canvas) override;

  // The path of a frame's file.
  String framePath(int frame) const;
  const String &folder() const { return m_folder; }
  const String &base() const { return m_base; }
  int format() const { return m_format; }
  const String &suffix() const { return m_suffix; }
  bool showsMouse() const { return m_showMouse; }
  int frame() const { return m_frame; }
  int skip() const { return m_skip; }

  // What draws the pointer (a billboard, which sits above rendering); the
  // framework installs it.
  using PointerDrawer = void (*)(Canvas &canvas, const math::Vector2 &position);
  static void setPointerDrawer(PointerDrawer drawer);

private:
  String m_folder{L"video"};
  String m_base{L"frame"};
  int m_format = JPEG;
  String m_suffix{L"jpg"};
  bool m_enabled = false;
  bool m_showMouse = true;
  int m_frame = 0;
  int m_skipCounter = 0;
  int m_skip = 0;
};

} // namespace video
