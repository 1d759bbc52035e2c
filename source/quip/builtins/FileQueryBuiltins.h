#pragma once
// File query builtins.

#include "quip/Builtin.h"

namespace quip {

void builtin_fileExists(Interpreter *interpreter, int *error);     // "fileExists"
void builtin_quipFileExists(Interpreter *interpreter, int *error); // "quipFileExists"

} // namespace quip
