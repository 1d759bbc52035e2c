#pragma once
// Sends standard output and standard error to files (the framework uses
// "stdout.txt" and "stderr.txt"); files that stayed empty are removed again
// when the streams are closed.

#include "xstring/String.h"

// Each path is directory + "/" + name, the directory being the given one or
// the current directory. Standard output becomes line-buffered, standard
// error unbuffered. False when a file cannot be opened (standard output is
// then closed too) or a path exceeds 4096 bytes.
bool redirectOutput(bool redirectError, const char *errorName, bool redirectStandardOutput,
                    const char *outputName, const String *directory);
// Closes both streams, then removes each redirected file that is empty.
void closeRedirectedOutput(bool outputRedirected, bool errorRedirected);
