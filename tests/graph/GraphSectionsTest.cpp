#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "graph/render/GraphPicture.h"
#include "platform/gui/ImageSurface.h"
#include "tests/graph/GraphDrawFixture.h"

using namespace Dravex;
using GraphTest::Args;
using GraphTest::Drawing;
using Runtime::Variant;

namespace {

using Sections = Drawing;

// The position of the first record of call with text (any text when empty).
size_t IndexOf(const std::vector<Platform::SurfaceRecord>& records, const std::string& call,
               const std::string& text = "") {
  for (size_t i = 0; i < records.size(); ++i) {
    if (records[i].Call == call && (text.empty() || records[i].Text == text)) return i;
  }
  return records.size();
}

}  // namespace

TEST_F(Sections, ASectionWithATitleOnlyCrossesThePlotArea) {
  graph.AddSection("Diagonal");
  DrawChart();
  const GraphRegion& plot = Region("Graph");
  const auto lines = Canvas().RecordsOf("Line");
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines[0].Args, Args({plot.X1(), plot.Y1(), plot.X2(), plot.Y2()}));
  EXPECT_EQ(lines[0].ForeColor, 0);
  // Its caption stands above it, one blank in from its left end.
  EXPECT_EQ(Printed("Diagonal")->Args, Args({plot.X1() + 6, plot.Y1() - 10}));
}

TEST_F(Sections, BandsGoBehindTheSeriesAndTheirCaptionsInFront) {
  graph.AddSeries("A", SeriesStyleType::BarGraph);
  AddValues("A", {5.0f});
  std::string key;
  // Given upside down: the band is put in order.
  graph.AddSection("Band", key, "", 8.0f, "", 2.0f, YAxisType::YAxis1,
                   TitlePositionType::Inside | TitlePositionType::VerticalMiddle |
                       TitlePositionType::HorizontalCentre,
                   LabelOrientaionType::LabelHorizontal, 0x02C0C0C0, SectionFloatType::Automatic,
                   SectionDisplayType::SectionArea);
  EXPECT_EQ(graph.Sections()->Item("Band")->Float(), SectionFloatType::Behind);
  int displays = 0;
  const auto hook = graph.PreferenceDisplay.Connect(
      [&](bool& load, std::string&, std::string&, std::string&) { displays += load; });
  const auto& records = DrawChart();
  EXPECT_EQ(displays, 1);

  const auto colourOf = [&records](Platform::Colour colour) {
    for (size_t i = 0; i < records.size(); ++i) {
      if (records[i].Call == "FilledBox" && records[i].ForeColor == colour) return i;
    }
    return records.size();
  };
  const size_t band = colourOf(0x02C0C0C0);
  const size_t bar = colourOf(graph.Series()->Item("A")->Colour());
  const size_t caption = IndexOf(records, "PrintLine", "Band");
  ASSERT_LT(caption, records.size());
  EXPECT_LT(band, bar);
  EXPECT_LT(bar, caption);
  const GraphRegion& plot = Region("Graph");
  const float top = graph.YCoordinate(8, 1);
  const float bottom = graph.YCoordinate(2, 1);
  EXPECT_EQ(records[band].Args, Args({plot.X1(), top, plot.X2(), bottom}));
  // Centred both ways inside it.
  EXPECT_EQ(records[caption].Args,
            Args({(plot.X2() - plot.X1() - 24) / 2 + plot.X1(), (bottom - top - 10) / 2 + top}));
}

TEST_F(Sections, CaptionsBesideTheMiddleOrTurnedAreWhereTheirPositionSays) {
  std::string key;
  graph.AddSection("Left", key, 2.0f, "", 4.0f, "", YAxisType::YAxis1,
                   TitlePositionType::Outside | TitlePositionType::VerticalMiddle |
                       TitlePositionType::HorizontalLeft);
  key.clear();
  graph.AddSection("Right", key, 2.0f, "", 4.0f, "", YAxisType::YAxis1,
                   TitlePositionType::Outside | TitlePositionType::VerticalMiddle |
                       TitlePositionType::HorizontalRight);
  key.clear();
  graph.AddSection("Under", key, 2.0f, "", 4.0f, "", YAxisType::YAxis1,
                   TitlePositionType::Outside | TitlePositionType::VerticalBottom |
                       TitlePositionType::HorizontalRight);
  key.clear();
  graph.AddSection("Turned", key, 2.0f, "", 4.0f, "", YAxisType::YAxis1, 137,
                   LabelOrientaionType::LabelVertical);
  DrawChart();
  const GraphRegion& plot = Region("Graph");
  const float x1 = graph.XCoordinate(2);
  const float x2 = graph.XCoordinate(4);
  const float middle = (plot.Y2() - plot.Y1() - 10) / 2 + plot.Y1();
  EXPECT_EQ(Printed("Left")->Args, Args({x1 - 6 - 24, middle}));
  EXPECT_EQ(Printed("Right")->Args, Args({x2 + 6, middle}));
  EXPECT_EQ(Printed("Under")->Args, Args({x2 - 6 - 30, plot.Y2()}));
  EXPECT_EQ(Printed("Turned"), nullptr);
}

TEST_F(Sections, APictureCaptionIsPaintedAtItsOwnSize) {
  Platform::ImageSurface image(30, 20);
  std::string key;
  const auto section = graph.AddSection("", key, "", 5.0f, "", 5.0f);
  section->Title()->Graphic(std::make_shared<GraphPicture>(image.Image()));
  DrawChart();
  const auto painted = Canvas().RecordsOf("PaintPicture");
  ASSERT_EQ(painted.size(), 2u);  // the caption, then the logo
  const float y = graph.YCoordinate(5, 1);
  EXPECT_EQ(painted[0].Args, Args({Region("Graph").X1() + 6, y - 20, 30, 20, 0, 0, 30, 20,
                                   static_cast<double>(Platform::RasterOps::SourceAnd)}));
}

TEST_F(Sections, TheLogoSitsUnderTheLegendAndShrinksForItsEntries) {
  graph.AddSeries("Series", SeriesStyleType::LineGraph);
  DrawChart();
  const GraphRegion& legend = Region("Legend");
  auto logo = Canvas().RecordsOf("PaintPicture");
  ASSERT_EQ(logo.size(), 1u);
  const double width = legend.X2() - legend.X1();
  const double height = width / 308 * 218;
  EXPECT_EQ(logo[0].Args[0], legend.X1());
  EXPECT_NEAR(logo[0].Args[1], legend.Y2() - height, 1e-9);
  EXPECT_NEAR(logo[0].Args[2], width, 1e-9);
  EXPECT_NEAR(logo[0].Args[3], height, 1e-9);

  // Entries down to 16 units above the legend's foot (33 lines of 10 and
  // two units below its top): the logo starts there.
  for (int i = 1; i < 33; ++i) graph.AddSeries("S" + std::to_string(i), SeriesStyleType::LineGraph);
  DrawChart();
  logo = Canvas().RecordsOf("PaintPicture");
  ASSERT_EQ(logo.size(), 1u);
  const double entries = Region("Legend").Y1() + 33 * 10 + 8;
  EXPECT_EQ(Region("Legend").Y2() - entries, 16);
  EXPECT_NEAR(logo[0].Args[1], entries, 1e-4);
  EXPECT_NEAR(logo[0].Args[3], Region("Legend").Y2() - entries, 1e-4);
  EXPECT_NEAR(logo[0].Args[2], logo[0].Args[3] / 218 * 308, 1e-4);

  // No room left: no logo.
  for (int i = 33; i < 35; ++i)
    graph.AddSeries("S" + std::to_string(i), SeriesStyleType::LineGraph);
  DrawChart();
  EXPECT_TRUE(Canvas().RecordsOf("PaintPicture").empty());
}
