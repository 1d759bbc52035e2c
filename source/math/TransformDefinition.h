#pragma once
// The placement record that scripts write for a shape: translation, rotation
// axis and angle (degrees), a uniform scale and three mirror flags. apply
// takes a point from the record's frame to the outer one; applyInverse is its
// exact inverse.

#include "math/Quaternion.h"
#include "math/Vector3.h"

namespace quip {
class Dictionary;
}

namespace math {

class Transform;

class TransformDefinition {
public:
  Vector3 translation;
  Vector3 axis;
  float angle;
  float scale;
  bool flipX;
  bool flipY;
  bool flipZ;

  TransformDefinition();

  // Reads the keys present; the axis is normalised.
  void load(const quip::Dictionary &dictionary);
  // Writes only the fields that differ from their defaults.
  void save(quip::Dictionary &dictionary) const;
  bool isIdentity() const;
  // Translation, axis and angle of the transform; flips cleared, scale kept.
  void set(const Transform &transform);

  Vector3 apply(const Vector3 &p) const;
  // Callers that may meet a zero scale test for it first.
  Vector3 applyInverse(const Vector3 &p) const;

  float scaleLength(float length) const { return length * scale; }
  float unscaleLength(float length) const { return length / scale; }

private:
  // The quaternion of the axis and angle, remade only when they change: the
  // collision shapes take every atom through their definition every step.
  const Quaternion &rotation() const;

  mutable Vector3 m_rotationAxis;
  mutable float m_rotationAngle;
  mutable Quaternion m_rotation;
};

} // namespace math
