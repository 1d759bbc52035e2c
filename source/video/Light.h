#pragma once
// The light record a scene light hands to the canvas: its direction, its GL
// light number (0-7) and its three colours. The render state marks it
// applied when it switches the light on.

#include "math/Color.h"
#include "math/Vector3.h"

namespace video {

struct Light {
  math::Vector3 direction;
  int index = 0;
  math::Color ambient;
  math::Color diffuse;
  math::Color specular;
  bool applied = false;
};

} // namespace video
