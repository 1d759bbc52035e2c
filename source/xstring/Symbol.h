#pragma once
// An interned name: one pointer to the single copy of its text in the
// process-wide intern table, so equality and hashing cost one pointer
// operation. Static names are interned once into function-local statics.

#include "container/Hash.h"
#include "container/Vector.h"
#include "xstring/String.h"

class Symbol {
public:
  Symbol() : m_text(emptySymbol().m_text) {}

  static Symbol intern(const wchar_t *text);
  static Symbol intern(const String &text) { return intern(text.c_str()); }
  static Symbol emptySymbol();
  // Frees the whole table; only ever the last use of it.
  static void releaseTable();

  const wchar_t *text() const { return m_text ? m_text : L""; }
  String toString() const { return String(text()); }
  bool isEmpty() const { return !m_text || !m_text[0]; }

  bool operator==(const Symbol &o) const { return m_text == o.m_text; }
  bool operator!=(const Symbol &o) const { return m_text != o.m_text; }

  const void *identity() const { return m_text; }

private:
  explicit Symbol(const wchar_t *interned) : m_text(interned) {}
  const wchar_t *m_text;
};

// Interns a literal once per call site: SYM(L"name").
#define SYM(literal)                                                                               \
  ([]() -> Symbol {                                                                                \
    static const Symbol s = Symbol::intern(literal);                                               \
    return s;                                                                                      \
  }())

namespace container {
inline uint32_t hash(const Symbol &s) { return hash(s.identity()); }
template <> struct Hash<Symbol> {
  uint32_t operator()(const Symbol &s) const { return hash(s.identity()); }
};
} // namespace container

// Keeps the symbols whose lower-cased text contains every word of the filter
// (split at blanks and commas); the order of the kept symbols is not kept.
void filterSymbols(container::Vector<Symbol> &symbols, const String &filter);
// Ascending by text; equal texts keep their order.
void sortSymbols(container::Vector<Symbol> &symbols);
