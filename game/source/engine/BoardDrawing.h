#pragma once
// A billboard of one of the current database's prototypes drawn at a point,
// sized against a width: the looks of the ball, its debris and the blocks.

#include "math/Color.h"
#include "math/Vector3.h"
#include "xstring/Symbol.h"

namespace video {
class Canvas;
}

struct BoardLook {
  // The texture's width spans width x factor; a width of 0 takes the factor
  // as the billboard's own scale.
  float width = 0.0f;
  float factor = 1.0f;
  math::Color colour = math::Color::white;
  // Below 0: the prototype's own.
  int blend = -1;
  float degrees = 0.0f;
};

// Nothing without the prototype's texture or a known width.
void drawBoard(video::Canvas &canvas, Symbol prototype, const math::Vector3 &at,
               const BoardLook &look);
