#include "runtime/DateTime.h"

#include <array>
#include <cmath>
#include <vector>

#include "runtime/CaseFold.h"
#include "runtime/Clock.h"
#include "runtime/Conversions.h"
#include "runtime/Error.h"
#include "runtime/Format.h"
#include "runtime/Regional.h"

namespace Runtime {

namespace {

constexpr int64_t SecondsPerDay = 86400;

int64_t FloorDiv(int64_t a, int64_t b) {
  const int64_t q = a / b;
  return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

int64_t FloorMod(int64_t a, int64_t b) {
  return a - FloorDiv(a, b) * b;
}

// Days from 30 Dec 1899 to the given day of the proleptic Gregorian calendar.
int64_t DayIndex(int64_t y, int64_t m, int64_t d) {
  y -= m <= 2 ? 1 : 0;
  const int64_t era = FloorDiv(y, 400);
  const int64_t yoe = y - era * 400;
  const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 693899;  // 693899: days from 1 Mar 0000 to 30 Dec 1899
}

struct Civil {
  int64_t Year;
  int32_t Month;
  int32_t Day;
};

Civil CivilFromIndex(int64_t index) {
  const int64_t z = index + 693899;
  const int64_t era = FloorDiv(z, 146097);
  const int64_t doe = z - era * 146097;
  const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const int64_t mp = (5 * doy + 2) / 153;
  const auto d = static_cast<int32_t>(doy - (153 * mp + 2) / 5 + 1);
  const auto m = static_cast<int32_t>(mp < 10 ? mp + 3 : mp - 9);
  return {yoe + era * 400 + (m <= 2 ? 1 : 0), m, d};
}

bool IsLeap(int64_t y) {
  return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int32_t DaysInMonth(int64_t y, int32_t m) {
  static constexpr std::array<int32_t, 12> days{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return m == 2 && IsLeap(y) ? 29 : days[static_cast<size_t>(m - 1)];
}

const int64_t MinDay = DayIndex(100, 1, 1);
const int64_t MaxDay = DayIndex(9999, 12, 31);

void RequireDayInRange(int64_t day) {
  if (day < MinDay || day > MaxDay) Raise(ErrorNumber::InvalidProcedureCall);
}

// A serial split into its calendar day and the second of that day, the time
// rounded to the nearest second first so that 13:05:09 stored as
// 0.54524305555... never reads as 13:05:08.
struct Moment {
  int64_t Day;
  int64_t Second;  // 0 .. 86399

  int64_t Absolute() const { return Day * SecondsPerDay + Second; }
};

// False when the serial is no date of the years 100 to 9999: every time of
// 1 January 100 is one, a time that rounds past 31 December 9999 23:59:59 is not.
bool TrySplit(double s, Moment& m) {
  if (!std::isfinite(s) || s <= static_cast<double>(MinDay - 1) ||
      s >= static_cast<double>(MaxDay + 1)) {
    return false;
  }
  const double whole = std::trunc(s);
  m = {static_cast<int64_t>(whole), std::llround(std::fabs(s - whole) * SecondsPerDay)};
  if (m.Second >= SecondsPerDay) {
    m.Second -= SecondsPerDay;
    ++m.Day;
  }
  return m.Day <= MaxDay;
}

Moment Split(DateTime d) {
  Moment m{};
  if (!TrySplit(d.Serial, m)) Raise(ErrorNumber::InvalidProcedureCall);
  return m;
}

// The serial of a day and a second of it: before the base date the day counts
// down while the time still counts forward.
DateTime Join(int64_t day, double second) {
  RequireDayInRange(day);
  const double frac = second / static_cast<double>(SecondsPerDay);
  return {day >= 0 ? static_cast<double>(day) + frac : static_cast<double>(day) - frac};
}

DateTime FromAbsolute(int64_t seconds) {
  const int64_t day = FloorDiv(seconds, SecondsPerDay);
  return Join(day, static_cast<double>(seconds - day * SecondsPerDay));
}

enum class Interval { Year, Quarter, Month, DayOfYear, Day, Weekday, Week, Hour, Minute, Second };

Interval ParseInterval(std::string_view text) {
  const std::string t = FoldCase(text);
  if (t == "yyyy") return Interval::Year;
  if (t == "q") return Interval::Quarter;
  if (t == "m") return Interval::Month;
  if (t == "y") return Interval::DayOfYear;
  if (t == "d") return Interval::Day;
  if (t == "w") return Interval::Weekday;
  if (t == "ww") return Interval::Week;
  if (t == "h") return Interval::Hour;
  if (t == "n") return Interval::Minute;
  if (t == "s") return Interval::Second;
  Raise(ErrorNumber::InvalidProcedureCall);
}

// Sunday = 1 ... Saturday = 7; day 1 (31 Dec 1899) was a Sunday.
int32_t SundayWeekday(int64_t day) {
  return static_cast<int32_t>(FloorMod(day - 1, 7)) + 1;
}

int32_t DayOfYear(int64_t day) {
  return static_cast<int32_t>(day - DayIndex(CivilFromIndex(day).Year, 1, 1)) + 1;
}

// Weeks counted from Sunday, the week of 1 January being week 1.
int32_t WeekOfYear(int64_t day) {
  const int64_t jan1 = DayIndex(CivilFromIndex(day).Year, 1, 1);
  return static_cast<int32_t>((day - jan1 + SundayWeekday(jan1) - 1) / 7) + 1;
}

int32_t Narrow(int64_t v) {
  if (v < INT32_MIN || v > INT32_MAX) Raise(ErrorNumber::Overflow);
  return static_cast<int32_t>(v);
}

int64_t WholeCount(double number) {
  if (!std::isfinite(number) || std::fabs(number) > 1e12) Raise(ErrorNumber::InvalidProcedureCall);
  return static_cast<int64_t>(RoundHalfEven(number));
}

int64_t TwoDigitYear(int64_t year) {
  if (year >= 0 && year <= 29) return year + 2000;
  if (year >= 30 && year <= 99) return year + 1900;
  return year;
}

const std::array<const char*, 12> MonthNames{"January",   "February", "March",    "April",
                                             "May",       "June",     "July",     "August",
                                             "September", "October",  "November", "December"};
const std::array<const char*, 7> WeekdayNames{"Sunday",   "Monday", "Tuesday", "Wednesday",
                                              "Thursday", "Friday", "Saturday"};

// ---- Reading dates and times from text ----

struct Token {
  enum Kind { Number, Word, Colon, Separator } kind;
  std::string text;  // the word folded to lower case, or the digits
  int64_t value = 0;
};

std::vector<Token> Tokenise(std::string_view text, bool& ok) {
  std::vector<Token> out;
  ok = true;
  size_t i = 0;
  while (i < text.size()) {
    const char c = text[i];
    if (c >= '0' && c <= '9') {
      size_t j = i;
      while (j < text.size() && text[j] >= '0' && text[j] <= '9') ++j;
      if (j - i > 9) {
        ok = false;
        return out;
      }
      Token t{Token::Number, std::string(text.substr(i, j - i))};
      t.value = std::stoll(t.text);
      out.push_back(std::move(t));
      i = j;
    } else if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) {
      size_t j = i;
      while (j < text.size() &&
             ((text[j] >= 'a' && text[j] <= 'z') || (text[j] >= 'A' && text[j] <= 'Z'))) {
        ++j;
      }
      out.push_back({Token::Word, FoldCase(text.substr(i, j - i))});
      i = j;
    } else if (c == ':') {
      out.push_back({Token::Colon, ":"});
      ++i;
    } else if (c == '/' || c == '-' || c == '.' || c == ',') {
      out.push_back({Token::Separator, std::string(1, c)});
      ++i;
    } else if (c == ' ' || c == '\t') {
      ++i;
    } else {
      ok = false;
      return out;
    }
  }
  return out;
}

// 1..12 for a month name or its first three (or more) letters, else 0.
int32_t MonthFromWord(const std::string& w) {
  if (w.size() < 3) return 0;
  for (size_t m = 0; m < MonthNames.size(); ++m) {
    const std::string name = FoldCase(MonthNames[m]);
    if (w.size() <= name.size() && name.compare(0, w.size(), w) == 0) {
      return static_cast<int32_t>(m) + 1;
    }
  }
  return 0;
}

bool IsWeekdayWord(const std::string& w) {
  if (w.size() < 3) return false;
  for (const char* n : WeekdayNames) {
    const std::string name = FoldCase(n);
    if (w.size() <= name.size() && name.compare(0, w.size(), w) == 0) return true;
  }
  return false;
}

// Takes the time out of the tokens ("13:05", "13:05:09", "1:05 PM", "1 pm")
// and leaves the rest. False when the text holds a malformed time.
bool ExtractTime(std::vector<Token>& tokens, bool& hasTime, int64_t& seconds) {
  hasTime = false;
  for (size_t i = 0; i < tokens.size(); ++i) {
    if (tokens[i].kind != Token::Number) continue;
    std::vector<int64_t> parts{tokens[i].value};
    size_t j = i + 1;
    while (j + 1 < tokens.size() && tokens[j].kind == Token::Colon &&
           tokens[j + 1].kind == Token::Number && parts.size() < 3) {
      parts.push_back(tokens[j + 1].value);
      j += 2;
    }
    if (j < tokens.size() && tokens[j].kind == Token::Colon) return false;
    int ampm = 0;  // 1 AM, 2 PM
    if (j < tokens.size() && tokens[j].kind == Token::Word) {
      const std::string& w = tokens[j].text;
      if (w == "am" || w == "a") ampm = 1;
      if (w == "pm" || w == "p") ampm = 2;
    }
    if (parts.size() == 1 && ampm == 0) continue;
    if (hasTime) return false;  // two times
    int64_t h = parts[0];
    const int64_t n = parts.size() > 1 ? parts[1] : 0;
    const int64_t s = parts.size() > 2 ? parts[2] : 0;
    if (n > 59 || s > 59) return false;
    if (ampm != 0) {
      if (h < 1 || h > 12) return false;
      h = (h % 12) + (ampm == 2 ? 12 : 0);
    } else if (h > 23) {
      return false;
    }
    hasTime = true;
    seconds = h * 3600 + n * 60 + s;
    tokens.erase(tokens.begin() + static_cast<ptrdiff_t>(i),
                 tokens.begin() + static_cast<ptrdiff_t>(j + (ampm != 0 ? 1 : 0)));
    --i;
  }
  return true;
}

bool ValidDate(int64_t y, int64_t m, int64_t d, int64_t& day) {
  if (m < 1 || m > 12 || d < 1 || y < 100 || y > 9999) return false;
  if (d > DaysInMonth(y, static_cast<int32_t>(m))) return false;
  day = DayIndex(y, m, d);
  return true;
}

int64_t YearOf(const Token& t) {
  return t.text.size() <= 2 ? TwoDigitYear(t.value) : t.value;
}

bool LooksLikeYear(const Token& t) {
  return t.text.size() >= 3 || t.value > 31;
}

// The date in the tokens left once the time is out; false when they are not
// a date.
bool ExtractDate(const std::vector<Token>& tokens, bool& hasDate, int64_t& day) {
  std::vector<Token> nums;
  int32_t month = 0;
  int32_t monthAt = -1;  // how many numbers came before the month name
  std::string separators;
  for (const Token& t : tokens) {
    switch (t.kind) {
      case Token::Number: nums.push_back(t); break;
      case Token::Word: {
        const int32_t m = MonthFromWord(t.text);
        if (m != 0 && month == 0) {
          month = m;
          monthAt = static_cast<int32_t>(nums.size());
        } else if (!IsWeekdayWord(t.text)) {
          return false;
        }
        break;
      }
      case Token::Separator: separators += t.text; break;
      case Token::Colon: return false;
    }
  }
  hasDate = !nums.empty() || month != 0;
  if (!hasDate) return separators.empty();
  // A date without its year is in the current one.
  auto thisYear = [] { return static_cast<int64_t>(Year(Now())); };
  if (month != 0) {
    if (nums.size() == 2) {
      const Token &a = nums[0], &b = nums[1];
      // "2026 Dec 8" has the year first; otherwise the day comes first.
      if (monthAt >= 1 && LooksLikeYear(a)) return ValidDate(YearOf(a), month, b.value, day);
      return ValidDate(YearOf(b), month, a.value, day);
    }
    if (nums.size() == 1) {
      if (LooksLikeYear(nums[0])) return ValidDate(YearOf(nums[0]), month, 1, day);
      return ValidDate(thisYear(), month, nums[0].value, day);
    }
    return false;
  }
  if (nums.size() == 3) {
    if (separators.size() != 2) return false;
    if (nums[0].text.size() >= 3) {
      return ValidDate(nums[0].value, nums[1].value, nums[2].value, day);
    }
    return ValidDate(YearOf(nums[2]), nums[1].value, nums[0].value, day);
  }
  // Two numbers only with a slash ("8/12", "12/2026"): a lone "1.5" or "1-5"
  // is far more likely a number or a code than a date.
  if (nums.size() == 2 && separators == "/") {
    if (nums[1].text.size() >= 3) return ValidDate(nums[1].value, nums[0].value, 1, day);
    return ValidDate(thisYear(), nums[1].value, nums[0].value, day);
  }
  return false;
}

}  // namespace

DateTime DateSerial(int32_t year, int32_t month, int32_t day) {
  const int64_t months = TwoDigitYear(year) * 12 + (static_cast<int64_t>(month) - 1);
  const int64_t y = FloorDiv(months, 12);
  const int64_t m = months - y * 12 + 1;
  if (y < -1000000 || y > 1000000) Raise(ErrorNumber::InvalidProcedureCall);
  return Join(DayIndex(y, m, 1) + day - 1, 0);
}

DateTime TimeSerial(int32_t hour, int32_t minute, int32_t second) {
  return FromAbsolute(static_cast<int64_t>(hour) * 3600 + static_cast<int64_t>(minute) * 60 +
                      second);
}

DateTime DateAdd(std::string_view interval, double number, DateTime date) {
  const Interval iv = ParseInterval(interval);
  const int64_t n = WholeCount(number);
  const Moment at = Split(date);
  int64_t months = 0;
  switch (iv) {
    case Interval::Year: months = n * 12; break;
    case Interval::Quarter: months = n * 3; break;
    case Interval::Month: months = n; break;
    case Interval::DayOfYear:
    case Interval::Day:
    case Interval::Weekday: return Join(at.Day + n, static_cast<double>(at.Second));
    case Interval::Week: return Join(at.Day + 7 * n, static_cast<double>(at.Second));
    case Interval::Hour: return FromAbsolute(at.Absolute() + n * 3600);
    case Interval::Minute: return FromAbsolute(at.Absolute() + n * 60);
    case Interval::Second: return FromAbsolute(at.Absolute() + n);
  }
  const Civil c = CivilFromIndex(at.Day);
  const int64_t total = c.Year * 12 + (c.Month - 1) + months;
  const int64_t y = FloorDiv(total, 12);
  const auto m = static_cast<int32_t>(total - y * 12 + 1);
  if (y < 100 || y > 9999) Raise(ErrorNumber::InvalidProcedureCall);
  const int32_t d = std::min(c.Day, DaysInMonth(y, m));
  return Join(DayIndex(y, m, d), static_cast<double>(at.Second));
}

int32_t DateDiff(std::string_view interval, DateTime date1, DateTime date2) {
  const Interval iv = ParseInterval(interval);
  const Moment a = Split(date1), b = Split(date2);
  const Civil ca = CivilFromIndex(a.Day), cb = CivilFromIndex(b.Day);
  switch (iv) {
    case Interval::Year: return Narrow(cb.Year - ca.Year);
    case Interval::Quarter:
      return Narrow((cb.Year * 4 + (cb.Month - 1) / 3) - (ca.Year * 4 + (ca.Month - 1) / 3));
    case Interval::Month: return Narrow((cb.Year * 12 + cb.Month) - (ca.Year * 12 + ca.Month));
    case Interval::DayOfYear:
    case Interval::Day: return Narrow(b.Day - a.Day);
    case Interval::Weekday: return Narrow((b.Day - a.Day) / 7);
    case Interval::Week: return Narrow(FloorDiv(b.Day - 1, 7) - FloorDiv(a.Day - 1, 7));
    case Interval::Hour: return Narrow(FloorDiv(b.Absolute(), 3600) - FloorDiv(a.Absolute(), 3600));
    case Interval::Minute: return Narrow(FloorDiv(b.Absolute(), 60) - FloorDiv(a.Absolute(), 60));
    case Interval::Second: return Narrow(b.Absolute() - a.Absolute());
  }
  return 0;
}

int32_t DatePart(std::string_view interval, DateTime date) {
  const Interval iv = ParseInterval(interval);
  const Moment at = Split(date);
  const Civil c = CivilFromIndex(at.Day);
  switch (iv) {
    case Interval::Year: return static_cast<int32_t>(c.Year);
    case Interval::Quarter: return (c.Month - 1) / 3 + 1;
    case Interval::Month: return c.Month;
    case Interval::DayOfYear: return DayOfYear(at.Day);
    case Interval::Day: return c.Day;
    case Interval::Weekday: return SundayWeekday(at.Day);
    case Interval::Week: return WeekOfYear(at.Day);
    case Interval::Hour: return static_cast<int32_t>(at.Second / 3600);
    case Interval::Minute: return static_cast<int32_t>(at.Second / 60 % 60);
    case Interval::Second: return static_cast<int32_t>(at.Second % 60);
  }
  return 0;
}

int32_t Year(DateTime d) {
  return static_cast<int32_t>(CivilFromIndex(Split(d).Day).Year);
}
int32_t Month(DateTime d) {
  return CivilFromIndex(Split(d).Day).Month;
}
int32_t Day(DateTime d) {
  return CivilFromIndex(Split(d).Day).Day;
}
int32_t Hour(DateTime d) {
  return static_cast<int32_t>(Split(d).Second / 3600);
}
int32_t Minute(DateTime d) {
  return static_cast<int32_t>(Split(d).Second / 60 % 60);
}
int32_t Second(DateTime d) {
  return static_cast<int32_t>(Split(d).Second % 60);
}

int32_t Weekday(DateTime d, int32_t firstDayOfWeek) {
  if (firstDayOfWeek < 0 || firstDayOfWeek > 7) Raise(ErrorNumber::InvalidProcedureCall);
  if (firstDayOfWeek == 0) firstDayOfWeek = 1;  // the system's first day: Sunday
  return static_cast<int32_t>(FloorMod(SundayWeekday(Split(d).Day) - firstDayOfWeek, 7)) + 1;
}

std::string MonthName(int32_t month, bool abbreviate) {
  if (month < 1 || month > 12) Raise(ErrorNumber::InvalidProcedureCall);
  const std::string name = MonthNames[static_cast<size_t>(month - 1)];
  return abbreviate ? name.substr(0, 3) : name;
}

std::string WeekdayName(int32_t weekday, bool abbreviate) {
  if (weekday < 1 || weekday > 7) Raise(ErrorNumber::InvalidProcedureCall);
  const std::string name = WeekdayNames[static_cast<size_t>(weekday - 1)];
  return abbreviate ? name.substr(0, 3) : name;
}

bool ParseDateTime(std::string_view text, DateTime& result) {
  bool ok = false;
  std::vector<Token> tokens = Tokenise(text, ok);
  if (!ok || tokens.empty()) return false;
  bool hasTime = false, hasDate = false;
  int64_t seconds = 0, day = 0;
  if (!ExtractTime(tokens, hasTime, seconds)) return false;
  if (!ExtractDate(tokens, hasDate, day)) return false;
  if (!hasTime && !hasDate) return false;
  result = Join(day, static_cast<double>(seconds));
  return true;
}

DateTime DateValue(std::string_view text) {
  bool ok = false;
  std::vector<Token> tokens = Tokenise(text, ok);
  bool hasTime = false, hasDate = false;
  int64_t seconds = 0, day = 0;
  if (!ok || !ExtractTime(tokens, hasTime, seconds) || !ExtractDate(tokens, hasDate, day) ||
      !hasDate) {
    Raise(ErrorNumber::TypeMismatch);
  }
  return Join(day, 0);
}

DateTime TimeValue(std::string_view text) {
  DateTime d;
  if (!ParseDateTime(text, d)) Raise(ErrorNumber::TypeMismatch);
  return Join(0, static_cast<double>(Split(d).Second));
}

std::string DateTimeText(DateTime d) {
  const Moment m = Split(d);
  const RegionalSettings& r = RegionalSettings::Current();
  if (m.Day == 0) return Format(d, r.LongTime);
  if (m.Second == 0) return Format(d, r.ShortDate);
  return Format(d, r.ShortDate + " " + r.LongTime);
}

bool IsDateSerial(double serial) {
  Moment m{};
  return TrySplit(serial, m);
}

DateTime Now() {
  // The classic Now has whole seconds; the clock may carry milliseconds.
  const double s = Clock::Now().Serial;
  const double whole = std::trunc(s);
  int64_t day = static_cast<int64_t>(whole);
  int64_t ms = std::llround(std::fabs(s - whole) * SecondsPerDay * 1000.0);
  if (ms >= SecondsPerDay * 1000) {
    ms -= SecondsPerDay * 1000;
    ++day;
  }
  return Join(day, static_cast<double>(ms / 1000));
}

DateTime Today() {
  return Join(Split(Now()).Day, 0);
}

double Timer() {
  const double s = Clock::Now().Serial;
  const double ms = std::round(std::fabs(s - std::trunc(s)) * SecondsPerDay * 1000.0);
  return std::fmod(ms, SecondsPerDay * 1000.0) / 1000.0;
}

}  // namespace Runtime
