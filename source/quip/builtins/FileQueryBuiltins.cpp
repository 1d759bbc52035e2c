// File query builtins:
// "fileExists", "quipFileExists".

#include "quip/builtins/FileQueryBuiltins.h"

namespace quip {

void builtin_fileExists(Interpreter *interpreter, int *error) {
  builtinError(interpreter, error, __func__, L"not available");
}

void builtin_quipFileExists(Interpreter *interpreter, int *error) {
  builtinError(interpreter, error, __func__, L"not available");
}

} // namespace quip
