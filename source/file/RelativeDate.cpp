#include "file/RelativeDate.h"

#include "error/Clock.h"

namespace {

// Days since 1970-01-01 of a calendar date, so that the difference of two
// dates counts days across month and year ends.
long dayNumber(const tm &t) {
  long y = t.tm_year + 1900L;
  long m = t.tm_mon + 1;
  y -= m <= 2;
  long era = (y >= 0 ? y : y - 399) / 400;
  long yoe = y - era * 400;
  long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + t.tm_mday - 1;
  long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

String timeOfDay(const tm &t) {
  int hour = t.tm_hour % 12;
  return String::format(L"%d:%02d%S", hour == 0 ? 12 : hour, t.tm_min,
                        t.tm_hour < 12 ? L"am" : L"pm");
}

String absoluteDate(const tm &t) {
  return String::format(L"%d/%02d/%02d", t.tm_mon + 1, t.tm_mday, t.tm_year + 1900);
}

} // namespace

String relativeDateText(const time_t &moment, const time_t &now) {
  static const wchar_t *const weekdays[] = {L"Sunday",   L"Monday", L"Tuesday", L"Wednesday",
                                            L"Thursday", L"Friday", L"Saturday"};
  tm then, today;
  getLocalTime(moment, then);
  getLocalTime(now, today);
  long days = dayNumber(then) - dayNumber(today);
  if (difftime(now, moment) < 0) {
    if (days > 1)
      return absoluteDate(then);
    if (days == 1)
      return L"Tomorrow";
    return timeOfDay(then);
  }
  if (days <= -7)
    return absoluteDate(then);
  if (days < -1)
    return weekdays[then.tm_wday];
  if (days == -1)
    return L"Yesterday";
  return timeOfDay(then);
}

String relativeDateText(const time_t &moment) {
  time_t now;
  return relativeDateText(moment, getCurrentTime(now));
}
