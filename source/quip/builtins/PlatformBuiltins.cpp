// Build, platform and text-entry filter builtins:
// "operatingSystem", "isShippingBuild", "compileDate", "compileDateAndTime", "nameFilter",
// "nameFilterBig", "filenameFilter", "numberFilter", "latin1Filter", "latin1FilterWithSpace",
// "emailAddressFilter", "emailBodyFilter".

#include "quip/builtins/PlatformBuiltins.h"

namespace quip {

void builtin_operatingSystem(Interpreter *interpreter, int *error) {
  builtinError(interpreter, error, __func__, L"not available");
}

void builtin_isShippingBuild(Interpreter *interpreter, int *error) {
  builtinError(interpreter, error, __func__, L"not available");
}

void builtin_compileDate(Interpreter *interpreter, int *error) {
  builtinError(interpreter, error, __func__, L"not available");
}

void builtin_compileDateAndTime(Interpreter *interpreter, int *error) {
  builtinError(interpreter, error, __func__, L"not available");
}

void builtin_nameFilter(Interpreter *interpreter, int *error) {
  builtinError(interpreter, error, __func__, L"not available");
}

void builtin_nameFilterBig(Interpreter *interpreter, int *error) {
  builtinError(interpreter, error, __func__, L"not available");
}

void builtin_filenameFilter(Interpreter *interpreter, int *error) {
  builtinError(interpreter, error, __func__, L"not available");
}

void builtin_numberFilter(Interpreter *interpreter, int *error) {
  builtinError(interpreter, error, __func__, L"not available");
}

void builtin_latin1Filter(Interpreter *interpreter, int *error) {
  builtinError(interpreter, error, __func__, L"not available");
}

void builtin_latin1FilterWithSpace(Interpreter *interpreter, int *error) {
  builtinError(interpreter, error, __func__, L"not available");
}

void builtin_emailAddressFilter(Interpreter *interpreter, int *error) {
  builtinError(interpreter, error, __func__, L"not available");
}

void builtin_emailBodyFilter(Interpreter *interpreter, int *error) {
  builtinError(interpreter, error, __func__, L"not available");
}

} // namespace quip
