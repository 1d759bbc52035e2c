#include "quip/Dictionary.h"
#include "quip/BodyRelease.h"
#include "quip/DictionaryEntryPool.h"

#include <utility>

namespace quip {

uint64_t g_bindingEpoch = 1;

namespace {
DictionaryBody *newBody() {
  return new DictionaryBody{new DictionaryEntry *[11](),     11, 0, 5, 0, 1, 0, 0,
                            DictionaryBody::reciprocalOf(11)};
}
} // namespace

Dictionary::Dictionary() : m_body(newBody()) {}

Dictionary &Dictionary::operator=(const Dictionary &other) {
  if (m_body == other.m_body)
    return *this;
  ++other.m_body->references;
  bindingsChanged();
  if (m_body && --m_body->references == 0)
    destroy(m_body);
  m_body = other.m_body;
  return *this;
}

Dictionary &Dictionary::operator=(Dictionary &&other) noexcept {
  if (this != &other) {
    std::swap(m_body, other.m_body);
    bindingsChanged();
  }
  return *this;
}

void Dictionary::destroy(DictionaryBody *body) {
  // A body on a dictionary stack is held by it: it is freed only after it
  // has left every stack, which already changed the epoch.
  quip::releaseBody(body, [](void *pending) {
    DictionaryBody *freed = static_cast<DictionaryBody *>(pending);
    for (uint32_t b = 0; b < freed->bucketCount; ++b) {
      DictionaryEntry *entry = freed->buckets[b];
      while (entry) {
        DictionaryEntry *next = entry->next;
        deleteEntry(entry);
        entry = next;
      }
    }
    delete[] freed->buckets;
    delete freed;
  });
}

Token *Dictionary::lookupTyped(Symbol key, Type) const { return lookup(key); }

bool Dictionary::set(Symbol key, const Token &value) {
  uint32_t index = m_body->bucketOf(container::hash(key));
  for (DictionaryEntry *entry = m_body->buckets[index]; entry; entry = entry->next) {
    if (entry->key == key) {
      // Interpreters remember which builtin a name runs: replacing one in
      // place must make them look again.
      if (m_body->scopes && (entry->value.isBuiltin() || value.isBuiltin()))
        bindingsChanged();
      entry->value = value;
      return true;
    }
  }
  if (m_body->frozen)
    return false;
  if (m_body->scopes)
    bindingsChanged();
  if (!m_body->buckets[index])
    ++m_body->usedBuckets;
  m_body->buckets[index] = newEntry(key, value, m_body->buckets[index]);
  if (m_body->usedBuckets > m_body->threshold)
    grow();
  return true;
}

bool Dictionary::set(Symbol key, Token &&value) {
  uint32_t index = m_body->bucketOf(container::hash(key));
  for (DictionaryEntry *entry = m_body->buckets[index]; entry; entry = entry->next) {
    if (entry->key == key) {
      if (m_body->scopes && (entry->value.isBuiltin() || value.isBuiltin()))
        bindingsChanged();
      entry->value.swap(value);
      return true;
    }
  }
  if (m_body->frozen)
    return false;
  if (m_body->scopes)
    bindingsChanged();
  if (!m_body->buckets[index])
    ++m_body->usedBuckets;
  m_body->buckets[index] = newEntry(key, std::move(value), m_body->buckets[index]);
  if (m_body->usedBuckets > m_body->threshold)
    grow();
  return true;
}

// Doubles the buckets and re-inserts every entry as a new key would be (at the
// head of its chain), old buckets in order and each chain from its head; a
// re-insertion that crosses the new threshold grows again at once.
void Dictionary::grow() {
  DictionaryBody *body = m_body;
  DictionaryEntry **old = body->buckets;
  uint32_t oldCount = body->bucketCount;
  body->bucketCount = 2 * oldCount;
  body->threshold = body->bucketCount / 2;
  body->reciprocal = DictionaryBody::reciprocalOf(body->bucketCount);
  body->usedBuckets = 0;
  body->buckets = new DictionaryEntry *[body->bucketCount]();
  for (uint32_t b = 0; b < oldCount; ++b) {
    DictionaryEntry *entry = old[b];
    while (entry) {
      DictionaryEntry *next = entry->next;
      uint32_t index = body->bucketOf(container::hash(entry->key));
      if (!body->buckets[index])
        ++body->usedBuckets;
      entry->next = body->buckets[index];
      body->buckets[index] = entry;
      entry = next;
      if (body->usedBuckets > body->threshold)
        grow();
    }
  }
  delete[] old;
}

bool Dictionary::remove(Symbol key) {
  uint32_t index = m_body->bucketOf(container::hash(key));
  DictionaryEntry **link = &m_body->buckets[index];
  while (*link) {
    DictionaryEntry *entry = *link;
    if (entry->key == key) {
      *link = entry->next;
      deleteEntry(entry);
      if (m_body->scopes)
        bindingsChanged();
      if (!m_body->buckets[index])
        --m_body->usedBuckets;
      return true;
    }
    link = &entry->next;
  }
  return false;
}

Array Dictionary::keys() const {
  Array out(0);
  out.reserve(m_body->usedBuckets);
  forEach([&](Symbol key, const Token &) { out.append(Token(key, true)); });
  return out;
}

void Dictionary::merge(const Dictionary &other) {
  if (m_body == other.m_body)
    return;
  other.forEach([&](Symbol key, const Token &value) { set(key, value); });
}

void Dictionary::clear() {
  if (isEmpty())
    return;
  if (--m_body->references == 0)
    destroy(m_body);
  m_body = newBody();
  bindingsChanged();
}

uint32_t Dictionary::count() const {
  uint32_t n = 0;
  forEach([&](Symbol, const Token &) { ++n; });
  return n;
}

} // namespace quip
