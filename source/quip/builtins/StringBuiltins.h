#pragma once
// String and conversion builtins.

#include "quip/Builtin.h"

namespace quip {

void builtin_toString(Interpreter *interpreter, int *error);       // "toString"
void builtin_symbolToString(Interpreter *interpreter, int *error); // "symbolToString"
void builtin_stringToSymbol(Interpreter *interpreter, int *error); // "stringToSymbol"
void builtin_toNumber(Interpreter *interpreter, int *error);       // "toNumber"
void builtin_concat(Interpreter *interpreter, int *error);         // "concat"
void builtin_stringLength(Interpreter *interpreter, int *error);   // "stringLength"
void builtin_capitalize(Interpreter *interpreter, int *error);     // "capitalize"
void builtin_humanize(Interpreter *interpreter, int *error);       // "humanize"
void builtin_substring(Interpreter *interpreter, int *error);      // "substring"
void builtin_split(Interpreter *interpreter, int *error);          // "split"
void builtin_sprintf(Interpreter *interpreter, int *error);        // "sprintf"
void builtin_commaString(Interpreter *interpreter, int *error);    // "commaString"

} // namespace quip
