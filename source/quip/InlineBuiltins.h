#pragma once
// The common case of the hottest builtins ("if", "ifelse", arithmetic and
// comparisons on two numbers, "+=" and "-=" on a number, "dup", "swap",
// "pop"), written once and used twice: by the builtin functions themselves,
// and by the interpreter, which runs them in its step loop without a call
// when the bound token carries their op. Each returns false, having changed nothing,
// when its arguments are not the common case; the caller then runs the whole
// builtin, which reports the error. None of them changes the interpreter's
// state (running, atomic, waiting, finished).

#include "quip/Interpreter.h"

namespace quip {

// Names the builtin function whose common case an op is. Tokens made for it
// afterwards carry the op; tokens made before, or for a builtin never named,
// are called as usual, so this changes speed only, never behaviour.
void setInlineBuiltin(InlineOp op, Builtin function);

namespace inlined {

// The operand stack as the step loop sees it: the count lives in a local (a
// register) and is written through to the array at every change, so code
// outside the loop always sees the stack as it is.
struct Operands {
  explicit Operands(Interpreter *interpreter)
      : body(interpreter->operands().m_body), n(body->count) {}
  ArrayBody *body;
  uint32_t n;

  Token &at(uint32_t i) const { return body->elements[i]; }
  Token &fromTop(uint32_t depth) const { return body->elements[n - 1 - depth]; }
  void setCount(uint32_t count) {
    n = count;
    body->count = count;
  }
};

// A body on top and the condition below it: the body runs when the condition
// is not the symbol "false".
[[gnu::always_inline]] inline bool ifThen(Interpreter *interpreter, Operands &stack) {
  if (stack.n < 2 || !stack.fromTop(0).isArray())
    return false;
  Token &body = stack.fromTop(0);
  Token &condition = stack.fromTop(1);
  // The body's handle moves into the frame; its slot is released below.
  // Pushing a frame does not move the operand stack.
  if (condition.toBool())
    interpreter->pushProcedure(std::move(body.array()));
  body.release();
  condition.release();
  stack.setCount(stack.n - 2);
  return true;
}

[[gnu::always_inline]] inline bool ifThenElse(Interpreter *interpreter, Operands &stack) {
  if (stack.n < 3 || !stack.fromTop(0).isArray() || !stack.fromTop(1).isArray())
    return false;
  Token &falseBody = stack.fromTop(0);
  Token &trueBody = stack.fromTop(1);
  Token &condition = stack.fromTop(2);
  interpreter->pushProcedure(std::move(condition.toBool() ? trueBody.array() : falseBody.array()));
  falseBody.release();
  trueBody.release();
  condition.release();
  stack.setCount(stack.n - 3);
  return true;
}

// The result written over the left operand's slot, which holds a number: a
// comparison gives the literal symbol "true" or "false".
inline void setResult(Token &lhs, bool value) {
  lhs.setPlainSymbol(value ? trueSymbol() : falseSymbol());
}
inline void setResult(Token &lhs, float value) { lhs.setPlainNumber(value); }

// Two numbers on top: the result replaces them.
template <typename Op>
[[gnu::always_inline]] inline bool binary(Operands &stack, Op op) {
  if (stack.n < 2)
    return false;
  Token &rhs = stack.fromTop(0);
  Token &lhs = stack.fromTop(1);
  if (!rhs.isNumber() || !lhs.isNumber())
    return false;
  setResult(lhs, op(lhs.number(), rhs.number()));
  stack.setCount(stack.n - 1);
  return true;
}

// A name and a number on top, the name bound to a number: the bound number
// is updated in place.
template <typename Op>
[[gnu::always_inline]] inline bool compoundAssign(Interpreter *interpreter, Operands &stack,
                                                  Op op) {
  if (stack.n < 2 || !stack.fromTop(0).isNumber() || !stack.fromTop(1).isSymbol())
    return false;
  Token *stored = interpreter->lookup(stack.fromTop(1).symbol(), false);
  if (!stored || !stored->isNumber())
    return false;
  float amount = stack.fromTop(0).number();
  stack.setCount(stack.n - 2);
  stored->setPlainNumber(op(stored->number(), amount));
  return true;
}

// Copies the top token; the slow case (a full stack) is the builtin's.
[[gnu::always_inline]] inline bool dup(Operands &stack) {
  if (stack.n == 0 || stack.n == stack.body->capacity)
    return false;
  stack.at(stack.n) = stack.fromTop(0);
  stack.setCount(stack.n + 1);
  return true;
}

[[gnu::always_inline]] inline bool swap(Operands &stack) {
  if (stack.n < 2)
    return false;
  stack.fromTop(0).swap(stack.fromTop(1));
  return true;
}

[[gnu::always_inline]] inline bool pop(Operands &stack) {
  if (stack.n == 0)
    return false;
  stack.fromTop(0).release();
  stack.setCount(stack.n - 1);
  return true;
}

inline float add(float l, float r) { return l + r; }
inline float subtract(float l, float r) { return l - r; }
inline float multiply(float l, float r) { return l * r; }
inline float divide(float l, float r) { return l / r; }
inline bool less(float l, float r) { return l < r; }
inline bool greater(float l, float r) { return l > r; }
inline bool lessOrEqual(float l, float r) { return l <= r; }
inline bool greaterOrEqual(float l, float r) { return l >= r; }

// Runs the common case of an op; false when the whole builtin must run.
[[gnu::always_inline]] inline bool run(InlineOp op, Interpreter *interpreter, Operands &stack) {
  switch (op) {
  case INLINE_IF:
    return ifThen(interpreter, stack);
  case INLINE_IFELSE:
    return ifThenElse(interpreter, stack);
  case INLINE_ADD:
    return binary(stack, add);
  case INLINE_SUBTRACT:
    return binary(stack, subtract);
  case INLINE_MULTIPLY:
    return binary(stack, multiply);
  case INLINE_DIVIDE:
    return binary(stack, divide);
  case INLINE_LESS:
    return binary(stack, less);
  case INLINE_GREATER:
    return binary(stack, greater);
  case INLINE_LESS_OR_EQUAL:
    return binary(stack, lessOrEqual);
  case INLINE_GREATER_OR_EQUAL:
    return binary(stack, greaterOrEqual);
  case INLINE_PLUS_EQUALS:
    return compoundAssign(interpreter, stack, add);
  case INLINE_MINUS_EQUALS:
    return compoundAssign(interpreter, stack, subtract);
  case INLINE_DUP:
    return dup(stack);
  case INLINE_SWAP:
    return swap(stack);
  case INLINE_POP:
    return pop(stack);
  default:
    return false;
  }
}

} // namespace inlined

} // namespace quip
