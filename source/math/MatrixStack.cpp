#include "math/MatrixStack.h"

#include "error/Assert.h"
#include "math/Quaternion.h"

namespace math {

namespace {

Matrix4 rotation(const Vector3 &axis, float degrees) {
  Quaternion q;
  q.setAxisAngle(axis, degrees);
  Matrix4 r;
  r.setRotation(q);
  return r;
}

} // namespace

Matrix4 &MatrixStack::top() {
  CORVANE_ASSERT(m_stack.size() > 0);
  return m_stack.last();
}

const Matrix4 &MatrixStack::top() const {
  CORVANE_ASSERT(m_stack.size() > 0);
  return m_stack.last();
}

void MatrixStack::push() {
  if (m_stack.isEmpty())
    m_stack.push(Matrix4());
  else
    m_stack.push(m_stack.last());
}

void MatrixStack::pop() {
  CORVANE_ASSERT(m_stack.size() > 0);
  m_stack.setSize(m_stack.size() - 1);
}

void MatrixStack::translate(float x, float y, float z) {
  Matrix4 t;
  t.setTranslation(x, y, z);
  multiply(t);
}

void MatrixStack::preTranslate(float x, float y, float z) {
  Matrix4 t;
  t.setTranslation(x, y, z);
  preMultiply(t);
}

void MatrixStack::scale(float x, float y, float z) {
  Matrix4 s;
  s.setScale(x, y, z);
  multiply(s);
}

void MatrixStack::preScale(float x, float y, float z) {
  Matrix4 s;
  s.setScale(x, y, z);
  preMultiply(s);
}

void MatrixStack::rotate(const Vector3 &axis, float degrees) {
  if (degrees == 0.0f)
    return;
  multiply(rotation(axis, degrees));
}

void MatrixStack::preRotate(const Vector3 &axis, float degrees) {
  if (degrees == 0.0f)
    return;
  preMultiply(rotation(axis, degrees));
}

} // namespace math
