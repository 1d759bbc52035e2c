// Script control builtins:
// "spawnNamed", "spawnRemoteNamed", "wait", "select", "sendMessage",
// "sendRemoteMessage", "halt", "haltAll", "beginAtomic", "endAtomic",
// "currentScriptManager".

#include "quip/builtins/ScriptControlBuiltins.h"

#include "file/Database.h"
#include "quip/ScriptManager.h"
#include "quip/ScriptManagerRegistry.h"
#include "quip/builtins/CallerManager.h"

namespace quip {

namespace {

uint32_t post(ScriptManager *manager, Symbol interpreterName, Symbol message, const Token &data) {
  uint32_t posted = 0;
  for (uint32_t i = 0; i < manager->size(); ++i) {
    Interpreter *receiver = manager->interpreterAt(i);
    if (receiver->name() == interpreterName && !receiver->isFinished()) {
      receiver->postMessage(message, data);
      ++posted;
    }
  }
  return posted;
}

} // namespace

void builtin_spawnNamed(Interpreter *interpreter, int *error) {
  Token name, script;
  if (!popArgument(interpreter, error, __func__, L"name", TYPE_SYMBOL, name))
    return;
  if (!popArgument(interpreter, error, __func__, L"script", TYPE_ARRAY, script))
    return;
  if (ScriptManager *manager = callerManager(interpreter, error, __func__))
    manager->spawn(name.symbol(), script.array());
}

void builtin_spawnRemoteNamed(Interpreter *interpreter, int *error) {
  Token interpreterName, managerName, script;
  if (!popArgument(interpreter, error, __func__, L"interpreterName", TYPE_SYMBOL, interpreterName))
    return;
  if (!popArgument(interpreter, error, __func__, L"managerName", TYPE_SYMBOL, managerName))
    return;
  if (!popArgument(interpreter, error, __func__, L"script", TYPE_ARRAY, script))
    return;
  if (ScriptManager *manager = managerNamed(interpreter, error, __func__, managerName.symbol()))
    manager->spawn(interpreterName.symbol(), script.array());
}

void builtin_wait(Interpreter *interpreter, int *error) {
  Token delay;
  if (popArgument(interpreter, error, __func__, L"delay", TYPE_NUMBER, delay))
    interpreter->wait(delay.number());
}

void builtin_select(Interpreter *interpreter, int *error) {
  Token timeout, handlers;
  if (!popArgument(interpreter, error, __func__, L"timeout", TYPE_NUMBER, timeout))
    return;
  if (!popArgument(interpreter, error, __func__, L"handlers", TYPE_DICTIONARY, handlers))
    return;
  interpreter->waitForMessages(timeout.number(), handlers.dictionary());
}

void builtin_sendMessage(Interpreter *interpreter, int *error) {
  Token data, messageId, interpreterName;
  if (!popArgument(interpreter, error, __func__, data))
    return;
  if (!popArgument(interpreter, error, __func__, L"messageId", TYPE_SYMBOL, messageId))
    return;
  if (!popArgument(interpreter, error, __func__, L"interpreterName", TYPE_SYMBOL, interpreterName))
    return;
  ScriptManager *manager = interpreter->scriptManager();
  uint32_t posted = manager ? post(manager, interpreterName.symbol(), messageId.symbol(), data) : 0;
  interpreter->push(Token(float(posted)));
}

void builtin_sendRemoteMessage(Interpreter *interpreter, int *error) {
  Token data, messageId, interpreterName, managerName;
  if (!popArgument(interpreter, error, __func__, data))
    return;
  if (!popArgument(interpreter, error, __func__, L"messageId", TYPE_SYMBOL, messageId))
    return;
  if (!popArgument(interpreter, error, __func__, L"interpreterName", TYPE_SYMBOL, interpreterName))
    return;
  if (!popArgument(interpreter, error, __func__, L"scriptManagerName", TYPE_SYMBOL, managerName))
    return;
  // A manager that the current database does not know receives nothing.
  Database *database = Database::current();
  ScriptManager *manager =
      database ? database->scriptManagers().find(managerName.symbol()) : nullptr;
  uint32_t posted = manager ? post(manager, interpreterName.symbol(), messageId.symbol(), data) : 0;
  interpreter->push(Token(float(posted)));
}

void builtin_halt(Interpreter *interpreter, int *) { interpreter->finish(); }

void builtin_haltAll(Interpreter *interpreter, int *error) {
  Token managerName;
  if (!popArgument(interpreter, error, __func__, L"managerName", TYPE_SYMBOL, managerName))
    return;
  if (ScriptManager *manager = managerNamed(interpreter, error, __func__, managerName.symbol()))
    manager->haltAll();
}

void builtin_beginAtomic(Interpreter *interpreter, int *) { interpreter->beginAtomic(); }

void builtin_endAtomic(Interpreter *interpreter, int *) { interpreter->endAtomic(); }

void builtin_currentScriptManager(Interpreter *interpreter, int *) {
  ScriptManager *manager = interpreter->scriptManager();
  interpreter->push(Token(manager ? manager->name() : Symbol::emptySymbol(), true));
}

} // namespace quip
