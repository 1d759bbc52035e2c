// Build, platform and text-entry filter builtins:
// "operatingSystem", "isShippingBuild", "compileDate", "compileDateAndTime", "nameFilter",
// "nameFilterBig", "filenameFilter", "numberFilter", "latin1Filter", "latin1FilterWithSpace",
// "emailAddressFilter", "emailBodyFilter".
//
// None takes an argument or can fail: each pushes one constant of the running
// program. A filter pushes a copy, so a script cannot change the set itself.

#include "quip/builtins/PlatformBuiltins.h"

#include "file/BuildDate.h"
#include "file/Localization.h"
#include "file/SystemVersion.h"

namespace quip {

void builtin_operatingSystem(Interpreter *in, int *) {
  // Asked afresh on every call; interning makes two answers the same symbol.
  in->push(Token(Symbol::intern(operatingSystemVersion()), false));
}

void builtin_isShippingBuild(Interpreter *in, int *) { in->push(Token(trueSymbol(), false)); }

void builtin_compileDate(Interpreter *in, int *) { in->push(Token(compileDate())); }

void builtin_compileDateAndTime(Interpreter *in, int *) { in->push(Token(compileDateAndTime())); }

void builtin_nameFilter(Interpreter *in, int *) {
  in->push(Token(xstring::Localization::nameFilter()));
}

void builtin_nameFilterBig(Interpreter *in, int *) {
  in->push(Token(xstring::Localization::nameFilterBig()));
}

void builtin_filenameFilter(Interpreter *in, int *) {
  in->push(Token(xstring::Localization::filenameFilter()));
}

void builtin_numberFilter(Interpreter *in, int *) {
  in->push(Token(xstring::Localization::numberFilter()));
}

void builtin_latin1Filter(Interpreter *in, int *) {
  in->push(Token(xstring::Localization::latin1Filter()));
}

void builtin_latin1FilterWithSpace(Interpreter *in, int *) {
  in->push(Token(xstring::Localization::latin1FilterWithSpace()));
}

void builtin_emailAddressFilter(Interpreter *in, int *) {
  in->push(Token(xstring::Localization::emailAddressFilter()));
}

void builtin_emailBodyFilter(Interpreter *in, int *) {
  in->push(Token(xstring::Localization::emailBodyFilter()));
}

} // namespace quip
