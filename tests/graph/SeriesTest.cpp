#include <gtest/gtest.h>

#include <memory>

#include "graph/model/GraphSeries.h"
#include "graph/model/GraphSeriesCol.h"
#include "tests/graph/FakeGraph.h"
#include "tests/support/Raised.h"

using namespace Dravex;
using GraphTest::FakeGraph;
using Runtime::Variant;
using TestSupport::Raised;
namespace ErrorNumber = Runtime::ErrorNumber;

namespace {

// A series of a fake graph whose X axis shows ten positions.
class SeriesTest : public testing::Test {
 protected:
  SeriesTest() : graph(std::make_shared<FakeGraph>()), series(GraphSeries::New()) {
    series->Parent(graph);
  }

  void Add(const Variant& y, int16_t where = -1, AddType how = AddType::AddInsert,
           const Variant& temp = Variant(int16_t{0})) {
    series->AddValue(y, Variant::Nothing(), temp, where, how);
  }
  Variant Y(int16_t position) const { return series->Values()->Item(position)->Y(); }

  std::shared_ptr<FakeGraph> graph;
  std::shared_ptr<GraphSeries> series;
};

}  // namespace

TEST(GraphSeries, NewSeriesHasItsDefaultsAndOwnsItsPoints) {
  const auto series = GraphSeries::New();
  EXPECT_EQ(series->ShowValueDecimals(), 1);
  EXPECT_TRUE(series->Visible());
  EXPECT_EQ(series->ShowValue(), ShowValueType::DontShow);
  EXPECT_EQ(series->SeriesStyle(), SeriesStyleType::LineGraph);
  EXPECT_EQ(series->PointStyle(), PointStyleType::PointCross);
  EXPECT_EQ(static_cast<int32_t>(series->WhichAxis()), 0);
  EXPECT_EQ(series->Values()->Parent(), series);
  EXPECT_EQ(series->ValueFormat()->DigitsAfterDecimal(), -1);
  EXPECT_EQ(series->ControlLimits()->Count(), 0);
  EXPECT_EQ(Raised([&] { series->Title(); }), ErrorNumber::ObjectNotSet);
  EXPECT_EQ(Raised([&] { series->Parent(); }), ErrorNumber::ObjectNotSet);

  EXPECT_EQ(Raised([&] { series->ValueFormat(Variant(int16_t{3})); }), ErrorNumber::TypeMismatch);
  EXPECT_EQ(Raised([&] { series->ValueFormat(Variant(std::make_shared<GraphText>())); }),
            ErrorNumber::TypeMismatch);
  const auto format = std::make_shared<GraphValueFormat>();
  series->ValueFormat(Variant(format));
  EXPECT_EQ(series->ValueFormat(), format);
}

TEST_F(SeriesTest, OnlyTheFirstPointComesSelected) {
  Add(int32_t{4});
  Add(int32_t{5});
  EXPECT_EQ(series->Values()->Item(1)->ValueMode(), 1);
  EXPECT_EQ(series->Values()->Item(2)->ValueMode(), 0);
  EXPECT_EQ(series->Values()->Item(2)->X(), Variant(int16_t{0}));
}

TEST_F(SeriesTest, APositionBeyondTheEndIsReachedThroughNullPoints) {
  Add(int32_t{1});
  Add(int32_t{2});
  int16_t where = 5;
  series->AddValue(int32_t{7}, Variant::Nothing(), int32_t{3}, where, AddType::AddInsert);
  ASSERT_EQ(series->Values()->Count(), 5);
  EXPECT_TRUE(Y(3).IsNull());
  EXPECT_TRUE(Y(4).IsNull());
  EXPECT_EQ(series->Values()->Item(4)->TempValue(), Variant(int16_t{0}));
  EXPECT_EQ(Y(5), Variant(int32_t{7}));
  EXPECT_EQ(series->Values()->Item(5)->TempValue(), Variant(int32_t{3}));
  // Each padding point went through the labels like any other.
  EXPECT_EQ(graph->xAxis->Labels()->Count(), 5);
}

TEST_F(SeriesTest, InsertAlwaysAppends) {
  for (int32_t i = 1; i <= 5; ++i) Add(i);
  Add(int32_t{99}, 2, AddType::AddInsert);
  EXPECT_EQ(series->Values()->Count(), 6);
  EXPECT_EQ(Y(2), Variant(int32_t{2}));
  EXPECT_EQ(Y(6), Variant(int32_t{99}));
}

TEST_F(SeriesTest, OverwriteWithoutPositionChangesTheLastPointAndReportsIt) {
  Add(int32_t{1});
  Add(int32_t{2});
  series->Values()->Item(2)->ValueMode(4);
  int16_t where = 0;
  series->AddValue(int32_t{8}, Variant::Nothing(), int32_t{9}, where, AddType::AddOverwrite);
  EXPECT_EQ(where, 2);
  EXPECT_EQ(series->Values()->Count(), 2);
  EXPECT_EQ(Y(2), Variant(int32_t{8}));
  EXPECT_EQ(series->Values()->Item(2)->TempValue(), Variant(int32_t{9}));
  EXPECT_EQ(series->Values()->Item(2)->ValueMode(), 4);
}

TEST_F(SeriesTest, IncrementCountsNullAsZeroButANullIncrementGivesNull) {
  Add(Runtime::Null);
  Add(int32_t{5}, 1, AddType::AddIncrement, Variant(int32_t{10}));
  EXPECT_EQ(Y(1), Variant(int32_t{5}));
  EXPECT_EQ(series->Values()->Item(1)->TempValue(), Variant(int32_t{10}));
  Add(int32_t{2}, 1, AddType::AddIncrement, Variant(int32_t{10}));
  EXPECT_EQ(Y(1), Variant(int32_t{7}));
  EXPECT_EQ(series->Values()->Item(1)->TempValue(), Variant(int32_t{20}));
  Add(Runtime::Null, 1, AddType::AddIncrement);
  EXPECT_TRUE(Y(1).IsNull());
}

TEST_F(SeriesTest, ChangingAPointOfAnEmptySeriesRaisesTheCollectionsError) {
  int16_t where = 0;
  EXPECT_EQ(Raised([&] {
              series->AddValue(int32_t{1}, Variant::Nothing(), int16_t{0}, where,
                               AddType::AddOverwrite);
            }),
            ErrorNumber::InvalidProcedureCall);
}

TEST_F(SeriesTest, AnXYPointNeedsBothValues) {
  series->SeriesStyle(SeriesStyleType::XYGraph);
  int16_t where = 3;
  series->AddValue(int32_t{1}, Variant::Nothing(), int16_t{0}, where, AddType::AddInsert);
  ASSERT_EQ(series->Values()->Count(), 2);  // the padding stays
  where = 3;
  series->AddValue(int32_t{1}, 2.5, int16_t{0}, where, AddType::AddInsert);
  EXPECT_EQ(series->Values()->Item(3)->X(), Variant(2.5));
  where = 3;
  series->AddValue(int32_t{1}, 1.0, int16_t{0}, where, AddType::AddIncrement);
  EXPECT_EQ(series->Values()->Item(3)->X(), Variant(3.5));
  EXPECT_EQ(Y(3), Variant(int32_t{2}));
}

TEST_F(SeriesTest, RemoveValueOutOfRangeTakesTheLastPoint) {
  int16_t where = 0;
  series->RemoveValue(where);  // empty: nothing happens
  EXPECT_EQ(where, 0);
  for (int32_t i = 1; i <= 4; ++i) Add(i);
  series->RemoveValue(where);
  EXPECT_EQ(where, 4);
  where = 9;
  series->RemoveValue(where);
  EXPECT_EQ(where, 3);
  where = 1;
  series->RemoveValue(where);
  ASSERT_EQ(series->Values()->Count(), 1);
  EXPECT_EQ(Y(1), Variant(int32_t{2}));
  // Labels are the graph's business.
  EXPECT_EQ(graph->xAxis->Labels()->Count(), 4);
}

TEST_F(SeriesTest, APointWithoutALabelAsksTheHostForOne) {
  for (const char* text : {"a", "b", "c"}) graph->xAxis->Labels()->Add(text);
  for (int32_t i = 1; i <= 3; ++i) Add(i);
  EXPECT_TRUE(graph->numLabels.empty());
  Add(int32_t{4});
  ASSERT_EQ(graph->numLabels.size(), 1u);
  EXPECT_EQ(graph->numLabels[0], SizeEventType::TooFew);
  ASSERT_EQ(graph->xAxis->Labels()->Count(), 4);
  EXPECT_EQ(graph->xAxis->Labels()->Item(4)->Label(), "4");
  EXPECT_TRUE(graph->xAxis->Labels()->Item(4)->Value().IsMissing());

  graph->answer = false;
  Add(int32_t{5});
  EXPECT_EQ(graph->numLabels.size(), 2u);
  EXPECT_EQ(graph->xAxis->Labels()->Count(), 4);
}

TEST_F(SeriesTest, ThePointBeyondTheWindowGrowsTheScrollBar) {
  for (int32_t i = 1; i <= 10; ++i) Add(i);
  EXPECT_TRUE(graph->scrollBarSizes.empty());
  EXPECT_FALSE(graph->scroll.visible);
  Add(int32_t{11});
  ASSERT_EQ(graph->scrollBarSizes.size(), 1u);
  EXPECT_EQ(graph->scrollBarSizes[0], SizeEventType::TooFew);
  EXPECT_FALSE(graph->localDrawDuringEvent);
  EXPECT_TRUE(graph->localDraw);
  EXPECT_EQ(graph->scroll.max, 2);
  EXPECT_TRUE(graph->scroll.visible);
  EXPECT_EQ(graph->scroll.value, 2);
  EXPECT_EQ(graph->resizes, 1);
}

TEST_F(SeriesTest, TheThumbFollowsTheScrollDirectionUnlessTheHostKeepsIt) {
  graph->direction = ScrollBarDirectionType::ScrollBarLeft;
  for (int32_t i = 1; i <= 12; ++i) Add(i);
  EXPECT_EQ(graph->scroll.max, 3);
  EXPECT_EQ(graph->scroll.value, graph->scroll.min);

  graph->direction = ScrollBarDirectionType::ScrollBarRight;
  graph->answer = false;
  Add(int32_t{13});
  EXPECT_EQ(graph->scroll.max, 4);
  EXPECT_EQ(graph->scroll.value, 1);
}

TEST_F(SeriesTest, ClearRaisesNothingAndLeavesLabelsAndScrollBar) {
  for (int32_t i = 1; i <= 12; ++i) Add(i);
  const size_t events = graph->numLabels.size() + graph->scrollBarSizes.size();
  series->Values()->Clear();
  EXPECT_EQ(series->Values()->Count(), 0);
  EXPECT_EQ(graph->numLabels.size() + graph->scrollBarSizes.size(), events);
  EXPECT_EQ(graph->xAxis->Labels()->Count(), 12);
  EXPECT_EQ(graph->scroll.max, 3);
  Add(int32_t{1});
  EXPECT_EQ(series->Values()->Item(1)->ValueMode(), 1);
}

TEST(GraphValueCol, APointOutsideAGraphIsKeptButTheLinkIsMissing) {
  GraphValueCol loose;
  EXPECT_EQ(Raised([&] { loose.Add(int32_t{1}); }), ErrorNumber::ObjectNotSet);
  EXPECT_EQ(loose.Count(), 1);

  const auto series = GraphSeries::New();
  EXPECT_EQ(Raised([&] { series->Values()->Add(int32_t{1}); }), ErrorNumber::ObjectNotSet);
  EXPECT_EQ(series->Values()->Count(), 1);
}

TEST(GraphValueCol, PointsGoBeforeOrAfterAPosition) {
  const auto graph = std::make_shared<FakeGraph>();
  const auto series = GraphSeries::New();
  series->Parent(graph);
  const auto values = series->Values();
  values->Add(int32_t{1});
  values->Add(int32_t{3});
  values->Add(int32_t{2}, int16_t{0}, int16_t{0}, int16_t{2});
  values->Add(int32_t{4}, int16_t{0}, int16_t{0}, Variant::Missing(), int16_t{3});
  for (int16_t i = 1; i <= 4; ++i) EXPECT_EQ(values->Item(i)->Y(), Variant(int32_t{i}));
}

TEST(GraphSeriesCol, AddedSeriesJoinTheGraph) {
  const auto graph = std::make_shared<FakeGraph>();
  GraphSeriesCol col;
  col.Parent(graph);
  const auto first = GraphSeries::New();
  col.Add(first, "Wastage");
  EXPECT_EQ(first->Parent(), graph);
  EXPECT_EQ(col.Item("WASTAGE"), first);

  const auto second = GraphSeries::New();
  EXPECT_EQ(Raised([&] { col.Add(second, "wastage"); }), ErrorNumber::DuplicateKey);
  EXPECT_EQ(col.Count(), 1);
  EXPECT_EQ(Raised([&] { second->Parent(); }), ErrorNumber::ObjectNotSet);
  col.Add(second);
  EXPECT_EQ(col.Item(2), second);
}
