#include <gtest/gtest.h>

#include "graph/model/GraphXAxis.h"
#include "tests/graph/FakeGraph.h"
#include "tests/support/Raised.h"

using namespace Dravex;
using GraphTest::FakeGraph;
using TestSupport::Raised;

TEST(GraphXAxis, NewAxisShowsTenPositionsFromTheFirst) {
  GraphXAxis axis;
  EXPECT_EQ(axis.Width(), 10);
  EXPECT_EQ(axis.First(), 1);
  EXPECT_EQ(axis.LabelEvery(), 1);
  EXPECT_TRUE(axis.LabelEveryAutomatic());
  EXPECT_EQ(axis.LabelOrientation(), LabelOrientaionType::LabelHorizontal);
  EXPECT_EQ(axis.Title()->Text(), "X Axis");
  EXPECT_EQ(axis.Labels()->Count(), 0);
}

TEST(GraphXAxis, WidthBelowTheDataShowsTheScrollBarAtTheNewestPositions) {
  FakeGraph graph;
  graph.maxWidth = 25;
  graph.xAxis->Width(10);

  EXPECT_EQ(graph.xAxis->Width(), 10);
  EXPECT_EQ(graph.scroll.max, 16);
  EXPECT_TRUE(graph.scroll.visible);
  EXPECT_EQ(graph.scroll.value, 16);
  ASSERT_EQ(graph.scrollBarSizes.size(), 1u);
  EXPECT_EQ(graph.scrollBarSizes[0], SizeEventType::TooFew);
  EXPECT_FALSE(graph.localDrawDuringEvent);
  EXPECT_TRUE(graph.localDraw);
  EXPECT_EQ(graph.resizes, 1);
}

TEST(GraphXAxis, ScrollBarLeftPutsTheThumbAtItsMinimum) {
  FakeGraph graph;
  graph.maxWidth = 25;
  graph.direction = ScrollBarDirectionType::ScrollBarLeft;
  graph.scroll.min = 1;
  graph.scroll.value = 7;
  graph.xAxis->Width(10);
  EXPECT_EQ(graph.scroll.max, 16);
  EXPECT_EQ(graph.scroll.value, 1);
}

TEST(GraphXAxis, HostCanKeepTheThumbWhereItIs) {
  FakeGraph graph;
  graph.maxWidth = 25;
  graph.answer = false;
  graph.scroll.value = 3;
  graph.xAxis->Width(10);
  EXPECT_EQ(graph.scroll.max, 16);
  EXPECT_EQ(graph.scroll.value, 3);
  EXPECT_TRUE(graph.localDraw);
}

TEST(GraphXAxis, WidthCoveringTheDataHidesTheScrollBarQuietly) {
  for (int16_t width : {25, 30}) {
    FakeGraph graph;
    graph.maxWidth = 25;
    graph.scroll.visible = true;
    graph.xAxis->First(6);
    graph.xAxis->Width(width);
    EXPECT_FALSE(graph.scroll.visible);
    EXPECT_EQ(graph.xAxis->First(), 1);
    EXPECT_TRUE(graph.scrollBarSizes.empty());
    EXPECT_EQ(graph.resizes, 0);
  }
}

TEST(GraphXAxis, WidthWithoutAGraphIsStoredThenRaisesObjectNotSet) {
  GraphXAxis axis;
  EXPECT_EQ(Raised([&] { axis.Width(12); }), Runtime::ErrorNumber::ObjectNotSet);
  EXPECT_EQ(axis.Width(), 12);

  // The graph takes its pointer back when it lets go of its tree.
  std::shared_ptr<GraphXAxis> kept;
  {
    FakeGraph graph;
    kept = graph.xAxis;
  }
  EXPECT_EQ(Raised([&] { kept->Width(5); }), Runtime::ErrorNumber::ObjectNotSet);
}

TEST(GraphXAxis, LabelEveryKeepsItsValueForZeroOrLess) {
  GraphXAxis axis;
  axis.LabelEvery(3);
  axis.LabelEvery(0);
  EXPECT_EQ(axis.LabelEvery(), 3);
  axis.LabelEvery(-3);
  EXPECT_EQ(axis.LabelEvery(), 3);
}

TEST(GraphXAxis, PartsDroppedByTheOwnerRaiseObjectNotSet) {
  GraphXAxis axis;
  axis.Labels(nullptr);
  axis.Title(nullptr);
  EXPECT_EQ(Raised([&] { axis.Labels(); }), Runtime::ErrorNumber::ObjectNotSet);
  EXPECT_EQ(Raised([&] { axis.Title(); }), Runtime::ErrorNumber::ObjectNotSet);
}
