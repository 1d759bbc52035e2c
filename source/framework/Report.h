#pragma once
// The framework's titled report: low enough in the build that the engine's
// assertion handler can use it. The event log, when the framework enables
// it, is reached through a sink it installs here.

#include "xstring/String.h"
#include "xstring/Symbol.h"

namespace framework {

// Writes "title\n" and the text to standard error (the flag true: through the
// framework's own writer), flushes it, and appends both to the event log when
// one is enabled.
void reportTitled(Symbol title, const String& text, bool formatted);

// Where titled reports also go (the event log); null turns it off.
using ReportSink = void (*)(Symbol title, const String& text);
void setReportSink(ReportSink sink);

} // namespace framework
