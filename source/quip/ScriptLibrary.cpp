// The manager's operations on script files: spawning and evaluating them, and
// loading libraries of definitions into the globals.

#include "quip/ScriptFile.h"
#include "quip/ScriptManager.h"

namespace quip {

namespace {
bool loaded(const Array &code) {
  return code.count() != 0 && !(code.count() == 1 && code[0].isError());
}
} // namespace

Interpreter *ScriptManager::spawnFile(const String &path) {
  return spawn(Symbol::intern(path), loadScript(path));
}

Token ScriptManager::evaluateFile(const String &path) { return finish(spawnFile(path)); }

bool ScriptManager::loadScriptLibrary(const String &path) {
  Array code = loadScript(path);
  if (!loaded(code))
    return false;
  // The library runs over the builtins and a dictionary of its own (not the
  // globals), and hands its definitions over as one dictionary.
  Interpreter library(Symbol::emptySymbol(), this);
  library.pushDictionary(m_builtins);
  library.pushDictionary(Dictionary());
  library.pushProcedure(code);
  const unsigned int slice = 1000;
  while (library.run(slice, 0) == slice) {
  }
  if (library.stackSize() != 1 || !library.operands()[0].isDictionary())
    return false;
  m_globals.merge(library.operands()[0].dictionary());
  return true;
}

} // namespace quip
