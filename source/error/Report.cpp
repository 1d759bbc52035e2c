#include "error/Report.h"

#include "error/Log.h"
#include "xstring/Print.h"

#include <cstdio>

namespace framework {

namespace {
ReportSink g_sink = nullptr;
ErrorScreenHook g_screenHook = nullptr;
int g_errorDepth = 0;
} // namespace

void report(Symbol title, const String &text, bool showDialog) {
  xstring::print(stderr, L"%S\n", title.text());
  if (showDialog)
    reportError(text);
  else
    xstring::write(stderr, text);
  fflush(stderr);
  if (g_sink)
    g_sink(title, text);
}

void reportError(const String &text) {
  xstring::print(stderr, L"%S\n", text.c_str());
  if (g_screenHook)
    g_screenHook();
  ++g_errorDepth;
  showMessage(String(L"Error"), text);
  --g_errorDepth;
}

bool isReportingError() { return g_errorDepth > 0; }

void reportWarning(const wchar_t *file, int line, const wchar_t *function, const String &text,
                   bool showDialog) {
  static const Symbol title = Symbol::intern(L"WARNING");
  String message(file ? file : L"");
  message += L"(";
  message += String::toString(line);
  message += L")\n\n";
  message += function ? function : L"";
  message += L"()\n\n";
  message += text;
  message += L"\n\n";
  report(title, message, showDialog);
}

void reportWarning(const wchar_t *file, int line, const wchar_t *function, const wchar_t *text,
                   bool showDialog) {
  reportWarning(file, line, function, String(text ? text : L""), showDialog);
}

void reportWarning(const char *file, int line, const char *function, const String &text,
                   bool showDialog) {
  reportWarning(String::fromUtf8(file ? file : "").c_str(), line,
                String::fromUtf8(function ? function : "").c_str(), text, showDialog);
}

void reportWarning(const char *file, int line, const char *function, const wchar_t *text,
                   bool showDialog) {
  reportWarning(file, line, function, String(text ? text : L""), showDialog);
}

void setReportSink(ReportSink sink) { g_sink = sink; }

void setErrorScreenHook(ErrorScreenHook hook) { g_screenHook = hook; }

} // namespace framework
