#pragma once
// Array and dictionary builtins: size, unpack, fill, insert, removeKey.

#include "quip/Builtin.h"

namespace quip {

void builtin_unpack(Interpreter *interpreter, int *error);    // "unpack"
void builtin_fill(Interpreter *interpreter, int *error);      // "fill"
void builtin_size(Interpreter *interpreter, int *error);      // "size"
void builtin_insert(Interpreter *interpreter, int *error);    // "insert"
void builtin_removeKey(Interpreter *interpreter, int *error); // "removeKey"

} // namespace quip
