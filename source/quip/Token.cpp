#include "quip/Token.h"

#include <cmath>
#include <cstring>

namespace quip {

const wchar_t *typeName(int type) {
  switch (type) {
  case TYPE_ERROR:
    return L"error";
  case TYPE_NUMBER:
    return L"number";
  case TYPE_STRING:
    return L"string";
  case TYPE_SYMBOL:
    return L"symbol";
  case TYPE_ARRAY:
    return L"array";
  case TYPE_DICTIONARY:
    return L"dictionary";
  case TYPE_BUILTIN:
    return L"builtin";
  default:
    return L"unknown";
  }
}

Token::Token(Array *array, bool executable) : m_head{TYPE_ARRAY, executable, INLINE_NONE, {}, 0} {
  new (&m_payload.array) Array(std::move(*array));
  delete array;
}

Token::Token(Dictionary *dictionary) : m_head{TYPE_DICTIONARY, false, INLINE_NONE, {}, 0} {
  new (&m_payload.dictionary) Dictionary(std::move(*dictionary));
  delete dictionary;
}

void Token::copyPayload(const Token &other) {
  switch (other.m_head.type) {
  case TYPE_STRING:
    m_payload.text = other.m_payload.text;
    ++m_payload.text->references;
    break;
  case TYPE_ARRAY:
    new (&m_payload.array) Array(other.m_payload.array);
    break;
  case TYPE_DICTIONARY:
    new (&m_payload.dictionary) Dictionary(other.m_payload.dictionary);
    break;
  default:
    m_payload.raw = other.m_payload.raw;
    break;
  }
}

void Token::unshareText() {
  SharedText *own = new SharedText{m_payload.text->text, 1};
  --m_payload.text->references;
  m_payload.text = own;
}

void Token::releasePayload() {
  switch (m_head.type) {
  case TYPE_STRING:
    if (--m_payload.text->references == 0)
      delete m_payload.text;
    break;
  case TYPE_ARRAY:
    m_payload.array.~Array();
    break;
  case TYPE_DICTIONARY:
    m_payload.dictionary.~Dictionary();
    break;
  default:
    break;
  }
  m_payload.raw = 0;
}

void Token::assignSlow(const Token &other) {
  Token copy(other);
  swap(copy);
}

namespace {
// Truncation toward zero that stays defined for values out of range.
int64_t truncated(float value) {
  if (std::isnan(value))
    return 0;
  if (value >= 9.2e18f)
    return INT64_MAX;
  if (value <= -9.2e18f)
    return INT64_MIN;
  return int64_t(value);
}
} // namespace

int Token::toInt() const { return int(truncated(m_payload.number)); }

unsigned int Token::toUnsigned() const { return unsigned(uint64_t(truncated(m_payload.number))); }

bool Token::operator==(const Token &other) const {
  if (m_head.type != other.m_head.type)
    return false;
  switch (m_head.type) {
  case TYPE_NUMBER:
    return m_payload.number == other.m_payload.number;
  case TYPE_STRING:
    return m_payload.text->text == other.m_payload.text->text;
  case TYPE_SYMBOL:
    return m_payload.symbol == other.m_payload.symbol;
  case TYPE_ARRAY:
    return m_payload.array.sameBody(other.m_payload.array);
  case TYPE_DICTIONARY:
    return m_payload.dictionary.sameBody(other.m_payload.dictionary);
  case TYPE_BUILTIN:
    return m_payload.builtin == other.m_payload.builtin;
  default:
    return false;
  }
}

// Readers.

bool Token::get(float &out) const {
  if (m_head.type != TYPE_NUMBER)
    return false;
  out = m_payload.number;
  return true;
}

bool Token::get(Symbol &out) const {
  if (m_head.type != TYPE_SYMBOL)
    return false;
  out = m_payload.symbol;
  return true;
}

bool Token::get(String &out) const {
  if (m_head.type != TYPE_STRING)
    return false;
  out = m_payload.text->text;
  return true;
}

int Token::get(int &out) const {
  if (m_head.type == TYPE_NUMBER)
    out = int(truncated(m_payload.number));
  return out;
}

unsigned int Token::get(unsigned int &out) const {
  if (m_head.type == TYPE_NUMBER)
    out = toUnsigned();
  return out;
}

bool Token::get(uint16_t &out) const {
  if (m_head.type != TYPE_NUMBER)
    return false;
  out = uint16_t(toUnsigned());
  return true;
}

bool Token::get(bool &out) const {
  if (m_head.type == TYPE_SYMBOL)
    out = toBool();
  return out;
}

bool Token::get(Array &out) const {
  if (m_head.type != TYPE_ARRAY)
    return false;
  out = m_payload.array;
  return true;
}

bool Token::get(Dictionary &out) const {
  if (m_head.type != TYPE_DICTIONARY)
    return false;
  out = m_payload.dictionary;
  return true;
}

namespace {
// Elements 0 and 1 of an array of at least two numbers.
bool numberPair(const Token &token, float &a, float &b) {
  if (!token.isArray())
    return false;
  const Array &array = token.array();
  if (array.count() < 2 || !array[0].isNumber() || !array[1].isNumber())
    return false;
  a = array[0].number();
  b = array[1].number();
  return true;
}
} // namespace

bool Token::get(Range &out) const {
  float a, b;
  if (!numberPair(*this, a, b))
    return false;
  out = Range(a, b);
  return true;
}

bool Token::get(IntRange &out) const {
  float a, b;
  if (!numberPair(*this, a, b))
    return false;
  out = IntRange(int(truncated(a)), int(truncated(b)));
  return true;
}

bool Token::get(UnsignedRange &out) const {
  float a, b;
  if (!numberPair(*this, a, b))
    return false;
  out = UnsignedRange(unsigned(uint64_t(truncated(a))), unsigned(uint64_t(truncated(b))));
  return true;
}

String typeCheckMessage(const wchar_t *argumentName, const Token &token, Type expected) {
  String text(L"Type-check failed.  Argument '");
  text += argumentName;
  text += L"'\n(";
  text += token.toReportString();
  text += L")\nis type '";
  text += typeName(token.type());
  text += L"', should be type '";
  text += typeName(expected);
  text += L"'.";
  return text;
}

// Converters.

void toToken(const Dictionary &value, Token &out) { out = Token(value); }
void toToken(Symbol value, Token &out) { out = Token(value, false); }
void toToken(const String &value, Token &out) { out = Token(value); }
void toToken(float value, Token &out) { out = Token(value); }
void toToken(uint16_t value, Token &out) { out = Token(float(value)); }
void toToken(uint32_t value, Token &out) { out = Token(float(value)); }
void toToken(int value, Token &out) { out = Token(float(value)); }
void toToken(bool value, Token &out) { out = Token(value ? trueSymbol() : falseSymbol(), false); }

namespace {
void pairToken(float a, float b, Token &out) {
  Array array(2);
  array.set(Token(a), 0);
  array.set(Token(b), 1);
  out = Token(array, false);
}
} // namespace

void toToken(const Range &value, Token &out) { pairToken(value.low, value.high, out); }
void toToken(const IntRange &value, Token &out) {
  pairToken(float(value.low), float(value.high), out);
}
void toToken(const UnsignedRange &value, Token &out) {
  pairToken(float(value.low), float(value.high), out);
}

Token toToken(float value) { return Token(value); }
Token toToken(int value) { return Token(float(value)); }
Token toToken(bool value) { return boolToken(value); }
Token boolToken(bool value) { return Token(value ? trueSymbol() : falseSymbol(), false); }

bool lookupBool(const Dictionary &dictionary, Symbol key, Type expected, bool &out) {
  const Token *token = dictionary.lookupTyped(key, expected);
  if (!token)
    return false;
  token->get(out);
  return true;
}

bool lookupScalar(const Dictionary &dictionary, Symbol key, Type expected, uint32_t &out) {
  const Token *token = dictionary.lookupTyped(key, expected);
  if (!token)
    return false;
  if (token->isNumber()) {
    float number = token->number();
    std::memcpy(&out, &number, sizeof out);
  }
  return true;
}

bool lookupSymbol(const Dictionary &dictionary, Symbol key, Type expected, Symbol &out) {
  const Token *token = dictionary.lookupTyped(key, expected);
  if (!token)
    return false;
  token->get(out);
  return true;
}

} // namespace quip
