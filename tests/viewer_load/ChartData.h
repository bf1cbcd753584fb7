#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "tools/sampledata/SampleData.h"
#include "viewer/data/PRDQuery.h"

namespace Dravex {
class Graph;
}

namespace LoadTest {

// What a chart holds after a load, in a form tests compare: the X labels in
// position order and, per series, its points that have a value.
struct ChartData {
  std::vector<std::string> Labels;  // texts
  std::vector<std::string> Keys;
  std::vector<std::string> Series;  // names, in the order they were made
  // Series name -> X position -> (Y, TempValue).
  std::map<std::string, std::map<int, std::pair<double, double>>> Points;
};

// The chart as the graph holds it.
ChartData ChartOf(const Dravex::Graph& graph);

// What a load of query over the generated files must give, worked out from
// what the generator wrote into each file (not from the files' bytes). root is
// the data directory; its line configurations give the machines' names and
// speeds. Files listed in leftOut are taken as not there.
ChartData ExpectedChart(const Kordex::PRDQuery& query, const std::filesystem::path& root,
                        const std::vector<Kordex::SampleData::WrittenFile>& files,
                        const std::vector<std::filesystem::path>& leftOut = {});

// Equal labels, keys, series and points; values within a relative 1e-9.
::testing::AssertionResult SameChart(const ChartData& expected, const ChartData& actual);

// Day serials (whole days).
double Day(int year, int month, int day);

}  // namespace LoadTest
