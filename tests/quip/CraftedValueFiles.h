#pragma once
// Value files built byte by byte against the reader's limits, shared by the
// hostile-input tests and their benchmarks.

#include "file/BufferBinary.h"
#include "quip/Serializer.h"

#include <cstdint>
#include <vector>

namespace quiptest {

struct ValueBytes {
  std::vector<unsigned char> bytes{0x21, 1, 2, 0};
  // The header and an empty text table.
  static ValueBytes withoutTexts() {
    ValueBytes file;
    file.u32(0);
    return file;
  }
  void u32(uint32_t v) {
    for (int i = 0; i < 4; ++i)
      bytes.push_back(uint8_t(v >> (8 * i)));
  }
  quip::Token read() const {
    file::BufferBinary buffer;
    buffer.receiveBytes(bytes.data(), uint32_t(bytes.size()));
    buffer.seek(0);
    return quip::Serializer::readBytes(buffer);
  }
};

// 1,000 nested array headers in 405 KB, each count just under the bytes left.
inline ValueBytes nestedHeaders() {
  ValueBytes file = ValueBytes::withoutTexts();
  const uint32_t size = 405 * 1024;
  for (int level = 0; level < 1000; ++level) {
    file.bytes.push_back('[');
    file.u32(size - uint32_t(file.bytes.size()) - 4 - 1000 * 5);
  }
  file.bytes.resize(size, 'e');
  return file;
}

// n two-character texts that a character-by-character hash over 10,007
// buckets puts in one chain, then an array of them all.
inline ValueBytes collidingTexts(uint32_t n) {
  ValueBytes file;
  file.u32(n);
  const uint32_t p = 10007, a1 = 31415, a2 = (27183u * a1) % (p - 1);
  for (uint32_t i = 0; i < n; ++i) {
    uint32_t c1 = 0x100 + i;
    uint32_t c2 = (p - (a2 * (c1 % p)) % p) % p + p * (1 + i % 50);
    file.u32(8);
    file.u32(c1);
    file.u32(c2);
  }
  file.bytes.push_back('[');
  file.u32(n);
  for (uint32_t i = 0; i < n; ++i) {
    file.bytes.push_back('S');
    file.bytes.push_back(uint8_t(i));
    file.bytes.push_back(uint8_t(i >> 8));
  }
  return file;
}

} // namespace quiptest
