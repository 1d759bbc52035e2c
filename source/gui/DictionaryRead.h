#pragma once
// How widgets read their keys. A value of the wrong type is skipped like an
// absent key, so a script's mistake never reads one kind of value as another.

#include "math/ColorScript.h"
#include "quip/Array.h"
#include "quip/Dictionary.h"
#include "quip/Token.h"
#include "xstring/String.h"
#include "xstring/Symbol.h"

namespace GUI {

// The value under key when it has the given type, else null.
inline const quip::Token *typedValue(const quip::Dictionary &d, Symbol key, quip::Type type) {
  const quip::Token *value = d.lookup(key);
  return value && value->type() == type ? value : nullptr;
}

// Numbers, vectors, colours, rectangles: the token's own typed reader.
template <typename T> void readValue(const quip::Dictionary &d, Symbol key, T &field) {
  if (const quip::Token *value = d.lookup(key))
    value->get(field);
}

// Any value but the symbol false is true.
inline void readTruth(const quip::Dictionary &d, Symbol key, bool &field) {
  if (const quip::Token *value = d.lookup(key))
    field = value->toBool();
}

inline void readCode(const quip::Dictionary &d, Symbol key, quip::Array &code) {
  if (const quip::Token *value = typedValue(d, key, quip::TYPE_ARRAY))
    code = value->array();
}

inline void readSymbol(const quip::Dictionary &d, Symbol key, Symbol &field) {
  if (const quip::Token *value = typedValue(d, key, quip::TYPE_SYMBOL))
    field = value->symbol();
}

inline void readString(const quip::Dictionary &d, Symbol key, String &field) {
  if (const quip::Token *value = typedValue(d, key, quip::TYPE_STRING))
    field = value->string();
}

} // namespace GUI
