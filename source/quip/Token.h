#pragma once
// The script value: a type tag, an executable flag and a payload. Arrays and
// dictionaries are handles on shared, reference-counted bodies, so copying a
// token that holds one only counts a reference; a string token owns its text.

#include "quip/Array.h"
#include "quip/Dictionary.h"
#include "quip/Range.h"
#include "xstring/String.h"
#include "xstring/Symbol.h"

#include <cstdint>
#include <new>
#include <utility>

namespace quip {

enum Type : uint8_t {
  TYPE_ERROR = 0,
  TYPE_NUMBER = 1,
  TYPE_STRING = 2,
  TYPE_SYMBOL = 3,
  TYPE_ARRAY = 4,
  TYPE_DICTIONARY = 5,
  TYPE_BUILTIN = 6,
};

class Interpreter;

// A native builtin: pops its arguments from the interpreter's operand stack,
// pushes its results, and stores 1 in *error when it fails.
using Builtin = void (*)(Interpreter *interpreter, int *error);

// "error", "number", ..., "builtin"; "unknown" for any other tag.
const wchar_t *typeName(int type);

// The interned "true" and "false", made once (inline: conditions test them
// at every step).
inline Symbol trueSymbol() {
  static const Symbol s = Symbol::intern(L"true");
  return s;
}
inline Symbol falseSymbol() {
  static const Symbol s = Symbol::intern(L"false");
  return s;
}

class Token {
public:
  Token() : m_type(TYPE_ERROR), m_executable(0) { m_payload.raw = 0; }
  explicit Token(float number) : m_type(TYPE_NUMBER), m_executable(0) {
    m_payload.raw = 0;
    m_payload.number = number;
  }
  Token(Symbol symbol, bool executable) : m_type(TYPE_SYMBOL), m_executable(executable) {
    new (&m_payload.symbol) Symbol(symbol);
  }
  // Takes the heap handle over (and deletes it); the body is not copied.
  Token(Array *array, bool executable);
  Token(const Array &array, bool executable) : m_type(TYPE_ARRAY), m_executable(executable) {
    new (&m_payload.array) Array(array);
  }
  explicit Token(Dictionary *dictionary);
  explicit Token(const Dictionary &dictionary) : m_type(TYPE_DICTIONARY), m_executable(0) {
    new (&m_payload.dictionary) Dictionary(dictionary);
  }
  explicit Token(const String &text) : m_type(TYPE_STRING), m_executable(0) {
    m_payload.string = new String(text);
  }
  explicit Token(const wchar_t *text) : m_type(TYPE_STRING), m_executable(0) {
    m_payload.string = new String(text);
  }
  explicit Token(Builtin function) : m_type(TYPE_BUILTIN), m_executable(1) {
    m_payload.raw = 0;
    m_payload.builtin = function;
  }

  Token(const Token &other) : m_type(other.m_type), m_executable(other.m_executable) {
    if (other.isPlain())
      m_payload.raw = other.m_payload.raw;
    else
      copyPayload(other);
  }
  Token(Token &&other) noexcept : m_type(other.m_type), m_executable(other.m_executable) {
    m_payload.raw = other.m_payload.raw;
    other.m_type = TYPE_ERROR;
    other.m_payload.raw = 0;
  }
  ~Token() {
    if (!isPlain())
      releasePayload();
  }

  Token &operator=(const Token &other) {
    if (this == &other)
      return *this;
    if ((kPlainTypes >> m_type) & (kPlainTypes >> other.m_type) & 1) {
      m_type = other.m_type;
      m_executable = other.m_executable;
      m_payload.raw = other.m_payload.raw;
      return *this;
    }
    assignSlow(other);
    return *this;
  }
  Token &operator=(Token &&other) noexcept {
    if (this != &other)
      swap(other);
    return *this;
  }
  // Copies an array token (the caller has tested other's tag); procedure
  // literals are pushed this way at every step.
  void assignArray(const Token &other) {
    if (!isPlain()) {
      assignSlow(other);
      return;
    }
    new (&m_payload.array) Array(other.m_payload.array);
    m_type = TYPE_ARRAY;
    m_executable = other.m_executable;
  }
  // Copies a number, symbol or builtin token (the caller has tested other's
  // tag).
  void assignPlain(const Token &other) {
    if (!isPlain()) {
      assignSlow(other);
      return;
    }
    m_type = other.m_type;
    m_executable = other.m_executable;
    m_payload.raw = other.m_payload.raw;
  }
  // Overwrite a number, symbol or builtin token (the caller has tested its
  // tag): there is no payload to release.
  void setPlainNumber(float number) {
    m_type = TYPE_NUMBER;
    m_executable = 0;
    m_payload.raw = 0;
    m_payload.number = number;
  }
  void setPlainSymbol(Symbol symbol) {
    m_type = TYPE_SYMBOL;
    m_executable = 0;
    new (&m_payload.symbol) Symbol(symbol);
  }
  // Exchanges two tokens without touching any reference count.
  void swap(Token &other) noexcept {
    std::swap(m_type, other.m_type);
    std::swap(m_executable, other.m_executable);
    std::swap(m_payload.raw, other.m_payload.raw);
  }
  // Frees the payload and leaves an error token.
  void release() {
    if (m_type == TYPE_ARRAY)
      m_payload.array.~Array();
    else if (!isPlain())
      releasePayload();
    m_type = TYPE_ERROR;
    m_executable = 0;
    m_payload.raw = 0;
  }

  Type type() const { return Type(m_type); }
  bool isExecutable() const { return m_executable != 0; }
  void setExecutable(bool executable) { m_executable = executable ? 1 : 0; }

  bool isError() const { return m_type == TYPE_ERROR; }
  bool isNumber() const { return m_type == TYPE_NUMBER; }
  bool isString() const { return m_type == TYPE_STRING; }
  bool isSymbol() const { return m_type == TYPE_SYMBOL; }
  bool isArray() const { return m_type == TYPE_ARRAY; }
  bool isDictionary() const { return m_type == TYPE_DICTIONARY; }
  bool isBuiltin() const { return m_type == TYPE_BUILTIN; }
  bool isProcedure() const { return m_type == TYPE_ARRAY && m_executable; }

  // Payload access; the caller has tested the tag.
  float number() const { return m_payload.number; }
  String &string() { return *m_payload.string; }
  const String &string() const { return *m_payload.string; }
  Symbol symbol() const { return m_payload.symbol; }
  Array &array() { return m_payload.array; }
  const Array &array() const { return m_payload.array; }
  Dictionary &dictionary() { return m_payload.dictionary; }
  const Dictionary &dictionary() const { return m_payload.dictionary; }
  Builtin builtin() const { return m_payload.builtin; }

  // The number truncated toward zero (no tag test).
  int toInt() const;
  unsigned int toUnsigned() const;
  // Only the symbol "false" is false.
  bool toBool() const { return !(m_type == TYPE_SYMBOL && m_payload.symbol == falseSymbol()); }

  bool operator==(const Token &other) const;
  bool operator!=(const Token &other) const { return !(*this == other); }

  // Typed readers. Each tests the tag (and for array-shaped values the count
  // and the element tags) and leaves the target unchanged on a mismatch; the
  // bool-returning ones answer whether they read.
  bool get(float &out) const;
  bool get(Symbol &out) const;
  bool get(String &out) const;
  int get(int &out) const;
  unsigned int get(unsigned int &out) const;
  bool get(uint16_t &out) const;
  bool get(bool &out) const;
  bool get(Array &out) const;
  bool get(Dictionary &out) const;
  bool get(Range &out) const;
  bool get(IntRange &out) const;
  bool get(UnsignedRange &out) const;

  // Extension point for the types of other libraries (vectors, colours,
  // rectangles, sizes): declare
  //     bool readToken(const quip::Token& token, T& out);
  // in T's own namespace, with the same contract as the readers above (test
  // the tag and the shape, leave out unchanged on a mismatch), and
  // token.get(value) finds it by argument-dependent look-up. The matching
  // writer is an overload of quip::toToken(const T&, quip::Token&).
  template <typename T> auto get(T &out) const -> decltype(readToken(*this, out)) {
    return readToken(*this, out);
  }

  // Printed forms.
  String toString() const;
  String toSortedString() const;
  String toIndentedString(int level = 0) const;

private:
  // Payloads copied and dropped bit for bit.
  // One bit per tag: error, number, symbol and builtin are plain.
  static constexpr uint32_t kPlainTypes =
      1u << TYPE_ERROR | 1u << TYPE_NUMBER | 1u << TYPE_SYMBOL | 1u << TYPE_BUILTIN;
  bool isPlain() const { return (kPlainTypes >> m_type) & 1; }
  void copyPayload(const Token &other);
  void releasePayload();
  void assignSlow(const Token &other);

  uint8_t m_type;
  uint8_t m_executable;
  union Payload {
    Payload() : raw(0) {}
    ~Payload() {}
    uint64_t raw;
    float number;
    String *string;
    Symbol symbol;
    Array array;
    Dictionary dictionary;
    Builtin builtin;
  } m_payload;
};

// The message of a failed argument type test (two blanks after "failed.").
String typeCheckMessage(const wchar_t *argumentName, const Token &token, Type expected);

// Converters into an out token.
void toToken(const Dictionary &value, Token &out);
void toToken(Symbol value, Token &out);
void toToken(const String &value, Token &out);
void toToken(float value, Token &out);
void toToken(uint16_t value, Token &out);
void toToken(uint32_t value, Token &out);
void toToken(int value, Token &out);
void toToken(bool value, Token &out);
void toToken(const Range &value, Token &out);
void toToken(const IntRange &value, Token &out);
void toToken(const UnsignedRange &value, Token &out);
// Returning forms.
Token toToken(float value);
Token toToken(int value);
Token toToken(bool value);
// The literal symbol "true" or "false".
Token boolToken(bool value);

// Optional-key readers: false and out untouched when the key is absent.
bool lookupBool(const Dictionary &dictionary, Symbol key, Type expected, bool &out);
// Copies the 4-byte number payload (float bits) into out.
bool lookupScalar(const Dictionary &dictionary, Symbol key, Type expected, uint32_t &out);

bool isIdentifier(const String &text);

} // namespace quip

// Inline members of the handles that need the complete token.
namespace quip {

struct DictionaryEntry {
  Symbol key;
  Token value;
  DictionaryEntry *next;
};

inline Token &Array::operator[](unsigned int i) { return m_body->elements[i]; }
inline const Token &Array::operator[](unsigned int i) const { return m_body->elements[i]; }
inline Token *Array::get(unsigned int i, bool) { return m_body->elements + i; }
inline Token &Array::last() { return m_body->elements[m_body->count - 1]; }
inline void Array::set(const Token &token, unsigned int i) { m_body->elements[i] = token; }

inline void Array::append(const Token &token) {
  if (m_body->count == m_body->capacity) {
    // The token may live in this block: copy it before the block moves.
    Token copy(token);
    grow();
    m_body->elements[m_body->count++].swap(copy);
    return;
  }
  m_body->elements[m_body->count++] = token;
}

inline Token *Dictionary::lookup(Symbol key) const {
  DictionaryEntry *entry = m_body->buckets[m_body->bucketOf(container::hash(key))];
  for (; entry; entry = entry->next)
    if (entry->key == key)
      return &entry->value;
  return nullptr;
}

template <typename F> void Dictionary::forEach(F &&f) const {
  for (uint32_t b = 0; b < m_body->bucketCount; ++b)
    for (DictionaryEntry *entry = m_body->buckets[b]; entry; entry = entry->next)
      f(entry->key, entry->value);
}

} // namespace quip
