#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "runtime/Conversions.h"
#include "runtime/DateTime.h"
#include "runtime/Regional.h"
#include "tests/runtime/VariantValues.h"
#include "tests/support/Raised.h"

using namespace Runtime;
using TestSupport::Raised;
using namespace VariantValues;

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// Sets the regional decimal point and grouping for one test.
class RegionalNumbers {
 public:
  RegionalNumbers(char point, char grouping) : saved_(RegionalSettings::Current()) {
    RegionalSettings::Current().DecimalPoint = point;
    RegionalSettings::Current().Grouping = grouping;
  }
  ~RegionalNumbers() { RegionalSettings::Current() = saved_; }

 private:
  RegionalSettings saved_;
};

}  // namespace

TEST(Conversions, ValReadsTheLeadingNumber) {
  const std::vector<std::pair<const char*, double>> cases = {
      {"1 2", 12},
      {"1e3", 1000},
      {"12abc", 12},
      {"abc", 0},
      {"", 0},
      {"  -3.5", -3.5},
      {"- 3", -3},
      {"+5", 5},
      {"\t1\n2", 12},
      {"1\r2", 1},
      {"1.2.3", 1.2},
      {".5", 0.5},
      {"-.5x", -0.5},
      {"1,000", 1},
      {"1e", 1},
      {"1e+", 1},
      {"1 e 2", 100},
      {"1d2", 100},
      {"25E-2", 0.25},
      {".0001e4", 1},
      {"0x10", 0},
      {"-", 0},
      {".", 0},
      {"1e-400", 0},
      {"000123.4500", 123.45},
      {"123456789012345678901234567890123456789012345678", 1.2345678901234568e47},
      {"0.00000000000000000000000000000000000000000000001", 1e-47},
      {"&HFF", 255},
      {"&hff", 255},
      {"&H7FFF", 32767},
      {"&HFFFF", -1},
      {"&H10000", 65536},
      {"&HFFFFFFFF", -1},
      {"&O17", 15},
      {"&H", 0},
      {"&12", 0},
  };
  for (const auto& [text, expected] : cases) {
    SCOPED_TRACE(text);
    EXPECT_DOUBLE_EQ(Val(text), expected);
  }
  EXPECT_FALSE(std::signbit(Val("-0")));
  EXPECT_EQ(Raised([] { Val("1e400"); }), 6);
  EXPECT_EQ(Raised([] { Val("1e99999999999999999999"); }), 6);
}

TEST(Conversions, ParseNumberTakesTheWholeTrimmedText) {
  const std::vector<std::pair<const char*, double>> numbers = {
      {"12", 12}, {" 12\t", 12},    {"1,234.5", 1234.5}, {"1e3", 1000},
      {"-5", -5}, {"5-", -5},       {"- 5", -5},         {"+.5", 0.5},
      {"1.", 1},  {"1.5D-1", 0.15}, {"&HFF", 255},       {"&HFFFF", -1},
      {"0", 0},   {"-0", 0},        {"007", 7},          {"1E+308", 1e308},
  };
  for (const auto& [text, expected] : numbers) {
    SCOPED_TRACE(text);
    double value = kNaN;
    EXPECT_TRUE(ParseNumber(text, value));
    EXPECT_DOUBLE_EQ(value, expected);
  }
  for (const char* text : {"", " ", "abc", "12abc", "1 2", "1e", "1e+", ".", "-", "&H", "&HG",
                           "&H100000000", ",5", "1.2.3", "--1", "-1-", "1e999"}) {
    SCOPED_TRACE(text);
    double value = 0;
    EXPECT_FALSE(ParseNumber(text, value));
  }
}

TEST(Conversions, NumbersFollowTheRegionalDecimalPoint) {
  RegionalNumbers comma(',', '.');
  double value = 0;
  EXPECT_TRUE(ParseNumber("1.234,5", value));
  EXPECT_DOUBLE_EQ(value, 1234.5);
  EXPECT_DOUBLE_EQ(CDbl(Variant("0,25")), 0.25);
  // Val and the text of numbers are canonical: always ".".
  EXPECT_DOUBLE_EQ(Val("0,25"), 0);
  EXPECT_DOUBLE_EQ(Val("0.25"), 0.25);
  EXPECT_EQ(CStr(Variant(0.25)), "0.25");
}

TEST(Conversions, IsNumericAndIsDate) {
  EXPECT_TRUE(IsNumeric(Variant()));
  EXPECT_TRUE(IsNumeric(Variant(true)));
  EXPECT_TRUE(IsNumeric(Date(1)));
  EXPECT_TRUE(IsNumeric(Int16(1)));
  EXPECT_TRUE(IsNumeric(Variant(" 1.5 ")));
  EXPECT_FALSE(IsNumeric(Variant("")));
  EXPECT_FALSE(IsNumeric(Variant("1.5x")));
  EXPECT_FALSE(IsNumeric(Variant(Null)));
  EXPECT_FALSE(IsNumeric(Variant::Nothing()));
  EXPECT_FALSE(IsNumeric(Variant::Missing()));

  EXPECT_TRUE(IsDate(Date(45000)));
  EXPECT_FALSE(IsDate(Variant(45000.0)));
  EXPECT_FALSE(IsDate(Variant("not a date")));
  EXPECT_TRUE(IsDate(Variant("2024-03-01")));
}

TEST(Conversions, WholeNumberConversionsRoundHalfToEven) {
  struct Case {
    Variant value;
    int16_t expected;
  };
  const std::vector<Case> cases = {
      {Variant(2.5), 2},
      {Variant(3.5), 4},
      {Variant(-2.5), -2},
      {Variant(-3.5), -4},
      {Variant(1.4999), 1},
      {Variant(0.5), 0},
      {Variant("12"), 12},
      {Variant("2.5"), 2},
      {Variant(true), -1},
      {Variant(), 0},
      {Sng(1.5f), 2},
      {Variant(32767.4), 32767},
      {Variant(-32768.5), -32768},
      {Date(3.5), 4},
      {Variant(int32_t{-7}), -7},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.value));
    EXPECT_EQ(CInt(c.value), c.expected);
    EXPECT_EQ(CLng(c.value), c.expected);
  }
  EXPECT_EQ(CLng(Variant(2147483647.0)), 2147483647);
  EXPECT_EQ(CLng(Variant(-2147483648.5)), std::numeric_limits<int32_t>::min());
  EXPECT_EQ(CByte(Variant(254.5)), 254);
  EXPECT_EQ(CByte(Variant(-0.5)), 0);
}

TEST(Conversions, WholeNumberConversionErrors) {
  struct Case {
    const char* what;
    Variant value;
    int32_t cint;
    int32_t clng;
    int32_t cbyte;
  };
  const std::vector<Case> cases = {
      {"40000", Variant(40000), 6, 0, 6},
      {"32767.5", Variant(32767.5), 6, 0, 6},
      {"-32768.6", Variant(-32768.6), 6, 0, 6},
      {"2^31", Variant(2147483648.0), 6, 6, 6},
      {"1e300", Variant(1e300), 6, 6, 6},
      {"NaN", Variant(kNaN), 6, 6, 6},
      {"infinity", Variant(-kInf), 6, 6, 6},
      {"True", Variant(true), 0, 0, 6},
      {"256", Int16(256), 0, 0, 6},
      {"word", Variant("abc"), 13, 13, 13},
      {"Null", Variant(Null), 94, 94, 94},
      {"object", Variant(std::make_shared<Thing>()), 13, 13, 13},
      {"Missing", Variant::Missing(), 13, 13, 13},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(Raised([&] { CInt(c.value); }), c.cint);
    EXPECT_EQ(Raised([&] { CLng(c.value); }), c.clng);
    EXPECT_EQ(Raised([&] { CByte(c.value); }), c.cbyte);
  }
}

TEST(Conversions, FloatingConversions) {
  EXPECT_EQ(CSng(Variant(0.1)), 0.1f);
  EXPECT_EQ(CSng(Variant("2.5")), 2.5f);
  EXPECT_EQ(Raised([] { CSng(Variant(1e39)); }), 6);
  EXPECT_EQ(Raised([] { CSng(Variant(kNaN)); }), 6);
  EXPECT_EQ(CDbl(Sng(0.5f)), 0.5);
  EXPECT_EQ(CDbl(Date(45000.25)), 45000.25);
  EXPECT_EQ(CDbl(Variant(" -1,234.5 ")), -1234.5);
  EXPECT_EQ(CDbl(Variant(true)), -1.0);
  EXPECT_EQ(CDbl(Variant()), 0.0);
  EXPECT_EQ(Raised([] { CDbl(Variant("1.5x")); }), 13);
  EXPECT_EQ(Raised([] { CDbl(Variant(Null)); }), 94);
  EXPECT_EQ(Raised([] { CDbl(Variant(std::vector<uint8_t>{1})); }), 13);
}

TEST(Conversions, BooleanConversion) {
  EXPECT_TRUE(CBool(Variant("True")));
  EXPECT_FALSE(CBool(Variant("false")));
  EXPECT_TRUE(CBool(Variant(" TRUE ")));
  EXPECT_FALSE(CBool(Variant("0")));
  EXPECT_TRUE(CBool(Variant("-2")));
  EXPECT_TRUE(CBool(Variant(0.001)));
  EXPECT_FALSE(CBool(Variant()));
  EXPECT_EQ(Raised([] { CBool(Variant("yes")); }), 13);
  EXPECT_EQ(Raised([] { CBool(Variant(Null)); }), 94);
}

TEST(Conversions, DateConversion) {
  EXPECT_EQ(CDate(Variant(45000.5)), DateTime{45000.5});
  EXPECT_EQ(CDate(Variant(true)), DateTime{-1});
  EXPECT_EQ(CDate(Variant()), DateTime{0});
  EXPECT_EQ(CDate(Variant(-657434.0)), DateTime{-657434});
  EXPECT_EQ(Raised([] { CDate(Variant(-657435.0)); }), 6);
  EXPECT_EQ(Raised([] { CDate(Variant(2958466.0)); }), 6);
  EXPECT_EQ(Raised([] { CDate(Variant("junk")); }), 13);
  EXPECT_EQ(Raised([] { CDate(Variant(Null)); }), 94);
  EXPECT_EQ(CDate(Variant("2024-03-01")), DateTime{45352});
}

// Conversion and the parts of a date take the same serials: all of the first
// day, nothing that rounds past the last second.
TEST(Conversions, DatesRunFromTheFirstDayToTheLastDayWholly) {
  EXPECT_EQ(CDate(Variant(-657434.5)), DateTime{-657434.5});
  EXPECT_EQ(Year(CDate(Variant(-657434.5))), 100);
  EXPECT_EQ(Day(CDate(Variant(-657434.999))), 1);
  EXPECT_EQ(Second(CDate(Variant(2958465.99998))), 58);
  EXPECT_EQ(Raised([] { CDate(Variant(2958465.999999)); }), 6);
  EXPECT_EQ(Raised([] { Year(DateTime{2958465.999999}); }), 5);
  EXPECT_EQ(Raised([] { Day(DateTime{2958465.999999}); }), 5);
}

TEST(Conversions, TextOfValues) {
  const std::vector<std::pair<Variant, const char*>> cases = {
      {Int16(5), "5"},
      {Variant(-7), "-7"},
      {Variant(uint8_t{200}), "200"},
      {Variant(true), "True"},
      {Variant(false), "False"},
      {Variant(), ""},
      {Variant("as is"), "as is"},
      {Variant(0.1), "0.1"},
      {Variant(0.1 + 0.2), "0.3"},
      {Variant(1.0 / 3), "0.333333333333333"},
      {Sng(1.0f / 3), "0.3333333"},
      {Variant(-2.5), "-2.5"},
      {Variant(std::vector<uint8_t>{'a', 'b'}), "ab"},
  };
  for (const auto& [value, expected] : cases) {
    SCOPED_TRACE(expected);
    EXPECT_EQ(CStr(value), expected);
  }
  EXPECT_EQ(CStr(Date(45352)), DateTimeText(DateTime{45352}));
  EXPECT_EQ(Raised([] { CStr(Variant(Null)); }), 94);
  EXPECT_EQ(Raised([] { CStr(Variant::Nothing()); }), 13);
}

TEST(Conversions, DefaultTextOfNumbers) {
  const std::vector<std::pair<double, const char*>> doubles = {
      {0, "0"},
      {-0.0, "0"},
      {1, "1"},
      {100, "100"},
      {123456789012345.0, "123456789012345"},
      {999999999999999.9, "1E+15"},
      {1e15, "1E+15"},
      {1.5e15, "1.5E+15"},
      {1e100, "1E+100"},
      {-1.25e-100, "-1.25E-100"},
      {1e-5, "0.00001"},
      {1.5e-7, "1.5E-07"},
      {9.99999999999999e-6, "9.99999999999999E-06"},
      {0.000123, "0.000123"},
      {3.14159265358979323, "3.14159265358979"},
      {2.0 / 3, "0.666666666666667"},
      {1234.5, "1234.5"},
  };
  for (const auto& [value, expected] : doubles) {
    SCOPED_TRACE(expected);
    EXPECT_EQ(NumberText(value), expected);
  }
  const std::vector<std::pair<float, const char*>> singles = {
      {0.1f, "0.1"},
      {1234567.0f, "1234567"},
      {1e7f, "1E+07"},
      {16777216.0f, "1.677722E+07"},
      {3.1415927f, "3.141593"},
      {1e-5f, "0.00001"},
      {2.5e-6f, "2.5E-06"},
  };
  for (const auto& [value, expected] : singles) {
    SCOPED_TRACE(expected);
    EXPECT_EQ(NumberText(value, true), expected);
  }
}

TEST(Conversions, IntAndFixKeepTheKind) {
  const std::vector<std::tuple<Variant, Variant, Variant>> cases = {
      {Variant(-2.5), Variant(-3.0), Variant(-2.0)},
      {Variant(2.5), Variant(2.0), Variant(2.0)},
      {Sng(-0.5f), Sng(-1.0f), Sng(-0.0f)},
      {Int16(7), Int16(7), Int16(7)},
      {Variant(7), Variant(7), Variant(7)},
      {Variant(Null), Variant(Null), Variant(Null)},
      {Variant("2.7"), Variant(2.0), Variant(2.0)},
      {Variant(true), Int16(-1), Int16(-1)},
      {Variant(), Int16(0), Int16(0)},
      {Date(45000.75), Date(45000), Date(45000)},
      {Date(-1.25), Date(-1), Date(-1)},  // the day of 29 Dec 1899 06:00
  };
  for (const auto& [value, whole, fixed] : cases) {
    SCOPED_TRACE(testing::PrintToString(value));
    EXPECT_EQ(Int(value), whole);
    EXPECT_EQ(Fix(value), fixed);
  }
  EXPECT_EQ(Raised([] { Int(Variant("x")); }), 13);
  EXPECT_EQ(Raised([] { Fix(Variant::Nothing()); }), 13);
}

TEST(Conversions, RoundHalfEven) {
  const std::vector<std::pair<double, double>> cases = {
      {0.5, 0},       {1.5, 2},
      {2.5, 2},       {-0.5, 0},
      {-1.5, -2},     {-2.5, -2},
      {2.4999999, 2}, {2.5000001, 3},
      {1e300, 1e300}, {4503599627370497.0, 4503599627370497.0},
  };
  for (const auto& [value, expected] : cases) {
    SCOPED_TRACE(value);
    EXPECT_EQ(RoundHalfEven(value), expected);
  }
}
