#pragma once
// The language's builtins under their script names, in registration order.

#include "quip/Builtin.h"

namespace quip {

// Names the inline builtins, then has every script manager made from now on
// bind the table. Programs that run scripts call it once before making their
// managers (the framework, quipc, tests); calling it again changes nothing.
void installBuiltins();

// Binds every builtin of the table (or, with remove, takes every one of its
// names out of the dictionary, leaving other entries alone).
void registerBuiltins(Dictionary &dictionary, bool remove);

// Tells the interpreter which builtins it may run in its own loop.
void registerInlineBuiltins();

uint32_t builtinCount();
// The script name of a row (index below builtinCount()).
const wchar_t *builtinName(uint32_t index);

} // namespace quip
