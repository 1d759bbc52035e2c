#include "math/Transform.h"

#include "file/BinaryPrimitives.h"
#include "math/Matrix4.h"
#include "quip/Token.h"

namespace math {

const Vector3 Transform::defaultAxis(0, 1, 0);

namespace {
constexpr uint32_t binarySize = 44;

Symbol keyTranslation() { return SYM(L"translation"); }
Symbol keyAxis() { return SYM(L"axis"); }
Symbol keyAngle() { return SYM(L"angle"); }
} // namespace

Transform::Transform()
    : m_axis(defaultAxis), m_angle(0), m_rotation(0, 0, 0, 1), m_flags(AXIS_ANGLE_CURRENT) {}

void Transform::setAxisAngle(const Vector3 &axis, float degrees) {
  m_axis = axis;
  m_angle = degrees;
  m_flags = AXIS_ANGLE_CURRENT;
}

void Transform::setRotation(const Quaternion &rotation) {
  m_rotation = rotation;
  m_flags = QUATERNION_CURRENT;
}

void Transform::setEulerAngles(float ax, float ay, float az) {
  Quaternion q;
  q.setEulerAngles(ax, ay, az);
  setRotation(q);
}

void Transform::setRotationFromAxes(const Vector3 &a, const Vector3 &b, const Vector3 &c) {
  // setAxes takes (z, y, x).
  Matrix4 m;
  m.setAxes(a, c, b);
  Quaternion q;
  q.setRotation(m);
  setRotation(q);
}

float Transform::angle() const {
  if (!(m_flags & AXIS_ANGLE_CURRENT)) {
    m_rotation.getAxisAngle(m_axis, m_angle);
    m_flags |= AXIS_ANGLE_CURRENT;
  }
  return m_angle;
}

const Vector3 &Transform::axis() const {
  angle();
  return m_axis;
}

Quaternion Transform::rotation() const {
  if (!(m_flags & QUATERNION_CURRENT)) {
    m_rotation.setAxisAngle(m_axis, m_angle);
    m_flags |= QUATERNION_CURRENT;
  }
  return m_rotation;
}

Vector3 Transform::rotateVector(const Vector3 &v) const {
  if (angle() == 0)
    return v;
  return rotation().rotate(v);
}

Vector3 Transform::inverseRotateVector(const Vector3 &v) const {
  if (angle() == 0)
    return v;
  Quaternion q = rotation();
  q.conjugate();
  return q.rotate(v);
}

Vector3 Transform::transformPoint(const Vector3 &p) const { return rotateVector(p) + translation; }

Vector3 Transform::inverseTransformPoint(const Vector3 &p) const {
  return inverseRotateVector(p - translation);
}

void Transform::compose(const Transform &child) {
  const Quaternion r = rotation();
  translation += r.rotate(child.translation);
  setRotation(r * child.rotation());
}

Vector3 Transform::forward() const { return rotation().rotate(Vector3(0, 0, -1)); }

Vector3 Transform::up() const { return rotation().rotate(Vector3(0, 1, 0)); }

bool Transform::isIdentity() const {
  return translation == Vector3(0, 0, 0) && axis() == defaultAxis && angle() == 0;
}

void Transform::load(const quip::Dictionary &dictionary) {
  if (const quip::Token *t = dictionary.lookup(keyTranslation()))
    translation.fromToken(*t);
  Vector3 newAxis = axis();
  float newAngle = angle();
  bool turned = false;
  if (const quip::Token *t = dictionary.lookup(keyAngle()))
    turned = t->get(newAngle) || turned;
  if (const quip::Token *t = dictionary.lookup(keyAxis())) {
    if (newAxis.fromToken(*t)) {
      newAxis.normalize();
      turned = true;
    }
  }
  if (turned)
    setAxisAngle(newAxis, newAngle);
}

void Transform::save(quip::Dictionary &dictionary) const {
  if (translation != Vector3(0, 0, 0))
    dictionary.set(keyTranslation(), translation.toToken());
  if (axis() != defaultAxis)
    dictionary.set(keyAxis(), axis().toToken());
  if (angle() != 0)
    dictionary.set(keyAngle(), quip::Token(angle()));
}

bool Transform::read(file::ByteProducer &in) {
  if (in.bytesRemaining() < binarySize)
    return false;
  file::read(translation, in);
  file::read(m_axis, in);
  file::read(m_angle, in);
  m_rotation.read(in);
  m_flags = AXIS_ANGLE_CURRENT | QUATERNION_CURRENT;
  return true;
}

void Transform::write(file::ByteReceiver &out) const {
  file::write(translation, out);
  file::write(axis(), out);
  file::write(angle(), out);
  rotation().write(out);
}

void Transform::directionToAxisAngle(const Vector3 &direction, const Vector3 &up, Vector3 &axis,
                                     float &angle) {
  Vector3 z = direction;
  z.normalize();
  Vector3 x = up.cross(z);
  Quaternion q;
  if (x.lengthSquared() != 0) {
    x.normalize();
    Vector3 y = z.cross(x);
    y.normalize();
    Matrix4 m;
    m.setAxes(z, y, x);
    q.setRotation(m);
  }
  q.getAxisAngle(axis, angle);
}

} // namespace math
