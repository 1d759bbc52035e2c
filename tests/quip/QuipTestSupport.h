#pragma once
// Helpers for the language's tests: a manager with every builtin, scripts run
// from text, and captured standard output.

#include "quip/Builtin.h"
#include "quip/Parser.h"
#include "quip/ScriptManager.h"
#include "quip/builtins/BuiltinTable.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <string>

namespace quiptest {

// Standard output as UTF-8 while a block runs.
template <typename F> std::string captureOutput(F &&f) {
  fflush(stdout);
  testing::internal::CaptureStdout();
  f();
  fflush(stdout);
  return testing::internal::GetCapturedStdout();
}

inline std::string utf8(const String &text) {
  container::Vector<char> bytes;
  text.toUtf8(bytes);
  std::string out(bytes.data(), bytes.data() + bytes.size());
  while (!out.empty() && out.back() == 0)
    out.pop_back();
  return out;
}

// Turns the diagnostics switch on for one scope.
struct Diagnostics {
  Diagnostics() { quip::setDiagnostics(true); }
  ~Diagnostics() { quip::setDiagnostics(false); }
};

// A run made of single steps by the rule (atomic steps uncounted, the budget
// ends a run with its own value, waiting or finishing with the count plus
// one): what every budgeted run must match.
inline unsigned int runBySteps(quip::Interpreter *interpreter, unsigned int maxSteps) {
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

class ScriptTest : public testing::Test {
protected:
  quip::ScriptManager manager{Symbol::intern(L"test")};

  // Spawns the text and steps it until it finishes or waits.
  quip::Interpreter *start(const wchar_t *text) {
    quip::Array code = quip::translate(String(text), String(L"test"));
    quip::Interpreter *interpreter = manager.spawn(Symbol::intern(L"script"), code);
    interpreter->run(0, 0);
    return interpreter;
  }

  // The operand stack, bottom first, in printed form separated by blanks.
  static std::string stack(quip::Interpreter *interpreter) {
    String out;
    quip::Array &operands = interpreter->operands();
    for (uint32_t i = 0; i < operands.count(); ++i) {
      if (i)
        out += L' ';
      out += operands[i].toString();
    }
    return utf8(out);
  }

  // Runs the text and gives its final stack.
  std::string eval(const wchar_t *text) { return stack(start(text)); }

  // Runs the text with diagnostics on and gives what it printed.
  std::string output(const wchar_t *text) {
    Diagnostics on;
    return captureOutput([&] { start(text); });
  }
};

} // namespace quiptest
