#include "quip/Interpreter.h"

#include "quip/InlineBuiltins.h"
#include "quip/Limits.h"

#include "quip/Parser.h"
#include "quip/ProcedureCode.h"
#include "quip/ScriptManager.h"
#include "quip/ScriptManagerRegistry.h"
#include "xstring/Print.h"

namespace quip {

namespace {
bool g_diagnostics = false;
} // namespace

void setDiagnostics(bool on) { g_diagnostics = on; }
bool diagnostics() { return g_diagnostics; }

Interpreter::Interpreter(Symbol name, ScriptManager *manager)
    : m_name(name), m_manager(manager), m_operands(0), m_wait(this), m_retired(Array::NoBody()) {
  m_operands.reserve(128);
  m_dictionaries.reserve(8);
  m_procedures.reserve(32);
}

Interpreter::~Interpreter() {
  finish();
  for (uint32_t i = 0; i < m_dictionaries.size(); ++i)
    delete m_dictionaries[i];
}

Database *Interpreter::database() const {
  if (!m_manager || !m_manager->registry())
    return nullptr;
  return m_manager->registry()->owner();
}

Token *Interpreter::top() {
  if (m_operands.count() == 0) {
    reportError(L"stack underflow");
    return nullptr;
  }
  return &m_operands.last();
}

Token *Interpreter::peek(uint32_t depth) {
  if (depth >= m_operands.count()) {
    reportError(L"stack index out of bounds");
    return nullptr;
  }
  return &m_operands[m_operands.count() - 1 - depth];
}

Dictionary *Interpreter::dictionaryAt(uint32_t depth) {
  if (depth >= m_dictionaries.size()) {
    reportError(L"dictionary stack index out of bounds");
    return nullptr;
  }
  return m_dictionaries[m_dictionaries.size() - 1 - depth];
}

Dictionary *Interpreter::topDictionary() {
  if (m_dictionaries.isEmpty()) {
    reportError(L"dictionary stack underflow");
    return nullptr;
  }
  return m_dictionaries.last();
}

bool Interpreter::popDictionary(Dictionary *out) {
  if (m_dictionaries.size() == 2) {
    reportError(L"attempt to expose protected dictionary");
    return false;
  }
  if (m_dictionaries.isEmpty()) {
    reportError(L"dictionary stack underflow");
    return false;
  }
  Dictionary *top = m_dictionaries.pop();
  top->leaveScope();
  bindingsChanged();
  if (out)
    *out = *top;
  delete top;
  return true;
}

Token *Interpreter::resolveUncached(Symbol name, CachedName &cached) {
  for (uint32_t i = m_dictionaries.size(); i-- > 0;) {
    Token *value = m_dictionaries[i]->lookup(name);
    if (value) {
      static_assert(alignof(Token) >= 2);
      cached.name = name.identity();
      cached.value = reinterpret_cast<uintptr_t>(value) | (i + 1 == m_dictionaries.size() ? 1 : 0);
      return value;
    }
  }
  return nullptr;
}

void Interpreter::forgetNames() {
  for (CachedName &cached : m_nameCache)
    cached = CachedName{nullptr, 0};
  m_nameCacheEpoch = g_bindingEpoch;
}

void Interpreter::undefinedLookup(Symbol name) {
  reportError(String(L"undefined symbol: ") + name.text());
}

void Interpreter::undefinedName(Symbol name) {
  if (g_diagnostics) {
    xstring::print(stdout, L"error: undefined symbol: %S\n", name.text());
    push(Token(name, true));
  } else {
    reportError(String(L"undefined symbol: ") + name.text());
  }
}

// executeName's body, inlined into the step loop.
inline bool Interpreter::executeBound(Symbol name) {
  Token *value = resolve(name);
  if (!value) {
    undefinedName(name);
    return false;
  }
  if (value->type() == TYPE_BUILTIN) {
    // The common case of a hot builtin runs here, and cannot change the state.
    if (value->inlineOp() != INLINE_NONE) {
      inlined::Operands stack(this);
      if (inlined::run(value->inlineOp(), this, stack))
        return false;
    }
    // The call may change the dictionary that holds the builtin.
    Builtin function = value->builtin();
    int error = 0;
    function(this, &error);
    return true;
  }
  switch (value->type()) {
  case TYPE_ARRAY:
    if (value->isExecutable()) {
      pushProcedure(value->array());
      return false;
    }
    break;
  case TYPE_NUMBER:
  case TYPE_SYMBOL:
    pushPlain(*value);
    return false;
  default:
    break;
  }
  push(*value);
  return false;
}

void Interpreter::executeName(Symbol name) { executeBound(name); }

void Interpreter::growBody(ArrayBody *body, uint32_t position) {
  Array handle(Array::NoBody{});
  handle.m_body = body;
  ++body->references;
  growProcedures(std::move(handle), position);
}

void Interpreter::growProcedures(Array &&procedure, uint32_t position) {
  // The stack only grows here (doubling from 32), so the limit is met
  // exactly: the script ends with a report instead of taking all memory.
  if (m_procedures.size() >= kMaxProcedureDepth) {
    reportError(L"procedure stack overflow");
    finish();
    return;
  }
  m_procedures.push(ProcedureFrame());
  ProcedureFrame &frame = m_procedures.last();
  frame.procedure = std::move(procedure);
  frame.position = position;
  m_top = &frame;
}

ProcedureFrame *Interpreter::procedureAt(uint32_t depth) {
  if (depth >= m_procedures.size()) {
    reportError(L"procedure stack index out of bounds");
    return nullptr;
  }
  return &m_procedures[m_procedures.size() - 1 - depth];
}

ProcedureFrame *Interpreter::topProcedure() {
  if (m_procedures.isEmpty()) {
    reportError(L"procedure stack underflow");
    return nullptr;
  }
  return &m_procedures.last();
}

bool Interpreter::popProcedure() {
  if (m_procedures.isEmpty()) {
    reportError(L"procedure stack underflow");
    return false;
  }
  // Moving into a local releases the body when the local goes; the slot is
  // left without a body.
  Array released(std::move(m_procedures.last().procedure));
  dropTopFrame();
  return true;
}

void Interpreter::wait(float seconds) {
  if (state() == ATOMIC) {
    reportError(L"Waiting not allowed while atomic");
    return;
  }
  m_wait.start(seconds, Dictionary());
}

void Interpreter::waitForMessages(float seconds, const Dictionary &handlers) {
  if (state() == ATOMIC) {
    reportError(L"Waiting not allowed while atomic");
    return;
  }
  m_wait.start(seconds, handlers);
}

void Interpreter::finish() {
  while (!m_dictionaries.isEmpty()) {
    Dictionary *dictionary = m_dictionaries.pop();
    dictionary->leaveScope();
    delete dictionary;
  }
  bindingsChanged();
  while (!m_procedures.isEmpty()) {
    Array released(std::move(m_procedures.last().procedure));
    dropTopFrame();
  }
  m_atomicDepth = 0;
  m_finished = 1;
}

void Interpreter::reportError(const String &message) {
  if (!g_diagnostics)
    return;
  String text(L"\n\nScriptManager: ");
  if (m_manager)
    text += m_manager->name().text();
  text += L"\nInterpreter: ";
  text += m_name.text();
  text += L"\n\n";
  text += message;
  text += L'\n';
  xstring::write(stdout, text);
}

void Interpreter::reportError(const wchar_t *message) { reportError(String(message)); }

// A single step, read straight from the rule: fetch, retire the frame before
// its last token, execute. step() runs it; the budgeted loop (runCounted)
// does the same with its state in locals, and tests and the fuzz target check
// the two against each other.
inline bool Interpreter::execute(const Token &token) {
  // Names are the most frequent tokens: tested before the others.
  if (token.type() == TYPE_SYMBOL && token.isExecutable()) {
    return executeBound(token.symbol());
  }
  switch (token.type()) {
  case TYPE_ERROR:
    reportError(L"error token encountered in source stream");
    return false;
  case TYPE_SYMBOL:
  case TYPE_NUMBER:
    pushPlain(token);
    return false;
  case TYPE_BUILTIN: {
    if (token.inlineOp() != INLINE_NONE) {
      inlined::Operands stack(this);
      if (inlined::run(token.inlineOp(), this, stack))
        return false;
    }
    int error = 0;
    token.builtin()(this, &error);
    return true;
  }
  case TYPE_ARRAY:
    if (m_operands.count() < m_operands.capacity()) {
      m_operands.get(m_operands.count())->assignArray(token);
      ++m_operands.m_body->count;
      return false;
    }
    break;
  default:
    break;
  }
  push(token);
  return false;
}

inline bool Interpreter::advance() {
  ProcedureFrame *frame = m_top;
  if (!frame) {
    finish();
    return true;
  }
  // The count is read from the body at every step: a script may change the
  // running procedure.
  ArrayBody *body = frame->procedure.m_body;
  uint32_t position = frame->position;
  uint32_t count = body->count;
  if (position >= count) {
    // A builtin cut the running procedure short: it has nothing left to run.
    popProcedure();
    return false;
  }
  const Token &token = body->elements[position];
  frame->position = ++position;
  if (position >= count) {
    // The frame goes before its last token runs, so a call in last position
    // does not keep its caller's frame; the body stays alive until the next
    // retirement.
    m_retired.releaseBody();
    m_retired = std::move(frame->procedure);
    dropTopFrame();
  }
  return execute(token);
}

void Interpreter::step() {
  if (m_finished || m_wait.isWaiting())
    return;
  advance();
}

bool Interpreter::advanceOnce() { return advance(); }

ProcedureCode *Interpreter::codeFor(ArrayBody *body, uint32_t stamp) {
  if (stamp == 0 || ++body->heat < compileThreshold(body->code))
    return nullptr;
  body->heat = 0;
  return compileProcedure(body, this, stamp);
}

namespace {
// Stamps handed to interpreters, each used once. When they run out, no new
// stamp is given (0 matches no remembered op) and names are always looked up.
uint32_t g_lastStamp = 0;
} // namespace

void Interpreter::renewStamp() {
  m_stampEpoch = g_bindingEpoch;
  m_stamp = g_lastStamp == UINT32_MAX ? 0 : ++g_lastStamp;
}

// The steps of a running (or atomic) interpreter: advance() and execute()
// with the running frame's position, the operand count and the budget in
// locals, so that no step waits on the store of the step before it. The
// operand count is written through at every change; the position is written
// back before anything that may look at it (a builtin call, a new frame,
// leaving). After a builtin call, which may have changed frames, the stack,
// the bindings or the state, the loop looks at them again, and returns when
// the state is no longer the one it started in. The result is the count of
// steps spent, maxSteps when the budget is used up.
//
// An executable name bound to a hot builtin remembers the builtin's op in
// the token, with the interpreter's stamp. A stamp is unique to one
// interpreter and one binding epoch, and nothing in this loop but a builtin
// call (after which the stamp is renewed if the epoch moved) can change what
// a name is bound to, so a remembered op is used without a look-up while the
// stamp holds.
unsigned int Interpreter::runCounted(unsigned int maxSteps, unsigned int count) {
  unsigned int remaining = maxSteps - count;
  const State entered = state();
  // Nothing in the loop but a builtin call can change what a name is bound
  // to: the stamp and the name cache are brought to the epoch here and after
  // each call.
  if (m_stampEpoch != g_bindingEpoch)
    renewStamp();
  uint32_t stamp = m_stamp;
  if (m_nameCacheEpoch != g_bindingEpoch)
    forgetNames();
  inlined::Operands stack(this);
  // After a builtin call: the bindings and the stack may have changed.
  auto lookAgain = [&] {
    if (m_stampEpoch != g_bindingEpoch) {
      renewStamp();
      stamp = m_stamp;
    }
    if (m_nameCacheEpoch != g_bindingEpoch)
      forgetNames();
    stack = inlined::Operands(this);
  };
  for (;;) {
    ProcedureFrame *frame = m_top;
    if (!frame) {
      // A procedure stack that overflowed finished the script in the step
      // that pushed: no further step finds it empty.
      if (m_finished)
        return maxSteps - remaining;
      finish();
      return maxSteps - remaining + 1;
    }
    ArrayBody *body = frame->procedure.m_body;
    uint32_t position = frame->position;
    uint32_t end = body->count;
    if (position >= end) {
      // A builtin cut the running procedure short: it has nothing left to run.
      popProcedure();
      if (--remaining == 0)
        return maxSteps;
      continue;
    }
    // A body entered often runs by its compiled form while that matches the
    // body and the bindings; any other runs token by token below.
    ProcedureCode *code = body->code;
    if (code->version != body->version || code->stamp != stamp)
      code = codeFor(body, stamp);
    if (code) {
      CodeExit exit = runCode(code, position, remaining, stack, stamp);
      if (exit == CODE_EXIT_BUDGET)
        return maxSteps;
      if (exit == CODE_EXIT_LEAVE) {
        if (m_frameSteps && entered == RUNNING && cutFrames(maxSteps, remaining))
          return maxSteps;
        if (state() != entered)
          return maxSteps - remaining;
        lookAgain();
      }
      continue;
    }
    Token *pc = body->elements + position;
    Token *stop = body->elements + end;
    // The running frame is m_top until its last token retires it.
    auto savePosition = [this](const Token *next) {
      m_top->position = uint32_t(next - m_top->procedure.m_body->elements);
    };
    // Each step ends at one of three labels: next (the next token of this
    // frame), reload (the frames may have changed: look at them again) or
    // leave (a builtin ran: the state must be tested).
    for (;;) {
      Token &token = *pc++;
      bool last = pc == stop;
      if (last) {
        // As in advance(): the frame goes before its last token runs.
        retireTop();
      }
      const Token *value = &token;
      if (token.type() == TYPE_SYMBOL && token.isExecutable()) {
        InlineOp op = token.rememberedOp(stamp);
        if (op == INLINE_IF || op == INLINE_IFELSE) {
          // They may push a frame.
          if (!last)
            savePosition(pc);
          if (inlined::run(op, this, stack))
            goto reload;
        } else if (op != INLINE_NONE && inlined::run(op, this, stack)) {
          goto next;
        }
        value = resolveCached(token.symbol());
        if (!value) {
          if (!last)
            savePosition(pc);
          undefinedName(token.symbol());
          goto leave;
        }
        if (value->type() == TYPE_ARRAY && value->isExecutable()) {
          if (!last)
            savePosition(pc);
          pushProcedure(value->array());
          goto reload;
        }
        if (value->type() == TYPE_BUILTIN && value->inlineOp() != INLINE_NONE && stamp != 0)
          token.rememberOp(value->inlineOp(), stamp);
      } else if (token.type() == TYPE_ERROR) {
        reportError(L"error token encountered in source stream");
        goto next;
      }
      // A builtin runs; any other value is pushed (a literal array as it is).
      switch (value->type()) {
      case TYPE_BUILTIN: {
        InlineOp op = value->inlineOp();
        if (op == INLINE_IF || op == INLINE_IFELSE) {
          if (!last)
            savePosition(pc);
          if (inlined::run(op, this, stack))
            goto reload;
        } else {
          if (op != INLINE_NONE && inlined::run(op, this, stack))
            goto next;
          if (!last)
            savePosition(pc);
        }
        int error = 0;
        value->builtin()(this, &error);
        goto leave;
      }
      case TYPE_NUMBER:
        // A number literal followed by an operator that takes it as its top
        // operand ("1 +", "2 index", "0 ==") is how most arithmetic is
        // written: the pair runs without pushing the literal, counted as two
        // steps (the budget cannot end between them). The operator is the
        // builtin its name was last found bound to (the stamp vouches).
        if (!last && pc->type() == TYPE_SYMBOL && pc->isExecutable() && value == &token) {
          InlineOp op = pc->rememberedOp(stamp);
          if (inlined::takesLiteral(op) && remaining >= 2 &&
              inlined::withLiteral(op, this, stack, token.number())) {
            ++pc;
            --remaining;
            if (pc != stop)
              goto next;
            // The operator was the frame's last token: the frame goes.
            retireTop();
            goto reload;
          }
        }
        [[fallthrough]];
      case TYPE_SYMBOL:
        if (stack.n < stack.body->capacity) {
          stack.at(stack.n).assignPlain(*value);
          stack.setCount(stack.n + 1);
          goto next;
        }
        break;
      case TYPE_ARRAY:
        // A procedure literal followed by "if", or two followed by "ifelse",
        // is how every conditional and loop is written: the chosen literal
        // goes straight into a frame instead of through the operand stack.
        // The steps are counted as if taken one by one (the budget cannot
        // end between them), and the operator is the builtin its name was
        // last found bound to (the stamp vouches for that).
        if (value == &token && !last && stack.n >= 1 && remaining >= 2) {
          const Token *chosen = nullptr;
          uint32_t fused = 0;
          if (pc->type() == TYPE_SYMBOL && pc->isExecutable() &&
              pc->rememberedOp(stamp) == INLINE_IF) {
            fused = 1;
            chosen = stack.fromTop(0).toBool() ? &token : nullptr;
          } else if (pc->type() == TYPE_ARRAY && stop - pc >= 2 && remaining >= 3 &&
                     pc[1].type() == TYPE_SYMBOL && pc[1].isExecutable() &&
                     pc[1].rememberedOp(stamp) == INLINE_IFELSE) {
            fused = 2;
            chosen = stack.fromTop(0).toBool() ? &token : pc;
          }
          if (fused) {
            stack.fromTop(0).release();
            stack.setCount(stack.n - 1);
            pc += fused;
            remaining -= fused;
            bool retired = pc == stop;
            if (retired) {
              // The operator was the frame's last token: the frame goes
              // first, its body kept alive for the chosen literal.
              retireTop();
            } else {
              savePosition(pc);
            }
            if (chosen) {
              pushProcedure(chosen->array());
              goto reload;
            }
            if (retired)
              goto reload;
            goto next;
          }
        }
        if (stack.n < stack.body->capacity) {
          stack.at(stack.n).assignArray(*value);
          stack.setCount(stack.n + 1);
          goto next;
        }
        break;
      default:
        break;
      }
      push(*value);
      stack = inlined::Operands(this);
    next:
      if (--remaining == 0) {
        if (!last)
          savePosition(pc);
        return maxSteps;
      }
      if (last)
        break;
      continue;
    reload:
      if (--remaining == 0)
        return maxSteps;
      break;
    leave:
      // A builtin ran: the loop goes on while the state is the one it started
      // in, with a new look at the frames, the stack and the bindings.
      if (--remaining == 0)
        return maxSteps;
      if (m_frameSteps && entered == RUNNING && cutFrames(maxSteps, remaining))
        return maxSteps;
      if (state() != entered)
        return maxSteps - remaining;
      lookAgain();
      break;
    }
  }
}

unsigned int Interpreter::run(unsigned int maxSteps, float dt) {
  // The common case first, with nothing to set up: a running interpreter
  // that spends its whole budget.
  if (maxSteps != 0 && state() == RUNNING) {
    unsigned int count = runCounted(maxSteps, 0);
    if (count == maxSteps)
      return maxSteps;
    return runOn(maxSteps, count);
  }
  if (state() == WAITING) {
    m_wait.advance(dt);
    if (state() == WAITING)
      return 0;
  }
  if (maxSteps == 0) {
    while (state() <= ATOMIC)
      runUncounted();
    return 0;
  }
  return runOn(maxSteps, 0);
}

unsigned int Interpreter::runOn(unsigned int maxSteps, unsigned int count) {
  for (;;) {
    State now = state();
    if (now == RUNNING) {
      // The state holds until a step calls a builtin or finishes.
      count = runCounted(maxSteps, count);
      if (count == maxSteps)
        return maxSteps;
    } else if (now == ATOMIC) {
      runUncounted();
    } else {
      return count + 1;
    }
  }
}

bool Interpreter::spawnedSince() const {
  return m_manager && m_manager->spawnCount() != m_spawnsSeen;
}

bool Interpreter::cutFrames(unsigned int &maxSteps, unsigned int &remaining) {
  if (!spawnedSince())
    return false;
  m_spawnsSeen = m_manager->spawnCount();
  unsigned int done = maxSteps - remaining;
  // The spawning step was step `done` of the run, in frame (done - 1) / F.
  unsigned int end = ((done - 1) / m_frameSteps + 1) * m_frameSteps;
  if (end < m_frameLimit)
    m_frameLimit = end;
  maxSteps = m_frameLimit;
  remaining = maxSteps - done;
  return remaining == 0;
}

unsigned int Interpreter::runFrames(unsigned int frames, unsigned int frameSteps) {
  m_frameSteps = frameSteps;
  m_frameLimit = frames * frameSteps;
  m_spawnsSeen = m_manager ? m_manager->spawnCount() : 0;
  unsigned int count = 0;
  for (;;) {
    State now = state();
    if (now == RUNNING) {
      // A spawn in an atomic section (uncounted steps) belongs to the frame
      // the count is in.
      if (spawnedSince()) {
        m_spawnsSeen = m_manager->spawnCount();
        unsigned int end = (count / frameSteps + 1) * frameSteps;
        if (end < m_frameLimit)
          m_frameLimit = end;
      }
      count = runCounted(m_frameLimit, count);
      if (count == m_frameLimit)
        break;
    } else if (now == ATOMIC) {
      runUncounted();
    } else {
      ++count;
      break;
    }
  }
  m_frameSteps = 0;
  return count;
}

int Interpreter::runToCompletion() {
  beginAtomic();
  for (;;) {
    State now = state();
    if (now == FINISHED)
      return FINISHED;
    // A wait started before (or after an unmatched endAtomic) would never be
    // advanced here: it ends at once.
    if (now == WAITING)
      m_wait.cancel();
    runUncounted();
  }
}

bool Interpreter::pushSource(const String &text, const String &sourceName) {
  Array tokens = translate(text, sourceName);
  if (tokens.count() == 0 || (tokens.count() == 1 && tokens[0].isError()))
    return false;
  pushProcedure(tokens);
  return true;
}

// Waits.

void MessageWait::start(float seconds, const Dictionary &handlers) {
  m_remaining = seconds;
  m_waiting = 1;
  m_handlers = handlers;
}

void MessageWait::post(Symbol message, const Token &value) {
  m_names.push(message);
  m_values.push(value);
}

const Token *MessageWait::handlerFor(Symbol message) const {
  const Token *handler = m_handlers.lookup(message);
  // Only a procedure can be run as a handler; anything else is no handler.
  return handler && handler->isArray() ? handler : nullptr;
}

void MessageWait::startHandler(const Token &handler, Symbol message, const Token &value) {
  Array procedure = handler.array();
  m_waiting = 0;
  m_interpreter->pushProcedure(procedure);
  m_interpreter->push(Token(message, false));
  m_interpreter->push(value);
}

void MessageWait::advance(float dt) {
  if (!m_waiting)
    return;
  for (uint32_t i = m_names.size(); i-- > 0;) {
    const Token *handler = handlerFor(m_names[i]);
    if (!handler)
      continue;
    Token procedure(*handler);
    Symbol name = m_names.removeAt(i);
    Token value = m_values.removeAt(i);
    startHandler(procedure, name, value);
    return;
  }
  if (!m_names.isEmpty()) {
    if (const Token *otherwise = handlerFor(SYM(L"otherwise"))) {
      Token procedure(*otherwise);
      Symbol name = m_names.pop();
      Token value = m_values.pop();
      startHandler(procedure, name, value);
      return;
    }
  }
  if (m_remaining > 0)
    m_remaining -= dt;
  if (m_remaining > 0)
    return;
  m_waiting = 0;
  if (const Token *timeout = handlerFor(SYM(L"timeout"))) {
    Token procedure(*timeout);
    startHandler(procedure, SYM(L"timeout"), Token(0.0f));
  }
}

} // namespace quip
