#pragma once
// Reads the localization file into the table.

#include "file/XMLParser.h"

namespace xstring {

class LocalizationParser : public file::XMLParser {
public:
  void elementText(const String &element, const String &text) override;
  void endElement(const String &name) override;

private:
  // Not cleared between entries: an entry that lacks a field keeps the last one's.
  String m_text;
  String m_translation;
  String m_context;
  container::Vector<String> m_locations;
};

} // namespace xstring
