#pragma once
// The plain panel: its layout rectangle filled with one colour or a
// four-corner gradient, with an optional drop shadow and bevelled border. It
// can swallow pointer presses so that nothing behind it reacts.

#include "gui/DropShadow.h"
#include "gui/Widget.h"
#include "math/Color.h"
#include "math/Vector2.h"

namespace GUI {

class Box : public Widget {
public:
  math::Rectangle localRectangle() const override;
  bool onPointerDown(const framework::InputEvent &event) override;
  bool onPointerUp(const framework::InputEvent &event) override;
  bool onPointerMove(const framework::InputEvent &event) override;
  void load(const quip::Dictionary &dictionary) override;
  void draw(video::Canvas &canvas) override;

  // The corners in the order stored; turns the gradient on.
  void setGradient(const math::Color &c1, const math::Color &c2, const math::Color &c3,
                   const math::Color &c4);
  void setBorderColors(const math::Color &light, const math::Color &medium,
                       const math::Color &dark);
  void setSize(math::Vector2 size) { m_size = size; }
  math::Vector2 size() const { return m_size; }
  void setColor(const math::Color &color) {
    m_color = color;
    m_useGradient = false;
  }
  const math::Color &color() const { return m_color; }
  bool useGradient() const { return m_useGradient; }
  const math::Color &gradient(int corner) const { return m_gradient[corner]; }
  int blend() const { return m_blend; }
  void setBlend(int blend) { m_blend = blend; }
  DropShadow &dropShadow() { return m_dropShadow; }
  bool border() const { return m_border; }
  void setBorder(bool border) { m_border = border; }
  float borderWidth() const { return m_borderWidth; }
  void setBorderWidth(float width) { m_borderWidth = width; }
  void setBorderBevel(bool bevel) { m_borderBevel = bevel; }
  void setBorderUp(bool up) { m_borderUp = up; }
  bool centered() const { return m_centered; }
  void setCentered(bool centered) { m_centered = centered; }
  bool consumeEvents() const { return m_consumeEvents; }
  void setConsumeEvents(bool consume) { m_consumeEvents = consume; }
  bool pressed() const { return m_pressed; }

private:
  math::Vector2 m_size;
  int m_blend = 1;
  math::Color m_color;
  math::Color m_gradient[4];
  bool m_useGradient = false;
  DropShadow m_dropShadow;
  bool m_border = false;
  math::Color m_borderColorLight;
  math::Color m_borderColorMedium{0.75f, 0.75f, 0.75f, 1.0f};
  math::Color m_borderColorDark{0.2f, 0.2f, 0.2f, 1.0f};
  float m_borderWidth = 2.0f;
  bool m_borderBevel = true;
  bool m_borderUp = true;
  bool m_centered = true;
  bool m_consumeEvents = false;
  bool m_pressed = false;
};

} // namespace GUI
