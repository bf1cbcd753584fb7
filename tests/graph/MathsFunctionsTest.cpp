#include <gtest/gtest.h>

#include <cmath>

#include "graph/model/MathsFunctions.h"
#include "tests/support/Raised.h"

using Dravex::MathsFunctions::LogBase;
using Runtime::Variant;
using TestSupport::Raised;

TEST(LogBase, PowersOfTheBaseGiveWholeExponents) {
  EXPECT_EQ(LogBase(1000.0, 10.0), Variant(3.0));
  // Each decade's floor is its own exponent, never the one below.
  for (int k = -300; k <= 300; ++k) {
    const double power = std::stod("1e" + std::to_string(k));
    EXPECT_EQ(std::floor(LogBase(power, int16_t{10}).GetDouble()), k) << "10^" << k;
  }
  EXPECT_EQ(LogBase(Variant(int32_t{1024}), 2.0), Variant(10.0));
  EXPECT_EQ(LogBase(1.0, 10.0), Variant(0.0));
}

TEST(LogBase, OtherValuesAreOrdinaryLogarithms) {
  EXPECT_NEAR(LogBase(50.0, 10.0).GetDouble(), 1.6989700043360187, 1e-15);
  EXPECT_LT(LogBase(999.9999, 10.0).GetDouble(), 3.0);
  EXPECT_GT(LogBase(1000.0001, 10.0).GetDouble(), 3.0);
}

TEST(LogBase, ArgumentsOutsideTheDomainRaise) {
  EXPECT_EQ(Raised([] { LogBase(0.0, 10.0); }), Runtime::ErrorNumber::InvalidProcedureCall);
  EXPECT_EQ(Raised([] { LogBase(-5.0, 10.0); }), Runtime::ErrorNumber::InvalidProcedureCall);
  EXPECT_EQ(Raised([] { LogBase(5.0, 0.0); }), Runtime::ErrorNumber::InvalidProcedureCall);
  EXPECT_EQ(Raised([] { LogBase(5.0, 1.0); }), Runtime::ErrorNumber::DivisionByZero);
}
