#pragma once
// The script value: a type tag, an executable flag and a payload. Arrays,
// dictionaries and strings are handles on shared, reference-counted bodies:
// copying one counts a reference (a string's text is copied before a change).

#include "quip/Array.h"
#include "quip/Dictionary.h"
#include "quip/Range.h"
#include "xstring/String.h"
#include "xstring/Symbol.h"

#include <bit>
#include <cstdint>
#include <cstring>
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

// The builtins whose common case the interpreter runs in its own loop,
// without a call (quip/InlineBuiltins.h); INLINE_NONE for every other one.
enum InlineOp : uint8_t {
  INLINE_NONE = 0,
  INLINE_IF,
  INLINE_IFELSE,
  INLINE_ADD,
  INLINE_SUBTRACT,
  INLINE_MULTIPLY,
  INLINE_DIVIDE,
  INLINE_LESS,
  INLINE_GREATER,
  INLINE_LESS_OR_EQUAL,
  INLINE_GREATER_OR_EQUAL,
  INLINE_PLUS_EQUALS,
  INLINE_MINUS_EQUALS,
  INLINE_DUP,
  INLINE_SWAP,
  INLINE_POP,
  INLINE_EQUAL,
  INLINE_NOT_EQUAL,
  INLINE_NOT,
  INLINE_AND,
  INLINE_OR,
  INLINE_MODULUS,
  INLINE_MIN,
  INLINE_MAX,
  INLINE_NEG,
  INLINE_ABS,
  INLINE_TIMES_EQUALS,
  INLINE_DIVIDE_EQUALS,
  INLINE_INDEX,
  INLINE_PUT_INDEX,
  INLINE_DEF,
  INLINE_AT,
  INLINE_PUT,
  INLINE_SIZE,
  INLINE_LOOKUP,
  INLINE_INSERT,
  INLINE_STRING_LENGTH,
  INLINE_LOOKUP_ELSE,
  INLINE_COUNT
};
InlineOp inlineOpOf(Builtin function);

// "error", "number", ..., "builtin"; "unknown" for any other tag.
const wchar_t *typeName(int type);

// The interned "true" and "false", made once (inline: conditions test them
// at every step).
[[gnu::always_inline]] inline Symbol trueSymbol() {
  static const Symbol s = Symbol::intern(L"true");
  return s;
}
[[gnu::always_inline]] inline Symbol falseSymbol() {
  static const Symbol s = Symbol::intern(L"false");
  return s;
}

// A string's text, shared by the tokens that copy it (a copy counts a
// reference); a token about to change the text makes it its own first.
struct SharedText {
  String text;
  uint32_t references;
};

class Token {
public:
  Token() : m_head{TYPE_ERROR, false, INLINE_NONE, {}, 0} { m_payload.raw = 0; }
  explicit Token(float number) : m_head{TYPE_NUMBER, false, INLINE_NONE, {}, 0} {
    m_payload.raw = 0;
    m_payload.number = number;
  }
  Token(Symbol symbol, bool executable) : m_head{TYPE_SYMBOL, executable, INLINE_NONE, {}, 0} {
    new (&m_payload.symbol) Symbol(symbol);
  }
  // Takes the heap handle over (and deletes it); the body is not copied.
  Token(Array *array, bool executable);
  Token(const Array &array, bool executable) : m_head{TYPE_ARRAY, executable, INLINE_NONE, {}, 0} {
    new (&m_payload.array) Array(array);
  }
  explicit Token(Dictionary *dictionary);
  explicit Token(const Dictionary &dictionary)
      : m_head{TYPE_DICTIONARY, false, INLINE_NONE, {}, 0} {
    new (&m_payload.dictionary) Dictionary(dictionary);
  }
  explicit Token(const String &text) : m_head{TYPE_STRING, false, INLINE_NONE, {}, 0} {
    m_payload.text = new SharedText{text, 1};
  }
  // Takes the text's block over: a result string is made without a copy.
  explicit Token(String &&text) : m_head{TYPE_STRING, false, INLINE_NONE, {}, 0} {
    m_payload.text = new SharedText{std::move(text), 1};
  }
  explicit Token(const wchar_t *text) : m_head{TYPE_STRING, false, INLINE_NONE, {}, 0} {
    m_payload.text = new SharedText{String(text), 1};
  }
  explicit Token(Builtin function) : m_head{TYPE_BUILTIN, true, inlineOpOf(function), {}, 0} {
    m_payload.raw = 0;
    m_payload.builtin = function;
  }

  Token(const Token &other) : m_head(other.m_head) {
    if (other.isPlain())
      m_payload.raw = other.m_payload.raw;
    else
      copyPayload(other);
  }
  Token(Token &&other) noexcept : m_head(other.m_head) {
    m_payload.raw = other.m_payload.raw;
    other.m_head = Header{TYPE_ERROR, false, INLINE_NONE, {}, 0};
    other.m_payload.raw = 0;
  }
  ~Token() {
    // Arrays are the values most often dropped in a step (procedure bodies,
    // elements read by "at"): their handle is let go inline, as release() does.
    if (m_head.type == TYPE_ARRAY)
      m_payload.array.~Array();
    else if (!isPlain())
      releasePayload();
  }

  Token &operator=(const Token &other) {
    if (this == &other)
      return *this;
    if ((kPlainTypes >> m_head.type) & (kPlainTypes >> other.m_head.type) & 1) {
      m_head = other.m_head;
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
  // operator= from another token, never this one: two words when neither
  // holds a payload, each tested alone (cheaper than the pair at once).
  [[gnu::always_inline]] void assignOther(const Token &other) {
    if (__builtin_expect(isPlain() && other.isPlain(), 1)) {
      m_head = other.m_head;
      m_payload.raw = other.m_payload.raw;
      return;
    }
    assignSlow(other);
  }
  // Copies an array token (the caller has tested other's tag); procedure
  // literals are pushed this way at every step.
  void assignArray(const Token &other) {
    if (!isPlain()) {
      assignSlow(other);
      return;
    }
    new (&m_payload.array) Array(other.m_payload.array);
    m_head = other.m_head;
  }
  // Copies a number, symbol or builtin token (the caller has tested other's
  // tag).
  void assignPlain(const Token &other) {
    if (!isPlain()) {
      assignSlow(other);
      return;
    }
    m_head = other.m_head;
    m_payload.raw = other.m_payload.raw;
  }
  // Overwrite a number, symbol or builtin token (the caller has tested its
  // tag): there is no payload to release.
  [[gnu::always_inline]] void setPlainNumber(float number) {
    m_head = Header{TYPE_NUMBER, false, INLINE_NONE, {}, 0};
    m_payload.raw = 0;
    m_payload.number = number;
  }
  // A number as numbers are made (not executable; its payload's spare bits
  // are 0, as every number's are): storing a number over it changes only the
  // value.
  [[gnu::always_inline]] bool isPlainNumber() const {
    uint64_t head;
    std::memcpy(&head, &m_head, sizeof head);
    return head == std::bit_cast<uint64_t>(Header{TYPE_NUMBER, false, INLINE_NONE, {}, 0});
  }
  [[gnu::always_inline]] void setValueOfPlainNumber(float number) { m_payload.number = number; }
  [[gnu::always_inline]] void setPlainSymbol(Symbol symbol, bool executable = false) {
    m_head = Header{TYPE_SYMBOL, executable, INLINE_NONE, {}, 0};
    new (&m_payload.symbol) Symbol(symbol);
  }
  // The two words of a number, symbol or builtin token, for a copy kept
  // outside any token (a compiled push), and the token they make again.
  struct PlainBits {
    uint64_t head;
    uint64_t payload;
  };
  PlainBits plainBits() const {
    PlainBits bits;
    std::memcpy(&bits.head, &m_head, sizeof m_head);
    bits.payload = m_payload.raw;
    return bits;
  }
  // Overwrite a token holding no payload (the caller has tested its tag).
  [[gnu::always_inline]] void setPlainBits(uint64_t head, uint64_t payload) {
    std::memcpy(&m_head, &head, sizeof m_head);
    m_payload.raw = payload;
  }
  // Exchanges two tokens without touching any reference count.
  [[gnu::always_inline]] void swap(Token &other) noexcept {
    Header head = m_head;
    m_head = other.m_head;
    other.m_head = head;
    uint64_t raw = m_payload.raw;
    m_payload.raw = other.m_payload.raw;
    other.m_payload.raw = raw;
  }
  // The same for a slot about to be written over: a plain token, the usual
  // one, is left as it is, tested once.
  [[gnu::always_inline]] void releaseHeld() {
    if (__builtin_expect(!isPlain(), 0))
      release();
  }
  // Frees the payload and leaves an error token.
  [[gnu::always_inline]] void release() {
    if (m_head.type == TYPE_ARRAY)
      m_payload.array.~Array();
    else if (!isPlain())
      releasePayload();
    m_head = Header{TYPE_ERROR, false, INLINE_NONE, {}, 0};
    m_payload.raw = 0;
  }

  Type type() const { return m_head.type; }
  bool isExecutable() const { return m_head.executable; }
  void setExecutable(bool executable) { m_head.executable = executable; }

  bool isError() const { return m_head.type == TYPE_ERROR; }
  bool isNumber() const { return m_head.type == TYPE_NUMBER; }
  bool isString() const { return m_head.type == TYPE_STRING; }
  bool isSymbol() const { return m_head.type == TYPE_SYMBOL; }
  bool isArray() const { return m_head.type == TYPE_ARRAY; }
  bool isDictionary() const { return m_head.type == TYPE_DICTIONARY; }
  bool isBuiltin() const { return m_head.type == TYPE_BUILTIN; }
  // The tag and the flag read as one (a name's procedure is tested at every
  // call).
  bool isProcedure() const {
    uint16_t tagAndFlag;
    std::memcpy(&tagAndFlag, &m_head, sizeof tagAndFlag);
    return tagAndFlag == std::bit_cast<uint16_t>(TagAndFlag{TYPE_ARRAY, true});
  }

  // Payload access; the caller has tested the tag.
  float number() const { return m_payload.number; }
  // The text to change: made the token's own first when it is shared.
  String &string() {
    if (m_payload.text->references != 1)
      unshareText();
    return m_payload.text->text;
  }
  const String &string() const { return m_payload.text->text; }
  Symbol symbol() const { return m_payload.symbol; }
  Array &array() { return m_payload.array; }
  const Array &array() const { return m_payload.array; }
  Dictionary &dictionary() { return m_payload.dictionary; }
  const Dictionary &dictionary() const { return m_payload.dictionary; }
  Builtin builtin() const { return m_payload.builtin; }
  // Meaningful only for a builtin token.
  InlineOp inlineOp() const { return m_head.inlineOp; }
  // For an executable name: the op remembered under a stamp, INLINE_NONE when
  // the stamp differs (stamps are never 0).
  InlineOp rememberedOp(uint32_t stamp) const {
    return m_head.stamp == stamp ? m_head.inlineOp : INLINE_NONE;
  }
  void rememberOp(InlineOp op, uint32_t stamp) {
    m_head.inlineOp = op;
    m_head.stamp = stamp;
  }

  // The number truncated toward zero (no tag test).
  int toInt() const;
  unsigned int toUnsigned() const;
  // Only the symbol "false" is false.
  [[gnu::always_inline]] bool toBool() const {
    return !(m_head.type == TYPE_SYMBOL && m_payload.symbol == falseSymbol());
  }

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

  // Printed forms. Containers nested deeper than kMaxNesting print as
  // "<<TOO DEEP>>"; a form longer than kMaxPrintedLength is cut and ends
  // with "..." (quip/Limits.h).
  String toString() const;
  String toSortedString() const;
  String toIndentedString(int level = 0) const;
  // The one-line form (sorted when asked) for a report: cut after
  // kMaxReportLength characters.
  String toReportString(bool sorted = false) const;

private:
  // Payloads copied and dropped bit for bit.
  // One bit per tag: error, number, symbol and builtin are plain.
  static constexpr uint32_t kPlainTypes =
      1u << TYPE_ERROR | 1u << TYPE_NUMBER | 1u << TYPE_SYMBOL | 1u << TYPE_BUILTIN;
  bool isPlain() const { return (kPlainTypes >> m_head.type) & 1; }
  void copyPayload(const Token &other);
  void releasePayload();
  void assignSlow(const Token &other);
  [[gnu::noinline]] void unshareText();

  // The header copies as one word. No field is of a character type, which
  // the compiler must assume aliases anything: a store to a token's tag would
  // otherwise make it read every other field of the interpreter again.
  enum class Spare : uint8_t {};
  // The first two fields of the header.
  struct TagAndFlag {
    Type type;
    bool executable;
  };
  struct Header {
    Type type;
    bool executable;
    // A builtin token's own op; for an executable name, the op of the builtin
    // it was last found bound to, valid while the interpreter's stamp equals
    // the stamp beside it (see Interpreter::runCounted).
    InlineOp inlineOp;
    Spare spare;
    uint32_t stamp;
  } m_head;
  static_assert(sizeof(Header) == sizeof(uint64_t) && sizeof(TagAndFlag) == sizeof(uint16_t));
  union Payload {
    Payload() : raw(0) {}
    ~Payload() {}
    uint64_t raw;
    float number;
    SharedText *text;
    Symbol symbol;
    Array array;
    Dictionary dictionary;
    Builtin builtin;
  } m_payload;
};

static_assert(sizeof(Token) == 16, "a token is a header word and a payload word");

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
// A symbol value into out; a value of another type leaves out, but counts as
// present.
bool lookupSymbol(const Dictionary &dictionary, Symbol key, Type expected, Symbol &out);

bool isIdentifier(const String &text);

} // namespace quip

// Inline members of the handles that need the complete token.
namespace quip {

struct DictionaryEntry {
  Symbol key;
  Token value;
  DictionaryEntry *next;
};

// Every access that may change the body moves its version.
inline Token &Array::operator[](unsigned int i) {
  ++m_body->version;
  return m_body->elements[i];
}
inline const Token &Array::operator[](unsigned int i) const { return m_body->elements[i]; }
inline Token *Array::get(unsigned int i, bool) {
  ++m_body->version;
  return m_body->elements + i;
}
inline Token &Array::last() {
  ++m_body->version;
  return m_body->elements[m_body->count - 1];
}
inline void Array::set(const Token &token, unsigned int i) {
  ++m_body->version;
  m_body->elements[i] = token;
}

inline void Array::append(const Token &token) {
  ++m_body->version;
  if (m_body->count == m_body->capacity) {
    // The token may live in this block: copy it before the block moves.
    Token copy(token);
    grow();
    m_body->elements[m_body->count++].swap(copy);
    return;
  }
  m_body->elements[m_body->count++] = token;
}

[[gnu::always_inline]] inline Token *Dictionary::lookup(Symbol key) const {
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
