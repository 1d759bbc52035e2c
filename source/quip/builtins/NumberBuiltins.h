#pragma once
// Number and comparison builtins.

#include "quip/Builtin.h"

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

// Float-to-integer conversions for indexes and counts. Out-of-range values
// clamp to the nearest end and NaN gives 0, so no conversion is undefined.
int clampToInt(float value);
// Negative values and NaN give 0.
unsigned int clampToUnsigned(float value);
// Rounds up only when the fraction is above one half (2.5 gives 2, -2.5 gives -3).
int roundHalfDown(float value);

// Pushes a token by moving it onto the operand stack (no copy of its payload).
inline void pushMoved(Interpreter *interpreter, Token &token) {
  Array &stack = interpreter->operands();
  stack.append(Token());
  stack.last().swap(token);
}

} // namespace quip
