// Feeds arbitrary bytes to the value-file reader and, read one byte per
// character as script files are, to the translator; whatever translates must
// come back unchanged through the value-file writer and reader.

#include "file/BufferBinary.h"
#include "quip/Parser.h"
#include "quip/Serializer.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
  // Parse errors are printed; they would only slow the search down.
  if (!freopen("/dev/null", "w", stdout))
    return 0;
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  if (size > (1u << 20))
    return 0;
  file::BufferBinary bytes;
  if (size)
    bytes.receiveBytes(data, uint32_t(size));
  bytes.seek(0);
  quip::Token value = quip::Serializer::readBytes(bytes);
  (void)value.toString();

  String text;
  text.reserve(uint32_t(size) + 1);
  for (size_t i = 0; i < size; ++i)
    text.append(wchar_t(data[i]));
  quip::Token code(quip::translate(text, String(L"fuzz")), false);

  file::BufferBinary written;
  if (quip::Serializer::writeBytes(code, written)) {
    written.seek(0);
    quip::Token back = quip::Serializer::readBytes(written);
    if (back.toString() != code.toString())
      __builtin_trap();
  }
  return 0;
}
