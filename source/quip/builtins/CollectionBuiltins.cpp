// Array and dictionary builtins: size, unpack, fill, insert, removeKey:
// "unpack", "fill", "size", "insert", "removeKey".

#include "quip/builtins/CollectionBuiltins.h"

namespace quip {

void builtin_unpack(Interpreter *interpreter, int *error) {
  builtinError(interpreter, error, __func__, L"not available");
}

void builtin_fill(Interpreter *interpreter, int *error) {
  builtinError(interpreter, error, __func__, L"not available");
}

void builtin_size(Interpreter *interpreter, int *error) {
  builtinError(interpreter, error, __func__, L"not available");
}

void builtin_insert(Interpreter *interpreter, int *error) {
  builtinError(interpreter, error, __func__, L"not available");
}

void builtin_removeKey(Interpreter *interpreter, int *error) {
  builtinError(interpreter, error, __func__, L"not available");
}

} // namespace quip
