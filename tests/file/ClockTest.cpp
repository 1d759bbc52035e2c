#include "error/Clock.h"
#include "file/BuildDate.h"
#include "file/Countdown.h"
#include "file/Pdl.h"
#include "file/RelativeDate.h"
#include "file/SystemVersion.h"
#include "file/TextShape.h"

#include <gtest/gtest.h>

namespace {

uint64_t g_fakeMilliseconds = 0;
void fakeTime(timeval &now) {
  now.tv_sec = time_t(g_fakeMilliseconds / 1000);
  now.tv_usec = suseconds_t(g_fakeMilliseconds % 1000 * 1000);
}

struct FakeClock {
  FakeClock() { Clock::setTimeSource(fakeTime); }
  ~FakeClock() { Clock::setTimeSource(nullptr); }
};

time_t localMoment(int year, int month, int day, int hour, int minute) {
  tm t{};
  t.tm_year = year - 1900;
  t.tm_mon = month - 1;
  t.tm_mday = day;
  t.tm_hour = hour;
  t.tm_min = minute;
  t.tm_isdst = -1;
  return mktime(&t);
}

std::string narrow(const String &s) {
  container::Vector<char> bytes;
  s.toUtf8(bytes);
  return bytes.data();
}

} // namespace

TEST(Clock, MillisecondsWrapAndDifferencesStayRight) {
  FakeClock fake;
  g_fakeMilliseconds = (uint64_t(1) << 32) - 100;
  EXPECT_EQ(currentTimeMilliseconds(), 0xFFFFFF9Cu);
  uint32_t start = currentTimeMilliseconds();
  Clock clock;
  g_fakeMilliseconds += 250;
  EXPECT_EQ(currentTimeMilliseconds(), 150u);
  EXPECT_EQ(millisecondsSince(start), 250u);
  EXPECT_EQ(clock.elapsedMilliseconds(), 250u);

  g_fakeMilliseconds = 5000999;
  Clock other;
  g_fakeMilliseconds = 5001000;
  EXPECT_EQ(other.elapsedMilliseconds(), 1u);
}

TEST(Clock, WallClockHelpers) {
  time_t now = 0;
  EXPECT_EQ(getCurrentTime(now), now);
  EXPECT_GT(now, 0);
  EXPECT_TRUE(isLater(now + 1, now));
  EXPECT_FALSE(isLater(now, now));
  tm t{};
  getLocalTime(localMoment(2010, 10, 8, 19, 5), t);
  String text;
  dateText(t, text);
  EXPECT_EQ(narrow(text), "Fri Oct  8 19:05:00 2010");
  EXPECT_TRUE(
      testing_support::matchesShape(narrow(currentTimeText()), testing_support::timeShape()));
}

TEST(Clock, Countdown) {
  Countdown c;
  EXPECT_FALSE(c.isRunning());
  EXPECT_EQ(c.remaining(), 0.0f);
  c.set(1.0f);
  c.update(0.5f);
  EXPECT_EQ(c.remaining(), 1.0f) << "only a running countdown moves";
  c.setRunning(true);
  c.update(0.25f);
  EXPECT_EQ(c.remaining(), 0.75f);
  c.update(1.0f);
  EXPECT_EQ(c.remaining(), -0.25f);
  c.update(1.0f);
  EXPECT_EQ(c.remaining(), -0.25f) << "a countdown that ran out stays";
  c.reset();
  EXPECT_FALSE(c.isRunning());
  EXPECT_EQ(c.remaining(), 0.0f);
}

TEST(RelativeDate, TextsAroundNow) {
  const time_t friday = localMoment(2010, 10, 8, 19, 5);
  const time_t newYear = localMoment(2011, 1, 1, 10, 0);
  const time_t oldYear = localMoment(2010, 12, 31, 10, 0);
  struct Case {
    time_t moment, now;
    const char *text;
  };
  const Case cases[] = {
      {localMoment(2010, 10, 8, 9, 30), friday, "9:30am"},
      {localMoment(2010, 10, 8, 0, 5), friday, "12:05am"},
      {localMoment(2010, 10, 8, 12, 0), friday, "12:00pm"},
      {friday, friday, "7:05pm"},
      {localMoment(2010, 10, 8, 21, 0), friday, "9:00pm"},
      {localMoment(2010, 10, 7, 23, 59), friday, "Yesterday"},
      {localMoment(2010, 10, 5, 8, 0), friday, "Tuesday"},
      {localMoment(2010, 10, 2, 8, 0), friday, "Saturday"},
      {localMoment(2010, 10, 1, 8, 0), friday, "10/01/2010"},
      {localMoment(2010, 9, 28, 8, 0), friday, "9/28/2010"},
      {localMoment(2010, 10, 9, 1, 0), friday, "Tomorrow"},
      {localMoment(2010, 10, 10, 1, 0), friday, "10/10/2010"},
      // Across the year's end days still count.
      {localMoment(2010, 12, 31, 23, 0), newYear, "Yesterday"},
      {localMoment(2010, 12, 29, 23, 0), newYear, "Wednesday"},
      {localMoment(2011, 1, 1, 9, 0), oldYear, "Tomorrow"},
      {localMoment(2010, 1, 1, 10, 0), newYear, "1/01/2010"},
  };
  for (const auto &c : cases)
    EXPECT_EQ(narrow(relativeDateText(c.moment, c.now)), c.text);
  time_t now;
  getCurrentTime(now);
  EXPECT_EQ(relativeDateText(now - 86400 * 10), relativeDateText(now - 86400 * 10, now));
}

TEST(Platform, OperatingSystemVersion) {
  EXPECT_EQ(narrow(operatingSystemVersion()), "Palm - Unknown version");
  struct Case {
    pdl::Answers answers;
    const char *text;
  };
  const Case cases[] = {
      {{pdl::Ok, 2, 1, 0, "2.1.0", pdl::Ok, 200}, "Palm - 2.1.0"},
      {{pdl::OtherError, 0, 0, 0, nullptr, pdl::Ok, 100}, "Palm - 1.4.5"},
      {{pdl::OtherError, 0, 0, 0, nullptr, pdl::Ok, 200}, "Palm - Unknown version"},
      {{pdl::Error, 0, 0, 0, nullptr, pdl::Ok, 100}, "Palm - Unknown version"},
  };
  for (const auto &c : cases) {
    pdl::setAnswers(&c.answers);
    EXPECT_EQ(narrow(operatingSystemVersion()), c.text);
  }
  pdl::setAnswers(nullptr);
  EXPECT_EQ(narrow(operatingSystemVersion()), "Palm - Unknown version");
}

TEST(Platform, CompileDate) {
  std::string date = narrow(compileDate());
  EXPECT_TRUE(testing_support::matchesShape(date, "Aaa _9 9999")) << date;
  std::string both = narrow(compileDateAndTime());
  EXPECT_EQ(both.substr(0, date.size() + 1), date + " ");
  EXPECT_TRUE(testing_support::matchesShape(both.substr(date.size()), " 99:99:99")) << both;
}
