#include "xstring/Symbol.h"

#include <algorithm>
#include <cwchar>
#include <mutex>
#include <random>

namespace {

// The table doubles as it fills (one text per bucket on average), and the
// hash is keyed by a seed drawn once per process: texts chosen to land in one
// chain cannot be known in advance, so interning stays fast for any input.
// Callers never see the bucket order (they sort).
constexpr uint32_t kFirstBuckets = 16384;

struct Node {
  wchar_t *text;
  uint64_t hash;
  Node *next;
};

// The score-request threads intern a few names of their own, so the table is
// guarded; the lock is only taken on interning, never on comparing.
std::mutex &tableMutex() {
  static std::mutex *m = new std::mutex;
  return *m;
}

Node **g_buckets = nullptr;
uint32_t g_bucketCount = 0;
uint32_t g_count = 0;
uint64_t g_seed = 0;

uint64_t internHash(const wchar_t *text, size_t &length) {
  uint64_t h = g_seed;
  const wchar_t *c = text;
  for (; *c; ++c) {
    h = (h ^ uint32_t(*c)) * 0x9E3779B97F4A7C15ull;
    h ^= h >> 32;
  }
  length = size_t(c - text);
  h ^= length;
  h ^= h >> 29;
  h *= 0xBF58476D1CE4E5B9ull;
  h ^= h >> 32;
  return h;
}

void createTable() {
  std::random_device device;
  g_seed = (uint64_t(device()) << 32 | device()) | 1;
  g_bucketCount = kFirstBuckets;
  g_buckets = new Node *[g_bucketCount]();
  g_count = 0;
}

void growTable() {
  uint32_t count = 2 * g_bucketCount;
  Node **buckets = new Node *[count]();
  for (uint32_t b = 0; b < g_bucketCount; ++b) {
    Node *node = g_buckets[b];
    while (node) {
      Node *next = node->next;
      Node *&head = buckets[node->hash & (count - 1)];
      node->next = head;
      head = node;
      node = next;
    }
  }
  delete[] g_buckets;
  g_buckets = buckets;
  g_bucketCount = count;
}

} // namespace

Symbol Symbol::intern(const wchar_t *text) {
  if (!text)
    text = L"";
  std::lock_guard<std::mutex> lock(tableMutex());
  if (!g_buckets)
    createTable();
  size_t n = 0;
  uint64_t h = internHash(text, n);
  for (Node *node = g_buckets[h & (g_bucketCount - 1)]; node; node = node->next)
    if (node->hash == h && std::wcscmp(node->text, text) == 0)
      return Symbol(node->text);
  if (g_count >= g_bucketCount)
    growTable();
  wchar_t *copy = new wchar_t[n + 1];
  std::wmemcpy(copy, text, n + 1);
  Node *&head = g_buckets[h & (g_bucketCount - 1)];
  head = new Node{copy, h, head};
  ++g_count;
  return Symbol(copy);
}

Symbol Symbol::emptySymbol() {
  static const Symbol empty = intern(L"");
  return empty;
}

void Symbol::releaseTable() {
  std::lock_guard<std::mutex> lock(tableMutex());
  if (!g_buckets)
    return;
  for (uint32_t b = 0; b < g_bucketCount; ++b) {
    Node *node = g_buckets[b];
    while (node) {
      Node *next = node->next;
      delete[] node->text;
      delete node;
      node = next;
    }
  }
  delete[] g_buckets;
  g_buckets = nullptr;
  g_bucketCount = 0;
  g_count = 0;
}

void filterSymbols(container::Vector<Symbol> &symbols, const String &filter) {
  container::Vector<String> words;
  filter.lowerCased().split(String(L" ,"), words);
  if (words.isEmpty())
    return;
  for (uint32_t i = 0; i < symbols.size();) {
    String text = symbols[i].toString().lowerCased();
    bool keep = true;
    for (const String &word : words) {
      if (text.find(word) < 0) {
        keep = false;
        break;
      }
    }
    if (keep) {
      ++i;
    } else {
      symbols.removeSwap(i);
    }
  }
}

void sortSymbols(container::Vector<Symbol> &symbols) {
  // Stable, so equal texts keep their order as an exchange sort leaves them.
  std::stable_sort(symbols.data(), symbols.data() + symbols.size(),
                   [](Symbol a, Symbol b) { return std::wcscmp(a.text(), b.text()) < 0; });
}
