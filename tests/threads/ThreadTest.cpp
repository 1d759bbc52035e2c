#include "error/Clock.h"
#include "file/BufferBinary.h"
#include "threads/GetAddrInfoThread.h"
#include "threads/QuickKillThread.h"
#include "threads/Socket.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <unistd.h>

namespace {

// Polls the kill flag, as a cooperative body does.
class PollingThread : public threads::Thread {
public:
  std::atomic<int> rounds{0};

protected:
  void run() override {
    while (!isKillRequested()) {
      ++rounds;
      usleep(1000);
    }
  }
};

class OnceThread : public threads::Thread {
public:
  int value = 0;

protected:
  void run() override { value = 42; }
};

// Waits in a receive with a long time-out, woken only through the pair.
class WaitingThread : public threads::QuickKillThread {
public:
  Socket *wait = nullptr;
  int result = -1;
  std::atomic<bool> waiting{false};

  WaitingThread() { Socket::socketPair(other, wait); }
  ~WaitingThread() override {
    stop();
    for (Socket *s : {other, wait}) {
      s->close();
      delete s;
    }
  }

protected:
  void run() override {
    file::BufferBinary in;
    waiting = true;
    result = wait->exchange(in, *socketSpawned(), 600000, -1);
  }

private:
  Socket *other = nullptr;
};

} // namespace

TEST(Thread, LifeCycle) {
  {
    // Never started: destroying it neither joins nor asserts.
    PollingThread idle;
    EXPECT_FALSE(idle.isStarted());
    idle.stop();
    idle.killAndWait();
    EXPECT_TRUE(idle.isKillRequested());
  }

  OnceThread once;
  ASSERT_EQ(once.start(), 0);
  EXPECT_TRUE(once.isStarted());
  EXPECT_NE(once.start(), 0); // one thread per object
  once.killAndWait();
  EXPECT_FALSE(once.isStarted());
  EXPECT_TRUE(once.isFinished());
  EXPECT_EQ(once.value, 42);

  PollingThread polling;
  ASSERT_EQ(polling.start(), 0);
  while (polling.rounds < 3)
    usleep(1000);
  EXPECT_FALSE(polling.isFinished());
  polling.killAndWait();
  EXPECT_TRUE(polling.isFinished());
}

TEST(Thread, TerminateCancelsTheBody) {
  PollingThread *polling = new PollingThread;
  ASSERT_EQ(polling->start(), 0);
  while (polling->rounds < 1)
    usleep(1000);
  polling->terminate();
  EXPECT_TRUE(polling->isTerminated());
  EXPECT_FALSE(polling->isStarted());
  EXPECT_FALSE(polling->isFinished()); // run never returned
  delete polling;
}

TEST(QuickKillThread, KillWakesAWaitingReceive) {
  WaitingThread thread;
  ASSERT_EQ(thread.start(), 0);
  while (!thread.waiting)
    usleep(1000);
  usleep(20000); // let the body reach its select

  auto before = std::chrono::steady_clock::now();
  thread.killAndWait();
  auto waited = std::chrono::steady_clock::now() - before;
  EXPECT_EQ(thread.result, Socket::Woken);
  EXPECT_TRUE(thread.isFinished());
  // Far below the ten-minute time-out of the receive.
  EXPECT_LT(waited, std::chrono::seconds(60));
}

TEST(QuickKillThread, DestroyingAStartedThreadStopsIt) {
  auto *thread = new WaitingThread;
  ASSERT_EQ(thread->start(), 0);
  delete thread;
}

TEST(GetAddrInfoThread, FindsANumericHost) {
  GetAddrInfoThread lookup(String(L"127.0.0.1"), 8080, false, 1200);
  ASSERT_EQ(lookup.start(), 0);
  lookup.killAndWait();
  ASSERT_TRUE(lookup.isFinished());
  ASSERT_NE(lookup.result(), nullptr);
  addrinfo *list = lookup.takeResult();
  EXPECT_EQ(lookup.result(), nullptr);
  Socket::freeAddressInfo(list);
}

TEST(GetAddrInfoThread, GivesUpAfterItsTimeout) {
  // An unknown service fails locally, without asking any name server.
  GetAddrInfoThread lookup(String(L"127.0.0.1"), String(L"no-such-service-here"), false, 1200);
  auto before = std::chrono::steady_clock::now();
  ASSERT_EQ(lookup.start(), 0);
  while (!lookup.isFinished())
    usleep(10000);
  auto waited = std::chrono::steady_clock::now() - before;
  EXPECT_EQ(lookup.result(), nullptr);
  // Retries every 500 ms until the 1200 ms have passed.
  EXPECT_GE(waited, std::chrono::milliseconds(1200));
}

namespace {

// The millisecond clock less than 1100 ms before it wraps when the test begins.
long wrapOffsetSeconds = 0;
void nearWrap(timeval &now) {
  gettimeofday(&now, nullptr);
  now.tv_sec += wrapOffsetSeconds;
}

} // namespace

TEST(GetAddrInfoThread, TimeoutSurvivesTheClockWrap) {
  timeval real;
  gettimeofday(&real, nullptr);
  uint32_t nowMs = uint32_t(real.tv_sec) * 1000u + uint32_t(real.tv_usec / 1000);
  // Shift by whole seconds so that 100 to 1100 ms remain before 2^32.
  uint32_t toWrap = 0u - nowMs;
  wrapOffsetSeconds = long((toWrap - 100u) / 1000u);
  Clock::setTimeSource(nearWrap);

  GetAddrInfoThread lookup(String(L"127.0.0.1"), String(L"no-such-service-here"), false, 1200);
  auto before = std::chrono::steady_clock::now();
  ASSERT_EQ(lookup.start(), 0);
  lookup.killAndWait(); // the body ignores kill and runs to its time-out
  auto waited = std::chrono::steady_clock::now() - before;
  Clock::setTimeSource(nullptr);

  EXPECT_EQ(lookup.result(), nullptr);
  EXPECT_GE(waited, std::chrono::milliseconds(1200));
}

TEST(GetAddrInfoThread, DestroyedWhileRunningJoinsFirst) {
  auto *lookup =
      new GetAddrInfoThread(String(L"127.0.0.1"), String(L"no-such-service-here"), false, 600);
  ASSERT_EQ(lookup->start(), 0);
  delete lookup;
}
