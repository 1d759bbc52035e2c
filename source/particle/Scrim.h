#pragma once
// The scrim widget's drawing: a full-screen dimming rectangle, or a dimming
// frame around a textured cut-out. In screen pixels, y upward.

#include "xstring/Symbol.h"

namespace math {
class Color;
class Vector2;
} // namespace math
namespace video {
class Canvas;
}

void drawScrim(video::Canvas &canvas, const math::Color &scrimColor);
// The named texture (from the current database's textures) in the cut-out
// colour on the rectangle of the size centred on the centre, and the scrim
// colour on the four bands around it.
void drawScrimWithCutOut(video::Canvas &canvas, const math::Color &scrimColor, Symbol texture,
                         const math::Vector2 &center, const math::Vector2 &size,
                         const math::Color &cutOutColor);
