// The printed forms of values: one line, one line with sorted keys, and the
// indented form. Literal forms read back through the text syntax.

#include "quip/Limits.h"
#include "quip/Token.h"

namespace quip {

bool isIdentifier(const String &text) {
  auto letter = [](wchar_t c) { return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z'); };
  uint32_t n = text.length();
  if (n == 0 || !letter(text[0]))
    return false;
  for (uint32_t i = 1; i < n; ++i) {
    wchar_t c = text[i];
    if (!letter(c) && !(c >= L'0' && c <= L'9') && c != L'_')
      return false;
  }
  return true;
}

namespace {

void appendEscaped(String &out, const String &text) {
  String copy(text);
  copy.escape();
  out += copy;
}

// An identifier key as key + suffix; any other key quoted and escaped.
void appendKey(String &out, Symbol key, const wchar_t *identifierSuffix) {
  String text = key.toString();
  if (isIdentifier(text)) {
    out += text;
    out += identifierSuffix;
  } else {
    out += L'\'';
    appendEscaped(out, text);
    out += L'\'';
  }
}

container::Vector<Symbol> sortedKeys(const Dictionary &dictionary) {
  container::Vector<Symbol> keys;
  dictionary.forEach([&](Symbol key, const Token &) { keys.push(key); });
  sortSymbols(keys);
  return keys;
}

// One printing: the output, the bodies being printed (outermost first: an
// array or dictionary that holds itself prints as a cycle mark instead of
// recursing without end), and the length after which the text is cut.
// Containers deeper than the nesting limit print as a mark, so the
// recursion is bounded whatever the value.
class Printer {
public:
  Printer(String &out, uint32_t limit) : m_out(out), m_limit(limit) {}

  void line(const Token &token, bool sorted, int depth);
  void indented(const Token &token, int level, int depth);

  // Cuts the text at the limit, with a marker.
  void finish() {
    if (!full())
      return;
    m_out.resize(m_limit);
    m_out += L"...";
  }

private:
  bool full() const { return m_out.length() > m_limit; }
  bool enter(const Token &token) {
    const void *body = token.isArray() ? static_cast<const void *>(token.array().body())
                                       : static_cast<const void *>(token.dictionary().body());
    if (m_bodies.indexOf(body) >= 0)
      return false;
    m_bodies.push(body);
    return true;
  }
  void leave() { m_bodies.pop(); }
  void value(const Token &token, bool sorted, int depth);
  void indentedValue(const Token &token, int level, int depth);

  String &m_out;
  uint32_t m_limit;
  container::Vector<const void *> m_bodies;
};

const wchar_t *const kTooDeep = L"<<TOO DEEP>>";

void Printer::line(const Token &token, bool sorted, int depth) {
  if (full())
    return;
  if (!token.isArray() && !token.isDictionary()) {
    value(token, sorted, depth);
    return;
  }
  if (depth > kMaxNesting) {
    m_out += kTooDeep;
    return;
  }
  if (!enter(token)) {
    m_out += L"<<CYCLE>>";
    return;
  }
  value(token, sorted, depth);
  leave();
}

void Printer::value(const Token &token, bool sorted, int depth) {
  String &out = m_out;
  switch (token.type()) {
  case TYPE_ERROR:
    out += L"<<ERROR>>";
    break;
  case TYPE_NUMBER:
    out += String::formatNumber(token.number());
    break;
  case TYPE_STRING:
    out += L'"';
    appendEscaped(out, token.string());
    out += L'"';
    break;
  case TYPE_SYMBOL:
    if (token.isExecutable()) {
      out += token.symbol().text();
    } else {
      out += L'\'';
      out += token.symbol().text();
      out += L'\'';
    }
    break;
  case TYPE_ARRAY: {
    const Array &array = token.array();
    out += token.isExecutable() ? L'{' : L'[';
    for (uint32_t i = 0; i < array.count() && !full(); ++i) {
      if (i)
        out += L' ';
      line(array[i], sorted, depth + 1);
    }
    out += token.isExecutable() ? L'}' : L']';
    break;
  }
  case TYPE_DICTIONARY: {
    const Dictionary &dictionary = token.dictionary();
    out += L'(';
    bool first = true;
    auto entry = [&](Symbol key, const Token &value) {
      if (full())
        return;
      if (!first)
        out += L' ';
      first = false;
      if (isIdentifier(key.toString())) {
        out += key.text();
        out += L": ";
      } else {
        out += L'\'';
        appendEscaped(out, key.toString());
        out += L"' ";
      }
      line(value, sorted, depth + 1);
    };
    if (sorted) {
      for (Symbol key : sortedKeys(dictionary))
        entry(key, *dictionary.lookup(key));
    } else {
      dictionary.forEach(entry);
    }
    out += L')';
    break;
  }
  case TYPE_BUILTIN:
    out += L"<<BUILTIN>>";
    break;
  default:
    out += L"<<INTERNAL ERROR>>";
    break;
  }
}

void appendIndent(String &out, int level) {
  for (int i = 0; i < 4 * level; ++i)
    out += L' ';
}

void Printer::indented(const Token &token, int level, int depth) {
  if (full())
    return;
  if (!token.isArray() && !token.isDictionary()) {
    indentedValue(token, level, depth);
    return;
  }
  if (depth > kMaxNesting || !enter(token)) {
    appendIndent(m_out, level);
    m_out += depth > kMaxNesting ? kTooDeep : L"<<CYCLE>>";
    return;
  }
  indentedValue(token, level, depth);
  leave();
}

void Printer::indentedValue(const Token &token, int level, int depth) {
  String &out = m_out;
  appendIndent(out, level);
  if (token.isArray()) {
    const Array &array = token.array();
    out += token.isExecutable() ? L"{\n" : L"[\n";
    for (uint32_t i = 0; i < array.count() && !full(); ++i) {
      indented(array[i], level + 1, depth + 1);
      out += L'\n';
    }
    appendIndent(out, level);
    out += token.isExecutable() ? L'}' : L']';
  } else if (token.isDictionary()) {
    const Dictionary &dictionary = token.dictionary();
    out += L"(\n";
    for (Symbol key : sortedKeys(dictionary)) {
      if (full())
        break;
      const Token &value = *dictionary.lookup(key);
      appendIndent(out, level + 1);
      appendKey(out, key, L":");
      if (value.isArray() || value.isDictionary()) {
        out += L'\n';
        indented(value, level + 1, depth + 1);
        out += L'\n';
      } else {
        out += L' ';
        line(value, true, depth + 1);
        out += L'\n';
      }
    }
    appendIndent(out, level);
    out += L')';
  } else {
    line(token, true, depth);
  }
}

String printed(const Token &token, bool sorted, uint32_t limit) {
  String out;
  Printer printer(out, limit);
  printer.line(token, sorted, 0);
  printer.finish();
  return out;
}

} // namespace

String Token::toString() const { return printed(*this, false, kMaxPrintedLength); }

String Token::toSortedString() const { return printed(*this, true, kMaxPrintedLength); }

String Token::toReportString(bool sorted) const { return printed(*this, sorted, kMaxReportLength); }

String Token::toIndentedString(int level) const {
  String out;
  Printer printer(out, kMaxPrintedLength);
  printer.indented(*this, level, 0);
  printer.finish();
  return out;
}

} // namespace quip
