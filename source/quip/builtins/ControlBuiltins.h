#pragma once
// Control flow and definitions: equality, truth, conditionals, eval and return, the dictionary
// stack, def, load, bind, compound assignment, index and putIndex.

#include "quip/Builtin.h"

namespace quip {

void builtin_eq(Interpreter *interpreter, int *error);           // "=="
void builtin_not_eq(Interpreter *interpreter, int *error);       // "!="
void builtin_ifelse(Interpreter *interpreter, int *error);       // "ifelse"
void builtin_if(Interpreter *interpreter, int *error);           // "if"
void builtin_switch(Interpreter *interpreter, int *error);       // "switch"
void builtin_plusEquals(Interpreter *interpreter, int *error);   // "+="
void builtin_minusEquals(Interpreter *interpreter, int *error);  // "-="
void builtin_timesEquals(Interpreter *interpreter, int *error);  // "*="
void builtin_divideEquals(Interpreter *interpreter, int *error); // "/="
void builtin_not(Interpreter *interpreter, int *error);          // "not"
void builtin_and(Interpreter *interpreter, int *error);          // "and"
void builtin_or(Interpreter *interpreter, int *error);           // "or"
void builtin_def(Interpreter *interpreter, int *error);          // "def"
void builtin_begin(Interpreter *interpreter, int *error);        // "begin"
void builtin_end(Interpreter *interpreter, int *error);          // "end"
void builtin_load(Interpreter *interpreter, int *error);         // "load"
void builtin_bind(Interpreter *interpreter, int *error);         // "bind"
void builtin_index(Interpreter *interpreter, int *error);        // "index"
void builtin_putIndex(Interpreter *interpreter, int *error);     // "putIndex"
void builtin_eval(Interpreter *interpreter, int *error);         // "eval"
void builtin_return(Interpreter *interpreter, int *error);       // "return"

} // namespace quip
