#pragma once
// Table-driven checks of builtins: each case is a script, the operand stack
// it leaves (printed, bottom first) and the error reports it makes.

#include "QuipTestSupport.h"

#include <string>

namespace quiptest {

struct BuiltinCase {
  const wchar_t *script;
  const char *stack;
  // The report texts joined by " | "; empty when the script reports nothing.
  const char *errors;
};

class BuiltinTest : public ScriptTest {
protected:
  struct Outcome {
    std::string stack;
    std::string errors;
  };

  // The messages of the interpreter's reports, without their headers.
  static std::string messages(const std::string &output) {
    const std::string header = "\n\nScriptManager: test\nInterpreter: script\n\n";
    std::string joined;
    size_t at = output.find(header);
    while (at != std::string::npos) {
      size_t begin = at + header.size();
      size_t next = output.find(header, begin);
      std::string message = output.substr(begin, next == std::string::npos ? next : next - begin);
      if (!message.empty() && message.back() == '\n')
        message.pop_back();
      if (!joined.empty())
        joined += " | ";
      joined += message;
      at = next;
    }
    return joined;
  }

  Outcome run(const wchar_t *text) {
    Diagnostics on;
    quip::Interpreter *interpreter = nullptr;
    std::string output = captureOutput([&] { interpreter = start(text); });
    return {stack(interpreter), messages(output)};
  }

  void check(const BuiltinCase *cases, size_t count) {
    for (size_t i = 0; i < count; ++i) {
      const BuiltinCase &c = cases[i];
      SCOPED_TRACE(utf8(String(c.script)));
      Outcome outcome = run(c.script);
      EXPECT_EQ(outcome.stack, c.stack);
      EXPECT_EQ(outcome.errors, c.errors);
    }
  }

  // The type-check report of a builtin for one argument.
  static std::string typeCheck(const char *function, const char *argument, const char *printed,
                               const char *actual, const char *expected) {
    return std::string(function) + ": Type-check failed.  Argument '" + argument + "'\n(" +
           printed + ")\nis type '" + actual + "', should be type '" + expected + "'.";
  }
};

#define CHECK_CASES(cases) check(cases, sizeof(cases) / sizeof((cases)[0]))

} // namespace quiptest
