#include "math/Quaternion.h"

#include "math/Matrix4.h"
#include "math/Random.h"
#include "math/Scalar.h"

#include <cmath>

namespace math {

Quaternion Quaternion::operator*(const Quaternion &b) const {
  const Quaternion &a = *this;
  Quaternion r;
  r.w = a.w * b.w - (a.y * b.y + a.x * b.x + a.z * b.z);
  r.x = a.w * b.x + a.x * b.w + a.y * b.z - a.z * b.y;
  r.y = a.w * b.y + a.y * b.w + a.z * b.x - a.x * b.z;
  r.z = a.w * b.z + a.z * b.w + a.x * b.y - a.y * b.x;
  return r;
}

Vector3 Quaternion::rotate(const Vector3 &v) const {
  Quaternion conj = *this;
  conj.conjugate();
  Quaternion r = (*this * Quaternion(v.x, v.y, v.z, 0.0f)) * conj;
  return Vector3(r.x, r.y, r.z);
}

void Quaternion::setAxisAngle(const Vector3 &axis, float degrees) {
  float h = float(double(degrees * 0.5f) * degreesToRadians);
  float s = std::sin(h);
  x = axis.x * s;
  y = axis.y * s;
  z = axis.z * s;
  w = std::cos(h);
}

void Quaternion::setAxisAngleRadians(double ax, double ay, double az, double radians) {
  double s = std::sin(radians * 0.5), c = std::cos(radians * 0.5);
  x = float(ax * s);
  y = float(ay * s);
  z = float(az * s);
  w = float(c);
}

void Quaternion::setEulerAngles(float ax, float ay, float az) {
  if (ax == 0.0f && ay == 0.0f && az == 0.0f) {
    *this = Quaternion();
    return;
  }
  float hx = float(double(-ax * 0.5f) * degreesToRadians);
  float hy = float(double(-ay * 0.5f) * degreesToRadians);
  float hz = float(double(-az * 0.5f) * degreesToRadians);
  float cx = std::cos(hx), sx = std::sin(hx);
  float cy = std::cos(hy), sy = std::sin(hy);
  float cz = std::cos(hz), sz = std::sin(hz);
  w = sx * sy * sz + cx * cy * cz;
  x = sx * cy * cz - cx * sy * sz;
  y = cx * sy * cz + sx * cy * sz;
  z = cx * cy * sz - sx * sy * cz;
}

void Quaternion::setRandom() {
  Vector3 a;
  a.setRandomDirection();
  setAxisAngle(a, Random::globalFloat(-180.0f, 180.0f));
}

void Quaternion::setRotation(const Matrix4 &matrix) {
  const float *m = matrix.m;
  float t = ((m[0] + m[5]) + m[10]) + 1.0f;
  if (t > 0.00001f) {
    float s = float(0.5 / std::sqrt(double(t)));
    w = 0.25f / s;
    x = (m[9] - m[6]) * s;
    y = (m[2] - m[8]) * s;
    z = (m[4] - m[1]) * s;
  } else if (m[0] > m[5] && m[0] > m[10]) {
    float s = float(2.0 * std::sqrt(double(1.0f + m[0] - m[5] - m[10])));
    x = 0.25f * s;
    y = (m[1] + m[4]) / s;
    z = (m[2] + m[8]) / s;
    w = (m[9] - m[6]) / s;
  } else if (m[5] > m[10]) {
    float s = float(2.0 * std::sqrt(double(1.0f + m[5] - m[0] - m[10])));
    x = (m[1] + m[4]) / s;
    y = 0.25f * s;
    z = (m[6] + m[9]) / s;
    w = (m[2] - m[8]) / s;
  } else {
    float s = float(2.0 * std::sqrt(double(1.0f + m[10] - m[0] - m[5])));
    x = (m[2] + m[8]) / s;
    y = (m[6] + m[9]) / s;
    z = 0.25f * s;
    w = (m[4] - m[1]) / s;
  }
  normalize();
}

void Quaternion::normalize() {
  float n2 = y * y + x * x + z * z + w * w;
  if (n2 == 0.0f || n2 == 1.0f)
    return;
  float k = float(1.0 / std::sqrt(double(n2)));
  x *= k;
  y *= k;
  z *= k;
  w *= k;
}

namespace {

// Half the rotation angle, in radians.
float halfAngle(float w) {
  if (w >= 1.0f)
    return 0.0f;
  if (w <= -1.0f)
    return float(pi);
  return std::acos(w);
}

} // namespace

float Quaternion::angle() const { return float(2.0 * double(halfAngle(w)) * radiansToDegrees); }

Vector3 Quaternion::axis() const {
  float s = std::sin(halfAngle(w));
  if (s == 0.0f)
    return Vector3(x, y, z);
  return Vector3(x / s, y / s, z / s);
}

void Quaternion::getAxisAngle(Vector3 &axisOut, float &degrees) const {
  axisOut = axis();
  degrees = angle();
}

void Quaternion::slerp(float t, const Quaternion &other) {
  Quaternion to = other;
  double c = double(y * to.y + x * to.x + z * to.z + w * to.w);
  if (c < 0.0) {
    c = -c;
    to = Quaternion(-to.x, -to.y, -to.z, -to.w);
  }
  double k0, k1;
  if (1.0 - c > double(0.0001f)) {
    double theta = std::acos(c);
    double s = std::sin(theta);
    k0 = std::sin((1.0 - double(t)) * theta) / s;
    k1 = std::sin(double(t) * theta) / s;
  } else {
    k0 = 1.0 - double(t);
    k1 = double(t);
  }
  x = float(double(to.x) * k1 + double(x) * k0);
  y = float(double(to.y) * k1 + double(y) * k0);
  z = float(double(to.z) * k1 + double(z) * k0);
  w = float(double(to.w) * k1 + double(w) * k0);
}

} // namespace math
