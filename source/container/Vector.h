#pragma once
// Growable array. Capacity doubles on push (first 2) and reserve allocates
// exactly what it is asked for; storage never shrinks. Indexes are not
// checked: callers keep them below size().

#include <cstdint>
#include <utility>

namespace container {

template <typename T> class Vector {
public:
  Vector() = default;
  Vector(const Vector &other) { *this = other; }
  Vector(Vector &&other) noexcept
      : m_capacity(other.m_capacity), m_size(other.m_size), m_data(other.m_data) {
    other.m_capacity = other.m_size = 0;
    other.m_data = nullptr;
  }
  ~Vector() { release(); }

  Vector &operator=(const Vector &other) {
    if (this == &other)
      return *this;
    clear();
    reserve(other.m_size);
    for (uint32_t i = 0; i < other.m_size; ++i)
      m_data[i] = other.m_data[i];
    m_size = other.m_size;
    return *this;
  }
  Vector &operator=(Vector &&other) noexcept {
    if (this == &other)
      return *this;
    release();
    std::swap(m_capacity, other.m_capacity);
    std::swap(m_size, other.m_size);
    std::swap(m_data, other.m_data);
    return *this;
  }

  void release() {
    delete[] m_data;
    m_data = nullptr;
    m_capacity = m_size = 0;
  }

  uint32_t size() const { return m_size; }
  uint32_t capacity() const { return m_capacity; }
  bool isEmpty() const { return m_size == 0; }
  T *data() { return m_data; }
  const T *data() const { return m_data; }

  T &operator[](uint32_t i) { return m_data[i]; }
  const T &operator[](uint32_t i) const { return m_data[i]; }
  T &at(uint32_t i) { return m_data[i]; }
  const T &at(uint32_t i) const { return m_data[i]; }
  void set(uint32_t i, const T &v) { m_data[i] = v; }
  T &last() { return m_data[m_size - 1]; }
  const T &last() const { return m_data[m_size - 1]; }

  void clear() { m_size = 0; }

  void reserve(uint32_t n) {
    if (m_capacity >= n)
      return;
    T *fresh = new T[n];
    for (uint32_t i = 0; i < m_size; ++i)
      fresh[i] = std::move(m_data[i]);
    delete[] m_data;
    m_data = fresh;
    m_capacity = n;
  }

  void push(const T &v) {
    if (m_size == m_capacity) {
      // v may live inside this vector: copy it before the storage moves.
      T copy = v;
      reserve(m_capacity == 0 ? 2 : 2 * m_capacity);
      m_data[m_size++] = std::move(copy);
      return;
    }
    m_data[m_size++] = v;
  }
  void push(T &&v) {
    if (m_size == m_capacity) {
      T moved = std::move(v);
      reserve(m_capacity == 0 ? 2 : 2 * m_capacity);
      m_data[m_size++] = std::move(moved);
      return;
    }
    m_data[m_size++] = std::move(v);
  }

  T pop() { return std::move(m_data[--m_size]); }

  // Before element i, the later ones moving up; at the end for i >= size.
  void insertAt(uint32_t i, T v) {
    push(std::move(v));
    for (uint32_t k = m_size - 1; k > i && k > 0; --k)
      std::swap(m_data[k], m_data[k - 1]);
  }

  T removeAt(uint32_t i) {
    T out = std::move(m_data[i]);
    for (uint32_t k = i + 1; k < m_size; ++k)
      m_data[k - 1] = std::move(m_data[k]);
    --m_size;
    return out;
  }

  T removeSwap(uint32_t i) {
    T out = std::move(m_data[i]);
    if (i != m_size - 1)
      m_data[i] = std::move(m_data[m_size - 1]);
    --m_size;
    return out;
  }

  void swap(uint32_t i, uint32_t j) { std::swap(m_data[i], m_data[j]); }

  // Size without allocation; callers reserve first.
  void setSize(uint32_t n) { m_size = n; }

  void adopt(T *array, uint32_t n) {
    delete[] m_data;
    m_data = array;
    m_size = m_capacity = n;
  }

  T *detach() {
    T *out = m_data;
    m_data = nullptr;
    m_size = m_capacity = 0;
    return out;
  }

  // Index of the first element equal to v, or -1.
  int indexOf(const T &v) const {
    for (uint32_t i = 0; i < m_size; ++i)
      if (m_data[i] == v)
        return int(i);
    return -1;
  }

  T *begin() { return m_data; }
  T *end() { return m_data + m_size; }
  const T *begin() const { return m_data; }
  const T *end() const { return m_data + m_size; }

private:
  uint32_t m_capacity = 0;
  uint32_t m_size = 0;
  T *m_data = nullptr;
};

} // namespace container
