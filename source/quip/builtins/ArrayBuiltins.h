#pragma once
// Array and dictionary builtins: building, indexing, searching, keys and merging.

#include "quip/Builtin.h"

namespace quip {

void builtin_replace(Interpreter *interpreter, int *error);         // "replace"
void builtin_makearray(Interpreter *interpreter, int *error);       // "]"
void builtin_array(Interpreter *interpreter, int *error);           // "array"
void builtin_at(Interpreter *interpreter, int *error);              // "at"
void builtin_atRandom(Interpreter *interpreter, int *error);        // "atRandom"
void builtin_put(Interpreter *interpreter, int *error);             // "put"
void builtin_append(Interpreter *interpreter, int *error);          // "append"
void builtin_appendArray(Interpreter *interpreter, int *error);     // "appendArray"
void builtin_firstIndexOf(Interpreter *interpreter, int *error);    // "firstIndexOf"
void builtin_removeByIndex(Interpreter *interpreter, int *error);   // "removeByIndex"
void builtin_makedict(Interpreter *interpreter, int *error);        // ")"
void builtin_hasKey(Interpreter *interpreter, int *error);          // "hasKey"
void builtin_lookup(Interpreter *interpreter, int *error);          // "lookup"
void builtin_lookupRequired(Interpreter *interpreter, int *error);  // "lookupRequired"
void builtin_lookupElse(Interpreter *interpreter, int *error);      // "lookupElse"
void builtin_keys(Interpreter *interpreter, int *error);            // "keys"
void builtin_sortedKeys(Interpreter *interpreter, int *error);      // "sortedKeys"
void builtin_mergeDictionary(Interpreter *interpreter, int *error); // "mergeDictionary"
void builtin_defDictArgs(Interpreter *interpreter, int *error);     // "defDictArgs"
void builtin_isEmpty(Interpreter *interpreter, int *error);         // "isEmpty"

} // namespace quip
