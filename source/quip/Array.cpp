#include "quip/Array.h"
#include "quip/BodyRelease.h"
#include "quip/ProcedureCode.h"

#include <cstdlib>
#include <new>
#include <utility>

namespace quip {

namespace {

// An error token is all zero bits, so a zeroed block is a block of error
// tokens. Taking it from calloc means a large block is mapped untouched:
// pages count toward the resident size only once elements are written, so a
// new array that replaces an old one (made while the old one is still bound)
// does not double the peak.
static_assert(sizeof(Token) == 16);
Token *allocateElements(uint32_t n) {
  if (n == 0)
    return nullptr;
  void *block = std::calloc(n, sizeof(Token));
  if (!block)
    throw std::bad_alloc();
  return static_cast<Token *>(block);
}

void freeElements(Token *elements, uint32_t capacity) {
  for (uint32_t i = 0; i < capacity; ++i)
    elements[i].~Token();
  std::free(elements);
}

} // namespace

Array::Array(unsigned int n)
    : m_body(new ArrayBody{n, n, allocateElements(n), 1, 0, 0, 0, &g_noProcedureCode}) {}

void Array::destroy(ArrayBody *body) {
  quip::releaseBody(body, [](void *pending) {
    ArrayBody *freed = static_cast<ArrayBody *>(pending);
    freeProcedureCode(freed->code);
    freeElements(freed->elements, freed->capacity);
    delete freed;
  });
}

void Array::grow() { reserve(m_body->capacity ? 2 * m_body->capacity : 2); }

void Array::reserve(unsigned int n) {
  ++m_body->version;
  Token *fresh = allocateElements(n);
  uint32_t keep = m_body->count < n ? m_body->count : n;
  // Moving by swap leaves every reference count as it was.
  for (uint32_t i = 0; i < keep; ++i)
    fresh[i].swap(m_body->elements[i]);
  freeElements(m_body->elements, m_body->capacity);
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
  ++m_body->version;
  uint32_t last = m_body->count - 1;
  if (i != last)
    m_body->elements[i].swap(m_body->elements[last]);
  // The removed value should not be kept alive by a slot past the count.
  m_body->elements[last].release();
  m_body->count = last;
}

} // namespace quip
