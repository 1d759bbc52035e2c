// Number and comparison builtins:
// "neg", "+", "-", "*", "/", "max", "min", "modulus", "<", ">", "<=", ">=", "abs".

#include "quip/builtins/NumberBuiltins.h"

namespace quip {

void builtin_neg(Interpreter *interpreter, int *error) {
  builtinError(interpreter, error, __func__, L"not available");
}

void builtin_add(Interpreter *interpreter, int *error) {
  builtinError(interpreter, error, __func__, L"not available");
}

void builtin_subtract(Interpreter *interpreter, int *error) {
  builtinError(interpreter, error, __func__, L"not available");
}

void builtin_multiply(Interpreter *interpreter, int *error) {
  builtinError(interpreter, error, __func__, L"not available");
}

void builtin_divide(Interpreter *interpreter, int *error) {
  builtinError(interpreter, error, __func__, L"not available");
}

void builtin_max(Interpreter *interpreter, int *error) {
  builtinError(interpreter, error, __func__, L"not available");
}

void builtin_min(Interpreter *interpreter, int *error) {
  builtinError(interpreter, error, __func__, L"not available");
}

void builtin_modulus(Interpreter *interpreter, int *error) {
  builtinError(interpreter, error, __func__, L"not available");
}

void builtin_lessthan(Interpreter *interpreter, int *error) {
  builtinError(interpreter, error, __func__, L"not available");
}

void builtin_greaterthan(Interpreter *interpreter, int *error) {
  builtinError(interpreter, error, __func__, L"not available");
}

void builtin_lessorequal(Interpreter *interpreter, int *error) {
  builtinError(interpreter, error, __func__, L"not available");
}

void builtin_greaterorequal(Interpreter *interpreter, int *error) {
  builtinError(interpreter, error, __func__, L"not available");
}

void builtin_abs(Interpreter *interpreter, int *error) {
  builtinError(interpreter, error, __func__, L"not available");
}

} // namespace quip
