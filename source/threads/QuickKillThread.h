#pragma once
// A thread that can be stopped at once: kill also writes one byte to a socket
// pair, which wakes a body waiting in select on its end of the pair.

#include "threads/Socket.h"
#include "threads/Thread.h"

namespace threads {

class QuickKillThread : public Thread {
public:
  QuickKillThread();
  ~QuickKillThread() override;

  void kill() override;

  Socket *socketMain() const { return m_socketMain; }
  // The body passes this as the wake socket to every waiting socket operation.
  Socket *socketSpawned() const { return m_socketSpawned; }

protected:
  Socket *m_socketMain = nullptr;
  Socket *m_socketSpawned = nullptr;
};

} // namespace threads
