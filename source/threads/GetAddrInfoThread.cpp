#include "threads/GetAddrInfoThread.h"

#include "error/Clock.h"
#include "threads/Socket.h"

GetAddrInfoThread::GetAddrInfoThread(const String &host, const String &service, bool passive,
                                     uint32_t timeoutMs)
    : m_host(host), m_service(service), m_passive(passive), m_timeoutMs(timeoutMs) {}

GetAddrInfoThread::GetAddrInfoThread(const String &host, int port, bool passive, uint32_t timeoutMs)
    : GetAddrInfoThread(host, String::format(L"%d", port), passive, timeoutMs) {}

GetAddrInfoThread::~GetAddrInfoThread() {
  // The body may still be writing the result: join before freeing it.
  stop();
  Socket::freeAddressInfo(m_result);
  m_result = nullptr;
}

addrinfo *GetAddrInfoThread::takeResult() {
  addrinfo *result = m_result;
  m_result = nullptr;
  return result;
}

void GetAddrInfoThread::run() {
  uint32_t start = currentTimeMilliseconds();
  for (;;) {
    m_result = Socket::getAddressInfo(m_host, m_service, m_passive);
    if (m_result)
      return;
    // Unsigned difference: the millisecond clock may wrap while we wait.
    if (uint32_t(currentTimeMilliseconds() - start) > m_timeoutMs)
      return;
    sleepMilliseconds(500);
  }
}
