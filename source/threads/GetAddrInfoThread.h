#pragma once
// Resolves a host name in the background, retrying every 500 ms until it
// succeeds or the time-out passes. The owner reads the result once finished.

#include "threads/Thread.h"
#include "xstring/String.h"

#include <cstdint>

struct addrinfo;

class GetAddrInfoThread : public threads::Thread {
public:
  GetAddrInfoThread(const String &host, const String &service, bool passive, uint32_t timeoutMs);
  GetAddrInfoThread(const String &host, int port, bool passive, uint32_t timeoutMs);
  ~GetAddrInfoThread() override;

  // Still owned by the thread object; valid once finished.
  addrinfo *result() const { return m_result; }
  // Hands the result to the caller, who frees it.
  addrinfo *takeResult();

protected:
  void run() override;

private:
  String m_host;
  String m_service;
  bool m_passive;
  uint32_t m_timeoutMs;
  addrinfo *m_result = nullptr;
};
