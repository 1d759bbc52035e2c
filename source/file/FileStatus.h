#pragma once
// File-status helpers. A failed system call gives false and leaves the outputs untouched.

#include "xstring/String.h"

#include <ctime>

namespace file {

bool exists(const String &path);
bool isDirectory(const String &path);
// Permission bits 0755.
bool makeDirectory(const String &path);
bool removeFile(const String &path);
// Access and modification times become now.
bool touch(const String &path);
bool modificationTime(const String &path, time_t &out);
bool fileSize(const String &path, unsigned int &out);

} // namespace file
