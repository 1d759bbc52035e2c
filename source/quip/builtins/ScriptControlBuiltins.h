#pragma once
// Script control builtins: spawning by name, waiting, messages, halting, atomic sections.

#include "quip/Builtin.h"

namespace quip {

void builtin_spawnNamed(Interpreter *interpreter, int *error);           // "spawnNamed"
void builtin_spawnRemoteNamed(Interpreter *interpreter, int *error);     // "spawnRemoteNamed"
void builtin_wait(Interpreter *interpreter, int *error);                 // "wait"
void builtin_select(Interpreter *interpreter, int *error);               // "select"
void builtin_sendMessage(Interpreter *interpreter, int *error);          // "sendMessage"
void builtin_sendRemoteMessage(Interpreter *interpreter, int *error);    // "sendRemoteMessage"
void builtin_halt(Interpreter *interpreter, int *error);                 // "halt"
void builtin_haltAll(Interpreter *interpreter, int *error);              // "haltAll"
void builtin_beginAtomic(Interpreter *interpreter, int *error);          // "beginAtomic"
void builtin_endAtomic(Interpreter *interpreter, int *error);            // "endAtomic"
void builtin_currentScriptManager(Interpreter *interpreter, int *error); // "currentScriptManager"

} // namespace quip
