#include "xstring/Print.h"

#include <cwchar>

namespace xstring {

void write(FILE *stream, const wchar_t *text, size_t count) {
  if (!stream || !text)
    return;
  char buffer[1024];
  size_t used = 0;
  for (size_t i = 0; i < count; ++i) {
    if (used + 4 > sizeof buffer) {
      fwrite(buffer, 1, used, stream);
      used = 0;
    }
    uint32_t c = uint32_t(text[i]);
    if (c < 0x80) {
      buffer[used++] = char(c);
    } else if (c < 0x800) {
      buffer[used++] = char(0xC0 | (c >> 6));
      buffer[used++] = char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      buffer[used++] = char(0xE0 | (c >> 12));
      buffer[used++] = char(0x80 | ((c >> 6) & 0x3F));
      buffer[used++] = char(0x80 | (c & 0x3F));
    } else {
      buffer[used++] = char(0xF0 | ((c >> 18) & 0x07));
      buffer[used++] = char(0x80 | ((c >> 12) & 0x3F));
      buffer[used++] = char(0x80 | ((c >> 6) & 0x3F));
      buffer[used++] = char(0x80 | (c & 0x3F));
    }
  }
  if (used)
    fwrite(buffer, 1, used, stream);
}

void write(FILE *stream, const wchar_t *text) {
  if (text)
    write(stream, text, std::wcslen(text));
}

void write(FILE *stream, const String &text) {
  if (text.length())
    write(stream, text.pointerAt(0), text.length());
}

String vformat(const wchar_t *fmt, va_list args) {
  wchar_t buffer[4096];
  va_list copy;
  va_copy(copy, args);
  int n = std::vswprintf(buffer, 4096, fmt, copy);
  va_end(copy);
  if (n >= 0)
    return String(buffer, uint32_t(n));
  for (size_t size = 16384; size <= (1u << 24); size *= 4) {
    wchar_t *big = new wchar_t[size];
    va_copy(copy, args);
    n = std::vswprintf(big, size, fmt, copy);
    va_end(copy);
    if (n >= 0) {
      String out(big, uint32_t(n));
      delete[] big;
      return out;
    }
    delete[] big;
  }
  return String();
}

int vprint(FILE *stream, const wchar_t *fmt, va_list args) {
  String text = vformat(fmt, args);
  write(stream, text);
  return int(text.length());
}

int print(FILE *stream, const wchar_t *fmt, ...) {
  va_list args;
  va_start(args, fmt);
  int n = vprint(stream, fmt, args);
  va_end(args);
  return n;
}

} // namespace xstring
