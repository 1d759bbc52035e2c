#include "quip/builtins/CallerManager.h"

#include "quip/Interpreter.h"
#include "quip/ScriptManager.h"
#include "quip/ScriptManagerRegistry.h"

namespace quip {

ScriptManager *callerManager(Interpreter *interpreter, int *error, const char *function) {
  ScriptManager *manager = interpreter->scriptManager();
  if (!manager)
    builtinError(interpreter, error, function, L"no script manager");
  return manager;
}

ScriptManager *managerNamed(Interpreter *interpreter, int *error, const char *function,
                            Symbol name) {
  ScriptManager *own = interpreter->scriptManager();
  ScriptManager *found = own && own->registry() ? own->registry()->find(name) : nullptr;
  if (!found)
    builtinError(interpreter, error, function, String(L"no script manager named ") + name.text());
  return found;
}

} // namespace quip
