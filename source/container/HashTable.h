#pragma once
// Chained hash table. It grows on the number of occupied buckets (not entries):
// 11 buckets with threshold 5, then double both. Iteration runs bucket by
// bucket, each chain from its head (newest first); callers needing a stable
// order sort the keys.

#include "container/Hash.h"
#include "container/Vector.h"

#include <cstdint>
#include <type_traits>
#include <utility>

namespace container {

template <typename K, typename V, typename H = Hash<K>> class HashTable {
public:
  struct Node {
    K key;
    V value;
    Node *next;
  };

  HashTable() { init(); }
  HashTable(const HashTable &) = delete;
  HashTable &operator=(const HashTable &) = delete;
  virtual ~HashTable() { destroy(); }

  uint32_t bucketCount() const { return m_bucketCount; }
  uint32_t usedBuckets() const { return m_usedBuckets; }
  uint32_t growThreshold() const { return m_threshold; }

  uint32_t count() const {
    uint32_t n = 0;
    for (uint32_t b = 0; b < m_bucketCount; ++b)
      for (Node *node = m_buckets[b]; node; node = node->next)
        ++n;
    return n;
  }

  void put(const K &key, const V &value) {
    uint32_t index = H()(key) % m_bucketCount;
    for (Node *node = m_buckets[index]; node; node = node->next) {
      if (node->key == key) {
        node->value = value;
        return;
      }
    }
    if (!m_buckets[index])
      ++m_usedBuckets;
    m_buckets[index] = new Node{key, value, m_buckets[index]};
    if (m_usedBuckets > m_threshold)
      grow();
  }

  V *lookup(const K &key) {
    for (Node *node = m_buckets[H()(key) % m_bucketCount]; node; node = node->next)
      if (node->key == key)
        return &node->value;
    return nullptr;
  }
  const V *lookup(const K &key) const { return const_cast<HashTable *>(this)->lookup(key); }

  V get(const K &key) const {
    const V *v = lookup(key);
    return v ? *v : V();
  }

  bool contains(const K &key) const { return lookup(key) != nullptr; }

  bool remove(const K &key) {
    uint32_t index = H()(key) % m_bucketCount;
    Node **link = &m_buckets[index];
    while (*link) {
      Node *node = *link;
      if (node->key == key) {
        *link = node->next;
        delete node;
        if (!m_buckets[index])
          --m_usedBuckets;
        return true;
      }
      link = &node->next;
    }
    return false;
  }

  Vector<K> keys() const {
    Vector<K> out;
    out.reserve(m_usedBuckets);
    forEach([&](const K &k, const V &) { out.push(k); });
    return out;
  }

  // Visits every entry in table order.
  template <typename F> void forEach(F &&f) const {
    for (uint32_t b = 0; b < m_bucketCount; ++b)
      for (Node *node = m_buckets[b]; node; node = node->next)
        f(node->key, node->value);
  }
  template <typename F> void forEachMutable(F &&f) {
    for (uint32_t b = 0; b < m_bucketCount; ++b)
      for (Node *node = m_buckets[b]; node; node = node->next)
        f(node->key, node->value);
  }

  // For owning tables of polymorphic pointers: deletes every value and empties the table.
  void deleteValues() {
    for (uint32_t b = 0; b < m_bucketCount; ++b) {
      Node *node = m_buckets[b];
      while (node) {
        Node *next = node->next;
        if constexpr (std::is_pointer_v<V>)
          delete node->value;
        delete node;
        node = next;
      }
      m_buckets[b] = nullptr;
    }
    m_usedBuckets = 0;
  }

  // Removes every entry (values are not deleted) and goes back to 11 buckets.
  void clear() {
    destroy();
    init();
  }

private:
  void init() {
    m_bucketCount = 11;
    m_threshold = 5;
    m_usedBuckets = 0;
    m_buckets = new Node *[m_bucketCount]();
  }

  void destroy() {
    if (!m_buckets)
      return;
    for (uint32_t b = 0; b < m_bucketCount; ++b) {
      Node *node = m_buckets[b];
      while (node) {
        Node *next = node->next;
        delete node;
        node = next;
      }
    }
    delete[] m_buckets;
    m_buckets = nullptr;
  }

  void grow() {
    Node **old = m_buckets;
    uint32_t oldCount = m_bucketCount;
    m_bucketCount = 2 * oldCount;
    m_threshold = m_bucketCount / 2;
    m_usedBuckets = 0;
    m_buckets = new Node *[m_bucketCount]();
    // Re-put every entry in old table order, relinking the nodes. A re-put
    // may itself grow the table again; the entries moved so far go along and
    // the rest continue into the newest array.
    for (uint32_t b = 0; b < oldCount; ++b) {
      Node *node = old[b];
      while (node) {
        Node *next = node->next;
        uint32_t index = H()(node->key) % m_bucketCount;
        if (!m_buckets[index])
          ++m_usedBuckets;
        node->next = m_buckets[index];
        m_buckets[index] = node;
        node = next;
        if (m_usedBuckets > m_threshold)
          grow();
      }
    }
    delete[] old;
  }

  Node **m_buckets = nullptr;
  uint32_t m_bucketCount = 0;
  uint32_t m_usedBuckets = 0;
  uint32_t m_threshold = 0;
};

} // namespace container
