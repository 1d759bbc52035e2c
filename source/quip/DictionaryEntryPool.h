#pragma once
// Dictionary entries come from blocks of many, and go back to the thread
// that frees them for reuse: a record of a few fields would otherwise pay a
// general allocation's overhead for every field. Blocks are never given
// back. Under the address sanitizer every entry is an allocation of its own,
// so that misuse is still caught.

#include "quip/Token.h"

#include <utility>

namespace quip {

void *takeEntryMemory();
void giveEntryMemory(void *memory);

template <typename Value>
DictionaryEntry *newEntry(Symbol key, Value &&value, DictionaryEntry *next) {
  return new (takeEntryMemory()) DictionaryEntry{key, std::forward<Value>(value), next};
}

inline void deleteEntry(DictionaryEntry *entry) {
  entry->~DictionaryEntry();
  giveEntryMemory(entry);
}

} // namespace quip
