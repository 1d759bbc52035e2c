// Arrays and dictionaries: building them from stack marks, element access,
// in-place change, search, key queries and merging. Arrays and dictionaries
// are shared bodies, so every change here is seen through every copy.

#include "quip/builtins/ArrayBuiltins.h"

#include "container/HashTable.h"
#include "math/Random.h"
#include "quip/Builtin.h"
#include "quip/Limits.h"
#include "quip/builtins/NumberBuiltins.h"
#include "quip/builtins/VisitedBodies.h"
#include "xstring/Print.h"

namespace quip {

namespace {

inline bool popArray(Interpreter *in, int *error, const char *function, const wchar_t *name,
                     Token &out) {
  return popArgument(in, error, function, name, TYPE_ARRAY, out);
}
inline bool popDictionary(Interpreter *in, int *error, const char *function, const wchar_t *name,
                          Token &out) {
  return popArgument(in, error, function, name, TYPE_DICTIONARY, out);
}
inline bool popSymbol(Interpreter *in, int *error, const char *function, const wchar_t *name,
                      Token &out) {
  return popArgument(in, error, function, name, TYPE_SYMBOL, out);
}

// Depth of the nearest mark symbol (either flag) from the top, or -1.
int64_t findMark(Array &stack, Symbol mark) {
  uint32_t n = stack.count();
  for (uint32_t depth = 0; depth < n; ++depth) {
    const Token &t = stack[n - 1 - depth];
    if (t.isSymbol() && t.symbol() == mark)
      return depth;
  }
  return -1;
}

// How deeply the builders nested containers into the values above a mark:
// more than kMaxNesting is refused (the nesting the parser, the value-file
// writer and reader and the printers accept).
uint32_t builtDepthOf(const Token &token) {
  if (token.isArray())
    return token.array().builtDepth() + 1u;
  if (token.isDictionary())
    return token.dictionary().builtDepth() + 1u;
  return 0;
}

uint32_t builtDepthAbove(Array &stack, uint32_t n) {
  uint32_t depth = 0;
  for (uint32_t i = stack.count() - n; i < stack.count(); ++i) {
    uint32_t d = builtDepthOf(stack[i]);
    if (d > depth)
      depth = d;
  }
  return depth;
}

// Walks an array in place, each body once (remembered in a hash set), so an
// array holding itself ends; an explicit list of arrays still to walk keeps
// the C stack flat however deep the value.
void replaceIn(const Array &root, const Token &oldValue, const Token &newValue) {
  VisitedBodies seen;
  container::Vector<Token> pending;
  pending.push(Token(root, false));
  while (!pending.isEmpty()) {
    Token next = pending.pop();
    Array &array = next.array();
    if (seen.contains(array.body()))
      continue;
    seen.put(array.body(), true);
    for (uint32_t i = 0; i < array.count(); ++i) {
      Token &element = array[i];
      if (element.isArray())
        pending.push(element);
      else if (element == oldValue)
        element = newValue;
    }
  }
}

} // namespace

// "]": the values above the nearest "[" become an array, deepest first.
void builtin_makearray(Interpreter *in, int *error) {
  Array &stack = in->operands();
  int64_t depth = findMark(stack, SYM(L"["));
  if (depth < 0) {
    builtinError(in, error, "builtin_makearray", L"Unmatched ']'");
    return;
  }
  uint32_t n = uint32_t(depth);
  uint32_t nesting = builtDepthAbove(stack, n);
  if (nesting > uint32_t(kMaxNesting)) {
    builtinError(in, error, "builtin_makearray", L"nested too deeply");
    return;
  }
  Array result(n);
  result.setBuiltDepth(uint16_t(nesting));
  uint32_t base = stack.count() - n;
  // Swapping leaves error tokens in the vacated slots; no copies are made.
  for (uint32_t i = 0; i < n; ++i)
    result[i].swap(stack[base + i]);
  for (uint32_t i = 0; i <= n; ++i)
    stack.dropLast();
  stack[base - 1].release(); // the mark
  in->push(Token(result, false));
}

// ")": the key and value pairs above the nearest "(" become a dictionary.
void builtin_makedict(Interpreter *in, int *error) {
  const char *function = "builtin_makedict";
  Array &stack = in->operands();
  int64_t depth = findMark(stack, SYM(L"("));
  if (depth < 0) {
    builtinError(in, error, function, L"Unmatched ')'");
    return;
  }
  uint32_t n = uint32_t(depth);
  if (n % 2) {
    for (uint32_t d = n; d >= 1; --d)
      xstring::print(stderr, L"arg %3d: %S\n", int(d), in->peek(d - 1)->toReportString().c_str());
    builtinError(in, error, function, L"Odd number of items in dictionary");
    return;
  }
  uint32_t nesting = builtDepthAbove(stack, n);
  if (nesting > uint32_t(kMaxNesting)) {
    builtinError(in, error, function, L"nested too deeply");
    return;
  }
  Dictionary dictionary;
  dictionary.setBuiltDepth(uint16_t(nesting));
  for (uint32_t i = 0; i < n / 2; ++i) {
    Token value, key;
    in->pop(value);
    in->pop(key);
    if (!key.isSymbol()) {
      typeCheckFailed(in, error, function, L"name", key, TYPE_SYMBOL);
      return;
    }
    dictionary.set(key.symbol(), value);
  }
  Token mark;
  in->pop(mark);
  in->push(Token(dictionary));
}

void builtin_array(Interpreter *in, int *error) {
  Token size;
  if (!popArgument(in, error, "builtin_array", L"size", TYPE_NUMBER, size))
    return;
  // Past 2^24 a float no longer counts every element, and the block would
  // not fit in memory anyway: refused rather than failing the allocation.
  unsigned int n = clampToUnsigned(size.number());
  if (n > (1u << 24)) {
    builtinError(in, error, "builtin_array", L"array size too large");
    return;
  }
  in->push(Token(Array(n), false));
}

void builtin_at(Interpreter *in, int *error) {
  Token i, a;
  if (!popArgument(in, error, "builtin_at", L"i", TYPE_NUMBER, i))
    return;
  if (!popArray(in, error, "builtin_at", L"a", a))
    return;
  uint32_t index = clampToUnsigned(i.number());
  if (index >= a.array().count()) {
    builtinError(in, error, "builtin_at", L"array index out of bounds");
    return;
  }
  in->push(a.array()[index]);
}

void builtin_put(Interpreter *in, int *error) {
  Token value, i, a;
  if (!popArgument(in, error, "builtin_put", value))
    return;
  if (!popArgument(in, error, "builtin_put", L"i", TYPE_NUMBER, i))
    return;
  if (!popArray(in, error, "builtin_put", L"a", a))
    return;
  int index = roundHalfDown(i.number());
  if (index < 0 || uint32_t(index) >= a.array().count()) {
    builtinError(in, error, "builtin_put", L"array index out of bounds");
    return;
  }
  a.array()[uint32_t(index)].swap(value);
}

void builtin_append(Interpreter *in, int *error) {
  Token value, a;
  if (!popArgument(in, error, "builtin_append", value))
    return;
  if (!popArray(in, error, "builtin_append", L"a", a))
    return;
  Array &array = a.array();
  array.append(Token());
  array.last().swap(value);
}

void builtin_appendArray(Interpreter *in, int *error) {
  Token b, a;
  if (!popArray(in, error, "builtin_appendArray", L"b", b))
    return;
  if (!popArray(in, error, "builtin_appendArray", L"a", a))
    return;
  // The count is taken first, so an array appended to itself doubles once.
  Array &target = a.array();
  const Array &source = b.array();
  uint32_t n = source.count();
  for (uint32_t i = 0; i < n; ++i)
    target.append(source[i]);
}

void builtin_firstIndexOf(Interpreter *in, int *error) {
  Token value, a;
  if (!popArgument(in, error, "builtin_firstIndexOf", value))
    return;
  if (!popArray(in, error, "builtin_firstIndexOf", L"a", a))
    return;
  const Array &array = a.array();
  float found = -1;
  for (uint32_t i = 0; i < array.count(); ++i)
    if (array[i] == value) {
      found = float(i);
      break;
    }
  in->push(Token(found));
}

void builtin_removeByIndex(Interpreter *in, int *error) {
  Token index, a;
  if (!popArgument(in, error, "builtin_removeByIndex", L"index", TYPE_NUMBER, index))
    return;
  if (!popArray(in, error, "builtin_removeByIndex", L"a", a))
    return;
  int i = clampToInt(index.number());
  if (i < 0 || uint32_t(i) >= a.array().count()) {
    builtinError(in, error, "builtin_removeByIndex", L"array index out of bounds");
    return;
  }
  a.array().removeFast(uint32_t(i));
}

void builtin_replace(Interpreter *in, int *error) {
  Token newValue, oldValue, source;
  if (!popArgument(in, error, "builtin_replace", newValue))
    return;
  if (!popArgument(in, error, "builtin_replace", oldValue))
    return;
  if (!popArray(in, error, "builtin_replace", L"array", source))
    return;
  if (oldValue.isArray() || oldValue.isDictionary()) {
    builtinError(in, error, "builtin_replace", L"Unsupported source type for 'replace' builtin");
    return;
  }
  replaceIn(source.array(), oldValue, newValue);
  in->push(source);
}

void builtin_atRandom(Interpreter *in, int *error) {
  Token a;
  if (!popArray(in, error, "builtin_atRandom", L"a", a))
    return;
  const Array &array = a.array();
  if (array.isEmpty()) {
    builtinError(in, error, "builtin_atRandom", L"array index out of bounds");
    return;
  }
  int i = Random::globalInt(0, int(array.count()) - 1);
  in->push(array[uint32_t(i)]);
}

void builtin_hasKey(Interpreter *in, int *error) {
  Token key, d;
  if (!popSymbol(in, error, "builtin_hasKey", L"key", key))
    return;
  if (!popDictionary(in, error, "builtin_hasKey", L"d", d))
    return;
  in->push(boolToken(d.dictionary().lookup(key.symbol()) != nullptr));
}

void builtin_lookup(Interpreter *in, int *error) {
  Token name, dict;
  if (!popSymbol(in, error, "builtin_lookup", L"name", name))
    return;
  if (!popDictionary(in, error, "builtin_lookup", L"dict", dict))
    return;
  const Token *value = dict.dictionary().lookup(name.symbol());
  if (value)
    in->push(*value);
  else
    in->push(Token(Symbol::emptySymbol(), false));
}

void builtin_lookupRequired(Interpreter *in, int *error) {
  Token name, dict;
  if (!popSymbol(in, error, "builtin_lookupRequired", L"name", name))
    return;
  if (!popDictionary(in, error, "builtin_lookupRequired", L"dict", dict))
    return;
  const Token *value = dict.dictionary().lookup(name.symbol());
  if (!value) {
    String message(L"Failed required lookup of key '");
    message += name.symbol().text();
    message += L"' in dictionary:\n";
    if (diagnostics()) // printed only when shown
      message += dict.toReportString(true);
    builtinError(in, error, "builtin_lookupRequired", message);
    return;
  }
  in->push(*value);
}

void builtin_lookupElse(Interpreter *in, int *error) {
  Token fallback, name, dict;
  if (!popArgument(in, error, "builtin_lookupElse", fallback))
    return;
  if (!popSymbol(in, error, "builtin_lookupElse", L"name", name))
    return;
  if (!popDictionary(in, error, "builtin_lookupElse", L"dict", dict))
    return;
  const Token *value = dict.dictionary().lookup(name.symbol());
  in->push(value ? *value : fallback);
}

void builtin_keys(Interpreter *in, int *error) {
  Token d;
  if (!popDictionary(in, error, "builtin_keys", L"d", d))
    return;
  in->push(Token(d.dictionary().keys(), false));
}

void builtin_sortedKeys(Interpreter *in, int *error) {
  Token d;
  if (!popDictionary(in, error, "builtin_sortedKeys", L"d", d))
    return;
  container::Vector<Symbol> keys;
  d.dictionary().forEach([&](Symbol key, const Token &) { keys.push(key); });
  sortSymbols(keys);
  Array result(keys.size());
  for (uint32_t i = 0; i < keys.size(); ++i)
    result[i] = Token(keys[i], false);
  in->push(Token(result, false));
}

void builtin_mergeDictionary(Interpreter *in, int *error) {
  Token d2, d1;
  if (!popDictionary(in, error, "builtin_mergeDictionary", L"d2", d2))
    return;
  if (!popDictionary(in, error, "builtin_mergeDictionary", L"d1", d1))
    return;
  d1.dictionary().merge(d2.dictionary());
  in->push(d1);
}

void builtin_defDictArgs(Interpreter *in, int *error) {
  const char *function = "builtin_defDictArgs";
  Token names, dict;
  if (!popArray(in, error, function, L"name", names))
    return;
  if (!popDictionary(in, error, function, L"dict", dict))
    return;
  Dictionary *target = in->topDictionary();
  if (!target)
    return;
  const Array &list = names.array();
  for (uint32_t i = 0; i < list.count(); ++i) {
    const Token &element = list[i];
    // Only a symbol can name an entry.
    if (!element.isSymbol()) {
      typeCheckFailed(in, error, function, L"name", element, TYPE_SYMBOL);
      return;
    }
    const Token *value = dict.dictionary().lookup(element.symbol());
    if (!value) {
      String message(L"Key '");
      message += element.symbol().text();
      message += L"' not found in dictionary: ";
      if (diagnostics()) // printed only when shown
        message += dict.toReportString();
      builtinError(in, error, function, message);
      return;
    }
    target->set(element.symbol(), *value);
  }
}

void builtin_isEmpty(Interpreter *in, int *error) {
  Token dict;
  if (!popDictionary(in, error, "builtin_isEmpty", L"dict", dict))
    return;
  in->push(boolToken(dict.dictionary().isEmpty()));
}

} // namespace quip
