#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <vector>

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

namespace {

using Dravex::MathsFunctions::BestFitLinear;
using Dravex::MathsFunctions::GraphPoint;
using Dravex::MathsFunctions::LineEnds;

Runtime::Collection Numbers(std::initializer_list<double> values) {
  Runtime::Collection items;
  for (double v : values) items.Add(Variant(v));
  return items;
}

LineEnds Fit(std::initializer_list<double> xs, std::initializer_list<double> ys, GraphPoint c1,
             GraphPoint c2) {
  return BestFitLinear(Numbers(xs), Numbers(ys), c1, c2);
}

}  // namespace

TEST(BestFitLinear, ALineIsClippedToTheRectangle) {
  // y = 2x through the visible points 1 to 3 of an axis from 0 to 10.
  LineEnds ends = Fit({1, 2, 3}, {2, 4, 6}, {1, 10}, {3, 0});
  ASSERT_EQ(ends.Found, 2);
  EXPECT_EQ(ends.Ends[0], (GraphPoint{1, 2}));
  EXPECT_EQ(ends.Ends[1], (GraphPoint{3, 6}));

  // Steeper than the box: it leaves through the top and the bottom.
  ends = Fit({1, 2, 3}, {-10, 0, 10}, {1, 5}, {3, -5});
  ASSERT_EQ(ends.Found, 2);
  EXPECT_EQ(ends.Ends[0], (GraphPoint{2.5f, 5}));
  EXPECT_EQ(ends.Ends[1], (GraphPoint{1.5f, -5}));

  // Without X items the X values are 1, 2, 3...
  ends = Fit({}, {2, 4, 6}, {1, 10}, {3, 0});
  EXPECT_EQ(ends.Ends[1], (GraphPoint{3, 6}));
}

TEST(BestFitLinear, TheCornersArePutInOrder) {
  GraphPoint c1{3, 0};
  GraphPoint c2{1, 10};
  const LineEnds ends = BestFitLinear(Numbers({1, 2, 3}), Numbers({2, 4, 6}), c1, c2);
  EXPECT_EQ(c1, (GraphPoint{1, 10}));
  EXPECT_EQ(c2, (GraphPoint{3, 0}));
  EXPECT_EQ(ends.Ends[0], (GraphPoint{1, 2}));
}

TEST(BestFitLinear, FewAndFlatPoints) {
  // No points: the line y = 0; one point: level through it.
  LineEnds ends = Fit({}, {}, {1, 10}, {5, -10});
  ASSERT_EQ(ends.Found, 2);
  EXPECT_EQ(ends.Ends[0], (GraphPoint{1, 0}));
  EXPECT_EQ(ends.Ends[1], (GraphPoint{5, 0}));
  ends = Fit({4}, {7}, {1, 10}, {5, 0});
  EXPECT_EQ(ends.Ends[1], (GraphPoint{5, 7}));

  EXPECT_EQ(Raised([] {
              Fit({2, 2}, {1, 3}, {1, 10}, {5, 0});
            }),
            Runtime::ErrorNumber::DivisionByZero);
}

TEST(BestFitLinear, ALineThatMissesTheRectangleHasNoEnds) {
  const LineEnds ends = Fit({1, 2, 3}, {20, 20, 20}, {1, 10}, {3, 0});
  EXPECT_EQ(ends.Found, 0);
  EXPECT_EQ(ends.Ends[0], (GraphPoint{0, 0}));
  EXPECT_EQ(ends.Ends[1], (GraphPoint{0, 0}));
  // Touching a corner only is one point, no line.
  EXPECT_EQ(Fit({1, 2}, {12, 14}, {1, 12}, {5, 0}).Found, 1);
}

TEST(BestFitLinear, ALineThroughCornersRunsBetweenTwoDistinctPoints) {
  // The diagonal of the box: all four edges qualify, twice each corner.
  LineEnds ends = Fit({1, 2, 3}, {0, 5, 10}, {1, 10}, {3, 0});
  ASSERT_EQ(ends.Found, 2);
  EXPECT_EQ(ends.Ends[0], (GraphPoint{1, 0}));
  EXPECT_EQ(ends.Ends[1], (GraphPoint{3, 10}));

  // Through the top-left corner only: the low X edge and the top edge meet
  // there; the other end is on the bottom edge.
  ends = Fit({1, 3}, {10, 6}, {1, 10}, {9, 0});
  ASSERT_EQ(ends.Found, 2);
  EXPECT_EQ(ends.Ends[0], (GraphPoint{1, 10}));
  EXPECT_EQ(ends.Ends[1], (GraphPoint{6, 0}));

  // The same where the two ways to the corner differ by a rounding: one point.
  ends = Fit({0.1, 0.7}, {0.7, 0.1}, {0.1f, 0.7f}, {2, 0});
  ASSERT_EQ(ends.Found, 2);
  EXPECT_NEAR(ends.Ends[0].X, 0.1f, 1e-6);
  EXPECT_NEAR(ends.Ends[0].Y, 0.7f, 1e-6);
  EXPECT_NEAR(ends.Ends[1].X, 0.8f, 1e-6);
  EXPECT_NEAR(ends.Ends[1].Y, 0.0f, 1e-6);
}

TEST(AddNumbersToCollection, KeepsNumbersAndNullOnly) {
  Runtime::Collection items;
  items.Add(Variant("old"));
  Dravex::MathsFunctions::AddNumbersToCollection(
      items, false,
      {Variant(int16_t{1}), Variant(2.5), Variant("text"), Variant(Runtime::Null), Variant(true),
       Variant(uint8_t{3}), Variant(int32_t{4}), Variant(1.5f), Variant(Runtime::DateTime{2})});
  std::vector<Variant> kept;
  for (const Variant& item : items) kept.push_back(item);
  EXPECT_EQ(kept,
            (std::vector<Variant>{Variant("old"), Variant(int16_t{1}), Variant(2.5),
                                  Variant(Runtime::Null), Variant(int32_t{4}), Variant(1.5f)}));
  Dravex::MathsFunctions::AddNumbersToCollection(items, true, {Variant(7.0)});
  EXPECT_EQ(items.Count(), 1);
}
