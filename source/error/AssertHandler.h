#pragma once

#include "error/Assert.h"
#include "xstring/String.h"

#include <cstdio>

namespace error {

// Receives every failed assertion; the registered handler ends the program.
class AssertHandler {
public:
  virtual ~AssertHandler() = default;
  virtual void handleAssert(const wchar_t *condition, const wchar_t *file, int line,
                            const char *function, const wchar_t *message);

  // Takes ownership; the previous handler is deleted (unless it is the same
  // one). A null handler aborts.
  static void registerInstance(AssertHandler *assertHandler);
  // The registered handler, a default one on first use.
  static AssertHandler *instance();
  static void releaseInstance();

  [[noreturn]] static void fail(const wchar_t *condition, const wchar_t *file, int line,
                                const char *function);
  [[noreturn]] static void fail(const wchar_t *condition, const wchar_t *file, int line,
                                const char *function, const String &message);
  [[noreturn]] static void fail(const wchar_t *condition, const wchar_t *file, int line,
                                const char *function, const wchar_t *message);
};

// The engine's handler: reports under the title "ASSERTION FAILED" through the
// framework's titled report (standard error and the event log).
class CorvaneAssertHandler : public AssertHandler {
public:
  void handleAssert(const wchar_t *condition, const wchar_t *file, int line, const char *function,
                    const wchar_t *message) override;
};

// "/x/y/source/file/Buffer.cpp" -> "source/file/Buffer"; a file of the engine
// tree outside a "source" folder is relative to the tree's root.
String sourcePath(const char *file);

// Formats with vswprintf (4096 characters) and writes the result unchanged;
// with a null stream it only formats. Returns the formatted length.
int printToStream(FILE *stream, const wchar_t *fmt, ...);

} // namespace error
