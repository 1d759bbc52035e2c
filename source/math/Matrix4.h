#pragma once
// 4x4 float matrix. Storage is row-major (element (r, c) at m[4r + c]),
// vectors are columns, a product A * B applies B first, and a translation
// lives in m[3], m[7], m[11]. OpenGL wants the transpose. Angles in degrees.

#include "math/Vector2.h"
#include "math/Vector3.h"

namespace math {

class Quaternion;

class Matrix4 {
public:
  float m[16];

  Matrix4() { setIdentity(); }
  Matrix4(const Matrix4 &) = default;
  Matrix4 &operator=(const Matrix4 &) = default;

  void setIdentity();
  bool operator==(const Matrix4 &o) const;
  Matrix4 operator*(const Matrix4 &b) const;
  void transpose();

  void setTranslation(float x, float y, float z);
  void setTranslation(const Vector3 &t) { setTranslation(t.x, t.y, t.z); }
  void setScale(float x, float y, float z);
  void setScale(const Vector3 &s) { setScale(s.x, s.y, s.z); }
  void setShearX(float a, float b);
  void setShearY(float a, float b);
  void setShearZ(float a, float b);
  // Counter-clockwise seen from the positive axis.
  void setRotationX(float degrees);
  void setRotationY(float degrees);
  void setRotationZ(float degrees);
  // The quaternion is taken to be of unit length.
  void setRotation(const Quaternion &q);
  // The transpose of Rz(c) Ry(b) Rx(a).
  void setEulerAngles(float a, float b, float c);
  // Note the order: columns 0, 1, 2 become xAxis, yAxis, zAxis.
  void setAxes(const Vector3 &zAxis, const Vector3 &yAxis, const Vector3 &xAxis);
  // Local +z onto the direction, local +y towards up; the identity when up is
  // parallel to the direction.
  void setLookAlong(const Vector3 &direction, const Vector3 &up);
  // Full opening angles; z = -near maps to depth 0 and z = -far to 1.
  void setPerspective(float fovX, float fovY, float nearZ, float farZ);
  // Centred on the origin; depth 0 at -near, 1 at -far.
  void setOrthographic(float width, float height, float nearZ, float farZ);

  // M * (x, y, z, 1), divided by w' unless |w'| <= 0.0001.
  Vector3 transformPoint(const Vector3 &p) const;
  // M * (x, y, 0, 1) with the same division.
  Vector2 transformPoint(const Vector2 &p) const;

  // The 16 elements in the order OpenGL loads them: (r, c) at c x 4 + r.
  static void toColumnMajor(const Matrix4 &matrix, float out[16]);
  // The 16 elements as stored.
  static void toArray(const Matrix4 &matrix, float out[16]);
  // Affine inverse in place. False (matrix unchanged) when the bottom row is
  // not (0, 0, 0, 1) within 0.001 or the 3x3 part is singular.
  bool invert();
};

} // namespace math
