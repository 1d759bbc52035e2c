#pragma once
// Paths are Strings with '/' separators. System calls get them as UTF-8 bytes.

#include "container/Vector.h"
#include "xstring/String.h"

#include <cstdio>

namespace file {

// Every '\\' replaced by '/'.
String nativePath(const String &path);
// The native path as zero-terminated UTF-8 for a system call.
void systemPath(const String &path, container::Vector<char> &out);

// fopen of the native path with the mode ("rb", "wb", "ab"); null on failure.
FILE *openFile(const String &path, const String &mode);
void closeFile(FILE *file);

String currentDirectory();
// The path unchanged when it begins with '/', else below the current directory.
String absolutePath(const String &path);

} // namespace file
