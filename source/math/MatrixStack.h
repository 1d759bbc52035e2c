#pragma once
// A stack of matrices. "pre" operations multiply on the left, the others on
// the right, so with the right-multiplying forms the transform given last acts
// first on the geometry. reset() keeps the storage, so a stack reset every
// frame stops allocating after its deepest frame.

#include "container/Vector.h"
#include "math/Matrix4.h"

namespace math {

class MatrixStack {
public:
  void reset() { m_stack.clear(); }
  unsigned int size() const { return m_stack.size(); }
  unsigned int capacity() const { return m_stack.capacity(); }

  Matrix4 &top();
  const Matrix4 &top() const;
  // A copy of the top, or the identity on an empty stack.
  void push();
  void pop();

  void load(const Matrix4 &m) { top() = m; }
  void loadIdentity() { top().setIdentity(); }
  void multiply(const Matrix4 &m) { top() = top() * m; }
  void preMultiply(const Matrix4 &m) { top() = m * top(); }

  void translate(float x, float y, float z);
  void translate(const Vector3 &t) { translate(t.x, t.y, t.z); }
  void translate(const Vector2 &t) { translate(t.x, t.y, 0.0f); }
  void preTranslate(float x, float y, float z);
  void preTranslate(const Vector3 &t) { preTranslate(t.x, t.y, t.z); }
  void preTranslate(const Vector2 &t) { preTranslate(t.x, t.y, 0.0f); }
  void scale(float x, float y, float z);
  void preScale(float x, float y, float z);
  // Nothing for an angle of exactly 0; the axis is not normalised.
  void rotate(const Vector3 &axis, float degrees);
  void preRotate(const Vector3 &axis, float degrees);

private:
  container::Vector<Matrix4> m_stack;
};

} // namespace math
