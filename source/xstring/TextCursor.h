#pragma once
// Reads a String one character at a time for the script parser while counting
// lines and columns (a tab counts 8), so errors can name their place.

#include "xstring/String.h"

class TextCursor {
public:
  TextCursor(const String *text, const String &sourceName, unsigned int start = 0);

  // The next character, or 0 at the end (the position does not move then).
  wchar_t next();
  wchar_t peek(unsigned int offset = 0) const;
  bool atEnd() const { return m_position >= m_text->length(); }

  uint32_t position() const { return m_position; }
  uint32_t line() const { return m_line; }
  uint32_t column() const { return m_column; }
  const String &sourceName() const { return m_sourceName; }

  // "name line L character C".
  String locationText() const;
  // The current line with a marker under the last character read.
  String contextText() const;
  // Prints the context to standard output.
  void printContext() const;

private:
  const String *m_text;
  uint32_t m_position;
  uint32_t m_line = 1;
  uint32_t m_column = 0;
  String m_sourceName;
};
