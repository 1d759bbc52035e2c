#pragma once
// Running shell commands: the command and its arguments joined by blanks.

#include "container/Vector.h"
#include "xstring/String.h"

// The status system() gives.
int runCommand(const String &command, const container::Vector<String> &arguments);
// Starts the command in a child process; false when no process could be made.
bool runCommandInBackground(const String &command, const container::Vector<String> &arguments);
// Runs the command and appends what it writes (UTF-8) to output when one is
// given; the command's status, or -1 when it cannot be started or read.
int captureCommandOutput(const String &command, String *output);
