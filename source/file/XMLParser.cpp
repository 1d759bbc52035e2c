#include "file/XMLParser.h"

#include "file/Buffer.h"
#include "xstring/Print.h"

namespace file {

namespace {

// Deeper documents are refused instead of exhausting the stack.
constexpr uint32_t MaxDepth = 200;

bool isNameCharacter(wchar_t c) {
  return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z') || (c >= L'0' && c <= L'9') ||
         c == L'_';
}

} // namespace

void XMLParser::beginElement(const String &name) { m_elements.push(name); }

void XMLParser::elementText(const String &, const String &) {}

void XMLParser::endElement(const String &) {
  if (!m_elements.isEmpty())
    m_elements.pop();
}

bool XMLParser::parseFile(const String &path) {
  m_fileName = path;
  Buffer buffer;
  if (!buffer.open(path))
    return false;
  parse(buffer.wholeText());
  return true;
}

void XMLParser::parse(const String &text) {
  m_text = &text;
  m_position = 0;
  m_line = 1;
  m_stopped = false;
  m_elements.clear();
  m_errors.clear();
  m_errorCount = 0;

  beginDocument();
  element(0);
  endDocument();
  m_text = nullptr;
}

void XMLParser::element(uint32_t depth) {
  if (m_stopped)
    return;
  if (depth >= MaxDepth) {
    error(L"elements nested too deeply");
    m_stopped = true;
    return;
  }

  literal(L"<");
  String tag = name();
  literal(L">");
  beginElement(tag);

  // Raw content up to the next "<".
  String raw;
  wchar_t c;
  while (!m_stopped && peek(1, c) && c != L'<') {
    next(c);
    raw.append(c);
  }

  // Look at the next tag without consuming it: an end tag closes a text
  // element, a start tag opens the child list.
  wchar_t afterOpen = 0;
  if (!m_stopped && peek(1, c) && peek(2, afterOpen)) {
    if (afterOpen == L'/') {
      const String &owner = m_elements.isEmpty() ? tag : m_elements.last();
      elementText(owner, unescape(raw));
    } else {
      for (uint32_t i = 0; i < raw.length() && !m_stopped; ++i)
        if (!String::isWhitespace(raw[i]))
          error(L"non-space data not supported in elements with children");
      childList(depth);
    }
  }

  literal(L"</");
  String endTag = name();
  literal(L">");
  if (!m_stopped && endTag != tag)
    error(L"element end tag doesn't match begin tag");
  endElement(tag);
}

void XMLParser::childList(uint32_t depth) {
  for (;;) {
    uint32_t before = m_position;
    element(depth + 1);
    if (m_stopped)
      return;
    skipWhiteSpace();
    wchar_t first, second;
    if (!peek(1, first) || !peek(2, second)) {
      error(L"unexpected end of file in child list");
      m_stopped = true;
      return;
    }
    if (first != L'<') {
      error(L"expected '<' character in child list");
      // A child that consumed nothing would repeat forever.
      if (m_position == before)
        next(first);
      continue;
    }
    if (second == L'/')
      return;
  }
}

void XMLParser::literal(const wchar_t *text) {
  for (const wchar_t *p = text; *p; ++p) {
    if (m_stopped)
      return;
    wchar_t c;
    if (!next(c))
      return;
    if (c != *p)
      error(String::format(L"expected '%S' at this point", text).c_str());
  }
}

String XMLParser::name() {
  String out;
  wchar_t c;
  while (!m_stopped && peek(1, c) && isNameCharacter(c)) {
    next(c);
    out.append(c);
  }
  return out;
}

bool XMLParser::peek(uint32_t offset, wchar_t &out) const {
  uint32_t index = m_position + offset - 1;
  if (!m_text || index >= m_text->length())
    return false;
  out = (*m_text)[index];
  return true;
}

bool XMLParser::next(wchar_t &out) {
  if (m_stopped)
    return false;
  if (!peek(1, out)) {
    // Past the end the parse can only unwind.
    error(L"unexpected end of file");
    m_stopped = true;
    return false;
  }
  ++m_position;
  if (out == L'\n')
    ++m_line;
  return true;
}

void XMLParser::skipWhiteSpace() {
  wchar_t c;
  while (!m_stopped && peek(1, c) && String::isWhitespace(c))
    next(c);
}

// Past the cap the parse stops: one report per bad character of a large file
// would cost far more than the file.
void XMLParser::error(const wchar_t *message) {
  if (m_errorCount >= MaxErrors)
    return;
  if (++m_errorCount == MaxErrors) {
    m_stopped = true;
    message = L"too many errors; the rest of the file is skipped";
  }
  reportError(String::format(L"%S(%u) : error: %S", m_fileName.c_str(), m_line, message));
}

void XMLParser::reportError(const String &message) {
  m_errors.push(message);
  xstring::print(stderr, L"%S\n", message.c_str());
}

String XMLParser::escape(const String &text) {
  String out;
  out.reserve(text.length());
  for (uint32_t i = 0; i < text.length(); ++i) {
    wchar_t c = text[i];
    switch (c) {
    case L'"':
      out.append(L"&quot;");
      break;
    case L'&':
      out.append(L"&amp;");
      break;
    case L'\'':
      out.append(L"&apos;");
      break;
    case L'<':
      out.append(L"&lt;");
      break;
    case L'>':
      out.append(L"&gt;");
      break;
    default:
      out.append(c);
    }
  }
  return out;
}

String XMLParser::unescape(const String &text) {
  String out;
  out.reserve(text.length());
  uint32_t i = 0;
  while (i < text.length()) {
    wchar_t c = text[i++];
    if (c != L'&') {
      out.append(c);
      continue;
    }
    // Without a closing ';' the rest of the text is the name.
    uint32_t start = i;
    while (i < text.length() && text[i] != L';')
      ++i;
    String entity = text.substring(start, i - start);
    if (i < text.length())
      ++i;
    if (entity == L"lt")
      out.append(L'<');
    else if (entity == L"gt")
      out.append(L'>');
    else if (entity == L"amp")
      out.append(L'&');
    else if (entity == L"apos")
      out.append(L'\'');
    else if (entity == L"quot")
      out.append(L'"');
    else
      out.append(wchar_t(0));
  }
  return out;
}

} // namespace file
