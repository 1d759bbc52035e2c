#pragma once
// Wall-clock and millisecond timing. Milliseconds are u32 and wrap, so
// elapsed times and time-outs are always unsigned differences.

#include "xstring/String.h"

#include <cstdint>
#include <ctime>
#include <sys/time.h>

class Clock {
public:
  // Records the current moment.
  Clock();
  // Milliseconds since construction.
  uint32_t elapsedMilliseconds() const;

  // The clock every log line measures against, made on first use.
  static Clock &startClock();
  static void releaseStartClock();

  // Where the time comes from (gettimeofday); tests put in their own.
  using TimeSource = void (*)(timeval &now);
  static void setTimeSource(TimeSource source);

private:
  uint32_t m_seconds;
  uint32_t m_milliseconds;
};

// seconds x 1000 + microseconds / 1000 of now, modulo 2^32.
uint32_t currentTimeMilliseconds();
// Milliseconds since an earlier currentTimeMilliseconds() reading, right across a wrap.
inline uint32_t millisecondsSince(uint32_t start) { return currentTimeMilliseconds() - start; }
void sleepMilliseconds(unsigned int milliseconds);

time_t getCurrentTime(time_t &out);
void getLocalTime(const time_t &moment, tm &out);
bool isLater(time_t t1, time_t t0);
// asctime's text without its newline: "Fri Oct  8 19:05:24 2010".
void dateText(const tm &moment, String &out);
String currentTimeText();
