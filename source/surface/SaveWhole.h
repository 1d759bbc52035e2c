#pragma once
// Writes a file whole or not at all: the bytes go to a temporary file beside
// it, which then replaces the named file.

#include "xstring/String.h"

#include <cstdint>

// False when the temporary file cannot be made, written or renamed; the named
// file is then as it was.
bool saveWhole(const String &path, const void *bytes, uint32_t count);
// The same, with a separate answer for a file that cannot be opened at all.
enum class SaveResult { Saved, OpenFailed, WriteFailed };
SaveResult saveWholeFile(const String &path, const void *bytes, uint32_t count);
