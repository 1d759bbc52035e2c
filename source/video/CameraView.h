#pragma once
// What the canvas takes from a camera when it is made current: the
// projection as the display shows it, the view matrix, the projection kind
// and the camera's rotation (to turn billboards towards it), its position,
// axes and clip distances. Rendering sits below the camera, so the camera
// hands these over rather than itself.

#include "math/Matrix4.h"
#include "math/Vector3.h"

class Camera;

namespace video {

struct CameraView {
  // The same camera's view with another far clip distance (the camera
  // itself unchanged): scenery beyond the far plane draws with it.
  using FarView = void (*)(const Camera &camera, float clipFar, CameraView &out);

  math::Matrix4 projection;
  math::Matrix4 view;
  bool perspective = true;
  float angle = 0.0f;
  math::Vector3 axis{0.0f, 1.0f, 0.0f};
  math::Vector3 position;
  math::Vector3 forward{0.0f, 0.0f, -1.0f};
  // up x forward, as the camera keeps it.
  math::Vector3 right{-1.0f, 0.0f, 0.0f};
  float clipNear = 1.0f;
  float clipFar = 100.0f;
  FarView farView = nullptr;
};

} // namespace video
