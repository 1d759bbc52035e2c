// The step loop over compiled procedures. It does what the token loop does,
// record by record: a body runs by its records only when the budget has room
// for all its tokens left, and a record of several tokens runs whole only
// when its common case holds; otherwise its first token runs alone, as a
// step of its own. The frame's position is written back before anything
// that may look at it (a builtin call, a new frame, leaving).
//
// Each record jumps straight to the next one's code, through the handler
// the record holds (a jump per record predicts far better than one shared
// switch, and needs no table look-up). No record tests the budget: it is
// tested once where a body is entered, and worked out from the position
// where the loop leaves it; the budget's last tokens run one by one. The
// budget and the operand stack's count live in locals here, written back
// when the loop leaves. A computed jump out of a block runs no destructor:
// objects that need one live in blocks closed before the jump.

#include "quip/InlineBuiltins.h"
#include "quip/Interpreter.h"
#include "quip/ProcedureCode.h"
#include "quip/ScriptManager.h"

#include <type_traits>
#include <utility>

namespace quip {

// A record's own case is the one met; its fallbacks are laid out aside.
#define QUIP_UNLIKELY(x) __builtin_expect(!!(x), 0)

namespace {

// The slot above the top, emptied for a plain value written over it (slots
// past the count keep whatever they held).
[[gnu::always_inline]] inline Token &freshSlot(inlined::Operands &stack) {
  Token &slot = stack.at(stack.n);
  slot.releaseHeld();
  return slot;
}

// The entry a "def" (inTop), "+=" or "-=" record stores into under a name:
// the one it remembers for that name, or the one found, then remembered;
// null when the name is not bound there. An entry stays put while the
// bindings hold, and records live no longer than that (their stamp).
[[gnu::always_inline]] inline Token *storedEntry(Interpreter *interpreter, const CodeStep &step,
                                                 Symbol name, bool inTop) {
  if (__builtin_expect(step.definedName == name.identity(), 1)) {
    // Never null: only an entry found is remembered.
    if (!step.slot)
      __builtin_unreachable();
    return step.slot;
  }
  Token *entry = inTop ? interpreter->lookupInTop(name) : interpreter->lookup(name);
  if (entry) {
    CodeStep &record = const_cast<CodeStep &>(step);
    record.definedName = name.identity();
    record.slot = entry;
  }
  return entry;
}

} // namespace

// After a builtin: the loop goes on by itself unless its caller has
// something to do (the state changed, the bindings moved, or a script was
// spawned while frames are being cut).
[[gnu::always_inline]] inline bool Interpreter::goesOnAfterCall(State entered) const {
  return state() == entered && m_stampEpoch == g_bindingEpoch &&
         m_nameCacheEpoch == g_bindingEpoch &&
         !(m_frameSteps && entered == RUNNING && m_manager &&
           m_manager->spawnCount() != m_spawnsSeen);
}

Interpreter::CodeExit Interpreter::runCode(ProcedureCode *code, uint32_t position,
                                           unsigned int &budget, inlined::Operands &operands,
                                           uint32_t stamp) {
#define QUIP_CODE_LABELS(op, function)                                                             \
  &&inline_##op, &&literal_##op, &&valueLiteral_##op, &&value_##op, &&valueValue_##op,
  static const void *const kLabels[CODE_OP_COUNT] = {
      &&single,          &&pushPlain,
      &&pushArray,       &&pushOther,
      &&inlineOp,        &&call,
      &&value,           &&callProcedure,
      &&literalOp,       &&valueLiteralOp,
      &&assignLiteral,   &&conditional,
      &&conditional,     &&valueOp,
      &&frameDone,       QUIP_BINARY_OPS(QUIP_CODE_LABELS) && inlineDup,
      &&inlineSwap,      &&inlinePop,
      &&inlineDef,       &&inlineAt,
      &&inlinePut,       &&literalModulus,
      &&literalIndex,    &&literalEqual,
      &&literalNotEqual, &&valueLiteralModulus,
      &&valueModulus,    &&valueAt,
      &&valueValueAt};
#undef QUIP_CODE_LABELS
  // Where a number computed and not yet on the stack goes on, by the op of
  // the record after it (see NUMBER_ON).
  // (A comparison's truth cannot wait under a number: its records of two
  // names, or a name and a literal, start no chain.)
#define QUIP_CHAIN_UNDER_LABEL(op, function, label)                                                \
  (std::is_same_v<decltype(inlined::function(0.0f, 0.0f)), bool> ? &&numberEnd : &&label##op)
#define QUIP_CHAIN_LABELS(op, function)                                                            \
  &&chainInline_##op, &&chainLiteral_##op,                                                         \
      QUIP_CHAIN_UNDER_LABEL(op, function, chainUnderValueLiteral_), &&chainValue_##op,            \
      QUIP_CHAIN_UNDER_LABEL(op, function, chainUnderValueValue_),
  static const void *const kChain[] = {
      &&numberEnd,         &&numberEnd,
      &&numberEnd,         &&numberEnd,
      &&chainInlineOther,  &&numberEnd,
      &&numberEnd,         &&numberEnd,
      &&numberEnd,         &&numberEnd,
      &&numberEnd,         &&numberEnd,
      &&numberEnd,         &&numberEnd,
      &&numberEnd,         QUIP_BINARY_OPS(QUIP_CHAIN_LABELS) && numberEnd,
      &&numberEnd,         &&numberEnd,
      &&chainDef,          &&numberEnd,
      &&numberEnd,         &&chainModulus,
      &&numberEnd,         &&chainEqual,
      &&chainNotEqual,     &&chainUnderValueLiteralModulus,
      &&chainValueModulus, &&numberEnd,
      &&numberEnd};
  static_assert(sizeof(kChain) / sizeof(kChain[0]) == CODE_OP_COUNT);
#undef QUIP_CHAIN_LABELS
#undef QUIP_CHAIN_UNDER_LABEL
  // Where two numbers computed and not yet on the stack go on (see
  // UNDER_ON): an op of two numbers takes them.
#define QUIP_UNDER_LABELS(op, function)                                                            \
  &&underInline_##op, &&underEnd, &&underEnd, &&underEnd, &&underEnd,
  static const void *const kUnder[] = {
      &&underEnd, &&underEnd, &&underEnd, &&underEnd,
      &&underEnd, &&underEnd, &&underEnd, &&underEnd,
      &&underEnd, &&underEnd, &&underEnd, &&underEnd,
      &&underEnd, &&underEnd, &&underEnd, QUIP_BINARY_OPS(QUIP_UNDER_LABELS) && underEnd,
      &&underEnd, &&underEnd, &&underEnd, &&underEnd,
      &&underEnd, &&underEnd, &&underEnd, &&underEnd,
      &&underEnd, &&underEnd, &&underEnd, &&underEnd,
      &&underEnd};
  static_assert(sizeof(kUnder) / sizeof(kUnder[0]) == CODE_OP_COUNT);
#undef QUIP_UNDER_LABELS
  unsigned int remaining = budget;
  inlined::Operands stack = operands;
  // "true" and "false", read once here: a function's own static is tested
  // for being made at every read.
  const Symbol trueValue = trueSymbol();
  const Symbol falseValue = falseSymbol();
  auto truthOf = [falseValue](const Token &token) {
    return !(token.isSymbol() && token.symbol() == falseValue);
  };
  // The executable truth of equality and logic.
  auto setTruth = [&](Token &slot, bool truth) {
    slot.setPlainSymbol(truth ? trueValue : falseValue, true);
  };
  // The caller leaves when a builtin changes the state; it has not yet.
  const State entered = state();
  // The body lives while its records run: its frame holds it, and once that
  // is retired the loop moves to the next frame.
  ArrayBody *body;
  const CodeStep *step;
  uint32_t p = position;
  // The budget left at position 0 of the running body.
  unsigned int base;
  // The tokens of the running record.
  uint32_t k = 0;
  // The procedure a record enters.
  ArrayBody *next;
  // A number computed and not yet on the stack (see NUMBER_ON), and one
  // below it (see UNDER_ON).
  float number = 0.0f;
  float under = 0.0f;
  CodeExit result;

// Runs the record step points at. A body is run by its records only when
// the budget has room for all its tokens left, so no record tests it: the
// budget left at position q is base - q (see start).
#define DISPATCH() goto * step->handler
// A number on its way along a chain (NUMBER_ON) is dead where a record is
// done: setting it there (and where the loop enters a body) tells the
// compiler so. Otherwise, since a computed jump may reach any label, it
// would count the number live across every builtin call, and keep it in
// memory throughout.
#define FORGET_NUMBER() number = 0.0f
// The record ran whole: each record sets k, its count of tokens, first.
#define NEXT()                                                                                     \
  do {                                                                                             \
    step += k;                                                                                     \
    FORGET_NUMBER();                                                                               \
    DISPATCH();                                                                                    \
  } while (0)
// The position of the record's token, and of the token after the record.
#define POSITION() (step->position)
#define AFTER() (step->position + k)
// Whether the record reaches the body's end (its frame goes first).
#define LAST() (step[k].op == CODE_END)
#define LEAVE(how)                                                                                 \
  do {                                                                                             \
    result = (how);                                                                                \
    goto leave;                                                                                    \
  } while (0)
// After a builtin call (remaining set before it: the call may free the body
// and its records): the loop goes on outside.
#define AFTER_CALL()                                                                               \
  do {                                                                                             \
    stack = inlined::Operands(this);                                                               \
    if (remaining != 0 && goesOnAfterCall(entered))                                                \
      goto enter;                                                                                  \
    LEAVE(remaining == 0 ? CODE_EXIT_BUDGET : CODE_EXIT_LEAVE);                                    \
  } while (0)
// An op that may write into arrays: this very body may have changed, and
// then its records no longer say what its tokens are.
#define NEXT_UNLESS_CHANGED()                                                                      \
  do {                                                                                             \
    if (body->version == body->code->version)                                                      \
      NEXT();                                                                                      \
    remaining = base - AFTER();                                                                    \
    step += k;                                                                                     \
    if (step->op == CODE_END)                                                                      \
      goto frameDone;                                                                              \
    m_top->position = POSITION();                                                                  \
    LEAVE(remaining == 0 ? CODE_EXIT_BUDGET : CODE_EXIT_RELOAD);                                   \
  } while (0)

// The procedure body next is entered (see callBody), from a record whose
// step count is known here; code is then next's form, usable when made for
// this stamp and version.
#define ENTER_NEXT()                                                                               \
  do {                                                                                             \
    if (LAST())                                                                                    \
      goto callBodyLast;                                                                           \
    goto callBodyAbove;                                                                            \
  } while (0)
#define NEXT_COMPILED() (code->stamp == stamp && code->version == next->version)
// A truth just computed (popping `popped` operands first) meets the
// conditional after it: the two run as one record, without the truth going
// through the stack. The body is chosen right here, where the truth was
// computed: a branch on it predicts far better than one shared by all.
#define BRANCH_ON(truth, popped)                                                                   \
  do {                                                                                             \
    const CodeStep &after = step[k];                                                               \
    if (after.op == CODE_IF || after.op == CODE_IFELSE) {                                          \
      stack.setCount(stack.n - (popped));                                                          \
      next = (truth) ? after.thenBody : after.elseBody;                                            \
      k += after.steps;                                                                            \
      goto branch;                                                                                 \
    }                                                                                              \
  } while (0)

// A number just computed, its operands gone (popped slots), is not yet
// written: it would go to slot stack.n. When the record after it takes a
// number on top (arithmetic or a comparison with a literal, a name or the
// value below, a remainder, equality with a literal, or "def" of a name
// the top dictionary holds), that record runs on it in a register, and so
// on: a chain of operations on one number goes through the stack only at its
// end (numberEnd). Any record whose common case does not hold leaves the
// number on the stack and runs by itself.
#define CHAIN()                                                                                    \
  do {                                                                                             \
    step += k;                                                                                     \
    goto *kChain[step->op];                                                                        \
  } while (0)
#define NUMBER_ON(result, popped)                                                                  \
  do {                                                                                             \
    number = (result);                                                                             \
    if ((popped) != 0)                                                                             \
      stack.setCount(stack.n - (popped));                                                          \
    CHAIN();                                                                                       \
  } while (0)
// A second number computed while one waits (number): the waiting one goes
// under it, and an op of two numbers after them takes both in registers
// (`s d 10 modulus +`, `a b c * +`); any other record finds both on the
// stack (underEnd). The slot above the two is there (the record tested).
#define UNDER_ON(result)                                                                           \
  do {                                                                                             \
    under = number;                                                                                \
    number = (result);                                                                             \
    step += k;                                                                                     \
    goto *kUnder[step->op];                                                                        \
  } while (0)
// A truth computed, its operands gone (popped slots): it meets a
// conditional, or goes on the stack where they were.
#define TRUTH_ON(truth, popped, executable)                                                        \
  do {                                                                                             \
    BRANCH_ON(truth, popped);                                                                      \
    Token &slot = stack.at(stack.n - (popped));                                                    \
    slot.releaseHeld();                                                                            \
    slot.setPlainSymbol((truth) ? trueValue : falseValue, executable);                             \
    stack.setCount(stack.n - (popped) + 1);                                                        \
    NEXT();                                                                                        \
  } while (0)
// The result of an op of two numbers: the truth of a comparison (literal)
// or a number, going on as above.
#define RESULT_ON(result, popped)                                                                  \
  do {                                                                                             \
    if constexpr (std::is_same_v<decltype(result), bool>)                                          \
      TRUTH_ON(result, popped, false);                                                             \
    else                                                                                           \
      NUMBER_ON(result, popped);                                                                   \
  } while (0)

  goto start;
enter:
  FORGET_NUMBER();
  // The frames have changed: the new top frame goes on here when its body
  // has a form for this stamp, else the caller looks at it.
  if (remaining == 0)
    LEAVE(CODE_EXIT_BUDGET);
  if (!m_top)
    LEAVE(CODE_EXIT_RELOAD);
  body = m_top->procedure.m_body;
  code = body->code;
  p = m_top->position;
  if (code->version != body->version || code->stamp != stamp || p >= body->count)
    LEAVE(CODE_EXIT_RELOAD);
  goto start;
callBody:
  // The procedure body next (a k-step record's own procedure, already
  // counted) is entered: in place of the top frame when the record is its
  // last, above it otherwise. (A record of one step tests that itself, where
  // its step count is known.) A body with a form for this stamp goes straight
  // on by its records; any other is looked at from the frame. A compiled body
  // is never empty, so its frame is pushed (unless the push meets the
  // procedure-stack limit, which finishes the script); and any form has been
  // threaded, since the loop starts on every form it is given as soon as it
  // is compiled. A form made at the body's version was made at its count
  // too: every change of a procedure body's count moves its version (only
  // the operand stack, never a procedure, is counted without).
  ENTER_NEXT();
callBodyLast:
  code = next->code;
  // The callee is read before the frame's body may go.
  if (QUIP_UNLIKELY(!NEXT_COMPILED())) {
    replaceTop(next);
    goto enter;
  }
  replaceTopBody(next);
  goto entered;
callBodyAbove:
  code = next->code;
  m_top->position = AFTER();
  if (QUIP_UNLIKELY(!NEXT_COMPILED())) {
    pushBody(next);
    goto enter;
  }
  pushFilledBody(next);
  if (!m_top)
    goto enter;
entered:
  body = next;
  step = code->steps();
  base = remaining;
  FORGET_NUMBER();
  if (QUIP_UNLIKELY(code->count > remaining))
    goto tail;
  DISPATCH();
start:
  body = m_top->procedure.m_body;
  if (!code->threaded) {
    for (uint32_t i = 0; i <= code->count; ++i) {
      CodeStep &record = code->steps()[i];
      record.handler = kLabels[record.op];
      if (record.op == CODE_ASSIGN_LITERAL && record.inlineOp != INLINE_DEF)
        record.handler = record.inlineOp == INLINE_PLUS_EQUALS ? &&assignAdd : &&assignSubtract;
      // A name's number goes along a chain when the record after it takes
      // one (`d: n def`, `s d 10 modulus +`).
      if (record.op == CODE_VALUE && i < code->count &&
          kChain[code->steps()[i + 1].op] != &&numberEnd &&
          (code->steps()[i + 1].op != CODE_INLINE ||
           code->steps()[i + 1].inlineOp == INLINE_MODULUS))
        record.handler = &&valueChain;
      // A less frequent builtin gets code of its own too: one jump to it
      // rather than two.
      if (record.op == CODE_INLINE) {
        switch (record.inlineOp) {
#define QUIP_LESS_HANDLER(op)                                                                      \
  case INLINE_##op:                                                                                \
    record.handler = &&inlineLess_##op;                                                            \
    break;
          QUIP_LESS_OPS(QUIP_LESS_HANDLER)
#undef QUIP_LESS_HANDLER
        case INLINE_PLUS_EQUALS:
          record.handler = &&inlineAdd;
          break;
        case INLINE_MINUS_EQUALS:
          record.handler = &&inlineSubtract;
          break;
        case INLINE_EQUAL:
          record.handler = &&inlineEqual;
          break;
        case INLINE_NOT_EQUAL:
          record.handler = &&inlineNotEqual;
          break;
        case INLINE_NOT:
          record.handler = &&inlineNot;
          break;
        case INLINE_AND:
          record.handler = &&inlineAnd;
          break;
        case INLINE_OR:
          record.handler = &&inlineOr;
          break;
        default:
          break;
        }
      }
    }
    code->threaded = 1;
  }
  step = code->steps() + p;
  // A body whose tokens left fit in the budget runs by its records, none of
  // which need test it; the budget's last tokens run one by one.
  base = remaining + p;
  if (QUIP_UNLIKELY(code->count - p > remaining))
    goto tail;
  DISPATCH();

tail:
  // The budget ends inside this body: its tokens run one at a time, as the
  // token loop runs them, until it does.
  if (remaining == 0) {
    m_top->position = POSITION();
    LEAVE(CODE_EXIT_BUDGET);
  }
  goto single;

first:
  // The record's first token alone.
  k = 1;
  switch (step->first) {
  case CODE_PUSH_PLAIN:
    goto pushPlainToken;
  case CODE_PUSH_ARRAY:
    goto pushArray;
  case CODE_VALUE:
    goto value;
  default:
    goto single;
  }

frameDone:
  // Every token has run: the frame goes.
  remaining = base - POSITION();
  retireTop();
  goto enter;

pushPlain:
  // The record carries the token.
  k = 1;
  if (QUIP_UNLIKELY(stack.n == stack.body->capacity))
    goto single;
  freshSlot(stack).setPlainBits(step->pushedHead, step->pushedPayload);
  stack.setCount(stack.n + 1);
  NEXT();

pushPlainToken:
  // The same from the body, for a record whose first token it is.
  if (QUIP_UNLIKELY(stack.n == stack.body->capacity))
    goto single;
  stack.at(stack.n).assignPlain(body->elements[POSITION()]);
  stack.setCount(stack.n + 1);
  NEXT();

pushArray:
  k = 1;
  if (QUIP_UNLIKELY(stack.n == stack.body->capacity))
    goto single;
  stack.at(stack.n).assignArray(body->elements[POSITION()]);
  stack.setCount(stack.n + 1);
  NEXT();

pushOther:
  k = 1;
  push(body->elements[POSITION()]);
  stack = inlined::Operands(this);
  NEXT();

  // Builtins.
inlineOp : {
  k = 1;
  InlineOp op = step->inlineOp;
  if (op == INLINE_IF || op == INLINE_IFELSE) {
    if (LAST())
      retireTop();
    else
      m_top->position = AFTER();
    if (inlined::run(op, this, stack)) {
      remaining = base - AFTER();
      goto enter;
    }
    // The frame is already where the call needs it.
    remaining = base - AFTER();
    int error = 0;
    step->builtin(this, &error);
    AFTER_CALL();
  }
  // The ops met most have records of their own: the rest are the less
  // frequent ones.
  if (inlined::runLess(op, this, stack))
    NEXT_UNLESS_CHANGED();
  goto call;
}

// Of these only "putIndex" and "insert" write into a container (the operand
// stack, a dictionary): the others need not look at the body's version.
#define QUIP_INLINE_LESS(op)                                                                       \
  inlineLess_##op : k = 1;                                                                         \
  if (inlined::runLess(INLINE_##op, this, stack)) {                                                \
    if constexpr (INLINE_##op != INLINE_PUT_INDEX && INLINE_##op != INLINE_INSERT)                 \
      NEXT();                                                                                      \
    NEXT_UNLESS_CHANGED();                                                                         \
  }                                                                                                \
  goto call;
  QUIP_LESS_OPS(QUIP_INLINE_LESS)
#undef QUIP_INLINE_LESS

// Two numbers on top; a comparison meets the conditional after it.
#define QUIP_INLINE_BINARY(op, function)                                                           \
  inline_##op : {                                                                                  \
    k = 1;                                                                                         \
    if (QUIP_UNLIKELY(stack.n < 2 || !stack.fromTop(0).isNumber() ||                               \
                      !stack.fromTop(1).isNumber()))                                               \
      goto call;                                                                                   \
    auto r = inlined::function(stack.fromTop(1).number(), stack.fromTop(0).number());              \
    RESULT_ON(r, 2);                                                                               \
  }
  QUIP_BINARY_OPS(QUIP_INLINE_BINARY)
#undef QUIP_INLINE_BINARY

  // The truths of "==", "!=", "not", "and" and "or", each meeting the
  // conditional after it; the operands are let go first.
#define QUIP_INLINE_EQUALITY(label, equal)                                                         \
  label : {                                                                                        \
    k = 1;                                                                                         \
    if (QUIP_UNLIKELY(stack.n < 2))                                                                \
      goto call;                                                                                   \
    Token &a = stack.fromTop(1);                                                                   \
    bool truth = inlined::equalReleased(a, stack.fromTop(0)) == (equal);                           \
    BRANCH_ON(truth, 2);                                                                           \
    setTruth(a, truth);                                                                            \
    stack.setCount(stack.n - 1);                                                                   \
    NEXT();                                                                                        \
  }
  QUIP_INLINE_EQUALITY(inlineEqual, true)
  QUIP_INLINE_EQUALITY(inlineNotEqual, false)
#undef QUIP_INLINE_EQUALITY

inlineNot : {
  k = 1;
  if (QUIP_UNLIKELY(stack.n < 1))
    goto call;
  Token &x = stack.fromTop(0);
  bool truth = !truthOf(x);
  x.release();
  BRANCH_ON(truth, 1);
  setTruth(x, truth);
  NEXT();
}

#define QUIP_INLINE_LOGICAL(label, both)                                                           \
  label : {                                                                                        \
    k = 1;                                                                                         \
    if (QUIP_UNLIKELY(stack.n < 2))                                                                \
      goto call;                                                                                   \
    Token &b = stack.fromTop(0);                                                                   \
    Token &a = stack.fromTop(1);                                                                   \
    bool truth = (both) ? truthOf(a) && truthOf(b) : truthOf(a) || truthOf(b);                     \
    b.release();                                                                                   \
    a.release();                                                                                   \
    BRANCH_ON(truth, 2);                                                                           \
    setTruth(a, truth);                                                                            \
    stack.setCount(stack.n - 1);                                                                   \
    NEXT();                                                                                        \
  }
  QUIP_INLINE_LOGICAL(inlineAnd, true)
  QUIP_INLINE_LOGICAL(inlineOr, false)
#undef QUIP_INLINE_LOGICAL

inlineDup:
  k = 1;
  // A number's copy goes along a chain (`dup 0 ==`).
  if (stack.n != 0 && stack.n != stack.body->capacity && stack.fromTop(0).isPlainNumber())
    NUMBER_ON(stack.fromTop(0).number(), 0);
  if (inlined::dup(stack))
    NEXT();
  goto call;
inlineSwap:
  k = 1;
  if (inlined::swap(stack))
    NEXT();
  goto call;
inlinePop:
  k = 1;
  if (inlined::pop(stack))
    NEXT();
  goto call;
inlineDef : {
  k = 1;
  // "def" of a name the top dictionary holds; the other cases are the token
  // loop's.
  if (QUIP_UNLIKELY(stack.n < 2 || !stack.fromTop(1).isSymbol()))
    goto single;
  Token *stored = storedEntry(this, *step, stack.fromTop(1).symbol(), true);
  if (QUIP_UNLIKELY(!inlined::storeOver(stored, stack.fromTop(0))))
    goto single;
  stack.setCount(stack.n - 2);
  NEXT();
}

// "+=" or "-=" of a computed amount, remembering the entry as "def" does.
#define QUIP_INLINE_UPDATE(label, sign)                                                            \
  label : {                                                                                        \
    k = 1;                                                                                         \
    if (QUIP_UNLIKELY(stack.n < 2 || !stack.fromTop(0).isNumber() ||                               \
                      !stack.fromTop(1).isSymbol()))                                               \
      goto single;                                                                                 \
    Token *stored = storedEntry(this, *step, stack.fromTop(1).symbol(), false);                    \
    if (QUIP_UNLIKELY(!stored || !stored->isNumber()))                                             \
      goto single;                                                                                 \
    float amount = stack.fromTop(0).number();                                                      \
    stack.setCount(stack.n - 2);                                                                   \
    stored->setPlainNumber(stored->number() sign amount);                                          \
    NEXT();                                                                                        \
  }
  QUIP_INLINE_UPDATE(inlineAdd, +)
  QUIP_INLINE_UPDATE(inlineSubtract, -)
#undef QUIP_INLINE_UPDATE
inlineAt:
  k = 1;
  if (inlined::at(stack))
    NEXT();
  goto call;
inlinePut:
  k = 1;
  if (inlined::put(stack))
    NEXT_UNLESS_CHANGED();
  goto call;

call : {
  k = 1;
  // The whole builtin, which reports what went wrong.
  if (LAST())
    retireTop();
  else
    m_top->position = AFTER();
  remaining = base - AFTER();
  int error = 0;
  step->builtin(this, &error);
  AFTER_CALL();
}

  // Names bound to values.
value : {
  k = 1;
  // Tested in order of use, rather than through a table: a jump through a
  // table at every name predicts badly.
  Token &bound = *step->slot;
  Type type = bound.type();
  if (type == TYPE_NUMBER || type == TYPE_SYMBOL) {
    if (QUIP_UNLIKELY(stack.n == stack.body->capacity))
      goto single;
    stack.at(stack.n).assignPlain(bound);
    stack.setCount(stack.n + 1);
    NEXT();
  }
  if (type == TYPE_ARRAY) {
    if (bound.isExecutable()) {
      remaining = base - AFTER();
      next = bound.array().m_body;
      ENTER_NEXT();
    }
    if (QUIP_UNLIKELY(stack.n == stack.body->capacity))
      goto single;
    stack.at(stack.n).assignArray(bound);
    stack.setCount(stack.n + 1);
    NEXT();
  }
  // A builtin was bound when compiled to a value, so not under this stamp:
  // the token loop decides.
  if (QUIP_UNLIKELY(type == TYPE_BUILTIN))
    goto single;
  push(bound);
  stack = inlined::Operands(this);
  NEXT();
}

valueChain : {
  k = 1;
  const Token &bound = *step->slot;
  if (QUIP_UNLIKELY(!bound.isNumber() || stack.n == stack.body->capacity))
    goto value;
  NUMBER_ON(bound.number(), 0);
}

callProcedure : {
  // A name that was bound to a procedure, tested for being one still.
  k = 1;
  const Token &bound = *step->slot;
  if (QUIP_UNLIKELY(!bound.isProcedure()))
    goto value;
  next = bound.array().m_body;
  remaining = base - AFTER();
  ENTER_NEXT();
}

valueOp : {
  k = 2;
  // The value is pushed and the builtin's common case runs on it; when that
  // does not hold, the name alone has run and the builtin's own record
  // follows.
  const Token &bound = *step->slot;
  if (QUIP_UNLIKELY(stack.n == stack.body->capacity))
    goto first;
  if (bound.type() == TYPE_NUMBER || bound.type() == TYPE_SYMBOL)
    stack.at(stack.n).assignPlain(bound);
  else if (bound.type() == TYPE_ARRAY && !bound.isExecutable())
    stack.at(stack.n).assignArray(bound);
  else
    goto first;
  stack.setCount(stack.n + 1);
  if (!inlined::run(step->inlineOp, this, stack)) {
    k = 1;
    NEXT();
  }
  NEXT_UNLESS_CHANGED();
}

// A value on top, a name bound to a number: the op runs on the two.
#define QUIP_VALUE_BINARY(op, function)                                                            \
  value_##op : {                                                                                   \
    k = 2;                                                                                         \
    const Token &bound = *step->slot;                                                              \
    if (QUIP_UNLIKELY(stack.n == 0 || !bound.isNumber() || !stack.fromTop(0).isNumber()))          \
      goto first;                                                                                  \
    auto r = inlined::function(stack.fromTop(0).number(), bound.number());                         \
    RESULT_ON(r, 1);                                                                               \
  }
  QUIP_BINARY_OPS(QUIP_VALUE_BINARY)
#undef QUIP_VALUE_BINARY

// Two names bound to numbers: the op runs on them, its result pushed.
#define QUIP_VALUE_VALUE_BINARY(op, function)                                                      \
  valueValue_##op : {                                                                              \
    k = 3;                                                                                         \
    const Token &lhs = *step->slot;                                                                \
    const Token &rhs = *step->second;                                                              \
    if (QUIP_UNLIKELY(!lhs.isNumber() || !rhs.isNumber() || stack.n == stack.body->capacity))      \
      goto first;                                                                                  \
    auto r = inlined::function(lhs.number(), rhs.number());                                        \
    RESULT_ON(r, 0);                                                                               \
  }
  QUIP_BINARY_OPS(QUIP_VALUE_VALUE_BINARY)
#undef QUIP_VALUE_VALUE_BINARY

valueModulus : {
  k = 2;
  // A number on top, a name bound to the divisor.
  const Token &bound = *step->slot;
  float remainder;
  if (QUIP_UNLIKELY(stack.n == 0 || !bound.isNumber() || !stack.fromTop(0).isNumber() ||
                    !inlined::remainderOf(stack.fromTop(0).number(), bound.number(), remainder)))
    goto first;
  NUMBER_ON(remainder, 1);
}

valueAt : {
  k = 2;
  // An array on top, a name bound to the index.
  const Token &bound = *step->slot;
  if (QUIP_UNLIKELY(stack.n == 0 || !bound.isNumber() || !stack.fromTop(0).isArray()))
    goto first;
  Token &array = stack.fromTop(0);
  uint32_t i = clampToUnsigned(bound.number());
  if (QUIP_UNLIKELY(i >= array.array().count()))
    goto first;
  {
    // The copy is made before the array's handle goes: it may be the last.
    // (Its own block: a computed jump out of a block runs no destructor.)
    Token element(std::as_const(array.array())[i]);
    array.swap(element);
  }
  NEXT();
}

valueValueAt : {
  k = 3;
  // "a i at": the element of a name's array at another name's index.
  const Token &array = *step->slot;
  const Token &index = *step->second;
  if (QUIP_UNLIKELY(array.type() != TYPE_ARRAY || array.isExecutable() || !index.isNumber() ||
                    stack.n == stack.body->capacity))
    goto first;
  uint32_t i = clampToUnsigned(index.number());
  if (QUIP_UNLIKELY(i >= array.array().count()))
    goto first;
  stack.at(stack.n) = std::as_const(array.array())[i];
  stack.setCount(stack.n + 1);
  NEXT();
}

  // Number literals taken by the op after them.
literalOp:
  k = 2;
  if (QUIP_UNLIKELY(!inlined::withLiteral(step->inlineOp, this, stack, step->number)))
    goto first;
  NEXT();

#define QUIP_LITERAL_BINARY(op, function)                                                          \
  literal_##op : {                                                                                 \
    k = 2;                                                                                         \
    if (QUIP_UNLIKELY(stack.n == 0 || !stack.fromTop(0).isNumber()))                               \
      goto first;                                                                                  \
    auto r = inlined::function(stack.fromTop(0).number(), step->number);                           \
    RESULT_ON(r, 1);                                                                               \
  }
  QUIP_BINARY_OPS(QUIP_LITERAL_BINARY)
#undef QUIP_LITERAL_BINARY

literalModulus : {
  k = 2;
  if (QUIP_UNLIKELY(stack.n == 0 || !stack.fromTop(0).isNumber()))
    goto first;
  float remainder;
  if (QUIP_UNLIKELY(
          !inlined::remainderBy(stack.fromTop(0).number(), step->inverse, step->number, remainder)))
    goto first;
  NUMBER_ON(remainder, 1);
}

literalIndex : {
  k = 2;
  // The depth is worked out when compiled for the usual whole number.
  uint32_t slot;
  if (step->depth < stack.n && stack.n != stack.body->capacity)
    slot = stack.n - 1 - step->depth;
  else if (QUIP_UNLIKELY(stack.n == stack.body->capacity ||
                         !stackSlot(stack.n, step->number, slot)))
    goto first;
  // A number's copy goes along a chain (`1 index modulus`).
  if (stack.at(slot).isPlainNumber())
    NUMBER_ON(stack.at(slot).number(), 0);
  stack.at(stack.n).assignOther(stack.at(slot));
  stack.setCount(stack.n + 1);
  NEXT();
}

// "0 ==", "0 !=": the executable truth of equality.
#define QUIP_LITERAL_EQUALITY(label, equal)                                                        \
  label : {                                                                                        \
    k = 2;                                                                                         \
    if (QUIP_UNLIKELY(stack.n == 0 || !stack.fromTop(0).isNumber()))                               \
      goto first;                                                                                  \
    Token &lhs = stack.fromTop(0);                                                                 \
    bool truth = (lhs.number() == step->number) == (equal);                                        \
    BRANCH_ON(truth, 1);                                                                           \
    setTruth(lhs, truth);                                                                          \
    NEXT();                                                                                        \
  }
  QUIP_LITERAL_EQUALITY(literalEqual, true)
  QUIP_LITERAL_EQUALITY(literalNotEqual, false)
#undef QUIP_LITERAL_EQUALITY

  // A name bound to a number, a literal and the op of the two.
valueLiteralOp : {
  k = 3;
  const Token &bound = *step->slot;
  if (QUIP_UNLIKELY(!bound.isNumber() || stack.n == stack.body->capacity))
    goto first;
  stack.at(stack.n).assignPlain(bound);
  stack.setCount(stack.n + 1);
  if (!inlined::withLiteral(step->inlineOp, this, stack, step->number))
    // The name alone has run: the rest goes by its own records.
    k = 1;
  NEXT();
}

#define QUIP_VALUE_LITERAL_BINARY(op, function)                                                    \
  valueLiteral_##op : {                                                                            \
    k = 3;                                                                                         \
    const Token &bound = *step->slot;                                                              \
    if (QUIP_UNLIKELY(!bound.isNumber() || stack.n == stack.body->capacity))                       \
      goto first;                                                                                  \
    auto r = inlined::function(bound.number(), step->number);                                      \
    RESULT_ON(r, 0);                                                                               \
  }
  QUIP_BINARY_OPS(QUIP_VALUE_LITERAL_BINARY)
#undef QUIP_VALUE_LITERAL_BINARY

valueLiteralModulus : {
  k = 3;
  const Token &bound = *step->slot;
  float remainder;
  if (QUIP_UNLIKELY(!bound.isNumber() || stack.n == stack.body->capacity ||
                    !inlined::remainderBy(bound.number(), step->inverse, step->number, remainder)))
    goto first;
  NUMBER_ON(remainder, 0);
}

assignLiteral : {
  // "name: 0 def": the entry is known ("+=" and "-=" have code of their own,
  // chosen when the records are threaded).
  k = 3;
  Token &stored = *step->slot;
  if (QUIP_UNLIKELY(stored.isBuiltin()))
    goto first;
  stored.release();
  stored.setPlainNumber(step->number);
  NEXT();
}

// "name: 1 +=", "name: 1 -=".
#define QUIP_ASSIGN_LITERAL(label, sign)                                                           \
  label : {                                                                                        \
    k = 3;                                                                                         \
    Token &stored = *step->slot;                                                                   \
    if (__builtin_expect(stored.isPlainNumber(), 1))                                               \
      stored.setValueOfPlainNumber(stored.number() sign step->number);                             \
    else if (stored.isNumber())                                                                    \
      stored.setPlainNumber(stored.number() sign step->number);                                    \
    else                                                                                           \
      goto first;                                                                                  \
    NEXT();                                                                                        \
  }
  QUIP_ASSIGN_LITERAL(assignAdd, +)
  QUIP_ASSIGN_LITERAL(assignSubtract, -)
#undef QUIP_ASSIGN_LITERAL

conditional : {
  k = step->steps;
  // The array literal (or the two) and "if" (or "ifelse"): the chosen one
  // goes straight into a frame.
  if (QUIP_UNLIKELY(stack.n == 0))
    goto first;
  Token &condition = stack.fromTop(0);
  next = truthOf(condition) ? step->thenBody : step->elseBody;
  condition.release();
  stack.setCount(stack.n - 1);
  remaining = base - AFTER();
  if (!next) {
    if (LAST()) {
      retireTop();
      goto enter;
    }
    step += k;
    FORGET_NUMBER();
    DISPATCH();
  }
  goto callBody;
}

// The records a number not yet on the stack meets (NUMBER_ON).
#define QUIP_CHAIN_BINARY(op, function)                                                            \
  chainLiteral_##op : {                                                                            \
    k = 2;                                                                                         \
    auto r = inlined::function(number, step->number);                                              \
    RESULT_ON(r, 0);                                                                               \
  }                                                                                                \
  chainValue_##op : {                                                                              \
    k = 2;                                                                                         \
    const Token &bound = *step->slot;                                                              \
    if (QUIP_UNLIKELY(!bound.isNumber()))                                                          \
      goto numberEnd;                                                                              \
    auto r = inlined::function(number, bound.number());                                            \
    RESULT_ON(r, 0);                                                                               \
  }                                                                                                \
  chainInline_##op : {                                                                             \
    /* The number is the right operand; the left is on top. */                                     \
    k = 1;                                                                                         \
    if (QUIP_UNLIKELY(stack.n == 0 || !stack.fromTop(0).isNumber()))                               \
      goto numberEnd;                                                                              \
    auto r = inlined::function(stack.fromTop(0).number(), number);                                 \
    stack.setCount(stack.n - 1);                                                                   \
    RESULT_ON(r, 0);                                                                               \
  }
  QUIP_BINARY_OPS(QUIP_CHAIN_BINARY)
#undef QUIP_CHAIN_BINARY
chainModulus : {
  k = 2;
  float remainder;
  if (QUIP_UNLIKELY(!inlined::remainderBy(number, step->inverse, step->number, remainder)))
    goto numberEnd;
  NUMBER_ON(remainder, 0);
}
chainInlineOther : {
  // Of the other builtins, "modulus" (the number the divisor, the dividend
  // on top).
  k = 1;
  float remainder;
  if (step->inlineOp != INLINE_MODULUS || stack.n == 0 || !stack.fromTop(0).isNumber() ||
      !inlined::remainderOf(stack.fromTop(0).number(), number, remainder))
    goto numberEnd;
  stack.setCount(stack.n - 1);
  NUMBER_ON(remainder, 0);
}
chainValueModulus : {
  k = 2;
  const Token &bound = *step->slot;
  float remainder;
  if (QUIP_UNLIKELY(!bound.isNumber() || !inlined::remainderOf(number, bound.number(), remainder)))
    goto numberEnd;
  NUMBER_ON(remainder, 0);
}
chainEqual:
  k = 2;
  TRUTH_ON(number == step->number, 0, true);
chainNotEqual:
  k = 2;
  TRUTH_ON(number != step->number, 0, true);
chainDef : {
  // The name is on top; when the top dictionary holds it the number is
  // stored there.
  k = 1;
  if (QUIP_UNLIKELY(stack.n == 0 || !stack.fromTop(0).isSymbol()))
    goto numberEnd;
  Token *stored = storedEntry(this, *step, stack.fromTop(0).symbol(), true);
  if (QUIP_UNLIKELY(!stored))
    goto numberEnd;
  if (__builtin_expect(stored->isPlainNumber(), 1)) {
    stored->setValueOfPlainNumber(number);
  } else {
    if (QUIP_UNLIKELY(stored->isBuiltin()))
      goto numberEnd;
    // The old value goes after the store, as the builtin lets it go.
    Token value(number);
    stored->swap(value);
  }
  stack.setCount(stack.n - 1);
  NEXT();
}
// The records that compute a second number while one waits (UNDER_ON); a
// record whose own case does not hold finds the first on the stack. Two
// slots must be free for underEnd. (Those of comparisons are never reached:
// kChain sends a truth's records to numberEnd.)
#define QUIP_CHAIN_UNDER(op, function)                                                             \
  chainUnderValueLiteral_##op : {                                                                  \
    k = 3;                                                                                         \
    const Token &bound = *step->slot;                                                              \
    if (!bound.isNumber() || QUIP_UNLIKELY(stack.n + 1 >= stack.body->capacity))                   \
      goto numberEnd;                                                                              \
    UNDER_ON(inlined::function(bound.number(), step->number));                                     \
  }                                                                                                \
  chainUnderValueValue_##op : {                                                                    \
    k = 3;                                                                                         \
    const Token &lhs = *step->slot;                                                                \
    const Token &rhs = *step->second;                                                              \
    if (!lhs.isNumber() || !rhs.isNumber() || QUIP_UNLIKELY(stack.n + 1 >= stack.body->capacity))  \
      goto numberEnd;                                                                              \
    UNDER_ON(inlined::function(lhs.number(), rhs.number()));                                       \
  }                                                                                                \
  underInline_##op : {                                                                             \
    k = 1;                                                                                         \
    auto r = inlined::function(under, number);                                                     \
    RESULT_ON(r, 0);                                                                               \
  }
  QUIP_BINARY_OPS(QUIP_CHAIN_UNDER)
#undef QUIP_CHAIN_UNDER
chainUnderValueLiteralModulus : {
  k = 3;
  const Token &bound = *step->slot;
  float remainder;
  if (!bound.isNumber() || QUIP_UNLIKELY(stack.n + 1 >= stack.body->capacity) ||
      !inlined::remainderBy(bound.number(), step->inverse, step->number, remainder))
    goto numberEnd;
  UNDER_ON(remainder);
}
underEnd:
  // The record after them takes neither: both go on the stack.
  freshSlot(stack).setPlainNumber(under);
  stack.setCount(stack.n + 1);
  goto numberEnd;

numberEnd:
  // The record does not take the number: it goes on the stack.
  freshSlot(stack).setPlainNumber(number);
  stack.setCount(stack.n + 1);
  DISPATCH();

branch : {
  // A comparison and the conditional after it, as one record of k steps.
  remaining = base - AFTER();
  if (!next) {
    if (LAST()) {
      retireTop();
      goto enter;
    }
    step += k;
    FORGET_NUMBER();
    DISPATCH();
  }
  goto callBody;
}

single:
  // One token, as the token loop runs it.
  {
    remaining = base - POSITION();
    m_top->position = POSITION();
    bool changed = advanceOnce();
    stack = inlined::Operands(this);
    if (--remaining == 0)
      LEAVE(CODE_EXIT_BUDGET);
    if (!changed || goesOnAfterCall(entered))
      goto enter;
    LEAVE(CODE_EXIT_LEAVE);
  }

leave:
  budget = remaining;
  operands = stack;
  return result;
#undef DISPATCH
#undef FORGET_NUMBER
#undef NEXT
#undef LAST
#undef LEAVE
#undef AFTER_CALL
#undef NEXT_UNLESS_CHANGED
#undef BRANCH_ON
#undef CHAIN
#undef ENTER_NEXT
#undef NEXT_COMPILED
#undef UNDER_ON
#undef NUMBER_ON
#undef TRUTH_ON
#undef RESULT_ON
}

} // namespace quip
