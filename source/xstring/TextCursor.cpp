#include "xstring/TextCursor.h"

#include "xstring/Print.h"

TextCursor::TextCursor(const String *text, const String &sourceName, unsigned int start)
    : m_text(text), m_position(start), m_sourceName(sourceName) {}

wchar_t TextCursor::next() {
  if (m_position >= m_text->length())
    return 0;
  wchar_t c = m_text->at(m_position++);
  if (c == L'\n') {
    ++m_line;
    m_column = 0;
  } else if (c == L'\t') {
    m_column += 8;
  } else {
    ++m_column;
  }
  return c;
}

wchar_t TextCursor::peek(unsigned int offset) const { return m_text->at(m_position + offset); }

String TextCursor::locationText() const {
  return m_sourceName + String::format(L" line %d character %d", int(m_line), int(m_column + 1));
}

String TextCursor::contextText() const {
  uint32_t n = m_text->length();
  uint32_t i = 0;
  for (uint32_t skipped = 1; skipped < m_line && i < n; ++i)
    if (m_text->at(i) == L'\n')
      ++skipped;
  uint32_t end = i;
  while (end < n && m_text->at(end) != L'\n')
    ++end;
  String lineText = m_text->substring(i, end - i);
  String marker;
  for (uint32_t k = 1; k < m_column; ++k)
    marker.append(L' ');
  marker.append(L'^');
  return String::format(L"line %d\n> %S\n  %S\n", int(m_line), lineText.c_str(), marker.c_str());
}

void TextCursor::printContext() const { xstring::write(stdout, contextText()); }
