#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/graph/GraphDrawFixture.h"

using namespace Dravex;
using GraphTest::Drawing;
using Platform::SurfaceRecord;
using Runtime::Variant;

namespace {

// The series drawn by themselves over a laid-out chart, axis 1 from 0 to 100
// over 4 positions (the plot 518 wide, so a bar group is 0.6 * 518 / 4).
class Plotting : public Drawing {
 protected:
  Plotting() {
    graph.YAxis(1)->AutomaticMax(false);
    graph.YAxis(1)->Max(100);
    graph.XAxis()->Width(4);
  }
  // Alarm checking clears the error flags while drawing: flags to plot are
  // set by flag, after the chart is laid out.
  std::vector<SurfaceRecord> Plot(bool skipBars = false, const std::function<void()>& flag = {}) {
    DrawChart();
    group = 0.6f * (Region("Graph").X2() - Region("Graph").X1()) / 4;
    if (flag) flag();
    Canvas().ClearRecords();
    graph.DrawSeries(skipBars);
    return Canvas().Records();
  }
  std::vector<SurfaceRecord> Of(const std::vector<SurfaceRecord>& records, const char* call) {
    std::vector<SurfaceRecord> found;
    for (const auto& record : records) {
      if (record.Call == call) found.push_back(record);
    }
    return found;
  }
  float X(float i) const { return graph.XCoordinate(i); }
  float Y(float v, int16_t axis = 1) const { return graph.YCoordinate(v, axis); }
  void Bars(const char* name, std::initializer_list<Variant> values, bool stacked = false,
            YAxisType axis = YAxisType::YAxis1) {
    graph.AddSeries(name, SeriesStyleType::BarGraph, axis);
    graph.Series()->Item(name)->Stacked(stacked);
    AddValues(name, values);
  }
  // The width of the bars of one position.
  float group = 0;
};

std::vector<double> Box(double x1, double y1, double x2, double y2) {
  return {x1, y1, x2, y2};
}

}  // namespace

TEST_F(Plotting, BarsStandSideBySideCentredOnTheirPosition) {
  Bars("A", {40.0f});
  Bars("B", {60.0f});
  const auto bars = Of(Plot(), "FilledBox");
  ASSERT_EQ(bars.size(), 2u);
  const float left = X(1) - group / 2;
  EXPECT_EQ(bars[0].Args, Box(left, Y(0), left + group / 2, Y(40)));
  EXPECT_EQ(bars[1].Args, Box(left + group / 2, Y(0), left + group, Y(60)));
}

TEST_F(Plotting, StackedBarsMakeOnePilePerAxisAheadOfTheOthers) {
  Bars("Plain", {10.0f});
  Bars("Low", {30.0f}, true);
  Bars("Right", {20.0f}, true, YAxisType::YAxis2);
  Bars("High", {-10.0f}, true);
  const auto bars = Of(Plot(), "FilledBox");
  ASSERT_EQ(bars.size(), 4u);
  const float width = group / 3;
  const float left = X(1) - group / 2;
  // The unstacked bar takes the third place, after the piles of axes 1 and 2.
  EXPECT_EQ(bars[0].Args, Box(left + 2 * width, Y(0), left + 3 * width, Y(10)));
  EXPECT_EQ(bars[1].Args, Box(left, Y(0), left + width, Y(30)));
  EXPECT_EQ(bars[2].Args, Box(left + width, Y(0, 2), left + 2 * width, Y(20, 2)));
  // A negative value runs down from the top of its pile.
  EXPECT_EQ(bars[3].Args, Box(left, Y(30), left + width, Y(20)));
}

TEST_F(Plotting, LinesLeaveGapsAtMissingValuesAndMarkTheirAlarms) {
  graph.AddSeries("L", SeriesStyleType::LineGraph);
  graph.Series()->Item("L")->PointStyle(PointStyleType::PointCircle);
  AddValues("L", {10.0f, Runtime::Null, 30.0f, 40.0f});
  const auto records =
      Plot(false, [&] { graph.Series()->Item("L")->Values()->Item(Variant(4))->ValueMode(2 | 4); });
  const auto circles = Of(records, "Circle");
  ASSERT_EQ(circles.size(), 3u);
  EXPECT_EQ(circles[0].DrawWidth, 2);
  // Only the last point reaches back: its neighbour is there.
  const auto lines = Of(records, "Line");
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].Args, Box(X(4), Y(40), X(3), Y(30)));
  // Warning, then error: outlines one unit round the point, no diagonals.
  const auto boxes = Of(records, "Box");
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].ColourArg, 0x0200FFFF);
  EXPECT_EQ(boxes[1].ColourArg, 0x020000FF);
  EXPECT_EQ(boxes[1].Args, Box(X(4) - 4, Y(40) - 4, X(4) + 4, Y(40) + 4));
  EXPECT_EQ(boxes[1].FillStyle, 1);
  EXPECT_EQ(Canvas().DrawWidth(), 1);
}

TEST_F(Plotting, StackedLinesPileUpAndMeetTheirPreviousPoints) {
  for (const char* name : {"P", "Q"}) {
    graph.AddSeries(name, SeriesStyleType::LineGraph);
    graph.Series()->Item(name)->Stacked(true);
    graph.Series()->Item(name)->PointStyle(PointStyleType::PointNone);
  }
  AddValues("P", {10.0f, 20.0f});
  AddValues("Q", {5.0f, 5.0f});
  const auto lines = Of(Plot(), "Line");
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].Args, Box(X(2), Y(20), X(1), Y(10)));
  EXPECT_EQ(lines[1].Args, Box(X(2), Y(25), X(1), Y(15)));
}

TEST_F(Plotting, BarAlarmsAreCrossedAndSurviveSkippedBodies) {
  Bars("A", {40.0f, 50.0f});
  const auto records = Plot(true, [&] {
    graph.Series()->Item("A")->Values()->Item(Variant(1))->ValueMode(1);
    graph.Series()->Item("A")->Values()->Item(Variant(2))->ValueMode(4);
  });
  EXPECT_TRUE(Of(records, "FilledBox").empty());
  // The selected bar has no marks; the error bar its box and diagonals.
  const auto boxes = Of(records, "Box");
  ASSERT_EQ(boxes.size(), 1u);
  const float left = X(2) - group / 2;
  EXPECT_EQ(boxes[0].Args, Box(left, Y(0), left + group, Y(50)));
  const auto diagonals = Of(records, "Line");
  ASSERT_EQ(diagonals.size(), 2u);
  EXPECT_EQ(diagonals[1].Args, Box(left, Y(50), left + group, Y(0)));
}

TEST_F(Plotting, CaptionsShowValuesRoundedDown) {
  Bars("A", {2.7f, -2.3f});
  graph.Series()->Item("A")->ShowValue(ShowValueType::MultipleFixed);
  graph.Series()->Item("A")->ShowValueDecimals(0);
  graph.Series()->Item("A")->ShowValueWhere(ShowValueWhereType::ValueBottom);
  const auto printed = Of(Plot(), "PrintLine");
  ASSERT_EQ(printed.size(), 2u);
  EXPECT_EQ(printed[0].Text, " 2");
  EXPECT_EQ(printed[1].Text, " -3");
  // Centred on the bar, one unit below the value.
  EXPECT_EQ(printed[0].Args, (std::vector<double>{X(1) - 6, Y(2.7f) + 4}));

  graph.Series()->Item("A")->ShowValueDecimals(1);
  graph.Series()->Item("A")->ShowValueWhere(ShowValueWhereType::ValueTop);
  const auto above = Of(Plot(), "PrintLine");
  EXPECT_EQ(above[0].Text, " 2.7");
  EXPECT_EQ(above[0].Args, (std::vector<double>{X(1) - 12, Y(2.7f) - 4 - 10}));
}

// Stacked lines and stacked bars on one axis pile apart, their captions too.
TEST_F(Plotting, StackedLineCaptionsKeepTheirOwnTotals) {
  Bars("Bar", {30.0f}, true);
  graph.AddSeries("Line", SeriesStyleType::LineGraph);
  graph.Series()->Item("Line")->Stacked(true);
  AddValues("Line", {20.0f});
  for (const char* name : {"Bar", "Line"}) {
    graph.Series()->Item(name)->ShowValue(ShowValueType::MultipleFixed);
    graph.Series()->Item(name)->ShowValueWhere(ShowValueWhereType::ValueBottom);
  }
  const auto records = Plot();
  const auto printed = Of(records, "PrintLine");
  ASSERT_EQ(printed.size(), 2u);
  EXPECT_EQ(printed[1].Text, " 20");
  EXPECT_EQ(printed[1].Args[1], Y(20) + 4);
  // Where the line's marker is.
  const auto markers = Of(records, "Circle");
  ASSERT_EQ(markers.size(), 1u);
  EXPECT_EQ(markers[0].Args[1], Y(20));
}

TEST_F(Plotting, XYSeriesJoinTheirPointsInTheirOwnOrder) {
  graph.AddSeries("XY", SeriesStyleType::XYGraph);
  graph.Series()->Item("XY")->PointStyle(PointStyleType::PointBox);
  // AddValue takes the value, then the X: the X is the vertical value and
  // the value the position.
  graph.AddValue("XY", 2.0f, 50.0f);
  graph.AddValue("XY", 1.5f, 20.0f);
  graph.AddValue("XY", 3.0f, 90.0f);
  const auto values = graph.Series()->Item("XY")->Values();
  values->Item(Variant(3))->Y(Runtime::Null);
  graph.AddValue("XY", 4.0f, 10.0f);
  const auto records = Plot();
  const auto markers = Of(records, "FilledBox");
  ASSERT_EQ(markers.size(), 3u);
  const auto lines = Of(records, "Line");
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].Args, Box(X(1.5f), Y(20), X(2), Y(50)));
  EXPECT_EQ(lines[0].ForeColor, graph.Series()->Item("XY")->Colour());
}
