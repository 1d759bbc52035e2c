#include "quip/Parser.h"

#include "quip/Limits.h"
#include "xstring/Print.h"

#include <cmath>
#include <cwctype>

namespace quip {

namespace {
int g_translationMode = 0;
UserTextRecorder g_record = nullptr;
UserTextTranslator g_translate = nullptr;

bool isDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

bool endsNumber(wchar_t c) {
  return std::iswspace(wint_t(c)) || c == L'{' || c == L'}' || c == L'[' || c == L']' ||
         c == L'(' || c == L')';
}

Token failed(const TextCursor &cursor, const wchar_t *message) {
  parseError(cursor, message, true);
  return Token();
}
} // namespace

void setTranslationMode(int mode) { g_translationMode = mode; }
int translationMode() { return g_translationMode; }
void setUserTextHandlers(UserTextRecorder record, UserTextTranslator translate) {
  g_record = record;
  g_translate = translate;
}

bool isSymbolCharacter(wchar_t c) {
  if ((c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z') || isDigit(c))
    return true;
  switch (c) {
  case L'`':
  case L'~':
  case L'!':
  case L'@':
  case L'#':
  case L'$':
  case L'^':
  case L'&':
  case L'*':
  case L'-':
  case L'_':
  case L'=':
  case L'+':
  case L'\\':
  case L'|':
  case L',':
  case L'<':
  case L'.':
  case L'>':
  case L'/':
  case L'?':
  case L';':
    return true;
  default:
    return false;
  }
}

void parseError(const TextCursor &cursor, const String &message, bool withContext) {
  xstring::print(stdout, L"parse error: %S\n", message.c_str());
  if (withContext)
    cursor.printContext();
  fflush(stdout);
}

void skipSpace(TextCursor &cursor) {
  while (!cursor.atEnd()) {
    wchar_t c = cursor.peek();
    if (c == L'\n' || c == L' ' || c == L'\r' || c == L'\t') {
      cursor.next();
    } else if (c == L'%') {
      while (!cursor.atEnd() && cursor.next() != L'\n') {
      }
    } else {
      return;
    }
  }
}

Array translate(const String &text, const String &sourceName) {
  TextCursor cursor(&text, sourceName);
  Array tokens(0);
  while (!cursor.atEnd()) {
    Token token = readToken(cursor);
    if (token.isError()) {
      parseError(cursor, L"translation failed", false);
      return Array(0);
    }
    tokens.append(token);
    skipSpace(cursor);
  }
  return tokens;
}

Token readNumber(TextCursor &cursor) {
  bool negative = false;
  if (cursor.peek() == L'-') {
    cursor.next();
    negative = true;
  }
  double value = 0;
  int digits = 0;
  int point = -1;
  while (!cursor.atEnd() && !endsNumber(cursor.peek())) {
    wchar_t c = cursor.next();
    if (c == L'.') {
      if (point >= 0)
        return failed(cursor, L"too many decimal points in number literal");
      point = digits;
    } else if (isDigit(c)) {
      value = value * 10 + (c - L'0');
      ++digits;
    } else {
      return failed(cursor, L"garbage after number literal");
    }
  }
  if (point >= 0)
    value /= std::pow(10.0, double(digits - point));
  return Token(float(negative ? -value : value));
}

Token readSymbol(TextCursor &cursor) {
  String name;
  while (!cursor.atEnd() && isSymbolCharacter(cursor.peek()))
    name.append(cursor.next());
  bool executable = true;
  if (cursor.peek() == L':' && !cursor.atEnd()) {
    cursor.next();
    executable = false;
  }
  return Token(Symbol::intern(name), executable);
}

bool readQuoted(TextCursor &cursor, wchar_t close, String &out) {
  cursor.next();
  out = String();
  for (;;) {
    if (cursor.atEnd()) {
      parseError(cursor, L"end of file in string/symbol literal", true);
      return false;
    }
    wchar_t c = cursor.peek();
    if (c == L'\n') {
      parseError(cursor, L"end of line in string/symbol literal", true);
      return false;
    }
    cursor.next();
    if (c == close)
      return true;
    if (c == L'\\') {
      if (cursor.atEnd()) {
        parseError(cursor, L"end of file in escape sequence", true);
        return false;
      }
      wchar_t e = cursor.next();
      switch (e) {
      case L'n':
        c = L'\n';
        break;
      case L't':
        c = L'\t';
        break;
      case L'\'':
      case L'\\':
      case L'"':
        c = e;
        break;
      default:
        parseError(cursor, L"illegal escape sequence", true);
        return false;
      }
    }
    out.append(c);
  }
}

namespace {

// Procedures nest by recursion; a text nested deeper than kMaxNesting (the
// translated array being the outermost container) is refused rather than
// allowed to exhaust the stack.
int g_nesting = 0;

struct NestingGuard {
  NestingGuard() { ++g_nesting; }
  ~NestingGuard() { --g_nesting; }
};

Token readProcedure(TextCursor &cursor) {
  cursor.next();
  NestingGuard guard;
  if (g_nesting > kMaxNesting)
    return failed(cursor, L"error in array literal");
  Array tokens(0);
  for (;;) {
    skipSpace(cursor);
    if (cursor.atEnd())
      return failed(cursor, L"end of file in array literal");
    if (cursor.peek() == L'}') {
      cursor.next();
      return Token(tokens, true);
    }
    // A failure inside a nested procedure has been reported there: each
    // level reporting it again would repeat the context once per level.
    bool nested = cursor.peek() == L'{';
    Token token = readToken(cursor);
    if (token.isError())
      return nested ? Token() : failed(cursor, L"error in array literal");
    tokens.append(token);
  }
}

Token readUserText(TextCursor &cursor) {
  String location = cursor.locationText();
  String text;
  cursor.next();
  if (!readQuoted(cursor, L'"', text))
    return Token();
  String context(L"no context");
  if (cursor.peek() == L'&' && !cursor.atEnd()) {
    cursor.next();
    if (!readQuoted(cursor, L'"', context))
      return Token();
  } else {
    xstring::print(stdout, L"parse warning: %S\n", L"no context for user-visible text");
    fflush(stdout);
  }
  if (g_translationMode == 1 && g_record)
    g_record(text, context, location);
  if (g_translationMode == 2 && g_translate)
    text = g_translate(text, context);
  return Token(text);
}

} // namespace

Token readToken(TextCursor &cursor) {
  skipSpace(cursor);
  if (cursor.atEnd())
    return failed(cursor, L"end of file -- no more tokens");
  wchar_t c = cursor.peek();
  switch (c) {
  case L'[':
    cursor.next();
    return Token(SYM(L"["), false);
  case L']':
    cursor.next();
    return Token(SYM(L"]"), true);
  case L'(':
    cursor.next();
    return Token(SYM(L"("), false);
  case L')':
    cursor.next();
    return Token(SYM(L")"), true);
  case L'{':
    return readProcedure(cursor);
  case L'}':
    cursor.next();
    return failed(cursor, L"mismatched '}'");
  case L'"': {
    String text;
    if (!readQuoted(cursor, L'"', text))
      return Token();
    return Token(text);
  }
  case L'\'': {
    String text;
    if (!readQuoted(cursor, L'\'', text))
      return Token();
    return Token(Symbol::intern(text), false);
  }
  case L'~':
    return readUserText(cursor);
  default:
    break;
  }
  if (isDigit(c) || c == L'.')
    return readNumber(cursor);
  if (c == L'-') {
    wchar_t n = cursor.peek(1);
    if (n == L'.' || isDigit(n))
      return readNumber(cursor);
    return readSymbol(cursor);
  }
  if (isSymbolCharacter(c))
    return readSymbol(cursor);
  return failed(cursor, L"unexpected character");
}

} // namespace quip
