// Three reference charts drawn on image canvases and written as PNG files into
// the build folder ("reference-charts"), for a person to look at; the tests
// check what can be read back from the pixels.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "graph/model/GraphRegion.h"
#include "graph/render/DetachedGraphSite.h"
#include "graph/render/Graph.h"
#include "platform/gui/Application.h"

using namespace Dravex;
using Runtime::Variant;

namespace {

constexpr double Width = 800;
constexpr double Height = 500;

std::filesystem::path Output(const std::string& name) {
  const char* binary = std::getenv("TAVRO_TEST_BINARY_DIR");
  std::filesystem::path folder = std::filesystem::path(binary ? binary : ".") / "reference-charts";
  std::filesystem::create_directories(folder);
  return folder / name;
}

class ReferenceChart : public testing::Test {
 protected:
  ReferenceChart() {
    // Text on an image needs the window system, off screen here.
    Platform::EnsureApplication();
    site = std::make_shared<DetachedGraphSite>(Width, Height);
    graph = Graph::New(site);
    site->Resize(Width, Height);
  }

  void Label(const std::string& series, const std::string& label, const Variant& value) {
    graph->AddValue(series, value);
    const int16_t last = graph->XAxis()->Labels()->Count();
    graph->XAxis()->Labels()->Item(Variant(last))->Label(label);
  }

  // Sizes the control to its data (the scroll bar goes), draws with the
  // title bar and saves the canvas; the picture drawn.
  Platform::Picture DrawAndSave(const std::string& name) {
    site->Resize(Width, Height);
    graph->Draw(true);
    const Platform::Picture picture = graph->Frame()->Image();
    picture.Save(Output(name).string());
    return picture;
  }

  // The colour at the middle of a region's rectangle.
  std::int32_t Centre(const Platform::Picture& picture, const char* region) const {
    const auto r = graph->Regions()->Item(region);
    return picture.PixelAt(static_cast<int>((r->X1() + r->X2()) / 2),
                           static_cast<int>((r->Y1() + r->Y2()) / 2));
  }

  std::shared_ptr<DetachedGraphSite> site;
  std::shared_ptr<Graph> graph;
};

}  // namespace

TEST_F(ReferenceChart, BarsWithTheirMeanAndLimits) {
  graph->SetTitles("Line 1", " Component Wastage", "01-03-24 to 12-03-24", "Wastage per day",
                   "Date", "Wastage (%)");
  graph->AddSeries("Wastage", SeriesStyleType::BarGraph);
  const float wastage[] = {0.42f, 0.55f, 0.38f, 0.61f, 0.47f, 0.95f,
                           0.52f, 0.44f, 0.58f, 0.36f, 0.49f, 0.71f};
  for (int day = 1; day <= 12; ++day) {
    Label("Wastage", (day < 10 ? "0" : "") + std::to_string(day) + "-03", wastage[day - 1]);
  }
  graph->XAxis()->Width(12);
  const auto settings = graph->Series()->Item("Wastage")->StatsAlarms();
  settings->Mean()->StdDevOn(true);
  settings->Mean()->Name("Mean");
  const auto upper = settings->Limits(enuLimits::UpperLimit);
  upper->LimitOn(true);
  upper->Value(0.8f);
  upper->Name("Upper limit");
  const auto lower = settings->Limits(enuLimits::LowerLimit);
  lower->LimitOn(true);
  lower->Value(0.3f);
  lower->Name("Lower limit");
  settings->Alarm(AlarmType::AlarmSpecLimit);
  // A percentage below 1: the report sets its own scale, as the automatic
  // one starts at 10.
  graph->YAxis(1)->AutomaticMax(false);
  graph->YAxis(1)->Max(1.2f);
  graph->YAxis(1)->MajorTicks(6);

  const Platform::Picture picture = DrawAndSave("bar-mean-limits.png");
  EXPECT_EQ(picture.Width(), Width);
  // The title bar is red; the surround grey.
  EXPECT_EQ(Centre(picture, "Main") & 0xFF, 0xFF);
  EXPECT_EQ(picture.PixelAt(2, picture.Height() - 2), 0xE0E0E0);
  // Every statistics line is there, and the one point beyond a limit has its
  // alarm.
  EXPECT_EQ(graph->Sections()->Count(), 3);
  EXPECT_EQ(graph->Series()->Item("Wastage")->Values()->Item(Variant(6))->ValueMode() & 4, 4);
}

TEST_F(ReferenceChart, LinesWithDeviationBandsAndATrend) {
  graph->SetTitles("Line 2", " Placement Efficiency", "Last 30 days", "Daily efficiency", "Day",
                   "Efficiency (%)");
  graph->AddSeries("Efficiency", SeriesStyleType::LineGraph);
  for (int day = 1; day <= 30; ++day) {
    const float value = 72.0f + 0.6f * day + static_cast<float>((day * 37) % 11) - 5.0f;
    Label("Efficiency", std::to_string(day), value);
  }
  graph->XAxis()->Width(30);
  graph->XAxis()->LabelOrientation(LabelOrientaionType::LabelDiagonal);
  graph->YAxis(1)->AutomaticMin(true);
  const auto settings = graph->Series()->Item("Efficiency")->StatsAlarms();
  settings->Mean()->StdDevOn(true);
  settings->Mean()->Name("Mean");
  for (int16_t k : {-2, -1, 1, 2}) {
    settings->StdDev(k)->StdDevOn(true);
    settings->StdDev(k)->Name("Std Dev");
  }
  settings->Trend()->Trend(TrendType::TrendLinear);
  settings->Trend()->Name("Trend");

  DrawAndSave("line-stddev-trend.png");
  // Mean, four deviation lines and the trend, fitted to this drawing's axis.
  EXPECT_EQ(graph->Sections()->Count(), 6);
  EXPECT_EQ(graph->YAxis(1)->Max(), 100);
  EXPECT_EQ(graph->YAxis(1)->Min(), 60);
}

TEST_F(ReferenceChart, ParetoWithItsCumulativeLine) {
  graph->SetTitles("Line 1", " Placement Errors", "Pareto", "Errors by cause", "Error", "Count",
                   "Cumulative (%)");
  graph->AddSeries("Errors", SeriesStyleType::BarGraph);
  const char* causes[] = {"Pick-up", "Vision", "Nozzle", "Feeder", "Tape", "Board", "Other"};
  const float counts[] = {34, 212, 57, 120, 12, 25, 8};
  for (int i = 0; i < 7; ++i) Label("Errors", causes[i], counts[i]);
  graph->XAxis()->Width(7);
  graph->Pareto("Errors");
  graph->Series()->Item("Errors")->ShowValue(ShowValueType::MultipleFixed);
  graph->Series()->Item("Errors")->ShowValueDecimals(0);

  DrawAndSave("pareto.png");
  EXPECT_EQ(graph->XAxis()->Labels()->Item(Variant(1))->Label(), "Vision");
  EXPECT_TRUE(graph->YAxis(2)->Enabled());
  EXPECT_EQ(graph->YAxis(2)->Max(), 100);
}
