// Counts heap allocations while `allocationCounting` is set, so a benchmark
// or a test can see the allocations made inside the code it runs. Replaces
// the global allocation functions: include it from exactly one file of a
// program.
#pragma once

#include "support/AllocationCount.h"

#include <cstdlib>
#include <new>

// The replacements pair malloc with free; the compiler cannot see that they
// replace the whole family.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

void *operator new(std::size_t n) {
  if (allocationCounting)
    ++allocationCount;
  if (void *p = std::malloc(n ? n : 1))
    return p;
  throw std::bad_alloc();
}
void *operator new[](std::size_t n) { return operator new(n); }
// The non-throwing forms too, so that no pointer from the default (or a
// sanitizer's) allocator reaches the free() below.
void *operator new(std::size_t n, const std::nothrow_t &) noexcept {
  if (allocationCounting)
    ++allocationCount;
  return std::malloc(n ? n : 1);
}
void *operator new[](std::size_t n, const std::nothrow_t &tag) noexcept {
  return operator new(n, tag);
}
void operator delete(void *p) noexcept { std::free(p); }
void operator delete[](void *p) noexcept { std::free(p); }
void operator delete(void *p, std::size_t) noexcept { std::free(p); }
void operator delete[](void *p, std::size_t) noexcept { std::free(p); }
void operator delete(void *p, const std::nothrow_t &) noexcept { std::free(p); }
void operator delete[](void *p, const std::nothrow_t &) noexcept { std::free(p); }
