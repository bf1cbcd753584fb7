#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <tuple>

#include "runtime/CaseFold.h"
#include "runtime/Format.h"
#include "tests/viewer_load/ChartData.h"
#include "tests/viewer_load/LoadTestData.h"
#include "tests/viewer_load/RecordingHost.h"
#include "viewer/data/PRDLoader.h"
#include "viewer/data/PRDModule.h"

using namespace Kordex;
using namespace LoadTest;
namespace fs = std::filesystem;

namespace {

ChartData Load(const PRDQuery& query, const std::string& folder = Data().Folder(),
               const std::shared_ptr<RecordingHost>& host = std::make_shared<RecordingHost>()) {
  Chart chart;
  LoadPRDSummaryData(query, chart.Graph, folder, true, host);
  return ChartOf(*chart.Graph);
}

size_t PointCount(const ChartData& chart) {
  size_t n = 0;
  for (const auto& [series, points] : chart.Points) n += points.size();
  return n;
}

const PRDMeasure AllMeasures[] = {MeasureWastage, MeasureEfficiency, MeasureProductivity,
                                  MeasureBoardCount, MeasureComponentsPerHour};
const PRDGrouping AllGroupings[] = {GroupByDate,  GroupByProduct, GroupByPartNumber,
                                    GroupByError, GroupByHead,    GroupByMachine};

// The combinations that put points on a chart.
bool AddsPoints(PRDMeasure measure, PRDGrouping grouping) {
  switch (measure) {
    case MeasureWastage: return true;
    case MeasureEfficiency:
    case MeasureProductivity:
    case MeasureComponentsPerHour:
      return grouping == GroupByDate || grouping == GroupByProduct || grouping == GroupByMachine;
    case MeasureBoardCount: return grouping == GroupByDate || grouping == GroupByProduct;
  }
  return false;
}

std::string Name(PRDMeasure measure, PRDGrouping grouping) {
  static const char* const measures[] = {"Wastage", "Efficiency", "Productivity", "BoardCount",
                                         "CPH"};
  static const char* const groupings[] = {"Date",  "Product", "PartNumber",
                                          "Error", "Head",    "Machine"};
  return std::string(measures[measure]) + " by " + groupings[grouping];
}

}  // namespace

TEST(Loader, EveryMeasureByEveryGroupingGivesThePointsOfTheFilesWritten) {
  for (PRDMeasure measure : AllMeasures) {
    for (PRDGrouping grouping : AllGroupings) {
      SCOPED_TRACE(Name(measure, grouping));
      const PRDQuery query = Query(measure, grouping);
      const ChartData expected = ExpectedChart(query, Data().Root, Data().Files);
      const ChartData actual = Load(query);
      EXPECT_TRUE(SameChart(expected, actual));
      EXPECT_EQ(PointCount(actual) > 0, AddsPoints(measure, grouping));
    }
  }
}

TEST(Loader, ByDateEveryDayHasItsLabelAndEveryMachineItsSeries) {
  const ChartData chart = Load(Query(MeasureWastage, GroupByDate));
  ASSERT_EQ(chart.Labels.size(), 9u);  // the Sunday without files included
  EXPECT_EQ(chart.Keys.front(), "20260306");
  EXPECT_EQ(chart.Labels.front(),
            Runtime::Format(Runtime::Variant(Runtime::DateSerial(2026, 3, 6)), "Short Date"));
  EXPECT_EQ(chart.Keys[2], "20260308");
  const MachineTable machines = ReadMachineTable(1, Data().Folder());
  ASSERT_EQ(chart.Series.size(), 3u);
  // Series come in the order of the machines' first files: one down on the
  // first day comes after the others.
  for (int16_t m = 1; m <= 3; ++m) {
    const std::string name = machines.MachineName(m);
    EXPECT_NE(std::find(chart.Series.begin(), chart.Series.end(), name), chart.Series.end());
    EXPECT_EQ(chart.Points.at(name).count(3), 0u) << "no files on Sunday";
  }
}

TEST(Loader, TheGeneratedLineWorksBelowWhatItsMachinesAreRatedFor) {
  // Demo data must read like a real line's: efficiency and productivity
  // between half and all, and no machine placing faster than its rating.
  for (PRDMeasure measure : {MeasureEfficiency, MeasureProductivity}) {
    for (PRDGrouping grouping : {GroupByDate, GroupByProduct, GroupByMachine}) {
      SCOPED_TRACE(Name(measure, grouping));
      const ChartData chart = Load(Query(measure, grouping));
      ASSERT_FALSE(chart.Points.begin()->second.empty());
      for (const auto& [position, point] : chart.Points.begin()->second) {
        EXPECT_GT(point.first / point.second, 0.5) << position;
        EXPECT_LT(point.first / point.second, 1.0) << position;
      }
    }
  }
  const ChartData cph = Load(Query(MeasureComponentsPerHour, GroupByMachine));
  const MachineTable machines = ReadMachineTable(1, Data().Folder());
  for (int16_t m = 1; m <= machines.MachineCount(); ++m) {
    const auto label = std::find(cph.Labels.begin(), cph.Labels.end(), machines.MachineName(m));
    ASSERT_NE(label, cph.Labels.end());
    const auto [placed, hours100] = cph.Points.at("CPH").at(1 + int(label - cph.Labels.begin()));
    EXPECT_LT(placed / hours100 * 100, machines.PlacementSpeed(m) * 3600) << m;
  }
}

TEST(Loader, FiltersKeepOnlyWhatTheyName) {
  const MachineTable machines = ReadMachineTable(1, Data().Folder());
  // A head key and two part numbers that the line's files have.
  std::string head;
  std::vector<std::string> parts;
  std::string product;
  for (const auto& file : Data().Files) {
    if (file.Line != 1 || file.Machine != 2) continue;
    const auto& h = file.Content.Heads.front();
    head = h.Head >= 1 ? std::to_string(h.Head) + "-" + std::to_string(h.Spindle)
                       : std::to_string(h.Spindle);
    parts = {file.Content.Feeders.front().PartNumber, file.Content.Feeders.back().PartNumber};
    product = file.Product;
    break;
  }
  ASSERT_FALSE(head.empty());
  struct Case {
    const char* Name;
    void (*Set)(PRDQuery&, const MachineTable&, const std::string&, const std::vector<std::string>&,
                const std::string&);
  };
  const Case cases[] = {
      {"machine",
       [](PRDQuery& q, const MachineTable& m, const std::string&, const std::vector<std::string>&,
          const std::string&) { q.MachineFilter = Keys({Runtime::UCase(m.MachineName(2))}); }},
      {"product",
       [](PRDQuery& q, const MachineTable&, const std::string&, const std::vector<std::string>&,
          const std::string& p) {
         q.ProductFilter = Keys({Runtime::LCase(p), "NO-SUCH"});
       }},
      {"head",
       [](PRDQuery& q, const MachineTable&, const std::string& h, const std::vector<std::string>&,
          const std::string&) { q.HeadFilter = Keys({h}); }},
      {"part number",
       [](PRDQuery& q, const MachineTable&, const std::string&, const std::vector<std::string>& p,
          const std::string&) {
         q.PartNumberFilter = Keys({p[0], Runtime::LCase(p[1])});
       }},
  };
  const std::pair<PRDMeasure, PRDGrouping> reports[] = {{MeasureWastage, GroupByDate},
                                                        {MeasureWastage, GroupByProduct},
                                                        {MeasureWastage, GroupByPartNumber},
                                                        {MeasureWastage, GroupByHead},
                                                        {MeasureWastage, GroupByError},
                                                        {MeasureWastage, GroupByMachine},
                                                        {MeasureEfficiency, GroupByDate},
                                                        {MeasureProductivity, GroupByProduct},
                                                        {MeasureBoardCount, GroupByDate},
                                                        {MeasureComponentsPerHour, GroupByDate},
                                                        {MeasureComponentsPerHour, GroupByMachine}};
  for (const Case& c : cases) {
    for (const auto& [measure, grouping] : reports) {
      SCOPED_TRACE(std::string(c.Name) + " filter, " + Name(measure, grouping));
      PRDQuery query = Query(measure, grouping);
      c.Set(query, machines, head, parts, product);
      const ChartData expected = ExpectedChart(query, Data().Root, Data().Files);
      const ChartData unfiltered = Load(Query(measure, grouping));
      const ChartData actual = Load(query);
      EXPECT_TRUE(SameChart(expected, actual));
      // Head and part-number filters change only the wastage counted over
      // what they keep.
      const std::string filter = c.Name;
      const bool matters =
          (filter == "machine" || filter == "product") ||
          (measure == MeasureWastage && !(filter == "head" && grouping == GroupByPartNumber) &&
           !(filter == "part number" && grouping == GroupByHead));
      if (matters) {
        EXPECT_FALSE(SameChart(unfiltered, actual)) << "the filter changed nothing";
      }
    }
  }
}

TEST(Loader, OneMachineFilteredMakesNoTotalForComponentsPerHourByDate) {
  const MachineTable machines = ReadMachineTable(1, Data().Folder());
  PRDQuery query = Query(MeasureComponentsPerHour, GroupByDate);
  query.MachineFilter = Keys({machines.MachineName(3)});
  const ChartData chart = Load(query);
  EXPECT_EQ(chart.Series, std::vector<std::string>{machines.MachineName(3)});
  query.MachineFilter = Keys({"Nobody 9"});
  const ChartData none = Load(query);
  EXPECT_TRUE(none.Series.empty());
  EXPECT_EQ(none.Labels.size(), 9u);
}

TEST(Loader, UpsideDownRangeVisitsNoDayAndMakesOnlyTheFixedSeries) {
  for (PRDMeasure measure : AllMeasures) {
    PRDQuery query = Query(measure, GroupByDate);
    std::swap(query.FromDate, query.ToDate);
    query.FromDate.Serial += 1;
    auto host = std::make_shared<RecordingHost>();
    const ChartData chart = Load(query, Data().Folder(), host);
    EXPECT_TRUE(chart.Labels.empty());
    EXPECT_EQ(PointCount(chart), 0u);
    EXPECT_EQ(host->Forms, 0);
    EXPECT_EQ(host->Yields, 0);
    EXPECT_EQ(chart.Series, ExpectedChart(query, Data().Root, Data().Files).Series);
  }
  PRDQuery sameDay = Query(MeasureBoardCount, GroupByDate);
  sameDay.ToDate = sameDay.FromDate;
  EXPECT_EQ(Load(sameDay).Labels.size(), 1u);
}

TEST(Loader, MissingLineReadsNothingAndSaysNothing) {
  PRDQuery query = Query(MeasureEfficiency, GroupByDate);
  query.LineNumber = 7;
  auto host = std::make_shared<RecordingHost>();
  const ChartData chart = Load(query, Data().Folder(), host);
  EXPECT_EQ(chart.Series, std::vector<std::string>{"Efficiency"});
  EXPECT_EQ(chart.Labels.size(), 9u);
  EXPECT_EQ(PointCount(chart), 0u);
  EXPECT_EQ(host->Forms, 0);
  EXPECT_TRUE(host->Messages.empty());
  EXPECT_EQ(MachineCount(), 0) << "the program's table is the line read last";
}

TEST(Loader, ProgressCountsEveryFileOfTheRangeInKbytes) {
  // Every summary file of line 1 in the range, filtered or not, in the order
  // the load meets them.
  std::vector<std::pair<std::string, uintmax_t>> files;
  for (const auto& f : Data().Files) {
    if (f.Line == 1) files.emplace_back(f.Path.string(), fs::file_size(f.Path));
  }
  std::sort(files.begin(), files.end(), [](const auto& a, const auto& b) {
    return Runtime::FoldCase(a.first) < Runtime::FoldCase(b.first);
  });
  int64_t total = 0;
  for (const auto& [name, size] : files) total += static_cast<int64_t>(size);
  const std::string all = std::to_string(total / 1024);

  auto host = std::make_shared<RecordingHost>();
  PRDQuery query = Query(MeasureWastage, GroupByProduct);
  query.ProductFilter = Keys({"NO-SUCH"});
  Load(query, Data().Folder(), host);

  std::vector<std::string> expected = {"0 of " + all + " Kbytes loaded."};
  int64_t loaded = 0;
  for (const auto& [name, size] : files) {
    loaded += static_cast<int64_t>(size);
    expected.push_back(std::to_string(loaded / 1024) + " of " + all + " Kbytes loaded.");
  }
  EXPECT_EQ(host->Labels, expected);
  ASSERT_GE(host->Log.size(), 4u);
  EXPECT_EQ(host->Log[0], "Max " + std::to_string(total));
  EXPECT_EQ(host->Log[1], "Bar 0");
  EXPECT_EQ(host->Log[3], "Show");
  EXPECT_EQ(host->Log.back(), "Unload");
  EXPECT_EQ(host->Forms, 1);
  EXPECT_EQ(std::count(host->Log.begin(), host->Log.end(), "Bar " + std::to_string(total)), 1);
  EXPECT_EQ(host->Log[host->Log.size() - 3], "Label " + all + " of " + all + " Kbytes loaded.");
}

TEST(Loader, YieldsOnceADayBeforeTheDaysFiles) {
  auto host = std::make_shared<RecordingHost>();
  Load(Query(MeasureComponentsPerHour, GroupByDate), Data().Folder(), host);
  EXPECT_EQ(host->Yields, 9);
  // Between two yields stand exactly the files of one day.
  std::map<std::string, int> filesPerDay;
  for (const auto& f : Data().Files) {
    if (f.Line == 1) {
      ++filesPerDay[f.Path.parent_path().parent_path().parent_path().filename().string()];
    }
  }
  std::vector<int> expected;
  for (int d = 6; d <= 14; ++d) {
    const std::string day = "2026_03_" + std::string(d < 10 ? "0" : "") + std::to_string(d);
    expected.push_back(filesPerDay.count(day) ? filesPerDay[day] : 0);
  }
  std::vector<int> seen;
  for (const std::string& entry : host->Log) {
    if (entry == "DoEvents") {
      seen.push_back(0);
    } else if (entry.starts_with("Label ") && !seen.empty()) {
      ++seen.back();
    }
  }
  EXPECT_EQ(seen, expected);
}

TEST(Loader, WithoutProgressTheWindowIsNeverMade) {
  auto host = std::make_shared<RecordingHost>();
  Chart chart;
  LoadPRDSummaryData(Query(MeasureWastage, GroupByMachine), chart.Graph, Data().Folder(), false,
                     host);
  EXPECT_EQ(host->Forms, 0);
  EXPECT_EQ(host->Yields, 9);
  EXPECT_GT(PointCount(ChartOf(*chart.Graph)), 0u);
}

TEST(Loader, TheProgramsHostServesLoadsGivenNone) {
  auto host = std::make_shared<RecordingHost>();
  SetLoadHost(host);
  Chart chart;
  LoadPRDSummaryData(Query(MeasureWastage, GroupByMachine), chart.Graph, Data().Folder(), true);
  SetLoadHost(nullptr);
  EXPECT_EQ(host->Forms, 1);
  EXPECT_EQ(host->Yields, 9);
}

TEST(Loader, FolderAndFileNamesInOtherLetterCasesGiveTheSamePoints) {
  TestSupport::TempDir dir;
  const fs::path root = dir.Path() / "Copy";
  fs::copy(Data().Root, root, fs::copy_options::recursive);
  // "History" and "Machine Prd" in capitals, ".KVX" in small letters, "M1" as "m1".
  const fs::path line = root / "Line1";
  fs::rename(line / "History", line / "HISTORY");
  for (const auto& day : fs::directory_iterator(line / "HISTORY")) {
    if (!fs::exists(day.path() / "Machine Prd")) continue;
    fs::rename(day.path() / "Machine Prd", day.path() / "MACHINE PRD");
    for (const auto& machine : fs::directory_iterator(day.path() / "MACHINE PRD")) {
      for (const auto& file : fs::directory_iterator(machine.path())) {
        fs::path renamed = file.path();
        renamed.replace_extension(".kvx");
        fs::rename(file.path(), renamed);
      }
    }
    if (fs::exists(day.path() / "MACHINE PRD" / "M1")) {
      fs::rename(day.path() / "MACHINE PRD" / "M1", day.path() / "MACHINE PRD" / "m1");
    }
  }
  fs::rename(line / "CommSet.Cnf", line / "COMMSET.CNF");
  for (const auto& [measure, grouping] :
       {std::pair{MeasureWastage, GroupByDate}, std::pair{MeasureEfficiency, GroupByProduct},
        std::pair{MeasureComponentsPerHour, GroupByMachine}}) {
    SCOPED_TRACE(Name(measure, grouping));
    const PRDQuery query = Query(measure, grouping);
    const ChartData chart = Load(query, root.string() + "/");
    EXPECT_TRUE(SameChart(Load(query), chart));
    EXPECT_GT(PointCount(chart), 0u);
  }
}

TEST(Loader, AFilterOfEntriesWithoutKeysLetsNothingThrough) {
  auto keyless = std::make_shared<Runtime::Collection>();
  keyless->Add(Runtime::Variant("1-1"));
  PRDQuery byHead = Query(MeasureWastage, GroupByHead);
  byHead.HeadFilter = keyless;
  EXPECT_TRUE(Load(byHead).Labels.empty());
  PRDQuery byProduct = Query(MeasureWastage, GroupByProduct);
  byProduct.ProductFilter = keyless;
  EXPECT_TRUE(Load(byProduct).Labels.empty());
}
