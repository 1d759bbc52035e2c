#pragma once
// The scene's fog record, handed to the canvas. Linear fog from start to end;
// the defaults are those of a new GL context.

#include "math/Color.h"

struct Fog {
  math::Color color{0.0f, 0.0f, 0.0f, 0.0f};
  float density = 1.0f;
  float start = 0.0f;
  float end = 1.0f;
};
