#pragma once
// Spawning and code-loading builtins.

#include "quip/Builtin.h"

namespace quip {

void builtin_read(Interpreter *interpreter, int *error);              // "read"
void builtin_parse(Interpreter *interpreter, int *error);             // "parse"
void builtin_deserialize(Interpreter *interpreter, int *error);       // "deserialize"
void builtin_spawn(Interpreter *interpreter, int *error);             // "spawn"
void builtin_spawnToCompletion(Interpreter *interpreter, int *error); // "spawnToCompletion"
void builtin_spawnRemote(Interpreter *interpreter, int *error);       // "spawnRemote"

} // namespace quip
