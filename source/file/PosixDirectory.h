#pragma once
// Directory listings in name order (scandir with alphasort, LC_COLLATE "C").
// A directory that cannot be read is an assertion, not an empty list.

#include "container/Vector.h"
#include "xstring/String.h"
#include "xstring/Symbol.h"

class PosixDirectory {
public:
  // The files (every entry that is not a directory) whose names pass the
  // filter: patterns separated by ',', each with an optional leading and
  // trailing '*'; an empty filter passes every name.
  static void listFiles(const String &directory, const String &filter,
                        container::Vector<Symbol> &out);
  // Every subdirectory, "." and ".." included.
  static void listSubdirectories(const String &directory, container::Vector<Symbol> &out);

  static bool matchesFilter(const String &name, const String &filter);
  static bool matchesPattern(const String &name, const String &pattern);
};

namespace file {
void listFiles(const String &directory, const String &filter, container::Vector<Symbol> &out);
void listSubdirectories(const String &directory, container::Vector<Symbol> &out);
// The one root "/".
container::Vector<Symbol> listDrives();
} // namespace file
