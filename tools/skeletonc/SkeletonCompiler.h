#pragma once
// Compiles the skeleton sources of a data tree into the files the skeleton
// store reads: each skeleton's own record, all records in one file, and the
// sorted index of their names.

#include "container/Vector.h"
#include "xstring/String.h"
#include "xstring/Symbol.h"

class Database;

namespace skeletonc {

// Every "*.!" of ROOT/config/skeletons is read through the skeleton's
// dictionary load, with the database for its billboards; a source without
// "name" takes its file's. Then ROOT/config/skeletons/<name>.bin,
// ROOT/config/skeletons.bin and ROOT/config/skeletons/index.bin are saved,
// each whole. False, with the reason, when a source cannot be read or its
// skeleton stored; nothing is written then. The names compiled go out
// sorted.
bool compileSkeletons(Database &database, const String &root, container::Vector<Symbol> &names,
                      String &reason);

} // namespace skeletonc
