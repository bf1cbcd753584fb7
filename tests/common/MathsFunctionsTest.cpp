#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "common/MathsFunctions.h"
#include "common/Moments.h"
#include "runtime/Conversions.h"
#include "runtime/Error.h"
#include "tests/support/Raised.h"

using namespace Common;
using Runtime::Collection;
using Runtime::Variant;
using TestSupport::Raised;

namespace {

// An object item with one property, as the graph's values are.
struct Point : Runtime::Object {
  explicit Point(Variant y) : Y(std::move(y)) {}
  Variant Y;
};

const ValueOf kY = [](const Variant& item) { return item.ObjectAs<Point>()->Y; };

Collection Points(std::initializer_list<Variant> ys) {
  Collection c;
  for (const Variant& y : ys) c.Add(Variant(std::make_shared<Point>(y)));
  return c;
}

Collection Values(std::initializer_list<Variant> vs) {
  Collection c;
  for (const Variant& v : vs) c.Add(v);
  return c;
}

}  // namespace

TEST(MathsFunctions, EmptyCollection) {
  Collection empty;
  EXPECT_EQ(SumOf(empty), Variant(int16_t{0}));
  EXPECT_EQ(CountOf(empty), 0);
  EXPECT_EQ(MeanOf(empty), Variant(int16_t{0}));
  EXPECT_EQ(StdDevOf(empty, StdDevSample), Variant(int16_t{0}));
  EXPECT_EQ(StdDevOf(empty, StdDevPopulation, kY), Variant(int16_t{0}));
}

TEST(MathsFunctions, OneValueHasNoSpread) {
  const Collection one = Points({Variant(7.5)});
  EXPECT_EQ(StdDevOf(one, StdDevSample, kY), Variant(int16_t{0}));
  EXPECT_EQ(StdDevOf(one, StdDevPopulation, kY), Variant(int16_t{0}));
}

TEST(MathsFunctions, PropertyModePassesOverNulls) {
  const Collection c = Points({Variant(1), Variant(Runtime::Null), Variant(3)});
  EXPECT_EQ(SumOf(c, kY), Variant(4));
  EXPECT_EQ(CountOf(c, kY), 2);
  EXPECT_EQ(CountOf(c, kY, false), 3);
  EXPECT_EQ(MeanOf(c, kY), Variant(2.0));
  EXPECT_EQ(SumOfSquares(c, kY), Variant(10));
  EXPECT_DOUBLE_EQ(Runtime::CDbl(StdDevOf(c, StdDevSample, kY)), std::sqrt(2.0));
  EXPECT_DOUBLE_EQ(Runtime::CDbl(StdDevOf(c, StdDevPopulation, kY)), 1.0);
}

TEST(MathsFunctions, ValueModeNullMakesTheSumNull) {
  const Collection c = Values({Variant(1), Variant(Runtime::Null)});
  EXPECT_TRUE(SumOf(c).IsNull());
  EXPECT_EQ(CountOf(c), 1);
  EXPECT_EQ(SumOf(Values({Variant(2), Variant(int16_t{3})})), Variant(5));
}

TEST(MathsFunctions, SumOfProductsNeedsEqualCounts) {
  const Collection a = Values({Variant(1), Variant(2)});
  const Collection b = Values({Variant(3), Variant(4), Variant(5)});
  EXPECT_EQ(SumOfProducts(a, b), Variant(int16_t{0}));
  const Collection c = Values({Variant(3), Variant(Runtime::Null)});
  EXPECT_EQ(SumOfProducts(a, c), Variant(3));
}

TEST(MathsFunctions, FlatSeriesHasZeroDeviationNotAnError) {
  // Equal values whose variance rounding leaves just below zero.
  Collection flat;
  for (int i = 0; i < 7; ++i) flat.Add(Variant(0.1 + 0.2));
  EXPECT_EQ(Runtime::CDbl(StdDevOf(flat, StdDevPopulation)), 0.0);
  EXPECT_EQ(Runtime::CDbl(StdDevOf(flat, StdDevSample)), 0.0);
  Collection big;
  for (int i = 0; i < 10; ++i) big.Add(Variant(123456.789));
  EXPECT_EQ(Runtime::CDbl(StdDevOf(big, StdDevPopulation)), 0.0);
}

TEST(MathsFunctions, NonNumericValuesReachTheCaller) {
  const Collection c = Values({Variant(1), Variant("abc")});
  EXPECT_THROW(SumOf(c), Runtime::Error);
  EXPECT_THROW(StdDevOf(c, StdDevSample), Runtime::Error);
}

TEST(Moments, AMeanAndADeviationShareTheirPassesOverTheItems) {
  int reads = 0;
  const ValueOf counted = [&reads](const Variant& item) {
    ++reads;
    return kY(item);
  };
  const Collection c =
      Points({Variant(1.5f), Variant(Runtime::Null), Variant(int16_t{4}), Variant(0.1)});
  Moments moments(c, counted);
  EXPECT_EQ(moments.Mean(), MeanOf(c, kY));
  EXPECT_EQ(reads, 8);  // the count and the sum
  EXPECT_EQ(moments.StdDev(StdDevSample), StdDevOf(c, StdDevSample, kY));
  EXPECT_EQ(moments.StdDev(StdDevPopulation), StdDevOf(c, StdDevPopulation, kY));
  EXPECT_EQ(moments.Mean(), MeanOf(c, kY));
  EXPECT_EQ(reads, 16);  // and the squares, read twice a value as SumOfSquares does
}

TEST(Moments, ErrorsComeInTheOrderOfThePasses) {
  // The squares widen past an Integer and the sum meets text: the sum is taken first.
  const Collection both = Values({Variant(int16_t{200}), Variant(int16_t{200}), Variant("abc")});
  EXPECT_EQ(Raised([&] { StdDevOf(both, StdDevSample); }), Runtime::ErrorNumber::TypeMismatch);
  const Collection squares = Values({Variant(int16_t{200}), Variant(int16_t{200})});
  EXPECT_EQ(SumOf(Values({Variant(int16_t{20000}), Variant(int16_t{20000})})), Variant(40000));
  EXPECT_EQ(StdDevOf(squares, StdDevSample), Variant(0.0));
  EXPECT_EQ(MeanOf(squares), Variant(200.0));
}
