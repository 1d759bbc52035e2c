#pragma once
// What the canvas takes from a camera when it is made current: the
// projection as the display shows it, the view matrix, the projection kind
// and the camera's rotation (to turn billboards towards it). Rendering sits
// below the camera, so the camera hands these over rather than itself.

#include "math/Matrix4.h"
#include "math/Vector3.h"

namespace video {

struct CameraView {
  math::Matrix4 projection;
  math::Matrix4 view;
  bool perspective = true;
  float angle = 0.0f;
  math::Vector3 axis{0.0f, 1.0f, 0.0f};
};

} // namespace video
