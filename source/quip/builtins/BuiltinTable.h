#pragma once
// The language's builtins under their script names, in registration order.

#include "quip/Builtin.h"

namespace quip {

// Binds every builtin of the table (or, with remove, takes every one of its
// names out of the dictionary, leaving other entries alone).
void registerBuiltins(Dictionary &dictionary, bool remove);

// Tells the interpreter which builtins it may run in its own loop.
void registerInlineBuiltins();

uint32_t builtinCount();
// The script name of a row (index below builtinCount()).
const wchar_t *builtinName(uint32_t index);

} // namespace quip
