#pragma once
// Script source text to tokens. The syntax is postfix: a text is a sequence
// of tokens; procedures ({ ... }) are built here, arrays and dictionaries at
// run time from the marks "[" "(" and the builtins "]" ")".

#include "quip/Token.h"
#include "xstring/TextCursor.h"

namespace quip {

// The tokens of the whole text as one literal array; an empty array (after
// "parse error: translation failed") when any token fails.
Array translate(const String &text, const String &sourceName);

// The next token, or an error token after its parse error has been printed.
Token readToken(TextCursor &cursor);
// Skips blanks and "%" comments (to and including the end of their line).
void skipSpace(TextCursor &cursor);
Token readNumber(TextCursor &cursor);
Token readSymbol(TextCursor &cursor);
// A literal closed by the given character, with the escapes \n \t \' \\ \".
bool readQuoted(TextCursor &cursor, wchar_t close, String &out);
bool isSymbolCharacter(wchar_t c);

// Prints "parse error: <message>" to standard output, then the cursor's
// context when asked, and flushes.
void parseError(const TextCursor &cursor, const String &message, bool withContext);

// User-visible texts ("~"): 0 leaves them, 1 records them, 2 replaces them by
// their translations. Recording and translating are done by the localization
// table, which installs itself here.
void setTranslationMode(int mode);
int translationMode();
using UserTextRecorder = void (*)(const String &text, const String &context,
                                  const String &location);
using UserTextTranslator = String (*)(const String &text, const String &context);
void setUserTextHandlers(UserTextRecorder record, UserTextTranslator translate);

} // namespace quip
