// A load of a generated line with damaged files against the chart the rules
// give for what a plain reading of each file's bytes finds in it: every point
// of every measure by every grouping must agree.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/platform/FileText.h"
#include "tests/viewer_data/SummaryReference.h"
#include "tests/viewer_load/ChartData.h"
#include "tests/viewer_load/LoadTestData.h"
#include "tests/viewer_load/RecordingHost.h"
#include "viewer/data/PRDLoader.h"

using namespace Kordex;
using namespace LoadTest;
namespace fs = std::filesystem;

namespace {

// The record as the generator's content, its keys taken apart again.
SampleData::SummaryContent ContentOf(const PrdSummary& summary) {
  SampleData::SummaryContent content;
  const PrdRun& run = summary.Runs[0];
  content.ErrorNames = summary.ErrorNames;
  for (const PrdItem& item : run.Heads) {
    SampleData::HeadLine head;
    const size_t dash = item.Key.find('-', 1);
    head.Head = dash == std::string::npos ? 0 : static_cast<int16_t>(std::stoi(item.Key));
    head.Spindle = static_cast<int16_t>(
        std::stoi(dash == std::string::npos ? item.Key : item.Key.substr(dash + 1)));
    head.Total = item.Total;
    head.Errors = item.Errors;
    content.Heads.push_back(head);
  }
  for (const PrdItem& item : run.Feeders) {
    content.Feeders.push_back({0, item.Key, {}, item.Total, item.Errors});
  }
  content.BoardTotal = run.BoardCount;
  for (const PrdRunTime& t : run.Tables) {
    content.Tables.push_back({{}, {}, t.RunningSeconds, t.WaitingSeconds, t.StoppedSeconds});
  }
  return content;
}

}  // namespace

TEST(LoaderReference, EveryPointOfADamagedLineIsWhatThePlainReadingGives) {
  TestSupport::TempDir dir;
  SampleData::Options options;
  options.Seed = 5;
  options.Lines = 1;
  options.Machines = 3;
  options.Days = 8;
  options.Products = 3;
  options.DamagedShare = 0.4;
  options.EndDate = std::chrono::year_month_day(std::chrono::year(2026), std::chrono::month(3),
                                                std::chrono::day(14));
  std::vector<SampleData::WrittenFile> files;
  SampleData::WriteDataDirectory(dir.Path(), options, &files);
  // Files with an unsound figure are left out of a load.
  std::vector<fs::path> leftOut;
  size_t damaged = 0;
  for (SampleData::WrittenFile& file : files) {
    damaged += file.Damaged ? 1 : 0;
    const PrdSummary read = SummaryReference::Reference(TestSupport::FileText(file.Path)).Read();
    if (!read.Fault.empty()) leftOut.push_back(file.Path);
    file.Content = ContentOf(read);
  }
  ASSERT_GT(damaged, 5U);
  for (int m = MeasureWastage; m <= MeasureComponentsPerHour; ++m) {
    for (int g = GroupByDate; g <= GroupByMachine; ++g) {
      PRDQuery query = Query(static_cast<PRDMeasure>(m), static_cast<PRDGrouping>(g));
      SCOPED_TRACE(std::to_string(m) + " by " + std::to_string(g));
      Chart chart;
      LoadPRDSummaryData(query, chart.Graph, dir.Path().string() + "/", false,
                         std::make_shared<RecordingHost>());
      EXPECT_TRUE(
          SameChart(ExpectedChart(query, dir.Path(), files, leftOut), ChartOf(*chart.Graph)));
    }
  }
}
