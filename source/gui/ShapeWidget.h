#pragma once
// Shows a copy of a named shape of the asset database, scaled and tinted;
// its texture may scroll by a fixed step every frame.

#include "gui/Widget.h"
#include "math/Color.h"
#include "math/Vector2.h"

namespace shape {
class Shape;
}

namespace GUI {

class ShapeWidget : public Widget {
public:
  ~ShapeWidget() override;

  // The texture moves by scrollTexture once per frame, whatever the
  // frame's length.
  void update(float dt) override;
  void draw(video::Canvas &canvas) override;
  // The shape's bounds, scaled; empty without a shape.
  math::Rectangle localRectangle() const override;
  // "database", "shape", "color", "scale", "scrollTexture".
  void load(const quip::Dictionary &dictionary) override;

  // Owned; the old one is deleted.
  void setShape(shape::Shape *shape);
  shape::Shape *shape() const { return m_shape; }
  const math::Color &color() const { return m_color; }
  math::Vector2 scale() const { return m_scale; }
  math::Vector2 scrollTexture() const { return m_scrollTexture; }
  void setScrollTexture(math::Vector2 step) { m_scrollTexture = step; }

private:
  shape::Shape *m_shape = nullptr;
  math::Color m_color{1.0f, 1.0f, 1.0f, 1.0f};
  math::Vector2 m_scale{1.0f, 1.0f};
  math::Vector2 m_scrollTexture;
};

} // namespace GUI
