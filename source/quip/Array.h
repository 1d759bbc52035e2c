#pragma once
// A handle on a shared, reference-counted block of tokens. Copying the handle
// shares the body; the body goes when its last handle does. Every slot of the
// block (capacity, not count) holds a live token.

#include <cstdint>

namespace quip {

class Token;
namespace inlined {
struct Operands;
}

struct ProcedureCode;

struct ArrayBody {
  uint32_t capacity;
  uint32_t count;
  Token *elements;
  uint32_t references;
  // How deeply the "]" builder nested containers below this body (0 for
  // bodies made otherwise); the builders refuse more than kMaxNesting.
  uint16_t builtDepth;
  // How often the interpreter entered the body as a procedure without a
  // usable compiled form; it compiles one when this reaches a threshold.
  uint16_t heat;
  // Moves at every access that may change an element or the count: a
  // compiled form made at another version no longer matches the body (64
  // bits: it never comes round again).
  uint64_t version;
  // The compiled form of the body run as a procedure (owned), or
  // g_noProcedureCode.
  ProcedureCode *code;
};

class Array {
public:
  // A new body of n error tokens (count and capacity n).
  explicit Array(unsigned int n = 0);
  Array(const Array &other) : m_body(other.m_body) { ++m_body->references; }
  // A moved-from handle may only be assigned to or destroyed.
  Array(Array &&other) noexcept : m_body(other.m_body) { other.m_body = nullptr; }
  ~Array() {
    if (m_body && --m_body->references == 0)
      destroy(m_body);
  }
  Array &operator=(const Array &other) {
    if (m_body != other.m_body) {
      ++other.m_body->references;
      if (m_body && --m_body->references == 0)
        destroy(m_body);
      m_body = other.m_body;
    }
    return *this;
  }
  Array &operator=(Array &&other) noexcept {
    ArrayBody *body = m_body;
    m_body = other.m_body;
    other.m_body = body;
    return *this;
  }

  uint32_t count() const { return m_body->count; }
  uint32_t capacity() const { return m_body->capacity; }
  bool isEmpty() const { return m_body->count == 0; }

  // No bounds checks: callers test the count.
  inline Token &operator[](unsigned int i);
  inline const Token &operator[](unsigned int i) const;
  inline Token *get(unsigned int i, bool = false);
  inline Token &last();
  Token *data() {
    ++m_body->version;
    return m_body->elements;
  }
  const Token *data() const { return m_body->elements; }

  inline void append(const Token &token);
  void appendAll(const Array &other);
  // Reallocates the block to exactly n slots (the count is cut to n).
  void reserve(unsigned int n);
  // Token first, index second.
  inline void set(const Token &token, unsigned int i);
  void dropLast() {
    ++m_body->version;
    --m_body->count;
  }
  // The element at i is replaced by the last one; order is not kept.
  void removeFast(unsigned int i);

  bool sameBody(const Array &other) const { return m_body == other.m_body; }
  const ArrayBody *body() const { return m_body; }
  uint16_t builtDepth() const { return m_body->builtDepth; }
  void setBuiltDepth(uint16_t depth) { m_body->builtDepth = depth; }
  uint32_t references() const { return m_body->references; }

private:
  friend class Interpreter;
  friend struct inlined::Operands;
  friend struct ProcedureFrame;
  struct NoBody {};
  // A handle without a body, for slots that are filled before use.
  explicit Array(NoBody) : m_body(nullptr) {}
  bool hasBody() const { return m_body != nullptr; }
  [[gnu::always_inline]] void releaseBody() {
    if (m_body && --m_body->references == 0)
      destroy(m_body);
    m_body = nullptr;
  }

  void grow();
  static void destroy(ArrayBody *body);

  ArrayBody *m_body;
};

} // namespace quip

#include "quip/Token.h"
