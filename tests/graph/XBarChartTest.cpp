#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "graph/render/Graph.h"
#include "tests/graph/GraphTestHost.h"
#include "tests/support/Raised.h"

using namespace Dravex;
using GraphTest::TestHost;
using Runtime::Variant;
using TestSupport::Raised;

namespace {

class XBarChart : public testing::Test {
 protected:
  void Fill(const char* series, std::initializer_list<double> values,
            YAxisType axis = YAxisType::YAxis1) {
    graph.AddSeries(series, SeriesStyleType::LineGraph, axis);
    for (double y : values) graph.AddValue(series, y);
  }
  std::shared_ptr<GraphSection> Section(const std::string& key) const {
    return graph.Sections()->Item(Variant(key));
  }
  float Y(const std::string& key) const { return Section(key)->Y1().GetSingle(); }

  TestHost host;
  Graph& graph = *host.graph;
};

}  // namespace

TEST_F(XBarChart, TheControlHasTheFactorTables) {
  EXPECT_EQ(graph.XBarRA2(5), 0.577f);
  EXPECT_EQ(graph.XBarRd4(6), 2.0f);
  EXPECT_EQ(graph.XBarRD3(4), 0.0f);
  EXPECT_EQ(graph.XBarRD3(7), 0.076f);
  EXPECT_EQ(graph.XBarRA2(25), 0.308f);
  EXPECT_EQ(graph.XBarRA2(1), 0.0f);
  graph.Clear();
  EXPECT_EQ(graph.XBarRd4(2), 3.27f);
}

TEST_F(XBarChart, LimitsFromTheFactorsAndTheMeans) {
  Fill("Means", {9, 11, 10});
  Fill("Ranges", {1, 3}, YAxisType::YAxis2);
  graph.AddMeanRangeLimits("Means", "Ranges", 5);

  ASSERT_EQ(graph.Sections()->Count(), 5);
  EXPECT_EQ(Y("MeansMean"), 10.0f);
  EXPECT_EQ(Y("RangesMean"), 2.0f);
  EXPECT_NEAR(Y("Mean UCL"), 11.154f, 1e-5);
  EXPECT_NEAR(Y("Mean LCL"), 8.846f, 1e-5);
  EXPECT_NEAR(Y("Range UCL"), 4.22f, 1e-5);
  for (const char* key : {"Mean UCL", "Mean LCL", "Range UCL"}) {
    const auto limit = Section(key);
    EXPECT_EQ(limit->LineStyle(), 1) << key;
    EXPECT_EQ(limit->WhichAxis(), YAxisType::YAxis1) << key;
    EXPECT_EQ(limit->Tag(), "") << key;
    EXPECT_EQ(limit->TitlePosition(), 4 + 32 + 128) << key;
    EXPECT_EQ(limit->X1(), Variant("")) << key;
  }
  EXPECT_EQ(Section("Mean UCL")->Title()->Text(), "UCL");
  EXPECT_EQ(Section("Mean LCL")->Title()->Text(), "LCL");
  EXPECT_EQ(Section("Range UCL")->Title()->Text(), "UCL");
  EXPECT_EQ(Section("MeansMean")->LineStyle(), 0);

  // The set-up of the statistics leaves them, and a second call adds nothing.
  graph.SetUpStats();
  Section("Mean UCL")->LineStyle(0);
  graph.AddMeanRangeLimits("Means", "Ranges", 2);
  EXPECT_EQ(graph.Sections()->Count(), 5);
  EXPECT_NEAR(Y("Mean UCL"), 11.154f, 1e-5);
  EXPECT_EQ(Section("Mean UCL")->LineStyle(), 1);
}

TEST_F(XBarChart, AWorkedTextbookExample) {
  // Piston-ring inside diameters, subgroups of five: grand mean 74.001 mm and
  // mean range 0.023 mm. The textbook's limits: X-bar chart 73.988 to 74.014,
  // R chart up to 0.049.
  Fill("Diameter", {74.010, 73.992, 74.001});
  Fill("Range", {0.038, 0.019, 0.012});
  graph.AddMeanRangeLimits("Diameter", "Range", 5);
  EXPECT_NEAR(Y("DiameterMean"), 74.001f, 0.0005);
  EXPECT_NEAR(Y("RangeMean"), 0.023f, 0.0005);
  EXPECT_NEAR(Y("Mean UCL"), 74.014f, 0.0005);
  EXPECT_NEAR(Y("Mean LCL"), 73.988f, 0.0005);
  EXPECT_NEAR(Y("Range UCL"), 0.049f, 0.0005);
}

TEST_F(XBarChart, NoFactorNoLimitAndNoSeriesNoLines) {
  Fill("Means", {10});
  Fill("Ranges", {2});
  graph.AddMeanRangeLimits("Means", "Nowhere", 5);
  graph.AddMeanRangeLimits(int16_t{7}, "Ranges", 5);
  EXPECT_EQ(graph.Sections()->Count(), 0);

  graph.AddMeanRangeLimits("Means", "Ranges", 1);
  EXPECT_EQ(graph.Sections()->Count(), 2);

  // A size below 1 fails once the centre lines are there.
  graph.Sections()->Col()->Clear();
  EXPECT_EQ(Raised([&] { graph.AddMeanRangeLimits("Means", "Ranges", 0); }),
            Runtime::ErrorNumber::InvalidProcedureCall);
  EXPECT_EQ(graph.Sections()->Count(), 2);
}
