// Control flow and definitions: equality, truth, conditionals, eval and return, the dictionary
// stack, def, load, bind, compound assignment, index and putIndex:
// "==", "!=", "ifelse", "if", "switch", "+=", "-=", "*=", "/=", "not", "and", "or", "def", "begin",
// "end", "load", "bind", "index", "putIndex", "eval", "return".

#include "quip/builtins/ControlBuiltins.h"

namespace quip {

void builtin_eq(Interpreter *interpreter, int *error) {
  builtinError(interpreter, error, __func__, L"not available");
}

void builtin_not_eq(Interpreter *interpreter, int *error) {
  builtinError(interpreter, error, __func__, L"not available");
}

void builtin_ifelse(Interpreter *interpreter, int *error) {
  builtinError(interpreter, error, __func__, L"not available");
}

void builtin_if(Interpreter *interpreter, int *error) {
  builtinError(interpreter, error, __func__, L"not available");
}

void builtin_switch(Interpreter *interpreter, int *error) {
  builtinError(interpreter, error, __func__, L"not available");
}

void builtin_plusEquals(Interpreter *interpreter, int *error) {
  builtinError(interpreter, error, __func__, L"not available");
}

void builtin_minusEquals(Interpreter *interpreter, int *error) {
  builtinError(interpreter, error, __func__, L"not available");
}

void builtin_timesEquals(Interpreter *interpreter, int *error) {
  builtinError(interpreter, error, __func__, L"not available");
}

void builtin_divideEquals(Interpreter *interpreter, int *error) {
  builtinError(interpreter, error, __func__, L"not available");
}

void builtin_not(Interpreter *interpreter, int *error) {
  builtinError(interpreter, error, __func__, L"not available");
}

void builtin_and(Interpreter *interpreter, int *error) {
  builtinError(interpreter, error, __func__, L"not available");
}

void builtin_or(Interpreter *interpreter, int *error) {
  builtinError(interpreter, error, __func__, L"not available");
}

void builtin_def(Interpreter *interpreter, int *error) {
  builtinError(interpreter, error, __func__, L"not available");
}

void builtin_begin(Interpreter *interpreter, int *error) {
  builtinError(interpreter, error, __func__, L"not available");
}

void builtin_end(Interpreter *interpreter, int *error) {
  builtinError(interpreter, error, __func__, L"not available");
}

void builtin_load(Interpreter *interpreter, int *error) {
  builtinError(interpreter, error, __func__, L"not available");
}

void builtin_bind(Interpreter *interpreter, int *error) {
  builtinError(interpreter, error, __func__, L"not available");
}

void builtin_index(Interpreter *interpreter, int *error) {
  builtinError(interpreter, error, __func__, L"not available");
}

void builtin_putIndex(Interpreter *interpreter, int *error) {
  builtinError(interpreter, error, __func__, L"not available");
}

void builtin_eval(Interpreter *interpreter, int *error) {
  builtinError(interpreter, error, __func__, L"not available");
}

void builtin_return(Interpreter *interpreter, int *error) {
  builtinError(interpreter, error, __func__, L"not available");
}

} // namespace quip
