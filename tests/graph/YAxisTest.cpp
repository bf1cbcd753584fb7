#include <gtest/gtest.h>

#include "graph/model/GraphYAxis.h"
#include "tests/support/Raised.h"

using namespace Dravex;
using TestSupport::Raised;

namespace {

std::string DecimalsFor(float min, float max, int16_t majorTicks) {
  GraphYAxis axis;
  axis.Min(min);
  axis.Max(max);
  axis.MajorTicks(majorTicks);
  axis.CreateDecimals();
  return axis.Decimals();
}

}  // namespace

TEST(GraphYAxis, NewAxisScalesItsMaximumFromTheData) {
  GraphYAxis axis;
  EXPECT_TRUE(axis.Enabled());
  EXPECT_TRUE(axis.AutomaticMax());
  EXPECT_FALSE(axis.AutomaticMin());
  EXPECT_EQ(axis.MajorTicks(), 5);
  EXPECT_EQ(axis.MinorTicks(), 1);
  EXPECT_EQ(axis.Decimals(), "");
  EXPECT_EQ(axis.Title()->Text(), "");
}

TEST(GraphYAxis, CreateDecimalsGivesTheDecimalsOfTheTickStep) {
  struct Case {
    float min, max;
    int16_t ticks;
    const char* decimals;
  };
  const Case cases[] = {
      {0, 100, 5, "0"},        // step 20
      {0, 5, 5, "0"},          // step 1
      {0, 12.5f, 5, "0.0"},    // step 2.5
      {0, 62.5f, 5, "0.0"},    // step 12.5
      {0, 1, 4, "0.00"},       // step 0.25
      {0, 0.5f, 5, "0.0"},     // step 0.1
      {5, 5, 5, "0"},          // step 0
      {0, 100, 4, "0"},        // step 25
      {-1, 1, 8, "0.00"},      // step 0.25
      {0, 1, 3, "0.0000000"},  // step 0.3333333
      {0, 0.001f, 4, "0.00000"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DecimalsFor(c.min, c.max, c.ticks), c.decimals)
        << c.min << " to " << c.max << " in " << c.ticks;
  }
}

TEST(GraphYAxis, MaxBelowMinCountsNoDecimalForTheSign) {
  EXPECT_EQ(DecimalsFor(1, 0, 4), "0.00");
  EXPECT_EQ(DecimalsFor(100, 0, 5), "0");
  EXPECT_EQ(DecimalsFor(0, 100, -4), "0");
}

TEST(GraphYAxis, NoMajorTicksLeavesDecimalsAsTheyWere) {
  GraphYAxis axis;
  axis.Max(10);
  axis.Decimals("0.0");
  axis.MajorTicks(0);
  EXPECT_EQ(Raised([&] { axis.CreateDecimals(); }), Runtime::ErrorNumber::DivisionByZero);
  EXPECT_EQ(axis.Decimals(), "0.0");
}
