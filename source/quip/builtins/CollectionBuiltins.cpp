// Five builtins that read or change arrays and dictionaries in place: size,
// unpack, fill, insert and removeKey. A change is seen through every token
// that shares the body.

#include "quip/builtins/CollectionBuiltins.h"

namespace quip {

void builtin_size(Interpreter *in, int *error) {
  Token a;
  if (!popArgument(in, error, "builtin_size", L"a", TYPE_ARRAY, a))
    return;
  in->push(Token(float(a.array().count())));
}

void builtin_unpack(Interpreter *in, int *error) {
  Token a;
  if (!popArgument(in, error, "builtin_unpack", L"a", TYPE_ARRAY, a))
    return;
  const Array &array = a.array();
  for (uint32_t i = 0; i < array.count(); ++i)
    in->push(array[i]);
}

void builtin_fill(Interpreter *in, int *error) {
  Token value, a;
  if (!popArgument(in, error, "builtin_fill", value))
    return;
  if (!popArgument(in, error, "builtin_fill", L"a", TYPE_ARRAY, a))
    return;
  Array &array = a.array();
  for (uint32_t i = 0; i < array.count(); ++i)
    array[i] = value;
}

void builtin_insert(Interpreter *in, int *error) {
  Token value, name, dict;
  if (!popArgument(in, error, "builtin_insert", value))
    return;
  if (!popArgument(in, error, "builtin_insert", L"name", TYPE_SYMBOL, name))
    return;
  if (!popArgument(in, error, "builtin_insert", L"dict", TYPE_DICTIONARY, dict))
    return;
  dict.dictionary().set(name.symbol(), value);
}

void builtin_removeKey(Interpreter *in, int *error) {
  Token name, dict;
  if (!popArgument(in, error, "builtin_removeKey", L"name", TYPE_SYMBOL, name))
    return;
  if (!popArgument(in, error, "builtin_removeKey", L"dict", TYPE_DICTIONARY, dict))
    return;
  bool removed = dict.dictionary().remove(name.symbol());
  in->push(Token(removed ? trueSymbol() : falseSymbol(), true));
}

} // namespace quip
