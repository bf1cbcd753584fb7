#include <gtest/gtest.h>

#include "graph/model/GraphControlLimitCol.h"
#include "graph/model/GraphRegionCol.h"
#include "graph/model/GraphXAxisLabelCol.h"
#include "tests/support/Raised.h"

using namespace Dravex;
using Runtime::Variant;
using TestSupport::Raised;
namespace ErrorNumber = Runtime::ErrorNumber;

TEST(GraphRegionCol, RegionsAreFoundByKeyOrPosition) {
  GraphRegionCol regions;
  for (const char* key : {"Main", "Graph", "Y1", "Y2", "Legend", "X", "Window"}) {
    regions.Add(std::make_shared<GraphRegion>(), key);
  }
  regions.Item("window")->X2(640);
  EXPECT_EQ(regions.Item(7)->X2(), 640);
  EXPECT_EQ(regions.Item("Graph")->X1(), 0);
  EXPECT_EQ(Raised([&] { regions.Item("Nowhere"); }), ErrorNumber::KeyNotFound);
  EXPECT_EQ(Raised([&] { regions.Item(8); }), ErrorNumber::InvalidProcedureCall);
  EXPECT_EQ(Raised([&] { regions.Add(std::make_shared<GraphRegion>(), "MAIN"); }),
            ErrorNumber::DuplicateKey);
  regions.Remove("Legend");
  EXPECT_EQ(regions.Count(), 6);
  EXPECT_EQ(regions.Item(5), regions.Item("X"));
}

TEST(GraphRegionCol, CountBeyondSixteenBitsOverflows) {
  GraphRegionCol regions;
  const auto region = std::make_shared<GraphRegion>();
  for (int i = 0; i < 32767; ++i) regions.Add(region);
  EXPECT_EQ(regions.Count(), 32767);
  regions.Add(region);
  EXPECT_EQ(Raised([&] { regions.Count(); }), ErrorNumber::Overflow);
}

TEST(GraphControlLimitCol, KeyedLimitsForTheHost) {
  GraphControlLimitCol limits;
  auto upper = std::make_shared<GraphControlLimit>();
  upper->Value(9.5f);
  limits.Add(upper, "Upper");
  limits.Add(std::make_shared<GraphControlLimit>());
  EXPECT_EQ(limits.Item("UPPER"), upper);
  EXPECT_EQ(Raised([&] { limits.Add(std::make_shared<GraphControlLimit>(), "upper"); }),
            ErrorNumber::DuplicateKey);
  limits.Remove(1);
  EXPECT_EQ(limits.Count(), 1);
  EXPECT_EQ(Raised([&] { limits.Item("Upper"); }), ErrorNumber::KeyNotFound);
}

TEST(GraphXAxisLabelCol, ALabelAddedWithoutValueKeepsTheMissingMarker) {
  GraphXAxisLabelCol labels;
  labels.Add("1");
  labels.Add("Line 2", Variant(int16_t{2}), "L2");
  labels.Add("3", Variant(Runtime::Null));
  EXPECT_TRUE(labels.Item(1)->Value().IsMissing());
  EXPECT_EQ(labels.Item("l2")->Value(), Variant(int16_t{2}));
  EXPECT_TRUE(labels.Item(3)->Value().IsNull());
  EXPECT_TRUE(GraphXAxisLabel().Value().IsNull());

  EXPECT_EQ(Raised([&] { labels.Add("again", Variant(), "L2"); }), ErrorNumber::DuplicateKey);
  EXPECT_EQ(labels.Count(), 3);
  EXPECT_EQ(labels.Col()->Count(), 3);

  labels.Clear();
  EXPECT_EQ(labels.Count(), 0);
  labels.Add("again", Variant(), "L2");
  EXPECT_EQ(labels.Item(1)->Label(), "again");
}
