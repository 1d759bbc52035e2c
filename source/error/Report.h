#pragma once
// The engine's one channel for errors and warnings. Every report goes to
// standard error first, so it survives a broken window or a disabled event
// log. This sits in the base library so that the assertion handler can use
// it; the framework installs what the reports need of it (the event log, and
// making the screen fit to show a message).

#include "xstring/String.h"
#include "xstring/Symbol.h"

namespace framework {

// "title\n" on standard error; then the text written unchanged (never as a
// format), or with showDialog through reportError; standard error is flushed
// and the event log, when one is enabled, receives both.
void report(Symbol title, const String &text, bool showDialog);
// The same, under the name the base library's callers use.
inline void reportTitled(Symbol title, const String &text, bool showDialog) {
  report(title, text, showDialog);
}

// "text\n" on standard error, then the message to the user under "Error".
void reportError(const String &text);
// True while an error report is being shown.
bool isReportingError();

// file + "(" + line + ")\n\n" + function + "()\n\n" + text + "\n\n", reported
// under "WARNING".
void reportWarning(const wchar_t *file, int line, const wchar_t *function, const wchar_t *text,
                   bool showDialog = false);
void reportWarning(const wchar_t *file, int line, const wchar_t *function, const String &text,
                   bool showDialog = false);
void reportWarning(const char *file, int line, const char *function, const wchar_t *text,
                   bool showDialog = false);
void reportWarning(const char *file, int line, const char *function, const String &text,
                   bool showDialog = false);

// Where reports also go (the event log); null turns it off.
using ReportSink = void (*)(Symbol title, const String &text);
void setReportSink(ReportSink sink);

// What an error report does first so that its message can be seen (release
// the input grab, leave full screen); null does nothing.
using ErrorScreenHook = void (*)();
void setErrorScreenHook(ErrorScreenHook hook);

} // namespace framework
