#include "threads/Thread.h"

#include "error/Assert.h"

#include <cerrno>

namespace threads {

Thread::Thread() = default;

Thread::~Thread() { stop(); }

int Thread::start() {
  // A second start would lose the first thread's handle and it could never be joined.
  if (m_hasThread)
    return EBUSY;
  int result = pthread_create(&m_pthread, nullptr, &Thread::entry, this);
  if (result != 0) {
    m_finished = true;
    return result;
  }
  m_hasThread = true;
  return 0;
}

void Thread::kill() { m_killRequested = true; }

void Thread::killAndWait() {
  kill();
  if (!m_hasThread)
    return;
  CORVANE_ASSERT_TEXT(!pthread_join(m_pthread, nullptr), L"!pthread_join( m_pthread, NULL )");
  m_hasThread = false;
}

void Thread::terminate() {
  m_terminated = true;
  if (!m_hasThread)
    return;
  CORVANE_ASSERT_TEXT(!pthread_cancel(m_pthread), L"!pthread_cancel( m_pthread )");
  // Without the join a cancelled body could still be unwinding through this
  // object when its owner deletes it.
  pthread_join(m_pthread, nullptr);
  m_hasThread = false;
}

void Thread::stop() {
  if (m_hasThread)
    killAndWait();
}

void *Thread::entry(void *self) {
  Thread *thread = static_cast<Thread *>(self);
  thread->run();
  thread->m_finished = true;
  return nullptr;
}

} // namespace threads
