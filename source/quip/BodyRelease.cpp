#include "quip/BodyRelease.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>

namespace quip {

namespace {
struct PendingBody {
  void *body;
  BodyFree free;
};

// Plain thread-local storage without destructors: bodies may be released
// while the program's statics are being destroyed. Most releases fit the
// fixed block; a larger list spills to the heap for as long as it lasts.
constexpr uint32_t kFixed = 64;
thread_local PendingBody t_fixed[kFixed];
thread_local PendingBody *t_pending = nullptr;
thread_local uint32_t t_count = 0;
thread_local uint32_t t_capacity = 0;
thread_local bool t_releasing = false;

void defer(void *body, BodyFree free) {
  if (!t_pending) {
    t_pending = t_fixed;
    t_capacity = kFixed;
  }
  if (t_count == t_capacity) {
    auto *grown = static_cast<PendingBody *>(std::malloc(2 * sizeof(PendingBody) * t_capacity));
    if (!grown)
      throw std::bad_alloc();
    std::memcpy(grown, t_pending, sizeof(PendingBody) * t_count);
    if (t_pending != t_fixed)
      std::free(t_pending);
    t_pending = grown;
    t_capacity *= 2;
  }
  t_pending[t_count++] = PendingBody{body, free};
}
} // namespace

void releaseBody(void *body, BodyFree free) {
  if (t_releasing) {
    defer(body, free);
    return;
  }
  t_releasing = true;
  free(body);
  while (t_count > 0) {
    PendingBody next = t_pending[--t_count];
    next.free(next.body);
  }
  if (t_pending != t_fixed)
    std::free(t_pending);
  t_pending = nullptr;
  t_capacity = 0;
  t_releasing = false;
}

} // namespace quip
