#include "file/BufferBinary.h"
#include "math/Circle.h"
#include "math/Rectangle.h"
#include "quip/Token.h"

#include <gtest/gtest.h>

#include <memory>

using math::Circle;
using math::Rectangle;
using math::Vector2;
using math::Vector2i;

namespace {

quip::Token pair(float a, float b) {
  quip::Array array(2);
  array.set(quip::Token(a), 0);
  array.set(quip::Token(b), 1);
  return quip::Token(array, false);
}

Rectangle rect(float x, float y, float w, float h) {
  Rectangle r;
  r.set(x, y, w, h);
  return r;
}

void expectRect(const Rectangle &r, float x, float y, float w, float h) {
  EXPECT_FLOAT_EQ(r.x, x);
  EXPECT_FLOAT_EQ(r.y, y);
  EXPECT_FLOAT_EQ(r.width, w);
  EXPECT_FLOAT_EQ(r.height, h);
}

} // namespace

TEST(Rectangle, LoadingCombinesTheKeysInOrder) {
  quip::Dictionary size;
  size.set(Symbol::intern(L"size"), pair(4, 2));
  Rectangle a;
  a.load(size);
  expectRect(a, -2, -1, 4, 2);

  quip::Dictionary notCentered;
  notCentered.set(Symbol::intern(L"size"), pair(4, 2));
  notCentered.set(Symbol::intern(L"centered"), quip::boolToken(false));
  Rectangle b;
  b.load(notCentered);
  expectRect(b, 0, 0, 4, 2);

  quip::Dictionary centre;
  centre.set(Symbol::intern(L"size"), pair(4, 2));
  centre.set(Symbol::intern(L"centerPosition"), pair(10, 10));
  Rectangle c;
  c.load(centre);
  expectRect(c, 8, 9, 4, 2);
  centre.set(Symbol::intern(L"x"), quip::Token(1.0f));
  c.load(centre);
  expectRect(c, 1, 9, 4, 2);

  // Any token but the symbol false centres, even the number 0.
  quip::Dictionary zero;
  zero.set(Symbol::intern(L"size"), pair(4, 2));
  zero.set(Symbol::intern(L"centered"), quip::Token(0.0f));
  zero.set(Symbol::intern(L"h"), quip::Token(L"tall")); // wrong kind: ignored
  Rectangle d;
  d.load(zero);
  expectRect(d, -2, -1, 4, 2);

  quip::Dictionary corner;
  corner.set(Symbol::intern(L"position"), pair(3, 4));
  Rectangle e = rect(0, 0, 6, 8);
  e.load(corner);
  expectRect(e, 3, 4, 6, 8);
}

TEST(Rectangle, SaveAndTokenForms) {
  Rectangle r = rect(1, 2, 3, 4), back;
  quip::Dictionary d;
  r.save(d);
  back.load(d);
  EXPECT_TRUE(back == r);
  quip::Token t;
  quip::toToken(r, t);
  ASSERT_EQ(t.array().count(), 4u);
  Rectangle fromToken;
  EXPECT_TRUE(t.get(fromToken));
  EXPECT_TRUE(fromToken == r);
  EXPECT_FALSE(fromToken.fromToken(pair(1, 2)));
  EXPECT_TRUE(fromToken == r);

  file::BufferBinary buffer;
  r.write(buffer);
  EXPECT_EQ(buffer.size(), 16u);
  buffer.seek(0);
  Rectangle read;
  read.read(buffer);
  EXPECT_TRUE(read == r);
}

TEST(Rectangle, ContainmentAndOverlap) {
  Rectangle r = rect(0, 0, 10, 10);
  EXPECT_TRUE(r.contains(Vector2(10, 10)));
  EXPECT_TRUE(r.contains(Vector2(0, 0)));
  EXPECT_TRUE(r.contains(Vector2i(5, 10)));
  EXPECT_FALSE(r.contains(Vector2(10.01f, 5)));
  EXPECT_TRUE(r.intersects(rect(10, 0, 5, 5)));
  EXPECT_FALSE(r.intersects(rect(10.5f, 0, 5, 5)));
  EXPECT_FALSE(r.intersects(Circle(1, Vector2(11, 5))));
  EXPECT_TRUE(r.intersects(Circle(1, Vector2(10.5f, 5))));
  EXPECT_TRUE(Circle(1, Vector2(10.5f, 5)).intersects(r));
  EXPECT_TRUE(r.contains(Circle(1, Vector2(1, 9))));
  EXPECT_FALSE(r.contains(Circle(1, Vector2(0.5f, 5))));
  EXPECT_TRUE(rect(10, 10, -10, -10).contains(Circle(1, Vector2(5, 5))));

  Rectangle negative = rect(10, 10, -10, -10);
  EXPECT_FALSE(negative.contains(Vector2(5, 5)));
  EXPECT_FALSE(negative.contains(Vector2(10, 10)));
  EXPECT_FLOAT_EQ(r.distanceSquared(Vector2(13, -4)), 25);
}

TEST(Rectangle, IncludeIntersectionAndRoundOut) {
  Rectangle r = rect(0, 0, 1, 1);
  r.include(Vector2(3, -2));
  expectRect(r, 0, -2, 3, 3);
  Rectangle n = rect(5, 5, -2, -2);
  n.include(Vector2(4, 4));
  expectRect(n, 3, 3, 2, 2);
  n.include(rect(10, 4, -1, 1));
  expectRect(n, 3, 3, 7, 2);
  n.include(Circle(1, Vector2(0, 4)));
  expectRect(n, -1, 3, 11, 2);

  expectRect(Rectangle::intersection(rect(0, 0, 1, 1), rect(5, 5, 1, 1)), 5, 5, 0, 0);
  expectRect(Rectangle::intersection(rect(0, 0, 4, 4), rect(6, 6, -4, -4)), 2, 2, 2, 2);

  Rectangle o = rect(2.5f, 1.2f, -1, 1);
  o.roundOut();
  expectRect(o, 1, 1, 2, 2);
}

TEST(Rectangle, ScaleAndSetWidth) {
  Rectangle r(4, 2, true);
  expectRect(r, -2, -1, 4, 2);
  r.setWidth(8);
  expectRect(r, -4, -1, 8, 2);
  r.setHeight(1);
  expectRect(r, -4, -0.5f, 8, 1);
  Rectangle z;
  z.setWidth(4);
  EXPECT_FLOAT_EQ(z.x, -2);
  z.setHeight(6);
  EXPECT_FLOAT_EQ(z.y, -3);
  Rectangle s = rect(1, 1, 2, 2);
  s.scale(Vector2(2, 3));
  expectRect(s, 2, 3, 4, 6);
  s.translate(Vector2(1, 1));
  expectRect(s, 3, 4, 4, 6);
  expectRect(Rectangle(Vector2(2, 6), false), 0, 0, 2, 6);
}

TEST(Rectangle, FitShrinksButNeverEnlarges) {
  Vector2 offset;
  float scale = 0;
  rect(0, 0, 200, 100).fit(rect(0, 0, 100, 100), offset, scale);
  EXPECT_FLOAT_EQ(scale, 0.5f);
  EXPECT_FLOAT_EQ(offset.x, 0);
  EXPECT_FLOAT_EQ(offset.y, 25);

  rect(0, 0, 20, 10).fit(rect(10, 10, 100, 100), offset, scale);
  EXPECT_FLOAT_EQ(scale, 1);
  EXPECT_FLOAT_EQ(offset.x, 50);
  EXPECT_FLOAT_EQ(offset.y, 55);

  rect(0, 0, 0, 500).fit(rect(0, 0, 100, 100), offset, scale);
  EXPECT_FLOAT_EQ(scale, 1);
}

TEST(Circle, RimCountsAsInside) {
  Circle c(2, Vector2(1, 1));
  EXPECT_TRUE(c.contains(Vector2(3, 1)));
  EXPECT_TRUE(c.contains(Vector2i(1, -1)));
  EXPECT_FALSE(c.contains(Vector2(3.01f, 1)));
  EXPECT_TRUE(c.intersects(Circle(1, Vector2(4, 1))));
  EXPECT_FALSE(c.intersects(Circle(1, Vector2(4.01f, 1))));
  expectRect(c.boundingRectangle(), -1, -1, 4, 4);
  EXPECT_NEAR(Circle::area(2), 12.566371f, 1e-5);
  Circle d;
  quip::Dictionary dict;
  dict.set(Symbol::intern(L"radius"), quip::Token(3.0f));
  dict.set(Symbol::intern(L"position"), pair(5, 6));
  d.load(dict);
  EXPECT_EQ(d.radius, 3);
  EXPECT_EQ(d.position.x, 5);
  EXPECT_EQ(d.position.y, 6);
}

TEST(Bounds2D, FactoryPicksTheKindByType) {
  quip::Dictionary circle;
  circle.set(Symbol::intern(L"type"), quip::Token(Symbol::intern(L"circle"), false));
  circle.set(Symbol::intern(L"radius"), quip::Token(2.0f));
  std::unique_ptr<math::Bounds2D> a(math::createBounds2D(circle));
  ASSERT_TRUE(a);
  EXPECT_TRUE(a->contains(Vector2(0, 2)));
  expectRect(a->boundingRectangle(), -2, -2, 4, 4);

  quip::Dictionary rectangle;
  rectangle.set(Symbol::intern(L"type"), quip::Token(Symbol::intern(L"rectangle"), false));
  rectangle.set(Symbol::intern(L"size"), pair(4, 2));
  std::unique_ptr<math::Bounds2D> b(math::createBounds2D(rectangle));
  ASSERT_TRUE(b);
  expectRect(b->boundingRectangle(), -2, -1, 4, 2);

  quip::Dictionary other;
  EXPECT_EQ(math::createBounds2D(other), nullptr);
  other.set(Symbol::intern(L"type"), quip::Token(Symbol::intern(L"triangle"), false));
  EXPECT_EQ(math::createBounds2D(other), nullptr);
  other.set(Symbol::intern(L"type"), quip::Token(L"circle"));
  EXPECT_EQ(math::createBounds2D(other), nullptr);
}
