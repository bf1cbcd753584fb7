#pragma once

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "tests/viewer_load/ChartData.h"

namespace LoadTest {

// What a report's chart must show after its builder ran, worked out by plain
// arithmetic from what the loader must give (ExpectedChart): the percentages,
// the descending order, the cut to the largest points, the cumulative line.
// Y values only: the bases have done their work once a series is a rate.
class ReportArithmetic {
 public:
  explicit ReportArithmetic(ChartData loaded) : chart_(std::move(loaded)) {}

  // 100 × value ÷ base; a point whose base is 0 becomes a gap.
  void Percent(const std::string& series);
  // The series descending with the labels, then both cut to maxAmount (when
  // above 0). Other series keep their points where they are.
  void Order(const std::string& series, int maxAmount = 0);
  // Order, then the running share of the kept points, in whole percent, as
  // the series name.
  void Pareto(const std::string& series, const std::string& name, int maxAmount);
  // Labels beyond the longest series go.
  void RemoveExcessLabels();

  const ChartData& Chart() const { return chart_; }
  // The ordered series, whose ties may come in any order.
  const std::string& Ordered() const { return ordered_; }
  // Label text -> its value in the ordered series before the order.
  const std::map<std::string, double>& ByLabel() const { return byLabel_; }

 private:
  ChartData chart_;
  std::string ordered_;
  std::map<std::string, double> byLabel_;
};

// The chart of a report over query's figures, by the reports' tables: rates
// by date as loaded, by machine and product descending; board count never
// ordered; wastage percentages (percent) descending, actual counts as a Pareto
// with its cumulative line, both cut to maximum ("Pareto Maximum Entries").
ReportArithmetic ExpectedReport(const Kordex::PRDQuery& query, const std::filesystem::path& root,
                                const std::vector<Kordex::SampleData::WrittenFile>& files,
                                bool percent, int maximum,
                                const std::vector<std::filesystem::path>& leftOut = {});

// Labels and points alike. Along the ordered series the values must run as
// expected and each label must keep its own value, so equal values may swap
// places (and, at a cut, equal values may leave different labels).
::testing::AssertionResult SameReport(const ReportArithmetic& expected, const ChartData& actual);

}  // namespace LoadTest
