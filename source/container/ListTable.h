#pragma once
// A keyed table that also keeps its values in insertion order.

#include "container/HashTable.h"
#include "container/Vector.h"
#include "error/Assert.h"

namespace container {

template <typename K, typename V, typename H = Hash<K>> class ListTable {
public:
  void add(const K &key, const V &value) {
    m_table.put(key, value);
    m_values.push(value);
  }

  V get(const K &key) const { return m_table.get(key); }
  V *lookup(const K &key) { return m_table.lookup(key); }
  bool contains(const K &key) const { return m_table.contains(key); }

  uint32_t size() const { return m_values.size(); }
  const V &operator[](uint32_t i) const { return m_values[i]; }
  V &operator[](uint32_t i) { return m_values[i]; }
  const Vector<V> &values() const { return m_values; }
  const HashTable<K, V, H> &table() const { return m_table; }

  void clear() {
    m_values.clear();
    m_table.clear();
  }

  // Removes the key (it must be present) and the first equal value, keeping
  // the order of the others.
  template <typename KeyText> V removeOrdered(const K &key, KeyText keyText) {
    V value = m_table.get(key);
    CORVANE_ASSERT_TEXT_MSG(m_table.remove(key), L"m_table.remove( key )", keyText);
    int i = m_values.indexOf(value);
    if (i >= 0)
      m_values.removeAt(uint32_t(i));
    return value;
  }
  // The key's own text (toString) names it in the report; other keys report
  // an empty text.
  V removeOrdered(const K &key) {
    if constexpr (requires { key.toString(); })
      return removeOrdered(key, key.toString());
    else
      return removeOrdered(key, static_cast<const wchar_t *>(L""));
  }

private:
  Vector<V> m_values;
  HashTable<K, V, H> m_table;
};

} // namespace container
