#include "quip/BodyRelease.h"

#include "container/Vector.h"

namespace quip {

namespace {
struct PendingBody {
  void *body;
  BodyFree free;
};

thread_local bool t_releasing = false;
thread_local container::Vector<PendingBody> t_pending;
} // namespace

void releaseBody(void *body, BodyFree free) {
  if (t_releasing) {
    t_pending.push(PendingBody{body, free});
    return;
  }
  t_releasing = true;
  free(body);
  while (!t_pending.isEmpty()) {
    PendingBody next = t_pending.pop();
    next.free(next.body);
  }
  t_releasing = false;
}

} // namespace quip
