#pragma once
// Hash functions for the keyed tables. Symbols and pointers hash by address.

#include <cstdint>
#include <cstdlib>

class String;

namespace container {

inline uint32_t hash(unsigned int x) { return x * 16161u; }
// abs taken in unsigned arithmetic, so the most negative int needs no special case.
inline uint32_t hash(int x) { return (x < 0 ? 0u - uint32_t(x) : uint32_t(x)) * 16161u; }
inline uint32_t hash(const void *p) { return hash((unsigned int)(uintptr_t(p) >> 4)); }
uint32_t hash(const String &s);

template <typename K> struct Hash {
  uint32_t operator()(const K &key) const { return hash(key); }
};

template <> struct Hash<String> {
  uint32_t operator()(const String &s) const { return hash(s); }
};

template <typename P> struct Hash<P *> {
  uint32_t operator()(P *key) const { return hash(static_cast<const void *>(key)); }
};

} // namespace container
