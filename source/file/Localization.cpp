#include "file/Localization.h"

#include "file/AtomicSave.h"
#include "file/Buffer.h"
#include "file/LocalizationParser.h"
#include "file/XMLParser.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace xstring {

namespace {

Localization::Table *g_table = nullptr;

String keyOf(const String &text, const String &context) { return text + L"&" + context; }

// A location "name line L ...": the name up to the first blank, then the line.
void splitLocation(const String &location, String &name, int &line) {
  uint32_t blank = 0;
  while (blank < location.length() && !String::isWhitespace(location[blank]))
    ++blank;
  name = location.substring(0, blank);
  name.toLower();
  line = 0;
  String rest = location.substring(blank, location.length());
  if (rest.startsWith(L" line "))
    line = String::toInt(rest.c_str() + 6);
}

// The file is UTF-8; text that is not valid UTF-8 is kept one byte per character.
String decodeUtf8(const String &bytes) {
  container::Vector<char> narrow;
  narrow.reserve(bytes.length() + 1);
  uint32_t i = 0;
  bool multiByte = false;
  while (i < bytes.length()) {
    uint32_t c = uint32_t(bytes[i]);
    if (c > 0xFF || c == 0)
      return bytes;
    int extra = c < 0x80             ? 0
                : (c & 0xE0) == 0xC0 ? 1
                : (c & 0xF0) == 0xE0 ? 2
                : (c & 0xF8) == 0xF0 ? 3
                                     : -1;
    if (extra < 0 || i + uint32_t(extra) >= bytes.length())
      return bytes;
    for (int k = 1; k <= extra; ++k)
      if ((uint32_t(bytes[i + k]) & 0xC0) != 0x80)
        return bytes;
    if (extra > 0)
      multiByte = true;
    for (int k = 0; k <= extra; ++k)
      narrow.push(char(bytes[i + k]));
    i += uint32_t(extra) + 1;
  }
  if (!multiByte)
    return bytes;
  narrow.push(0);
  return String::fromUtf8(narrow.data());
}

class TextParser : public LocalizationParser {
public:
  bool parseDecoded(const String &path) {
    file::Buffer buffer;
    if (!buffer.open(path))
      return false;
    setFileName(path);
    parse(decodeUtf8(buffer.wholeText()));
    // What was read is kept, but a file with errors is not a successful load.
    return errorCount() == 0;
  }
};

} // namespace

Localization::Table &Localization::table() {
  if (!g_table)
    g_table = new Table;
  return *g_table;
}

void Localization::release() {
  delete g_table;
  g_table = nullptr;
}

void Localization::record(const String &text, const String &translation, const String &context,
                          const String &location) {
  String key = keyOf(text, context);
  if (Info *info = table().lookup(key)) {
    info->locations.push(location);
    return;
  }
  Info info{text, translation, context, {}};
  info.locations.push(location);
  table().put(key, info);
}

String Localization::lookup(const String &text, const String &context) {
  if (const Info *info = table().lookup(keyOf(text, context)))
    return info->translation;
  return text;
}

bool Localization::load(const String &path) {
  release();
  TextParser parser;
  return parser.parseDecoded(path);
}

container::Vector<const Localization::Info *> Localization::sortedEntries() {
  struct Entry {
    String name;
    int line;
    const Info *info;
  };
  std::vector<Entry> entries;
  table().forEach([&](const String &, const Info &info) {
    Entry entry{String(), 0, &info};
    if (!info.locations.isEmpty())
      splitLocation(info.locations[0], entry.name, entry.line);
    entries.push_back(entry);
  });
  // Stable: entries that compare equal keep table order.
  std::stable_sort(entries.begin(), entries.end(), [](const Entry &a, const Entry &b) {
    int order = String::compare(a.name.c_str(), b.name.c_str());
    if (order != String::Equal)
      return order == String::Less;
    return a.line < b.line;
  });
  container::Vector<const Info *> ordered;
  ordered.reserve(uint32_t(entries.size()));
  for (const Entry &entry : entries)
    ordered.push(entry.info);
  return ordered;
}

bool Localization::write(const String &path) {
  file::AtomicSave out(path);
  if (!out.file())
    return out.commit();

  // Written piece by piece as UTF-8; the stream buffers it.
  container::Vector<char> bytes;
  auto put = [&](const String &text) {
    text.toUtf8(bytes);
    out.write(bytes.data(), bytes.size() - 1); // without the terminator
  };
  auto element = [&](const wchar_t *indent, const wchar_t *name, const String &text) {
    put(String(indent) + L"<" + name + L">");
    put(file::XMLParser::escape(text));
    put(String(L"</") + name + L">\n");
  };

  put(String(L"<ulv_localization_data>\n"));
  put(String(L"  <thousand_separator>") + thousandSeparator() + L"</thousand_separator>\n");
  for (const Info *info : sortedEntries()) {
    put(String(L"  <user_visible_text>\n"));
    element(L"    ", L"text", info->text);
    element(L"    ", L"translation", info->translation);
    element(L"    ", L"context", info->context);
    put(String(L"    <source>\n"));
    // Escaped too: a source name holding '&' or '<' must read back.
    for (const String &location : info->locations)
      element(L"      ", L"location", location);
    put(String(L"    </source>\n  </user_visible_text>\n"));
  }
  put(String(L"</ulv_localization_data>\n"));
  return out.commit();
}

} // namespace xstring
