#pragma once
// A rigid placement: a translation and a rotation. The rotation is kept in
// two forms, an axis with an angle in degrees (what scripts and people write)
// and a quaternion (what composition and vector rotation use); each is
// rebuilt from the other only when asked for after the other changed, so a
// camera turned by quaternions never pays for an arc cosine unless something
// asks for its angle.

#include "math/Quaternion.h"
#include "math/Vector3.h"

#include <cstdint>

namespace file {
class ByteProducer;
class ByteReceiver;
} // namespace file

namespace quip {
class Dictionary;
}

namespace math {

class Transform {
public:
  // The axis of a new transform, and "up".
  static const Vector3 defaultAxis;

  // Which rotation forms are current.
  enum : uint8_t { AXIS_ANGLE_CURRENT = 1, QUATERNION_CURRENT = 2 };

  // Position of the local origin.
  Vector3 translation;

  Transform();

  // Both stored as given; the axis is not normalised.
  void setAxisAngle(const Vector3 &axis, float degrees);
  void setRotation(const Quaternion &rotation);
  // Degrees about x, y and z.
  void setEulerAngles(float ax, float ay, float az);
  // The rotation whose x axis is b, y axis c and z axis a.
  void setRotationFromAxes(const Vector3 &a, const Vector3 &b, const Vector3 &c);

  // These bring the stale form up to date first.
  float angle() const;
  const Vector3 &axis() const;
  Quaternion rotation() const;
  uint8_t flags() const { return m_flags; }

  // Unchanged when the angle is exactly 0.
  Vector3 rotateVector(const Vector3 &v) const;
  Vector3 inverseRotateVector(const Vector3 &v) const;
  Vector3 transformPoint(const Vector3 &p) const;
  Vector3 inverseTransformPoint(const Vector3 &p) const;

  // Becomes the placement of a child given in this transform's frame.
  void compose(const Transform &child);

  // (0, 0, -1) and (0, 1, 0) rotated, even for an angle of 0.
  Vector3 forward() const;
  Vector3 up() const;

  // Exactly zero translation, axis (0, 1, 0) and angle 0.
  bool isIdentity() const;

  void load(const quip::Dictionary &dictionary);
  // Writes only what differs from a new transform; never the quaternion.
  void save(quip::Dictionary &dictionary) const;

  // 44 bytes: translation, axis, angle, quaternion. read returns false, and
  // leaves the transform unchanged, when fewer than 44 bytes remain.
  bool read(file::ByteProducer &in);
  void write(file::ByteReceiver &out) const;

  // The rotation whose z axis is the direction, as an axis and an angle.
  static void directionToAxisAngle(const Vector3 &direction, const Vector3 &up, Vector3 &axis,
                                   float &angle);

private:
  mutable Vector3 m_axis;
  mutable float m_angle;
  mutable Quaternion m_rotation;
  mutable uint8_t m_flags;
};

} // namespace math
