#pragma once
// The engine's script bindings: the builtins through which scripts reach the
// engine, bound under their script names in one step.

namespace quip {
class Dictionary;
}

// Binds every engine builtin in the dictionary; with remove, takes them out.
void registerFrameworkBuiltins(quip::Dictionary &dictionary, bool remove);
