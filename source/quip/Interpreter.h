#pragma once
// One running script: an operand stack, a procedure stack (procedures being
// run, each with the position of its next token), a dictionary stack for name
// look-up, an atomic depth and a wait for time or messages. A step fetches one
// token and executes it; managers give each run a budget of steps.

#include "container/Vector.h"
#include "error/Assert.h"
#include "quip/Token.h"

class Database;

namespace quip {

class ScriptManager;
class Interpreter;

struct ProcedureFrame {
  ProcedureFrame() : procedure(Array::NoBody()) {}
  ProcedureFrame(const Array &body, uint32_t start) : procedure(body), position(start) {}
  Array procedure;
  uint32_t position = 0;
};

// The waiting condition of an interpreter: a countdown, the handlers of the
// wait (message symbol -> procedure) and the messages queued for it.
class MessageWait {
public:
  explicit MessageWait(Interpreter *owner) : m_interpreter(owner) {}

  bool isWaiting() const { return m_waiting != 0; }
  float remaining() const { return m_remaining; }
  void start(float seconds, const Dictionary &handlers);
  // Ends the wait without a handler.
  void cancel() { m_waiting = 0; }
  void post(Symbol message, const Token &value);
  // Moves the wait on by dt seconds: a queued message with a handler, then
  // "otherwise", then the countdown and "timeout".
  void advance(float dt);

  uint32_t queuedCount() const { return m_names.size(); }
  Symbol queuedName(uint32_t i) const { return m_names[i]; }

private:
  const Token *handlerFor(Symbol message) const;
  void startHandler(const Token &handler, Symbol message, const Token &value);

  Interpreter *m_interpreter;
  uint8_t m_waiting = 0;
  float m_remaining = 0;
  Dictionary m_handlers;
  container::Vector<Symbol> m_names;
  container::Vector<Token> m_values;
};

class Interpreter {
public:
  enum State { RUNNING = 0, ATOMIC = 1, WAITING = 2, FINISHED = 3 };

  Interpreter(Symbol name, ScriptManager *manager);
  Interpreter(const Interpreter &) = delete;
  Interpreter &operator=(const Interpreter &) = delete;
  ~Interpreter();

  Symbol name() const { return m_name; }
  ScriptManager *scriptManager() const { return m_manager; }
  // The database whose registry holds the manager, or null.
  Database *database() const;

  State state() const {
    if (m_finished)
      return FINISHED;
    if (m_wait.isWaiting())
      return WAITING;
    if (m_atomicDepth > 0)
      return ATOMIC;
    return RUNNING;
  }

  // Operand stack.
  void push(const Token &token) { m_operands.append(token); }
  // Moves the top token into out; on an empty stack reports "stack underflow"
  // and leaves out as it was.
  void pop(Token &out) {
    if (m_operands.count() == 0) {
      reportError(L"stack underflow");
      return;
    }
    out.swap(m_operands.last());
    m_operands.dropLast();
  }
  // The top token moved out; an error token after "stack underflow".
  Token pop() {
    Token out;
    pop(out);
    return out;
  }
  Token *top();
  Token *peek(uint32_t depth);
  uint32_t stackSize() const { return m_operands.count(); }
  // The operand stack itself (index 0 at the bottom), for builtins that work
  // on stack slots.
  Array &operands() { return m_operands; }

  // Dictionary stack (index 0 of the accessors is the top).
  void pushDictionary(const Dictionary &dictionary) {
    m_dictionaries.push(new Dictionary(dictionary));
    m_dictionaries.last()->enterScope();
    bindingsChanged();
  }
  // Handles on the stack may be stored through, never moved to another body.
  Dictionary *dictionaryAt(uint32_t depth);
  Dictionary *topDictionary();
  // The same without a report: null when the stack is empty.
  Dictionary *topDictionaryIfAny() const {
    return m_dictionaries.isEmpty() ? nullptr : m_dictionaries.last();
  }
  // Refuses to expose the manager's two shared dictionaries.
  bool popDictionary(Dictionary *out = nullptr);
  uint32_t dictionaryDepth() const { return m_dictionaries.size(); }
  // The value of a name, searched from the top dictionary down; null when
  // undefined (reported as "undefined symbol: " + name when asked).
  [[gnu::always_inline]] Token *lookup(Symbol name, bool reportUndefined = false) {
    Token *value = resolve(name);
    if (!value && reportUndefined)
      undefinedLookup(name);
    return value;
  }
  // The entry of the top dictionary that a name is bound in, or null when
  // the top dictionary does not hold it.
  [[gnu::always_inline]] Token *lookupInTop(Symbol name) {
    if (!resolve(name))
      return nullptr;
    uintptr_t offset = uintptr_t(name.identity()) & ((kNameCacheSize - 1) * sizeof(CachedName));
    uintptr_t value =
        reinterpret_cast<CachedName *>(reinterpret_cast<char *>(m_nameCache) + offset)->value;
    return value & 1 ? slotOf(value) : nullptr;
  }
  // Executes a name as a procedure's executable symbol is executed.
  void executeName(Symbol name);

  // Procedure stack. An empty procedure is not pushed.
  [[gnu::always_inline]] void pushProcedure(const Array &procedure, uint32_t position = 0) {
    if (procedure.count() == 0)
      return;
    pushFilled(procedure, position);
  }
  // The same for a procedure known to hold tokens.
  [[gnu::always_inline]] void pushFilled(const Array &procedure, uint32_t position = 0) {
    pushFilledBody(procedure.m_body, position);
  }
  // The same, taking the handle over (no reference is counted); the moved-from
  // handle may only be assigned to or destroyed.
  [[gnu::always_inline]] void pushProcedure(Array &&procedure) {
    if (procedure.count() == 0)
      return;
    uint32_t n = m_procedures.size();
    if (n == m_procedures.capacity()) {
      growProcedures(std::move(procedure), 0);
      return;
    }
    ProcedureFrame &frame = m_procedures[n];
    CORVANE_ASSERT(frame.procedure.m_body == nullptr);
    frame.procedure.m_body = procedure.m_body;
    procedure.m_body = nullptr;
    frame.position = 0;
    m_procedures.setSize(n + 1);
    m_top = &frame;
  }
  ProcedureFrame *procedureAt(uint32_t depth);
  ProcedureFrame *topProcedure();
  bool popProcedure();
  uint32_t procedureDepth() const { return m_procedures.size(); }

  void beginAtomic() { ++m_atomicDepth; }
  void endAtomic() { --m_atomicDepth; }
  int atomicDepth() const { return m_atomicDepth; }

  // Waits are refused while atomic: nothing would ever advance them.
  void wait(float seconds);
  void waitForMessages(float seconds, const Dictionary &handlers);
  void postMessage(Symbol message, const Token &value) { m_wait.post(message, value); }
  MessageWait &messageWait() { return m_wait; }

  // Empties the procedure and dictionary stacks, clears the atomic depth and
  // marks the interpreter finished; the operand stack is kept.
  void finish();
  bool isFinished() const { return m_finished != 0; }

  // "\n\nScriptManager: <manager>\nInterpreter: <name>\n\n<message>", printed
  // to standard output only when diagnostics are on.
  void reportError(const String &message);
  void reportError(const wchar_t *message);

  void step();
  // Steps under a budget; the result counts the steps spent (see the manager).
  unsigned int run(unsigned int maxSteps, float dt);
  // Runs atomically until finished; a wait met on the way ends at once.
  int runToCompletion();
  // The runs of up to `frames` manager updates of frameSteps steps each, in
  // one go, for an interpreter that runs alone in its manager and is running
  // (ScriptManager::updateFrames): the same steps as that many runs, ending
  // early when it waits or finishes, or with the update in which a script
  // was spawned. Returns the steps counted (plus one when it ended early).
  unsigned int runFrames(unsigned int frames, unsigned int frameSteps);

  // Translates the text and pushes it as a procedure; false when it yields
  // nothing to run.
  bool pushSource(const String &text, const String &sourceName);

private:
  // execute, executeBound and advance answer whether the state may have
  // changed: only a builtin or finishing changes it.
  [[gnu::always_inline]] inline bool execute(const Token &token);
  // push() for a token whose payload is copied bit for bit.
  void pushPlain(const Token &token) {
    uint32_t n = m_operands.count();
    if (n < m_operands.capacity()) {
      m_operands.get(n)->assignPlain(token);
      m_operands.m_body->count = n + 1;
      return;
    }
    push(token);
  }
  // Reports "undefined symbol: " + name.
  [[gnu::noinline]] void undefinedLookup(Symbol name);
  [[gnu::always_inline]] inline bool executeBound(Symbol name);
  // An executed name bound nowhere (out of line: the hot path needs no frame).
  [[gnu::noinline]] void undefinedName(Symbol name);
  // The steps of run(), with the state of the step loop in locals; the
  // result is the count of steps spent, maxSteps when the budget is used up.
  unsigned int runCounted(unsigned int maxSteps, unsigned int count);
  // Steps until the state changes (a budget too large to end).
  void runUncounted() { runCounted(~0u, 0); }
  // In runFrames: the steps of a frame (0 in any other run), the limit of
  // the whole run, and the manager's spawn count when last looked at.
  uint32_t m_frameSteps = 0;
  unsigned int m_frameLimit = 0;
  uint32_t m_spawnsSeen = 0;
  // In runFrames, after a counted builtin step: when a script has been
  // spawned since, the run is cut to the end of the frame it is in (the
  // spawned script runs in that same update). done counts the steps so far,
  // the builtin's included; true when the cut run ends now.
  [[gnu::noinline]] bool cutFrames(unsigned int &maxSteps, unsigned int &remaining);
  bool spawnedSince() const;
  // After a builtin run by the compiled loop: whether it may go on itself.
  inline bool goesOnAfterCall(State entered) const;
  // A fresh stamp for the current binding epoch: unique to this interpreter
  // and that epoch, it marks the builtins executable names remember.
  [[gnu::noinline]] void renewStamp();
  uint32_t m_stamp = 0;
  uint64_t m_stampEpoch = 0;
  // run() from a count of steps already spent.
  [[gnu::noinline]] unsigned int runOn(unsigned int maxSteps, unsigned int count);
  // One step of a running or atomic interpreter (step() without its checks).
  [[gnu::always_inline]] inline bool advance();
  // The same, out of line: whether the state may have changed.
  [[gnu::noinline]] bool advanceOnce();

  // How a run of compiled steps ended: the frames may have changed (look at
  // them again), a builtin ran (the state may have changed too), or the
  // budget is spent. Every step taken has been counted.
  enum CodeExit { CODE_EXIT_RELOAD, CODE_EXIT_LEAVE, CODE_EXIT_BUDGET };
  // Runs the top frame, from position on, by its compiled form, and the
  // frames after it while they have one for the stamp.
  CodeExit runCode(ProcedureCode *code, uint32_t position, unsigned int &remaining,
                   inlined::Operands &stack, uint32_t stamp);
  // The body's compiled form for this stamp, compiled now when the body has
  // been entered often enough without one; null to run it token by token.
  [[gnu::noinline]] ProcedureCode *codeFor(ArrayBody *body, uint32_t stamp);
  // pushFilled() of a procedure's body.
  [[gnu::always_inline]] void pushFilledBody(ArrayBody *body, uint32_t position = 0) {
    uint32_t n = m_procedures.size();
    if (n == m_procedures.capacity()) {
      growBody(body, position);
      return;
    }
    // Every slot above the top holds a frame without a body (frames are
    // popped only by taking or releasing it): fill the next one in place.
    ProcedureFrame &frame = m_procedures[n];
    CORVANE_ASSERT(frame.procedure.m_body == nullptr);
    frame.procedure.m_body = body;
    ++body->references;
    frame.position = position;
    m_procedures.setSize(n + 1);
    m_top = &frame;
  }
  // growProcedures() with a reference of its own on the body.
  [[gnu::noinline]] void growBody(ArrayBody *body, uint32_t position);
  // pushProcedure() of a procedure's body.
  [[gnu::always_inline]] void pushBody(ArrayBody *body) {
    if (body->count != 0)
      pushFilledBody(body);
  }
  // The top frame goes before its last token runs (a call in last position
  // does not keep its caller's frame); its body lives on until the next one
  // goes, since that token still runs.
  // The top frame, whose last token is running, gives way to a procedure:
  // nothing of its body is needed any more, so the frame is reused.
  [[gnu::always_inline]] void replaceTop(ArrayBody *body) {
    if (body->count == 0) {
      retireTop();
      return;
    }
    replaceTopBody(body);
  }
  // The same for a body known to hold tokens.
  [[gnu::always_inline]] void replaceTopBody(ArrayBody *body) {
    ArrayBody *old = m_top->procedure.m_body;
    ++body->references;
    m_top->procedure.m_body = body;
    m_top->position = 0;
    if (--old->references == 0)
      Array::destroy(old);
  }
  [[gnu::always_inline]] void retireTop() {
    m_retired.releaseBody();
    m_retired = std::move(m_top->procedure);
    dropTopFrame();
  }

  Symbol m_name;
  ScriptManager *m_manager;
  Array m_operands;
  container::Vector<Dictionary *> m_dictionaries;
  // Recent name resolutions: the value slot where a name was found, all
  // valid while the binding epoch they were made in holds, and forgotten
  // together when it changes. A slot is a dictionary entry, which stays put
  // until its key is removed or its body freed (a body is freed only after
  // it has left the stack; both change the epoch); a
  // store into an existing entry changes the slot's value in place.
  // The slot's address has its low bit set when the name was found in the
  // top dictionary ("def" stores over such a slot without a search); a push
  // or pop of a dictionary changes the epoch.
  struct CachedName {
    const void *name;
    uintptr_t value;
  };
  static Token *slotOf(uintptr_t value) { return reinterpret_cast<Token *>(value & ~uintptr_t(1)); }
  static constexpr uint32_t kNameCacheSize = 64;
  CachedName m_nameCache[kNameCacheSize] = {};
  uint64_t m_nameCacheEpoch = 0;
  [[gnu::always_inline]] Token *resolve(Symbol name) {
    if (m_nameCacheEpoch != g_bindingEpoch)
      forgetNames();
    return resolveCached(name);
  }
  // resolve() where the epoch is known to be the cache's.
  [[gnu::always_inline]] Token *resolveCached(Symbol name) {
    // Symbols are allocated 16-byte aligned: the bits above those pick the
    // entry, already scaled to its size.
    static_assert(sizeof(CachedName) == 16);
    uintptr_t offset = uintptr_t(name.identity()) & ((kNameCacheSize - 1) * sizeof(CachedName));
    CachedName &cached =
        *reinterpret_cast<CachedName *>(reinterpret_cast<char *>(m_nameCache) + offset);
    if (cached.name == name.identity())
      return slotOf(cached.value);
    return resolveUncached(name, cached);
  }
  [[gnu::noinline]] void forgetNames();
  [[gnu::noinline]] Token *resolveUncached(Symbol name, CachedName &cached);
  container::Vector<ProcedureFrame> m_procedures;
  // The top frame, or null when the procedure stack is empty (each step
  // starts from it).
  ProcedureFrame *m_top = nullptr;
  // Pushes a frame when the procedure stack is full.
  [[gnu::noinline]] void growProcedures(Array &&procedure, uint32_t position);
  // Pops the top frame, whose body the caller has taken or released.
  [[gnu::always_inline]] void dropTopFrame() {
    uint32_t n = m_procedures.size() - 1;
    m_procedures.setSize(n);
    m_top = n ? m_top - 1 : nullptr;
  }
  int m_atomicDepth = 0;
  MessageWait m_wait;
  uint8_t m_finished = 0;
  // The procedure whose last token is executing: its frame is already gone,
  // but the token must outlive the step.
  Array m_retired;
};

// The process-wide diagnostics switch (off at start).
void setDiagnostics(bool on);
bool diagnostics();

} // namespace quip
