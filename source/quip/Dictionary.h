#pragma once
// A handle on a shared, reference-counted table from Symbol to token. The
// table grows on its number of occupied buckets (11 buckets, threshold 5, then
// doubled); a frozen table refuses new keys but still replaces values.

#include "container/Hash.h"
#include "xstring/Symbol.h"

#include <cstdint>

namespace quip {

class Token;
class Array;
enum Type : uint8_t;

struct DictionaryEntry;

// Counts the changes to where names are bound: a key added to or removed from
// a dictionary that is on some interpreter's dictionary stack, a handle moved
// to another body, a dictionary pushed or popped. A cached name resolution
// holds while it is unchanged. Dictionaries used as data (records, tables)
// are on no dictionary stack: their keys come and go without forgetting
// every interpreter's cached names.
extern uint64_t g_bindingEpoch;
inline void bindingsChanged() { ++g_bindingEpoch; }

struct DictionaryBody {
  DictionaryEntry **buckets;
  uint32_t bucketCount;
  uint32_t usedBuckets;
  uint32_t threshold;
  uint8_t frozen;
  uint32_t references;
  // How deeply the ")" builder nested containers below this body.
  uint16_t builtDepth;
  // How many dictionary-stack handles hold this body; only a change to such
  // a body can change what a name resolves to.
  uint32_t scopes;
  // bucketCount's reciprocal for a division-free modulo (see bucketOf).
  uint64_t reciprocal;

  static uint64_t reciprocalOf(uint32_t divisor) { return UINT64_MAX / divisor + 1; }
  // hash % bucketCount, exactly, by multiplication: name look-up is the
  // interpreter's hottest path.
  uint32_t bucketOf(uint32_t hash) const {
    uint64_t low = reciprocal * hash;
    return uint32_t((static_cast<unsigned __int128>(low) * bucketCount) >> 64);
  }
};

class Dictionary {
public:
  Dictionary();
  Dictionary(const Dictionary &other) : m_body(other.m_body) { ++m_body->references; }
  // A moved-from handle may only be assigned to or destroyed.
  Dictionary(Dictionary &&other) noexcept : m_body(other.m_body) { other.m_body = nullptr; }
  ~Dictionary() {
    if (m_body && --m_body->references == 0)
      destroy(m_body);
  }
  Dictionary &operator=(const Dictionary &other);
  Dictionary &operator=(Dictionary &&other) noexcept;

  // The stored value, or null.
  inline Token *lookup(Symbol key) const;
  // The same; a value of another type is returned all the same.
  Token *lookupTyped(Symbol key, Type expected) const;
  // False only when the key is absent from a frozen body.
  bool set(Symbol key, const Token &value);
  // The same, taking the value over (a string's text is not copied).
  bool set(Symbol key, Token &&value);
  bool remove(Symbol key);
  bool isEmpty() const { return m_body->usedBuckets == 0; }
  // Every key as an executable symbol, in bucket order (newest first in a bucket).
  Array keys() const;
  void merge(const Dictionary &other);
  // Lets go of the body (other handles keep it) and takes a new empty one.
  void clear();
  void freeze() { m_body->frozen = 1; }
  bool isFrozen() const { return m_body->frozen != 0; }
  // Marks the body as held (or no longer held) by a dictionary stack; the
  // handle doing so must not be moved to another body meanwhile.
  void enterScope() { ++m_body->scopes; }
  void leaveScope() { --m_body->scopes; }

  uint32_t bucketCount() const { return m_body->bucketCount; }
  uint32_t usedBuckets() const { return m_body->usedBuckets; }
  uint32_t growThreshold() const { return m_body->threshold; }
  uint32_t count() const;
  bool sameBody(const Dictionary &other) const { return m_body == other.m_body; }
  const DictionaryBody *body() const { return m_body; }
  uint16_t builtDepth() const { return m_body->builtDepth; }
  void setBuiltDepth(uint16_t depth) { m_body->builtDepth = depth; }
  uint32_t references() const { return m_body->references; }

  // Visits every entry in key order: f(Symbol, Token&).
  template <typename F> void forEach(F &&f) const;

private:
  static void destroy(DictionaryBody *body);
  void grow();

  DictionaryBody *m_body;
};

} // namespace quip

#include "quip/Token.h"
