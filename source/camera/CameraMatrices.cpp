#include "camera/CameraMatrices.h"

#include "camera/Camera.h"
#include "math/Quaternion.h"
#include "math/Scalar.h"
#include "math/Sphere.h"
#include "video/DisplayHost.h"
#include "video/Window.h"

#include <cmath>

namespace {

math::Matrix4 translation(float x, float y, float z) {
  math::Matrix4 m;
  m.setTranslation(x, y, z);
  return m;
}

math::Matrix4 scaling(float x, float y, float z) {
  math::Matrix4 m;
  m.setScale(x, y, z);
  return m;
}

float halfTangent(float fov) {
  float half = 0.5f * fov;
  return float(std::tan(double(half) * math::degreesToRadians));
}

// Half extents of the view at the near and far distances.
void halfExtents(const Camera &camera, math::Vector2 &nearHalf, math::Vector2 &farHalf) {
  if (camera.projection() == Camera::PERSPECTIVE) {
    float tx = halfTangent(camera.fov().x), ty = halfTangent(camera.fov().y);
    nearHalf = math::Vector2(tx * camera.clipNear(), ty * camera.clipNear());
    farHalf = math::Vector2(tx * camera.clipFar(), ty * camera.clipFar());
  } else if (camera.projection() == Camera::ORTHOGRAPHIC) {
    nearHalf = farHalf = camera.orthoSize() * 0.5f;
  } else {
    nearHalf = farHalf = math::Vector2();
  }
}

math::Vector2 windowSize() {
  video::Window *window = video::Window::instance();
  return window ? math::Vector2(float(window->size().x), float(window->size().y)) : math::Vector2();
}

} // namespace

void CameraMatrices::rebuild(const Camera &camera) {
  if (camera.projection() == Camera::PERSPECTIVE)
    projectionMatrix.setPerspective(camera.fov().x, camera.fov().y, camera.clipNear(),
                                    camera.clipFar());
  else if (camera.projection() == Camera::ORTHOGRAPHIC)
    projectionMatrix.setOrthographic(camera.orthoSize().x, camera.orthoSize().y, camera.clipNear(),
                                     camera.clipFar());

  int orientation = video::DisplayHost::instance().orientation();
  displayProjection = projectionMatrix;
  if (orientation != 0) {
    math::Quaternion q;
    q.setAxisAngle(math::Vector3(0.0f, 0.0f, -1.0f), video::orientationAngle(orientation));
    math::Matrix4 turn;
    turn.setRotation(q);
    displayProjection = turn * projectionMatrix;
  }
  const math::Vector2 &offset = camera.pixelOffset();
  if (offset.x != 0.0f || offset.y != 0.0f) {
    // No window: no shift rather than a division by zero.
    math::Vector2 size = windowSize();
    if (size.x > 0.0f && size.y > 0.0f)
      displayProjection =
          translation(2.0f * offset.x / size.x, 2.0f * offset.y / size.y, 0.0f) * displayProjection;
  }
  video::Window *window = video::Window::instance();
  viewport = window ? window->viewport() : math::Rectangle();
  buildView(camera);
  buildWorldToPixel(camera);
  buildPickMatrices(camera);
  buildViewVolume(camera);
  valid = 1;
}

void CameraMatrices::buildView(const Camera &camera) {
  const math::Vector3 &p = camera.position();
  math::Vector3 z = camera.forward() * -1.0f;
  math::Vector3 x = camera.up().cross(z);
  math::Matrix4 basis;
  if (x.lengthSquared() != 0.0f) {
    x.normalize();
    math::Vector3 y = z.cross(x);
    y.normalize();
    z.normalize();
    basis.setAxes(z, y, x);
  }
  math::Matrix4 transposed = basis;
  transposed.transpose();
  viewMatrix = transposed * translation(-p.x, -p.y, -p.z);
  viewInverse = translation(p.x, p.y, p.z) * basis;
  viewProjection = projectionMatrix * viewMatrix;
}

void CameraMatrices::buildWorldToPixel(const Camera &camera) {
  math::Vector2 size = windowSize();
  const math::Vector2 &o = camera.pixelOffset();
  worldToPixel = translation(o.x, o.y, 0.0f) * translation(size.x / 2, size.y / 2, 0.0f) *
                 scaling(size.x / 2, size.y / 2, 0.0f) * projectionMatrix * viewMatrix;
}

void CameraMatrices::buildPickMatrices(const Camera &camera) {
  math::Vector2 nearHalf, farHalf;
  halfExtents(camera, nearHalf, farHalf);
  normalToNear = viewInverse * translation(0.0f, 0.0f, -camera.clipNear()) *
                 scaling(nearHalf.x, nearHalf.y, 1.0f);
  normalToFar = viewInverse * translation(0.0f, 0.0f, -camera.clipFar()) *
                scaling(farHalf.x, farHalf.y, 1.0f);
  pixelToNear = math::Matrix4();
  pixelToFar = math::Matrix4();
  video::Window *window = video::Window::instance();
  if (!window || window->size().x <= 0 || window->size().y <= 0)
    return;
  math::Vector2 size = windowSize();
  const math::Vector2 &o = camera.pixelOffset();
  math::Matrix4 pixelToNormal = translation(-1.0f, -1.0f, 0.0f) *
                                scaling(2.0f / size.x, 2.0f / size.y, 1.0f) *
                                translation(-o.x, -o.y, 0.0f);
  pixelToNear = normalToNear * pixelToNormal;
  pixelToFar = normalToFar * pixelToNormal;
}

void CameraMatrices::buildViewVolume(const Camera &camera) {
  math::Vector2 hn, hf;
  halfExtents(camera, hn, hf);
  float zn = -camera.clipNear(), zf = -camera.clipFar();
  const math::Vector3 local[8] = {
      {-hn.x, -hn.y, zn}, {-hn.x, hn.y, zn}, {hn.x, -hn.y, zn}, {hn.x, hn.y, zn},
      {-hf.x, -hf.y, zf}, {-hf.x, hf.y, zf}, {hf.x, -hf.y, zf}, {hf.x, hf.y, zf},
  };
  for (int i = 0; i < 8; ++i)
    corners[i] = viewInverse.transformPoint(local[i]);
  setPlane(0, 0, 2, 1);
  setPlane(1, 6, 4, 7);
  setPlane(2, 4, 0, 5);
  setPlane(3, 2, 6, 3);
  setPlane(5, 1, 3, 5);
  setPlane(4, 2, 0, 6);
}

void CameraMatrices::setPlane(int plane, int a, int b, int c) {
  planes[plane].set(corners[a], corners[b], corners[c]);
  planes[plane].normalize();
}

bool CameraMatrices::operator==(const CameraMatrices &o) const {
  return valid == o.valid && viewMatrix == o.viewMatrix && viewInverse == o.viewInverse &&
         projectionMatrix == o.projectionMatrix && displayProjection == o.displayProjection &&
         viewport == o.viewport && worldToPixel == o.worldToPixel && pixelToNear == o.pixelToNear &&
         pixelToFar == o.pixelToFar;
}

bool CameraMatrices::isVisible(const math::Sphere &sphere) const {
  for (const math::Plane &plane : planes)
    if (plane.distance(sphere.center) >= sphere.radius)
      return false;
  return true;
}

bool CameraMatrices::isVisible(const math::Vector3 &minimum, const math::Vector3 &maximum) const {
  for (const math::Plane &plane : planes) {
    math::Vector3 p = maximum;
    if (plane.normal.x >= 0.0f)
      p.x = minimum.x;
    if (plane.normal.y >= 0.0f)
      p.y = minimum.y;
    if (plane.normal.z >= 0.0f)
      p.z = minimum.z;
    if (plane.distance(p) > 0.0f)
      return false;
  }
  return true;
}
