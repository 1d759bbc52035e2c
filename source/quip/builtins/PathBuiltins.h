#pragma once
// Path, file-list and database builtins.

#include "quip/Builtin.h"

namespace quip {

void builtin_listDrives(Interpreter *interpreter, int *error);         // "listDrives"
void builtin_listFiles(Interpreter *interpreter, int *error);          // "listFiles"
void builtin_listSubdirectories(Interpreter *interpreter, int *error); // "listSubdirectories"
void builtin_absolutePath(Interpreter *interpreter, int *error);       // "absolutePath"
void builtin_driveFromPath(Interpreter *interpreter, int *error);      // "driveFromPath"
void builtin_pathSeparator(Interpreter *interpreter, int *error);      // "pathSeparator"
void builtin_defaultDatabase(Interpreter *interpreter, int *error);    // "defaultDatabase"
void builtin_databasePath(Interpreter *interpreter, int *error);       // "databasePath"

} // namespace quip
