#pragma once
// Draws a ribbon along a 2-D spline. Its reveal effect moves the ribbon's
// fade-out along the spline until the whole ribbon shows.

#include "gui/Widget.h"
#include "video/RibbonRenderPass.h"

namespace math {
class Spline2D;
}

namespace GUI {

class Spline2DWidget : public Widget {
public:
  enum Effect : uint32_t { NONE = 0, REVEAL = 1 };

  ~Spline2DWidget() override;

  void update(float dt) override;
  void draw(video::Canvas &canvas) override;
  // The spline's bounds; empty without a spline.
  math::Rectangle localRectangle() const override;
  // "spline", "format", "effect", "revealSpeed", "revealBuffer", "action".
  void load(const quip::Dictionary &dictionary) override;

  // The fade-out starts at 0 and ends a buffer later; both then move on at
  // the speed, in fractions of the ribbon per second, up to 1.
  void beginReveal(float speed, float buffer);
  // The whole ribbon shows.
  void removeEffect();

  // Owned; the old one is deleted.
  void setSpline(math::Spline2D *spline);
  math::Spline2D *spline() const { return m_spline; }
  video::RibbonRenderPass &format() { return m_format; }
  uint32_t effect() const { return m_effect; }
  float revealSpeed() const { return m_revealSpeed; }
  float revealBuffer() const { return m_revealBuffer; }

private:
  void runAction(const quip::Dictionary &action);

  math::Spline2D *m_spline = nullptr;
  video::RibbonRenderPass m_format;
  uint32_t m_effect = NONE;
  float m_revealSpeed = 1.0f;
  float m_revealBuffer = 0.0f;
};

} // namespace GUI
