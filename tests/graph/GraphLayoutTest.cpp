#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

#include "graph/render/RotatedText.h"
#include "platform/gui/RecordingSurface.h"
#include "tests/graph/GraphDrawFixture.h"

using namespace Dravex;
using GraphTest::Drawing;
using Runtime::Variant;

namespace {

using Layout = Drawing;

void ExpectRegion(const GraphRegion& region, float x1, float y1, float x2, float y2) {
  EXPECT_FLOAT_EQ(region.X1(), x1);
  EXPECT_FLOAT_EQ(region.Y1(), y1);
  EXPECT_FLOAT_EQ(region.X2(), x2);
  EXPECT_FLOAT_EQ(region.Y2(), y2);
}

}  // namespace

// One bar series with two points, everything else as a new control has it:
// every call of the drawing in its order. Layout: u 4; the bottom band loses
// the foot note, the X title and one line of labels (396 to 366); the first
// Y band holds the title's height and "10" (4 to 30); the plot area runs from
// 34 to 552 and from 22 to 362; position i lies at 34 + i * 518 / 11.
TEST_F(Layout, AReferenceChartDrawsEveryCallInItsOrder) {
  graph.AddSeries("A", SeriesStyleType::BarGraph);
  AddValues("A", {3.0f, 5.0f});
  DrawChart(true);
  const char* expected =
      "Cls()\n"
      "FilledBox(34 18 552 362) colour=&H2F0F0F0 fore=&H2000000 drawStyle=0 drawWidth=1\n"
      "FilledBox(132.182 22 500.909 362) colour=&H2F0F0F0 fore=&H2000000 drawStyle=5 drawWidth=1\n"
      "Box(132.182 22 500.909 362) colour=&H2F0F0F0 fore=&H2000000 drawStyle=5 drawWidth=1 "
      "fill=&H000000 fillStyle=1\n"
      "FilledBox(65.5509 362 96.6309 260) fore=&HFF0000 drawStyle=0 drawWidth=1\n"
      "FilledBox(112.642 362 143.722 192) fore=&HFF0000 drawStyle=0 drawWidth=1\n"
      "FilledBox(-1 -1 601 19) colour=&H2E0E0E0 fore=&HFF0000 drawStyle=5 drawWidth=1\n"
      "FilledBox(-1 361 601 401) colour=&H2E0E0E0 fore=&HFF0000 drawStyle=5 drawWidth=1\n"
      "FilledBox(-1 17 35 363) colour=&H2E0E0E0 fore=&HFF0000 drawStyle=5 drawWidth=1\n"
      "FilledBox(551 17 601 363) colour=&H2E0E0E0 fore=&HFF0000 drawStyle=5 drawWidth=1\n"
      "FilledBox(34 4 552 18) colour=&H20000FF fore=&HFF0000 drawStyle=0 drawWidth=1\n"
      "Print(34 6) \" Line\" fore=&H28080FF font=Arial Black,12\n"
      "PrintLine(64 6) \"Main Title\" fore=&H2800000 font=Arial Black,12\n"
      "PrintLine(492 6) \"Sub Title\" fore=&H2FFFFFF font=Arial,8\n"
      "Line(560 22 596 22) colour=&H20000FF fore=&H2FFFFFF drawStyle=0 drawWidth=1\n"
      "PrintLine(560 12) \"Legend\" fore=&H2000000 font=Arial,8\n"
      "FilledBox(562 28.5 566 33.5) fore=&HFF0000 drawStyle=0 drawWidth=1\n"
      "PrintLine(570 26) \"A\" fore=&H2000000 font=Arial,8\n"
      "Line(34 22 34 362) fore=&H2000000 drawStyle=0 drawWidth=1\n"
      "Line(31 362 34 362) fore=&H2000000 drawStyle=0 drawWidth=1\n"
      "Line(32 328 34 328) fore=&H2000000 drawStyle=0 drawWidth=1\n"
      "PrintLine(24 357) \"0\" fore=&H2000000 font=Arial,8\n"
      "Line(31 294 34 294) fore=&H2000000 drawStyle=0 drawWidth=1\n"
      "Line(32 260 34 260) fore=&H2000000 drawStyle=0 drawWidth=1\n"
      "PrintLine(24 289) \"2\" fore=&H2000000 font=Arial,8\n"
      "Line(31 226 34 226) fore=&H2000000 drawStyle=0 drawWidth=1\n"
      "Line(32 192 34 192) fore=&H2000000 drawStyle=0 drawWidth=1\n"
      "PrintLine(24 221) \"4\" fore=&H2000000 font=Arial,8\n"
      "Line(31 158 34 158) fore=&H2000000 drawStyle=0 drawWidth=1\n"
      "Line(32 124 34 124) fore=&H2000000 drawStyle=0 drawWidth=1\n"
      "PrintLine(24 153) \"6\" fore=&H2000000 font=Arial,8\n"
      "Line(31 90 34 90) fore=&H2000000 drawStyle=0 drawWidth=1\n"
      "Line(32 56 34 56) fore=&H2000000 drawStyle=0 drawWidth=1\n"
      "PrintLine(24 85) \"8\" fore=&H2000000 font=Arial,8\n"
      "Line(31 22 34 22) fore=&H2000000 drawStyle=0 drawWidth=1\n"
      "PrintLine(18 17) \"10\" fore=&H2000000 font=Arial,8\n"
      "RotatedText(900 4 213) \"Y1 Axis\" fore=&H2000000 font=Arial,8\n"
      "Line(34 362 552 362) fore=&H2000000 drawStyle=0 drawWidth=1\n"
      "FilledBox(4 386 596 396) colour=&H2F0F0F0 fore=&H2000000 drawStyle=0 drawWidth=1\n"
      "PrintLine(273 386) \"Foot Note\" fore=&H2000000 font=Arial,8\n"
      "PrintLine(275 376) \"X Axis\" fore=&H2000000 font=Arial,8\n"
      "Line(81.0909 366 81.0909 362) fore=&H2000000 drawStyle=0 drawWidth=1\n"
      "PrintLine(78.0909 366) \"1\" fore=&H2000000 font=Arial,8\n"
      "Line(128.182 366 128.182 362) fore=&H2000000 drawStyle=0 drawWidth=1\n"
      "PrintLine(125.182 366) \"2\" fore=&H2000000 font=Arial,8\n"
      "Line(175.273 366 175.273 362) fore=&H2000000 drawStyle=0 drawWidth=1\n"
      "Line(222.364 366 222.364 362) fore=&H2000000 drawStyle=0 drawWidth=1\n"
      "Line(269.455 366 269.455 362) fore=&H2000000 drawStyle=0 drawWidth=1\n"
      "Line(316.545 366 316.545 362) fore=&H2000000 drawStyle=0 drawWidth=1\n"
      "Line(363.636 366 363.636 362) fore=&H2000000 drawStyle=0 drawWidth=1\n"
      "Line(410.727 366 410.727 362) fore=&H2000000 drawStyle=0 drawWidth=1\n"
      "Line(457.818 366 457.818 362) fore=&H2000000 drawStyle=0 drawWidth=1\n"
      "Line(504.909 366 504.909 362) fore=&H2000000 drawStyle=0 drawWidth=1\n"
      "PaintPicture(560 336.519 36 25.4805 0 0 308 218 1.33694e+07)\n"
      "SetPicture(0 0)\n";
  EXPECT_EQ(Canvas().Log(), expected);

  ExpectRegion(Region("Window"), 0, 0, 600, 400);
  ExpectRegion(Region("Main"), 34, 4, 552, 18);
  ExpectRegion(Region("Graph"), 34, 22, 552, 362);
  ExpectRegion(Region("X"), 34, 366, 552, 396);
  ExpectRegion(Region("Y1"), 4, 22, 30, 362);
  ExpectRegion(Region("Y2"), 556, 22, 556, 362);
  ExpectRegion(Region("Legend"), 560, 22, 596, 362);
  EXPECT_EQ(graph.SpacingUnit(), 4);
}

TEST_F(Layout, WithoutTheTitleBarTheLegendCaptionTakesItsRoom) {
  const auto& records = DrawChart();
  // No title bar: it has no height, and the plot starts two units down.
  // An empty axis runs to 1.0: the first band is 4 + 10 + 18 + 4 wide.
  ExpectRegion(Region("Main"), 40, 4, 552, 4);
  EXPECT_FLOAT_EQ(Region("Graph").Y1(), 8);
  ExpectRegion(Region("Legend"), 560, 18, 596, 372);
  for (const auto& record : records) {
    if (record.Call == "FilledBox") {
      EXPECT_NE(record.ColourArg, 0x020000FF) << record.ToString();
    }
  }
  // No labels: the bottom band holds the foot note and the X title only. The
  // second axis is off: its band has no width, one unit left of the legend.
  ExpectRegion(Region("X"), 40, 376, 552, 396);
  ExpectRegion(Region("Y2"), 556, 8, 556, 372);
  EXPECT_FLOAT_EQ(Region("Graph").X2(), 552);
}

TEST_F(Layout, WithBothAxesTheLegendNamesEachSeriesAxis) {
  graph.AddSeries("Scrap", SeriesStyleType::LineGraph, YAxisType::YAxis1);
  graph.AddSeries("Yield", SeriesStyleType::BarGraph, YAxisType::YAxis2);
  AddValues("Scrap", {12.0f});
  AddValues("Yield", {40.0f});
  DrawChart();
  ASSERT_NE(Printed("Scrap(Y1)"), nullptr);
  ASSERT_NE(Printed("Yield(Y2)"), nullptr);
  // Widest entry 9 characters and 2.5 units of sample; the second band holds
  // its title's height, "50" and a unit, mirrored about the legend's edge.
  ExpectRegion(Region("Legend"), 532, 18, 596, 362);
  EXPECT_FLOAT_EQ(Region("Y2").X1(), 528);
  EXPECT_FLOAT_EQ(Region("Y2").X2(), 502);
  EXPECT_FLOAT_EQ(Region("Graph").X2(), 498);
  EXPECT_EQ(graph.YAxis(2)->Max(), 50);

  // With the second axis off, no entry names an axis, a series drawn
  // against it included.
  graph.YAxis(2)->Enabled(false);
  DrawChart();
  EXPECT_NE(Printed("Yield"), nullptr);
  EXPECT_EQ(Printed("Yield(Y2)"), nullptr);
}

TEST_F(Layout, AWideFirstLabelPushesTheFirstAxisRight) {
  graph.AddSeries("A", SeriesStyleType::LineGraph);
  AddValues("A", {3.0f, 5.0f});
  graph.XAxis()->Labels()->Item(Variant(1))->Label(std::string(40, 'x'));
  DrawChart();
  // The first position lies near 526 / 10 + 4 = 56.6; half the label is 120.
  EXPECT_NEAR(Region("Y1").X1(), 4 + 120 - 56.6, 1e-3);
  EXPECT_NEAR(Region("Y1").X2(), 30 + 120 - 56.6, 1e-3);
  EXPECT_NEAR(Region("Graph").X1(), 34 + 120 - 56.6, 1e-3);

  // Turned labels need their depth below the plot; upright ones no room to
  // the left.
  graph.LabelOrientation(LabelOrientaionType::LabelDiagonal);
  DrawChart();
  EXPECT_NEAR(Region("X").Y1(), 376 - 250 / std::sqrt(2.0), 1e-3);
  EXPECT_NEAR(Region("Y1").X1(), 4 + 240 / std::sqrt(2.0) - 56.6, 1e-3);
  graph.LabelOrientation(LabelOrientaionType::LabelVertical);
  DrawChart();
  EXPECT_FLOAT_EQ(Region("X").Y1(), 376 - 240);
  EXPECT_FLOAT_EQ(Region("Y1").X1(), 4);
}

TEST_F(Layout, WithLocalDrawOffNothingIsDrawnOnAnySurface) {
  graph.AddSeries("A", SeriesStyleType::BarGraph);
  AddValues("A", {3.0f});
  graph.Regions()->Item("Graph")->X1(-7);
  graph.LocalDraw(false);
  const auto printer =
      std::make_shared<Platform::RecordingSurface>(2000, 3000, Platform::SurfaceKind::Printer);
  const auto picture = std::make_shared<Platform::RecordingSurface>(300, 200);
  for (const auto& surface : {std::shared_ptr<Platform::RecordingSurface>(), printer, picture}) {
    graph.Frame(surface);
    graph.Draw(true);
  }
  EXPECT_TRUE(Canvas().Records().empty());
  EXPECT_TRUE(printer->Records().empty());
  EXPECT_TRUE(picture->Records().empty());
  EXPECT_EQ(Region("Graph").X1(), -7);
}

TEST_F(Layout, APrinterIsNotClearedAndGetsItsTurnedTitlesDirectly) {
  graph.AddSeries("A", SeriesStyleType::LineGraph);
  AddValues("A", {3.0f, 5.0f});
  graph.XAxis()->Labels()->Item(Variant(2))->Label("Tuesday");
  graph.LabelOrientation(LabelOrientaionType::LabelDiagonal);
  const auto printer =
      std::make_shared<Platform::RecordingSurface>(3000, 2000, Platform::SurfaceKind::Printer);
  graph.Frame(printer);
  Canvas().ClearRecords();
  graph.Draw(true);
  EXPECT_TRUE(Canvas().Records().empty());
  EXPECT_TRUE(printer->RecordsOf("Cls").empty());
  // No logo on a print.
  EXPECT_TRUE(printer->RecordsOf("PaintPicture").empty());

  // The same anchors as on the screen, in the titles' own fonts.
  const GraphRegion& y1 = Region("Y1");
  const auto rotated = printer->RecordsOf("RotatedText");
  ASSERT_EQ(rotated.size(), 3u);
  EXPECT_EQ(rotated[0].Text, "Y1 Axis");
  EXPECT_EQ(rotated[0].Args,
            (std::vector<double>{900, std::nearbyint(y1.X1()),
                                 std::nearbyint(y1.Y1() + (42 + y1.Y2() - y1.Y1()) / 2)}));
  const double x = graph.XCoordinate(2);
  const double half = 42 / std::sqrt(2.0);
  EXPECT_EQ(rotated[2].Text, "Tuesday");
  EXPECT_EQ(rotated[2].Args, (std::vector<double>{450, std::nearbyint(x - half),
                                                  std::nearbyint(Region("X").Y1() + half)}));
}

TEST_F(Layout, EmptyPositionsAreShadedBetweenTheirNeighbours) {
  graph.AddSeries("A", SeriesStyleType::LineGraph);
  AddValues("A", {Runtime::Null, Runtime::Null, 3.0f, 4.0f, Runtime::Null, Runtime::Null});
  // An XY series fills no position.
  graph.AddSeries("XY", SeriesStyleType::XYGraph);
  graph.AddValue("XY", 2.0f, 5.0f);
  graph.XAxis()->Width(6);
  DrawChart();
  const auto shaded = Canvas().RecordsOf("Box");
  ASSERT_EQ(shaded.size(), 2u);
  const float u = 4;
  const GraphRegion& plot = Region("Graph");
  // From the first position at the start, and up to the last at the end.
  EXPECT_EQ(shaded[0].Args, (std::vector<double>{graph.XCoordinate(1) + u, plot.Y1(),
                                                 graph.XCoordinate(3) - u, plot.Y2()}));
  EXPECT_EQ(shaded[1].Args, (std::vector<double>{graph.XCoordinate(4) + u, plot.Y1(),
                                                 graph.XCoordinate(6) - u, plot.Y2()}));
}

TEST_F(Layout, AnEmptyWindowOrAFlatAxisDividesByNothing) {
  graph.AddSeries("A", SeriesStyleType::BarGraph);
  AddValues("A", {3.0f, 5.0f});
  graph.XAxis()->Width(0);
  EXPECT_NO_THROW(DrawChart());
  // The plot, the borders, the legend's sample and the foot note: no bars.
  EXPECT_EQ(Canvas().RecordsOf("FilledBox").size(), 1u + 4u + 1u + 1u);

  graph.XAxis()->Width(2);
  graph.YAxis(1)->AutomaticMax(false);
  graph.YAxis(1)->Max(0);
  EXPECT_NO_THROW(DrawChart());
}

TEST_F(Layout, AHostsPictureTakesTheDrawingAndNothingGivesItBack) {
  const auto picture = std::make_shared<Platform::RecordingSurface>(300, 200);
  graph.Frame(picture);
  Canvas().ClearRecords();
  graph.Draw();
  EXPECT_TRUE(Canvas().Records().empty());
  EXPECT_EQ(picture->RecordsOf("Cls").size(), 1u);
  // Laid out on the picture; no logo, and the picture keeps no copy.
  EXPECT_EQ(Region("Window").X2(), 300);
  EXPECT_TRUE(picture->RecordsOf("PaintPicture").empty());
  EXPECT_TRUE(picture->RecordsOf("SetPicture").empty());

  graph.Frame(nullptr);
  graph.Draw();
  EXPECT_EQ(Canvas().RecordsOf("SetPicture").size(), 1u);
}

TEST_F(Layout, AnUnknownFontKeepsTheOldNameButTakesTheRest) {
  graph.MainTitle()->Font("No Such Font");
  graph.MainTitle()->Size(20);
  graph.MainTitle()->Italic(true);
  DrawChart(true);
  const auto* title = Printed("Main Title");
  ASSERT_NE(title, nullptr);
  // The prefix's font stays; size, style and colour are the title's.
  EXPECT_EQ(title->Font.Name, "Arial Black");
  EXPECT_EQ(title->Font.Size, 20);
  EXPECT_TRUE(title->Font.Italic);
  EXPECT_EQ(title->ForeColor, 0x02800000);
}

TEST(RotatedText, TheAngleIsCutToWholeTenthsAndARectangleTakesTheTextUnturned) {
  Platform::RecordingSurface surface(100, 100);
  DrawRotatedText(surface, "Tilted", Variant(22.55), 10, 20);
  DrawRotatedText(surface, "Boxed", Variant(int16_t{90}), 10, 20, Variant(60.0), Variant(40.0),
                  true);
  EXPECT_EQ(surface.Log(),
            "RotatedText(225 10 20) \"Tilted\" fore=&H80000012 font=MS Sans Serif,8.25\n"
            "DrawText(10 20 60 40 16) \"Boxed\" fore=&H80000012 font=MS Sans Serif,8.25\n");
}
