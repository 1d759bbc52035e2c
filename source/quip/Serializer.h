#pragma once
// The binary value file: "!" and the version 1.2.0, a table of every text
// in the value (UTF-32LE, each stored once), then the value as tagged
// records that refer to texts by 16-bit index.
//
// Reading trusts nothing: a count, length or index that does not fit the
// bytes remaining or the table makes the whole read an error token.

#include "container/HashTable.h"
#include "container/Vector.h"
#include "file/BufferBinary.h"
#include "quip/Token.h"

#include <cstdio>

namespace quip {

class Serializer {
public:
  explicit Serializer(const String &fileName);
  Serializer(const Serializer &) = delete;
  Serializer &operator=(const Serializer &) = delete;

  // The value of the file; an error token when the file cannot be opened,
  // the header does not match or the contents are damaged.
  Token read();
  // False after a read that could not open the file.
  bool opened() const { return m_opened; }
  // Writes the file whole or not at all; false (and reported) when it cannot
  // be saved or the value holds more distinct texts than 16-bit indexes reach.
  bool write(const Token &token);

  // The same on bytes in memory.
  static Token readBytes(file::BufferBinary &bytes);
  static bool writeBytes(const Token &token, file::BufferBinary &out);

private:
  String m_fileName;
  file::BufferBinary m_buffer;
  bool m_opened = false;
};

Token readValueFile(const String &path);

} // namespace quip
