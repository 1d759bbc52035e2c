#include "math/TransformDefinition.h"

#include "math/Quaternion.h"
#include "math/Transform.h"
#include "quip/Token.h"

namespace math {

namespace {
Symbol keyAxis() { return SYM(L"axis"); }
Symbol keyAngle() { return SYM(L"angle"); }
Symbol keyFlipX() { return SYM(L"flipX"); }
Symbol keyFlipY() { return SYM(L"flipY"); }
Symbol keyFlipZ() { return SYM(L"flipZ"); }
Symbol keyScale() { return SYM(L"scale"); }
Symbol keyTranslation() { return SYM(L"translation"); }

void loadFlip(const quip::Dictionary &dictionary, Symbol key, bool &flip) {
  if (const quip::Token *t = dictionary.lookup(key))
    flip = t->toBool();
}
} // namespace

TransformDefinition::TransformDefinition()
    : translation(0, 0, 0), axis(0, 1, 0), angle(0), scale(1), flipX(false), flipY(false),
      flipZ(false), m_rotationAxis(axis), m_rotationAngle(angle) {
  m_rotation.setAxisAngle(axis, angle);
}

const Quaternion &TransformDefinition::rotation() const {
  if (angle != m_rotationAngle || axis != m_rotationAxis) {
    m_rotationAxis = axis;
    m_rotationAngle = angle;
    m_rotation.setAxisAngle(axis, angle);
  }
  return m_rotation;
}

void TransformDefinition::load(const quip::Dictionary &dictionary) {
  if (const quip::Token *t = dictionary.lookup(keyAxis())) {
    if (axis.fromToken(*t))
      axis.normalize();
  }
  if (const quip::Token *t = dictionary.lookup(keyTranslation()))
    translation.fromToken(*t);
  if (const quip::Token *t = dictionary.lookup(keyAngle()))
    t->get(angle);
  if (const quip::Token *t = dictionary.lookup(keyScale()))
    t->get(scale);
  loadFlip(dictionary, keyFlipX(), flipX);
  loadFlip(dictionary, keyFlipY(), flipY);
  loadFlip(dictionary, keyFlipZ(), flipZ);
}

void TransformDefinition::save(quip::Dictionary &dictionary) const {
  if (translation != Vector3(0, 0, 0))
    dictionary.set(keyTranslation(), translation.toToken());
  if (axis != Vector3(0, 1, 0))
    dictionary.set(keyAxis(), axis.toToken());
  if (angle != 0)
    dictionary.set(keyAngle(), quip::Token(angle));
  if (scale != 1)
    dictionary.set(keyScale(), quip::Token(scale));
  if (flipX)
    dictionary.set(keyFlipX(), quip::boolToken(true));
  if (flipY)
    dictionary.set(keyFlipY(), quip::boolToken(true));
  if (flipZ)
    dictionary.set(keyFlipZ(), quip::boolToken(true));
}

bool TransformDefinition::isIdentity() const {
  return translation == Vector3(0, 0, 0) && axis == Vector3(0, 1, 0) && angle == 0 && scale == 1 &&
         !flipX && !flipY && !flipZ;
}

void TransformDefinition::set(const Transform &transform) {
  translation = transform.translation;
  axis = transform.axis();
  angle = transform.angle();
  flipX = flipY = flipZ = false;
}

Vector3 TransformDefinition::apply(const Vector3 &p) const {
  Vector3 q = p;
  if (flipX)
    q.x = -q.x;
  if (flipY)
    q.y = -q.y;
  if (flipZ)
    q.z = -q.z;
  q *= scale;
  if (angle != 0)
    q = rotation().rotate(q);
  return q + translation;
}

Vector3 TransformDefinition::applyInverse(const Vector3 &p) const {
  Vector3 q = p - translation;
  if (angle != 0) {
    // The conjugate is exactly the quaternion of minus the angle.
    Quaternion r = rotation();
    r.conjugate();
    q = r.rotate(q);
  }
  q /= scale;
  if (flipX)
    q.x = -q.x;
  if (flipY)
    q.y = -q.y;
  if (flipZ)
    q.z = -q.z;
  return q;
}

} // namespace math
