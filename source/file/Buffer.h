#pragma once
// A whole text file in memory as wide characters. A file starting with a
// 4-byte byte-order mark (FF FE 00 00, or FE FF 00 00 with its byte pairs
// swapped) holds 4-byte characters; any other file is read one byte per
// character.

#include "container/Vector.h"
#include "xstring/String.h"

namespace file {

class Buffer {
public:
  Buffer() = default;
  explicit Buffer(const String &path) { open(path); }

  // False, and empty, when the file cannot be opened.
  bool open(const String &path);
  bool isLoaded() const { return m_loaded; }

  // Offset 1 is the next character, 0 the last one read.
  bool peek(int offset, wchar_t &out) const;
  bool next(wchar_t &out);
  // The next non-empty line without its line end; blank lines are skipped.
  bool readLine(String &out);
  // Whether the characters from the position on are the text (the position stays).
  bool matches(const wchar_t *text) const;
  bool read(wchar_t *destination, uint32_t count);
  void rewind();
  // Steps back, never before the first character.
  void back(uint32_t count);

  uint32_t position() const { return m_position; }
  uint32_t characterCount() const { return m_characters.size(); }
  const wchar_t *data() const { return m_characters.data(); }
  String wholeText() const;

private:
  bool m_loaded = false;
  container::Vector<wchar_t> m_characters;
  uint32_t m_position = 0;
};

} // namespace file
