#pragma once
// Diagnostic log lines on standard error, each stamped with the time and the
// milliseconds since the previous line (the first line shows 0).

#include "xstring/String.h"

// "<time> (<n> elapsed ticks): <text>\n".
void logLine(const wchar_t *text);
void logLine(const String &text);
// Formats with the wide printf rules (%S takes a wide text), then logs the result.
void logFormat(const wchar_t *fmt, ...);
// "<file>(<line>): <time> (<n> elapsed ticks): <text>\n", then flushes standard error.
void logLineAt(const wchar_t *text, const char *file, int line);
// The next line shows 0 elapsed ticks again.
void resetLogTicks();

// Shows a message to the user; this platform has no way to, so it does nothing.
void showMessage(const String &title, const String &text);
// Shows the text of errno under the title "Error".
void reportSystemError();
