// The printed forms of values: one line, one line with sorted keys, and the
// indented form. Literal forms read back through the text syntax.

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

// The bodies being printed, outermost first: an array or dictionary that
// holds itself prints as a cycle mark instead of recursing without end.
struct Path {
  container::Vector<const void *> bodies;
  bool enter(const Token &token) {
    const void *body = token.isArray() ? static_cast<const void *>(token.array().body())
                                       : static_cast<const void *>(token.dictionary().body());
    if (bodies.indexOf(body) >= 0)
      return false;
    bodies.push(body);
    return true;
  }
  void leave() { bodies.pop(); }
};

thread_local Path t_path;

void appendValue(String &out, const Token &token, bool sorted);

void appendLine(String &out, const Token &token, bool sorted) {
  if (!token.isArray() && !token.isDictionary()) {
    appendValue(out, token, sorted);
    return;
  }
  if (!t_path.enter(token)) {
    out += L"<<CYCLE>>";
    return;
  }
  appendValue(out, token, sorted);
  t_path.leave();
}

void appendValue(String &out, const Token &token, bool sorted) {
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
    for (uint32_t i = 0; i < array.count(); ++i) {
      if (i)
        out += L' ';
      appendLine(out, array[i], sorted);
    }
    out += token.isExecutable() ? L'}' : L']';
    break;
  }
  case TYPE_DICTIONARY: {
    const Dictionary &dictionary = token.dictionary();
    out += L'(';
    bool first = true;
    auto entry = [&](Symbol key, const Token &value) {
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
      appendLine(out, value, sorted);
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

void appendIndentedValue(String &out, const Token &token, int level);

void appendIndented(String &out, const Token &token, int level) {
  if (!token.isArray() && !token.isDictionary()) {
    appendIndentedValue(out, token, level);
    return;
  }
  if (!t_path.enter(token)) {
    appendIndent(out, level);
    out += L"<<CYCLE>>";
    return;
  }
  appendIndentedValue(out, token, level);
  t_path.leave();
}

void appendIndentedValue(String &out, const Token &token, int level) {
  appendIndent(out, level);
  if (token.isArray()) {
    const Array &array = token.array();
    out += token.isExecutable() ? L"{\n" : L"[\n";
    for (uint32_t i = 0; i < array.count(); ++i) {
      appendIndented(out, array[i], level + 1);
      out += L'\n';
    }
    appendIndent(out, level);
    out += token.isExecutable() ? L'}' : L']';
  } else if (token.isDictionary()) {
    const Dictionary &dictionary = token.dictionary();
    out += L"(\n";
    for (Symbol key : sortedKeys(dictionary)) {
      const Token &value = *dictionary.lookup(key);
      appendIndent(out, level + 1);
      appendKey(out, key, L":");
      if (value.isArray() || value.isDictionary()) {
        out += L'\n';
        appendIndented(out, value, level + 1);
        out += L'\n';
      } else {
        out += L' ';
        appendLine(out, value, true);
        out += L'\n';
      }
    }
    appendIndent(out, level);
    out += L')';
  } else {
    appendLine(out, token, true);
  }
}

} // namespace

String Token::toString() const {
  String out;
  appendLine(out, *this, false);
  return out;
}

String Token::toSortedString() const {
  String out;
  appendLine(out, *this, true);
  return out;
}

String Token::toIndentedString(int level) const {
  String out;
  appendIndented(out, *this, level);
  return out;
}

} // namespace quip
