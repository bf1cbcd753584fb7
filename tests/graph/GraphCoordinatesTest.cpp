#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "tests/graph/GraphDrawFixture.h"

using namespace Dravex;
using GraphTest::Drawing;
using Runtime::Variant;

namespace {

using Coordinates = Drawing;

// A chart whose regions are laid out by hand: region "X" from 100 to 500
// across a window of 9 positions from 3 (a step of 40), axis 1 from 0 to 50
// over 300 to 100, axis 2 from -10 to 10 over 250 to 50.
class Mapping : public Drawing {
 protected:
  Mapping() {
    Set("X", 100, 0, 500, 0);
    Set("Y1", 0, 100, 0, 300);
    Set("Y2", 0, 50, 0, 250);
    graph.YAxis(1)->Min(0);
    graph.YAxis(1)->Max(50);
    graph.YAxis(2)->Min(-10);
    graph.YAxis(2)->Max(10);
    graph.XAxis()->Width(9);
    graph.XAxis()->First(3);
  }
  void Set(const char* key, float x1, float y1, float x2, float y2) {
    GraphRegion& r = Region(key);
    r.X1(x1);
    r.Y1(y1);
    r.X2(x2);
    r.Y2(y2);
  }
};

}  // namespace

TEST_F(Mapping, PositionsLieOneStepApartInsideRegionX) {
  EXPECT_FLOAT_EQ(graph.XCoordinate(3), 140);
  EXPECT_FLOAT_EQ(graph.XCoordinate(11), 460);
  EXPECT_FLOAT_EQ(graph.XCoordinate(4.5f), 200);
  EXPECT_FLOAT_EQ(graph.XCoordinate(2), 100);
  EXPECT_FLOAT_EQ(graph.Coordinates().Step(), 40);

  // Back to the nearest position; the ends clamp to the window.
  EXPECT_EQ(graph.XIndex(0), 3);
  EXPECT_EQ(graph.XIndex(100), 3);
  EXPECT_EQ(graph.XIndex(159), 3);
  EXPECT_EQ(graph.XIndex(161), 4);
  EXPECT_EQ(graph.XIndex(460), 11);
  EXPECT_EQ(graph.XIndex(500), 11);
  EXPECT_EQ(graph.XIndex(1000), 11);
  for (int16_t i = 3; i <= 11; ++i) EXPECT_EQ(graph.XIndex(graph.XCoordinate(i)), i);

  // A region of no width has no positions.
  Set("X", 100, 0, 100, 0);
  EXPECT_EQ(graph.XIndex(100), 0);
  // Nor has a window of none, whose positions all fall on the left edge.
  Set("X", 100, 0, 500, 0);
  graph.XAxis()->Width(-1);
  EXPECT_FLOAT_EQ(graph.XCoordinate(7), 100);
}

TEST_F(Mapping, ValuesMapUpwardsOnTheirAxisWithoutClamping) {
  EXPECT_FLOAT_EQ(graph.YCoordinate(0, 1), 300);
  EXPECT_FLOAT_EQ(graph.YCoordinate(50, 1), 100);
  EXPECT_FLOAT_EQ(graph.YCoordinate(25, 1), 200);
  EXPECT_FLOAT_EQ(graph.YCoordinate(75, 1), 0);
  EXPECT_FLOAT_EQ(graph.YCoordinate(-10, 2), 250);
  EXPECT_FLOAT_EQ(graph.YCoordinate(5, 2), 100);
  // Any axis but the second is the first.
  EXPECT_FLOAT_EQ(graph.YCoordinate(25, 3), 200);
  EXPECT_FLOAT_EQ(graph.Coordinates().Y(25, 0), 200);

  // A flat axis puts every value in the middle of its region.
  graph.YAxis(1)->Max(0);
  EXPECT_FLOAT_EQ(graph.YCoordinate(0, 1), 200);
  EXPECT_FLOAT_EQ(graph.YCoordinate(7, 1), 200);
}

TEST_F(Coordinates, MarkersAreOneUnitWideWhateverTheirShape) {
  DrawChart();  // u = 4
  const auto shapes = [this](PointStyleType style) {
    Canvas().ClearRecords();
    graph.DrawPoint(style, 100, 50);
    std::string log;
    for (const auto& record : Canvas().Records()) {
      log += record.Call;
      for (double a : record.Args) log += " " + std::to_string(static_cast<int>(a));
      log += ";";
    }
    return log;
  };
  EXPECT_EQ(shapes(PointStyleType::PointBox), "FilledBox 98 48 102 52;");
  EXPECT_EQ(shapes(PointStyleType::PointCircle), "Circle 100 50 2;");
  EXPECT_EQ(shapes(PointStyleType::PointCross), "Line 100 48 100 52;Line 98 50 102 50;");
  EXPECT_EQ(shapes(PointStyleType::PointX), "Line 98 48 102 52;Line 102 48 98 52;");
  // The apex is up.
  EXPECT_EQ(shapes(PointStyleType::PointTriangle),
            "Line 100 48 102 52;Line 100 48 98 52;Line 98 52 102 52;");
  EXPECT_EQ(shapes(PointStyleType::PointNone), "");
  EXPECT_EQ(shapes(static_cast<PointStyleType>(-1)), "");
  EXPECT_EQ(shapes(static_cast<PointStyleType>(6)), "");
}

TEST(AxisLimits, RoundToTheNextDecadeStepBeyondTheValue) {
  const auto up = [](float v) { return Graph::RoundAxisLimit(v, Rounding::RoundUp); };
  const auto down = [](float v) { return Graph::RoundAxisLimit(v, Rounding::RoundDown); };
  EXPECT_EQ(up(0), 1);
  EXPECT_EQ(down(0), -1);
  EXPECT_EQ(up(3), 10);
  EXPECT_EQ(up(-3), 10);
  EXPECT_EQ(down(7), -10);
  EXPECT_EQ(up(10), 10);
  EXPECT_EQ(up(10.5f), 20);
  EXPECT_EQ(up(99), 100);
  EXPECT_EQ(up(100), 200);
  EXPECT_EQ(up(123), 200);
  EXPECT_EQ(up(4567), 5000);
  EXPECT_EQ(up(-123), -100);
  // Down mirrors up: the next round value below, never above the value.
  EXPECT_EQ(down(123), 100);
  EXPECT_EQ(down(-123), -200);
  EXPECT_EQ(down(4567), 4000);
  EXPECT_EQ(down(-4567), -5000);
  EXPECT_EQ(down(100), 0);
  EXPECT_EQ(down(10.5f), 10);
}

TEST_F(Coordinates, AxesAreScaledFromTheTotalsOfTheirStacks) {
  graph.AddSeries("Bar1", SeriesStyleType::BarGraph);
  graph.AddSeries("Bar2", SeriesStyleType::BarGraph);
  graph.AddSeries("Line", SeriesStyleType::LineGraph);
  graph.Series()->Item("Bar1")->Stacked(true);
  graph.Series()->Item("Bar2")->Stacked(true);
  AddValues("Bar1", {30.0f});
  AddValues("Bar2", {40.0f});
  AddValues("Line", {50.0f});
  graph.YAxis(1)->AutomaticMin(true);
  graph.SetUpAxes();
  // The pile's total, 70, not 50, and not the bars by themselves.
  EXPECT_EQ(graph.YAxis(1)->Max(), 80);
  EXPECT_EQ(graph.YAxis(1)->Min(), 40);

  // Stacked lines pile apart from stacked bars; hidden series count.
  graph.Series()->Item("Line")->Stacked(true);
  graph.Series()->Item("Line")->Visible(false);
  graph.AddValue("Line", -60.0f);
  graph.SetUpAxes();
  EXPECT_EQ(graph.YAxis(1)->Max(), 80);
  EXPECT_EQ(graph.YAxis(1)->Min(), -70);

  // An axis without series keeps extremes of 0; an axis scaled by hand
  // keeps its scale.
  graph.YAxis(2)->AutomaticMin(true);
  graph.YAxis(1)->AutomaticMax(false);
  graph.YAxis(1)->Max(500);
  graph.SetUpAxes();
  EXPECT_EQ(graph.YAxis(2)->Max(), 1);
  EXPECT_EQ(graph.YAxis(2)->Min(), -1);
  EXPECT_EQ(graph.YAxis(1)->Max(), 500);
  EXPECT_EQ(graph.YAxis(1)->Decimals(), "0");
}

// The trend line is fitted to the scale this drawing gives the axis, even on
// a chart never drawn before.
TEST_F(Coordinates, TrendLinesFollowTheAxesOfTheirOwnDrawing) {
  graph.AddSeries("A", SeriesStyleType::LineGraph);
  AddValues("A", {20.0f, 40.0f, 60.0f, 80.0f});
  graph.XAxis()->Width(4);
  graph.Series()->Item("A")->StatsAlarms()->Trend()->Trend(TrendType::TrendLinear);
  DrawChart();
  ASSERT_EQ(graph.Sections()->Count(), 1);
  const auto trend = graph.Sections()->Item(Variant(1));
  EXPECT_EQ(trend->X1(), Variant(1.0f));
  EXPECT_EQ(trend->Y1(), Variant(20.0f));
  EXPECT_EQ(trend->X2(), Variant(4.0f));
  EXPECT_EQ(trend->Y2(), Variant(80.0f));
}
