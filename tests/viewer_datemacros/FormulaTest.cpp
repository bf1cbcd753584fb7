#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "runtime/Clock.h"
#include "viewer/datemacros/modFormula.h"

using Kordex::EvaluateFormula;
using Kordex::FormulaResult;

namespace {

class DateFormula : public testing::Test {
 protected:
  // Friday 15 March 2024 14:24:00.
  void SetUp() override { Runtime::Clock::Set(Runtime::DateTime{45366.6}); }
  void TearDown() override { Runtime::Clock::Reset(); }
};

void ExpectNumbers(const std::vector<std::pair<std::string, double>>& cases) {
  for (const auto& [formula, value] : cases) {
    SCOPED_TRACE(formula);
    const FormulaResult result = EvaluateFormula(formula);
    ASSERT_EQ(result.ErrorCode, 0);
    ASSERT_EQ(result.ValueType, Kordex::FormulaNumber);
    EXPECT_NEAR(result.Value.GetDouble(), value, 1e-9);
  }
}

void ExpectCode(int32_t code, const std::vector<std::string>& formulas) {
  for (const std::string& formula : formulas) {
    SCOPED_TRACE(formula.substr(0, 60));
    const FormulaResult result = EvaluateFormula(formula);
    EXPECT_EQ(result.ErrorCode, code);
    EXPECT_EQ(result.ValueType, 0);
    EXPECT_TRUE(result.Value.IsEmpty());
  }
}

std::string Nested(int depth) {
  std::string text;
  for (int k = 0; k < depth; ++k) text += "Day(";
  text += "1";
  return text + std::string(static_cast<size_t>(depth), ')');
}

}  // namespace

TEST_F(DateFormula, DatesAndFunctions) {
  ExpectNumbers({{"Now()", 45366.6},
                 {"Now", 45366.6},
                 {"now - 7", 45359.6},
                 {"Date(Year(Now),Month(Now),1)", 45352},
                 {"Date(Year(Now()),Month(Now()),0)", 45351},
                 {"Now()-DayOfWeek(Now())+1", 45362.6},
                 {"Date(Year(Now()),Month(Now())-Mod(Month(Now())-1,3),1)", 45292},
                 {"IfNum(Day(Now)<15,1,2)", 2},
                 {"Date(2024,13,1)", 45658},
                 {"Date(2024,2,30)", 45352},
                 {"DayOfWeek(Date(2024,1,1))", 1},
                 {"year(now())", 2024}});
}

TEST_F(DateFormula, Texts) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"Str(Day(Now()))", "15"},
      {"Concat(Str(Year(Now())),\"-Q1\")", "2024-Q1"},
      {"Concat(\"a b\",\"c\")", "abc"},
      {"Concat(\"a,b\",\"c\")", "a,bc"},
      {"IfText(0,\"x\",\"y(\")", "y("}};
  for (const auto& [formula, text] : cases) {
    SCOPED_TRACE(formula);
    const FormulaResult result = EvaluateFormula(formula);
    ASSERT_EQ(result.ErrorCode, 0);
    EXPECT_EQ(result.ValueType, Kordex::FormulaText);
    EXPECT_EQ(result.Value.GetString(), text);
  }
}

TEST_F(DateFormula, OperatorsAndLiterals) {
  ExpectNumbers({{"1+2*3", 7},     {"8-2-1", 5},    {"2^3^2", 64},      {"7\\2", 3},
                 {"(0-7)\\2", -3}, {"2.5\\1", 2},   {"Mod(0-7,3)", -1}, {"6&3", 2},
                 {"1=1&2=2", -1},  {"3>2>1", 0},    {"5=>3", -1},       {"1=<2", -1},
                 {"Not(0)", -1},   {"6|3", 7},      {"1|2&0", 1},       {"1=1|0", -1},
                 {"1 2", 12},      {"007+.5", 7.5}, {"0.50", 0.5},      {"(1+2", 3},
                 {"5.", 5},        {"3<>3", 0}});
}

TEST_F(DateFormula, ErrorCodes) {
  ExpectCode(1, {"", "-5", "1e3", "1,5", "()", "1==1", "5(1+2)", "abc", "\"", "Nowx"});
  ExpectCode(2, {"1+\"a\"", "Str(\"a\")", "(\"a\"+1)/0"});
  ExpectCode(3, {"Date(2020,1", "1+2)", ")("});
  ExpectCode(4, {"Month(1,2)", "Month()", "Month(\"a\",2)", "(1+2))+Month(1,2)"});
  ExpectCode(5, {"1/0", "1\\0", "Mod(5,0)", "Mod(5,0.4)", "\"a\"+1/0", "IfNum(1,5,1/0)",
                 "Month(1/0,2)", "0/0"});
  // Beyond what a Double, a 32-bit bit pattern, a 16-bit date part or the
  // calendar can hold.
  ExpectCode(1, {"10^400", "(0-8)^0.5", "Date(40000,1,1)", "Year(10^10)", "6&(2^40)",
                 std::string(400, '9')});
}

TEST_F(DateFormula, CalendarFirstDayAndLastDay) {
  ExpectNumbers({{"Day(0-657434.5)", 1}, {"Day(Date(9999,12,31)+0.99998)", 31}});
  ExpectCode(1, {"Year(Date(9999,12,31)+0.999999)", "Day(2958465.999999)"});
  Runtime::Clock::Set(Runtime::DateTime{-657434.25});
  ExpectNumbers({{"Year(Now)", 100}});
}

TEST_F(DateFormula, DepthAndLengthLimits) {
  EXPECT_EQ(EvaluateFormula(Nested(64)).ErrorCode, 0);
  ExpectCode(1, {Nested(65), Nested(5000)});

  const FormulaResult brackets =
      EvaluateFormula(std::string(16000, '(') + "1" + std::string(16000, ')'));
  ASSERT_EQ(brackets.ErrorCode, 0);
  EXPECT_EQ(brackets.Value.GetDouble(), 1);

  std::string sum = "1";
  while (sum.size() < 40000) sum += "+1";
  ExpectCode(1, {sum});
  // Blanks do not count towards the length.
  EXPECT_EQ(EvaluateFormula("1" + std::string(40000, ' ')).ErrorCode, 0);
}

TEST(FormulaErrorText, GivesTheSixTexts) {
  const char* const texts[] = {"No Error",
                               "Syntax Error",
                               "Type Mismatch Error",
                               "Mismatched Brackets Error",
                               "Number Of Parameters Error",
                               "Division By Zero Error"};
  for (int32_t code = 0; code < 6; ++code) EXPECT_EQ(Kordex::FormulaErrorText(code), texts[code]);
  EXPECT_EQ(Kordex::FormulaErrorText(6), "");
  EXPECT_EQ(Kordex::FormulaErrorText(-1), "");
}
