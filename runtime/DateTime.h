#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "runtime/RuntimeApi.h"
#include "runtime/Variant.h"

namespace Runtime {

// Dates as serials (DateTime, see Variant.h). Valid years are 100 to 9999;
// a result outside them raises invalid procedure call (5).

// Whether the serial is a date of those years, its time rounded to the second:
// all of 1 January 100 is (-657434.5 is noon), 31 December 9999 23:59:59.6 is not.
TAVRO_RUNTIME_API bool IsDateSerial(double serial);

// Year, month and day with roll-over: month 13 of 2024 is January 2025, day 0
// is the last day of the month before.
TAVRO_RUNTIME_API DateTime DateSerial(int32_t year, int32_t month, int32_t day);
TAVRO_RUNTIME_API DateTime TimeSerial(int32_t hour, int32_t minute, int32_t second);

// Interval texts: "yyyy", "q", "m", "y", "d", "w", "ww", "h", "n", "s"
// (without regard to case); another raises 5.
// Adding months clamps to the month's last day (31 Mar 2024 - 1 month is
// 29 Feb 2024).
TAVRO_RUNTIME_API DateTime DateAdd(std::string_view interval, double number, DateTime date);
TAVRO_RUNTIME_API int32_t DateDiff(std::string_view interval, DateTime date1, DateTime date2);
TAVRO_RUNTIME_API int32_t DatePart(std::string_view interval, DateTime date);

TAVRO_RUNTIME_API int32_t Year(DateTime d);
TAVRO_RUNTIME_API int32_t Month(DateTime d);
TAVRO_RUNTIME_API int32_t Day(DateTime d);
TAVRO_RUNTIME_API int32_t Hour(DateTime d);
TAVRO_RUNTIME_API int32_t Minute(DateTime d);
TAVRO_RUNTIME_API int32_t Second(DateTime d);
// 1 = Sunday ... 7 = Saturday, counted from firstDayOfWeek (1 = Sunday).
TAVRO_RUNTIME_API int32_t Weekday(DateTime d, int32_t firstDayOfWeek = 1);
TAVRO_RUNTIME_API std::string MonthName(int32_t month, bool abbreviate = false);
TAVRO_RUNTIME_API std::string WeekdayName(int32_t weekday, bool abbreviate = false);

// Reads a date and/or a time from text: the regional Short Date order
// (d/m/y), ISO "yyyy-mm-dd", month names ("8 Dec 2026", "December 8, 2026"),
// times "13:05", "13:05:09", "1:05 PM"; two-digit years 00-29 are 20xx,
// 30-99 are 19xx. False when the text is not a date.
TAVRO_RUNTIME_API bool ParseDateTime(std::string_view text, DateTime& result);
// The date part (raises 13 when the text holds no date) and the time part.
TAVRO_RUNTIME_API DateTime DateValue(std::string_view text);
TAVRO_RUNTIME_API DateTime TimeValue(std::string_view text);

// The default text of a date as CStr gives it: Short Date, then " " and
// "hh:nn:ss" when there is a time; the time alone when the date part is 0.
TAVRO_RUNTIME_API std::string DateTimeText(DateTime d);

// The current date and time from the clock (see Clock.h).
TAVRO_RUNTIME_API DateTime Now();
TAVRO_RUNTIME_API DateTime Today();  // the classic Date function
TAVRO_RUNTIME_API double Timer();    // seconds since midnight

}  // namespace Runtime
