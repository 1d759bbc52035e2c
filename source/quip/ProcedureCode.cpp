#include "quip/ProcedureCode.h"

#include "quip/InlineBuiltins.h"

#include <cstdlib>
#include <new>

namespace quip {

namespace {

// The builtin a token runs when executed: its own, or the one its name is
// bound to; null for anything else.
const Token *builtinOf(Interpreter *interpreter, const Token &token) {
  if (token.isBuiltin())
    return &token;
  if (token.isSymbol() && token.isExecutable()) {
    const Token *value = interpreter->lookup(token.symbol());
    if (value && value->isBuiltin())
      return value;
  }
  return nullptr;
}

InlineOp opAt(Interpreter *interpreter, const Token *tokens, uint32_t i, uint32_t n) {
  if (i >= n)
    return INLINE_NONE;
  const Token *builtin = builtinOf(interpreter, tokens[i]);
  return builtin ? builtin->inlineOp() : INLINE_NONE;
}

// The entry of an executable name bound to a value that is not a builtin;
// null for anything else.
Token *boundValue(Interpreter *interpreter, const Token *tokens, uint32_t i, uint32_t n) {
  if (i >= n || !tokens[i].isSymbol() || !tokens[i].isExecutable())
    return nullptr;
  Token *value = interpreter->lookup(tokens[i].symbol());
  return value && !value->isBuiltin() ? value : nullptr;
}

// Ops of two numbers that take a number literal as their right operand.
bool isBinaryWithLiteral(InlineOp op) {
  switch (op) {
  case INLINE_ADD:
  case INLINE_SUBTRACT:
  case INLINE_MULTIPLY:
  case INLINE_DIVIDE:
  case INLINE_LESS:
  case INLINE_GREATER:
  case INLINE_LESS_OR_EQUAL:
  case INLINE_GREATER_OR_EQUAL:
  case INLINE_EQUAL:
  case INLINE_NOT_EQUAL:
  case INLINE_MODULUS:
    return true;
  default:
    return false;
  }
}

// The record of its own for an op of a kind, or the kind's general one.
CodeOp inlineRecord(InlineOp op) {
  switch (op) {
#define QUIP_CODE_OPS(name, function)                                                              \
  case INLINE_##name:                                                                              \
    return CODE_INLINE_##name;
    QUIP_BINARY_OPS(QUIP_CODE_OPS)
#undef QUIP_CODE_OPS
  case INLINE_DUP:
    return CODE_INLINE_DUP;
  case INLINE_SWAP:
    return CODE_INLINE_SWAP;
  case INLINE_POP:
    return CODE_INLINE_POP;
  case INLINE_DEF:
    return CODE_INLINE_DEF;
  case INLINE_AT:
    return CODE_INLINE_AT;
  case INLINE_PUT:
    return CODE_INLINE_PUT;
  default:
    return CODE_INLINE;
  }
}

CodeOp literalRecord(InlineOp op) {
  switch (op) {
#define QUIP_CODE_OPS(name, function)                                                              \
  case INLINE_##name:                                                                              \
    return CODE_LITERAL_##name;
    QUIP_BINARY_OPS(QUIP_CODE_OPS)
#undef QUIP_CODE_OPS
  case INLINE_MODULUS:
    return CODE_LITERAL_MODULUS;
  case INLINE_INDEX:
    return CODE_LITERAL_INDEX;
  case INLINE_EQUAL:
    return CODE_LITERAL_EQUAL;
  case INLINE_NOT_EQUAL:
    return CODE_LITERAL_NOT_EQUAL;
  default:
    return CODE_LITERAL_OP;
  }
}

CodeOp valueLiteralRecord(InlineOp op) {
  switch (op) {
#define QUIP_CODE_OPS(name, function)                                                              \
  case INLINE_##name:                                                                              \
    return CODE_VALUE_LITERAL_##name;
    QUIP_BINARY_OPS(QUIP_CODE_OPS)
#undef QUIP_CODE_OPS
  case INLINE_MODULUS:
    return CODE_VALUE_LITERAL_MODULUS;
  default:
    return CODE_VALUE_LITERAL_OP;
  }
}

// The record of two names and an op of two numbers; CODE_TOKEN for any
// other op.
CodeOp valueValueRecord(InlineOp op) {
  switch (op) {
#define QUIP_CODE_OPS(name, function)                                                              \
  case INLINE_##name:                                                                              \
    return CODE_VALUE_VALUE_##name;
    QUIP_BINARY_OPS(QUIP_CODE_OPS)
#undef QUIP_CODE_OPS
  default:
    return CODE_TOKEN;
  }
}

CodeOp valueOpRecord(InlineOp op) {
  switch (op) {
#define QUIP_CODE_OPS(name, function)                                                              \
  case INLINE_##name:                                                                              \
    return CODE_VALUE_##name;
    QUIP_BINARY_OPS(QUIP_CODE_OPS)
#undef QUIP_CODE_OPS
  case INLINE_MODULUS:
    return CODE_VALUE_MODULUS;
  case INLINE_AT:
    return CODE_VALUE_AT;
  default:
    return CODE_VALUE_OP;
  }
}

// The record of a builtin run by a token or a name.
CodeStep builtinStep(CodeStep step, const Token &builtin) {
  InlineOp op = builtin.inlineOp();
  step.op = op != INLINE_NONE ? inlineRecord(op) : CODE_CALL;
  step.inlineOp = op;
  if (op == INLINE_DEF || op == INLINE_PLUS_EQUALS || op == INLINE_MINUS_EQUALS)
    // It remembers where it stored (none yet); its other cases are steps of
    // the token loop.
    step.definedName = nullptr;
  else
    step.builtin = builtin.builtin();
  return step;
}

CodeStep plainStep(CodeOp op, uint8_t steps, uint32_t position) {
  CodeStep step;
  step.handler = nullptr;
  step.op = op;
  step.steps = steps;
  step.inlineOp = INLINE_NONE;
  step.first = CODE_TOKEN;
  step.position = position;
  step.number = 0.0f;
  step.depth = kNoDepth;
  step.slot = nullptr;
  return step;
}

// A push of a number or a literal symbol, which carries the token itself.
void pushStep(CodeStep &step, const Token &token) {
  step.op = CODE_PUSH_PLAIN;
  Token::PlainBits bits = token.plainBits();
  step.pushedHead = bits.head;
  step.pushedPayload = bits.payload;
}

CodeStep stepFor(Interpreter *interpreter, const Token *tokens, uint32_t p, uint32_t n) {
  CodeStep step = plainStep(CODE_TOKEN, 1, p);
  const Token &token = tokens[p];
  switch (token.type()) {
  case TYPE_NUMBER: {
    InlineOp op = opAt(interpreter, tokens, p + 1, n);
    if (inlined::takesLiteral(op)) {
      step.op = literalRecord(op);
      step.first = CODE_PUSH_PLAIN;
      step.steps = 2;
      step.inlineOp = op;
      step.number = token.number();
      float x = token.number();
      if (op == INLINE_MODULUS)
        step.inverse = inlined::literalInverse(x);
      else if (x >= 0 && x < 2147483648.0f && float(int(x)) == x)
        step.depth = uint32_t(int(x));
    } else {
      pushStep(step, token);
    }
    return step;
  }
  case TYPE_SYMBOL: {
    if (!token.isExecutable()) {
      pushStep(step, token);
      if (p + 2 < n && tokens[p + 1].isNumber()) {
        InlineOp op = opAt(interpreter, tokens, p + 2, n);
        Token *slot = nullptr;
        if (op == INLINE_PLUS_EQUALS || op == INLINE_MINUS_EQUALS)
          slot = interpreter->lookup(token.symbol());
        else if (op == INLINE_DEF)
          slot = interpreter->lookupInTop(token.symbol());
        if (slot) {
          step.op = CODE_ASSIGN_LITERAL;
          step.first = CODE_PUSH_PLAIN;
          step.steps = 3;
          step.inlineOp = op;
          step.number = tokens[p + 1].number();
          step.slot = slot;
        }
      }
      return step;
    }
    Token *value = interpreter->lookup(token.symbol());
    if (!value)
      return step;
    if (value->isBuiltin())
      return builtinStep(step, *value);
    step.op = value->isProcedure() ? CODE_CALL_PROCEDURE : CODE_VALUE;
    step.slot = value;
    if (InlineOp op = opAt(interpreter, tokens, p + 1, n);
        op != INLINE_NONE && op != INLINE_IF && op != INLINE_IFELSE) {
      step.op = valueOpRecord(op);
      step.first = CODE_VALUE;
      step.steps = 2;
      step.inlineOp = op;
    } else if (Token *second = boundValue(interpreter, tokens, p + 1, n);
               second && (op = opAt(interpreter, tokens, p + 2, n)) != INLINE_NONE &&
               (op == INLINE_AT || valueValueRecord(op) != CODE_TOKEN)) {
      step.op = op == INLINE_AT ? CODE_VALUE_VALUE_AT : valueValueRecord(op);
      step.first = CODE_VALUE;
      step.steps = 3;
      step.inlineOp = op;
      step.second = second;
    } else if (p + 2 < n && tokens[p + 1].isNumber()) {
      InlineOp op = opAt(interpreter, tokens, p + 2, n);
      if (isBinaryWithLiteral(op)) {
        step.op = valueLiteralRecord(op);
        step.first = CODE_VALUE;
        step.steps = 3;
        step.inlineOp = op;
        step.number = tokens[p + 1].number();
        if (op == INLINE_MODULUS)
          step.inverse = inlined::literalInverse(step.number);
      }
    }
    return step;
  }
  case TYPE_BUILTIN:
    return builtinStep(step, token);
  case TYPE_ARRAY:
    // The bodies are held by the tokens, which stay while the record does
    // (a change of this body moves its version).
    if (opAt(interpreter, tokens, p + 1, n) == INLINE_IF) {
      step.op = CODE_IF;
      step.first = CODE_PUSH_ARRAY;
      step.steps = 2;
      step.thenBody = const_cast<ArrayBody *>(token.array().body());
      step.elseBody = nullptr;
    } else if (p + 2 < n && tokens[p + 1].isArray() &&
               opAt(interpreter, tokens, p + 2, n) == INLINE_IFELSE) {
      step.op = CODE_IFELSE;
      step.first = CODE_PUSH_ARRAY;
      step.steps = 3;
      step.thenBody = const_cast<ArrayBody *>(token.array().body());
      step.elseBody = const_cast<ArrayBody *>(tokens[p + 1].array().body());
    } else {
      step.op = CODE_PUSH_ARRAY;
    }
    return step;
  case TYPE_STRING:
  case TYPE_DICTIONARY:
    step.op = CODE_PUSH;
    return step;
  default:
    return step;
  }
}

} // namespace

ProcedureCode *compileProcedure(ArrayBody *body, Interpreter *interpreter, uint32_t stamp) {
  uint32_t n = body->count;
  size_t bytes = sizeof(ProcedureCode) + sizeof(CodeStep) * (n + 1);
  auto *code = static_cast<ProcedureCode *>(std::malloc(bytes));
  if (!code)
    throw std::bad_alloc();
  code->version = body->version;
  code->stamp = stamp;
  code->count = n;
  code->compiles = hasCompiledForm(body) ? body->code->compiles + 1 : 0;
  code->threaded = 0;
  for (uint32_t p = 0; p < n; ++p)
    code->steps()[p] = stepFor(interpreter, body->elements, p, n);
  code->steps()[n] = plainStep(CODE_END, 0, n);
  freeProcedureCode(body->code);
  body->code = code;
  return code;
}

uint32_t compileThreshold(const ProcedureCode *stale) {
  // Twice is a loop or a called procedure; each form that went stale before
  // adds to the wait, up to a bound that keeps the cost of compiling small
  // beside the entries run without.
  if (stale == &g_noProcedureCode)
    return 2;
  uint32_t wait = 2 + 4 * stale->compiles;
  return wait < 64 ? wait : 64;
}

void freeProcedureCode(ProcedureCode *code) {
  if (code != &g_noProcedureCode)
    std::free(code);
}

} // namespace quip
