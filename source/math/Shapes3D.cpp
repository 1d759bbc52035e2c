#include "math/Box3D.h"
#include "math/Scalar.h"

#include <cmath>

namespace math {

namespace {

Vector3 componentMin(const Vector3 &a, const Vector3 &b) {
  return Vector3(min(a.x, b.x), min(a.y, b.y), min(a.z, b.z));
}

Vector3 componentMax(const Vector3 &a, const Vector3 &b) {
  return Vector3(max(a.x, b.x), max(a.y, b.y), max(a.z, b.z));
}

// Squared distance by which v lies outside [low, high] on one axis.
float outside(float v, float low, float high) {
  if (v < low)
    return (v - low) * (v - low);
  if (v > high)
    return (v - high) * (v - high);
  return 0.0f;
}

} // namespace

Box3D::Box3D(const Capsule &c) : center(c.start), extents(c.radius, c.radius, c.radius) {
  include(Sphere(c.end, c.radius));
}

Box3D Box3D::fromCorners(const Vector3 &a, const Vector3 &b) {
  Box3D box;
  box.center = (a + b) * 0.5f;
  Vector3 d = b - box.center;
  box.extents.set(std::fabs(d.x), std::fabs(d.y), std::fabs(d.z));
  return box;
}

void Box3D::includeCorners(const Vector3 &low, const Vector3 &high) {
  Vector3 lo = componentMin(minimum(), low);
  Vector3 hi = componentMax(maximum(), high);
  center = (lo + hi) * 0.5f;
  extents = hi - center;
}

void Box3D::include(const Vector3 &p) { includeCorners(p, p); }

void Box3D::include(const Sphere &s) {
  Vector3 r(s.radius, s.radius, s.radius);
  includeCorners(s.center - r, s.center + r);
}

void Box3D::include(const Box3D &b) { includeCorners(b.minimum(), b.maximum()); }

bool Box3D::contains(const Vector3 &p) const {
  Vector3 lo = minimum(), hi = maximum();
  return lo.x < p.x && p.x < hi.x && lo.y < p.y && p.y < hi.y && lo.z < p.z && p.z < hi.z;
}

bool Box3D::intersects(const Box3D &b) const {
  Vector3 lo = minimum(), hi = maximum();
  Vector3 blo = b.minimum(), bhi = b.maximum();
  if (lo.x > bhi.x || blo.x > hi.x)
    return false;
  if (lo.y > bhi.y || blo.y > hi.y)
    return false;
  if (lo.z > bhi.z || blo.z > hi.z)
    return false;
  return true;
}

float Box3D::distanceSquared(const Vector3 &p) const {
  Vector3 lo = minimum(), hi = maximum();
  return outside(p.x, lo.x, hi.x) + outside(p.y, lo.y, hi.y) + outside(p.z, lo.z, hi.z);
}

Sphere::Sphere(const Box3D &box) : center(box.center), radius(box.extents.length()) {}

float Sphere::volume(float r) { return 4.18879f * r * r * r; }

float Sphere::surfaceArea(float r) { return 12.566371f * r * r; }

float Sphere::shellVolume(float a, float b) {
  return float(4.0 * pi / 3.0 * (double(b) * b * b - double(a) * a * a));
}

float Sphere::capVolume(float r, float h) {
  double hc = min(h, 2.0f * r);
  return float((pi / 3.0) * hc * hc * (3.0 * r - hc));
}

float Sphere::capArea(float r, float h) {
  return float(2.0 * pi * r * max(0.0f, min(h, 2.0f * r)));
}

float Sphere::radiusFromVolume(float v) {
  return float(std::pow((0.75 * double(v)) / pi, 1.0 / 3.0));
}

} // namespace math
