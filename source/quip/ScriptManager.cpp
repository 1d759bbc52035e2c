#include "quip/ScriptManager.h"

#include "quip/Builtin.h"
#include "quip/Parser.h"
#include "quip/ScriptManagerRegistry.h"

namespace quip {

ScriptManager::ScriptManager(ScriptManagerRegistry &registry, Symbol name)
    : m_name(name), m_registry(&registry) {
  registry.put(name, this);
  if (BuiltinRegistrar registrar = builtinRegistrar())
    registrar(m_builtins, false);
}

ScriptManager::ScriptManager(Symbol name) : m_name(name), m_registry(nullptr) {
  if (BuiltinRegistrar registrar = builtinRegistrar())
    registrar(m_builtins, false);
}

ScriptManager::~ScriptManager() {
  if (m_registry)
    m_registry->remove(m_name, this);
  for (uint32_t i = 0; i < m_running.size(); ++i)
    delete m_running[i];
}

void ScriptManager::prepare(Interpreter *interpreter) {
  interpreter->pushDictionary(m_builtins);
  interpreter->pushDictionary(m_globals);
  interpreter->pushDictionary(Dictionary());
}

Interpreter *ScriptManager::spawn(Symbol name, const Array &procedure) {
  Interpreter *interpreter = new Interpreter(name, this);
  prepare(interpreter);
  interpreter->pushProcedure(procedure);
  m_running.push(interpreter);
  ++m_spawns;
  return interpreter;
}

Interpreter *ScriptManager::spawn(const Array &procedure) {
  return spawn(Symbol::emptySymbol(), procedure);
}

Interpreter *ScriptManager::spawn(Symbol name, const Token &code) {
  return spawn(name, code.isArray() ? code.array() : Array(0));
}

Interpreter *ScriptManager::spawn(const Token &code) { return spawn(Symbol::emptySymbol(), code); }

Interpreter *ScriptManager::spawnNamed(Symbol name) {
  const Token *procedure = m_globals.lookupTyped(name, TYPE_ARRAY);
  return spawn(name, procedure && procedure->isArray() ? procedure->array() : Array(0));
}

Token ScriptManager::finish(Interpreter *interpreter) {
  interpreter->runToCompletion();
  Token result;
  if (Token *top = interpreter->top())
    result = *top;
  remove(interpreter);
  return result;
}

Token ScriptManager::runNamed(Symbol name) { return finish(spawnNamed(name)); }

bool ScriptManager::defineProcedure(const String &text, Symbol name) {
  Array tokens = translate(text, String(L"<") + name.text() + L">");
  if (tokens.count() == 0 || (tokens.count() == 1 && tokens[0].isError()))
    return false;
  m_globals.set(name, Token(tokens, true));
  return true;
}

bool ScriptManager::isRunning(const Interpreter *interpreter) const {
  for (uint32_t i = 0; i < m_active.size(); ++i)
    if (m_active[i] == interpreter)
      return true;
  return false;
}

void ScriptManager::remove(Interpreter *interpreter) {
  if (isRunning(interpreter))
    return;
  int index = m_running.indexOf(interpreter);
  if (index < 0)
    return;
  m_running.removeAt(uint32_t(index));
  delete interpreter;
}

uint32_t ScriptManager::update(unsigned int maxSteps, float dt) {
  return updateFrom(0, maxSteps, dt);
}

uint32_t ScriptManager::updateFrom(uint32_t i, unsigned int maxSteps, float dt) {
  while (i < m_running.size()) {
    Interpreter *interpreter = m_running[i];
    m_active.push(interpreter);
    interpreter->run(maxSteps, dt);
    m_active.pop();
    i = afterRun(i, interpreter);
  }
  return m_running.size();
}

uint32_t ScriptManager::afterRun(uint32_t i, Interpreter *interpreter) {
  // The run may have spawned, finished or removed interpreters: find this
  // one again by identity.
  int index = m_running[i] == interpreter ? int(i) : m_running.indexOf(interpreter);
  if (index < 0)
    return i;
  if (interpreter->isFinished() && interpreter->atomicDepth() < 1 && !isRunning(interpreter)) {
    m_running.removeAt(uint32_t(index));
    delete interpreter;
    return uint32_t(index);
  }
  return uint32_t(index) + 1;
}

uint32_t ScriptManager::updateFrames(unsigned int frames, unsigned int maxSteps, float dt) {
  // The steps of all the frames must be countable in one run.
  if (maxSteps != 0 && frames > (1u << 30) / maxSteps)
    frames = (1u << 30) / maxSteps;
  if (frames < 2 || maxSteps == 0 || m_running.size() != 1 || !m_active.isEmpty() ||
      m_running[0]->state() != Interpreter::RUNNING)
    return update(maxSteps, dt);
  Interpreter *interpreter = m_running[0];
  m_active.push(interpreter);
  interpreter->runFrames(frames, maxSteps);
  m_active.pop();
  // The rest of the update the run ended in: scripts spawned in it run now.
  return updateFrom(afterRun(0, interpreter), maxSteps, dt);
}

Interpreter *ScriptManager::findRunning(Symbol name) const {
  for (uint32_t i = 0; i < m_running.size(); ++i)
    if (m_running[i]->name() == name && !m_running[i]->isFinished())
      return m_running[i];
  return nullptr;
}

uint32_t ScriptManager::runningCount() const {
  uint32_t n = 0;
  for (uint32_t i = 0; i < m_running.size(); ++i)
    if (!m_running[i]->isFinished())
      ++n;
  return n;
}

bool ScriptManager::contains(const Interpreter *interpreter) const {
  for (uint32_t i = 0; i < m_running.size(); ++i)
    if (m_running[i] == interpreter)
      return true;
  return false;
}

Interpreter *ScriptManager::interpreterAt(uint32_t index) const {
  return index < m_running.size() ? m_running[index] : nullptr;
}

bool ScriptManager::halt(Symbol name) {
  bool found = false;
  for (uint32_t i = 0; i < m_running.size(); ++i) {
    if (m_running[i]->name() == name) {
      m_running[i]->finish();
      found = true;
    }
  }
  return found;
}

void ScriptManager::haltAll() {
  for (uint32_t i = 0; i < m_running.size(); ++i)
    m_running[i]->finish();
}

void ScriptManager::removeFinished() {
  for (uint32_t i = 0; i < m_running.size();) {
    Interpreter *interpreter = m_running[i];
    if (interpreter->isFinished() && interpreter->atomicDepth() < 1 && !isRunning(interpreter)) {
      m_running.removeAt(i);
      delete interpreter;
    } else {
      ++i;
    }
  }
}

} // namespace quip
