#pragma once
// A small event parser for a strict subset of XML: nested elements without
// attributes, text only in elements without children, the five predefined
// entities. A derived class receives each element's start, text and end.
// Errors are reported and parsing goes on; the parse always ends at the end
// of the text.

#include "container/Vector.h"
#include "xstring/String.h"

#include <cstdint>

namespace file {

class XMLParser {
public:
  XMLParser() = default;
  virtual ~XMLParser() = default;

  virtual void beginDocument() {}
  virtual void endDocument() {}
  // Overrides call the base first: it keeps the stack of open elements.
  virtual void beginElement(const String &name);
  virtual void elementText(const String &element, const String &text);
  virtual void endElement(const String &name);

  // Reads the file as text and parses it; false when it cannot be read.
  bool parseFile(const String &path);
  // One document: its root element.
  void parse(const String &text);

  static String escape(const String &text);
  static String unescape(const String &text);

  const String &fileName() const { return m_fileName; }
  uint32_t line() const { return m_line; }
  const container::Vector<String> &elementStack() const { return m_elements; }
  // A parse reports at most this many errors; the last says it stopped there.
  static constexpr uint32_t MaxErrors = 100;

  // Every error of the last parse, formatted "file(line) : error: message".
  const container::Vector<String> &errors() const { return m_errors; }
  uint32_t errorCount() const { return m_errorCount; }

protected:
  // For texts parsed without parseFile: the name used in messages.
  void setFileName(const String &name) { m_fileName = name; }
  // Records the formatted message and writes it to standard error.
  virtual void reportError(const String &message);

private:
  void element(uint32_t depth);
  void childList(uint32_t depth);
  void literal(const wchar_t *text);
  String name();
  bool peek(uint32_t offset, wchar_t &out) const;
  bool next(wchar_t &out);
  void skipWhiteSpace();
  void error(const wchar_t *message);

  String m_fileName;
  uint32_t m_line = 1;
  container::Vector<String> m_elements;
  container::Vector<String> m_errors;
  uint32_t m_errorCount = 0;

  const String *m_text = nullptr;
  uint32_t m_position = 0;
  bool m_stopped = false;
};

} // namespace file
