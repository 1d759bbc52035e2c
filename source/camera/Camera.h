#pragma once
// How the 3-D scene is seen: perspective or orthographic projection, field of
// view or orthographic size, clip distances, a position and a rotation. A
// plain record; every change marks its matrix cache stale, and the geometric
// questions rebuild it first.

#include "camera/CameraMatrices.h"
#include "math/Circle.h"
#include "math/Segment.h"
#include "math/Transform.h"
#include "math/Vector2.h"
#include "math/Vector3.h"
#include "xstring/Symbol.h"

namespace quip {
class Dictionary;
}
namespace video {
class Canvas;
struct CameraView;
} // namespace video
namespace math {
class Sphere;
}
class CameraControllerOwner;

class Camera {
public:
  enum { PERSPECTIVE = 0, ORTHOGRAPHIC = 1, OTHER_PROJECTION = 2 };

  static const math::Vector2 defaultFov;
  static const math::Vector2 defaultOrthoSize;

  Camera();

  void setProjection(int projection);
  void setFov(const math::Vector2 &fov);
  void setClipNear(float clipNear);
  void setClipFar(float clipFar);
  void setPixelOffset(const math::Vector2 &offset);
  void setScreenOffset(const math::Vector2 &offset) { setPixelOffset(offset); }
  void setUp(const math::Vector3 &up);
  void setForward(const math::Vector3 &forward);
  void setOrthoSize(const math::Vector2 &size);
  // Stale only when the position really changes.
  void setPosition(const math::Vector3 &position);
  void setRotation(const math::Vector3 &axis, float degrees);
  // (qb x qa) x qc: a about (-1, 0, 0), b about (0, -1, 0), c about (0, 0, -1).
  void setEulerAngles(float a, float b, float c);
  // The empty Symbol for none.
  void setController(Symbol name) { m_controller = name; }

  int projection() const { return m_projection; }
  Symbol controller() const { return m_controller; }
  const math::Vector3 &up() const { return m_up; }
  const math::Vector3 &forward() const { return m_forward; }
  const math::Vector3 &right() const { return m_right; }
  const math::Transform &transform() const { return m_transform; }
  const math::Vector3 &position() const { return m_transform.translation; }
  const math::Vector2 &fov() const { return m_fov; }
  const math::Vector2 &orthoSize() const { return m_orthoSize; }
  float clipNear() const { return m_clipNear; }
  float clipFar() const { return m_clipFar; }
  const math::Vector2 &pixelOffset() const { return m_pixelOffset; }
  const math::Vector2 &screenOffset() const { return m_pixelOffset; }

  static Symbol projectionSymbol(int projection);
  static int projectionFromSymbol(Symbol symbol);

  // Present keys only; then the axes follow the transform.
  void read(const quip::Dictionary &dictionary);
  // Only what differs from the defaults, but always "position".
  void write(quip::Dictionary &dictionary) const;

  // Makes this the canvas's camera (and its projection camera).
  void apply(video::Canvas &canvas) const;
  // What the canvas takes of the camera.
  void describe(video::CameraView &out) const;
  // The view of the camera with another far clip distance.
  static void describeWithClipFar(const Camera &camera, float clipFar, video::CameraView &out);
  void release(video::Canvas &canvas) const;
  // Turns the canvas's current matrix by the camera's rotation.
  void applyRotation(video::Canvas &canvas) const;

  // The owner's controller of the camera's controller name takes the camera
  // and is marked active; detaching marks it inactive. Nothing for no name
  // or a name the owner does not know.
  void attachController(CameraControllerOwner &owner);
  void detachController(CameraControllerOwner &owner) const;

  const CameraMatrices &matrices() const;
  bool isStale() const { return m_matrices.valid == 0; }

  // Normalised screen coordinates (-1 to 1 across the view).
  math::Vector2 project(const math::Vector3 &point) const;
  math::Circle projectSphere(const math::Vector3 &center, float radius) const;
  // The world segment under a normalised screen point, near to far.
  math::Segment3D pickLine(const math::Vector2 &point) const;
  void pickPoints(const math::Vector2 &point, math::Vector3 &start, math::Vector3 &end) const;
  // The same in window pixels, through the pixel matrices.
  math::Vector2 projectToPixel(const math::Vector3 &point) const;
  math::Segment3D pickLineAtPixel(const math::Vector2 &pixel) const;
  // The same under the pointer's last screen position.
  math::Segment3D pickLineAtMouse() const;
  void pickPointsAtMouse(math::Vector3 &start, math::Vector3 &end) const;

  math::Vector2 viewHalfExtentAt(const math::Vector3 &point) const;
  bool isSphereVisible(const math::Vector3 &center, float radius) const;
  bool isVisible(const math::Sphere &sphere) const;
  void fitSphere(const math::Vector3 &center, float radius);
  void fitClipPlanes(const math::Vector3 &center, float radius, float minimumNear,
                     float minimumDepth);

private:
  void stale() { m_matrices.valid = 0; }
  void axesFromTransform();

  int m_projection = PERSPECTIVE;
  Symbol m_controller;
  math::Vector3 m_up{0.0f, 1.0f, 0.0f};
  math::Vector3 m_forward{0.0f, 0.0f, -1.0f};
  math::Vector3 m_right;
  math::Transform m_transform;
  math::Vector2 m_fov;
  math::Vector2 m_orthoSize;
  float m_clipNear = 1.0f;
  float m_clipFar = 100.0f;
  math::Vector2 m_pixelOffset;
  mutable CameraMatrices m_matrices;
};
