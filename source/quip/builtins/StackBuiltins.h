#pragma once
// Stack, type, mode and output builtins.

#include "quip/Builtin.h"

namespace quip {

void builtin_pop(Interpreter *interpreter, int *error);            // "pop"
void builtin_dup(Interpreter *interpreter, int *error);            // "dup"
void builtin_swap(Interpreter *interpreter, int *error);           // "swap"
void builtin_count(Interpreter *interpreter, int *error);          // "count"
void builtin_clearstack(Interpreter *interpreter, int *error);     // "clearstack"
void builtin_type(Interpreter *interpreter, int *error);           // "type"
void builtin_print(Interpreter *interpreter, int *error);          // "print"
void builtin_println(Interpreter *interpreter, int *error);        // "println"
void builtin_dump(Interpreter *interpreter, int *error);           // "dump"
void builtin_break(Interpreter *interpreter, int *error);          // "break"
void builtin_literalMode(Interpreter *interpreter, int *error);    // "literalMode"
void builtin_executableMode(Interpreter *interpreter, int *error); // "executableMode"
void builtin_empty(Interpreter *interpreter, int *error);          // "empty"

} // namespace quip
