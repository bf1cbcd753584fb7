#include "runtime/Format.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "runtime/CaseFold.h"
#include "runtime/Conversions.h"
#include "runtime/DateTime.h"
#include "runtime/Error.h"
#include "runtime/Regional.h"
#include "runtime/Strings.h"

namespace Runtime {

namespace {

// ---- Patterns in general ----

enum class PatternKind { Number, Date, Text };

bool StartsWithNoCase(std::string_view s, size_t at, std::string_view word) {
  return s.size() - at >= word.size() && EqualsNoCase(s.substr(at, word.size()), word);
}

bool IsDateLetter(char c) {
  switch (FoldChar(c)) {
    case 'd':
    case 'm':
    case 'y':
    case 'h':
    case 'n':
    case 's':
    case 'w':
    case 'q':
    case 'c': return true;
    default: return false;
  }
}

// A quoted text or a character after "\\" at pattern[i]: its text, with i
// left on the literal's last character. False for any other character.
bool ReadLiteral(std::string_view pattern, size_t& i, std::string_view& text) {
  if (pattern[i] == '"') {
    const size_t close = pattern.find('"', i + 1);
    const size_t end = close == std::string_view::npos ? pattern.size() : close;
    text = pattern.substr(i + 1, end - i - 1);
    i = std::min(end, pattern.size() - 1);
    return true;
  }
  if (pattern[i] == '\\') {
    text = pattern.substr(i + 1, 1);
    i = std::min(i + 1, pattern.size() - 1);
    return true;
  }
  return false;
}

// Calls visit(c, i) for every character of the pattern that is not quoted or
// escaped.
template <class Visit>
void ForEachActive(std::string_view pattern, Visit visit) {
  std::string_view ignored;
  for (size_t i = 0; i < pattern.size(); ++i) {
    if (!ReadLiteral(pattern, i, ignored)) visit(pattern[i], i);
  }
}

// Digit placeholders make a number pattern; otherwise date letters make a
// date pattern and "@&<>!" a text pattern. A pattern of literals alone is a
// number pattern.
PatternKind Classify(std::string_view pattern) {
  bool digits = false, date = false, text = false;
  ForEachActive(pattern, [&](char c, size_t i) {
    if (c == '0' || c == '#') digits = true;
    if (IsDateLetter(c) || StartsWithNoCase(pattern, i, "am/pm") ||
        StartsWithNoCase(pattern, i, "a/p") || StartsWithNoCase(pattern, i, "ttttt")) {
      date = true;
    }
    if (c == '@' || c == '&' || c == '<' || c == '>' || c == '!') text = true;
  });
  if (digits) return PatternKind::Number;
  if (date) return PatternKind::Date;
  if (text) return PatternKind::Text;
  return PatternKind::Number;
}

std::vector<std::string_view> SplitSections(std::string_view pattern) {
  std::vector<std::string_view> sections;
  size_t start = 0;
  ForEachActive(pattern, [&](char c, size_t i) {
    if (c == ';') {
      sections.push_back(pattern.substr(start, i - start));
      start = i + 1;
    }
  });
  sections.push_back(pattern.substr(start));
  return sections;
}

// ---- Numbers ----

// Adds literal text to a token list, joining it to a literal just before.
template <class Token>
void AppendLiteral(std::vector<Token>& out, std::string_view text) {
  if (!out.empty() && out.back().kind == Token::Literal) {
    out.back().text += text;
  } else {
    out.push_back({Token::Literal, std::string(text)});
  }
}

// A non-negative number as decimal digits: 0.d1d2d3... times 10^Exponent,
// without leading or trailing zeros (no digits at all for zero).
struct Decimal {
  std::string Digits;
  int Exponent = 0;

  bool IsZero() const { return Digits.empty(); }

  void Trim() {
    while (!Digits.empty() && Digits.back() == '0') Digits.pop_back();
    if (Digits.empty()) Exponent = 0;
  }

  // Keeps count digits, rounding the rest half away from zero.
  void KeepDigits(int count) {
    if (count >= static_cast<int>(Digits.size())) return;
    if (count < 0) {
      Digits.clear();
      Trim();
      return;
    }
    const bool up = Digits[static_cast<size_t>(count)] >= '5';
    Digits.resize(static_cast<size_t>(count));
    if (up) {
      int i = count - 1;
      while (i >= 0 && Digits[static_cast<size_t>(i)] == '9')
        Digits[static_cast<size_t>(i--)] = '0';
      if (i >= 0) {
        ++Digits[static_cast<size_t>(i)];
      } else {
        Digits.insert(Digits.begin(), '1');
        ++Exponent;
      }
    }
    Trim();
  }

  // Digit at a power of ten (0: units, -1: tenths...).
  char At(int power) const {
    const int index = Exponent - 1 - power;
    if (index < 0 || index >= static_cast<int>(Digits.size())) return '0';
    return Digits[static_cast<size_t>(index)];
  }
};

// The value rounded to its significant digits first (15 for a Double, 7 for
// a Single), as the classic Format does: 2.345 is stored as 2.34499999...
// but formats with "0.00" as 2.35.
Decimal ToDecimal(double value, bool single) {
  Decimal d;
  value = std::fabs(value);
  if (value == 0) return d;
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.*e", single ? 6 : 14, value);
  const char* e = std::strchr(buf, 'e');
  for (const char* p = buf; p != e; ++p) {
    if (*p != '.') d.Digits += *p;
  }
  d.Exponent = std::atoi(e + 1) + 1;
  d.Trim();
  return d;
}

struct NumberToken {
  enum Kind { Zero, Hash, Point, Comma, Percent, Exponent, Literal } kind;
  std::string text;       // Literal: the text; Exponent: "E+", "e-"...
  int exponentZeros = 0;  // Exponent: digits always shown
};

std::vector<NumberToken> ParseNumberSection(std::string_view s) {
  std::vector<NumberToken> out;
  auto literal = [&](std::string_view t) { AppendLiteral(out, t); };
  bool point = false, exponent = false;
  for (size_t i = 0; i < s.size(); ++i) {
    const char c = s[i];
    std::string_view text;
    if (ReadLiteral(s, i, text)) {
      literal(text);
    } else if ((c == 'E' || c == 'e') && !exponent && i + 1 < s.size() &&
               (s[i + 1] == '+' || s[i + 1] == '-')) {
      NumberToken t{NumberToken::Exponent, std::string(s.substr(i, 2))};
      i += 2;
      while (i < s.size() && (s[i] == '0' || s[i] == '#')) {
        if (s[i] == '0') ++t.exponentZeros;
        ++i;
      }
      --i;
      out.push_back(std::move(t));
      exponent = true;
    } else if ((c == '0' || c == '#') && !exponent) {
      out.push_back({c == '0' ? NumberToken::Zero : NumberToken::Hash, {}});
    } else if (c == '.' && !point && !exponent) {
      out.push_back({NumberToken::Point, {}});
      point = true;
    } else if (c == ',' && !point && !exponent) {
      out.push_back({NumberToken::Comma, {}});
    } else if (c == '%') {
      out.push_back({NumberToken::Percent, {}});
    } else {
      literal(s.substr(i, 1));
    }
  }
  return out;
}

bool IsDigitToken(const NumberToken& t) {
  return t.kind == NumberToken::Zero || t.kind == NumberToken::Hash;
}

// Formats the magnitude of value with one section; the caller adds any sign.
// roundsToZero tells whether nothing but zeros was left to show.
std::string FormatNumberSection(std::string_view section, double value, bool single,
                                bool* roundsToZero = nullptr) {
  std::vector<NumberToken> tokens = ParseNumberSection(section);
  const RegionalSettings& regional = RegionalSettings::Current();

  size_t pointAt = tokens.size(), exponentAt = tokens.size();
  for (size_t i = 0; i < tokens.size(); ++i) {
    if (tokens[i].kind == NumberToken::Point && pointAt == tokens.size()) pointAt = i;
    if (tokens[i].kind == NumberToken::Exponent) exponentAt = i;
  }
  const size_t intEnd = std::min(pointAt, exponentAt);

  // Commas between integer placeholders group the digits; commas after the
  // last integer placeholder scale the number down by a thousand each.
  std::vector<size_t> intSlots, fracSlots;
  bool grouping = false;
  int scale = 0, percent = 0;
  for (size_t i = 0; i < tokens.size(); ++i) {
    if (IsDigitToken(tokens[i])) (i < intEnd ? intSlots : fracSlots).push_back(i);
    if (tokens[i].kind == NumberToken::Percent) ++percent;
  }
  for (size_t i = 0; i < intEnd; ++i) {
    if (tokens[i].kind != NumberToken::Comma) continue;
    const bool before = !intSlots.empty() && intSlots.front() < i;
    const bool after = !intSlots.empty() && intSlots.back() > i;
    if (before && after) {
      grouping = true;
    } else if (before) {
      ++scale;
    } else {
      tokens[i] = {NumberToken::Literal, ","};
    }
  }
  Decimal d = ToDecimal(value, single);
  if (!d.IsZero()) d.Exponent += 2 * percent - 3 * scale;
  const int intCount = static_cast<int>(intSlots.size());
  const int fracCount = static_cast<int>(fracSlots.size());

  int exponent = 0;
  if (exponentAt != tokens.size()) {
    // Scientific: as many integer digits as there are integer placeholders.
    const int lead = std::max(intCount, 1);
    if (!d.IsZero()) {
      d.KeepDigits(lead + fracCount);
      exponent = d.Exponent - lead;
      d.Exponent = lead;
    }
  } else {
    d.KeepDigits(d.Exponent + fracCount);
  }
  if (roundsToZero != nullptr) *roundsToZero = d.IsZero();

  std::string intDigits;
  for (int p = d.Exponent - 1; p >= 0; --p) intDigits += d.At(p);

  // Integer digits right-aligned to the placeholders; the digits that do not
  // fit go to the first placeholder, and "#" shows nothing where no digit is.
  std::vector<std::string> slotText(static_cast<size_t>(intCount));
  int remaining = static_cast<int>(intDigits.size());
  for (int k = intCount - 1; k >= 0; --k) {
    const NumberToken& t = tokens[intSlots[static_cast<size_t>(k)]];
    if (remaining > 0) {
      if (k == 0) {
        slotText[0] = intDigits.substr(0, static_cast<size_t>(remaining));
        remaining = 0;
      } else {
        slotText[static_cast<size_t>(k)] = intDigits[static_cast<size_t>(--remaining)];
      }
    } else if (t.kind == NumberToken::Zero) {
      slotText[static_cast<size_t>(k)] = "0";
    }
  }
  std::string leftover = remaining > 0 ? intDigits.substr(0, static_cast<size_t>(remaining)) : "";
  size_t totalIntDigits = leftover.size();
  for (const std::string& t : slotText) totalIntDigits += t.size();

  // Trailing "#" fraction places drop their zeros.
  std::vector<char> fracDigit(static_cast<size_t>(fracCount));
  for (int k = 0; k < fracCount; ++k) fracDigit[static_cast<size_t>(k)] = d.At(-(k + 1));
  int fracShown = fracCount;
  while (fracShown > 0 &&
         tokens[fracSlots[static_cast<size_t>(fracShown - 1)]].kind == NumberToken::Hash &&
         fracDigit[static_cast<size_t>(fracShown - 1)] == '0') {
    --fracShown;
  }

  std::string out;
  size_t emitted = 0;
  auto emitInteger = [&](const std::string& digits) {
    for (char c : digits) {
      out += c;
      ++emitted;
      const size_t left = totalIntDigits - emitted;
      if (grouping && left > 0 && left % 3 == 0) out += regional.Grouping;
    }
  };
  size_t intSlot = 0, fracSlot = 0;
  for (size_t i = 0; i < tokens.size(); ++i) {
    const NumberToken& t = tokens[i];
    switch (t.kind) {
      case NumberToken::Zero:
      case NumberToken::Hash:
        if (i < intEnd) {
          emitInteger(slotText[intSlot++]);
        } else if (i < exponentAt) {
          if (static_cast<int>(fracSlot) < fracShown) out += fracDigit[fracSlot];
          ++fracSlot;
        }
        break;
      case NumberToken::Point:
        // Integer digits with no placeholder for them go before the point.
        if (intCount == 0) emitInteger(leftover);
        out += regional.DecimalPoint;
        break;
      case NumberToken::Comma: break;
      case NumberToken::Percent: out += '%'; break;
      case NumberToken::Exponent: {
        if (intCount == 0 && pointAt > i) emitInteger(leftover);
        out += t.text[0];
        if (exponent < 0) {
          out += '-';
        } else if (t.text[1] == '+') {
          out += '+';
        }
        std::string digits = std::to_string(std::abs(exponent));
        if (static_cast<int>(digits.size()) < t.exponentZeros) {
          digits.insert(0, static_cast<size_t>(t.exponentZeros) - digits.size(), '0');
        }
        if (exponent == 0 && t.exponentZeros == 0) digits.clear();
        out += digits;
        break;
      }
      case NumberToken::Literal: out += t.text; break;
    }
  }
  return out;
}

std::string FormatNumber(double value, bool single, std::string_view pattern) {
  if (!std::isfinite(value)) Raise(ErrorNumber::Overflow);
  const std::vector<std::string_view> sections = SplitSections(pattern);
  auto has = [&](size_t i) { return sections.size() > i && !sections[i].empty(); };
  if (value == 0 && has(2)) return FormatNumberSection(sections[2], 0, single);
  if (value < 0 && has(1)) return FormatNumberSection(sections[1], value, single);
  bool zero = false;
  const std::string text = FormatNumberSection(sections[0], value, single, &zero);
  // A negative number that rounds to nothing shows no minus sign ("-0.00"
  // would only confuse a reader).
  if (value < 0 && !zero) return "-" + text;
  return text;
}

std::string FixedPattern(bool group) {
  const int decimals = RegionalSettings::Current().Decimals;
  std::string p = group ? "#,##0" : "0";
  if (decimals > 0) p += "." + std::string(static_cast<size_t>(decimals), '0');
  return p;
}

// ---- Dates ----

struct DateToken {
  enum Kind {
    Day,
    Day2,
    DayAbbr,
    DayName,
    ShortDate,
    LongDate,
    WeekdayNum,
    Week,
    Month,
    Month2,
    MonthAbbr,
    MonthName,
    Quarter,
    DayOfYear,
    Year2,
    Year4,
    Hour,
    Hour2,
    Minute,
    Minute2,
    Second,
    Second2,
    LongTime,
    General,
    AmPm,
    Literal
  } kind;
  std::string text;  // Literal text; AmPm: the pattern text "AM/PM", "a/p"...
};

size_t RunLength(std::string_view s, size_t i) {
  const char c = FoldChar(s[i]);
  size_t j = i;
  while (j < s.size() && FoldChar(s[j]) == c) ++j;
  return j - i;
}

std::vector<DateToken> ParseDatePattern(std::string_view s) {
  std::vector<DateToken> out;
  auto literal = [&](std::string_view t) { AppendLiteral(out, t); };
  for (size_t i = 0; i < s.size();) {
    const char c = FoldChar(s[i]);
    std::string_view text;
    if (ReadLiteral(s, i, text)) {
      literal(text);
      ++i;
      continue;
    }
    if (c == 'a') {
      size_t len = 0;
      if (StartsWithNoCase(s, i, "am/pm"))
        len = 5;
      else if (StartsWithNoCase(s, i, "ampm"))
        len = 4;
      else if (StartsWithNoCase(s, i, "a/p"))
        len = 3;
      if (len != 0) {
        out.push_back({DateToken::AmPm, std::string(s.substr(i, len))});
        i += len;
      } else {
        literal(s.substr(i++, 1));
      }
      continue;
    }
    size_t run = RunLength(s, i);
    DateToken::Kind kind = DateToken::Literal;
    size_t used = run;
    switch (c) {
      case 'd': {
        static constexpr DateToken::Kind kinds[] = {DateToken::Day,       DateToken::Day2,
                                                    DateToken::DayAbbr,   DateToken::DayName,
                                                    DateToken::ShortDate, DateToken::LongDate};
        used = std::min<size_t>(run, 6);
        kind = kinds[used - 1];
        break;
      }
      case 'm':
        used = std::min<size_t>(run, 4);
        kind = used == 1   ? DateToken::Month
               : used == 2 ? DateToken::Month2
               : used == 3 ? DateToken::MonthAbbr
                           : DateToken::MonthName;
        break;
      case 'y':
        used = run >= 4 ? 4 : run >= 2 ? 2 : 1;
        kind = used == 4 ? DateToken::Year4 : used == 2 ? DateToken::Year2 : DateToken::DayOfYear;
        break;
      case 'w':
        used = std::min<size_t>(run, 2);
        kind = used == 1 ? DateToken::WeekdayNum : DateToken::Week;
        break;
      case 'q':
        used = 1;
        kind = DateToken::Quarter;
        break;
      case 'c':
        used = 1;
        kind = DateToken::General;
        break;
      case 'h':
        used = std::min<size_t>(run, 2);
        kind = used == 1 ? DateToken::Hour : DateToken::Hour2;
        break;
      case 'n':
        used = std::min<size_t>(run, 2);
        kind = used == 1 ? DateToken::Minute : DateToken::Minute2;
        break;
      case 's':
        used = std::min<size_t>(run, 2);
        kind = used == 1 ? DateToken::Second : DateToken::Second2;
        break;
      case 't':
        if (run >= 5) {
          used = 5;
          kind = DateToken::LongTime;
        } else {
          used = 1;
        }
        break;
      default: used = 1; break;
    }
    if (kind == DateToken::Literal) {
      literal(s.substr(i, used));
    } else {
      out.push_back({kind, {}});
    }
    i += used;
  }
  // "m" or "mm" right after an hour, or right before a second, is minutes.
  auto isField = [](const DateToken& t) { return t.kind != DateToken::Literal; };
  for (size_t i = 0; i < out.size(); ++i) {
    if (out[i].kind != DateToken::Month && out[i].kind != DateToken::Month2) continue;
    size_t p = i, n = i + 1;
    while (p > 0 && !isField(out[p - 1])) --p;
    while (n < out.size() && !isField(out[n])) ++n;
    const bool afterHour =
        p > 0 && (out[p - 1].kind == DateToken::Hour || out[p - 1].kind == DateToken::Hour2);
    const bool beforeSecond =
        n < out.size() && (out[n].kind == DateToken::Second || out[n].kind == DateToken::Second2);
    if (afterHour || beforeSecond) {
      out[i].kind = out[i].kind == DateToken::Month ? DateToken::Minute : DateToken::Minute2;
    }
  }
  return out;
}

std::string TwoDigits(int32_t v) {
  std::string s = std::to_string(v);
  return s.size() < 2 ? "0" + s : s;
}

std::string FormatDate(DateTime d, std::string_view pattern) {
  const std::vector<DateToken> tokens = ParseDatePattern(pattern);
  bool twelveHour = false;
  for (const DateToken& t : tokens) twelveHour = twelveHour || t.kind == DateToken::AmPm;
  const RegionalSettings& regional = RegionalSettings::Current();
  const int32_t hour = Hour(d);
  const int32_t shownHour = twelveHour ? (hour % 12 == 0 ? 12 : hour % 12) : hour;
  std::string out;
  for (const DateToken& t : tokens) {
    switch (t.kind) {
      case DateToken::Day: out += std::to_string(Day(d)); break;
      case DateToken::Day2: out += TwoDigits(Day(d)); break;
      case DateToken::DayAbbr: out += WeekdayName(Weekday(d), true); break;
      case DateToken::DayName: out += WeekdayName(Weekday(d), false); break;
      case DateToken::ShortDate: out += FormatDate(d, regional.ShortDate); break;
      case DateToken::LongDate: out += FormatDate(d, regional.LongDate); break;
      case DateToken::WeekdayNum: out += std::to_string(Weekday(d)); break;
      case DateToken::Week: out += std::to_string(DatePart("ww", d)); break;
      case DateToken::Month: out += std::to_string(Month(d)); break;
      case DateToken::Month2: out += TwoDigits(Month(d)); break;
      case DateToken::MonthAbbr: out += MonthName(Month(d), true); break;
      case DateToken::MonthName: out += MonthName(Month(d), false); break;
      case DateToken::Quarter: out += std::to_string(DatePart("q", d)); break;
      case DateToken::DayOfYear: out += std::to_string(DatePart("y", d)); break;
      case DateToken::Year2: out += TwoDigits(Year(d) % 100); break;
      case DateToken::Year4: out += std::to_string(Year(d)); break;
      case DateToken::Hour: out += std::to_string(shownHour); break;
      case DateToken::Hour2: out += TwoDigits(shownHour); break;
      case DateToken::Minute: out += std::to_string(Minute(d)); break;
      case DateToken::Minute2: out += TwoDigits(Minute(d)); break;
      case DateToken::Second: out += std::to_string(Second(d)); break;
      case DateToken::Second2: out += TwoDigits(Second(d)); break;
      case DateToken::LongTime: out += FormatDate(d, regional.LongTime); break;
      case DateToken::General: out += DateTimeText(d); break;
      case DateToken::AmPm: {
        const bool pm = hour >= 12;
        if (EqualsNoCase(t.text, "ampm")) {
          out += pm ? "PM" : "AM";
        } else {
          const size_t slash = t.text.find('/');
          out += pm ? t.text.substr(slash + 1) : t.text.substr(0, slash);
        }
        break;
      }
      case DateToken::Literal: out += t.text; break;
    }
  }
  return out;
}

// ---- Text ----

std::string FormatText(const std::string& text, std::string_view pattern) {
  bool lower = false, upper = false, leftToRight = false;
  struct Piece {
    char placeholder;  // '@', '&' or 0 for a literal
    std::string literal;
  };
  std::vector<Piece> pieces;
  for (size_t i = 0; i < pattern.size(); ++i) {
    const char c = pattern[i];
    std::string_view text;
    if (ReadLiteral(pattern, i, text)) {
      pieces.push_back({0, std::string(text)});
    } else if (c == '@' || c == '&') {
      pieces.push_back({c, {}});
    } else if (c == '<') {
      lower = true;
      upper = false;
    } else if (c == '>') {
      upper = true;
      lower = false;
    } else if (c == '!') {
      leftToRight = true;
    } else {
      pieces.push_back({0, std::string(1, c)});
    }
  }
  const std::string s = lower ? LCase(text) : upper ? UCase(text) : text;
  size_t slots = 0;
  for (const Piece& p : pieces) slots += p.placeholder != 0 ? 1 : 0;
  std::string out;
  if (slots == 0) {
    for (const Piece& p : pieces) out += p.literal;
    return out + s;
  }
  // Characters fill the placeholders from the right unless "!" is given; the
  // ones that do not fit go before the first (or after the last) placeholder.
  const size_t extra = s.size() > slots ? s.size() - slots : 0;
  const size_t missing = slots > s.size() ? slots - s.size() : 0;
  size_t slot = 0, next = 0;
  for (const Piece& p : pieces) {
    if (p.placeholder == 0) {
      out += p.literal;
      continue;
    }
    const bool first = slot == 0, last = slot + 1 == slots;
    const bool empty = leftToRight ? slot >= s.size() : slot < missing;
    if (!leftToRight && first) {
      out += s.substr(0, extra);
      next = extra;
    }
    if (empty) {
      if (p.placeholder == '@') out += ' ';
    } else {
      out += s[next++];
    }
    if (leftToRight && last && next < s.size()) out += s.substr(next);
    ++slot;
  }
  return out;
}

// ---- Named formats ----

std::string YesNo(const Variant& value, const char* yes, const char* no) {
  if (value.IsNull()) return {};
  double v = 0;
  if (value.IsString()) {
    if (!ParseNumber(value.GetString(), v)) return value.GetString();
  } else {
    v = CDbl(value);
  }
  return v != 0 ? yes : no;
}

// The value as a number for a number pattern; false for text that is not a
// number (which Format then returns unchanged).
bool NumberOf(const Variant& value, double& number, bool& single) {
  single = value.Kind() == VarType::Single;
  if (value.IsString()) return ParseNumber(value.GetString(), number);
  if (value.Kind() == VarType::Date) {
    number = value.GetDate().Serial;
    return true;
  }
  number = CDbl(value);
  return true;
}

bool DateOf(const Variant& value, DateTime& date) {
  if (value.IsString()) {
    if (ParseDateTime(value.GetString(), date)) return true;
    double n = 0;
    if (!ParseNumber(value.GetString(), n)) return false;
    date = {n};
    return true;
  }
  if (value.Kind() == VarType::Date) {
    date = value.GetDate();
  } else {
    date = {CDbl(value)};
  }
  return true;
}

// Named number and date formats, as their patterns; empty when the name is
// not one of them.
std::string NamedPattern(std::string_view name) {
  const RegionalSettings& r = RegionalSettings::Current();
  if (EqualsNoCase(name, "Fixed")) return FixedPattern(false);
  if (EqualsNoCase(name, "Standard")) return FixedPattern(true);
  if (EqualsNoCase(name, "Percent")) return "0.00%";
  if (EqualsNoCase(name, "Scientific")) return "0.00E+00";
  if (EqualsNoCase(name, "Long Date")) return r.LongDate;
  if (EqualsNoCase(name, "Medium Date")) return "dd-mmm-yy";
  if (EqualsNoCase(name, "Short Date")) return r.ShortDate;
  if (EqualsNoCase(name, "Long Time")) return r.LongTime;
  if (EqualsNoCase(name, "Medium Time")) return "hh:nn AM/PM";
  if (EqualsNoCase(name, "Short Time")) return "hh:nn";
  return {};
}

}  // namespace

std::string Format(const Variant& value, std::string_view pattern) {
  if (value.IsObject()) Raise(ErrorNumber::TypeMismatch);
  if (pattern.empty()) return value.IsNull() ? std::string() : CStr(value);

  if (EqualsNoCase(pattern, "Yes/No")) return YesNo(value, "Yes", "No");
  if (EqualsNoCase(pattern, "True/False")) return YesNo(value, "True", "False");
  if (EqualsNoCase(pattern, "On/Off")) return YesNo(value, "On", "Off");
  if (EqualsNoCase(pattern, "General Number")) {
    if (value.IsNull()) return {};
    double n = 0;
    bool single = false;
    if (!NumberOf(value, n, single)) return value.GetString();
    return NumberText(n, single);
  }
  if (EqualsNoCase(pattern, "General Date")) {
    if (value.IsNull()) return {};
    DateTime d;
    if (!DateOf(value, d)) return value.GetString();
    return DateTimeText(d);
  }
  const std::string named = NamedPattern(pattern);
  if (!named.empty()) return Format(value, named);

  switch (Classify(pattern)) {
    case PatternKind::Number: {
      if (value.IsNull()) {
        const auto sections = SplitSections(pattern);
        return sections.size() > 3 ? FormatNumberSection(sections[3], 0, false) : std::string();
      }
      double n = 0;
      bool single = false;
      if (!NumberOf(value, n, single)) return value.GetString();
      return FormatNumber(n, single, pattern);
    }
    case PatternKind::Date: {
      if (value.IsNull()) return {};
      DateTime d;
      if (!DateOf(value, d)) return value.GetString();
      return FormatDate(d, pattern);
    }
    case PatternKind::Text: {
      const auto sections = SplitSections(pattern);
      const std::string text = value.IsNull() ? std::string() : CStr(value);
      if ((value.IsNull() || text.empty()) && sections.size() > 1) {
        return FormatText(text, sections[1]);
      }
      return FormatText(text, sections[0]);
    }
  }
  return {};
}

}  // namespace Runtime
