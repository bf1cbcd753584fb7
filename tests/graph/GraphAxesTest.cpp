#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "tests/graph/GraphDrawFixture.h"

using namespace Dravex;
using GraphTest::Args;
using GraphTest::Drawing;
using Runtime::Variant;

namespace {

using Axes = Drawing;

}  // namespace

TEST_F(Axes, TheSecondAxisMirrorsTheFirst) {
  graph.AddSeries("Right", SeriesStyleType::LineGraph, YAxisType::YAxis2);
  AddValues("Right", {20.0f});
  graph.YAxis(2)->MinorTicks(0);
  graph.YAxis(2)->MajorTicks(2);
  graph.YAxis(2)->Title()->Text("");
  DrawChart();
  const GraphRegion& band = Region("Y2");
  const float u = 4;
  // Its line is the plot area's right edge; its ticks point left of it.
  const auto lines = Canvas().RecordsOf("Line");
  const auto at = [&](std::vector<double> args) {
    for (const auto& line : lines) {
      if (line.Args == args) return true;
    }
    return false;
  };
  EXPECT_TRUE(at(Args({band.X2() - u, band.Y1(), band.X2() - u, band.Y2()})));
  const float middle = (band.Y1() + band.Y2()) / 2;
  EXPECT_TRUE(at(Args({band.X2() - u / 4, middle, band.X2() - u, middle})));
  // No minor ticks at all.
  EXPECT_FALSE(at(Args(
      {band.X2() - u / 2, (band.Y1() + middle) / 2, band.X2() - u, (band.Y1() + middle) / 2})));
  // Labels start at the band's inner edge, centred on their ticks.
  const auto* top = Printed("30");
  ASSERT_NE(top, nullptr);
  EXPECT_EQ(top->Args, Args({band.X2(), band.Y1() - 5}));
  const auto* half = Printed("15");
  ASSERT_NE(half, nullptr);
  EXPECT_EQ(half->Args, Args({band.X2(), middle - 5}));
  // An empty title is still turned and placed (one line high): nothing to
  // see.
  const auto rotated = Canvas().RecordsOf("RotatedText");
  ASSERT_EQ(rotated.size(), 2u);
  EXPECT_EQ(rotated[1].Text, "");
  EXPECT_EQ(rotated[1].Args,
            Args({900, band.X1() - 10, std::nearbyint(band.Y1() + (band.Y2() - band.Y1()) / 2)}));
}

TEST_F(Axes, TurnedLabelsAreSpacedSoThatTheyDoNotOverlap) {
  graph.AddSeries("A", SeriesStyleType::LineGraph);
  for (int i = 1; i <= 100; ++i) graph.AddValue("A", static_cast<float>(i % 7));
  graph.XAxis()->Width(100);
  graph.XAxis()->First(1);
  graph.LabelOrientation(LabelOrientaionType::LabelDiagonal);
  // A gap between positions of about 5 units makes every second label.
  graph.XAxis()->Labels()->Remove(Variant(100));
  DrawChart();
  EXPECT_EQ(graph.XAxis()->LabelEvery(), 2);
  const auto rotated = Canvas().RecordsOf("RotatedText");
  std::vector<std::string> labels;
  for (const auto& record : rotated) {
    if (record.Args[0] == 450) labels.push_back(record.Text);
  }
  ASSERT_EQ(labels.size(), 50u);
  EXPECT_EQ(labels.front(), "1");
  EXPECT_EQ(labels[1], "3");
  EXPECT_EQ(labels.back(), "99");
  // Every position has its tick, a label or not.
  const float tickFoot = Region("X").Y1();
  int ticks = 0;
  for (const auto& line : Canvas().RecordsOf("Line")) {
    ticks +=
        line.Args[0] == line.Args[2] && line.Args[1] == tickFoot && line.Args[3] == tickFoot - 4;
  }
  EXPECT_EQ(ticks, 100);

  // Upright labels get their ticks but no text.
  graph.LabelOrientation(LabelOrientaionType::LabelVertical);
  DrawChart();
  for (const auto& record : Canvas().RecordsOf("RotatedText")) EXPECT_NE(record.Args[0], 450);
  EXPECT_EQ(Printed("3"), nullptr);
}

TEST_F(Axes, TheFootNoteCentresItsFirstLineAndStopsAtABlankOne) {
  graph.FootNote()->Text("Line status\r\nsecond\r\n\r\nnever");
  DrawChart();
  const GraphRegion& bottom = Region("X");
  // Four lines high, on the plot's background.
  const auto boxes = Canvas().RecordsOf("FilledBox");
  EXPECT_EQ(boxes.back().Args, Args({4, 356, 596, 396}));
  EXPECT_EQ(boxes.back().ColourArg, graph.BackGround());
  EXPECT_EQ(Printed("Line status")->Args, Args({(600 - 66) / 2.0, 356}));
  EXPECT_EQ(Printed("second")->Args, Args({4, 366}));
  EXPECT_EQ(Printed("never"), nullptr);
  // The X title sits on the foot note.
  EXPECT_EQ(Printed("X Axis")->Args,
            Args({bottom.X1() + (bottom.X2() - bottom.X1() - 36) / 2, 396 - 10 - 40}));

  // A first line that is blank prints nothing, yet keeps its room.
  graph.FootNote()->Text(" \r\nsecond");
  DrawChart();
  EXPECT_EQ(Printed("second"), nullptr);
  EXPECT_EQ(Canvas().RecordsOf("FilledBox").back().Args, Args({4, 376, 596, 396}));

  // Switched off, it takes no room and draws nothing.
  graph.DisplayFootNote(false);
  DrawChart();
  EXPECT_FLOAT_EQ(Region("X").Y1(), 386);
  EXPECT_EQ(Printed("second"), nullptr);
}
