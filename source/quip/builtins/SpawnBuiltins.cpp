// Spawning and code-loading builtins:
// "spawn", "spawnRemote", "spawnToCompletion", "read", "parse", "deserialize".

#include "quip/builtins/SpawnBuiltins.h"

#include "file/FileStatus.h"
#include "quip/Limits.h"
#include "quip/Parser.h"
#include "quip/ScriptFile.h"
#include "quip/ScriptManager.h"
#include "quip/Serializer.h"
#include "quip/builtins/CallerManager.h"

namespace quip {

namespace {

// Runs to completion nested inside one another on this thread.
thread_local int t_completionDepth = 0;

} // namespace

void builtin_spawn(Interpreter *interpreter, int *error) {
  Token script;
  if (!popArgument(interpreter, error, __func__, L"script", TYPE_ARRAY, script))
    return;
  if (ScriptManager *manager = callerManager(interpreter, error, __func__))
    manager->spawn(script.array());
}

void builtin_spawnRemote(Interpreter *interpreter, int *error) {
  Token managerName, script;
  if (!popArgument(interpreter, error, __func__, L"managerName", TYPE_SYMBOL, managerName))
    return;
  if (!popArgument(interpreter, error, __func__, L"script", TYPE_ARRAY, script))
    return;
  if (ScriptManager *manager = managerNamed(interpreter, error, __func__, managerName.symbol()))
    manager->spawn(script.array());
}

void builtin_spawnToCompletion(Interpreter *interpreter, int *error) {
  Token script;
  if (!popArgument(interpreter, error, __func__, L"script", TYPE_ARRAY, script))
    return;
  ScriptManager *manager = callerManager(interpreter, error, __func__);
  if (!manager)
    return;
  // Each run nests inside the caller's on the C stack.
  if (t_completionDepth >= kMaxSpawnDepth) {
    builtinError(interpreter, error, __func__, L"nested too deeply");
    return;
  }
  ++t_completionDepth;
  manager->spawn(script.array())->runToCompletion();
  --t_completionDepth;
}

void builtin_read(Interpreter *interpreter, int *error) {
  Token path;
  if (!popArgument(interpreter, error, __func__, L"scriptFile", TYPE_STRING, path))
    return;
  Array code = loadScript(path.string());
  if (code.count() == 0) {
    builtinError(interpreter, error, __func__, String(L"Unable to parse script: ") + path.string());
    return;
  }
  interpreter->pushProcedure(code);
}

void builtin_parse(Interpreter *interpreter, int *error) {
  Token source;
  if (!popArgument(interpreter, error, __func__, L"source", TYPE_STRING, source))
    return;
  Array code = translate(source.string(), String(L"<<data>>"));
  if (code.count() == 1 && code[0].isError()) {
    interpreter->push(Token(L"Parse Failed"));
    interpreter->push(Token(falseSymbol(), true));
  } else if (code.count() != 0) {
    interpreter->push(Token(code, true));
    interpreter->push(Token(trueSymbol(), true));
  } else {
    interpreter->push(Token(L"Parse Failed: No code generated"));
    interpreter->push(Token(falseSymbol(), true));
  }
}

void builtin_deserialize(Interpreter *interpreter, int *error) {
  Token source;
  if (!popArgument(interpreter, error, __func__, L"source", TYPE_STRING, source))
    return;
  // A missing file would stop the program inside the reader: it is a script
  // error instead, and the value is an error token.
  if (!file::exists(source.string()) || file::isDirectory(source.string())) {
    builtinError(interpreter, error, __func__,
                 String(L"Unable to open value file: ") + source.string());
    interpreter->push(Token());
    return;
  }
  Serializer serializer(source.string());
  Token value = serializer.read();
  if (!serializer.opened())
    builtinError(interpreter, error, __func__,
                 String(L"Unable to open value file: ") + source.string());
  interpreter->push(value);
}

} // namespace quip
