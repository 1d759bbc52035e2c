#include "math/Transform.h"
#include "file/BufferBinary.h"
#include "math/Quaternion.h"
#include "math/TransformDefinition.h"
#include "math/VectorExpect.h"
#include "quip/Token.h"

#include <gtest/gtest.h>

#include <cmath>

using math::Quaternion;
using math::Transform;
using math::TransformDefinition;
using math::Vector3;

TEST(Transform, NewIsIdentityAndSavesNothing) {
  Transform t;
  EXPECT_TRUE(t.isIdentity());
  EXPECT_EQ(t.flags(), Transform::AXIS_ANGLE_CURRENT);
  quip::Dictionary d;
  t.save(d);
  EXPECT_TRUE(d.isEmpty());

  // An angle of 0 about another axis is not the identity, but places like it.
  t.translation = Vector3(1, 2, 3);
  t.setAxisAngle(Vector3(1, 0, 0), 0);
  t.translation = Vector3(0, 0, 0);
  EXPECT_FALSE(t.isIdentity());
  t.translation = Vector3(1, 2, 3);
  EXPECT_EQ(t.transformPoint(Vector3(4, 5, 6)), Vector3(5, 7, 9));
}

TEST(Transform, RotationFormsAreRebuiltOnDemand) {
  Transform t;
  t.setRotation(turn(Vector3(0, 0, 1), 90));
  EXPECT_EQ(t.flags(), Transform::QUATERNION_CURRENT);
  EXPECT_NEAR(t.angle(), 90, 1e-4f);
  expectNear(t.axis(), Vector3(0, 0, 1));
  EXPECT_EQ(t.flags(), Transform::AXIS_ANGLE_CURRENT | Transform::QUATERNION_CURRENT);

  t.setAxisAngle(Vector3(0, 1, 0), 90);
  EXPECT_EQ(t.flags(), Transform::AXIS_ANGLE_CURRENT);
  expectNear(t.rotateVector(Vector3(1, 0, 0)), Vector3(0, 0, -1));
  EXPECT_EQ(t.flags(), Transform::AXIS_ANGLE_CURRENT | Transform::QUATERNION_CURRENT);
  expectNear(t.inverseRotateVector(Vector3(0, 0, -1)), Vector3(1, 0, 0));
  expectNear(t.forward(), Vector3(-1, 0, 0));
  expectNear(t.up(), Vector3(0, 1, 0));

  t.translation = Vector3(5, 0, 0);
  const Vector3 p(1, 2, 3);
  expectNear(t.inverseTransformPoint(t.transformPoint(p)), p);
}

TEST(Transform, EulerAnglesAndAxes) {
  Transform t;
  t.setEulerAngles(0, 0, 90);
  expectNear(t.rotateVector(Vector3(1, 0, 0)), Vector3(0, -1, 0));

  // x axis b, y axis c, z axis a.
  Transform axes;
  axes.setRotationFromAxes(Vector3(1, 0, 0), Vector3(0, 0, -1), Vector3(0, 1, 0));
  expectNear(axes.rotateVector(Vector3(1, 0, 0)), Vector3(0, 0, -1));
  expectNear(axes.rotateVector(Vector3(0, 0, 1)), Vector3(1, 0, 0));

  Vector3 axis;
  float angle;
  Transform::directionToAxisAngle(Vector3(1, 0, 0), Vector3(0, 1, 0), axis, angle);
  Transform facing;
  facing.setAxisAngle(axis, angle);
  expectNear(facing.rotateVector(Vector3(0, 0, 1)), Vector3(1, 0, 0));
  // Up along the direction: the identity.
  Transform::directionToAxisAngle(Vector3(0, 2, 0), Vector3(0, 1, 0), axis, angle);
  EXPECT_EQ(angle, 0);
}

TEST(Transform, ComposePlacesTheChild) {
  Transform parent;
  parent.translation = Vector3(1, 0, 0);
  parent.setAxisAngle(Vector3(0, 0, 1), 90);
  Transform child;
  child.translation = Vector3(1, 0, 0);
  child.setAxisAngle(Vector3(0, 0, 1), 90);
  parent.compose(child);
  expectNear(parent.translation, Vector3(1, 1, 0));
  EXPECT_EQ(parent.flags(), Transform::QUATERNION_CURRENT);
  EXPECT_NEAR(parent.angle(), 180, 1e-3f);
}

TEST(Transform, LoadAndSave) {
  Transform t;
  quip::Dictionary angleOnly;
  angleOnly.set(SYM(L"angle"), quip::Token(45.0f));
  t.load(angleOnly);
  EXPECT_EQ(t.angle(), 45);
  EXPECT_EQ(t.axis(), Vector3(0, 1, 0));

  quip::Dictionary axisOnly;
  axisOnly.set(SYM(L"axis"), Vector3(0, 0, 2).toToken());
  t.load(axisOnly);
  EXPECT_EQ(t.angle(), 45);
  EXPECT_EQ(t.axis(), Vector3(0, 0, 1));

  // A wrong-typed value is ignored rather than misread.
  quip::Dictionary bad;
  bad.set(SYM(L"angle"), quip::Token(L"ninety"));
  bad.set(SYM(L"axis"), quip::Token(1.0f));
  t.load(bad);
  EXPECT_EQ(t.angle(), 45);
  EXPECT_EQ(t.axis(), Vector3(0, 0, 1));

  t.translation = Vector3(1, 2, 3);
  quip::Dictionary saved;
  t.save(saved);
  EXPECT_EQ(saved.count(), 3u);
  Transform back;
  back.load(saved);
  EXPECT_EQ(back.translation, Vector3(1, 2, 3));
  EXPECT_EQ(back.axis(), Vector3(0, 0, 1));
  EXPECT_EQ(back.angle(), 45);
}

TEST(Transform, BinaryFormRoundTripsAndRefusesShortInput) {
  Transform t;
  t.translation = Vector3(1, 2, 3);
  t.setRotation(turn(Vector3(0, 1, 0), 30));
  file::BufferBinary buffer;
  t.write(buffer);
  EXPECT_EQ(buffer.size(), 44u);

  buffer.seek(0);
  Transform back;
  ASSERT_TRUE(back.read(buffer));
  EXPECT_EQ(back.flags(), Transform::AXIS_ANGLE_CURRENT | Transform::QUATERNION_CURRENT);
  EXPECT_EQ(back.translation, t.translation);
  EXPECT_EQ(back.angle(), t.angle());
  EXPECT_EQ(back.axis(), t.axis());
  EXPECT_EQ(back.rotation(), t.rotation());

  buffer.seek(4);
  Transform untouched;
  EXPECT_FALSE(untouched.read(buffer));
  EXPECT_TRUE(untouched.isIdentity());
}

TEST(TransformDefinition, DefaultsAndSave) {
  TransformDefinition d;
  EXPECT_TRUE(d.isIdentity());
  quip::Dictionary empty;
  d.save(empty);
  EXPECT_TRUE(empty.isEmpty());

  d.flipY = true;
  EXPECT_FALSE(d.isIdentity());
  quip::Dictionary one;
  d.save(one);
  EXPECT_EQ(one.count(), 1u);
  ASSERT_NE(one.lookup(SYM(L"flipY")), nullptr);
  EXPECT_EQ(one.lookup(SYM(L"flipY"))->symbol(), quip::trueSymbol());
}

TEST(TransformDefinition, LoadRoundTrip) {
  TransformDefinition d;
  d.translation = Vector3(1, 2, 3);
  d.axis = Vector3(1, 0, 0);
  d.angle = 30;
  d.scale = 2;
  d.flipX = d.flipZ = true;
  quip::Dictionary saved;
  d.save(saved);
  EXPECT_EQ(saved.count(), 6u);

  TransformDefinition back;
  back.load(saved);
  EXPECT_EQ(back.translation, d.translation);
  EXPECT_EQ(back.axis, d.axis);
  EXPECT_EQ(back.angle, 30);
  EXPECT_EQ(back.scale, 2);
  EXPECT_TRUE(back.flipX);
  EXPECT_FALSE(back.flipY);
  EXPECT_TRUE(back.flipZ);

  // Only the symbol false is false; the axis is normalised.
  quip::Dictionary more;
  more.set(SYM(L"flipX"), quip::Token(quip::falseSymbol(), false));
  more.set(SYM(L"flipY"), quip::Token(0.0f));
  more.set(SYM(L"axis"), Vector3(0, 3, 4).toToken());
  back.load(more);
  EXPECT_FALSE(back.flipX);
  EXPECT_TRUE(back.flipY);
  expectNear(back.axis, Vector3(0, 0.6f, 0.8f));

  Transform t;
  t.translation = Vector3(4, 5, 6);
  t.setAxisAngle(Vector3(0, 0, 1), 10);
  back.set(t);
  EXPECT_EQ(back.translation, Vector3(4, 5, 6));
  EXPECT_EQ(back.axis, Vector3(0, 0, 1));
  EXPECT_EQ(back.angle, 10);
  EXPECT_EQ(back.scale, 2);
  EXPECT_FALSE(back.flipX || back.flipY || back.flipZ);
}

TEST(TransformDefinition, ApplyInverseUndoesApply) {
  TransformDefinition d;
  d.scale = 2;
  d.flipX = true;
  d.translation = Vector3(10, 0, 0);
  EXPECT_EQ(d.apply(Vector3(1, 0, 0)), Vector3(8, 0, 0));
  EXPECT_EQ(d.applyInverse(Vector3(8, 0, 0)), Vector3(1, 0, 0));

  d.axis = Vector3(0, 1, 0);
  d.angle = 90;
  d.flipZ = true;
  for (const Vector3 &p : {Vector3(1, 2, 3), Vector3(-4, 0.5f, 7), Vector3()})
    expectNear(d.applyInverse(d.apply(p)), p);
  // The rotation acts after the flips and the scale.
  expectNear(d.apply(Vector3(1, 0, 0)), Vector3(10, 0, 2));

  EXPECT_EQ(d.scaleLength(3), 6);
  EXPECT_EQ(d.unscaleLength(3), 1.5f);

  // Changing the fields between uses turns by the new rotation.
  d.flipX = d.flipZ = false;
  d.scale = 1;
  d.translation = Vector3();
  d.axis = Vector3(0, 0, 1);
  expectNear(d.apply(Vector3(1, 0, 0)), Vector3(0, 1, 0));
  d.angle = 180;
  expectNear(d.apply(Vector3(1, 0, 0)), Vector3(-1, 0, 0));
  expectNear(d.applyInverse(Vector3(-1, 0, 0)), Vector3(1, 0, 0));
}
