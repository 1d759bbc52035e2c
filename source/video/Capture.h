#pragma once
// Frame capture: records the running program as numbered image files. It is
// off until enabled.

#include "video/Renderable.h"

namespace quip {
class Dictionary;
}

namespace video {

class Capture : public Renderable {
public:
  bool enabled() const { return m_enabled; }
  void setEnabled(bool enabled) { m_enabled = enabled; }
  void read(const quip::Dictionary &settings);
  // Called after each finished frame.
  void frameRendered();
  void render(Canvas &canvas) override;

private:
  bool m_enabled = false;
};

} // namespace video
