#include "math/ColorMatrix.h"

namespace math {

namespace {
constexpr float lumR = 0.3086f;
constexpr float lumG = 0.6094f;
constexpr float lumB = 0.0820f;

void setRow(Matrix4 &m, int row, float a, float b, float c) {
  m.m[4 * row] = a;
  m.m[4 * row + 1] = b;
  m.m[4 * row + 2] = c;
}

// m = step * m.
void apply(const Matrix4 &step, Matrix4 &m) { m = step * m; }
} // namespace

void saturationMatrix(float s, Matrix4 &m) {
  float u = 1.0f - s;
  m.setIdentity();
  setRow(m, 0, lumR * u + s, lumG * u, lumB * u);
  setRow(m, 1, lumR * u, lumG * u + s, lumB * u);
  setRow(m, 2, lumR * u, lumG * u, lumB * u + s);
}

void luminanceMatrix(Matrix4 &m) {
  m.setIdentity();
  for (int row = 0; row < 3; ++row)
    setRow(m, row, lumR, lumG, lumB);
}

void hueRotationMatrix(float degrees, Matrix4 &m) {
  Matrix4 step;
  m.setIdentity();
  // Turn the grey diagonal onto the z axis.
  step.setRotationX(45.0f);
  apply(step, m);
  step.setRotationY(-35.264389f);
  apply(step, m);
  // Shear so that the luminance plane is level, keeping luminance during the turn.
  Vector3 l = m.transformPoint(Vector3(lumR, lumG, lumB));
  float zsx = l.x / l.z;
  float zsy = l.y / l.z;
  step.setShearZ(zsx, zsy);
  apply(step, m);
  step.setRotationZ(degrees);
  apply(step, m);
  step.setShearZ(-zsx, -zsy);
  apply(step, m);
  step.setRotationY(35.264389f);
  apply(step, m);
  step.setRotationX(-45.0f);
  apply(step, m);
}

} // namespace math
