#include "math/Matrix4.h"
#include "math/MatrixStack.h"
#include "math/Quaternion.h"
#include "math/VectorExpect.h"

#include <gtest/gtest.h>

#include <cstring>

using math::Matrix4;
using math::MatrixStack;
using math::Vector2;
using math::Vector3;

namespace {

void expectIdentity(const Matrix4 &m, float eps = 1e-5f) {
  Matrix4 id;
  for (int i = 0; i < 16; ++i)
    EXPECT_NEAR(m.m[i], id.m[i], eps) << "element " << i;
}

bool bitIdentical(const Matrix4 &a, const Matrix4 &b) {
  return std::memcmp(a.m, b.m, sizeof a.m) == 0;
}

} // namespace

TEST(Matrix4, TranslationLivesInTheLastColumn) {
  Matrix4 t;
  t.setTranslation(1, 2, 3);
  EXPECT_EQ(t.m[3], 1);
  EXPECT_EQ(t.m[7], 2);
  EXPECT_EQ(t.m[11], 3);
  expectNear(t.transformPoint(Vector3()), 1, 2, 3);
  t.transpose();
  expectNear(t.transformPoint(Vector3()), 0, 0, 0);
  Matrix4 u;
  u.setTranslation(Vector3(4, 5, 6));
  Vector2 p = u.transformPoint(Vector2(1, 1));
  EXPECT_FLOAT_EQ(p.x, 5);
  EXPECT_FLOAT_EQ(p.y, 6);
}

TEST(Matrix4, ColumnMajorPutsTheTranslationLast) {
  Matrix4 t;
  t.setTranslation(1, 2, 3);
  t.m[1] = 9; // row 0, column 1
  float gl[16], raw[16];
  Matrix4::toColumnMajor(t, gl);
  Matrix4::toArray(t, raw);
  EXPECT_EQ(gl[12], 1);
  EXPECT_EQ(gl[13], 2);
  EXPECT_EQ(gl[14], 3);
  EXPECT_EQ(gl[4], 9);
  EXPECT_EQ(std::memcmp(raw, t.m, sizeof raw), 0);
}

TEST(Matrix4, ProductAppliesTheRightFactorFirst) {
  Matrix4 t, s;
  t.setTranslation(1, 0, 0);
  s.setScale(2, 3, 4);
  expectNear((t * s).transformPoint(Vector3(1, 1, 1)), 3, 3, 4);
  expectNear((s * t).transformPoint(Vector3(1, 1, 1)), 4, 3, 4);
  EXPECT_TRUE(t * Matrix4() == t);
}

TEST(Matrix4, RotationsTurnCounterClockwiseAboutTheirAxis) {
  Matrix4 r;
  r.setRotationZ(90);
  expectNear(r.transformPoint(Vector3(1, 0, 0)), 0, 1, 0);
  r.setRotationX(90);
  expectNear(r.transformPoint(Vector3(0, 1, 0)), 0, 0, 1);
  r.setRotationY(90);
  expectNear(r.transformPoint(Vector3(0, 0, 1)), 1, 0, 0);
}

TEST(Matrix4, ShearsAndEulerAngles) {
  Matrix4 m;
  m.setShearX(2, 3);
  expectNear(m.transformPoint(Vector3(1, 1, 1)), 6, 1, 1);
  m.setShearY(2, 3);
  expectNear(m.transformPoint(Vector3(1, 1, 1)), 1, 6, 1);
  m.setShearZ(2, 3);
  expectNear(m.transformPoint(Vector3(1, 1, 1)), 1, 1, 6);
  // The transpose of Rz(c) Ry(b) Rx(a).
  Matrix4 e, rx, ry, rz;
  e.setEulerAngles(10, 20, 30);
  rx.setRotationX(10);
  ry.setRotationY(20);
  rz.setRotationZ(30);
  Matrix4 expected = rz * ry * rx;
  expected.transpose();
  for (int i = 0; i < 16; ++i)
    EXPECT_NEAR(e.m[i], expected.m[i], 1e-6f) << i;
}

TEST(Matrix4, SetAxesTakesZYXOrder) {
  Matrix4 m;
  m.setTranslation(7, 7, 7);
  m.setAxes(Vector3(0, 0, 3), Vector3(0, 2, 0), Vector3(1, 0, 0));
  Matrix4 expected;
  expected.setScale(1, 2, 3);
  EXPECT_TRUE(m == expected);
}

TEST(Matrix4, LookAlong) {
  Matrix4 m;
  m.setLookAlong(Vector3(1, 0, 0), Vector3(0, 1, 0));
  expectNear(m.transformPoint(Vector3(0, 0, 1)), 1, 0, 0);
  expectNear(m.transformPoint(Vector3(0, 1, 0)), 0, 1, 0);
  expectNear(m.transformPoint(Vector3(1, 0, 0)), 0, 0, -1);
  m.setScale(2, 2, 2);
  m.setLookAlong(Vector3(0, 3, 0), Vector3(0, 1, 0));
  EXPECT_TRUE(m == Matrix4());
}

TEST(Matrix4, Perspective) {
  Matrix4 m;
  m.setPerspective(90, 90, 1, 100);
  EXPECT_NEAR(m.m[0], 1, 1e-6f);
  EXPECT_NEAR(m.m[5], 1, 1e-6f);
  EXPECT_FLOAT_EQ(m.m[10], -100.0f / 99.0f);
  EXPECT_FLOAT_EQ(m.m[11], -100.0f / 99.0f);
  EXPECT_EQ(m.m[14], -1);
  EXPECT_EQ(m.m[15], 0);
  EXPECT_NEAR(m.transformPoint(Vector3(0, 0, -1)).z, 0, 1e-6f);
  EXPECT_NEAR(m.transformPoint(Vector3(0, 0, -100)).z, 1, 1e-5f);
}

TEST(Matrix4, Orthographic) {
  Matrix4 m;
  m.setOrthographic(4, 2, 1, 11);
  expectNear(m.transformPoint(Vector3(2, -1, -1)), 1, -1, 0);
  expectNear(m.transformPoint(Vector3(-2, 1, -11)), -1, 1, 1);
  m.setOrthographic(0, 0, 1, 2);
  EXPECT_EQ(m.m[0], 0);
  EXPECT_EQ(m.m[5], 0);
}

TEST(Matrix4, SmallWIsNotDividedBy) {
  Matrix4 m;
  m.m[15] = 0.00005f;
  expectNear(m.transformPoint(Vector3(1, 2, 3)), 1, 2, 3);
  m.m[15] = 2;
  expectNear(m.transformPoint(Vector3(1, 2, 3)), 0.5f, 1, 1.5f);
}

TEST(Matrix4, InvertOfTranslatedAndRotatedGivesIdentity) {
  Matrix4 t, r, s;
  t.setTranslation(5, -2, 3);
  r.setEulerAngles(30, -45, 60);
  s.setScale(2, 0.5f, 3);
  Matrix4 m = t * r * s;
  Matrix4 inv = m;
  ASSERT_TRUE(inv.invert());
  expectIdentity(inv * m);
  expectIdentity(m * inv);
  expectNear(inv.transformPoint(m.transformPoint(Vector3(1, 2, 3))), 1, 2, 3, 1e-4f);

  Matrix4 translated;
  translated.setTranslation(5, 0, 0);
  ASSERT_TRUE(translated.invert());
  expectNear(translated.transformPoint(Vector3()), -5, 0, 0);
}

TEST(Matrix4, InvertRefusesProjectiveAndSingularMatrices) {
  Matrix4 p;
  p.setPerspective(60, 60, 1, 10);
  Matrix4 before = p;
  EXPECT_FALSE(p.invert());
  EXPECT_TRUE(bitIdentical(p, before));

  Matrix4 flat;
  flat.setScale(1, 0, 1);
  flat.m[3] = 4;
  before = flat;
  EXPECT_FALSE(flat.invert());
  EXPECT_TRUE(bitIdentical(flat, before));
}

TEST(MatrixStack, TranslateThenRotateRotatesFirst) {
  MatrixStack s;
  s.push();
  s.translate(1, 0, 0);
  s.rotate(Vector3(0, 0, 1), 90);
  expectNear(s.top().transformPoint(Vector3(1, 0, 0)), 1, 1, 0);

  s.loadIdentity();
  s.translate(Vector3(1, 0, 0));
  s.preRotate(Vector3(0, 0, 1), 90);
  expectNear(s.top().transformPoint(Vector3(1, 0, 0)), 0, 2, 0);
}

TEST(MatrixStack, ZeroAngleLeavesTheTopBitIdentical) {
  MatrixStack s;
  s.push();
  s.rotate(Vector3(1, 2, 3), 17);
  Matrix4 before = s.top();
  s.rotate(Vector3(0, 1, 0), 0);
  s.preRotate(Vector3(0, 1, 0), 0);
  EXPECT_TRUE(bitIdentical(s.top(), before));
}

TEST(MatrixStack, PushCopiesAndGrowsByDoubling) {
  MatrixStack s;
  EXPECT_EQ(s.size(), 0u);
  s.push();
  EXPECT_TRUE(s.top() == Matrix4());
  EXPECT_EQ(s.capacity(), 2u);
  s.scale(2, 2, 2);
  s.push();
  s.push();
  EXPECT_EQ(s.size(), 3u);
  EXPECT_EQ(s.capacity(), 4u);
  Matrix4 two;
  two.setScale(2, 2, 2);
  EXPECT_TRUE(s.top() == two);
  s.preTranslate(Vector2(1, 1));
  expectNear(s.top().transformPoint(Vector3(1, 1, 1)), 3, 3, 2);
  s.pop();
  EXPECT_TRUE(s.top() == two);
  s.preScale(0.5f, 0.5f, 0.5f);
  EXPECT_TRUE(s.top() == Matrix4());
  Matrix4 t;
  t.setTranslation(1, 2, 3);
  s.load(t);
  s.multiply(two);
  expectNear(s.top().transformPoint(Vector3(1, 1, 1)), 3, 4, 5);
  s.preMultiply(two);
  expectNear(s.top().transformPoint(Vector3(1, 1, 1)), 6, 8, 10);
  s.reset();
  EXPECT_EQ(s.size(), 0u);
  EXPECT_EQ(s.capacity(), 4u);
}

TEST(MatrixStackDeath, EmptyStackAsserts) {
  MatrixStack s;
  EXPECT_EXIT(s.top(), testing::ExitedWithCode(255), "");
  EXPECT_EXIT(s.pop(), testing::ExitedWithCode(255), "");
}
