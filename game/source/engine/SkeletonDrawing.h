#pragma once
// A skeleton of the database's store, posed at a time and drawn at a point:
// the look of the game's short animations (the ball's death, the bomb's
// wave, a spinning coin, the coin meter). Nothing without a store; a name
// the store lacks draws its placeholder.

#include "math/Color.h"
#include "math/Vector3.h"
#include "xstring/Symbol.h"

namespace video {
class Canvas;
}

void drawSkeleton(video::Canvas &canvas, Symbol name, const math::Vector3 &at, float time,
                  float scale, const math::Color &colour);
// The same, turned by the degrees about (0, 0, -1) before it is scaled.
void drawSkeleton(video::Canvas &canvas, Symbol name, const math::Vector3 &at, float time,
                  float scale, const math::Color &colour, float turn);
