#include "error/Clock.h"

#include <unistd.h>

namespace {

void systemTime(timeval &now) { gettimeofday(&now, nullptr); }

Clock::TimeSource g_source = systemTime;
Clock *g_startClock = nullptr;

timeval now() {
  timeval tv{};
  g_source(tv);
  return tv;
}

} // namespace

Clock::Clock() {
  timeval tv = now();
  m_seconds = uint32_t(tv.tv_sec);
  m_milliseconds = uint32_t(tv.tv_usec / 1000);
}

uint32_t Clock::elapsedMilliseconds() const {
  timeval tv = now();
  return (uint32_t(tv.tv_sec) - m_seconds) * 1000u + uint32_t(tv.tv_usec / 1000) - m_milliseconds;
}

Clock &Clock::startClock() {
  if (!g_startClock)
    g_startClock = new Clock;
  return *g_startClock;
}

void Clock::releaseStartClock() {
  delete g_startClock;
  g_startClock = nullptr;
}

void Clock::setTimeSource(TimeSource source) { g_source = source ? source : systemTime; }

uint32_t currentTimeMilliseconds() {
  timeval tv = now();
  return uint32_t(tv.tv_sec) * 1000u + uint32_t(tv.tv_usec / 1000);
}

void sleepMilliseconds(unsigned int milliseconds) { usleep(useconds_t(milliseconds) * 1000); }

time_t getCurrentTime(time_t &out) {
  out = time(nullptr);
  return out;
}

void getLocalTime(const time_t &moment, tm &out) { localtime_r(&moment, &out); }

bool isLater(time_t t1, time_t t0) { return difftime(t1, t0) > 0; }

void dateText(const tm &moment, String &out) {
  char buffer[64];
  if (!asctime_r(&moment, buffer))
    buffer[0] = 0;
  out.assign(buffer);
  if (out.length() && out[out.length() - 1] == L'\n')
    out.resize(out.length() - 1);
}

String currentTimeText() {
  time_t t;
  tm local;
  getLocalTime(getCurrentTime(t), local);
  String text;
  dateText(local, text);
  return text;
}
