#pragma once
// Dims the whole screen in one colour, or all of it but a textured cut-out.

#include "gui/Widget.h"
#include "math/Color.h"
#include "math/Vector2.h"
#include "xstring/Symbol.h"

namespace GUI {

class ScrimWidget : public Widget {
public:
  // It covers the screen wherever it stands.
  bool isCullable() const override { return false; }
  void load(const quip::Dictionary &dictionary) override;
  void draw(video::Canvas &canvas) override;

  void setColor(const math::Color &color) { m_color = color; }
  // The empty texture name: no cut-out.
  void setCutout(Symbol texture, math::Vector2 position, math::Vector2 size,
                 const math::Color &color);

private:
  math::Color m_color;
  Symbol m_cutoutTexture;
  math::Vector2 m_cutoutPosition;
  math::Vector2 m_cutoutSize;
  math::Color m_cutoutColor;
};

// The whole screen filled with the colour.
void drawScrim(video::Canvas &canvas, const math::Color &scrimColor);
// The texture on the rectangle of that size centred there, in its colour;
// the rest of the screen in the scrim colour, as four quads around it.
void drawScrimWithCutOut(video::Canvas &canvas, const math::Color &scrimColor, Symbol texture,
                         const math::Vector2 &centre, const math::Vector2 &size,
                         const math::Color &cutOutColor);

} // namespace GUI
