// Array and dictionary builtins: building, indexing, searching, keys and merging:
// "replace", "]", "array", "at", "atRandom", "put", "append", "appendArray", "firstIndexOf",
// "removeByIndex", ")", "hasKey", "lookup", "lookupRequired", "lookupElse", "keys", "sortedKeys",
// "mergeDictionary", "defDictArgs", "isEmpty".

#include "quip/builtins/ArrayBuiltins.h"

namespace quip {

void builtin_replace(Interpreter *interpreter, int *error) {
  builtinError(interpreter, error, __func__, L"not available");
}

void builtin_makearray(Interpreter *interpreter, int *error) {
  builtinError(interpreter, error, __func__, L"not available");
}

void builtin_array(Interpreter *interpreter, int *error) {
  builtinError(interpreter, error, __func__, L"not available");
}

void builtin_at(Interpreter *interpreter, int *error) {
  builtinError(interpreter, error, __func__, L"not available");
}

void builtin_atRandom(Interpreter *interpreter, int *error) {
  builtinError(interpreter, error, __func__, L"not available");
}

void builtin_put(Interpreter *interpreter, int *error) {
  builtinError(interpreter, error, __func__, L"not available");
}

void builtin_append(Interpreter *interpreter, int *error) {
  builtinError(interpreter, error, __func__, L"not available");
}

void builtin_appendArray(Interpreter *interpreter, int *error) {
  builtinError(interpreter, error, __func__, L"not available");
}

void builtin_firstIndexOf(Interpreter *interpreter, int *error) {
  builtinError(interpreter, error, __func__, L"not available");
}

void builtin_removeByIndex(Interpreter *interpreter, int *error) {
  builtinError(interpreter, error, __func__, L"not available");
}

void builtin_makedict(Interpreter *interpreter, int *error) {
  builtinError(interpreter, error, __func__, L"not available");
}

void builtin_hasKey(Interpreter *interpreter, int *error) {
  builtinError(interpreter, error, __func__, L"not available");
}

void builtin_lookup(Interpreter *interpreter, int *error) {
  builtinError(interpreter, error, __func__, L"not available");
}

void builtin_lookupRequired(Interpreter *interpreter, int *error) {
  builtinError(interpreter, error, __func__, L"not available");
}

void builtin_lookupElse(Interpreter *interpreter, int *error) {
  builtinError(interpreter, error, __func__, L"not available");
}

void builtin_keys(Interpreter *interpreter, int *error) {
  builtinError(interpreter, error, __func__, L"not available");
}

void builtin_sortedKeys(Interpreter *interpreter, int *error) {
  builtinError(interpreter, error, __func__, L"not available");
}

void builtin_mergeDictionary(Interpreter *interpreter, int *error) {
  builtinError(interpreter, error, __func__, L"not available");
}

void builtin_defDictArgs(Interpreter *interpreter, int *error) {
  builtinError(interpreter, error, __func__, L"not available");
}

void builtin_isEmpty(Interpreter *interpreter, int *error) {
  builtinError(interpreter, error, __func__, L"not available");
}

} // namespace quip
