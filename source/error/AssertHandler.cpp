#include "error/AssertHandler.h"

#include "error/Log.h"
#include "error/Report.h"
#include "xstring/Print.h"
#include "xstring/Symbol.h"

#include <cassert>
#include <cstdarg>
#include <cstdlib>
#include <cstring>

namespace error {

namespace {
AssertHandler *g_handler = nullptr;
}

void AssertHandler::handleAssert(const wchar_t *condition, const wchar_t *file, int line,
                                 const char *function, const wchar_t *message) {
  String fn(function);
  String text = String::format(L"ASSERT: %S(%d) %S() %S: %S\n", file, line, fn.c_str(), condition,
                               message ? message : L"");
  xstring::write(stderr, text);
  fflush(stderr);
  showMessage(L"Error", text);
  exit(-1);
}

void AssertHandler::registerInstance(AssertHandler *assertHandler) {
  assert(assertHandler && "Invalid AssertHandler");
  if (!assertHandler)
    abort();
  // Registering the registered handler again must not delete it.
  if (assertHandler == g_handler)
    return;
  delete g_handler;
  g_handler = assertHandler;
}

AssertHandler *AssertHandler::instance() {
  if (!g_handler)
    g_handler = new AssertHandler;
  return g_handler;
}

void AssertHandler::releaseInstance() {
  delete g_handler;
  g_handler = nullptr;
}

void AssertHandler::fail(const wchar_t *condition, const wchar_t *file, int line,
                         const char *function) {
  instance()->handleAssert(condition, file, line, function, nullptr);
  // A handler must not return; make sure of it.
  exit(-1);
}

void AssertHandler::fail(const wchar_t *condition, const wchar_t *file, int line,
                         const char *function, const String &message) {
  instance()->handleAssert(condition, file, line, function, message.c_str());
  // A handler must not return; make sure of it.
  exit(-1);
}

void AssertHandler::fail(const wchar_t *condition, const wchar_t *file, int line,
                         const char *function, const wchar_t *message) {
  instance()->handleAssert(condition, file, line, function, message);
  // A handler must not return; make sure of it.
  exit(-1);
}

void CorvaneAssertHandler::handleAssert(const wchar_t *condition, const wchar_t *file, int line,
                                        const char *function, const wchar_t *message) {
  static const Symbol title = Symbol::intern(L"ASSERTION FAILED");
  String text(file);
  text += L"(";
  text += String::toString(line);
  text += L")\n\n";
  text += String(function);
  text += L"()\n\n";
  text += condition;
  if (message) {
    text += L": ";
    text += message;
  }
  text += L"\n";
  framework::reportTitled(title, text, false);
  exit(-1);
}

namespace {
// The engine tree's root, known from where this very file lies.
size_t rootLength() {
  static const char self[] = __FILE__;
  static const char tail[] = "source/error/AssertHandler.cpp";
  size_t n = std::strlen(self), t = std::strlen(tail);
  return n >= t && std::strcmp(self + n - t, tail) == 0 ? n - t : 0;
}
} // namespace

String sourcePath(const char *file) {
  // Paths are reported relative to their project: from the last "source/"
  // folder on, without the extension. Elsewhere in the engine tree (tests,
  // tools) they are relative to its root.
  const char *start = nullptr;
  for (const char *p = file; (p = std::strstr(p, "source/")); ++p)
    if (p == file || p[-1] == '/')
      start = p;
  if (!start) {
    size_t root = rootLength();
    static const char self[] = __FILE__;
    start = root && std::strncmp(file, self, root) == 0 ? file + root : file;
  }
  String path = String::fromUtf8(start);
  int dot = path.reverseFind(L'.');
  int slash = path.reverseFind(L'/');
  if (dot > slash)
    path.resize(uint32_t(dot));
  return path;
}

void assertFailed(const wchar_t *condition, const char *file, int line, const char *function,
                  const wchar_t *message) {
  String path = sourcePath(file);
  AssertHandler::instance()->handleAssert(condition, path.c_str(), line, function, message);
  // A handler must not return; make sure of it.
  exit(-1);
}

int printToStream(FILE *stream, const wchar_t *fmt, ...) {
  va_list args;
  va_start(args, fmt);
  String text = xstring::vformat(fmt, args);
  va_end(args);
  if (stream)
    xstring::write(stream, text);
  return int(text.length());
}

} // namespace error
