// Control flow and definitions:
// "==", "!=", "not", "and", "or", "if", "ifelse", "switch", "eval", "return",
// "begin", "end", "def", "load", "bind", "+=", "-=", "*=", "/=", "index",
// "putIndex".

#include "quip/builtins/ControlBuiltins.h"

#include "container/HashTable.h"
#include "quip/InlineBuiltins.h"
#include "quip/builtins/VisitedBodies.h"

#include <cmath>

namespace quip {

namespace {

Token truth(bool value) { return Token(value ? trueSymbol() : falseSymbol(), true); }

// Pops two values of any type, top (b) first.
bool popPair(Interpreter *interpreter, int *error, const char *function, Token &a, Token &b) {
  return popArgument(interpreter, error, function, b) &&
         popArgument(interpreter, error, function, a);
}

} // namespace

void builtin_eq(Interpreter *interpreter, int *error) {
  Token a, b;
  if (popPair(interpreter, error, __func__, a, b))
    interpreter->push(truth(a == b));
}

void builtin_not_eq(Interpreter *interpreter, int *error) {
  Token a, b;
  if (popPair(interpreter, error, __func__, a, b))
    interpreter->push(truth(a != b));
}

void builtin_and(Interpreter *interpreter, int *error) {
  Token a, b;
  if (popPair(interpreter, error, __func__, a, b))
    interpreter->push(truth(a.toBool() && b.toBool()));
}

void builtin_or(Interpreter *interpreter, int *error) {
  Token a, b;
  if (popPair(interpreter, error, __func__, a, b))
    interpreter->push(truth(a.toBool() || b.toBool()));
}

void builtin_not(Interpreter *interpreter, int *error) {
  Token x;
  if (popArgument(interpreter, error, __func__, x))
    interpreter->push(truth(!x.toBool()));
}

namespace {
// The general paths of if and ifelse, out of line so the fast ones need no frame.
[[gnu::noinline]] void ifPopped(Interpreter *interpreter, int *error) {
  Token body, condition;
  if (!popArgument(interpreter, error, "builtin_if", L"trueBody", TYPE_ARRAY, body))
    return;
  if (!popArgument(interpreter, error, "builtin_if", condition))
    return;
  if (condition.toBool())
    interpreter->pushProcedure(body.array());
}

[[gnu::noinline]] void ifelsePopped(Interpreter *interpreter, int *error) {
  Token falseBody, trueBody, condition;
  if (!popArgument(interpreter, error, "builtin_ifelse", L"falseBody", TYPE_ARRAY, falseBody))
    return;
  if (!popArgument(interpreter, error, "builtin_ifelse", L"trueBody", TYPE_ARRAY, trueBody))
    return;
  if (!popArgument(interpreter, error, "builtin_ifelse", condition))
    return;
  interpreter->pushProcedure(condition.toBool() ? trueBody.array() : falseBody.array());
}
} // namespace

void builtin_if(Interpreter *interpreter, int *error) {
  inlined::Operands stack(interpreter);
  if (!inlined::ifThen(interpreter, stack))
    ifPopped(interpreter, error);
}

void builtin_ifelse(Interpreter *interpreter, int *error) {
  inlined::Operands stack(interpreter);
  if (!inlined::ifThenElse(interpreter, stack))
    ifelsePopped(interpreter, error);
}

void builtin_switch(Interpreter *interpreter, int *error) {
  Token cases, value;
  if (!popArgument(interpreter, error, __func__, L"cases", TYPE_DICTIONARY, cases))
    return;
  if (!popArgument(interpreter, error, __func__, L"value", TYPE_SYMBOL, value))
    return;
  const Token *found = cases.dictionary().lookupTyped(value.symbol(), TYPE_ARRAY);
  if (!found)
    found = cases.dictionary().lookupTyped(SYM(L"default"), TYPE_ARRAY);
  // An entry that is not an array is not run.
  if (found && found->isArray())
    interpreter->pushProcedure(found->array());
}

void builtin_eval(Interpreter *interpreter, int *error) {
  Token x;
  if (!popArgument(interpreter, error, __func__, x))
    return;
  if (x.isArray())
    interpreter->pushProcedure(x.array());
  else if (x.isSymbol())
    interpreter->executeName(x.symbol());
  else
    interpreter->push(x);
}

void builtin_return(Interpreter *interpreter, int *error) {
  if (interpreter->procedureDepth() == 0) {
    builtinError(interpreter, error, __func__, L"procedure stack underflow");
    return;
  }
  interpreter->popProcedure();
}

void builtin_begin(Interpreter *interpreter, int *) { interpreter->pushDictionary(Dictionary()); }

void builtin_end(Interpreter *interpreter, int *error) {
  if (interpreter->dictionaryDepth() == 0) {
    builtinError(interpreter, error, __func__, L"dictionary stack underflow");
    return;
  }
  interpreter->popDictionary();
}

void builtin_def(Interpreter *interpreter, int *error) {
  Token value, name;
  if (!popArgument(interpreter, error, __func__, value))
    return;
  if (!popArgument(interpreter, error, __func__, L"name", TYPE_SYMBOL, name))
    return;
  // The first dictionary from the top that accepts the store keeps it; only
  // a frozen dictionary without the name refuses.
  for (uint32_t depth = 0; depth < interpreter->dictionaryDepth(); ++depth)
    if (interpreter->dictionaryAt(depth)->set(name.symbol(), std::move(value)))
      return;
}

void builtin_load(Interpreter *interpreter, int *error) {
  Token name;
  if (!popArgument(interpreter, error, __func__, L"name", TYPE_SYMBOL, name))
    return;
  const Token *value = interpreter->lookup(name.symbol(), true);
  if (!value) {
    builtinError(interpreter, error, __func__, L"LOAD FAILED");
    return;
  }
  interpreter->push(*value);
}

namespace {

using Bindings = container::HashTable<Symbol, Token>;

// Replaces bound names in place, walking executable sub-arrays, each body
// once (remembered in a hash set, so a procedure bound into itself ends),
// from an explicit list so that depth does not use the C stack.
void bindBody(const Array &root, const Bindings &bindings) {
  VisitedBodies seen;
  container::Vector<Token> pending;
  pending.push(Token(root, true));
  while (!pending.isEmpty()) {
    Token next = pending.pop();
    Array &body = next.array();
    if (seen.contains(body.body()))
      continue;
    seen.put(body.body(), true);
    for (uint32_t i = 0; i < body.count(); ++i) {
      Token &element = body[i];
      if (element.isSymbol() && element.isExecutable()) {
        if (const Token *bound = bindings.lookup(element.symbol()))
          element = *bound;
      }
      if (element.isProcedure())
        pending.push(element);
    }
  }
}

} // namespace

void builtin_bind(Interpreter *interpreter, int *error) {
  Token vars, function;
  if (!popArgument(interpreter, error, __func__, L"vars", TYPE_ARRAY, vars))
    return;
  if (!popArgument(interpreter, error, __func__, L"function", TYPE_ARRAY, function))
    return;
  if (!function.isExecutable()) {
    builtinError(interpreter, error, __func__, L"cannot bind a non-executable array");
    return;
  }
  Bindings bindings;
  const Array &names = vars.array();
  for (uint32_t i = 0; i < names.count(); ++i) {
    const Token &name = names[i];
    if (!name.isSymbol()) {
      builtinError(interpreter, error, __func__,
                   String(L"non-symbol found in binding set: ") + name.toReportString());
      return;
    }
    const Token *value = interpreter->lookup(name.symbol());
    if (!value) {
      builtinError(interpreter, error, __func__,
                   String(L"undefined variable to bind: ") + name.toReportString());
      return;
    }
    bindings.put(name.symbol(), *value);
  }
  bindBody(function.array(), bindings);
  interpreter->push(function);
}

namespace {

// The general path of compoundAssign, out of line so the fast one needs no frame.
template <typename Op>
[[gnu::noinline]] void compoundAssignPopped(Interpreter *interpreter, int *error,
                                            const char *function, Op op) {
  Token number, name;
  if (!popArgument(interpreter, error, function, L"number", TYPE_NUMBER, number))
    return;
  if (!popArgument(interpreter, error, function, L"name", TYPE_SYMBOL, name))
    return;
  Token *stored = interpreter->lookup(name.symbol(), true);
  if (!stored)
    return;
  if (!stored->isNumber()) {
    // Only a number can be updated; anything else stays as it was.
    typeCheckFailed(interpreter, error, function, name.symbol().text(), *stored, TYPE_NUMBER);
    return;
  }
  *stored = Token(op(stored->number(), number.number()));
}

template <typename Op>
inline void compoundAssign(Interpreter *interpreter, int *error, const char *function, Op op) {
  inlined::Operands stack(interpreter);
  if (!inlined::compoundAssign(interpreter, stack, op))
    compoundAssignPopped(interpreter, error, function, op);
}

} // namespace

void builtin_plusEquals(Interpreter *interpreter, int *error) {
  compoundAssign(interpreter, error, __func__, inlined::add);
}

void builtin_minusEquals(Interpreter *interpreter, int *error) {
  compoundAssign(interpreter, error, __func__, inlined::subtract);
}

void builtin_timesEquals(Interpreter *interpreter, int *error) {
  compoundAssign(interpreter, error, __func__, inlined::multiply);
}

void builtin_divideEquals(Interpreter *interpreter, int *error) {
  compoundAssign(interpreter, error, __func__, inlined::divide);
}

void builtin_index(Interpreter *interpreter, int *error) {
  Token position;
  if (!popArgument(interpreter, error, __func__, L"v", TYPE_NUMBER, position))
    return;
  uint32_t slot;
  if (!stackSlot(interpreter->stackSize(), position.number(), slot)) {
    builtinError(interpreter, error, __func__, L"index out of bounds");
    return;
  }
  Token copy(interpreter->operands()[slot]);
  interpreter->push(copy);
}

void builtin_putIndex(Interpreter *interpreter, int *error) {
  Token value, position;
  if (!popArgument(interpreter, error, __func__, value))
    return;
  if (!popArgument(interpreter, error, __func__, L"index", TYPE_NUMBER, position))
    return;
  uint32_t slot;
  if (!stackSlot(interpreter->stackSize(), position.number(), slot)) {
    builtinError(interpreter, error, __func__, L"index out of bounds");
    return;
  }
  interpreter->operands()[slot] = value;
}

} // namespace quip
