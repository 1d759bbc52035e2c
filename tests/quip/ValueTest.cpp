#include "quip/Token.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <thread>

using namespace quip;

namespace {

Token number(float v) { return Token(v); }

TEST(Token, TruthOnlyKnowsTheSymbolFalse) {
  EXPECT_TRUE(Token().toBool());
  EXPECT_TRUE(number(0).toBool());
  EXPECT_TRUE(Token(L"").toBool());
  EXPECT_TRUE(Token(L"false").toBool());
  EXPECT_TRUE(Token(Array(0), false).toBool());
  EXPECT_TRUE(Token(trueSymbol(), true).toBool());
  EXPECT_FALSE(Token(falseSymbol(), true).toBool());
  EXPECT_FALSE(Token(falseSymbol(), false).toBool());
}

TEST(Token, Equality) {
  EXPECT_NE(Token(), Token());
  EXPECT_EQ(number(1), number(1));
  EXPECT_NE(number(1), Token(L"1"));
  EXPECT_EQ(Token(L"abc"), Token(L"abc"));
  EXPECT_NE(Token(L"abc"), Token(Symbol::intern(L"abc"), false));
  EXPECT_EQ(Token(Symbol::intern(L"abc"), false), Token(Symbol::intern(L"abc"), true));
  Array a(1), b(1);
  a.set(number(1), 0);
  b.set(number(1), 0);
  EXPECT_NE(Token(a, false), Token(b, false));
  EXPECT_EQ(Token(a, false), Token(a, true));
  Dictionary d;
  EXPECT_EQ(Token(d), Token(Dictionary(d)));
  EXPECT_NE(Token(d), Token(Dictionary()));
}

TEST(Token, CopiesFollowOwnership) {
  Token s(L"text");
  Token t(s);
  t.string().append(L'!');
  EXPECT_EQ(s.string(), String(L"text"));

  Array a(0);
  Token x(a, false);
  Token y = x;
  y.array().append(number(7));
  EXPECT_EQ(x.array().count(), 1u);
  EXPECT_EQ(a.references(), 3u);
  y.release();
  EXPECT_TRUE(y.isError());
  EXPECT_EQ(a.references(), 2u);

  Token self(L"same");
  self = self;
  EXPECT_EQ(self, Token(L"same"));
}

TEST(Array, AppendGrowsByDoubling) {
  Array a(0);
  EXPECT_EQ(a.capacity(), 0u);
  a.append(number(1));
  EXPECT_EQ(a.capacity(), 2u);
  a.append(number(2));
  a.append(number(3));
  EXPECT_EQ(a.capacity(), 4u);
  EXPECT_EQ(a.count(), 3u);
  // Appending an element of the same array survives the block moving.
  a.append(a[0]);
  a.append(a[1]);
  EXPECT_EQ(a.capacity(), 8u);
  EXPECT_EQ(a[4], number(2));
  a.reserve(2);
  EXPECT_EQ(a.count(), 2u);
  EXPECT_EQ(a.capacity(), 2u);
}

TEST(Array, RemoveFastMovesTheLast) {
  Array a(0);
  for (const wchar_t *s : {L"a", L"b", L"c"})
    a.append(Token(s));
  a.removeFast(0);
  ASSERT_EQ(a.count(), 2u);
  EXPECT_EQ(a[0], Token(L"c"));
  EXPECT_EQ(a[1], Token(L"b"));
}

TEST(Dictionary, SharedBodiesAndClear) {
  Dictionary one;
  Dictionary two(one);
  Symbol key = Symbol::intern(L"key");
  one.set(key, number(1));
  ASSERT_NE(two.lookup(key), nullptr);
  two.clear();
  EXPECT_EQ(two.lookup(key), nullptr);
  EXPECT_NE(one.lookup(key), nullptr);
  EXPECT_TRUE(two.isEmpty());
}

TEST(Dictionary, FrozenRefusesNewKeysOnly) {
  Dictionary d;
  Symbol a = Symbol::intern(L"a"), b = Symbol::intern(L"b");
  d.set(a, number(1));
  d.freeze();
  EXPECT_TRUE(d.set(a, number(2)));
  EXPECT_FALSE(d.set(b, number(3)));
  EXPECT_EQ(*d.lookup(a), number(2));
  EXPECT_EQ(d.lookup(b), nullptr);
}

// Keys whose hashes fall into distinct (or one) buckets of an 11-bucket table.
container::Vector<Symbol> keysByBucket(bool distinct, uint32_t n) {
  container::Vector<Symbol> out;
  container::Vector<uint32_t> used;
  for (int i = 0; out.size() < n; ++i) {
    Symbol s = Symbol::intern(String::format(L"growKey%d", i));
    uint32_t bucket = container::hash(s) % 11;
    if (distinct ? used.indexOf(bucket) >= 0 : (!used.isEmpty() && used[0] != bucket))
      continue;
    used.push(bucket);
    out.push(s);
  }
  return out;
}

TEST(Dictionary, GrowsOnUsedBuckets) {
  Dictionary spread;
  for (Symbol s : keysByBucket(true, 6))
    spread.set(s, number(1));
  EXPECT_EQ(spread.bucketCount(), 22u);
  EXPECT_EQ(spread.growThreshold(), 11u);
  EXPECT_EQ(spread.count(), 6u);
  for (Symbol s : keysByBucket(true, 6))
    EXPECT_NE(spread.lookup(s), nullptr);

  Dictionary crowded;
  for (Symbol s : keysByBucket(false, 6))
    crowded.set(s, number(1));
  EXPECT_EQ(crowded.bucketCount(), 11u);
  EXPECT_EQ(crowded.usedBuckets(), 1u);

  // Keys come newest first within a bucket; removal empties the bucket.
  Array keys = crowded.keys();
  container::Vector<Symbol> inserted = keysByBucket(false, 6);
  ASSERT_EQ(keys.count(), 6u);
  EXPECT_TRUE(keys[0].isExecutable());
  EXPECT_EQ(keys[0].symbol(), inserted[5]);
  for (Symbol s : inserted)
    EXPECT_TRUE(crowded.remove(s));
  EXPECT_TRUE(crowded.isEmpty());
  EXPECT_FALSE(crowded.remove(inserted[0]));
}

TEST(Dictionary, LookupTypedReturnsOtherTypes) {
  Dictionary d;
  Symbol key = Symbol::intern(L"size");
  d.set(key, number(3));
  Token *found = d.lookupTyped(key, TYPE_ARRAY);
  ASSERT_NE(found, nullptr);
  EXPECT_TRUE(found->isNumber());
}

TEST(Dictionary, MergeIntoSharedBodyDoesNothing) {
  Dictionary d;
  d.set(Symbol::intern(L"a"), number(1));
  Dictionary same(d);
  d.merge(same);
  EXPECT_EQ(d.count(), 1u);
  Dictionary other;
  other.set(Symbol::intern(L"b"), number(2));
  d.merge(other);
  EXPECT_EQ(d.count(), 2u);
}

// The readers test the tag (and the shape of arrays) and leave the target
// alone on a mismatch instead of taking the payload as a pointer.
TEST(TokenReaders, LeaveTargetOnMismatch) {
  Token n = number(2.75f);
  Token s(L"text");

  String text(L"kept");
  EXPECT_FALSE(n.get(text));
  EXPECT_EQ(text, String(L"kept"));
  EXPECT_TRUE(s.get(text));
  EXPECT_EQ(text, String(L"text"));

  Array array(0);
  EXPECT_FALSE(n.get(array));
  EXPECT_EQ(array.references(), 1u);
  Dictionary dictionary;
  EXPECT_FALSE(s.get(dictionary));

  float f = 1;
  EXPECT_FALSE(s.get(f));
  EXPECT_EQ(f, 1);
  int i = 9;
  EXPECT_EQ(s.get(i), 9);
  EXPECT_EQ(n.get(i), 2);
  unsigned u = 5;
  EXPECT_EQ(number(-1.5f).get(u), 0xFFFFFFFFu);
  bool b = true;
  EXPECT_TRUE(n.get(b));
  EXPECT_FALSE(Token(falseSymbol(), false).get(b));

  Range range(1, 2);
  EXPECT_FALSE(n.get(range));
  Array one(1);
  one.set(number(4), 0);
  EXPECT_FALSE(Token(one, false).get(range));
  Array mixed(2);
  mixed.set(number(4), 0);
  mixed.set(Token(L"x"), 1);
  EXPECT_FALSE(Token(mixed, false).get(range));
  EXPECT_EQ(range.low, 1);
  Token pair;
  toToken(Range(5, 2), pair);
  EXPECT_TRUE(pair.get(range));
  EXPECT_EQ(range.low, 5);
  EXPECT_EQ(range.high, 2);
}

TEST(TokenReaders, LookupHelpers) {
  Dictionary d;
  Symbol loop = Symbol::intern(L"loop"), speed = Symbol::intern(L"speed");
  d.set(loop, boolToken(false));
  d.set(speed, number(1.5f));
  bool flag = true;
  EXPECT_TRUE(lookupBool(d, loop, TYPE_SYMBOL, flag));
  EXPECT_FALSE(flag);
  EXPECT_FALSE(lookupBool(d, Symbol::intern(L"absent"), TYPE_SYMBOL, flag));
  uint32_t bits = 0;
  EXPECT_TRUE(lookupScalar(d, speed, TYPE_NUMBER, bits));
  float back;
  std::memcpy(&back, &bits, 4);
  EXPECT_EQ(back, 1.5f);
}

TEST(TypeCheck, Message) {
  String message = typeCheckMessage(L"rhs", Token(L"a"), TYPE_NUMBER);
  EXPECT_EQ(message, String(L"Type-check failed.  Argument 'rhs'\n(\"a\")\nis type 'string', "
                            L"should be type 'number'."));
  EXPECT_EQ(String(typeName(9)), String(L"unknown"));
}

} // namespace

namespace {

// Buckets are chosen by multiplication; it must agree with the remainder.
TEST(Dictionary, BucketChoiceIsTheRemainder) {
  uint32_t hash = 12345;
  for (uint32_t count = 11; count < (1u << 30); count *= 2) {
    DictionaryBody body{};
    body.bucketCount = count;
    body.reciprocal = DictionaryBody::reciprocalOf(count);
    for (int i = 0; i < 10000; ++i) {
      hash = hash * 1664525u + 1013904223u;
      ASSERT_EQ(body.bucketOf(hash), hash % count);
    }
    for (uint32_t edge : {0u, 1u, count - 1, count, count + 1, 0xFFFFFFFFu})
      ASSERT_EQ(body.bucketOf(edge), edge % count);
  }
}

// Entries are reused by the thread that frees them: dictionaries filled on
// threads that have ended, emptied and refilled on others, keep every value.
TEST(Dictionary, EntriesOutliveTheThreadsThatMadeThem) {
  auto key = [](int i) { return Symbol::intern((L"k" + std::to_wstring(i)).c_str()); };
  Dictionary kept;
  std::thread filler([&] {
    Dictionary scratch;
    for (int i = 0; i < 1000; ++i) {
      kept.set(key(i), number(float(i)));
      scratch.set(key(i), number(-1));
    }
  });
  filler.join();
  for (int i = 0; i < 1000; i += 2)
    EXPECT_TRUE(kept.remove(key(i)));
  std::thread refiller([&] {
    Dictionary other;
    for (int i = 0; i < 1500; ++i)
      other.set(key(i), number(float(2 * i)));
    for (int i = 0; i < 1500; ++i)
      ASSERT_EQ(other.lookup(key(i))->number(), float(2 * i));
  });
  refiller.join();
  for (int i = 0; i < 1000; ++i) {
    Token *value = kept.lookup(key(i));
    if (i % 2) {
      ASSERT_NE(value, nullptr);
      EXPECT_EQ(value->number(), float(i));
    } else {
      EXPECT_EQ(value, nullptr);
    }
  }
}

} // namespace
