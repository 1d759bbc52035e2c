#include "container/HashTable.h"
#include "container/ListTable.h"
#include "container/Vector.h"
#include "file/Database.h"
#include "xstring/Symbol.h"

#include <gtest/gtest.h>

#include <climits>

using container::HashTable;
using container::Vector;

TEST(Vector, GrowthAndRemoval) {
  Vector<int> v;
  uint32_t caps[] = {2, 2, 4, 4, 8, 8, 8, 8, 16};
  for (int i = 0; i < 9; ++i) {
    v.push(i);
    EXPECT_EQ(v.capacity(), caps[i]);
  }
  Vector<char> abc;
  for (char c : {'a', 'b', 'c'})
    abc.push(c);
  Vector<char> swapped = abc;
  EXPECT_EQ(abc.removeAt(0), 'a');
  ASSERT_EQ(abc.size(), 2u);
  EXPECT_EQ(abc[0], 'b');
  EXPECT_EQ(abc[1], 'c');
  EXPECT_EQ(swapped.removeSwap(0), 'a');
  EXPECT_EQ(swapped[0], 'c');
  EXPECT_EQ(swapped[1], 'b');
  Vector<String> strings;
  strings.push(String(L"x"));
  strings.push(strings[0]); // pushing an element of itself during growth
  EXPECT_EQ(strings[1], String(L"x"));
}

TEST(HashTable, GrowsOnUsedBuckets) {
  HashTable<unsigned int, int> table;
  // Keys 0..5 land in six different buckets of eleven.
  for (unsigned int k = 0; k < 5; ++k)
    table.put(k, int(k));
  EXPECT_EQ(table.bucketCount(), 11u);
  table.put(5u, 5);
  EXPECT_EQ(table.bucketCount(), 22u);
  EXPECT_EQ(table.growThreshold(), 11u);
  for (unsigned int k = 0; k < 6; ++k)
    EXPECT_EQ(table.get(k), int(k));

  HashTable<unsigned int, int> oneBucket;
  for (unsigned int k = 0; k < 100; ++k)
    oneBucket.put(k * 11, 1); // same bucket of 11
  EXPECT_EQ(oneBucket.bucketCount(), 11u);
  EXPECT_EQ(oneBucket.usedBuckets(), 1u);
  EXPECT_EQ(oneBucket.count(), 100u);
}

TEST(HashTable, ReplaceRemoveAndOrder) {
  HashTable<unsigned int, int> table;
  table.put(0u, 1);
  table.put(11u, 2); // same bucket, newer first
  table.put(1u, 3);
  Vector<unsigned int> keys = table.keys();
  ASSERT_EQ(keys.size(), 3u);
  EXPECT_EQ(keys[0], 11u);
  EXPECT_EQ(keys[1], 0u);
  EXPECT_EQ(keys[2], 1u);

  table.put(0u, 9); // replace: counts and order unchanged
  EXPECT_EQ(table.get(0u), 9);
  EXPECT_EQ(table.usedBuckets(), 2u);
  EXPECT_EQ(table.keys()[0], 11u);

  EXPECT_TRUE(table.remove(0u)); // one of two in its bucket
  EXPECT_EQ(table.usedBuckets(), 2u);
  EXPECT_TRUE(table.remove(1u)); // the only one in its bucket
  EXPECT_EQ(table.usedBuckets(), 1u);
  EXPECT_FALSE(table.remove(1u));
  EXPECT_EQ(table.lookup(1u), nullptr);
}

TEST(HashTable, Hashes) {
  EXPECT_EQ(container::hash(2u), 32322u);
  EXPECT_EQ(container::hash(-2), 32322u);
  EXPECT_EQ(container::hash(String(L"a")), 5381u * 33u + 97u);
  EXPECT_EQ(container::hash(INT_MIN), 0x80000000u * 16161u);
  HashTable<Symbol, int> bySymbol;
  bySymbol.put(Symbol::intern(L"k"), 4);
  EXPECT_EQ(bySymbol.get(Symbol::intern(String(L"k"))), 4);
}

TEST(ListTable, RemoveOrderedKeepsOrder) {
  container::ListTable<Symbol, int> list;
  list.add(Symbol::intern(L"a"), 1);
  list.add(Symbol::intern(L"b"), 2);
  list.add(Symbol::intern(L"c"), 3);
  EXPECT_EQ(list.removeOrdered(Symbol::intern(L"b")), 2);
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list[0], 1);
  EXPECT_EQ(list[1], 3);
  EXPECT_FALSE(list.contains(Symbol::intern(L"b")));
}

TEST(ListTableDeathTest, RemovingMissingKeyAsserts) {
  container::ListTable<Symbol, int> list;
  EXPECT_EXIT(list.removeOrdered(Symbol::intern(L"missing")), testing::ExitedWithCode(255),
              "ASSERT: source/container/ListTable\\([0-9]+\\) removeOrdered\\(\\) "
              "m_table.remove\\( key \\): missing");
}

TEST(Database, Registry) {
  Symbol name = Symbol::intern(L"registryTestDb");
  Database::setCurrent(name);
  EXPECT_EQ(Database::current(), nullptr);
  auto *first = new Database(name, String(L"."));
  Database::registerDatabase(first);
  EXPECT_EQ(Database::current(), first);
  EXPECT_EQ(first->assetDatabase(), nullptr);
  auto *second = new Database(name, String(L"/other"));
  Database::registerDatabase(second);
  EXPECT_EQ(Database::find(name), second);
  EXPECT_TRUE(Database::contains(name));
  Database::unregisterDatabase(second);
  EXPECT_FALSE(Database::contains(name));
  delete first;
  delete second;
}
