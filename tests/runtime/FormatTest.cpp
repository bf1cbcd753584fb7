#include <gtest/gtest.h>

#include "runtime/DateTime.h"
#include "runtime/Error.h"
#include "runtime/Format.h"
#include "runtime/Regional.h"

using namespace Runtime;

namespace {

struct Case {
  Variant value;
  const char* pattern;
  const char* expected;
};

void Check(const std::vector<Case>& cases) {
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string("pattern \"") + c.pattern + "\"");
    EXPECT_EQ(Format(c.value, c.pattern), c.expected);
  }
}

DateTime At(int y, int m, int d, int h = 0, int n = 0, int s = 0) {
  return {DateSerial(y, m, d).Serial + TimeSerial(h, n, s).Serial};
}

}  // namespace

TEST(Format, FixedDecimalsRoundHalvesAwayFromZero) {
  Check({
      {2.345, "0.00", "2.35"},  // stored as 2.34499999...: rounded to 15 digits first
      {-2.345, "0.00", "-2.35"},
      {1.005, "0.00", "1.01"},
      {2.5, "0", "3"},
      {3.5, "0", "4"},
      {-2.5, "0", "-3"},
      {0.5, "0", "1"},
      {0.45, "0.0", "0.5"},
      {1234.5678, "0.0", "1234.6"},
      {0.0, "0.00", "0.00"},
      {-0.001, "0.00", "0.00"},  // no "-0.00"
      {9.999, "0.00", "10.00"},
      {12345, "0", "12345"},
      {7, "000", "007"},
      {int16_t{42}, "0.0", "42.0"},
      {int32_t{-42}, "0", "-42"},
      {1e20, "0", "100000000000000000000"},
      {1.23456789012345e-5, "0.000000", "0.000012"},
      {0.1f, "0.000000000", "0.100000000"},  // a Single has 7 digits
      {2.675f, "0.00", "2.68"},
  });
}

TEST(Format, OptionalDigitsAndTheDecimalPoint) {
  Check({
      {1.5, "#.##", "1.5"},
      {0.5, "#.##", ".5"},
      {0.5, "0.##", "0.5"},
      {2.0, "#.##", "2."},
      {0.0, "#", ""},
      {0.0, "#.#", "."},
      {1.25, "0.0#", "1.25"},
      {1.2, "0.0#", "1.2"},
      {1.0, "0.0#", "1.0"},
      {12.5, ".00", "12.50"},
      {0.5, ".00", ".50"},
      {5.0, "0.", "5."},
  });
}

TEST(Format, GroupsThousands) {
  Check({
      {0.0, "#,##0", "0"},
      {5.0, "#,##0", "5"},
      {999.0, "#,##0", "999"},
      {1000.0, "#,##0", "1,000"},
      {-1234567.0, "#,##0", "-1,234,567"},
      {1234567.891, "#,##0.00", "1,234,567.89"},
      {-999.999, "#,##0.00", "-1,000.00"},
      {1e15, "#,##0", "1,000,000,000,000,000"},
      {123456789012345678.0, "#,##0", "123,456,789,012,346,000"},  // 15 significant digits
      {5.0, "0,000", "0,005"},
      {1234567.0, "#,##0,", "1,235"},  // a comma before the point scales by a thousand
      {1234567.0, "0,,.0", "1.2"},
      {1234567.0, "#,", "1235"},
  });
}

TEST(Format, PercentScalesByAHundred) {
  Check({
      {0.125, "0%", "13%"},
      {0.5, "0%", "50%"},
      {-0.0125, "0.00%", "-1.25%"},
      {1.0, "0.0%", "100.0%"},
      {0.0, "0%", "0%"},
  });
}

TEST(Format, ScientificPatterns) {
  Check({
      {20.0, "0.#######E+00", "2.E+01"},
      {0.25, "0.#######E+00", "2.5E-01"},
      {12.5, "0.#######E+00", "1.25E+01"},
      {0.0, "0.#######E+00", "0.E+00"},
      {0.1f, "0.#######E+00", "1.E-01"},
      {0.3f, "0.#######E+00", "3.E-01"},  // a Single step: 7 digits, no noise
      {1.0f / 3.0f, "0.#######E+00", "3.333333E-01"},
      {-2.5, "0.#######E+00", "-2.5E+00"},
      {12345.0, "0.00E+00", "1.23E+04"},
      {12355.0, "0.00E+00", "1.24E+04"},
      {9.999, "0.00E+00", "1.00E+01"},
      {0.00012345, "0.00E-00", "1.23E-04"},
      {12345.0, "0.00E-00", "1.23E04"},
      {12345.0, "0.00e+0", "1.23e+4"},
      {1.5e-300, "0.0E+00", "1.5E-300"},
      {12345.0, "00.0E+00", "12.3E+03"},
  });
}

TEST(Format, SectionsForSignsZeroAndNull) {
  Check({
      {5.0, "0.0;(0.0)", "5.0"},
      {-5.0, "0.0;(0.0)", "(5.0)"},
      {0.0, "0.0;(0.0)", "0.0"},
      {0.0, "0.0;(0.0);\"nil\"", "nil"},
      {-0.01, "0.0;(0.0);\"nil\"", "(0.0)"},
      {-5.0, "0.0;;\"nil\"", "-5.0"},  // an empty negative section takes the first
      {Variant(Null), "0.0;(0.0);\"nil\";\"none\"", "none"},
      {Variant(Null), "0.0", ""},
      {Variant(), "0.0", "0.0"},
  });
}

TEST(Format, LiteralsInNumberPatterns) {
  Check({
      {5.0, "0 \"pcs\"", "5 pcs"},
      {5.0, "\\#0", "#5"},
      {-5.0, "$0.00", "-$5.00"},
      {5.0, "(0)", "(5)"},
      {12.0, "0\";\"0", "1;2"},  // a quoted ";" does not split sections
      {123456.0, "000-000", "123-456"},
      {1234567.0, "000-000", "1234-567"},
  });
}

TEST(Format, NamedNumberFormats) {
  Check({
      {1234.5, "General Number", "1234.5"},
      {1e20, "general number", "1E+20"},
      {1234.567, "Fixed", "1234.57"},
      {0.5, "Fixed", "0.50"},
      {1234.567, "Standard", "1,234.57"},
      {0.1234, "Percent", "12.34%"},
      {1234.5, "Scientific", "1.23E+03"},
      {0.0, "Yes/No", "No"},
      {-1.0, "Yes/No", "Yes"},
      {true, "True/False", "True"},
      {0.0, "On/Off", "Off"},
      {"2", "On/Off", "On"},
      {"abc", "Yes/No", "abc"},
  });
}

TEST(Format, NumbersFromOtherKinds) {
  Check({
      {"2.345", "0.00", "2.35"},
      {" 1,234.5 ", "0.0", "1234.5"},
      {"abc", "0.00", "abc"},  // text that is not a number comes back as it is
      {true, "0", "-1"},
      {Variant(At(2024, 1, 1, 12)), "0.0", "45292.5"},
  });
}

TEST(Format, DatePatternsTheSystemUses) {
  const DateTime d = At(2026, 12, 8, 13, 5, 9);
  Check({
      {d, "d-mm-yy hh:nn:ss", "8-12-26 13:05:09"},
      {d, "d-mm-yy", "8-12-26"},
      {At(2026, 1, 31), "d-mm-yy", "31-01-26"},
      {d, "yyyy_mm_dd", "2026_12_08"},
      {d, "YYYY_MM_DD", "2026_12_08"},
      {d, "yyyymmdd", "20261208"},
      {d, "YYYYMMDD", "20261208"},
      {d, "mm/dd/yy", "12/08/26"},
      {d, "mmm", "Dec"},
      {d, "Short Date", "08/12/2026"},
      {d, "Long Date", "8 December 2026"},
      {At(2005, 1, 2), "mm/dd/yy", "01/02/05"},
  });
}

TEST(Format, DateTokens) {
  const DateTime d = At(2026, 12, 8, 13, 5, 9);  // a Tuesday
  Check({
      {d, "d dd ddd dddd", "8 08 Tue Tuesday"},
      {d, "m mm mmm mmmm", "12 12 Dec December"},
      {d, "y yy yyyy", "342 26 2026"},
      {d, "q w ww", "4 3 50"},
      {d, "h:m:s", "13:5:9"},
      {d, "hh:mm:ss", "13:05:09"},  // "m" after an hour is minutes
      {d, "mm:ss", "05:09"},        // and before a second
      {d, "hh \"h\" nn", "13 h 05"},
      {d, "h:nn AM/PM", "1:05 PM"},
      {d, "h:nn am/pm", "1:05 pm"},
      {d, "h:nnA/P", "1:05P"},
      {d, "hhampm", "01PM"},
      {At(2026, 12, 8, 0, 30), "h:nn AM/PM", "12:30 AM"},
      {At(2026, 12, 8, 12, 30), "h:nn AM/PM", "12:30 PM"},
      {d, "ddddd", "08/12/2026"},
      {d, "dddddd", "8 December 2026"},
      {d, "ttttt", "13:05:09"},
      {d, "c", "08/12/2026 13:05:09"},
      {d, "\\d\\a\\y d", "day 8"},
      {d, "Medium Date", "08-Dec-26"},
      {d, "Long Time", "13:05:09"},
      {d, "Medium Time", "01:05 PM"},
      {d, "Short Time", "13:05"},
      {d, "General Date", "08/12/2026 13:05:09"},
  });
}

TEST(Format, DatesFromOtherKinds) {
  Check({
      {45292.5, "yyyy-mm-dd hh:nn", "2024-01-01 12:00"},
      {int32_t{0}, "yyyy-mm-dd", "1899-12-30"},
      {-1.25, "yyyy-mm-dd hh:nn", "1899-12-29 06:00"},
      {"8 Dec 2026", "yyyymmdd", "20261208"},
      {"45292", "yyyymmdd", "20240101"},
      {"soon", "yyyymmdd", "soon"},
      {Variant(Null), "yyyymmdd", ""},
      {"8/12/2026 13:05", "General Date", "08/12/2026 13:05:00"},
  });
  EXPECT_THROW(Format(1e10, "yyyy"), Error);
}

TEST(Format, TimeNeverDriftsBelowTheSecond) {
  const double day = DateSerial(2026, 12, 8).Serial;
  EXPECT_EQ(Format(DateTime{day + 13.0 / 24 + 5.0 / 1440 + 9.0 / 86400}, "hh:nn:ss"), "13:05:09");
  for (int s = 0; s < 86400; s += 61) {
    const DateTime t{day + s / 86400.0};
    char expected[16];
    std::snprintf(expected, sizeof expected, "%02d:%02d:%02d", s / 3600, s / 60 % 60, s % 60);
    ASSERT_EQ(Format(t, "hh:nn:ss"), expected);
  }
}

TEST(Format, TextPatterns) {
  Check({
      {"abc", ">", "ABC"},
      {"ABC", "<", "abc"},
      {"ab", "@@@@", "  ab"},
      {"ab", "!@@@@", "ab  "},
      {"ab", "&&&&", "ab"},
      {"abcdef", "@@@", "abcdef"},
      {"abcdef", "@-@@", "abcd-ef"},
      {"abcdef", "!@-@@", "a-bcdef"},
      {"5551234", "@@@-@@@@", "555-1234"},
      {"", "@;\"empty\"", "empty"},
      {Variant(Null), "@;\"empty\"", "empty"},
      {int32_t{42}, "@@@@", "  42"},
  });
}

TEST(Format, EmptyPatternGivesTheDefaultText) {
  Check({
      {2.5, "", "2.5"},
      {Variant(Null), "", ""},
      {Variant(), "", ""},
      {"text", "", "text"},
      {At(2026, 12, 8), "", "08/12/2026"},
  });
  EXPECT_THROW(Format(Variant::Nothing(), "0"), Error);
}

TEST(Format, FollowsTheRegionalSettings) {
  RegionalSettings& r = RegionalSettings::Current();
  const RegionalSettings saved = r;
  r.DecimalPoint = ',';
  r.Grouping = '.';
  r.ShortDate = "yyyy-mm-dd";
  r.Decimals = 3;
  EXPECT_EQ(Format(1234.5, "#,##0.00"), "1.234,50");
  EXPECT_EQ(Format(1234.5, "Standard"), "1.234,500");
  EXPECT_EQ(Format(At(2026, 12, 8), "Short Date"), "2026-12-08");
  r = saved;
}
