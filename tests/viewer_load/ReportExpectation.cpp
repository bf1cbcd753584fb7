#include "tests/viewer_load/ReportExpectation.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <sstream>

#include "runtime/Strings.h"

namespace LoadTest {

namespace {

bool Near(double a, double b) {
  return std::fabs(a - b) <= 1e-9 * std::max(1.0, std::fabs(a));
}

}  // namespace

void ReportArithmetic::Percent(const std::string& series) {
  auto& points = chart_.Points[series];
  for (auto it = points.begin(); it != points.end();) {
    auto& [y, base] = it->second;
    if (base == 0) {
      it = points.erase(it);
      continue;
    }
    y = y / base * 100;
    ++it;
  }
}

void ReportArithmetic::Order(const std::string& series, int maxAmount) {
  auto& points = chart_.Points[series];
  const int n = static_cast<int>(chart_.Labels.size());
  std::vector<int> positions(n);
  std::iota(positions.begin(), positions.end(), 1);
  // Gaps last: the tests' data has none along an ordered series.
  const auto valueAt = [&](int p) {
    const auto found = points.find(p);
    return found == points.end() ? -INFINITY : found->second.first;
  };
  std::stable_sort(positions.begin(), positions.end(),
                   [&](int a, int b) { return valueAt(a) > valueAt(b); });
  ordered_ = series;
  byLabel_.clear();
  std::vector<std::string> labels;
  std::map<int, std::pair<double, double>> sorted;
  for (int i = 0; i < n; ++i) {
    const int from = positions[i];
    labels.push_back(chart_.Labels[from - 1]);
    if (points.count(from)) {
      sorted[i + 1] = points[from];
      byLabel_[labels.back()] = points[from].first;
    }
  }
  points = sorted;
  chart_.Labels = labels;
  chart_.Keys.clear();
  if (maxAmount > 0 && n > maxAmount) {
    chart_.Labels.resize(maxAmount);
    points.erase(points.upper_bound(maxAmount), points.end());
  }
}

void ReportArithmetic::Pareto(const std::string& series, const std::string& name, int maxAmount) {
  Order(series, maxAmount);
  const auto& points = chart_.Points[series];
  float total = 0;
  for (const auto& [position, point] : points) total += static_cast<float>(point.first);
  float running = 0;
  auto& cumulative = chart_.Points[name];
  cumulative.clear();
  const int n = points.empty() ? 0 : points.rbegin()->first;
  for (int p = 1; p <= n; ++p) {
    if (points.count(p)) running += static_cast<float>(points.at(p).first);
    cumulative[p] = {total != 0 ? std::floor(double{running} * 100 / double{total}) : 0, 0};
  }
  if (std::find(chart_.Series.begin(), chart_.Series.end(), name) == chart_.Series.end())
    chart_.Series.push_back(name);
}

void ReportArithmetic::RemoveExcessLabels() {
  size_t longest = 0;
  for (const auto& [name, points] : chart_.Points)
    if (!points.empty()) longest = std::max(longest, static_cast<size_t>(points.rbegin()->first));
  if (chart_.Labels.size() > longest) chart_.Labels.resize(longest);
}

ReportArithmetic ExpectedReport(const Kordex::PRDQuery& query, const std::filesystem::path& root,
                                const std::vector<Kordex::SampleData::WrittenFile>& files,
                                bool percent, int maximum,
                                const std::vector<std::filesystem::path>& leftOut) {
  ReportArithmetic chart(ExpectedChart(query, root, files, leftOut));
  const bool byDate = query.Grouping == Kordex::GroupByDate;
  switch (query.Measure) {
    case Kordex::MeasureWastage:
      if (byDate) {
        if (percent)
          for (const auto& series : chart.Chart().Series) chart.Percent(series);
      } else if (percent) {
        chart.Percent("Wastage");
        chart.Order("Wastage", maximum);
      } else {
        chart.Pareto("Wastage", "Cumulative",
                     std::min<int>(maximum, static_cast<int>(chart.Chart().Labels.size())));
      }
      if (query.Grouping == Kordex::GroupByMachine || query.Grouping == Kordex::GroupByHead)
        chart.RemoveExcessLabels();
      break;
    case Kordex::MeasureBoardCount: chart.Percent("Per Hour"); break;
    case Kordex::MeasureComponentsPerHour:
      if (byDate) {
        for (const auto& series : chart.Chart().Series)
          if (Runtime::UCase(series) != "TOTAL") chart.Percent(series);
      } else {
        chart.Percent("CPH");
        chart.Order("CPH");
      }
      break;
    default: {
      const std::string series =
          query.Measure == Kordex::MeasureEfficiency ? "Efficiency" : "Productivity";
      chart.Percent(series);
      if (!byDate) chart.Order(series);
    }
  }
  return chart;
}

::testing::AssertionResult SameReport(const ReportArithmetic& expected, const ChartData& actual) {
  const ChartData& chart = expected.Chart();
  if (chart.Labels.size() != actual.Labels.size())
    return ::testing::AssertionFailure()
           << chart.Labels.size() << " labels expected, " << actual.Labels.size() << " found";
  if (chart.Series != actual.Series) return ::testing::AssertionFailure() << "other series";
  for (const auto& name : chart.Series) {
    const auto& want = chart.Points.at(name);
    const auto& got = actual.Points.at(name);
    if (want.size() != got.size())
      return ::testing::AssertionFailure()
             << name << ": " << want.size() << " points expected, " << got.size() << " found";
    for (const auto& [position, point] : want) {
      const auto found = got.find(position);
      if (found == got.end() || !Near(point.first, found->second.first))
        return ::testing::AssertionFailure()
               << name << " at " << position << ": expected " << point.first;
    }
  }
  for (size_t i = 0; i < chart.Labels.size(); ++i) {
    if (expected.Ordered().empty()) {
      if (chart.Labels[i] != actual.Labels[i])
        return ::testing::AssertionFailure() << "label " << i + 1 << " is " << actual.Labels[i];
      continue;
    }
    const auto& got = actual.Points.at(expected.Ordered());
    const auto value = got.find(static_cast<int>(i) + 1);
    if (value == got.end()) continue;
    const auto own = expected.ByLabel().find(actual.Labels[i]);
    if (own == expected.ByLabel().end() || !Near(own->second, value->second.first))
      return ::testing::AssertionFailure()
             << "label " << actual.Labels[i] << " has " << value->second.first << " at " << i + 1;
  }
  return ::testing::AssertionSuccess();
}

}  // namespace LoadTest
