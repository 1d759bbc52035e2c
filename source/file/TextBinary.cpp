#include "file/TextBinary.h"

#include "file/BinaryPrimitives.h"

namespace file {

namespace {

void writeText(const wchar_t *text, uint32_t length, ByteReceiver &out) {
  if (length == 0) {
    write((unsigned char)0, out);
    return;
  }
  uint32_t n = 0;
  bool wide = false;
  for (; n < length && text[n]; ++n)
    if (uint32_t(text[n]) > 255)
      wide = true;
  write((unsigned char)(wide ? 2 : 1), out);
  if (wide) {
    for (uint32_t i = 0; i < n; ++i)
      write((unsigned short)text[i], out);
    write((unsigned short)0, out);
  } else {
    for (uint32_t i = 0; i < n; ++i)
      write((unsigned char)text[i], out);
    write((unsigned char)0, out);
  }
}

// The characters up to the 0 unit, collected in one reusable buffer per
// thread; null for the empty text or an unknown width. A truncated bounded
// producer delivers zeros, which ends the text.
const wchar_t *readText(ByteProducer &in) {
  static thread_local container::Vector<wchar_t> buffer;
  buffer.clear();
  unsigned char width = 0;
  read(width, in);
  if (width == 1) {
    for (unsigned char c; read(c, in), c;)
      buffer.push(wchar_t(c));
  } else if (width == 2) {
    for (unsigned short c; read(c, in), c;)
      buffer.push(wchar_t(c));
  } else {
    return nullptr;
  }
  buffer.push(0);
  return buffer.data();
}

} // namespace

void write(const String &text, ByteReceiver &out) {
  writeText(text.pointerAt(0), text.length(), out);
}

void write(const Symbol &symbol, ByteReceiver &out) {
  const wchar_t *text = symbol.text();
  writeText(text, uint32_t(wcslen(text)), out);
}

void read(String &text, ByteProducer &in) {
  text.resize(0);
  if (const wchar_t *chars = readText(in))
    text.assign(chars);
}

void read(Symbol &symbol, ByteProducer &in) {
  const wchar_t *chars = readText(in);
  symbol = chars ? Symbol::intern(chars) : Symbol::emptySymbol();
}

} // namespace file
