// Runs arbitrary scripts two ways and traps when they differ: in budgeted
// runs, the way script managers advance them, and as single steps counted by
// the rule of a run (atomic steps uncounted, the budget ends a run with its
// own value, waiting or finishing with the count plus one). The budgeted loop
// keeps frame positions, the operand count and remembered builtins in locals;
// single steps keep nothing, so any difference is a fault of the loop.
//
// Builtins that reach outside the script (files, platform, other scripts,
// random numbers), that can run without end inside one run (atomic sections)
// or that can double memory at every step are unbound first.

#include "quip/Parser.h"
#include "quip/ScriptManager.h"
#include "quip/builtins/BuiltinTable.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>

namespace {

const wchar_t *const kUnbound[] = {L"random",
                                   L"constructRandomVector2D",
                                   L"atRandom",
                                   L"fileExists",
                                   L"quipFileExists",
                                   L"read",
                                   L"deserialize",
                                   L"spawn",
                                   L"spawnToCompletion",
                                   L"spawnNamed",
                                   L"spawnRemote",
                                   L"spawnRemoteNamed",
                                   L"sendMessage",
                                   L"sendRemoteMessage",
                                   L"halt",
                                   L"haltAll",
                                   L"beginAtomic",
                                   L"endAtomic",
                                   L"currentScriptManager",
                                   L"listDrives",
                                   L"listFiles",
                                   L"listSubdirectories",
                                   L"absolutePath",
                                   L"databasePath",
                                   L"defaultDatabase",
                                   L"compileDate",
                                   L"compileDateAndTime",
                                   L"operatingSystem",
                                   L"break",
                                   L"array",
                                   L"fill",
                                   L"concat",
                                   L"appendArray",
                                   L"sprintf",
                                   L"print",
                                   L"println",
                                   L"dump",
                                   L"mergeDictionary"};

quip::ScriptManager *makeManager(const char *name) {
  auto *manager = new quip::ScriptManager(Symbol::intern(String::fromUtf8(name)));
  for (const wchar_t *unbound : kUnbound)
    manager->builtins().remove(Symbol::intern(unbound));
  return manager;
}

unsigned int runBySteps(quip::Interpreter *interpreter, unsigned int maxSteps) {
  unsigned int count = 0;
  for (;;) {
    quip::Interpreter::State state = interpreter->state();
    if (state == quip::Interpreter::RUNNING) {
      interpreter->step();
      if (++count == maxSteps)
        return maxSteps;
    } else if (state == quip::Interpreter::ATOMIC) {
      interpreter->step();
    } else {
      return count + 1;
    }
  }
}

String printedStack(quip::Interpreter *interpreter) {
  String out;
  quip::Array &operands = interpreter->operands();
  for (uint32_t i = 0; i < operands.count(); ++i) {
    out += operands[i].toString();
    out += L' ';
  }
  return out;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
  quip::installBuiltins();
  if (!freopen("/dev/null", "w", stdout))
    return 0;
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  if (size < 2 || size > 4096)
    return 0;
  unsigned int budget = 1 + data[0] % 23;
  String text;
  for (size_t i = 1; i < size; ++i)
    text.append(wchar_t(data[i]));
  // Each run gets its own translation: a script may change its own code in
  // place ("removeByIndex" on a procedure literal), and that must not reach
  // the other run.
  quip::Array code = quip::translate(text, String(L"fuzz"));
  if (code.count() == 0 || (code.count() == 1 && code[0].isError()))
    return 0;
  quip::Array sameCode = quip::translate(text, String(L"fuzz"));

  static quip::ScriptManager *budgetedManager = makeManager("budgeted");
  static quip::ScriptManager *steppedManager = makeManager("stepped");
  budgetedManager->globals().clear();
  steppedManager->globals().clear();
  quip::Interpreter *budgeted = budgetedManager->spawn(code);
  quip::Interpreter *stepped = steppedManager->spawn(sameCode);
  for (unsigned int spent = 0; spent < 4000; spent += budget) {
    unsigned int a = budgeted->run(budget, 0);
    unsigned int b = runBySteps(stepped, budget);
    if (a != b || budgeted->state() != stepped->state())
      __builtin_trap();
    if (budgeted->state() >= quip::Interpreter::WAITING)
      break;
  }
  if (printedStack(budgeted) != printedStack(stepped))
    __builtin_trap();
  budgetedManager->haltAll();
  budgetedManager->removeFinished();
  steppedManager->haltAll();
  steppedManager->removeFinished();
  return 0;
}
