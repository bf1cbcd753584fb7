#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <ctime>

#include "runtime/Clock.h"
#include "runtime/DateTime.h"
#include "runtime/Error.h"
#include "tests/support/Raised.h"

using namespace Runtime;
using TestSupport::Raised;

namespace {

// A date as "yyyy-mm-dd hh:nn:ss" from its parts, to compare without Format.
std::string Text(DateTime d) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %02d:%02d:%02d", Year(d), Month(d), Day(d),
                Hour(d), Minute(d), Second(d));
  return buf;
}

DateTime At(int y, int m, int d, int h = 0, int n = 0, int s = 0) {
  const DateTime day = DateSerial(y, m, d);
  const DateTime time = TimeSerial(h, n, s);
  return {day.Serial >= 0 ? day.Serial + time.Serial : day.Serial - time.Serial};
}

class DateTimeWithClock : public testing::Test {
 protected:
  void TearDown() override { Clock::Reset(); }
};

}  // namespace

TEST(DateTime, SerialsCountDaysFromTheBase) {
  EXPECT_EQ(DateSerial(1899, 12, 30).Serial, 0);
  EXPECT_EQ(DateSerial(1899, 12, 31).Serial, 1);
  EXPECT_EQ(DateSerial(1900, 3, 1).Serial, 61);  // no 29 Feb 1900
  EXPECT_EQ(DateSerial(2024, 1, 1).Serial, 45292);
  EXPECT_EQ(DateSerial(100, 1, 1).Serial, -657434);
  EXPECT_EQ(DateSerial(9999, 12, 31).Serial, 2958465);
  EXPECT_EQ(TimeSerial(6, 0, 0).Serial, 0.25);
  EXPECT_EQ(TimeSerial(12, 0, 0).Serial, 0.5);
}

TEST(DateTime, SerialsBeforeTheBaseCountTheTimeForward) {
  EXPECT_EQ(Text({-1.25}), "1899-12-29 06:00:00");
  EXPECT_EQ(Text({-0.5}), "1899-12-30 12:00:00");
  EXPECT_EQ(Text({-2.75}), "1899-12-28 18:00:00");
  EXPECT_EQ(Weekday({-1.25}), 6);                          // 29 Dec 1899 was a Friday
  EXPECT_EQ(TimeSerial(-1, 0, 0).Serial, -1 - 23.0 / 24);  // 23:00 the day before
  EXPECT_EQ(DateAdd("h", 1, {-1.25}).Serial, -1 - 7.0 / 24);
  EXPECT_EQ(DateAdd("h", 24, {-1.25}).Serial, 0.25);
  EXPECT_EQ(DateDiff("h", {-1.25}, {0.25}), 24);
}

TEST(DateTime, DateSerialRollsOver) {
  struct Case {
    int y, m, d;
    const char* expected;
  };
  const Case cases[] = {
      {2024, 13, 1, "2025-01-01 00:00:00"},  {2024, 3, 0, "2024-02-29 00:00:00"},
      {2024, 2, 30, "2024-03-01 00:00:00"},  {2024, 0, 1, "2023-12-01 00:00:00"},
      {2024, -11, 1, "2023-01-01 00:00:00"}, {2024, 1, -1, "2023-12-30 00:00:00"},
      {2023, 2, 29, "2023-03-01 00:00:00"},  {2024, 1, 366, "2024-12-31 00:00:00"},
      {24, 1, 1, "2024-01-01 00:00:00"},     {99, 1, 1, "1999-01-01 00:00:00"},
      {29, 12, 31, "2029-12-31 00:00:00"},   {30, 1, 1, "1930-01-01 00:00:00"},
      {2000, 25, 1, "2002-01-01 00:00:00"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.y << "," << c.m << "," << c.d);
    EXPECT_EQ(Text(DateSerial(c.y, c.m, c.d)), c.expected);
  }
  EXPECT_EQ(Raised([] { DateSerial(10000, 1, 1); }), ErrorNumber::InvalidProcedureCall);
  EXPECT_EQ(Raised([] { DateSerial(100, 1, 0); }), ErrorNumber::InvalidProcedureCall);
  EXPECT_EQ(Text(DateSerial(10000, 1, 0)), "9999-12-31 00:00:00");
  EXPECT_EQ(Text(TimeSerial(25, 61, 61)), "1899-12-31 02:02:01");
  EXPECT_EQ(Text(TimeSerial(0, 0, -1)), "1899-12-29 23:59:59");
}

TEST(DateTime, TimePartsNeverDriftBelowTheSecond) {
  // Every second of a day, read back from the serial a sum gives.
  const double day = DateSerial(2026, 12, 8).Serial;
  for (int s = 0; s < 86400; s += 7) {
    const DateTime d{day + TimeSerial(0, 0, s).Serial};
    ASSERT_EQ(Hour(d) * 3600 + Minute(d) * 60 + Second(d), s) << s;
  }
  EXPECT_EQ(Text({day + 13.0 / 24 + 5.0 / 1440 + 9.0 / 86400}), "2026-12-08 13:05:09");
  EXPECT_EQ(Text({day + 0.9999999}), "2026-12-09 00:00:00");  // rounds into the next day
}

TEST(DateTime, DateAddClampsMonthsToTheirLastDay) {
  struct Case {
    const char* interval;
    double number;
    DateTime from;
    const char* expected;
  };
  const Case cases[] = {
      {"m", -1, At(2024, 3, 31), "2024-02-29 00:00:00"},
      {"m", 1, At(2024, 1, 31), "2024-02-29 00:00:00"},
      {"m", 1, At(2023, 1, 31), "2023-02-28 00:00:00"},
      {"m", 13, At(2024, 1, 31, 8, 30), "2025-02-28 08:30:00"},
      {"yyyy", 1, At(2024, 2, 29), "2025-02-28 00:00:00"},
      {"q", 1, At(2024, 11, 30), "2025-02-28 00:00:00"},
      {"d", -7, At(2024, 3, 3, 12), "2024-02-25 12:00:00"},
      {"y", 1, At(2024, 12, 31), "2025-01-01 00:00:00"},
      {"w", 1, At(2024, 12, 31), "2025-01-01 00:00:00"},
      {"ww", 2, At(2024, 12, 31), "2025-01-14 00:00:00"},
      {"h", 30, At(2024, 12, 31), "2025-01-01 06:00:00"},
      {"n", -1, At(2024, 1, 1), "2023-12-31 23:59:00"},
      {"s", 86399, At(2024, 1, 1), "2024-01-01 23:59:59"},
      {"D", 1.5, At(2024, 1, 1), "2024-01-03 00:00:00"},  // rounded half to even
      {"d", 2.5, At(2024, 1, 1), "2024-01-03 00:00:00"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.interval << " " << c.number);
    EXPECT_EQ(Text(DateAdd(c.interval, c.number, c.from)), c.expected);
  }
  EXPECT_EQ(Raised([] { DateAdd("x", 1, At(2024, 1, 1)); }), ErrorNumber::InvalidProcedureCall);
  EXPECT_EQ(Raised([] { DateAdd("yyyy", 8000, At(2024, 1, 1)); }),
            ErrorNumber::InvalidProcedureCall);
}

TEST(DateTime, DateDiffCountsBoundariesCrossed) {
  const DateTime a = At(2024, 12, 31, 23, 59, 59);
  const DateTime b = At(2025, 1, 1, 0, 0, 1);
  EXPECT_EQ(DateDiff("yyyy", a, b), 1);
  EXPECT_EQ(DateDiff("q", a, b), 1);
  EXPECT_EQ(DateDiff("m", a, b), 1);
  EXPECT_EQ(DateDiff("d", a, b), 1);
  EXPECT_EQ(DateDiff("h", a, b), 1);
  EXPECT_EQ(DateDiff("n", a, b), 1);
  EXPECT_EQ(DateDiff("s", a, b), 2);
  EXPECT_EQ(DateDiff("d", b, a), -1);
  EXPECT_EQ(DateDiff("m", At(2024, 1, 31), At(2024, 2, 1)), 1);
  EXPECT_EQ(DateDiff("d", At(2024, 1, 1, 1), At(2024, 1, 1, 23)), 0);
  // 4 Jan 2025 is a Saturday, 5 Jan a Sunday.
  EXPECT_EQ(DateDiff("ww", At(2025, 1, 4), At(2025, 1, 5)), 1);
  EXPECT_EQ(DateDiff("w", At(2025, 1, 4), At(2025, 1, 5)), 0);
  EXPECT_EQ(DateDiff("w", At(2025, 1, 4), At(2025, 1, 18)), 2);
  EXPECT_EQ(DateDiff("d", At(100, 1, 1), At(9999, 12, 31)), 3615899);
  EXPECT_EQ(Raised([] { DateDiff("s", At(100, 1, 1), At(9999, 12, 31)); }), ErrorNumber::Overflow);
}

TEST(DateTime, PartsOfADate) {
  const DateTime d = At(2026, 12, 8, 13, 5, 9);  // a Tuesday
  EXPECT_EQ(Year(d), 2026);
  EXPECT_EQ(Month(d), 12);
  EXPECT_EQ(Day(d), 8);
  EXPECT_EQ(Hour(d), 13);
  EXPECT_EQ(Minute(d), 5);
  EXPECT_EQ(Second(d), 9);
  EXPECT_EQ(Weekday(d), 3);
  EXPECT_EQ(Weekday(d, 2), 2);  // Monday first
  EXPECT_EQ(Weekday(d, 0), 3);
  EXPECT_EQ(Weekday(At(2024, 1, 1), 2), 1);
  EXPECT_EQ(Weekday(At(1899, 12, 30)), 7);
  EXPECT_EQ(DatePart("yyyy", d), 2026);
  EXPECT_EQ(DatePart("q", d), 4);
  EXPECT_EQ(DatePart("m", d), 12);
  EXPECT_EQ(DatePart("y", d), 342);
  EXPECT_EQ(DatePart("d", d), 8);
  EXPECT_EQ(DatePart("w", d), 3);
  EXPECT_EQ(DatePart("h", d), 13);
  EXPECT_EQ(DatePart("n", d), 5);
  EXPECT_EQ(DatePart("s", d), 9);
  // The week of 1 January is week 1, weeks start on Sunday.
  EXPECT_EQ(DatePart("ww", At(2022, 1, 1)), 1);  // a Saturday
  EXPECT_EQ(DatePart("ww", At(2022, 1, 2)), 2);
  EXPECT_EQ(DatePart("ww", At(2022, 12, 31)), 53);
  EXPECT_EQ(Raised([] { Weekday(At(2024, 1, 1), 8); }), ErrorNumber::InvalidProcedureCall);
  EXPECT_EQ(Raised([] { Year({1e10}); }), ErrorNumber::InvalidProcedureCall);
  EXPECT_EQ(Raised([] { Year({std::nan("")}); }), ErrorNumber::InvalidProcedureCall);
}

TEST(DateTime, NamesOfMonthsAndDays) {
  EXPECT_EQ(MonthName(1), "January");
  EXPECT_EQ(MonthName(12, true), "Dec");
  EXPECT_EQ(WeekdayName(1), "Sunday");
  EXPECT_EQ(WeekdayName(4, true), "Wed");
  EXPECT_EQ(Raised([] { MonthName(13); }), ErrorNumber::InvalidProcedureCall);
  EXPECT_EQ(Raised([] { WeekdayName(0); }), ErrorNumber::InvalidProcedureCall);
}

TEST_F(DateTimeWithClock, ReadsDatesAndTimesFromText) {
  Clock::Set(At(2026, 6, 15, 10));
  struct Case {
    const char* text;
    const char* expected;  // nullptr: not a date
  };
  const Case cases[] = {
      {"8/12/2026", "2026-12-08 00:00:00"},
      {"08/12/26", "2026-12-08 00:00:00"},
      {"8-12-2026", "2026-12-08 00:00:00"},
      {"8.12.2026", "2026-12-08 00:00:00"},
      {"8/12/75", "1975-12-08 00:00:00"},
      {"8/12/29", "2029-12-08 00:00:00"},
      {"8/12/30", "1930-12-08 00:00:00"},
      {"2026-12-08", "2026-12-08 00:00:00"},
      {"8 Dec 2026", "2026-12-08 00:00:00"},
      {"8 December 2026", "2026-12-08 00:00:00"},
      {"8-Dec-26", "2026-12-08 00:00:00"},
      {"December 8, 2026", "2026-12-08 00:00:00"},
      {"Tuesday, 8 December 2026", "2026-12-08 00:00:00"},
      {"Dec 2026", "2026-12-01 00:00:00"},
      {"8 dec", "2026-12-08 00:00:00"},
      {"8/12", "2026-12-08 00:00:00"},
      {"12/2026", "2026-12-01 00:00:00"},
      {"13:05", "1899-12-30 13:05:00"},
      {"13:05:09", "1899-12-30 13:05:09"},
      {"1:05 PM", "1899-12-30 13:05:00"},
      {"12:30 am", "1899-12-30 00:30:00"},
      {"3pm", "1899-12-30 15:00:00"},
      {"8/12/2026 13:05:09", "2026-12-08 13:05:09"},
      {"  13:05 8/12/2026  ", "2026-12-08 13:05:00"},
      {"29/2/2024", "2024-02-29 00:00:00"},
      {"29/2/2023", nullptr},
      {"31/4/2024", nullptr},
      {"8/13/2026", nullptr},
      {"25:00", nullptr},
      {"13:60", nullptr},
      {"13:05:09:01", nullptr},
      {"", nullptr},
      {"abc", nullptr},
      {"2026", nullptr},
      {"1.5", nullptr},
      {"1-5", nullptr},
      {"8/12/2026 x", nullptr},
      {"8/12/10000", nullptr},
      {"12345678901234567890", nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    DateTime d{-99};
    const bool ok = ParseDateTime(c.text, d);
    EXPECT_EQ(ok, c.expected != nullptr);
    if (ok && c.expected != nullptr) {
      EXPECT_EQ(Text(d), c.expected);
    }
  }
}

TEST(DateTime, DateValueAndTimeValueTakeTheirPart) {
  EXPECT_EQ(DateValue("8/12/2026 13:05:09"), DateSerial(2026, 12, 8));
  EXPECT_EQ(TimeValue("8/12/2026 13:05:09"), TimeSerial(13, 5, 9));
  EXPECT_EQ(TimeValue("8/12/2026").Serial, 0);
  EXPECT_EQ(Raised([] { DateValue("13:05"); }), ErrorNumber::TypeMismatch);
  EXPECT_EQ(Raised([] { DateValue("soon"); }), ErrorNumber::TypeMismatch);
  EXPECT_EQ(Raised([] { TimeValue("soon"); }), ErrorNumber::TypeMismatch);
}

TEST(DateTime, DefaultTextShowsTheTimeOnlyWhenThereIsOne) {
  EXPECT_EQ(DateTimeText(At(2026, 12, 8)), "08/12/2026");
  EXPECT_EQ(DateTimeText(At(2026, 12, 8, 13, 5, 9)), "08/12/2026 13:05:09");
  EXPECT_EQ(DateTimeText(TimeSerial(13, 5, 9)), "13:05:09");
  EXPECT_EQ(DateTimeText({0}), "00:00:00");
  EXPECT_EQ(DateTimeText({-1.25}), "29/12/1899 06:00:00");
  DateTime back;
  ASSERT_TRUE(ParseDateTime(DateTimeText(At(2026, 12, 8, 13, 5, 9)), back));
  EXPECT_EQ(Text(back), "2026-12-08 13:05:09");
}

TEST_F(DateTimeWithClock, NowTodayAndTimerFollowASetClock) {
  Clock::Set(At(2026, 12, 8, 13, 5, 9));
  EXPECT_TRUE(Clock::IsSet());
  EXPECT_EQ(Text(Now()), "2026-12-08 13:05:09");
  EXPECT_EQ(Today(), DateSerial(2026, 12, 8));
  EXPECT_DOUBLE_EQ(Timer(), 13 * 3600 + 5 * 60 + 9);
  Clock::Advance(0.5);
  EXPECT_EQ(Text(Now()), "2026-12-08 13:05:09");  // Now has whole seconds
  EXPECT_DOUBLE_EQ(Timer(), 13 * 3600 + 5 * 60 + 9.5);
  for (int i = 0; i < 1000; ++i) Clock::Advance(1);
  EXPECT_EQ(Text(Now()), "2026-12-08 13:21:49");
  Clock::Advance(11 * 3600);
  EXPECT_EQ(Text(Now()), "2026-12-09 00:21:49");
  EXPECT_EQ(Today(), DateSerial(2026, 12, 9));

  Clock::Set({-1.25});
  Clock::Advance(3600);
  EXPECT_EQ(Text(Now()), "1899-12-29 07:00:00");
  Clock::Advance(18 * 3600);
  EXPECT_EQ(Text(Now()), "1899-12-30 01:00:00");
}

TEST_F(DateTimeWithClock, UnsetClockReadsTheMachine) {
  Clock::Reset();
  EXPECT_FALSE(Clock::IsSet());
  const std::time_t t = std::time(nullptr);
  std::tm local{};
  localtime_r(&t, &local);
  const DateTime now = Now();
  // Allow for the day turning between the two readings.
  EXPECT_LE(std::abs(now.Serial -
                     DateSerial(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday).Serial),
            2.0);
  EXPECT_GE(Timer(), 0);
  EXPECT_LT(Timer(), 86400);
}
