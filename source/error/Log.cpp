#include "error/Log.h"

#include "error/Clock.h"
#include "xstring/Print.h"

#include <atomic>
#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace {

// The start-clock milliseconds of the previous line, shared by every thread
// that logs; the exchange keeps each line's figure consistent.
std::atomic<uint32_t> g_previous{0};
std::atomic<bool> g_logged{false};

uint32_t elapsedTicks() {
  uint32_t now = Clock::startClock().elapsedMilliseconds();
  uint32_t previous = g_previous.exchange(now);
  if (!g_logged.exchange(true))
    return 0;
  return now - previous;
}

// One write per line under the stream's lock, so lines from two threads stay whole.
void emit(const String &line) {
  flockfile(stderr);
  xstring::write(stderr, line);
  funlockfile(stderr);
}

} // namespace

void logLine(const wchar_t *text) {
  uint32_t ticks = elapsedTicks();
  emit(String::format(L"%S (%u elapsed ticks): %S\n", currentTimeText().c_str(), ticks,
                      text ? text : L""));
}

void logLine(const String &text) { logLine(text.c_str()); }

void logFormat(const wchar_t *fmt, ...) {
  va_list args;
  va_start(args, fmt);
  String text = xstring::vformat(fmt, args);
  va_end(args);
  logLine(text.c_str());
}

void logLineAt(const wchar_t *text, const char *file, int line) {
  uint32_t ticks = elapsedTicks();
  emit(String::format(L"%S(%d): %S (%u elapsed ticks): %S\n", String::fromUtf8(file).c_str(), line,
                      currentTimeText().c_str(), ticks, text ? text : L""));
  fflush(stderr);
}

void resetLogTicks() { g_logged = false; }

void showMessage(const String &, const String &) {}

void reportSystemError() { showMessage(L"Error", String::fromUtf8(strerror(errno))); }
