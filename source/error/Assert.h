#pragma once
// Assertions: a violated assumption goes to the one registered handler, which
// reports the expression, the source path (relative to its project, without
// extension), the line and the function, and ends the program.
//
// This header includes nothing, so that the containers below the text and
// error folders can assert too; the handler itself is in AssertHandler.h.

namespace error {

[[noreturn]] void assertFailed(const wchar_t *condition, const char *file, int line,
                               const char *function, const wchar_t *message);

inline const wchar_t *messageText(const wchar_t *m) { return m; }
// Any text that gives its wide characters (a String).
template <typename Text>
requires requires(const Text &m) { m.c_str(); }
const wchar_t *messageText(const Text &m) { return m.c_str(); }

} // namespace error

#define CORVANE_WIDEN2(x) L##x
#define CORVANE_WIDEN(x) CORVANE_WIDEN2(x)
#define CORVANE_STRINGIFY_WIDE(x) CORVANE_WIDEN(#x)

// The condition's own text is reported.
#define CORVANE_ASSERT(cond)                                                                       \
  do {                                                                                             \
    if (!(cond))                                                                                   \
      ::error::assertFailed(CORVANE_STRINGIFY_WIDE(cond), __FILE__, __LINE__, __func__, nullptr);  \
  } while (0)

#define CORVANE_ASSERT_MSG(cond, message)                                                          \
  do {                                                                                             \
    if (!(cond))                                                                                   \
      ::error::assertFailed(CORVANE_STRINGIFY_WIDE(cond), __FILE__, __LINE__, __func__,            \
                            ::error::messageText(message));                                        \
  } while (0)

// For sites whose reported expression text is fixed (it may differ in layout
// from the code that tests it).
#define CORVANE_ASSERT_TEXT(cond, text)                                                            \
  do {                                                                                             \
    if (!(cond))                                                                                   \
      ::error::assertFailed(text, __FILE__, __LINE__, __func__, nullptr);                          \
  } while (0)

#define CORVANE_ASSERT_TEXT_MSG(cond, text, message)                                               \
  do {                                                                                             \
    if (!(cond))                                                                                   \
      ::error::assertFailed(text, __FILE__, __LINE__, __func__, ::error::messageText(message));    \
  } while (0)
