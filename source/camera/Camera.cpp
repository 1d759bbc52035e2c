#include "camera/Camera.h"
#include "camera/CameraController.h"
#include "input/Pointer.h"

#include "math/Quaternion.h"
#include "math/Scalar.h"
#include "math/Sphere.h"
#include "quip/Token.h"
#include "video/Canvas.h"

#include <algorithm>
#include <cmath>
#include <cstring>

const math::Vector2 Camera::defaultFov(60.0f, 45.0f);
const math::Vector2 Camera::defaultOrthoSize(100.0f, 100.0f);

namespace {

struct Keys {
  Symbol projection = Symbol::intern(L"projection");
  Symbol controller = Symbol::intern(L"controller");
  Symbol transform = Symbol::intern(L"transform");
  Symbol position = Symbol::intern(L"position");
  Symbol fovX = Symbol::intern(L"fovX");
  Symbol fovY = Symbol::intern(L"fovY");
  Symbol clipNear = Symbol::intern(L"clipNear");
  Symbol clipFar = Symbol::intern(L"clipFar");
  Symbol orthoSize = Symbol::intern(L"orthoSize");
  Symbol perspective = Symbol::intern(L"perspective");
  Symbol orthographic = Symbol::intern(L"orthographic");
};

const Keys &keys() {
  static const Keys k;
  return k;
}

void lookupFloat(const quip::Dictionary &d, Symbol key, float &out) {
  uint32_t bits;
  if (quip::lookupScalar(d, key, quip::TYPE_NUMBER, bits))
    std::memcpy(&out, &bits, sizeof out);
}

} // namespace

Camera::Camera() : m_fov(defaultFov), m_orthoSize(defaultOrthoSize) {
  m_right = m_up.cross(m_forward);
}

void Camera::setProjection(int projection) {
  m_projection = projection;
  stale();
}

void Camera::setFov(const math::Vector2 &fov) {
  m_fov = fov;
  stale();
}

void Camera::setClipNear(float clipNear) {
  m_clipNear = clipNear;
  stale();
}

void Camera::setClipFar(float clipFar) {
  m_clipFar = clipFar;
  stale();
}

void Camera::setPixelOffset(const math::Vector2 &offset) {
  m_pixelOffset = offset;
  stale();
}

void Camera::setUp(const math::Vector3 &up) {
  m_up = up;
  stale();
}

void Camera::setForward(const math::Vector3 &forward) {
  m_forward = forward;
  stale();
}

void Camera::setOrthoSize(const math::Vector2 &size) {
  m_orthoSize = size;
  stale();
}

void Camera::setPosition(const math::Vector3 &position) {
  math::Vector3 &t = m_transform.translation;
  if (t.x == position.x && t.y == position.y && t.z == position.z)
    return;
  t = position;
  stale();
}

void Camera::axesFromTransform() {
  m_up = m_transform.up();
  m_forward = m_transform.forward();
  m_right = m_up.cross(m_forward);
  stale();
}

void Camera::setRotation(const math::Vector3 &axis, float degrees) {
  m_transform.setAxisAngle(axis, degrees);
  axesFromTransform();
}

void Camera::setEulerAngles(float a, float b, float c) {
  math::Quaternion qa, qb, qc;
  qa.setAxisAngle(math::Vector3(-1.0f, 0.0f, 0.0f), a);
  qb.setAxisAngle(math::Vector3(0.0f, -1.0f, 0.0f), b);
  qc.setAxisAngle(math::Vector3(0.0f, 0.0f, -1.0f), c);
  m_transform.setRotation((qb * qa) * qc);
  axesFromTransform();
}

Symbol Camera::projectionSymbol(int projection) {
  if (projection == PERSPECTIVE)
    return keys().perspective;
  if (projection == ORTHOGRAPHIC)
    return keys().orthographic;
  return Symbol::emptySymbol();
}

int Camera::projectionFromSymbol(Symbol symbol) {
  if (symbol == keys().perspective)
    return PERSPECTIVE;
  if (symbol == keys().orthographic)
    return ORTHOGRAPHIC;
  return OTHER_PROJECTION;
}

void Camera::read(const quip::Dictionary &d) {
  const Keys &k = keys();
  if (const quip::Token *t = d.lookupTyped(k.projection, quip::TYPE_SYMBOL))
    m_projection = projectionFromSymbol(t->symbol());
  if (const quip::Token *t = d.lookupTyped(k.controller, quip::TYPE_SYMBOL))
    m_controller = t->symbol();
  if (const quip::Token *t = d.lookupTyped(k.transform, quip::TYPE_DICTIONARY)) {
    m_transform = math::Transform();
    m_transform.load(t->dictionary());
  }
  if (const quip::Token *t = d.lookup(k.position))
    t->get(m_transform.translation);
  lookupFloat(d, k.fovX, m_fov.x);
  lookupFloat(d, k.fovY, m_fov.y);
  if (const quip::Token *t = d.lookup(k.orthoSize))
    t->get(m_orthoSize);
  lookupFloat(d, k.clipNear, m_clipNear);
  lookupFloat(d, k.clipFar, m_clipFar);
  axesFromTransform();
}

void Camera::write(quip::Dictionary &d) const {
  const Keys &k = keys();
  if (m_projection != PERSPECTIVE)
    d.set(k.projection, quip::Token(projectionSymbol(m_projection), false));
  if (!m_controller.isEmpty())
    d.set(k.controller, quip::Token(m_controller, false));
  d.set(k.position, m_transform.translation.toToken());
  if (m_fov.x != 60.0f)
    d.set(k.fovX, quip::Token(m_fov.x));
  if (m_fov.y != 45.0f)
    d.set(k.fovY, quip::Token(m_fov.y));
  if (m_orthoSize.x != 100.0f || m_orthoSize.y != 100.0f)
    d.set(k.orthoSize, m_orthoSize.toToken());
  if (m_clipNear != 1.0f)
    d.set(k.clipNear, quip::Token(m_clipNear));
  if (m_clipFar != 100.0f)
    d.set(k.clipFar, quip::Token(m_clipFar));
}

namespace {

CameraController *findController(CameraControllerOwner &owner, Symbol name) {
  if (name.isEmpty())
    return nullptr;
  CameraController **found = owner.cameraControllers().lookup(name);
  return found ? *found : nullptr;
}

} // namespace

void Camera::attachController(CameraControllerOwner &owner) {
  if (CameraController *controller = findController(owner, m_controller)) {
    controller->attach(*this);
    controller->setActive(true);
  }
}

void Camera::detachController(CameraControllerOwner &owner) const {
  if (CameraController *controller = findController(owner, m_controller))
    controller->setActive(false);
}

const CameraMatrices &Camera::matrices() const {
  if (!m_matrices.valid)
    m_matrices.rebuild(*this);
  return m_matrices;
}

void Camera::describe(video::CameraView &view) const {
  const CameraMatrices &m = matrices();
  view.projection = m.displayProjection;
  view.view = m.viewMatrix;
  view.perspective = m_projection == PERSPECTIVE;
  view.angle = m_transform.angle();
  view.axis = m_transform.axis();
  view.position = m_transform.translation;
  view.forward = m_forward;
  view.right = m_right;
  view.clipNear = m_clipNear;
  view.clipFar = m_clipFar;
  view.farView = &Camera::describeWithClipFar;
}

void Camera::describeWithClipFar(const Camera &camera, float clipFar, video::CameraView &out) {
  Camera farther = camera;
  farther.setClipFar(clipFar);
  farther.describe(out);
}

void Camera::apply(video::Canvas &canvas) const {
  video::CameraView view;
  describe(view);
  canvas.setCamera(this, view);
  canvas.setProjectionCamera(this);
}

void Camera::release(video::Canvas &canvas) const {
  canvas.clearCamera();
  if (canvas.projectionCamera() == this)
    canvas.setProjectionCamera(nullptr);
}

void Camera::applyRotation(video::Canvas &canvas) const {
  const math::Vector3 &axis = m_transform.axis();
  canvas.rotate(m_transform.angle(), axis.x, axis.y, axis.z);
}

math::Vector2 Camera::project(const math::Vector3 &point) const {
  math::Vector3 p = matrices().viewProjection.transformPoint(point);
  return math::Vector2(p.x, p.y);
}

math::Circle Camera::projectSphere(const math::Vector3 &center, float radius) const {
  math::Vector2 p1 = project(center + m_right * radius);
  math::Vector2 p2 = project(center - m_right * radius);
  return math::Circle(std::fabs(p2.x - p1.x) / 2.0f, (p1 + p2) * 0.5f);
}

math::Segment3D Camera::pickLine(const math::Vector2 &point) const {
  const CameraMatrices &m = matrices();
  math::Vector3 p(point.x, point.y, 0.0f);
  return math::Segment3D(m.normalToNear.transformPoint(p), m.normalToFar.transformPoint(p));
}

void Camera::pickPoints(const math::Vector2 &point, math::Vector3 &start,
                        math::Vector3 &end) const {
  math::Segment3D line = pickLine(point);
  start = line.start;
  end = line.end;
}

math::Vector2 Camera::projectToPixel(const math::Vector3 &point) const {
  math::Vector3 p = matrices().worldToPixel.transformPoint(point);
  return math::Vector2(p.x, p.y);
}

math::Segment3D Camera::pickLineAtPixel(const math::Vector2 &pixel) const {
  const CameraMatrices &m = matrices();
  math::Vector3 p(pixel.x, pixel.y, 0.0f);
  return math::Segment3D(m.pixelToNear.transformPoint(p), m.pixelToFar.transformPoint(p));
}

math::Segment3D Camera::pickLineAtMouse() const {
  const math::Vector2i &pointer = framework::pointerPosition();
  return pickLineAtPixel(math::Vector2(float(pointer.x), float(pointer.y)));
}

void Camera::pickPointsAtMouse(math::Vector3 &start, math::Vector3 &end) const {
  math::Segment3D line = pickLineAtMouse();
  start = line.start;
  end = line.end;
}

math::Vector2 Camera::viewHalfExtentAt(const math::Vector3 &point) const {
  math::Vector3 local = m_transform.inverseRotateVector(point - m_transform.translation);
  float d = -local.z;
  double k = math::degreesToRadians / 2.0;
  return math::Vector2(float(std::tan(m_fov.x * k) * d), float(std::tan(m_fov.y * k) * d));
}

bool Camera::isSphereVisible(const math::Vector3 &center, float radius) const {
  return matrices().isVisible(math::Sphere(center, radius));
}

bool Camera::isVisible(const math::Sphere &sphere) const { return matrices().isVisible(sphere); }

void Camera::fitSphere(const math::Vector3 &center, float radius) {
  double half = double(std::min(m_fov.x, m_fov.y)) * math::degreesToRadians / 2.0;
  float d = float(radius / std::sin(half));
  setPosition(center + m_transform.rotateVector(math::Vector3(0.0f, 0.0f, d)));
}

void Camera::fitClipPlanes(const math::Vector3 &center, float radius, float minimumNear,
                           float minimumDepth) {
  float t = (center - m_transform.translation).dot(m_forward);
  m_clipNear = std::max(t - radius, minimumNear);
  m_clipFar = std::max(t + radius, m_clipNear + minimumDepth);
  stale();
}
