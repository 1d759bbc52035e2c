#include "math/ScriptForms.h"
#include "file/BufferBinary.h"
#include "math/Quaternion.h"
#include "math/Random.h"
#include "math/Size2i.h"
#include "math/Vector2.h"
#include "math/Vector2i.h"
#include "math/Vector3.h"
#include "quip/Range.h"
#include "quip/Token.h"

#include <gtest/gtest.h>

#include <cstring>

using math::Vector2;
using math::Vector2i;
using math::Vector3;

namespace {

quip::Token numbers(std::initializer_list<float> values) {
  quip::Array array(0);
  for (float v : values)
    array.append(quip::Token(v));
  return quip::Token(array, false);
}

} // namespace

TEST(ScriptForms, VectorsRoundTripThroughArrays) {
  Vector3 v(1, -2.5f, 0.125f), back;
  quip::Token t = v.toToken();
  ASSERT_TRUE(t.isArray());
  EXPECT_FALSE(t.isExecutable());
  EXPECT_EQ(t.array().count(), 3u);
  EXPECT_TRUE(back.fromToken(t));
  EXPECT_TRUE(back == v);
  EXPECT_TRUE(quip::toToken(v).array()[2] == quip::Token(0.125f));

  Vector2 w;
  EXPECT_TRUE(t.get(w)); // the first two numbers of a longer array
  EXPECT_EQ(w.x, 1);
  EXPECT_EQ(w.y, -2.5f);
  quip::Token t2 = Vector2(3, 4).toToken();
  EXPECT_EQ(t2.array().count(), 2u);

  Vector2i i;
  EXPECT_TRUE(numbers({3.9f, -3.9f}).get(i));
  EXPECT_EQ(i.x, 3);
  EXPECT_EQ(i.y, -3);
  quip::Token ti = Vector2i(-4, 7).toToken();
  EXPECT_TRUE(ti.array()[0] == quip::Token(-4.0f));
}

TEST(ScriptForms, MalformedTokensLeaveTheTargetUnchanged) {
  quip::Array mixed(0);
  mixed.append(quip::Token(1.0f));
  mixed.append(quip::Token(L"two"));
  mixed.append(quip::Token(3.0f));
  const quip::Token bad[] = {quip::Token(), quip::Token(5.0f),         numbers({1, 2}),
                             numbers({}),   quip::Token(mixed, false), quip::Token(L"1 2 3")};
  for (const quip::Token &t : bad) {
    Vector3 v(7, 8, 9);
    EXPECT_FALSE(v.fromToken(t));
    EXPECT_FALSE(t.get(v));
    EXPECT_TRUE(v == Vector3(7, 8, 9));
  }
  Vector2 w(5, 6);
  EXPECT_FALSE(w.fromToken(numbers({1})));
  EXPECT_EQ(w.x, 5);
  Vector2i i(5, 6);
  EXPECT_FALSE(i.fromToken(numbers({1e20f, 0})));
  EXPECT_FALSE(i.fromToken(quip::Token(2.0f)));
  EXPECT_EQ(i.x, 5);
  EXPECT_EQ(i.y, 6);
}

TEST(ScriptForms, Size2iThroughArrays) {
  math::Size2i size;
  EXPECT_TRUE(numbers({640.9f, -480.9f, 7}).get(size)); // truncated; extra elements ignored
  EXPECT_TRUE(size == math::Size2i(640, -480));
  quip::Token out;
  quip::toToken(math::Size2i(-3, 2147483392), out);
  ASSERT_TRUE(out.isArray());
  EXPECT_FALSE(out.isExecutable());
  ASSERT_EQ(out.array().count(), 2u);
  EXPECT_TRUE(out.array()[0] == quip::Token(-3.0f));
  EXPECT_TRUE(out.get(size));
  EXPECT_TRUE(size == math::Size2i(-3, 2147483392));

  quip::Array mixed(2);
  mixed.set(quip::Token(1.0f), 0);
  mixed.set(quip::Token(L"2"), 1);
  const quip::Token bad[] = {quip::Token(), quip::Token(5.0f), numbers({1}), numbers({3e9f, 1}),
                             quip::Token(mixed, false)};
  for (const quip::Token &t : bad) {
    math::Size2i kept(7, 8);
    EXPECT_FALSE(t.get(kept));
    EXPECT_TRUE(kept == math::Size2i(7, 8));
  }
}

TEST(ScriptForms, LookupVector3) {
  quip::Dictionary d;
  d.set(Symbol::intern(L"point"), numbers({1, 2, 3}));
  d.set(Symbol::intern(L"bad"), quip::Token(4.0f));
  Vector3 v(9, 9, 9);
  EXPECT_FALSE(quip::lookupVector3(d, Symbol::intern(L"missing"), quip::TYPE_ARRAY, v));
  EXPECT_FALSE(quip::lookupVector3(d, Symbol::intern(L"bad"), quip::TYPE_ARRAY, v));
  EXPECT_TRUE(v == Vector3(9, 9, 9));
  EXPECT_TRUE(quip::lookupVector3(d, Symbol::intern(L"point"), quip::TYPE_ARRAY, v));
  EXPECT_TRUE(v == Vector3(1, 2, 3));
}

TEST(BinaryForms, VectorBytes) {
  file::BufferBinary buffer;
  file::write(Vector2(1, 2), buffer);
  const unsigned char expected[] = {0x00, 0x00, 0x80, 0x3F, 0x00, 0x00, 0x00, 0x40};
  ASSERT_EQ(buffer.size(), 8u);
  EXPECT_EQ(std::memcmp(buffer.data(), expected, 8), 0);

  Vector3 v(-0.0f, 1e-30f, 3.5f);
  file::write(v, buffer);
  Vector2i i(-1, 0x01020304);
  i.write(buffer);
  math::Quaternion q(0.5f, -0.5f, 0.25f, 0.75f);
  q.write(buffer);
  ASSERT_EQ(buffer.size(), 8u + 12u + 8u + 16u);
  EXPECT_EQ(buffer.data()[20], 0xFF);
  EXPECT_EQ(buffer.data()[24], 0x04);

  buffer.seek(0);
  Vector2 w;
  Vector3 back;
  Vector2i j;
  math::Quaternion r;
  file::read(w, buffer);
  file::read(back, buffer);
  j.read(buffer);
  r.read(buffer);
  EXPECT_EQ(w.x, 1);
  EXPECT_EQ(w.y, 2);
  EXPECT_EQ(std::memcmp(&back, &v, 12), 0);
  EXPECT_EQ(j.x, -1);
  EXPECT_EQ(j.y, 0x01020304);
  EXPECT_TRUE(r == q);
}

TEST(BinaryForms, RandomStateIsFourBytesAndResumes) {
  Random a(77);
  a.next();
  file::BufferBinary buffer;
  a.write(buffer);
  EXPECT_EQ(buffer.size(), 4u);
  buffer.seek(0);
  Random b(1);
  b.read(buffer);
  for (int i = 0; i < 10; ++i)
    EXPECT_EQ(a.next(), b.next());
}

TEST(RangePick, OrdersItsBoundsFirst) {
  Random r(3);
  for (int i = 0; i < 200; ++i) {
    float f = quip::Range(5, 2).random(r);
    EXPECT_GE(f, 2);
    EXPECT_LE(f, 5);
    float g = quip::Range(5, 2).random();
    EXPECT_GE(g, 2);
    EXPECT_LE(g, 5);
    int k = quip::IntRange(4, -4).random(r);
    EXPECT_GE(k, -4);
    EXPECT_LE(k, 4);
    uint32_t u = quip::UnsignedRange(3000000000u, 10).random(r);
    EXPECT_GE(u, 10u);
    EXPECT_LE(u, 3000000000u);
    uint32_t gu = quip::UnsignedRange(3000000000u, 2999999990u).random();
    EXPECT_GE(gu, 2999999990u);
  }
  uint32_t before = r.state();
  EXPECT_EQ(quip::Range(3, 3).random(r), 3);
  EXPECT_EQ(quip::IntRange(-2, -2).random(r), -2);
  EXPECT_EQ(quip::UnsignedRange(9, 9).random(r), 9u);
  EXPECT_EQ(r.state(), before);
  EXPECT_EQ(quip::Range(3, 3).random(), 3);
}
