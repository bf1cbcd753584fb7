#include <gtest/gtest.h>

#include "graph/model/XBarConstants.h"
#include "tests/support/Raised.h"

using namespace Dravex::XBarConstants;
using Runtime::Variant;
using TestSupport::Raised;

namespace {

class XBarTables : public testing::Test {
 protected:
  XBarTables() { SetUpXBarConstants(a2, d3, d4); }
  Runtime::Collection a2;
  Runtime::Collection d3;
  Runtime::Collection d4;
};

// The factors for subgroup sizes 2 to 10 as the quality-control literature
// tabulates them (A2 and D3 to three decimals, D4 to three, which the chart
// keeps to two).
struct Published {
  int16_t n;
  double a2;
  double d3;
  double d4;
};
constexpr Published PublishedFactors[] = {
    {2, 1.880, 0, 3.267},     {3, 1.023, 0, 2.574},     {4, 0.729, 0, 2.282},
    {5, 0.577, 0, 2.114},     {6, 0.483, 0, 2.004},     {7, 0.419, 0.076, 1.924},
    {8, 0.373, 0.136, 1.864}, {9, 0.337, 0.184, 1.816}, {10, 0.308, 0.223, 1.777},
};

}  // namespace

TEST_F(XBarTables, AgreeWithThePublishedFactors) {
  for (const Published& row : PublishedFactors) {
    EXPECT_NEAR(XBarFactor(a2, row.n), row.a2, 1e-6) << "A2, n = " << row.n;
    EXPECT_NEAR(XBarFactor(d3, row.n), row.d3, 1e-6) << "D3, n = " << row.n;
    EXPECT_NEAR(XBarFactor(d4, row.n), row.d4, 0.005 + 1e-6) << "D4, n = " << row.n;
  }
}

TEST_F(XBarTables, HoldTenItemsWithNoFactorForOne) {
  for (const Runtime::Collection* table : {&a2, &d3, &d4}) {
    ASSERT_EQ(table->Count(), 10);
    EXPECT_TRUE(table->Item(Variant(int16_t{1})).IsNull());
  }
  EXPECT_EQ(a2.Item(Variant(int16_t{5})), Variant(0.577));
  EXPECT_TRUE(d3.Item(Variant(int16_t{6})).IsNull());
  EXPECT_EQ(d4.Item(Variant(int16_t{6})), Variant(int16_t{2}));

  // Set up again, the tables are filled afresh, not appended to.
  SetUpXBarConstants(a2, d3, d4);
  EXPECT_EQ(a2.Count(), 10);
}

TEST_F(XBarTables, FactorsOutsideTheTable) {
  EXPECT_EQ(XBarFactor(a2, 5), 0.577f);
  EXPECT_EQ(XBarFactor(d4, 6), 2.0f);
  EXPECT_EQ(XBarFactor(d3, 4), 0.0f);
  EXPECT_EQ(XBarFactor(d3, 7), 0.076f);
  EXPECT_EQ(XBarFactor(a2, 25), 0.308f);
  EXPECT_EQ(XBarFactor(a2, 1), 0.0f);
  EXPECT_EQ(Raised([&] { XBarFactor(a2, 0); }), Runtime::ErrorNumber::InvalidProcedureCall);
}
