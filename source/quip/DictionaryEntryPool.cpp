#include "quip/DictionaryEntryPool.h"

#include <cstdlib>
#include <mutex>
#include <new>

#if defined(__SANITIZE_ADDRESS__)
#define QUIP_PLAIN_ENTRIES 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QUIP_PLAIN_ENTRIES 1
#endif
#endif

namespace quip {

#ifdef QUIP_PLAIN_ENTRIES

void *takeEntryMemory() { return ::operator new(sizeof(DictionaryEntry)); }
void giveEntryMemory(void *memory) { ::operator delete(memory); }

#else

namespace {

union FreeEntry {
  FreeEntry *next;
  alignas(DictionaryEntry) unsigned char bytes[sizeof(DictionaryEntry)];
};

constexpr size_t kEntriesPerBlock = 128;

// Entries left by threads that have ended, for the next thread that runs out.
std::mutex g_orphansLock;
FreeEntry *g_orphans = nullptr;

// Each thread keeps the entries it freed, and carves a block from the front;
// what it holds when it ends goes to the orphans.
struct ThreadEntries {
  FreeEntry *free = nullptr;
  FreeEntry *block = nullptr;
  size_t blockLeft = 0;

  ~ThreadEntries() {
    while (blockLeft) {
      --blockLeft;
      FreeEntry *entry = block++;
      entry->next = free;
      free = entry;
    }
    if (!free)
      return;
    // Entries freed by this thread from here on (while the process ends)
    // start a list of their own.
    FreeEntry *first = free;
    free = nullptr;
    FreeEntry *last = first;
    while (last->next)
      last = last->next;
    std::lock_guard<std::mutex> hold(g_orphansLock);
    last->next = g_orphans;
    g_orphans = first;
  }
};

thread_local ThreadEntries t_entries;

} // namespace

void *takeEntryMemory() {
  ThreadEntries &mine = t_entries;
  if (FreeEntry *entry = mine.free) {
    mine.free = entry->next;
    return entry;
  }
  if (mine.blockLeft == 0) {
    {
      std::lock_guard<std::mutex> hold(g_orphansLock);
      mine.free = g_orphans;
      g_orphans = nullptr;
    }
    if (FreeEntry *entry = mine.free) {
      mine.free = entry->next;
      return entry;
    }
    void *block = std::malloc(kEntriesPerBlock * sizeof(FreeEntry));
    if (!block)
      throw std::bad_alloc();
    mine.block = static_cast<FreeEntry *>(block);
    mine.blockLeft = kEntriesPerBlock;
  }
  --mine.blockLeft;
  return mine.block++;
}

void giveEntryMemory(void *memory) {
  FreeEntry *entry = static_cast<FreeEntry *>(memory);
  ThreadEntries &mine = t_entries;
  entry->next = mine.free;
  mine.free = entry;
}

#endif

} // namespace quip
