#include "quip/Array.h"
#include "quip/BodyRelease.h"

#include <utility>

namespace quip {

Array::Array(unsigned int n) : m_body(new ArrayBody{n, n, n ? new Token[n] : nullptr, 1, 0}) {}

void Array::destroy(ArrayBody *body) {
  quip::releaseBody(body, [](void *pending) {
    ArrayBody *freed = static_cast<ArrayBody *>(pending);
    delete[] freed->elements;
    delete freed;
  });
}

void Array::grow() { reserve(m_body->capacity ? 2 * m_body->capacity : 2); }

void Array::reserve(unsigned int n) {
  Token *fresh = n ? new Token[n] : nullptr;
  uint32_t keep = m_body->count < n ? m_body->count : n;
  // Moving by swap leaves every reference count as it was.
  for (uint32_t i = 0; i < keep; ++i)
    fresh[i].swap(m_body->elements[i]);
  delete[] m_body->elements;
  m_body->elements = fresh;
  m_body->capacity = n;
  m_body->count = keep;
}

void Array::appendAll(const Array &other) {
  uint32_t n = other.count();
  for (uint32_t i = 0; i < n; ++i)
    append(other[i]);
}

void Array::removeFast(unsigned int i) {
  uint32_t last = m_body->count - 1;
  if (i != last)
    m_body->elements[i].swap(m_body->elements[last]);
  // The removed value should not be kept alive by a slot past the count.
  m_body->elements[last].release();
  m_body->count = last;
}

} // namespace quip
