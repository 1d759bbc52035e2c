#pragma once
// All text output to standard output and standard error goes through here as
// UTF-8 bytes. glibc silently drops text once a stream's orientation is set
// the other way, so nothing in the system writes wide characters directly.

#include "xstring/String.h"

#include <cstdarg>
#include <cstdio>

namespace xstring {

void write(FILE *stream, const wchar_t *text, size_t count);
void write(FILE *stream, const wchar_t *text);
void write(FILE *stream, const String &text);
// Formats with the wide printf rules (%S takes a wide text) and writes the result.
int print(FILE *stream, const wchar_t *fmt, ...);
int vprint(FILE *stream, const wchar_t *fmt, va_list args);
// Formats into a String.
String vformat(const wchar_t *fmt, va_list args);

} // namespace xstring
