#pragma once
// A named scheduler of interpreters. All of its scripts share two
// dictionaries: the builtins and the globals that script libraries fill. Each
// interpreter looks names up in its own locals, then the globals, then the
// builtins.

#include "container/Vector.h"
#include "quip/Interpreter.h"

namespace quip {

class ScriptManagerRegistry;

class ScriptManager {
public:
  // Registers itself under its name (replacing an entry of that name).
  ScriptManager(ScriptManagerRegistry &registry, Symbol name);
  // A manager in no registry.
  explicit ScriptManager(Symbol name);
  ScriptManager(const ScriptManager &) = delete;
  ScriptManager &operator=(const ScriptManager &) = delete;
  ~ScriptManager();

  Symbol name() const { return m_name; }
  ScriptManagerRegistry *registry() const { return m_registry; }
  Dictionary &globals() { return m_globals; }
  Dictionary &builtins() { return m_builtins; }

  // New interpreters join the end of the running list; they run from the
  // next update (or later in the current one).
  Interpreter *spawn(Symbol name, const Array &procedure);
  Interpreter *spawn(const Array &procedure);
  // The same from a token holding the procedure (anything else runs nothing).
  Interpreter *spawn(Symbol name, const Token &code);
  Interpreter *spawn(const Token &code);
  Interpreter *spawnFile(const String &path);
  Interpreter *spawnNamed(Symbol name);

  // Runs the interpreter to completion and returns its top operand (an error
  // token, after "stack underflow", when it left none); it is then removed
  // and deleted.
  Token finish(Interpreter *interpreter);
  Token evaluateFile(const String &path);
  Token runNamed(Symbol name);

  bool hasProcedure(Symbol name) const { return m_globals.lookup(name) != nullptr; }
  void mergeGlobals(const Dictionary &dictionary) { m_globals.merge(dictionary); }
  void mergeBuiltins(const Dictionary &dictionary) { m_builtins.merge(dictionary); }
  bool loadScriptLibrary(const String &path);
  bool defineProcedure(const String &text, Symbol name);

  // Runs every interpreter once with the budget; finished ones are removed.
  // Returns the number left in the list.
  uint32_t update(unsigned int maxSteps, float dt);
  // Up to `frames` updates in one go, for a driver that does nothing between
  // them (a command-line run). While a single interpreter runs alone, no
  // script can tell where one update ends and the next begins, so it runs on
  // across them without leaving its step loop; the run ends with the update
  // in which a script was spawned, which must then run in that same update,
  // or when the interpreter waits or finishes. Otherwise this is update().
  // Returns the number of interpreters left in the list.
  uint32_t updateFrames(unsigned int frames, unsigned int maxSteps, float dt);
  // Counts spawns, so that a run can tell that the list has grown.
  uint32_t spawnCount() const { return m_spawns; }

  Interpreter *findRunning(Symbol name) const;
  uint32_t runningCount() const;
  bool contains(const Interpreter *interpreter) const;
  Interpreter *interpreterAt(uint32_t index) const;
  uint32_t size() const { return m_running.size(); }

  bool halt(Symbol name);
  void haltAll();
  void removeFinished();

private:
  friend class ScriptManagerRegistry;
  void prepare(Interpreter *interpreter);
  // Removes and deletes, unless the interpreter is the one now running.
  void remove(Interpreter *interpreter);
  bool isRunning(const Interpreter *interpreter) const;
  // update() from the interpreter at index i on; the one before it has run.
  uint32_t updateFrom(uint32_t i, unsigned int maxSteps, float dt);
  // After the interpreter at index i has run: removes it when it finished;
  // the index of the next one to run.
  uint32_t afterRun(uint32_t i, Interpreter *interpreter);

  Symbol m_name;
  ScriptManagerRegistry *m_registry;
  container::Vector<Interpreter *> m_running;
  Dictionary m_globals;
  Dictionary m_builtins;
  // The interpreters whose run is under way (update may nest through builtins).
  container::Vector<Interpreter *> m_active;
  uint32_t m_spawns = 0;
};

} // namespace quip
