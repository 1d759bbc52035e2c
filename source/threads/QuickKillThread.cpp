#include "threads/QuickKillThread.h"

#include "error/Assert.h"

namespace threads {

QuickKillThread::QuickKillThread() {
  CORVANE_ASSERT_TEXT(Socket::socketPair(m_socketMain, m_socketSpawned),
                      L"Socket::socketPair( m_socketMain, m_socketSpawned )");
}

QuickKillThread::~QuickKillThread() {
  // The body must be gone before its sockets are.
  stop();
  m_socketMain->close();
  m_socketSpawned->close();
  delete m_socketMain;
  delete m_socketSpawned;
}

void QuickKillThread::kill() {
  Thread::kill();
  const unsigned char wake = 0;
  m_socketMain->sendAll(&wake, 1);
}

} // namespace threads
