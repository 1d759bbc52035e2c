// Strings and conversions: positional formatting, joining, splitting,
// cutting, two case helpers, digit grouping and the conversions between
// strings, symbols, numbers and printed values. Every result is a new string;
// the argument strings are never changed.

#include "quip/builtins/StringBuiltins.h"

#include "quip/Builtin.h"
#include "quip/builtins/NumberBuiltins.h"

#include <cwctype>
#include <utility>

namespace quip {

namespace {

// Pops one string argument.
inline bool popString(Interpreter *in, int *error, const char *function, const wchar_t *name,
                      Token &out) {
  return popArgument(in, error, function, name, TYPE_STRING, out);
}

// Appends a value's printed form. That of a whole number is its digits, as
// "%d" writes them: written here by hand, since formatted output costs far
// more than the digits.
void appendPrinted(String &out, const Token &value) {
  if (!value.isNumber() || !(value.number() >= -16777216.0f && value.number() <= 16777216.0f) ||
      float(int(value.number())) != value.number()) {
    out.append(value.toString());
    return;
  }
  wchar_t digits[16];
  wchar_t *end = digits + 16, *p = end;
  int whole = int(value.number());
  unsigned int n = whole < 0 ? 0u - unsigned(whole) : unsigned(whole);
  do {
    *--p = wchar_t(L'0' + n % 10);
    n /= 10;
  } while (n);
  if (whole < 0)
    *--p = L'-';
  out.append(p, uint32_t(end - p));
}

// Pushes a string token that takes the text over (no copy of the characters).
inline void pushString(Interpreter *in, String &&text) {
  Token result(std::move(text));
  pushMoved(in, result);
}

// Pushes a popped string argument back as the result; it is ours alone, so
// changing it in place changes no other token.
inline void pushResult(Interpreter *in, Token &str) {
  str.setExecutable(false);
  pushMoved(in, str);
}

} // namespace

void builtin_sprintf(Interpreter *in, int *error) {
  const char *function = "builtin_sprintf";
  Token args, format;
  if (!popArgument(in, error, function, L"args", TYPE_ARRAY, args))
    return;
  if (!popString(in, error, function, L"format", format))
    return;
  const String &text = std::as_const(format).string();
  const Array &elements = args.array();
  String result;
  result.reserve(text.length());
  for (uint32_t i = 0; i < text.length(); ++i) {
    wchar_t c = text[i];
    if (c != L'%') {
      result.append(c);
      continue;
    }
    if (i + 1 >= text.length()) {
      builtinError(in, error, function, L"sprintf '%' character found at end of string");
      return;
    }
    wchar_t d = text[++i];
    if (d == L'%') {
      result.append(L'%');
      continue;
    }
    if (d < L'1' || d > L'9') {
      builtinError(in, error, function, L"sprintf illegal argument index");
      return;
    }
    uint32_t index = uint32_t(d - L'1');
    if (index >= elements.count()) {
      builtinError(in, error, function, L"sprintf argument index out of bounds");
      return;
    }
    const Token &element = elements[index];
    if (element.isString())
      result.append(element.string());
    else
      appendPrinted(result, element);
  }
  pushString(in, std::move(result));
}

void builtin_concat(Interpreter *in, int *error) {
  Token str1, str0;
  if (!popString(in, error, "builtin_concat", L"str1", str1))
    return;
  if (!popString(in, error, "builtin_concat", L"str0", str0))
    return;
  // The popped left string is joined in place and is the result (no new
  // string, and its block grows only when it must); its text is copied
  // first only when another token shares it.
  str0.string().append(std::as_const(str1).string());
  pushResult(in, str0);
}

void builtin_split(Interpreter *in, int *error) {
  Token separators, source;
  if (!popString(in, error, "builtin_split", L"separators", separators))
    return;
  if (!popString(in, error, "builtin_split", L"source", source))
    return;
  // The pieces are the runs of characters between separators, quotes
  // toggling whether a separator counts (and kept in the piece); empty runs
  // give none. Each piece is a stretch of the source, made into a string
  // once rather than grown character by character and copied.
  const String &text = std::as_const(source).string();
  const String &cut = std::as_const(separators).string();
  const wchar_t *characters = text.c_str();
  container::Vector<uint32_t> bounds;
  bool quoted = false;
  uint32_t start = 0;
  for (uint32_t i = 0; i < text.length(); ++i) {
    wchar_t c = characters[i];
    if (c == L'"') {
      quoted = !quoted;
    } else if (!quoted && cut.find(c) >= 0) {
      if (i > start) {
        bounds.push(start);
        bounds.push(i);
      }
      start = i + 1;
    }
  }
  if (text.length() > start) {
    bounds.push(start);
    bounds.push(text.length());
  }
  Array result(bounds.size() / 2);
  for (uint32_t i = 0; i < result.count(); ++i) {
    Token piece(String(characters + bounds[2 * i], bounds[2 * i + 1] - bounds[2 * i]));
    result[i].swap(piece);
  }
  in->push(Token(result, false));
}

void builtin_substring(Interpreter *in, int *error) {
  Token ix, str;
  if (!popArgument(in, error, "builtin_substring", L"ix", TYPE_NUMBER, ix))
    return;
  if (!popString(in, error, "builtin_substring", L"str", str))
    return;
  const String &text = std::as_const(str).string();
  uint32_t start = clampToUnsigned(ix.number());
  // Past the end there is nothing left to cut: the empty string.
  if (start >= text.length()) {
    pushString(in, String());
    return;
  }
  pushString(in, text.substring(start, text.length() - start));
}

// A key name for display: the first character upper-cased, and a blank
// before every later ASCII digit or capital.
void builtin_humanize(Interpreter *in, int *error) {
  Token str;
  if (!popString(in, error, "builtin_humanize", L"str", str))
    return;
  const String &text = std::as_const(str).string();
  String result;
  if (!text.isEmpty()) {
    result.reserve(text.length() * 2);
    result.append(wchar_t(std::towupper(text[0])));
    for (uint32_t i = 1; i < text.length(); ++i) {
      wchar_t c = text[i];
      if ((c >= L'0' && c <= L'9') || (c >= L'A' && c <= L'Z'))
        result.append(L' ');
      result.append(c);
    }
  }
  pushString(in, std::move(result));
}

void builtin_capitalize(Interpreter *in, int *error) {
  Token str;
  if (!popString(in, error, "builtin_capitalize", L"str", str))
    return;
  str.string().capitalizeFirst();
  pushResult(in, str);
}

void builtin_stringLength(Interpreter *in, int *error) {
  Token str;
  if (!popString(in, error, "builtin_stringLength", L"str", str))
    return;
  in->push(Token(float(std::as_const(str).string().length())));
}

void builtin_commaString(Interpreter *in, int *error) {
  Token str;
  if (!popString(in, error, "builtin_commaString", L"str", str))
    return;
  str.string().insertThousandSeparators();
  pushResult(in, str);
}

void builtin_toString(Interpreter *in, int *error) {
  Token x;
  if (!popArgument(in, error, "builtin_toString", x))
    return;
  if (x.isString()) {
    pushResult(in, x);
    return;
  }
  String text;
  appendPrinted(text, x);
  pushString(in, std::move(text));
}

void builtin_symbolToString(Interpreter *in, int *error) {
  Token token;
  if (!popArgument(in, error, "builtin_symbolToString", L"token", TYPE_SYMBOL, token))
    return;
  in->push(Token(token.symbol().text()));
}

void builtin_stringToSymbol(Interpreter *in, int *error) {
  Token token;
  if (!popString(in, error, "builtin_stringToSymbol", L"token", token))
    return;
  in->push(Token(Symbol::intern(std::as_const(token).string()), false));
}

void builtin_toNumber(Interpreter *in, int *error) {
  Token str;
  if (!popString(in, error, "builtin_toNumber", L"str", str))
    return;
  // A plain whole number of up to 7 digits is exact in a float: read here
  // without the scanner, which costs far more than the digits.
  const wchar_t *text = std::as_const(str).string().c_str();
  const wchar_t *p = text + (text[0] == L'-');
  int whole = 0, digits = 0;
  while (digits < 8 && p[digits] >= L'0' && p[digits] <= L'9')
    whole = whole * 10 + (p[digits++] - L'0');
  if (digits > 0 && digits <= 7 && p[digits] == 0) {
    float value = float(whole);
    in->push(Token(p == text ? value : -value));
    return;
  }
  in->push(Token(String::toFloat(text)));
}

} // namespace quip
