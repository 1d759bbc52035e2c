#pragma once
// Named animation definitions read from one dictionary: each key names a
// definition, each value is its dictionary form. The table owns them.

#include "container/HashTable.h"
#include "xstring/Symbol.h"

namespace quip {
class Dictionary;
}

namespace animation {

class AnimationDefinition;

using AnimationTable = container::HashTable<Symbol, AnimationDefinition *>;

// Adds (replacing and deleting one of the same name) a definition for every
// entry whose value is a dictionary; false when an entry was not one or did
// not load cleanly.
bool loadAnimationTable(const quip::Dictionary &dictionary, AnimationTable &table);
// Deletes every definition and empties the table.
void clearAnimationTable(AnimationTable &table);

} // namespace animation
