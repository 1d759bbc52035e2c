#pragma once
// Everything that follows from a camera and the window: view and projection
// matrices, the projection as the display shows it, the pixel matrices for
// projecting and picking, and the view volume's corners and planes. Built
// lazily by the camera; copied and compared whole by those that keep one.

#include "math/Matrix4.h"
#include "math/Plane.h"
#include "math/Rectangle.h"
#include "math/Vector3.h"

#include <cstdint>

class Camera;
namespace math {
class Sphere;
}

class CameraMatrices {
public:
  uint8_t valid = 0;
  math::Matrix4 viewMatrix;
  math::Matrix4 viewInverse;
  math::Matrix4 projectionMatrix;
  math::Matrix4 displayProjection;
  math::Rectangle viewport;
  math::Matrix4 worldToPixel;
  math::Matrix4 pixelToNear;
  math::Matrix4 pixelToFar;
  math::Plane planes[6];
  math::Vector3 corners[8];
  // The camera's own normalised forms: projection x view, and normalised
  // screen points (x, y, 0) onto the near and far planes.
  math::Matrix4 viewProjection;
  math::Matrix4 normalToNear;
  math::Matrix4 normalToFar;

  CameraMatrices() = default;

  void rebuild(const Camera &camera);
  // The nine leading fields; planes, corners and the normalised forms follow
  // from them.
  bool operator==(const CameraMatrices &other) const;
  bool operator!=(const CameraMatrices &other) const { return !(*this == other); }

  // Hidden only when wholly outside one plane; touching from outside hides.
  bool isVisible(const math::Sphere &sphere) const;
  // Hidden only when even its innermost corner is strictly outside a plane.
  bool isVisible(const math::Vector3 &minimum, const math::Vector3 &maximum) const;

  math::Plane &plane(int i) { return planes[i]; }
  math::Vector3 corner(int i) const { return corners[i]; }

  void buildView(const Camera &camera);
  void buildWorldToPixel(const Camera &camera);
  void buildPickMatrices(const Camera &camera);
  void buildViewVolume(const Camera &camera);
  void setPlane(int plane, int a, int b, int c);
};
