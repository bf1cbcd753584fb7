#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "graph/model/TavroGraph.h"
#include "graph/render/Graph.h"
#include "tests/graph/GraphTestHost.h"
#include "tests/support/Raised.h"

using namespace Dravex;
using GraphTest::TestHost;
using Runtime::Variant;
using TestSupport::Raised;
namespace ErrorNumber = Runtime::ErrorNumber;
using Log = std::vector<std::string>;

namespace {

// A chart with the series "A" (a line) showing ten X positions.
class DataEntry : public testing::Test {
 protected:
  DataEntry() { graph.AddSeries("A", SeriesStyleType::LineGraph); }

  void Fill(const char* series, int32_t points) {
    for (int32_t i = 1; i <= points; ++i) graph.AddValue(series, i);
  }
  int16_t Labels() const { return graph.XAxis()->Labels()->Count(); }

  TestHost host;
  Graph& graph = *host.graph;
};

}  // namespace

TEST_F(DataEntry, AddSeriesGivesEachSeriesItsAxisTitleColourAndMarker) {
  int32_t colour = -1;
  graph.AddSeries("B", SeriesStyleType::BarGraph, YAxisType::YAxis2, colour);
  EXPECT_EQ(colour, TavroGraph::DefaultSeriesColour(2));
  const auto b = graph.Series()->Item("b");
  EXPECT_EQ(b->Title()->Text(), "B");
  EXPECT_EQ(b->Title()->Colour(), colour);
  EXPECT_EQ(b->Colour(), colour);
  EXPECT_EQ(b->Name(), "");
  EXPECT_EQ(b->SeriesStyle(), SeriesStyleType::BarGraph);
  EXPECT_EQ(b->WhichAxis(), YAxisType::YAxis2);
  EXPECT_TRUE(graph.YAxis(2)->Enabled());
  EXPECT_EQ(b->Parent(), host.graph);

  colour = 0x00123456;
  graph.AddSeries("C", SeriesStyleType::LineGraph, YAxisType::YAxis1, colour);
  EXPECT_EQ(graph.Series()->Item("C")->Colour(), 0x00123456);

  for (int n = 4; n <= 13; ++n) graph.AddSeries(std::to_string(n), SeriesStyleType::LineGraph);
  for (const char* name : {"C", "8", "13"}) {
    EXPECT_EQ(graph.Series()->Item(name)->PointStyle(), PointStyleType::PointCross) << name;
  }
  EXPECT_EQ(graph.Series()->Item("6")->PointStyle(), PointStyleType::PointBox);
  EXPECT_EQ(graph.Series()->Item("A")->PointStyle(), PointStyleType::PointBox);
}

TEST_F(DataEntry, ADuplicateSeriesIsRefusedAfterItsAxisIsEnabled) {
  EXPECT_EQ(Raised([&] { graph.AddSeries("a", SeriesStyleType::LineGraph, YAxisType::YAxis2); }),
            ErrorNumber::DuplicateKey);
  EXPECT_EQ(graph.Series()->Count(), 1);
  EXPECT_TRUE(graph.YAxis(2)->Enabled());
  EXPECT_EQ(Raised([&] { graph.AddSeries("D", SeriesStyleType::LineGraph, YAxisType(3)); }),
            ErrorNumber::InvalidProcedureCall);
}

TEST_F(DataEntry, TheFirstPointGetsItsLabelFromTheValueCollection) {
  graph.AddValue("A", int32_t{5});
  ASSERT_EQ(Labels(), 1);
  EXPECT_EQ(graph.XAxis()->Labels()->Item(1)->Label(), "1");
  EXPECT_TRUE(graph.XAxis()->Labels()->Item(1)->Value().IsMissing());
  EXPECT_EQ(host.log, Log{"NumLabels TooFew"});
}

TEST_F(DataEntry, AHostRefusingTheFirstAskingGetsLabelsWithTheirPosition) {
  host.labelAnswers = {false, true};
  graph.AddValue(int16_t{1}, int32_t{5});
  EXPECT_EQ(host.log, (Log{"NumLabels TooFew", "NumLabels TooFew"}));
  ASSERT_EQ(Labels(), 1);
  EXPECT_EQ(graph.XAxis()->Labels()->Item(1)->Value(), Variant(int16_t{1}));

  host.log.clear();
  host.labelAnswers = {false, false};
  graph.AddValue("A", int32_t{6});
  EXPECT_EQ(host.log, (Log{"NumLabels TooFew", "NumLabels TooFew"}));
  EXPECT_EQ(Labels(), 1);
}

TEST_F(DataEntry, LabelsFollowTheSeriesThatGrows) {
  for (int i = 1; i <= 10; ++i) graph.XAxis()->Labels()->Add("L" + std::to_string(i));
  Fill("A", 12);
  ASSERT_EQ(Labels(), 12);
  EXPECT_EQ(graph.XAxis()->Labels()->Item(10)->Label(), "L10");
  EXPECT_EQ(graph.XAxis()->Labels()->Item(11)->Label(), "11");
  EXPECT_EQ(graph.XAxis()->Labels()->Item(12)->Label(), "12");
}

TEST_F(DataEntry, PointsArePaddedWithNull) {
  int16_t where = 5;
  graph.AddValue("A", int32_t{9}, Variant::Nothing(), int16_t{0}, where, AddType::AddInsert);
  const auto values = graph.Series()->Item(1)->Values();
  ASSERT_EQ(values->Count(), 5);
  for (int16_t i = 1; i <= 4; ++i) EXPECT_TRUE(values->Item(i)->Y().IsNull()) << i;
  EXPECT_EQ(values->Item(5)->Y(), Variant(int32_t{9}));
  EXPECT_EQ(Labels(), 5);
  EXPECT_EQ(graph.CountValue("A"), 5);
}

TEST_F(DataEntry, IncrementingAPointAsksNothing) {
  Fill("A", 3);
  host.log.clear();
  int16_t where = 2;
  graph.AddValue("A", int32_t{10}, Variant::Nothing(), int32_t{4}, where, AddType::AddIncrement);
  EXPECT_EQ(graph.Series()->Item("A")->Values()->Item(2)->Y(), Variant(int32_t{12}));
  EXPECT_TRUE(host.log.empty());
}

TEST_F(DataEntry, TheEleventhPointAsksForLabelsThenForTheScrollBar) {
  Fill("A", 10);
  EXPECT_FALSE(graph.XScroll().Visible());
  host.log.clear();
  graph.AddValue("A", int32_t{11});
  EXPECT_EQ(host.log, (Log{"NumLabels TooFew", "ScrollBarSize TooFew"}));
  EXPECT_FALSE(host.localDrawDuringScrollBarSize);
  EXPECT_EQ(graph.XScroll().Max(), 2);
  EXPECT_TRUE(graph.XScroll().Visible());
  EXPECT_EQ(graph.XScroll().Value(), 2);
  EXPECT_EQ(graph.XAxis()->First(), 2);
}

TEST_F(DataEntry, TheThumbGoesToTheMinimumForScrollBarLeft) {
  graph.ScrollBarDirection(ScrollBarDirectionType::ScrollBarLeft);
  Fill("A", 14);
  EXPECT_EQ(graph.XScroll().Max(), 5);
  EXPECT_EQ(graph.XScroll().Value(), 1);
  EXPECT_EQ(graph.XAxis()->First(), 1);
}

TEST_F(DataEntry, AHostRefusingTheScrollBarKeepsTheThumbWhileMaxGrows) {
  Fill("A", 10);
  host.log.clear();
  host.scrollBarAnswers = {false};
  graph.AddValue("A", int32_t{11});
  EXPECT_EQ(host.log, (Log{"NumLabels TooFew", "ScrollBarSize TooFew"}));
  EXPECT_EQ(graph.XScroll().Max(), 2);
  EXPECT_EQ(graph.XScroll().Value(), 1);
}

TEST_F(DataEntry, LocalDrawIsOnAgainAfterTheScrollBarGrew) {
  Fill("A", 10);
  graph.LocalDraw(false);
  graph.AddValue("A", int32_t{11});
  EXPECT_TRUE(graph.LocalDraw());
  // AutoUpdate is off: the layout ran, nothing was drawn.
  EXPECT_EQ(host.Drawings(), 0u);
}

TEST_F(DataEntry, MaxWidthCountsLabelsPointsAndXValues) {
  for (int i = 1; i <= 5; ++i) graph.XAxis()->Labels()->Add("x");
  EXPECT_EQ(graph.MaxWidth(), 5);
  graph.AddSeries("XY", SeriesStyleType::XYGraph);
  int16_t where = -1;
  graph.AddValue("XY", int32_t{1}, 7.5, int16_t{0}, where, AddType::AddInsert);
  EXPECT_EQ(graph.MaxWidth(), 8);
  where = -1;
  graph.AddValue("XY", int32_t{1}, int32_t{9}, int16_t{0}, where, AddType::AddInsert);
  EXPECT_EQ(graph.MaxWidth(), 9);
  Fill("A", 12);
  EXPECT_EQ(graph.MaxWidth(), 12);
}

TEST_F(DataEntry, AMissingSeriesIsCountedAsEmptyAndIgnoredOnRemove) {
  Fill("A", 3);
  host.log.clear();
  EXPECT_EQ(graph.CountValue("Nowhere"), 0);
  EXPECT_EQ(graph.CountValue(int16_t{2}), 0);
  graph.RemoveValue("Nowhere");
  EXPECT_TRUE(host.log.empty());
  EXPECT_EQ(graph.CountValue(int16_t{1}), 3);
  EXPECT_EQ(Raised([&] { graph.AddValue("Nowhere", int32_t{1}); }), ErrorNumber::KeyNotFound);
}

TEST_F(DataEntry, RemovingPointsTrimsLabelsAndShrinksTheScrollBar) {
  graph.AddSeries("B", SeriesStyleType::LineGraph);
  Fill("A", 12);
  Fill("B", 11);
  EXPECT_EQ(graph.XScroll().Max(), 3);
  EXPECT_EQ(graph.XScroll().Value(), 3);
  host.log.clear();

  graph.RemoveValue("A");
  EXPECT_EQ(host.log, (Log{"NumLabels TooMany", "ScrollBarSize TooMany"}));
  EXPECT_EQ(Labels(), 11);
  EXPECT_EQ(graph.XScroll().Max(), 2);
  EXPECT_EQ(graph.XScroll().Value(), 2);
  EXPECT_TRUE(graph.XScroll().Visible());
  EXPECT_TRUE(graph.LocalDraw());

  // B is still 11 long: the labels stay.
  host.log.clear();
  graph.RemoveValue("B");
  EXPECT_TRUE(host.log.empty());

  graph.RemoveValue("A");
  EXPECT_EQ(Labels(), 10);
  EXPECT_EQ(graph.XScroll().Max(), 1);
  EXPECT_FALSE(graph.XScroll().Visible());
}

TEST_F(DataEntry, AHostKeepingItsLabelsKeepsTheScrollBarToo) {
  Fill("A", 12);
  host.labelAnswers = {false};
  host.log.clear();
  int16_t where = 0;
  graph.RemoveValue("A", where);
  EXPECT_EQ(where, 12);
  EXPECT_EQ(host.log, Log{"NumLabels TooMany"});
  EXPECT_EQ(Labels(), 12);
  EXPECT_EQ(graph.XScroll().Max(), 3);
}

TEST_F(DataEntry, ClearingAChartKeepsItsSeries) {
  Fill("A", 12);
  graph.Series()->Item("A")->Values()->Clear();
  graph.XAxis()->Labels()->Clear();
  host.log.clear();
  EXPECT_EQ(graph.CountValue("A"), 0);
  EXPECT_EQ(graph.Series()->Count(), 1);
  graph.AddValue("A", int32_t{1});
  EXPECT_EQ(Labels(), 1);
  EXPECT_EQ(host.log, Log{"NumLabels TooFew"});
}

TEST_F(DataEntry, LabelOrientationIsTheXAxisOne) {
  graph.LabelOrientation(LabelOrientaionType::LabelVertical);
  EXPECT_EQ(graph.XAxis()->LabelOrientation(), LabelOrientaionType::LabelVertical);
  EXPECT_EQ(graph.LabelOrientation(), LabelOrientaionType::LabelVertical);
}

namespace {

void ExpectSameData(Graph& expected, Graph& actual) {
  const auto labels = expected.XAxis()->Labels();
  ASSERT_EQ(actual.XAxis()->Labels()->Count(), labels->Count());
  for (int16_t i = 1; i <= labels->Count(); ++i) {
    const auto label = actual.XAxis()->Labels()->Item(i);
    EXPECT_EQ(label->Label(), labels->Item(i)->Label()) << i;
    EXPECT_TRUE(label->Value() == labels->Item(i)->Value()) << i;
  }
  for (const char* name : {"A", "XY"}) {
    const auto values = expected.Series()->Item(name)->Values();
    const auto got = actual.Series()->Item(name)->Values();
    ASSERT_EQ(got->Count(), values->Count()) << name;
    for (int16_t i = 1; i <= values->Count(); ++i) {
      const auto want = values->Item(i);
      const auto point = got->Item(i);
      EXPECT_TRUE(point->Y() == want->Y()) << name << " " << i;
      EXPECT_TRUE(point->TempValue() == want->TempValue()) << name << " " << i;
      EXPECT_TRUE(point->X() == want->X()) << name << " " << i;
      EXPECT_EQ(point->ValueMode(), want->ValueMode()) << name << " " << i;
    }
  }
  EXPECT_EQ(actual.XScroll().Max(), expected.XScroll().Max());
  EXPECT_EQ(actual.XScroll().Value(), expected.XScroll().Value());
  EXPECT_EQ(actual.XScroll().Visible(), expected.XScroll().Visible());
}

}  // namespace

// New points, gaps, the last point, sums that change kind, a series that
// refuses them and a host that keeps its labels short: in one call as one by
// one, events included.
TEST(DataEntryIncrements, InOneCallTheyGiveWhatAddValueGivesOneByOne) {
  const std::vector<Graph::Increment> increments = {
      {3, int32_t{4}, int32_t{100}},  {1, 2.5, int16_t{1}},
      {3, int32_t{1}, 0.25},          {12, int32_t{7}, int32_t{9}},
      {2, Runtime::Null, int32_t{1}}, {12, 1.0e10, int32_t{1}},
      {0, int32_t{5}, int32_t{5}},    {3, int32_t{2147483647}, int32_t{1}},
      {14, int32_t{1}, 1.5},
  };
  for (const bool refuse : {false, true}) {
    TestHost one;
    TestHost all;
    for (TestHost* host : {&one, &all}) {
      host->graph->AddSeries("A", SeriesStyleType::LineGraph);
      host->graph->AddSeries("XY", SeriesStyleType::XYGraph);
      if (refuse) host->labelAnswers = std::deque<bool>(64, false);
    }
    for (const char* series : {"A", "XY"}) {
      for (const Graph::Increment& increment : increments) {
        int16_t where = increment.Position;
        one.graph->AddValue(series, increment.Y, Variant::Nothing(), increment.TempValue, where,
                            AddType::AddIncrement);
      }
      all.graph->AddIncrements(series, increments);
    }
    EXPECT_EQ(all.log, one.log) << refuse;
    ExpectSameData(*one.graph, *all.graph);
  }
  TestHost host;
  EXPECT_EQ(Raised([&] { host.graph->AddIncrements("Nowhere", increments); }),
            ErrorNumber::KeyNotFound);
}
