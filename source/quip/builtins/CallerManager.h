#pragma once
// The script managers a builtin acts on: the caller's own, or one named in
// its registry. Both report a builtin error when there is none.

#include "quip/Builtin.h"
#include "xstring/Symbol.h"

namespace quip {

class ScriptManager;

ScriptManager *callerManager(Interpreter *interpreter, int *error, const char *function);
ScriptManager *managerNamed(Interpreter *interpreter, int *error, const char *function,
                            Symbol name);

} // namespace quip
