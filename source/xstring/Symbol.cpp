#include "xstring/Symbol.h"

#include <cwchar>
#include <mutex>

namespace {

constexpr uint32_t kBuckets = 10007;

struct Node {
  wchar_t *text;
  Node *next;
};

// The score-request threads intern a few names of their own, so the table is
// guarded; the lock is only taken on interning, never on comparing.
std::mutex &tableMutex() {
  static std::mutex *m = new std::mutex;
  return *m;
}

Node **g_buckets = nullptr;

uint32_t internHash(const wchar_t *text) {
  uint32_t h = 0, a = 31415;
  for (; *text; ++text) {
    h = (uint32_t(*text) + a * h) % kBuckets;
    a = (27183 * a) % (kBuckets - 1);
  }
  return h;
}

} // namespace

Symbol Symbol::intern(const wchar_t *text) {
  if (!text)
    text = L"";
  std::lock_guard<std::mutex> lock(tableMutex());
  if (!g_buckets)
    g_buckets = new Node *[kBuckets]();
  uint32_t h = internHash(text);
  for (Node *node = g_buckets[h]; node; node = node->next)
    if (std::wcscmp(node->text, text) == 0)
      return Symbol(node->text);
  size_t n = std::wcslen(text);
  wchar_t *copy = new wchar_t[n + 1];
  std::wmemcpy(copy, text, n + 1);
  g_buckets[h] = new Node{copy, g_buckets[h]};
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
  for (uint32_t b = 0; b < kBuckets; ++b) {
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
  uint32_t n = symbols.size();
  if (n < 2)
    return;
  for (uint32_t i = 0; i + 1 < n; ++i)
    for (uint32_t j = n - 1; j > i; --j)
      if (std::wcscmp(symbols[j].text(), symbols[j - 1].text()) < 0)
        symbols.swap(j, j - 1);
}
