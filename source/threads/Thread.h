#pragma once
// One POSIX thread whose body is the virtual run. Stopping is cooperative:
// kill only raises a flag that the body polls, and the owner joins.

#include <atomic>
#include <pthread.h>

namespace threads {

class Thread {
public:
  Thread();
  virtual ~Thread();
  Thread(const Thread &) = delete;
  Thread &operator=(const Thread &) = delete;

  // 0 on success, else the pthread_create error (then finished is true).
  virtual int start();
  virtual void kill();

  bool isStarted() const { return m_hasThread; }
  bool isKillRequested() const { return m_killRequested.load(); }
  bool isFinished() const { return m_finished.load(); }
  bool isTerminated() const { return m_terminated.load(); }

  // kill, then join; the thread is forgotten.
  void killAndWait();
  // Cancels the thread and waits for the cancellation to complete, so the
  // object may be destroyed afterwards.
  void terminate();
  // killAndWait when a thread is held.
  void stop();

protected:
  virtual void run() = 0;

private:
  static void *entry(void *self);

  // Read and written from both threads.
  std::atomic<bool> m_killRequested{false};
  std::atomic<bool> m_finished{false};
  std::atomic<bool> m_terminated{false};
  // Touched by the owning thread only.
  bool m_hasThread = false;
  pthread_t m_pthread{};
};

} // namespace threads
