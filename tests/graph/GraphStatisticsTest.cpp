#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

#include "graph/model/GraphStatistics.h"
#include "graph/render/Graph.h"
#include "tests/graph/GraphTestHost.h"
#include "tests/support/Raised.h"

using namespace Dravex;
using GraphTest::TestHost;
using Runtime::Variant;
using TestSupport::Raised;
namespace ErrorNumber = Runtime::ErrorNumber;

namespace {

// A chart with the line series "K" (2, 4, Null, 6) on the left axis.
class Statistics : public testing::Test {
 protected:
  Statistics() {
    graph.AddSeries("K", SeriesStyleType::LineGraph);
    for (const Variant& y : {Variant(2.0f), Variant(4.0f), Variant(Runtime::Null), Variant(6.0f)}) {
      graph.AddValue("K", y);
    }
  }

  std::shared_ptr<GraphStats> Settings(const char* series) const {
    return graph.Series()->Item(series)->StatsAlarms();
  }
  std::shared_ptr<GraphSection> Section(const std::string& key) const {
    return graph.Sections()->Item(Variant(key));
  }
  int16_t Sections() const { return graph.Sections()->Count(); }
  static float Y1(const GraphSection& section) { return section.Y1().GetSingle(); }

  TestHost host;
  Graph& graph = *host.graph;
};

}  // namespace

TEST_F(Statistics, TotalMeanAndDeviationPassOverNulls) {
  EXPECT_EQ(graph.SeriesTotal("K"), Variant(12.0f));
  EXPECT_EQ(graph.SeriesMean("K"), 4.0f);
  EXPECT_EQ(graph.SeriesStdDev(int16_t{1}), 2.0f);
  EXPECT_TRUE(graph.SeriesTotal("Nowhere").IsEmpty());
  EXPECT_EQ(Raised([&] { graph.SeriesMean("Nowhere"); }), ErrorNumber::KeyNotFound);

  // An XYGraph series counts its X values.
  graph.AddSeries("XY", SeriesStyleType::XYGraph);
  graph.AddValue("XY", int16_t{100}, 1.0f);
  graph.AddValue("XY", int16_t{100}, 3.0f);
  EXPECT_EQ(graph.SeriesMean("XY"), 2.0f);
  EXPECT_EQ(graph.SeriesStdDev("XY"), std::sqrt(2.0f));
}

TEST_F(Statistics, TheMeanLineIsRebuiltOnEverySetUp) {
  Settings("K")->Mean()->StdDevOn(true);
  Settings("K")->Mean()->Name("Average");
  std::string hostKey = "Target";
  graph.AddSection("Target", hostKey, Variant(""), Variant(5.0f), Variant(""), Variant(5.0f));

  for (int drawing = 1; drawing <= 2; ++drawing) {
    graph.SetUpStats();
    ASSERT_EQ(Sections(), 2) << drawing;
    const auto mean = Section("KAverage");
    EXPECT_EQ(mean->Title()->Text(), "Average");
    EXPECT_EQ(Y1(*mean), 4.0f);
    EXPECT_EQ(mean->Y2(), mean->Y1());
    EXPECT_EQ(mean->X1(), Variant(""));
    EXPECT_EQ(mean->Tag(), "Stats");
    EXPECT_EQ(mean->WhichAxis(), YAxisType::YAxis1);
    EXPECT_EQ(mean->TitlePosition(), 137);
    EXPECT_EQ(mean->SectionDisplay(), SectionDisplayType::SectionLine);
    EXPECT_EQ(mean->Float(), SectionFloatType::Front);
    EXPECT_EQ(mean->Colour(), 0);
    EXPECT_EQ(Section("Target")->Tag(), "");
  }

  Settings("K")->Mean()->StdDevOn(false);
  graph.SetUpStats();
  EXPECT_EQ(Sections(), 1);
}

TEST_F(Statistics, StdDevLinesAreCaptionedBySignAndDistance) {
  for (int16_t k : {-1, 2}) {
    Settings("K")->StdDev(k)->StdDevOn(true);
    Settings("K")->StdDev(k)->Name("Std Dev");
  }
  graph.SetUpStats();
  EXPECT_EQ(Y1(*Section("K+2 Std Dev")), 8.0f);
  EXPECT_EQ(Section("K+2 Std Dev")->Title()->Text(), "+2 Std Dev");
  EXPECT_EQ(Y1(*Section("K-1 Std Dev")), 2.0f);
  EXPECT_EQ(Section("K-1 Std Dev")->Tag(), "Stats");

  // Called by the host without a name, it composes one and hands it back.
  Variant name = Variant::Missing();
  graph.AddStdDev("K", -2, name, "Mine");
  EXPECT_EQ(name, Variant("-2 Std Dev"));
  EXPECT_EQ(Y1(*Section("K-2 Std Dev")), 0.0f);
  EXPECT_EQ(Section("K-2 Std Dev")->Tag(), "Mine");
  graph.AddStdDev("K", 0);
  EXPECT_EQ(Y1(*Section("K-0 Std Dev")), 4.0f);
  // The key follows the series argument as given.
  graph.AddStdDev(int16_t{1}, 1);
  EXPECT_EQ(Y1(*Section("1+1 Std Dev")), 6.0f);
}

TEST_F(Statistics, ALimitNameSharedBySeriesGivesTheFirstSeriesLine) {
  graph.AddSeries("L", SeriesStyleType::LineGraph, YAxisType::YAxis2);
  graph.AddValue("L", 1.0f);
  for (const char* series : {"K", "L"}) {
    const auto lower = Settings(series)->Limits(enuLimits::LowerLimit);
    lower->LimitOn(true);
    lower->Name("LSL");
    lower->Value(series[0] == 'K' ? 1.5f : 0.5f);
  }
  const auto upper = Settings("L")->Limits(enuLimits::UpperLimit);
  upper->LimitOn(true);
  upper->Name("USL");
  upper->Value(9);

  graph.SetUpStats();
  ASSERT_EQ(Sections(), 2);
  EXPECT_EQ(Y1(*Section("LSL")), 1.5f);
  EXPECT_EQ(Section("LSL")->WhichAxis(), YAxisType::YAxis1);
  EXPECT_EQ(Section("LSL")->Tag(), "Stats");
  EXPECT_EQ(Section("USL")->WhichAxis(), YAxisType::YAxis2);
  EXPECT_EQ(Section("USL")->Tag(), "Stats");
}

TEST_F(Statistics, AHostSectionUnderAStatisticsKeyIsNeverTakenOver) {
  // The host's own "LSL" and a note added after it; the limit's line would
  // take the key "LSL" and adds nothing, so nothing of the host's may end up
  // tagged and removed by the next set-up.
  std::string key = "LSL";
  graph.AddSection("Host limit", key, Variant(""), Variant(3.0f), Variant(""), Variant(3.0f));
  graph.AddSection("Note");
  const auto lower = Settings("K")->Limits(enuLimits::LowerLimit);
  lower->LimitOn(true);
  lower->Name("LSL");

  for (int drawing = 1; drawing <= 3; ++drawing) {
    graph.SetUpStats();
    ASSERT_EQ(Sections(), 2) << drawing;
    EXPECT_EQ(Section("LSL")->Title()->Text(), "Host limit");
    EXPECT_EQ(Section("LSL")->Tag(), "");
    EXPECT_EQ(Section("Note")->Tag(), "");
  }
}

TEST_F(Statistics, AMeanCaptionedByAPictureSitsAtTheComputedMean) {
  const auto picture = std::make_shared<GraphText>();  // any object stands for a picture
  graph.AddMean("K", Variant(picture), "Mine");
  const auto mean = Section("KMean");
  EXPECT_EQ(Y1(*mean), 4.0f);
  EXPECT_EQ(mean->Title()->Text(), "");
  EXPECT_EQ(mean->Title()->Graphic(), picture);
  EXPECT_EQ(mean->Tag(), "Mine");

  // Neither text nor picture: nothing.
  graph.AddMean("K", Variant(int16_t{3}));
  graph.AddMean("K", Variant::Nothing());
  EXPECT_EQ(Sections(), 1);
  EXPECT_EQ(Raised([&] { graph.AddMean("Nowhere"); }), ErrorNumber::KeyNotFound);
}

TEST_F(Statistics, ATrendLineRunsAcrossTheVisibleWindow) {
  graph.AddSeries("T", SeriesStyleType::LineGraph);
  for (float y : {2.0f, 4.0f, 6.0f, 100.0f}) graph.AddValue("T", y);
  graph.XAxis()->Width(3);
  graph.XAxis()->First(1);
  graph.YAxis(1)->Max(10);
  graph.YAxis(1)->Min(0);

  graph.AddBestFitLinear("T");
  const auto line = Section("T_Best Fit");
  EXPECT_EQ(line->Title()->Text(), "Best Fit");
  EXPECT_EQ(line->X1(), Variant(1.0f));
  EXPECT_EQ(line->Y1(), Variant(2.0f));
  EXPECT_EQ(line->X2(), Variant(3.0f));
  EXPECT_EQ(line->Y2(), Variant(6.0f));
  EXPECT_EQ(line->Float(), SectionFloatType::Front);
  EXPECT_EQ(line->Tag(), "");
}

TEST_F(Statistics, ZerosArePassedOverUnlessAsked) {
  graph.AddSeries("Z", SeriesStyleType::LineGraph);
  for (float y : {0.0f, 0.0f, 0.0f}) graph.AddValue("Z", y);
  graph.XAxis()->Width(3);
  graph.XAxis()->First(1);
  graph.YAxis(1)->Max(10);
  graph.YAxis(1)->Min(-10);
  graph.AddBestFitLinear("Z", true, "Flat");
  const auto line = Section("Z_Flat");
  EXPECT_EQ(line->X1(), Variant(1.0f));
  EXPECT_EQ(line->Y1(), Variant(0.0f));
  EXPECT_EQ(line->X2(), Variant(3.0f));
  EXPECT_EQ(line->Y2(), Variant(0.0f));
}

TEST_F(Statistics, ATrendOutsideTheWindowAddsNoLine) {
  graph.XAxis()->Width(4);
  // 2, 4, 6 at 1, 2, 4 with the axis from 0 to 1: the line is above it all.
  graph.YAxis(1)->Max(1);
  graph.YAxis(1)->Min(0);
  Settings("K")->Trend()->Trend(TrendType::TrendLinear);
  graph.SetUpStats();
  EXPECT_EQ(Sections(), 0);
  graph.AddBestFitLinear("K");
  EXPECT_EQ(Sections(), 0);
}

TEST_F(Statistics, TheDrawingHandsTheScaledWindowToTheTrend) {
  Settings("K")->Trend()->Trend(TrendType::TrendLinear);
  Settings("K")->Trend()->Name("Trend");
  // The axes have not been scaled yet (0 to 0); the drawing passes the scale
  // it is about to draw with.
  GraphStatistics::PlotWindow window;
  window.First = 1;
  window.Width = 4;
  window.YScale[0] = {0, 10};
  graph.SetUpStats(window);
  const auto line = Section("K_Trend");
  EXPECT_EQ(line->Tag(), "Stats");
  EXPECT_EQ(line->X1(), Variant(1.0f));
  EXPECT_EQ(line->X2(), Variant(4.0f));
  EXPECT_NEAR(line->Y1().GetSingle(), 2.0f + 2.0f / 7.0f, 1e-5);
  EXPECT_NEAR(line->Y2().GetSingle(), 6.0f + 1.0f / 7.0f, 1e-5);

  // Other trend kinds draw nothing.
  Settings("K")->Trend()->Trend(TrendType::TrendAverage);
  graph.SetUpStats(window);
  EXPECT_EQ(Sections(), 0);
}

TEST_F(Statistics, AddSectionKeysByTitleAndKeepsAnExistingSection) {
  const auto first = graph.AddSection("Only a title");
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->Key(), "Only a title");
  EXPECT_EQ(first->X1(), Variant(""));
  EXPECT_EQ(first->Y2(), Variant(""));
  EXPECT_EQ(first->Colour(), 0);
  EXPECT_EQ(first->SectionDisplay(), SectionDisplayType::SectionLine);

  std::string key;
  EXPECT_EQ(graph.AddSection("ONLY A TITLE", key, Variant(1.0f)), nullptr);
  EXPECT_EQ(key, "ONLY A TITLE");
  EXPECT_EQ(Sections(), 1);
  EXPECT_EQ(graph.Sections()->Item(int16_t{1})->X1(), Variant(""));

  // A band from two Y values goes behind the series.
  key = "Band";
  const auto band = graph.AddSection("B", key, Variant(""), Variant(int16_t{2}), Variant(""),
                                     Variant(4.0), YAxisType::YAxis2, 35);
  EXPECT_EQ(band->Float(), SectionFloatType::Behind);
  EXPECT_EQ(band->Y1(), Variant(2.0f));
  EXPECT_EQ(band->WhichAxis(), YAxisType::YAxis2);
  EXPECT_EQ(band->TitlePosition(), 4 + 32 + 128);
}

TEST_F(Statistics, EveryLineOfASeriesSitsAtItsOwnMeanAndDeviation) {
  // Values whose sums round: the lines drawn must match what the host reads.
  graph.AddSeries("R", SeriesStyleType::LineGraph);
  for (int i = 1; i <= 50; ++i)
    graph.AddValue("R", 0.1f * static_cast<float>(i * i % 17) + 1 / 3.0f);
  const auto settings = Settings("R");
  settings->Mean()->StdDevOn(true);
  settings->Mean()->Name("Mean");
  for (int16_t k : {-3, -1, 2}) {
    settings->StdDev(k)->StdDevOn(true);
    settings->StdDev(k)->Name("Std Dev");
  }

  graph.SetUpStats();
  const float mean = graph.SeriesMean("R");
  const float deviation = graph.SeriesStdDev("R");
  EXPECT_NE(deviation, 0.0f);
  EXPECT_EQ(Y1(*Section("RMean")), mean);
  for (int16_t k : {-3, -1, 2}) {
    const std::string key = std::string("R") + (k > 0 ? "+" : "") + std::to_string(k) + " Std Dev";
    EXPECT_EQ(Y1(*Section(key)), static_cast<float>(k) * deviation + mean) << key;
  }
}
