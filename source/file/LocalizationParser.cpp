#include "file/LocalizationParser.h"

#include "file/Localization.h"

namespace xstring {

void LocalizationParser::elementText(const String &element, const String &text) {
  if (element == L"text")
    m_text = text;
  else if (element == L"translation")
    m_translation = text;
  else if (element == L"context")
    m_context = text;
  else if (element == L"location")
    m_locations.push(text);
  else if (element == L"thousand_separator" && !text.isEmpty())
    Localization::setThousandSeparator(text[0]);
}

void LocalizationParser::endElement(const String &name) {
  XMLParser::endElement(name);
  if (name != L"user_visible_text")
    return;
  for (const String &location : m_locations)
    Localization::record(m_text, m_translation, m_context, location);
  m_locations.clear();
}

} // namespace xstring
