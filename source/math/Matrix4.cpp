#include "math/Matrix4.h"

#include "math/Quaternion.h"
#include "math/Scalar.h"

#include <cmath>

namespace math {

namespace {

void cosSin(float degrees, float &c, float &s) {
  double radians = double(degrees) * degreesToRadians;
  c = float(std::cos(radians));
  s = float(std::sin(radians));
}

} // namespace

void Matrix4::setIdentity() {
  for (float &v : m)
    v = 0.0f;
  m[0] = m[5] = m[10] = m[15] = 1.0f;
}

bool Matrix4::operator==(const Matrix4 &o) const {
  for (int i = 0; i < 16; ++i)
    if (m[i] != o.m[i])
      return false;
  return true;
}

Matrix4 Matrix4::operator*(const Matrix4 &b) const {
  Matrix4 p;
  for (int r = 0; r < 4; ++r) {
    const float *t = m + 4 * r;
    for (int c = 0; c < 4; ++c)
      p.m[4 * r + c] =
          ((t[1] * b.m[4 + c] + t[0] * b.m[c]) + t[2] * b.m[8 + c]) + t[3] * b.m[12 + c];
  }
  return p;
}

void Matrix4::transpose() {
  for (int r = 0; r < 4; ++r)
    for (int c = r + 1; c < 4; ++c)
      swap(m[4 * r + c], m[4 * c + r]);
}

void Matrix4::toColumnMajor(const Matrix4 &matrix, float out[16]) {
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 4; ++c)
      out[4 * c + r] = matrix.m[4 * r + c];
}

void Matrix4::toArray(const Matrix4 &matrix, float out[16]) {
  for (int i = 0; i < 16; ++i)
    out[i] = matrix.m[i];
}

void Matrix4::setTranslation(float x, float y, float z) {
  setIdentity();
  m[3] = x;
  m[7] = y;
  m[11] = z;
}

void Matrix4::setScale(float x, float y, float z) {
  setIdentity();
  m[0] = x;
  m[5] = y;
  m[10] = z;
}

void Matrix4::setShearX(float a, float b) {
  setIdentity();
  m[1] = a;
  m[2] = b;
}

void Matrix4::setShearY(float a, float b) {
  setIdentity();
  m[4] = a;
  m[6] = b;
}

void Matrix4::setShearZ(float a, float b) {
  setIdentity();
  m[8] = a;
  m[9] = b;
}

void Matrix4::setRotationX(float degrees) {
  float c, s;
  cosSin(degrees, c, s);
  setIdentity();
  m[5] = c;
  m[6] = -s;
  m[9] = s;
  m[10] = c;
}

void Matrix4::setRotationY(float degrees) {
  float c, s;
  cosSin(degrees, c, s);
  setIdentity();
  m[0] = c;
  m[2] = s;
  m[8] = -s;
  m[10] = c;
}

void Matrix4::setRotationZ(float degrees) {
  float c, s;
  cosSin(degrees, c, s);
  setIdentity();
  m[0] = c;
  m[1] = -s;
  m[4] = s;
  m[5] = c;
}

void Matrix4::setRotation(const Quaternion &q) {
  float x = q.x, y = q.y, z = q.z, w = q.w;
  m[0] = 1.0f - (2 * y * y + 2 * z * z);
  m[1] = 2 * x * y - 2 * w * z;
  m[2] = 2 * x * z + 2 * w * y;
  m[3] = 0.0f;
  m[4] = 2 * x * y + 2 * w * z;
  m[5] = 1.0f - (2 * x * x + 2 * z * z);
  m[6] = 2 * y * z - 2 * w * x;
  m[7] = 0.0f;
  m[8] = 2 * x * z - 2 * w * y;
  m[9] = 2 * y * z + 2 * w * x;
  m[10] = 1.0f - (2 * x * x + 2 * y * y);
  m[11] = 0.0f;
  m[12] = m[13] = m[14] = 0.0f;
  m[15] = 1.0f;
}

void Matrix4::setEulerAngles(float a, float b, float c) {
  float ca, sa, cb, sb, cc, sc;
  cosSin(a, ca, sa);
  cosSin(b, cb, sb);
  cosSin(c, cc, sc);
  m[0] = cc * cb;
  m[1] = sc * cb;
  m[2] = -sb;
  m[3] = 0.0f;
  m[4] = sa * cc * sb - ca * sc;
  m[5] = cc * ca + sa * sb * sc;
  m[6] = cb * sa;
  m[7] = 0.0f;
  m[8] = sa * sc + ca * sb * cc;
  m[9] = ca * sb * sc - sa * cc;
  m[10] = cb * ca;
  m[11] = 0.0f;
  m[12] = m[13] = m[14] = 0.0f;
  m[15] = 1.0f;
}

void Matrix4::setAxes(const Vector3 &zAxis, const Vector3 &yAxis, const Vector3 &xAxis) {
  const Vector3 *columns[3] = {&xAxis, &yAxis, &zAxis};
  for (int c = 0; c < 3; ++c) {
    m[c] = columns[c]->x;
    m[4 + c] = columns[c]->y;
    m[8 + c] = columns[c]->z;
  }
  m[3] = m[7] = m[11] = 0.0f;
  m[12] = m[13] = m[14] = 0.0f;
  m[15] = 1.0f;
}

void Matrix4::setLookAlong(const Vector3 &direction, const Vector3 &up) {
  Vector3 d = direction;
  d.normalize();
  Vector3 s = up.cross(d);
  if (s.dot(s) == 0.0f) {
    setIdentity();
    return;
  }
  s.normalize();
  Vector3 u = d.cross(s);
  u.normalize();
  setAxes(d, u, s);
}

void Matrix4::setPerspective(float fovX, float fovY, float nearZ, float farZ) {
  setIdentity();
  double hx = double(fovX) * 0.5 * degreesToRadians;
  double hy = double(fovY) * 0.5 * degreesToRadians;
  m[0] = float(std::cos(hx) / std::sin(hx));
  m[5] = float(std::cos(hy) / std::sin(hy));
  m[10] = -farZ / (farZ - nearZ);
  m[11] = nearZ * m[10];
  m[14] = -1.0f;
  m[15] = 0.0f;
}

void Matrix4::setOrthographic(float width, float height, float nearZ, float farZ) {
  setIdentity();
  m[0] = width == 0.0f ? 0.0f : 2.0f / width;
  m[5] = height == 0.0f ? 0.0f : 2.0f / height;
  m[10] = -1.0f / (farZ - nearZ);
  m[11] = -nearZ / (farZ - nearZ);
}

Vector3 Matrix4::transformPoint(const Vector3 &p) const {
  Vector3 r(m[0] * p.x + m[1] * p.y + m[2] * p.z + m[3],
            m[4] * p.x + m[5] * p.y + m[6] * p.z + m[7],
            m[8] * p.x + m[9] * p.y + m[10] * p.z + m[11]);
  float w = m[12] * p.x + m[13] * p.y + m[14] * p.z + m[15];
  if (std::fabs(w) > 0.0001f)
    r *= 1.0f / w;
  return r;
}

Vector2 Matrix4::transformPoint(const Vector2 &p) const {
  Vector2 r(m[0] * p.x + m[1] * p.y + m[3], m[4] * p.x + m[5] * p.y + m[7]);
  float w = m[12] * p.x + m[13] * p.y + m[15];
  if (std::fabs(w) > 0.0001f)
    r *= 1.0f / w;
  return r;
}

bool Matrix4::invert() {
  // Affine only: the bottom row must be (0, 0, 0, 1); the translation is the
  // last column (m3, m7, m11) as everywhere else in this layout.
  if (std::fabs(m[12]) > 0.001f || std::fabs(m[13]) > 0.001f || std::fabs(m[14]) > 0.001f ||
      std::fabs(m[15] - 1.0f) > 0.001f)
    return false;

  const float a = m[0], b = m[1], c = m[2];
  const float d = m[4], e = m[5], f = m[6];
  const float g = m[8], h = m[9], i = m[10];
  // Cofactors of the 3x3 part; the inverse is their transpose over the determinant.
  const float c00 = e * i - f * h, c01 = f * g - d * i, c02 = d * h - e * g;
  const float c10 = c * h - b * i, c11 = a * i - c * g, c12 = b * g - a * h;
  const float c20 = b * f - c * e, c21 = c * d - a * f, c22 = a * e - b * d;
  const float det = a * c00 + b * c01 + c * c02;
  if (det == 0.0f || !std::isfinite(det))
    return false;
  const float k = 1.0f / det;

  Matrix4 r;
  r.m[0] = c00 * k;
  r.m[1] = c10 * k;
  r.m[2] = c20 * k;
  r.m[4] = c01 * k;
  r.m[5] = c11 * k;
  r.m[6] = c21 * k;
  r.m[8] = c02 * k;
  r.m[9] = c12 * k;
  r.m[10] = c22 * k;
  const float tx = m[3], ty = m[7], tz = m[11];
  r.m[3] = -(r.m[0] * tx + r.m[1] * ty + r.m[2] * tz);
  r.m[7] = -(r.m[4] * tx + r.m[5] * ty + r.m[6] * tz);
  r.m[11] = -(r.m[8] * tx + r.m[9] * ty + r.m[10] * tz);
  *this = r;
  return true;
}

} // namespace math
