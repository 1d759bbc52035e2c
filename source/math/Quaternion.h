#pragma once
// Rotation quaternion (x, y, z, w), w last; the identity (0, 0, 0, 1) is the
// default. Angles in degrees except in setAxisAngleRadians.

#include "math/Vector3.h"

namespace file {
class ByteProducer;
class ByteReceiver;
} // namespace file

namespace math {

class Matrix4;

class Quaternion {
public:
  float x, y, z, w;

  Quaternion() : x(0), y(0), z(0), w(1) {}
  Quaternion(float x, float y, float z, float w) : x(x), y(y), z(z), w(w) {}

  // Hamilton product; as rotations, other acts first.
  Quaternion operator*(const Quaternion &other) const;
  Quaternion &operator+=(const Quaternion &o) {
    x += o.x;
    y += o.y;
    z += o.z;
    w += o.w;
    return *this;
  }
  bool operator==(const Quaternion &o) const {
    return x == o.x && y == o.y && z == o.z && w == o.w;
  }

  // The inverse rotation for a unit quaternion.
  void conjugate() {
    x = -x;
    y = -y;
    z = -z;
  }
  // q v q*, q taken to be of unit length.
  Vector3 rotate(const Vector3 &v) const;

  // The axis is used as given (not normalised).
  void setAxisAngle(const Vector3 &axis, float degrees);
  void setAxisAngleRadians(double ax, double ay, double az, double radians);
  // The inverse of Rx(ax) Ry(ay) Rz(az).
  void setEulerAngles(float ax, float ay, float az);
  void setRandom();
  // From the rotation part of a matrix; the result is normalised.
  void setRotation(const Matrix4 &m);
  // Nothing when the squared length is exactly 0 or 1.
  void normalize();

  float angle() const;
  Vector3 axis() const;
  void getAxisAngle(Vector3 &axisOut, float &degrees) const;

  // Spherical interpolation along the shorter arc, this at t = 0 and other
  // at t = 1; not normalised.
  void slerp(float t, const Quaternion &other);

  // The 16 raw bytes, x, y, z, w.
  void read(file::ByteProducer &in);
  void write(file::ByteReceiver &out) const;
};

static_assert(sizeof(Quaternion) == 16, "the binary form is the raw 16 bytes");

} // namespace math
