#pragma once
// Number and comparison builtins.

#include "quip/Builtin.h"
#include "quip/NumberConversion.h"

namespace quip {

void builtin_neg(Interpreter *interpreter, int *error);            // "neg"
void builtin_add(Interpreter *interpreter, int *error);            // "+"
void builtin_subtract(Interpreter *interpreter, int *error);       // "-"
void builtin_multiply(Interpreter *interpreter, int *error);       // "*"
void builtin_divide(Interpreter *interpreter, int *error);         // "/"
void builtin_max(Interpreter *interpreter, int *error);            // "max"
void builtin_min(Interpreter *interpreter, int *error);            // "min"
void builtin_modulus(Interpreter *interpreter, int *error);        // "modulus"
void builtin_lessthan(Interpreter *interpreter, int *error);       // "<"
void builtin_greaterthan(Interpreter *interpreter, int *error);    // ">"
void builtin_lessorequal(Interpreter *interpreter, int *error);    // "<="
void builtin_greaterorequal(Interpreter *interpreter, int *error); // ">="
void builtin_abs(Interpreter *interpreter, int *error);            // "abs"

// Pushes a token by moving it onto the operand stack (no copy of its payload).
inline void pushMoved(Interpreter *interpreter, Token &token) {
  Array &stack = interpreter->operands();
  stack.append(Token());
  stack.last().swap(token);
}

} // namespace quip
