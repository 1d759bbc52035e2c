#pragma once
// The common case of the hot builtins (control, arithmetic, comparisons and
// equality, compound assignment, stack slots, "def", array elements,
// dictionary reads and updates of existing keys), written once: the
// interpreter runs them in its step loop without a call when the bound token
// carries their op, and some builtin functions use them as their own fast
// path. A builtin call costs far more than its common case, and ordinary
// programs are made of these. Each returns false, having changed nothing,
// when its arguments are not the common case; the caller then runs the whole
// builtin, which reports the error. None of them changes the interpreter's
// state (running, atomic, waiting, finished).

#include "quip/Interpreter.h"
#include "quip/NumberConversion.h"

#include <bit>
#include <cmath>
#include <utility>

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

  [[gnu::always_inline]] Token &at(uint32_t i) const { return body->elements[i]; }
  [[gnu::always_inline]] Token &fromTop(uint32_t depth) const {
    return body->elements[n - 1 - depth];
  }
  [[gnu::always_inline]] void setCount(uint32_t count) {
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
[[gnu::always_inline]] inline void setResult(Token &lhs, bool value) {
  lhs.setPlainSymbol(value ? trueSymbol() : falseSymbol());
}
[[gnu::always_inline]] inline void setResult(Token &lhs, float value) { lhs.setPlainNumber(value); }

// Two numbers on top: the result replaces them.
template <typename Op> [[gnu::always_inline]] inline bool binary(Operands &stack, Op op) {
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
  stack.at(stack.n).assignOther(stack.fromTop(0));
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

// The executable "true" or "false" of equality and logic written over a
// slot whose payload is already released.
[[gnu::always_inline]] inline void setTruth(Token &slot, bool value) {
  slot.setPlainSymbol(value ? trueSymbol() : falseSymbol(), true);
}

// Whether two values are equal; both are let go.
[[gnu::always_inline]] inline bool equalReleased(Token &a, Token &b) {
  // Numbers have no payload to let go.
  if (a.isNumber() && b.isNumber())
    return a.number() == b.number();
  bool equal = a == b;
  b.release();
  a.release();
  return equal;
}

// "==" and "!=": any two values.
[[gnu::always_inline]] inline bool equality(Operands &stack, bool wantEqual) {
  if (stack.n < 2)
    return false;
  Token &a = stack.fromTop(1);
  setTruth(a, equalReleased(a, stack.fromTop(0)) == wantEqual);
  stack.setCount(stack.n - 1);
  return true;
}

[[gnu::always_inline]] inline bool logicalNot(Operands &stack) {
  if (stack.n < 1)
    return false;
  Token &x = stack.fromTop(0);
  bool value = !x.toBool();
  x.release();
  setTruth(x, value);
  return true;
}

// "and" (both) or "or" (either) of two truth values.
[[gnu::always_inline]] inline bool logical(Operands &stack, bool both) {
  if (stack.n < 2)
    return false;
  Token &b = stack.fromTop(0);
  Token &a = stack.fromTop(1);
  bool value = both ? a.toBool() && b.toBool() : a.toBool() || b.toBool();
  b.release();
  a.release();
  setTruth(a, value);
  stack.setCount(stack.n - 1);
  return true;
}

// Whether truncated() may run: on x86-64 it needs SSE4.1, which a build for
// the plain instruction set cannot assume. (The processor's features are
// read by the runtime before any code of ours runs; the test is one load.)
[[gnu::always_inline]] inline bool truncatesInOneStep() {
#if defined(__x86_64__) && !defined(__SSE4_1__)
  return __builtin_cpu_supports("sse4.1");
#else
  return true;
#endif
}

// x truncated toward zero, in one instruction (only where
// truncatesInOneStep()): converting to an int and back costs three times as
// long, and a remainder on a running value waits for it.
[[gnu::always_inline]] inline float truncated(float x) {
#if defined(__x86_64__) && !defined(__SSE4_1__)
  // The register is both source and target: the instruction keeps the
  // target's other lanes, and would wait for whatever wrote them last.
  __asm__("roundss $11, %0, %0" : "+x"(x));
  return x;
#else
  return __builtin_truncf(x);
#endif
}

// Both truncated, the remainder with the sign of lhs; false for NaN and a
// zero divisor, which are the builtin's to report. Worked out on ints.
[[gnu::always_inline]] inline bool wholeRemainder(float l, float r, float &out) {
  // Both within int range, the usual case: one test each, which NaN fails.
  if (__builtin_expect(
          l > -2147483648.0f && l < 2147483648.0f && r > -2147483648.0f && r < 2147483648.0f, 1)) {
    int divisor = int(r);
    if (divisor == 0)
      return false;
    out = float(divisor == -1 ? 0 : int(l) % divisor);
    return true;
  }
  if (std::isnan(l) || std::isnan(r))
    return false;
  int divisor = clampToInt(r);
  if (divisor == 0)
    return false;
  // A 32-bit division is much cheaper than a 64-bit one; -1 would overflow
  // on INT32_MIN and always leaves 0.
  out = float(divisor == -1 ? 0 : clampToInt(l) % divisor);
  return true;
}

// The same, for whole numbers below 2^23 (the usual case) worked out in
// floating point: a division and a truncation wait less than a division
// with its conversions. Both being whole, the rounded quotient truncates to
// the true one (it could only round up to the next whole number were
// |l| + |r| at least 2^24), and the product and difference are exact.
[[gnu::always_inline]] inline bool remainderOf(float l, float r, float &out) {
  if (__builtin_expect(truncatesInOneStep(), 1)) {
    float m = l - truncated(l / r) * r;
    if (__builtin_expect(truncated(l) == l && truncated(r) == r && std::fabs(l) < 8388608.0f &&
                             std::fabs(r) >= 1.0f && std::fabs(r) < 8388608.0f,
                         1)) {
      out = m;
      return true;
    }
  }
  return wholeRemainder(l, r, out);
}

// A literal divisor worked out once, when compiled: the reciprocal of a
// whole number of magnitude 1 to 2^23, or 0 when remainderBy() takes the
// general way (any other divisor, or a processor without truncated()).
inline float literalInverse(float r) {
  if (truncatesInOneStep() && std::fabs(r) >= 1.0f && std::fabs(r) < 8388608.0f &&
      __builtin_truncf(r) == r)
    return 1.0f / r;
  return 0.0f;
}

// remainderOf(l, r) with r's literalInverse() known, by a multiply: shorter
// still than a division. For l below 2^22, truncated, every product and
// difference here is exact, and the quotient, rounded twice, stays below the
// next whole number (it would need |r| of 2^23 or more to reach it): the
// truncated quotient is the true one or one less, m has the sign of l, and
// one less leaves m outside the divisor's range. Then, as for any other l,
// remainderOf() decides.
[[gnu::always_inline]] inline bool remainderBy(float l, float inverse, float r, float &out) {
  if (__builtin_expect(std::bit_cast<uint32_t>(inverse) != 0, 1)) {
    float t = truncated(l);
    float m = t - truncated(t * inverse) * r;
    if (__builtin_expect(std::fabs(t) < 4194304.0f && std::fabs(m) < std::fabs(r), 1)) {
      out = m;
      return true;
    }
  }
  return remainderOf(l, r, out);
}

[[gnu::always_inline]] inline bool modulus(Operands &stack) {
  if (stack.n < 2)
    return false;
  Token &rhs = stack.fromTop(0);
  Token &lhs = stack.fromTop(1);
  float remainder;
  if (!rhs.isNumber() || !lhs.isNumber() || !remainderOf(lhs.number(), rhs.number(), remainder))
    return false;
  lhs.setPlainNumber(remainder);
  stack.setCount(stack.n - 1);
  return true;
}

template <typename Op> [[gnu::always_inline]] inline bool unary(Operands &stack, Op op) {
  if (stack.n < 1 || !stack.fromTop(0).isNumber())
    return false;
  Token &x = stack.fromTop(0);
  x.setPlainNumber(op(x.number()));
  return true;
}

// "index": a copy of the value at a stack position replaces the position.
[[gnu::always_inline]] inline bool index(Operands &stack) {
  if (stack.n < 1 || !stack.fromTop(0).isNumber())
    return false;
  uint32_t slot;
  if (!stackSlot(stack.n - 1, stack.fromTop(0).number(), slot))
    return false;
  stack.fromTop(0).assignOther(stack.at(slot));
  return true;
}

// "putIndex": the value on top goes into the slot at the position below it.
[[gnu::always_inline]] inline bool putIndex(Operands &stack) {
  if (stack.n < 2 || !stack.fromTop(1).isNumber())
    return false;
  uint32_t slot;
  if (!stackSlot(stack.n - 2, stack.fromTop(1).number(), slot))
    return false;
  Token &value = stack.fromTop(0);
  stack.at(slot).swap(value);
  value.release();
  stack.setCount(stack.n - 2);
  return true;
}

// A value stored over an existing entry: where names are bound does not
// change, unless a builtin comes or goes (that is the full store's case).
[[gnu::always_inline]] inline bool storeOver(Token *stored, Token &value) {
  if (!stored || stored->isBuiltin() || value.isBuiltin())
    return false;
  stored->swap(value);
  value.release();
  return true;
}

// "def" of a name the top dictionary already holds.
[[gnu::always_inline]] inline bool define(Interpreter *interpreter, Operands &stack) {
  if (stack.n < 2 || !stack.fromTop(1).isSymbol())
    return false;
  // The name cache knows whether the top dictionary holds the name.
  if (!storeOver(interpreter->lookupInTop(stack.fromTop(1).symbol()), stack.fromTop(0)))
    return false;
  stack.setCount(stack.n - 2);
  return true;
}

// "insert" of a key the dictionary already holds.
[[gnu::always_inline]] inline bool insert(Operands &stack) {
  if (stack.n < 3 || !stack.fromTop(1).isSymbol() || !stack.fromTop(2).isDictionary())
    return false;
  Token &dictionary = stack.fromTop(2);
  if (!storeOver(dictionary.dictionary().lookup(stack.fromTop(1).symbol()), stack.fromTop(0)))
    return false;
  dictionary.release();
  stack.setCount(stack.n - 3);
  return true;
}

// "at": a copy of the element replaces the array and the index.
[[gnu::always_inline]] inline bool at(Operands &stack) {
  if (stack.n < 2 || !stack.fromTop(0).isNumber() || !stack.fromTop(1).isArray())
    return false;
  Token &array = stack.fromTop(1);
  uint32_t i = clampToUnsigned(stack.fromTop(0).number());
  if (i >= array.array().count())
    return false;
  // The copy is made before the array's handle goes: it may be the last.
  Token element(std::as_const(array.array())[i]);
  array.swap(element);
  stack.setCount(stack.n - 1);
  return true;
}

// "put": the value becomes the element; the old element is released.
[[gnu::always_inline]] inline bool put(Operands &stack) {
  if (stack.n < 3 || !stack.fromTop(1).isNumber() || !stack.fromTop(2).isArray())
    return false;
  Token &array = stack.fromTop(2);
  int i = roundHalfDown(stack.fromTop(1).number());
  if (i < 0 || uint32_t(i) >= array.array().count())
    return false;
  Token &value = stack.fromTop(0);
  array.array()[uint32_t(i)].swap(value);
  value.release();
  array.release();
  stack.setCount(stack.n - 3);
  return true;
}

[[gnu::always_inline]] inline bool size(Operands &stack) {
  if (stack.n < 1 || !stack.fromTop(0).isArray())
    return false;
  Token &array = stack.fromTop(0);
  float count = float(array.array().count());
  array.release();
  array.setPlainNumber(count);
  return true;
}

// "lookup": the value under the name, or the literal empty symbol.
[[gnu::always_inline]] inline bool lookup(Operands &stack) {
  if (stack.n < 2 || !stack.fromTop(0).isSymbol() || !stack.fromTop(1).isDictionary())
    return false;
  Token &dictionary = stack.fromTop(1);
  const Token *value = dictionary.dictionary().lookup(stack.fromTop(0).symbol());
  Token result = value ? Token(*value) : Token(Symbol::emptySymbol(), false);
  dictionary.swap(result);
  stack.setCount(stack.n - 1);
  return true;
}

// "lookupElse": the value under the name, or the fallback.
[[gnu::always_inline]] inline bool lookupElse(Operands &stack) {
  if (stack.n < 3 || !stack.fromTop(1).isSymbol() || !stack.fromTop(2).isDictionary())
    return false;
  Token &dictionary = stack.fromTop(2);
  Token &fallback = stack.fromTop(0);
  if (const Token *value = dictionary.dictionary().lookup(stack.fromTop(1).symbol())) {
    // The copy is made before the dictionary's handle goes: it may be the
    // last.
    Token found(*value);
    dictionary.swap(found);
  } else {
    dictionary.swap(fallback);
  }
  fallback.release();
  stack.setCount(stack.n - 2);
  return true;
}

[[gnu::always_inline]] inline bool stringLength(Operands &stack) {
  if (stack.n < 1 || !stack.fromTop(0).isString())
    return false;
  Token &text = stack.fromTop(0);
  float length = float(std::as_const(text).string().length());
  text.release();
  text.setPlainNumber(length);
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

// The ops met less often, behind a call of their own: one dispatch over every
// op predicts worse than two, and the hottest ops stay in a small switch.
[[gnu::always_inline]] inline bool runLess(InlineOp op, Interpreter *interpreter, Operands &stack) {
  switch (op) {
  case INLINE_PLUS_EQUALS:
    return compoundAssign(interpreter, stack, add);
  case INLINE_MINUS_EQUALS:
    return compoundAssign(interpreter, stack, subtract);
  case INLINE_EQUAL:
    return equality(stack, true);
  case INLINE_NOT_EQUAL:
    return equality(stack, false);
  case INLINE_NOT:
    return logicalNot(stack);
  case INLINE_AND:
    return logical(stack, true);
  case INLINE_OR:
    return logical(stack, false);
  case INLINE_MODULUS:
    return modulus(stack);
  case INLINE_MIN:
    return binary(stack, [](float l, float r) { return l < r ? l : r; });
  case INLINE_MAX:
    return binary(stack, [](float l, float r) { return l > r ? l : r; });
  case INLINE_NEG:
    return unary(stack, [](float v) { return -v; });
  case INLINE_ABS:
    return unary(stack, [](float v) { return v < 0 ? -v : v; });
  case INLINE_TIMES_EQUALS:
    return compoundAssign(interpreter, stack, multiply);
  case INLINE_DIVIDE_EQUALS:
    return compoundAssign(interpreter, stack, divide);
  case INLINE_INDEX:
    return index(stack);
  case INLINE_PUT_INDEX:
    return putIndex(stack);
  case INLINE_DEF:
    return define(interpreter, stack);
  case INLINE_AT:
    return at(stack);
  case INLINE_PUT:
    return put(stack);
  case INLINE_SIZE:
    return size(stack);
  case INLINE_LOOKUP:
    return lookup(stack);
  case INLINE_INSERT:
    return insert(stack);
  case INLINE_STRING_LENGTH:
    return stringLength(stack);
  case INLINE_LOOKUP_ELSE:
    return lookupElse(stack);
  default:
    return false;
  }
}

// An op whose top operand is a number literal just read: the common case
// with the literal taken straight from the procedure, never pushed; false,
// having changed nothing, when the literal must be pushed and the op run as
// usual.
[[gnu::always_inline]] inline bool takesLiteral(InlineOp op) {
  static_assert(INLINE_COUNT <= 64);
  constexpr uint64_t ops =
      1ull << INLINE_ADD | 1ull << INLINE_SUBTRACT | 1ull << INLINE_MULTIPLY |
      1ull << INLINE_DIVIDE | 1ull << INLINE_LESS | 1ull << INLINE_GREATER |
      1ull << INLINE_LESS_OR_EQUAL | 1ull << INLINE_GREATER_OR_EQUAL | 1ull << INLINE_EQUAL |
      1ull << INLINE_NOT_EQUAL | 1ull << INLINE_MODULUS | 1ull << INLINE_INDEX |
      1ull << INLINE_PLUS_EQUALS | 1ull << INLINE_MINUS_EQUALS | 1ull << INLINE_DEF;
  return (ops >> op) & 1;
}
[[gnu::always_inline]] inline bool withLiteral(InlineOp op, Interpreter *interpreter,
                                               Operands &stack, float x) {
  if (op == INLINE_PLUS_EQUALS || op == INLINE_MINUS_EQUALS || op == INLINE_DEF) {
    // A name below the literal: "i: 1 +=", "x: 0 def".
    if (stack.n < 1 || !stack.fromTop(0).isSymbol())
      return false;
    Symbol name = stack.fromTop(0).symbol();
    Token *stored = op == INLINE_DEF ? interpreter->lookupInTop(name) : interpreter->lookup(name);
    if (!stored)
      return false;
    if (op == INLINE_DEF) {
      if (stored->isBuiltin())
        return false;
      stored->release();
      stored->setPlainNumber(x);
    } else {
      if (!stored->isNumber())
        return false;
      stored->setPlainNumber(op == INLINE_PLUS_EQUALS ? stored->number() + x
                                                      : stored->number() - x);
    }
    stack.setCount(stack.n - 1);
    return true;
  }
  if (op == INLINE_INDEX) {
    uint32_t slot;
    if (stack.n == stack.body->capacity || !stackSlot(stack.n, x, slot))
      return false;
    stack.at(stack.n).assignOther(stack.at(slot));
    stack.setCount(stack.n + 1);
    return true;
  }
  if (stack.n < 1 || !stack.fromTop(0).isNumber())
    return false;
  Token &lhs = stack.fromTop(0);
  float l = lhs.number();
  switch (op) {
  case INLINE_ADD:
    lhs.setPlainNumber(l + x);
    return true;
  case INLINE_SUBTRACT:
    lhs.setPlainNumber(l - x);
    return true;
  case INLINE_MULTIPLY:
    lhs.setPlainNumber(l * x);
    return true;
  case INLINE_DIVIDE:
    lhs.setPlainNumber(l / x);
    return true;
  case INLINE_LESS:
    setResult(lhs, l < x);
    return true;
  case INLINE_GREATER:
    setResult(lhs, l > x);
    return true;
  case INLINE_LESS_OR_EQUAL:
    setResult(lhs, l <= x);
    return true;
  case INLINE_GREATER_OR_EQUAL:
    setResult(lhs, l >= x);
    return true;
  case INLINE_EQUAL:
    setTruth(lhs, l == x);
    return true;
  case INLINE_NOT_EQUAL:
    setTruth(lhs, l != x);
    return true;
  case INLINE_MODULUS: {
    float remainder;
    if (!remainderOf(l, x, remainder))
      return false;
    lhs.setPlainNumber(remainder);
    return true;
  }
  default:
    return false;
  }
}

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
    return runLess(op, interpreter, stack);
  }
}

} // namespace inlined

} // namespace quip
