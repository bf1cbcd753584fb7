#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "common/CollectionFunctions.h"
#include "graph/render/Graph.h"
#include "runtime/Conversions.h"
#include "tests/graph/GraphTestHost.h"
#include "tests/support/Raised.h"

using namespace Dravex;
using GraphTest::TestHost;
using Runtime::Variant;
using TestSupport::Raised;

namespace {

class Ordering : public testing::Test {
 protected:
  // A line series of the values, and labels named A, B, C... with the values
  // a, b, c...
  void Fill(const char* series, std::initializer_list<Variant> values) {
    graph.AddSeries(series, SeriesStyleType::LineGraph);
    for (const Variant& y : values) graph.AddValue(series, y);
    const auto labels = graph.XAxis()->Labels();
    for (int16_t i = 1; i <= labels->Count(); ++i) {
      labels->Item(i)->Label(std::string(1, static_cast<char>('A' + i - 1)));
      labels->Item(i)->Value(std::string(1, static_cast<char>('a' + i - 1)));
    }
  }
  std::vector<Variant> Ys(const char* series) const {
    std::vector<Variant> ys;
    const auto values = graph.Series()->Item(series)->Values();
    for (int16_t i = 1; i <= values->Count(); ++i) ys.push_back(values->Item(i)->Y());
    return ys;
  }
  std::string Labels() const {
    std::string text;
    const auto labels = graph.XAxis()->Labels();
    for (int16_t i = 1; i <= labels->Count(); ++i) {
      text += labels->Item(i)->Label() + Runtime::CStr(labels->Item(i)->Value());
    }
    return text;
  }

  TestHost host;
  Graph& graph = *host.graph;
};

std::vector<Variant> Singles(std::initializer_list<float> values) {
  std::vector<Variant> singles;
  for (float v : values) singles.emplace_back(v);
  return singles;
}

}  // namespace

TEST_F(Ordering, OrderSeriesMovesTheLabelsWithTheValues) {
  Fill("S", {int16_t{3}, int16_t{9}, int16_t{5}});
  graph.Series()->Item("S")->Values()->Item(2)->TempValue(int16_t{7});
  graph.OrderSeries("S", OrderType::Descending);
  EXPECT_EQ(Ys("S"), (std::vector<Variant>{int16_t{9}, int16_t{5}, int16_t{3}}));
  EXPECT_EQ(Labels(), "BbCcAa");
  for (int16_t i = 1; i <= 3; ++i) {
    EXPECT_EQ(graph.Series()->Item("S")->Values()->Item(i)->TempValue(), Variant(int16_t{0}));
  }
  graph.OrderSeries("S", OrderType::Ascending);
  EXPECT_EQ(Labels(), "AaCcBb");
}

TEST_F(Ordering, EqualValuesChangePlaces) {
  Fill("S", {int16_t{5}, int16_t{5}});
  graph.OrderSeries("S", OrderType::Descending);
  EXPECT_EQ(Labels(), "BbAa");
}

TEST_F(Ordering, MaxAmountCutsTheSeriesAndTheLabelsOnly) {
  Fill("S", {int16_t{1}, int16_t{2}, int16_t{3}, int16_t{4}, int16_t{5}});
  graph.AddSeries("Other", SeriesStyleType::BarGraph);
  for (int16_t y = 1; y <= 5; ++y) graph.AddValue("Other", y);

  graph.OrderSeries("S", OrderType::Unordered, 2);
  EXPECT_EQ(graph.CountValue("S"), 5);

  graph.OrderSeries("S", OrderType::Descending, 2);
  EXPECT_EQ(Ys("S"), (std::vector<Variant>{int16_t{5}, int16_t{4}}));
  EXPECT_EQ(Labels(), "EeDd");
  EXPECT_EQ(graph.CountValue("Other"), 5);
}

TEST_F(Ordering, ParetoAddsTheCumulativeShareOnTheRightAxis) {
  Fill("S", {int16_t{20}, int16_t{50}, int16_t{30}});
  graph.Pareto("S");
  EXPECT_EQ(Ys("S"), (std::vector<Variant>{int16_t{50}, int16_t{30}, int16_t{20}}));
  EXPECT_EQ(Ys("Cumulative"), Singles({50, 80, 100}));
  const auto cumulative = graph.Series()->Item("Cumulative");
  EXPECT_EQ(cumulative->WhichAxis(), YAxisType::YAxis2);
  EXPECT_EQ(cumulative->SeriesStyle(), SeriesStyleType::LineGraph);
  EXPECT_TRUE(graph.YAxis(2)->Enabled());
  EXPECT_FALSE(graph.YAxis(2)->AutomaticMax());
  EXPECT_EQ(graph.YAxis(2)->Max(), 100.0f);

  // Again: the same series, cleared and filled anew.
  graph.Pareto("S");
  EXPECT_EQ(graph.Series()->Count(), 2);
  EXPECT_EQ(Ys("Cumulative"), Singles({50, 80, 100}));
}

TEST_F(Ordering, ParetoSharesAreWholePercentsRoundedDown) {
  Fill("S", {int16_t{1}, int16_t{1}, int16_t{1}});
  graph.Pareto("S", "Running");
  EXPECT_EQ(Ys("Running"), Singles({33, 66, 100}));

  // floor(k × 100 / 100) is k for every k, where the rounded quotient k / 100
  // times 100 falls short of k for some.
  graph.AddSeries("Pair", SeriesStyleType::LineGraph);
  graph.AddValue("Pair", 0.0f);
  graph.AddValue("Pair", 0.0f);
  for (int k = 51; k <= 99; ++k) {
    int16_t where = 1;
    graph.AddValue("Pair", static_cast<float>(k), Variant::Nothing(), int16_t{0}, where,
                   AddType::AddOverwrite);
    where = 2;
    graph.AddValue("Pair", static_cast<float>(100 - k), Variant::Nothing(), int16_t{0}, where,
                   AddType::AddOverwrite);
    graph.Pareto("Pair", "Share");
    EXPECT_EQ(Ys("Share"), Singles({static_cast<float>(k), 100})) << k;
  }
}

TEST_F(Ordering, ParetoOfNothingAndOfMissingValues) {
  Fill("Zero", {int16_t{0}, int16_t{0}});
  graph.Pareto("Zero", "Z");
  EXPECT_EQ(Ys("Z"), Singles({0, 0}));

  graph.AddSeries("Gaps", SeriesStyleType::LineGraph);
  for (const Variant& y : {Variant(int16_t{3}), Variant(Runtime::Null), Variant(int16_t{1})}) {
    graph.AddValue("Gaps", y);
  }
  graph.Pareto("Gaps", "G");
  // Null sorts as 0, last; it still gets a point, at the share reached.
  EXPECT_EQ(Ys("G"), Singles({75, 100, 100}));

  graph.AddSeries("XY", SeriesStyleType::XYGraph);
  graph.Pareto("XY", "Never");
  EXPECT_EQ(Runtime::IsTrue(Common::InCollection(*graph.Series()->Col(), "Never")), false);
}

TEST_F(Ordering, PercentDividesByEachPointsBase) {
  graph.AddSeries("S", SeriesStyleType::BarGraph);
  const Variant none(Runtime::Null);
  for (const auto& [y, base] : std::vector<std::pair<Variant, Variant>>{{int16_t{5}, int16_t{20}},
                                                                        {int16_t{5}, int16_t{0}},
                                                                        {none, int16_t{4}},
                                                                        {int16_t{5}, none},
                                                                        {3.0, 0.5f}}) {
    int16_t where = -1;
    graph.AddValue("S", y, Variant::Nothing(), base, where, AddType::AddInsert);
  }
  graph.Percent("S");
  EXPECT_EQ(Ys("S"), (std::vector<Variant>{25.0, none, none, none, 600.0}));
}

TEST_F(Ordering, RemoveZerosTakesTheirLabelsWithThem) {
  Fill("S", {int16_t{0}, int16_t{4}, int16_t{0}, int16_t{0}, int16_t{7}, Variant(Runtime::Null)});
  graph.RemoveZeros("S");
  EXPECT_EQ(Ys("S"), (std::vector<Variant>{int16_t{4}, int16_t{7}, Variant(Runtime::Null)}));
  EXPECT_EQ(Labels(), "BbEeFf");

  graph.AddValue("S", int16_t{0});
  graph.RemoveZeros("S", false);
  EXPECT_EQ(graph.CountValue("S"), 3);
  EXPECT_EQ(graph.XAxis()->Labels()->Count(), 4);
}

TEST_F(Ordering, RemoveExcessXlabelsKeepsOnePerPointOfTheLongestSeries) {
  Fill("Three", {int16_t{1}, int16_t{2}, int16_t{3}});
  Fill("Five", {int16_t{1}, int16_t{2}, int16_t{3}, int16_t{4}, int16_t{5}});
  for (int i = 0; i < 3; ++i) graph.XAxis()->Labels()->Add("more");
  graph.RemoveExcessXlabels();
  EXPECT_EQ(graph.XAxis()->Labels()->Count(), 5);

  graph.Clear();
  graph.AddSeries("XY", SeriesStyleType::XYGraph);
  graph.AddValue("XY", 1.0f, 2.0f);
  EXPECT_EQ(graph.XAxis()->Labels()->Count(), 1);
  graph.RemoveExcessXlabels();
  EXPECT_EQ(graph.XAxis()->Labels()->Count(), 0);
}
