#pragma once
// The compiled form of a procedure: one step record per token, made for one
// interpreter and binding epoch (its stamp) and one version of the body. Names
// are resolved once, to the builtin or the dictionary entry they are bound
// to, and the common runs of tokens ("i 1 +=", "n 1 -", "{...} if") are taken
// as one record that counts as all their steps. A token-by-token loop spends
// most of its time finding out what each token is; the compiled form knows.
//
// Every record starts at its own token, so a frame may resume at any
// position; a record covering several tokens runs only when the budget has
// room for all of them and its common case holds, else its first token runs
// alone, as the token loop would run it.

#include "quip/Token.h"

namespace quip {

class Interpreter;

// The ops of two numbers whose records are written out one by one (name in
// InlineOp, function in quip::inlined).
#define QUIP_BINARY_OPS(X)                                                                         \
  X(ADD, add)                                                                                      \
  X(SUBTRACT, subtract)                                                                            \
  X(MULTIPLY, multiply)                                                                            \
  X(DIVIDE, divide)                                                                                \
  X(LESS, less)                                                                                    \
  X(GREATER, greater)                                                                              \
  X(LESS_OR_EQUAL, lessOrEqual)                                                                    \
  X(GREATER_OR_EQUAL, greaterOrEqual)

// The other builtins run inline (run by the general inline record, each with
// code of its own); those giving a truth ("==", "!=", "not", "and", "or")
// have code of their own that meets a conditional after them.
#define QUIP_LESS_OPS(X)                                                                           \
  X(MODULUS)                                                                                       \
  X(MIN)                                                                                           \
  X(MAX)                                                                                           \
  X(NEG)                                                                                           \
  X(ABS)                                                                                           \
  X(TIMES_EQUALS)                                                                                  \
  X(DIVIDE_EQUALS)                                                                                 \
  X(INDEX)                                                                                         \
  X(PUT_INDEX)                                                                                     \
  X(SIZE)                                                                                          \
  X(LOOKUP)                                                                                        \
  X(INSERT)                                                                                        \
  X(STRING_LENGTH)                                                                                 \
  X(LOOKUP_ELSE)

enum CodeOp : uint8_t {
  // Runs as the token loop runs it (an error token, an undefined name).
  CODE_TOKEN,
  // A number or a literal symbol, copied bit for bit.
  CODE_PUSH_PLAIN,
  // An array literal (either flag).
  CODE_PUSH_ARRAY,
  // A string or dictionary literal.
  CODE_PUSH,
  // A builtin (by name or as a token) whose common case runs inline; builtin
  // is the whole function.
  CODE_INLINE,
  // Any other builtin.
  CODE_CALL,
  // A name bound to a value that is not a builtin: slot is its entry. What
  // the value is decides at run time (a procedure is entered, others pushed).
  CODE_VALUE,
  // The same for a name bound to a procedure when compiled: it is entered.
  CODE_CALL_PROCEDURE,
  // A number and an op that takes it as its top operand (2 steps).
  CODE_LITERAL_OP,
  // A name bound to a number, a number and a binary op (3 steps).
  CODE_VALUE_LITERAL_OP,
  // A literal name, a number and "+=", "-=" or "def" (3 steps); slot is the
  // entry the op would store into.
  CODE_ASSIGN_LITERAL,
  // An array literal and "if" (2 steps), two and "ifelse" (3 steps).
  CODE_IF,
  CODE_IFELSE,
  // A name bound to a value and a builtin run inline after it (2 steps).
  CODE_VALUE_OP,
  // Past the last token (no step): the frame is done.
  CODE_END,
// The same records for the ops met most, each with code of its own, and
// theirs alone: two names bound to numbers and the op (3 steps; second is
// the entry of the other name).
#define QUIP_CODE_OPS(op, function)                                                                \
  CODE_INLINE_##op, CODE_LITERAL_##op, CODE_VALUE_LITERAL_##op, CODE_VALUE_##op,                   \
      CODE_VALUE_VALUE_##op,
  QUIP_BINARY_OPS(QUIP_CODE_OPS)
#undef QUIP_CODE_OPS
      CODE_INLINE_DUP,
  CODE_INLINE_SWAP,
  CODE_INLINE_POP,
  CODE_INLINE_DEF,
  CODE_INLINE_AT,
  CODE_INLINE_PUT,
  CODE_LITERAL_MODULUS,
  CODE_LITERAL_INDEX,
  CODE_LITERAL_EQUAL,
  CODE_LITERAL_NOT_EQUAL,
  CODE_VALUE_LITERAL_MODULUS,
  CODE_VALUE_MODULUS,
  CODE_VALUE_AT,
  // A name bound to an array, a name bound to an index and "at" (3 steps):
  // the element is pushed, the array's handle never is.
  CODE_VALUE_VALUE_AT,
  CODE_OP_COUNT
};

struct CodeStep {
  // Where the step loop runs the record (its code for op), filled in by the
  // loop itself: each record jumps straight to the next one's code.
  const void *handler;
  CodeOp op;
  // Tokens covered, counted as as many steps.
  uint8_t steps;
  InlineOp inlineOp;
  // What the record's first token alone is (a push, a name, or anything
  // else: CODE_TOKEN), for when the record cannot run whole.
  CodeOp first;
  // The record's token in the body.
  uint32_t position;
  union {
    struct {
      float number;
      union {
        // For a number literal taken as a stack position: the depth it names
        // when it is a whole number from the top, else kNoDepth.
        uint32_t depth;
        // For a literal divisor: its inlined::literalInverse().
        float inverse;
      };
    };
    // "def", "+=" and "-=": the name they last stored under (slot is that
    // name's entry: for "def", in the top dictionary), or null.
    const void *definedName;
    // The entry of the second of two names.
    Token *second;
    // A push of a number or a literal symbol: the token's two words.
    uint64_t pushedHead;
    // "if" and "ifelse": the body run when the condition holds.
    ArrayBody *thenBody;
  };
  union {
    Token *slot;
    Builtin builtin;
    uint64_t pushedPayload;
    // The body run when it does not ("if": null).
    ArrayBody *elseBody;
  };
};
static_assert(sizeof(CodeStep) == 32);
constexpr uint32_t kNoDepth = UINT32_MAX;

struct ProcedureCode {
  uint64_t version;
  uint32_t stamp;
  uint32_t count;
  // How many forms the body had before this one: a body whose forms keep
  // going stale (its bindings move, or interpreters take turns running it)
  // waits longer before the next.
  uint32_t compiles;
  // Whether the step loop has filled in the records' handlers.
  uint32_t threaded;
  // One record per token of the body, right after the header, and the end.
  CodeStep *steps() { return reinterpret_cast<CodeStep *>(this + 1); }
};
static_assert(sizeof(ProcedureCode) % alignof(CodeStep) == 0);

// Compiles a body for an interpreter whose names resolve as they do now,
// under its current stamp; replaces the body's old compiled form.
ProcedureCode *compileProcedure(ArrayBody *body, Interpreter *interpreter, uint32_t stamp);
// What a body that has no compiled form points at: its stamp is 0, which
// no interpreter compiles under, and no body reaches its version, so it
// never matches and an entry needs no test for null before looking.
inline ProcedureCode g_noProcedureCode = {UINT64_MAX, 0, 0, 0, 0};
inline bool hasCompiledForm(const ArrayBody *body) { return body->code != &g_noProcedureCode; }
// How many entries without a usable form a body waits before compiling.
uint32_t compileThreshold(const ProcedureCode *stale);
void freeProcedureCode(ProcedureCode *code);

} // namespace quip
