// Numbers and comparisons: float arithmetic, min/max, sign, the integer
// remainder and the four ordered comparisons. The two-operand forms work on
// the stack slots in place when both operands are numbers, so the common
// path allocates nothing and moves no token.

#include "quip/builtins/NumberBuiltins.h"

#include "quip/Builtin.h"
#include "quip/InlineBuiltins.h"

#include <cmath>
#include <cstdint>

namespace quip {

namespace {

// The literal symbol "true" or "false", as boolToken makes it (built in place:
// copying a shared token costs more than the symbol look-up).
inline Token resultToken(bool value) { return Token(value ? trueSymbol() : falseSymbol(), false); }
inline Token resultToken(float value) { return Token(value); }
// The general path of binary, out of line so the fast one needs no frame.
template <typename Op>
[[gnu::noinline]] void binaryPopped(Interpreter *interpreter, int *error, const char *function,
                                    Op op) {
  Token rhs, lhs;
  if (!popArgument(interpreter, error, function, L"rhs", TYPE_NUMBER, rhs))
    return;
  if (!popArgument(interpreter, error, function, L"lhs", TYPE_NUMBER, lhs))
    return;
  interpreter->push(resultToken(op(lhs.number(), rhs.number())));
}

// Takes rhs then lhs, both numbers; the common case works on the two top
// slots in place.
template <typename Op>
inline void binary(Interpreter *interpreter, int *error, const char *function, Op op) {
  inlined::Operands stack(interpreter);
  if (!inlined::binary(stack, op))
    binaryPopped(interpreter, error, function, op);
}

template <typename Op>
inline void unary(Interpreter *interpreter, int *error, const char *function, Op op) {
  Token n;
  if (!popArgument(interpreter, error, function, L"n", TYPE_NUMBER, n))
    return;
  interpreter->push(Token(op(n.number())));
}

} // namespace

void builtin_add(Interpreter *in, int *error) { binary(in, error, "builtin_add", inlined::add); }
void builtin_subtract(Interpreter *in, int *error) {
  binary(in, error, "builtin_subtract", inlined::subtract);
}
void builtin_multiply(Interpreter *in, int *error) {
  binary(in, error, "builtin_multiply", inlined::multiply);
}
void builtin_divide(Interpreter *in, int *error) {
  binary(in, error, "builtin_divide", inlined::divide);
}
void builtin_min(Interpreter *in, int *error) {
  binary(in, error, "builtin_min", [](float l, float r) { return l < r ? l : r; });
}
void builtin_max(Interpreter *in, int *error) {
  binary(in, error, "builtin_max", [](float l, float r) { return l > r ? l : r; });
}
void builtin_lessthan(Interpreter *in, int *error) {
  binary(in, error, "builtin_lessthan", inlined::less);
}
void builtin_greaterthan(Interpreter *in, int *error) {
  binary(in, error, "builtin_greaterthan", inlined::greater);
}
void builtin_lessorequal(Interpreter *in, int *error) {
  binary(in, error, "builtin_lessorequal", inlined::lessOrEqual);
}
void builtin_greaterorequal(Interpreter *in, int *error) {
  binary(in, error, "builtin_greaterorequal", inlined::greaterOrEqual);
}

void builtin_neg(Interpreter *in, int *error) {
  unary(in, error, "builtin_neg", [](float v) { return -v; });
}
void builtin_abs(Interpreter *in, int *error) {
  unary(in, error, "builtin_abs", [](float v) { return v < 0 ? -v : v; });
}

// Both operands truncated toward zero, then the remainder with the sign of
// lhs. A NaN operand or a divisor that truncates to 0 has no remainder: that
// is reported instead of dividing.
void builtin_modulus(Interpreter *in, int *error) {
  Token rhs, lhs;
  if (!popArgument(in, error, "builtin_modulus", L"rhs", TYPE_NUMBER, rhs))
    return;
  if (!popArgument(in, error, "builtin_modulus", L"lhs", TYPE_NUMBER, lhs))
    return;
  float l = lhs.number(), r = rhs.number();
  if (std::isnan(l) || std::isnan(r)) {
    builtinError(in, error, "builtin_modulus", L"operand is not a number");
    return;
  }
  int64_t divisor = clampToInt(r);
  if (divisor == 0) {
    builtinError(in, error, "builtin_modulus", L"modulus by zero");
    return;
  }
  // 64-bit so that INT32_MIN modulus -1 does not overflow.
  int64_t remainder = int64_t(clampToInt(l)) % divisor;
  in->push(Token(float(remainder)));
}

} // namespace quip
