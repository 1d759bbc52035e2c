#include "framework/Report.h"

#include "xstring/Print.h"

#include <cstdio>

namespace framework {

namespace {
ReportSink g_sink = nullptr;
}

void reportTitled(Symbol title, const String& text, bool formatted) {
  xstring::print(stderr, L"%S\n", title.text());
  // Both forms end up as the same bytes: nothing here interprets the text as a format.
  (void)formatted;
  xstring::write(stderr, text);
  fflush(stderr);
  if (g_sink) g_sink(title, text);
}

void setReportSink(ReportSink sink) { g_sink = sink; }

} // namespace framework
